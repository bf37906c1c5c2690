#include "platform/win/sys/Paths.h"

#include <gtest/gtest.h>

using namespace hb::win;

TEST(Paths, TakeBothSeparatorsGiveSlashesAndKeepCase) {
    const std::string path = "Data\\Radio Logs/Scan List.SWS";
    EXPECT_EQ(NativePath(path), "Data/Radio Logs/Scan List.SWS");
    EXPECT_EQ(PathFolder(path), "Data/Radio Logs");
    EXPECT_EQ(PathFileName(path), "Scan List.SWS");
    EXPECT_EQ(PathStem(path), "Scan List");
    EXPECT_EQ(PathExtension(path), ".SWS");

    const PathParts parts = SplitPath("C:\\Audio\\RX1_AUDIO.tar.SWQ");
    EXPECT_EQ(parts.folder, "C:/Audio");
    EXPECT_EQ(parts.stem, "RX1_AUDIO.tar");
    EXPECT_EQ(parts.extension, ".SWQ");
}

TEST(Paths, EdgesOfNamesAndFolders) {
    EXPECT_EQ(PathFolder("/halbridge"), "/");
    EXPECT_EQ(PathFolder("halbridge"), "");
    EXPECT_EQ(PathFileName("Samples\\"), "");
    EXPECT_EQ(PathStem(".hidden"), ".hidden");
    EXPECT_EQ(PathExtension(".hidden"), "");
    EXPECT_EQ(PathExtension("dir.d/README"), "");
    EXPECT_EQ(PathStem("dir.d/README"), "README");
}

TEST(Paths, JoinKeepsOneSeparatorAndLetsAnAbsoluteSecondPartWin) {
    EXPECT_EQ(PathJoin("Docs\\Halbridge", "Samples\\a.swg"), "Docs/Halbridge/Samples/a.swg");
    EXPECT_EQ(PathJoin("Docs/", "a.swg"), "Docs/a.swg");
    EXPECT_EQ(PathJoin("Docs\\", "a.swg"), "Docs/a.swg");
    EXPECT_EQ(PathJoin("Docs", "/etc/a.swg"), "/etc/a.swg");
    EXPECT_EQ(PathJoin("Docs", "\\a.swg"), "/a.swg");
    EXPECT_EQ(PathJoin("", "a.swg"), "a.swg");
    EXPECT_EQ(PathJoin("Docs", ""), "Docs");
}

TEST(Paths, ExtensionTestIgnoresCaseButNotTheRest) {
    EXPECT_TRUE(PathHasExtension("Lists/Air.SWS", ".sws"));
    EXPECT_TRUE(PathHasExtension("Lists\\Air.sws", ".SwS"));
    EXPECT_FALSE(PathHasExtension("Lists/Air.swsx", ".sws"));
    EXPECT_FALSE(PathHasExtension("Lists.sws/Air", ".sws"));
    EXPECT_FALSE(PathHasExtension("Air", ".sws"));
    EXPECT_TRUE(EqualNoCase("ENGINE.DLL", "engine.dll"));
    EXPECT_FALSE(EqualNoCase("ENGINE.DLL", "engine.dl"));
}
