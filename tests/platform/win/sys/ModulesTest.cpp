#include "platform/win/sys/Modules.h"

#include "SysTest.h"
#include "platform/win/core/LastError.h"
#include "platform/win/sys/FakeModules.h"
#include "platform/win/sys/Files.h"
#include "platform/win/sys/ProgramPath.h"

#include <dlfcn.h>

namespace hb::win::test {
namespace {

// Loads the test library through the program's folder. The fixture keeps its own hold on the
// library, so that its record of attach and detach calls outlives each unload.
class Modules : public SysTest {
protected:
    void SetUp() override {
        SysTest::SetUp();
        m_bin = ApplicationFolder();
        SetModuleFileNameOverride(m_bin + "\\halbridge");
        m_path = m_bin + "/libHbTestModule.so";
        m_hold = dlopen(m_path.c_str(), RTLD_NOW);
        ASSERT_NE(m_hold, nullptr) << dlerror();
    }

    void TearDown() override {
        SysTest::TearDown();
        if (m_hold != nullptr) {
            dlclose(m_hold);
        }
    }

    template <class F>
    F* Export(const char* name) const {
        return reinterpret_cast<F*>(dlsym(m_hold, name));
    }

    std::string Events() const { return Export<const char*()>("HbTestModuleEvents")(); }

    std::string m_bin;
    std::string m_path;
    void* m_hold = nullptr;
};

TEST_F(Modules, WindowsNamesMapToLibrariesInTheProgramFolder) {
    EXPECT_EQ(ModulePathFor("Pellam.DLL"), m_bin + "/libPellam.so");
    EXPECT_EQ(ModulePathFor("ENGINE.DLL"), m_bin + "/libEngine.so");
    EXPECT_EQ(ModulePathFor("engine.dll"), m_bin + "/libEngine.so");
    EXPECT_EQ(ModulePathFor("ISDIGITALLIBRARY.OCX"), m_bin + "/libisDigitalLibrary.so");
    EXPECT_EQ(ModulePathFor("xtp.dll"), m_bin + "/libxtp.so");
    EXPECT_EQ(ModulePathFor("Extra.Dll"), m_bin + "/libExtra.so");
    EXPECT_EQ(ModulePathFor("Extra"), m_bin + "/libExtra.so");
    EXPECT_EQ(ModulePathFor("libExtra.so.2"), m_bin + "/libExtra.so.2");
    EXPECT_EQ(ModulePathFor("/opt/Lib/Pellam.DLL"), "/opt/Lib/Pellam.DLL");
    EXPECT_EQ(ModulePathFor("sub\\Pellam.DLL"), "sub/Pellam.DLL");
}

TEST_F(Modules, LoadsByWindowsNameAndFindsOnlyItsOwnExports) {
    const HMODULE module = LoadLibrary("HbTestModule.DLL");
    ASSERT_TRUE(module);
    EXPECT_EQ(Events(), "A");
    EXPECT_EQ(Export<std::uint32_t()>("HbTestModuleSelf")(), module.id());
    EXPECT_EQ(GetModuleHandle("HbTestModule.dll"), module);

    auto add = reinterpret_cast<int (*)(int, int)>(GetProcAddress(module, "HbTestModuleAdd"));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 3), 5);
    EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    // Found by the loader in a library the module depends on, so not one of its exports.
    ASSERT_NE(dlsym(m_hold, "strlen"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "strlen"), nullptr);

    char path[MAX_PATH];
    GetModuleFileName(module, path, MAX_PATH);
    EXPECT_EQ(path, m_path);
}

TEST_F(Modules, CountsLoadsAndDetachesOnceOnTheLastFree) {
    const HMODULE module = LoadLibrary("HbTestModule.DLL");
    EXPECT_EQ(LoadLibrary("HbTestModule.dll"), module);
    EXPECT_EQ(LoadLibrary(m_path.c_str()), module);
    EXPECT_EQ(Events(), "A");

    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(Events(), "A");
    EXPECT_NE(GetProcAddress(module, "HbTestModuleAdd"), nullptr);

    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(Events(), "AD");
    EXPECT_FALSE(GetModuleHandle("HbTestModule.DLL"));
    EXPECT_FALSE(FreeLibrary(module));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetProcAddress(module, "HbTestModuleAdd"), nullptr);

    const HMODULE again = LoadLibrary("HbTestModule.DLL");
    EXPECT_NE(again, module);
    EXPECT_EQ(Events(), "ADA");
}

TEST_F(Modules, FailedAttachFailsTheLoad) {
    Export<void(bool)>("HbTestModuleFailAttach")(true);
    EXPECT_FALSE(LoadLibrary("HbTestModule.DLL"));
    EXPECT_EQ(GetLastError(), ERROR_DLL_INIT_FAILED);
    Export<void(bool)>("HbTestModuleFailAttach")(false);
    EXPECT_EQ(Events(), "A");
    EXPECT_FALSE(GetModuleHandle("HbTestModule.DLL"));
}

TEST_F(Modules, MissingModulesAndResetUnloading) {
    EXPECT_FALSE(LoadLibrary("Nowhere.DLL"));
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_FALSE(GetModuleHandle("Nowhere.DLL"));
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

    LoadLibrary("HbTestModule.DLL");
    LoadLibrary("HbTestModule.DLL");
    sys::ResetForTests();
    EXPECT_EQ(Events(), "AD");
}

TEST_F(Modules, FakeModulesAnswerInsteadOfFiles) {
    SetFakeModule("Pellam.DLL", ModuleVersion{{9, 1, 4, 17}}, false);
    SetFakeModule("Brisko.DLL", std::nullopt, true);
    SetFakeModule("HbTestModule.DLL", ModuleVersion{{0, 9, 0, 0}}, true);

    ModuleVersion version;
    ASSERT_TRUE(ReadModuleVersion(ModulePathFor("PELLAM.dll"), version));
    EXPECT_EQ(version, (ModuleVersion{{9, 1, 4, 17}}));
    const HMODULE pellam = LoadLibrary("Pellam.DLL");
    ASSERT_TRUE(pellam);
    EXPECT_EQ(GetProcAddress(pellam, "DllMain"), nullptr);
    EXPECT_TRUE(FreeLibrary(pellam));

    EXPECT_FALSE(ReadModuleVersion(ModulePathFor("Brisko.DLL"), version));
    EXPECT_FALSE(LoadLibrary("Brisko.DLL"));
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

    // A fake hides the real file, until the reset.
    ASSERT_TRUE(ReadModuleVersion(m_path, version));
    EXPECT_EQ(version, (ModuleVersion{{0, 9, 0, 0}}));
    EXPECT_FALSE(LoadLibrary("HbTestModule.DLL"));
    sys::ResetForTests();
    SetModuleFileNameOverride(m_bin + "/halbridge");
    ASSERT_TRUE(ReadModuleVersion(m_path, version));
    EXPECT_EQ(version, (ModuleVersion{{1, 2, 3, 4}}));
    EXPECT_TRUE(LoadLibrary("HbTestModule.DLL"));
}

} // namespace
} // namespace hb::win::test
