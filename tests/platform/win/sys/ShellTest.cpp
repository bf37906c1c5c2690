#include "platform/win/sys/Shell.h"

#include "SysTest.h"
#include "platform/win/core/LastError.h"
#include "platform/win/store/Registry.h"
#include "platform/win/sys/Files.h"
#include "platform/win/sys/ProcessLauncher.h"

namespace hb::win::test {
namespace {

using Shell = SysTest;
using Words = std::vector<std::string>;

TEST_F(Shell, RecordingLauncherLogsRequestsAndAnswersFromItsScript) {
    QueueLaunchResult(SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute(HWND(7), "explore", "Docs\\Audio", nullptr, nullptr, 1), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute(HWND(), nullptr, "manual.pdf", "-x 'two words'", "/tmp", 5),
              kLaunchSucceeded);
    EXPECT_GT(WinExec("SNDVOL.EXE /RECORD", 1), 31u);
    EXPECT_EQ(WSACleanup(), 0);

    const auto& log = LaunchLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].verb, "explore");
    EXPECT_EQ(log[0].file, "Docs\\Audio");
    EXPECT_EQ(log[1].kind, LaunchKind::ShellExecute);
    EXPECT_EQ(log[1].verb, "");
    EXPECT_EQ(log[1].parameters, "-x 'two words'");
    EXPECT_EQ(log[1].directory, "/tmp");
    EXPECT_EQ(log[1].show, 5);
    EXPECT_EQ(log[2].kind, LaunchKind::WinExec);
    EXPECT_EQ(log[2].command, "SNDVOL.EXE /RECORD");

    UseRecordingLauncher();
    EXPECT_TRUE(LaunchLog().empty());
}

TEST_F(Shell, SplitsWordsLikeAShellWithoutExpanding) {
    EXPECT_EQ(SplitShellWords("  a  b\tc "), (Words{"a", "b", "c"}));
    EXPECT_EQ(SplitShellWords(R"("two words" 'it''s' a\ b)"), (Words{"two words", "its", "a b"}));
    EXPECT_EQ(SplitShellWords(R"("say \"hi\" \n \\" '\n')"), (Words{R"(say "hi" \n \)", R"(\n)"}));
    EXPECT_EQ(SplitShellWords(R"(x"y z"w '' "")"), (Words{"xy zw", "", ""}));
    EXPECT_EQ(SplitShellWords("$HOME *.swg `id` ~ ; |"),
              (Words{"$HOME", "*.swg", "`id`", "~", ";", "|"}));
    EXPECT_EQ(SplitShellWords(""), Words{});
    EXPECT_EQ(SplitShellWords("\"open"), std::nullopt);
    EXPECT_EQ(SplitShellWords("'open"), std::nullopt);
    EXPECT_EQ(SplitShellWords(R"("ends in \")"), std::nullopt);
}

TEST_F(Shell, ProgramLauncherRefusesWhatItCannotStart) {
    SetLauncher(LaunchProcess);
    EXPECT_EQ(ShellExecute(HWND(), "print", Scratch("").c_str(), nullptr, nullptr, 1),
              SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute(HWND(), "open", Scratch("missing.pdf").c_str(), nullptr, nullptr, 1),
              SE_ERR_FNF);
    EXPECT_EQ(ShellExecute(HWND(), "open", "true", nullptr, Scratch("none").c_str(), 1),
              SE_ERR_PNF);
    EXPECT_EQ(ShellExecute(HWND(), "open", "true", "\"open", nullptr, 1),
              static_cast<LONG_PTR>(ERROR_BAD_FORMAT));
    EXPECT_EQ(WinExec("", 1), static_cast<UINT>(SE_ERR_FNF));
    EXPECT_EQ(WinExec("hb-no-such-program-anywhere /x", 1), static_cast<UINT>(SE_ERR_FNF));
}

TEST_F(Shell, ProgramLauncherRunsProgramsDirectly) {
    SetLauncher(LaunchProcess);
    ASSERT_TRUE(CopyFile("/bin/true", Scratch("tool").c_str(), FALSE));
    EXPECT_EQ(ShellExecute(HWND(), "open", Scratch("tool").c_str(), "a 'b c'",
                           m_scratch.Path().c_str(), 1),
              kLaunchSucceeded);
    EXPECT_GT(WinExec("true --ignored", 1), 31u);
}

} // namespace
} // namespace hb::win::test

namespace hb::win::test {
namespace {

TEST_F(Shell, TheVolumeProgramsRunTheConfiguredCommandsOrNothing) {
    SetLauncher(LaunchProcess);
    constexpr const char* kKey = "Software\\ShellTest\\Settings";
    SetMixerCommandsKey(kKey);
    // Nothing configured: the request is taken and nothing runs.
    EXPECT_GT(WinExec("SNDVOL.EXE", 1), 31u);
    EXPECT_GT(WinExec("sndvol32.exe /RECORD", 1), 31u);

    HKEY key{};
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                             nullptr),
              ERROR_SUCCESS);
    const std::string missing = Scratch("no-such-mixer") + " --volume";
    RegSetValueEx(key, "VolumeControlCommand", 0, REG_SZ,
                  reinterpret_cast<const BYTE*>(missing.c_str()),
                  static_cast<DWORD>(missing.size() + 1));
    RegSetValueEx(key, "RecordingControlCommand", 0, REG_SZ, reinterpret_cast<const BYTE*>("true"),
                  5);
    RegCloseKey(key);
    // The configured command is what runs: a missing program is reported as such.
    EXPECT_EQ(WinExec("SNDVOL.EXE", 1), static_cast<UINT>(SE_ERR_FNF));
    EXPECT_GT(WinExec("SNDVOL.EXE /RECORD", 1), 31u);
    RegDeleteTree(HKEY_LOCAL_MACHINE, "Software\\ShellTest");
    SetMixerCommandsKey("");
}

} // namespace
} // namespace hb::win::test
