// The program as a person runs it: a real process with a settings folder of its own, headless,
// stopped by a signal. Its standard error is read with a deadline; nothing here sleeps.
#include "ProgramProcess.h"

#include "platform/win/sys/ProgramPath.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <string>

using hb::apptest::ReadFile;
using hb::apptest::WriteFile;

namespace {

class ProgramProcessTest : public ::testing::Test {
protected:
    std::string Config(const std::string& name) const { return program.Config(name); }
    std::string Trace() const { return program.Trace(); }
    void Launch(const std::vector<std::string>& arguments = {}) {
        ASSERT_TRUE(program.Launch(arguments)) << program.Output();
    }
    bool WaitFor(const std::string& text) { return program.WaitFor(text); }
    int Finish(int signal = 0) { return program.Finish(signal); }
    const std::string& Output() const { return program.Output(); }

    hb::apptest::ProgramProcess program;
};

constexpr const char* kReady = "caption \"Setup Wizard\"";

TEST_F(ProgramProcessTest, AFirstRunSetsUpItsRadiosAndSavesItsWindowOnSigtermThenARunRestoresIt) {
    Launch();
    ASSERT_TRUE(WaitFor(kReady)) << Output();
    EXPECT_EQ(Finish(SIGTERM), 0) << Output();

    EXPECT_EQ(ReadFile(Config("Halbridge Pro.ini")),
              ReadFile(hb::win::ApplicationFolder() + "/Samples/hbpro.ini"));
    EXPECT_NE(Trace().find("MainFrm("), std::string::npos);
    const std::string first = "\"MainWindow\"=sz:\"0,0,800,600,0\"";
    std::string registry = ReadFile(Config("user.reg"));
    for (const char* saved :
         {"[Software\\Corvanta\\Halbridge Pro\\CommandBars]",
          "[Software\\Corvanta\\Halbridge Pro\\PaneLayout]",
          "[Software\\Corvanta\\Halbridge Pro\\Receiver]\n\"SpanParm\"",
          "[Software\\Corvanta\\Halbridge Pro\\Trunk Tracker]\n\"SpanParm\"", first.c_str()}) {
        EXPECT_NE(registry.find(saved), std::string::npos) << saved << "\n" << registry;
    }

    // The user moved the window; the next run puts it there and leaves it there.
    const std::string moved = "\"MainWindow\"=sz:\"40,30,840,630,0\"";
    registry.replace(registry.find(first), first.size(), moved);
    WriteFile(Config("user.reg"), registry);
    Launch();
    ASSERT_TRUE(WaitFor(kReady)) << Output();
    EXPECT_EQ(Finish(SIGINT), 0) << Output();
    EXPECT_NE(ReadFile(Config("user.reg")).find(moved), std::string::npos);
}

TEST_F(ProgramProcessTest, ResetDeletesOnlyTheProgramsSettingsAndOpensNoWindow) {
    std::filesystem::create_directories(Config(""));
    WriteFile(Config("user.reg"), "HalbridgeRegistry 1\n[Software]\n[Software\\Corvanta]\n"
                                  "[Software\\Corvanta\\Halbridge Pro]\n"
                                  "[Software\\Corvanta\\Halbridge Pro\\Settings]\n"
                                  "\"UseCompactView\"=dword:00000001\n"
                                  "[Software\\Corvanta\\Suite]\n"
                                  "[Software\\Corvanta\\Suite\\Colors]\n"
                                  "\"Background\"=dword:00000007\nEnd\n");
    Launch({"-reset"});
    EXPECT_EQ(Finish(), 0) << Output();
    const std::string registry = ReadFile(Config("user.reg"));
    EXPECT_EQ(registry.find("Halbridge Pro"), std::string::npos) << registry;
    EXPECT_NE(registry.find("[Software\\Corvanta\\Suite\\Colors]"), std::string::npos);
    EXPECT_EQ(Trace().find("MainFrm("), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Config("Halbridge Pro.ini")));
}

} // namespace
