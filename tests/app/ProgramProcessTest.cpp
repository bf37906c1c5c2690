// The program as a person runs it: a real process with a settings folder of its own, headless,
// stopped by a signal. Its standard error is read with a deadline; nothing here sleeps.
#include "ProgramProcess.h"

#include "platform/testkit/TempFolder.h"
#include "platform/win/sys/ProgramPath.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <string>

using hb::testkit::ReadFileBytes;
using hb::testkit::WriteFileBytes;

namespace {

class ProgramProcessTest : public ::testing::Test {
protected:
    hb::apptest::ProgramProcess program;
};

constexpr const char* kReady = "caption \"Setup Wizard\"";

TEST_F(ProgramProcessTest, AFirstRunSetsUpItsRadiosAndSavesItsWindowOnSigtermThenARunRestoresIt) {
    ASSERT_TRUE(program.Launch()) << program.Output();
    ASSERT_TRUE(program.WaitFor(kReady)) << program.Output();
    EXPECT_EQ(program.Finish(SIGTERM), 0) << program.Output();

    EXPECT_EQ(ReadFileBytes(program.Config("Halbridge Pro.ini")),
              ReadFileBytes(hb::win::ApplicationFolder() + "/Samples/hbpro.ini"));
    EXPECT_NE(program.Trace().find("MainFrm("), std::string::npos);
    const std::string first = "\"MainWindow\"=sz:\"0,0,800,600,0\"";
    std::string registry = ReadFileBytes(program.Config("user.reg"));
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
    WriteFileBytes(program.Config("user.reg"), registry);
    ASSERT_TRUE(program.Launch()) << program.Output();
    ASSERT_TRUE(program.WaitFor(kReady)) << program.Output();
    EXPECT_EQ(program.Finish(SIGINT), 0) << program.Output();
    EXPECT_NE(ReadFileBytes(program.Config("user.reg")).find(moved), std::string::npos);
}

TEST_F(ProgramProcessTest, ResetDeletesOnlyTheProgramsSettingsAndOpensNoWindow) {
    std::filesystem::create_directories(program.Config(""));
    WriteFileBytes(program.Config("user.reg"),
                   "HalbridgeRegistry 1\n[Software]\n[Software\\Corvanta]\n"
                   "[Software\\Corvanta\\Halbridge Pro]\n"
                   "[Software\\Corvanta\\Halbridge Pro\\Settings]\n"
                   "\"UseCompactView\"=dword:00000001\n"
                   "[Software\\Corvanta\\Suite]\n"
                   "[Software\\Corvanta\\Suite\\Colors]\n"
                   "\"Background\"=dword:00000007\nEnd\n");
    ASSERT_TRUE(program.Launch({"-reset"})) << program.Output();
    EXPECT_EQ(program.Finish(), 0) << program.Output();
    const std::string registry = ReadFileBytes(program.Config("user.reg"));
    EXPECT_EQ(registry.find("Halbridge Pro"), std::string::npos) << registry;
    EXPECT_NE(registry.find("[Software\\Corvanta\\Suite\\Colors]"), std::string::npos);
    EXPECT_EQ(program.Trace().find("MainFrm("), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(program.Config("Halbridge Pro.ini")));
}

} // namespace
