#include "platform/afx/Input.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/tessary/model/Radio.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/core/Timers.h"
#include "platform/win/sys/Shell.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <span>

namespace hb::app::test {
namespace {

using hb::records::FunctionPage;

class RunTest : public ProgramTest {
protected:
    RunTest() { Settings(kTwoRadios); }

    std::optional<hb::win::TimerInfo> ShowTimer() const {
        for (const hb::win::TimerInfo& timer : hb::win::ActiveTimers()) {
            if (timer.hwnd == Main().m_hWnd && timer.id == 1) {
                return timer;
            }
        }
        return std::nullopt;
    }
};

FunctionPage Page(std::initializer_list<std::uint32_t> ids) {
    FunctionPage page;
    for (const std::uint32_t id : ids) {
        page.ids[page.count++] = id;
    }
    return page;
}

std::vector<std::uint32_t> Ids(const FunctionPage& page) {
    return {page.ids.begin(), page.ids.begin() + page.count};
}

TEST_F(RunTest, TheExitStepDestroysTheRigsWhileTheResourceLibraryIsStillThere) {
    hb::win::ClearFakeModules();
    for (const CompanionFile& companion : std::span(kCompanions).first(8)) {
        hb::win::SetFakeModule(companion.name, companion.version, false);
    }
    ASSERT_EQ(Start(), std::nullopt);
    std::vector<std::string> seen;
    std::vector<hb::testkit::TestWindow> windows(2);
    std::vector<CWnd> owners(2);
    for (std::size_t i = 0; i < 2; ++i) {
        CRig* rig = CRig::FindByName(i == 0 ? "Receiver" : "Tracker");
        rig->m_span_parm.set(hb::records::Parm::kFrequency, 118'000'000 + i);
        windows[i].On(WM_CLOSE, [&seen, name = rig->m_name.str()](WPARAM, LPARAM) {
            std::size_t saved = 0;
            for (const auto& write : hb::win::registry::Journal()) {
                saved += write.valueName == "SpanParm" || write.valueName == "ScopeParm";
            }
            seen.push_back(name + " closed, " + std::to_string(saved) + " saved, forms " +
                           (hb::afx::FindDialogResource(IDD_R8500_VIEW) ? "there" : "gone"));
            return LRESULT{0};
        });
        owners[i].Attach(windows[i].Create());
        ASSERT_EQ(rig->AttachView(CRig::kCommandScanListFiles, &owners[i]), 0);
    }

    EXPECT_EQ(hb::testkit::FinishApp(*app), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Receiver closed, 0 saved, forms there",
                                              "Tracker closed, 2 saved, forms there"}));
    EXPECT_TRUE(Rigs().empty());
    EXPECT_EQ(hb::afx::FindDialogResource(IDD_R8500_VIEW), nullptr);
    HKEY key;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\Tracker", 0,
                           KEY_READ, &key),
              ERROR_SUCCESS);
    hb::records::Parm stored;
    EXPECT_TRUE(
        CScanApp::ReadBinaryValue(key, "SpanParm", stored.data(), hb::records::Parm::kSize));
    EXPECT_EQ(stored.get(hb::records::Parm::kFrequency), 118'000'001u);
    RegCloseKey(key);
    for (CWnd& owner : owners) {
        owner.Detach();
    }
}

TEST_F(RunTest, InputHoldsOffTheMainFramesCyclingOnlyWhileItRuns) {
    ASSERT_EQ(Start(), std::nullopt);
    hb::afx::PressKey(Main().m_hWnd, 'A');
    EXPECT_EQ(ShowTimer(), std::nullopt);

    Main().SetTimer(1, 5000, nullptr);
    AdvanceAndPump(4000);
    hb::afx::MoveMouse(Main().m_hWnd, 10, 10);
    ASSERT_NE(ShowTimer(), std::nullopt);
    EXPECT_EQ(ShowTimer()->due, hb::win::NowMs() + 5000);
}

TEST_F(RunTest, EveryRadioLosesTheFunctionsTheProgramLacksAndGainsToneReaders) {
    Settings(std::string(kTwoRadios) + "[Vela*Quin]\nToneReadersInstalled=1\nSystemTypes=3\n");
    ASSERT_EQ(Start(), std::nullopt);
    const FunctionPage pages[] = {Page({1000, 1001, 1002, 1024, 1025, 1100}),
                                  Page({1200, 1052, 1209, 0xFFFFFFFF, 1113}), Page({1114, 1201})};
    hb::records::RadioModel model = *hb::records::FindRadioModel(42);
    model.pages = pages;
    model.systemTypes = 0x0804;
    model.trackedSystems = 0xFFFF;
    Radio radio(model);
    app->TailorRadioFunctions(&radio);
    EXPECT_EQ(Ids(*radio.page(1)),
              (std::vector<std::uint32_t>{1000, 1001, 1003, 1036, 1002, 1100}));
    EXPECT_EQ(Ids(*radio.page(2)), std::vector<std::uint32_t>{});
    EXPECT_EQ(Ids(*radio.page(3)), std::vector<std::uint32_t>{});
    EXPECT_EQ(radio.systemTypes(), 0x0007u);

    // Already there, or nothing to follow: no change; a full page takes nothing more.
    FunctionPage& first = *radio.page(1);
    app->InsertRadioFunction(&radio, 1, 1036, 1000);
    app->InsertRadioFunction(&radio, 1, 1500, 1499);
    EXPECT_EQ(first.count, 6);
    while (first.count < first.ids.size()) {
        first.ids[first.count++] = 2000;
    }
    app->InsertRadioFunction(&radio, 1, 1500, 1000);
    EXPECT_EQ(first.ids[1], 1001u);
    EXPECT_EQ(first.count, first.ids.size());
}

TEST_F(RunTest, TheManualOpensWithAViewerAndOtherwiseOffersTheReader) {
    ASSERT_EQ(Start(), std::nullopt);
    RecordLaunchesWithAPdfViewer();
    Command(ID_HELP_USER_MANUAL);
    RegDeleteTree(HKEY_CLASSES_ROOT, ".pdf");
    ExpectBox("user manual requires Adobe Reader", IDYES, "Adobe Reader Not Installed");
    Command(ID_HELP);
    ExpectBeeps(1);
    Command(ID_SETTINGS_WINDOWS_VOLUME);

    const auto& launched = hb::win::LaunchLog();
    ASSERT_EQ(launched.size(), 3u);
    EXPECT_EQ(launched[0].verb, "open");
    EXPECT_EQ(launched[0].file, app->GetAppFolder() + "Halbridge Pro User Manual.pdf");
    EXPECT_NE(launched[1].file.find("adobe"), std::string::npos);
    EXPECT_EQ(launched[2].command, "SNDVOL.EXE");
}

} // namespace
} // namespace hb::app::test
