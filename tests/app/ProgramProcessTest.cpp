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

// The wizard greets a first start; headless, it is answered with Next, then cancelled.
constexpr const char* kReady =
    "dialog \"Halbridge Pro Wizard\" still open after its default button: cancelled";

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
          "[Software\\Corvanta\\Halbridge Pro\\Receiver]\n\"SetupWizard\"=dword:00000000\n"
          "\"SpanParm\"",
          "[Software\\Corvanta\\Halbridge Pro\\Trunk Tracker]\n\"SetupWizard\"=dword:00000000\n"
          "\"SpanParm\"",
          first.c_str()}) {
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

TEST_F(ProgramProcessTest, AFirstRunLeavesEachRadiosSampleListsButNeverReplacesTheUsersFile) {
    const std::string documents = program.Home() + "/Documents/";
    std::filesystem::create_directories(documents);
    WriteFileBytes(documents + "Trunk Tracker.sws", "the user's own list");
    ASSERT_TRUE(program.Launch()) << program.Output();
    ASSERT_TRUE(program.WaitFor(kReady)) << program.Output();
    EXPECT_EQ(program.Finish(SIGTERM), 0) << program.Output();

    for (const char* name : {"Receiver.swg", "Receiver.sws", "Trunk Tracker.swg"}) {
        EXPECT_EQ(ReadFileBytes(documents + name),
                  ReadFileBytes(hb::win::ApplicationFolder() + "/Samples/" + name))
            << name;
    }
    EXPECT_EQ(ReadFileBytes(documents + "Trunk Tracker.sws"), "the user's own list");
    const std::string registry = ReadFileBytes(program.Config("user.reg"));
    for (const char* radio : {"Receiver", "Trunk Tracker"}) {
        const std::string section = std::string("[Software\\Corvanta\\Halbridge Pro\\") + radio +
                                    "]\n\"SetupWizard\"=dword:00000000\n";
        EXPECT_NE(registry.find(section), std::string::npos) << radio << "\n" << registry;
    }
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

TEST_F(ProgramProcessTest, AListNamedAfterNoRadioEndsByItselfWithTheChooserCancelled) {
    ASSERT_TRUE(program.Launch({"unknown.sws"}, {}, program.Home())) << program.Output();
    EXPECT_EQ(program.Finish(), 1) << program.Output();
    const std::string& said = program.Output();
    EXPECT_NE(said.find("halbridge: dialog \"Select Radio - Radio Control\" still open after its "
                        "default button: cancelled"),
              std::string::npos)
        << said;
    // The file is taken from the folder the program was started in.
    EXPECT_NE(
        said.find("halbridge: start-up ended: cannot open " + program.Home() + "/unknown.sws"),
        std::string::npos)
        << said;
}

TEST_F(ProgramProcessTest, AStartUpThatCannotGoOnSaysWhyAndEndsWithAFailure) {
    // Something that is not a folder stands where the settings go.
    WriteFileBytes(program.Home() + "/config", "");
    ASSERT_TRUE(program.Launch()) << program.Output();
    EXPECT_EQ(program.Finish(), 1) << program.Output();
    EXPECT_EQ(program.Output(), "halbridge: start-up ended: the folder " + program.Home() +
                                    "/config cannot be created (Not a directory)\n");
    std::filesystem::remove(program.Home() + "/config");

    // A configuration without a radio: nobody can complete it.
    std::filesystem::create_directories(program.Config(""));
    WriteFileBytes(program.Config("Halbridge Pro.ini"), "[Radios]\n");
    ASSERT_TRUE(program.Launch()) << program.Output();
    EXPECT_EQ(program.Finish(), 1) << program.Output();
    EXPECT_NE(program.Output().find("halbridge: start-up ended: the radio configuration in " +
                                    program.Config("Halbridge Pro.ini") + " is not complete"),
              std::string::npos)
        << program.Output();
    EXPECT_EQ(ReadFileBytes(program.Config("Halbridge Pro.ini")), "[Radios]\n");
}

TEST_F(ProgramProcessTest, ADisplayThatCannotBeReachedIsSaidAndTheProgramRunsWithoutOne) {
    ASSERT_TRUE(program.Launch({}, ":4711")) << program.Output();
    ASSERT_TRUE(program.WaitFor(kReady)) << program.Output();
    EXPECT_EQ(program.Finish(SIGTERM), 0) << program.Output();
    EXPECT_TRUE(program.Output().starts_with(
        "halbridge: cannot open the display \":4711\"; running without one\n"))
        << program.Output();
}

} // namespace
