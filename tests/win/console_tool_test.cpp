// The stand-in console tool and the field query through the real runner and cmd.exe.
#include <gtest/gtest.h>

#include "emulator/commands.h"
#include "emulator/field_query.h"
#include "console/runner.h"
#include "emulator_folder_fixture_win.h"

using ConsoleTool = EmulatorFolderFixture;

TEST_F(ConsoleTool, ListsTheInstancesInIndexOrder) {
    EXPECT_EQ(Text("0,主力机,1312,1314,1,4120,5100\r\n"
                   "1,测试机,0,0,0,-1,-1\r\n"
                   "3,备用机,1360,1362,1,4144,5124\r\n"
                   "4,小号,1376,1378,1,4152,5132\r\n"),
              RunConsoleCommand(ListingCommand()));
    EXPECT_EQ((TextArray{"list2"}), ToolLog());
}

TEST_F(ConsoleTool, RemovesAFolderOnceThenReportsItMissing) {
    ASSERT_TRUE(AppFolderExists(0, 6));
    EXPECT_EQ("", RunConsoleCommand(RemovalCommand("0", 6, "Gallery2")));
    EXPECT_FALSE(AppFolderExists(0, 6));
    EXPECT_TRUE(AppFolderExists(0, 7));
    EXPECT_EQ("rm: /system/app/Gallery2: No such file or directory\r\n",
              RunConsoleCommand(RemovalCommand("0", 6, "Gallery2")));
    EXPECT_EQ("", RunConsoleCommand(RemovalCommand("0", 28, "Shell")));
    EXPECT_FALSE(AppFolderExists(0, 28));
    EXPECT_EQ("", RunConsoleCommand(RebootCommand("0")));
    EXPECT_EQ((TextArray{"adb --index 0 --command \"shell rm -r /system/app/Gallery2",
                         "adb --index 0 --command \"shell rm -r /system/app/Gallery2",
                         "adb --index 0 --command \"shell rm -r /system/priv-app/Shell", "reboot --index 0"}),
              ToolLog());
}

TEST_F(ConsoleTool, RefusesStoppedAndMissingInstances) {
    EXPECT_NE(Text::npos, RunConsoleCommand(RemovalCommand("1", 6, "Gallery2")).find("not running"));
    EXPECT_TRUE(AppFolderExists(1, 6));
    EXPECT_NE(Text::npos, RunConsoleCommand(RemovalCommand("2", 6, "Gallery2")).find("no instance"));
}

TEST_F(ConsoleTool, InjectsFaults) {
    WriteFaults("fail Gallery2 2 rm: /system/app/Gallery2: Read-only file system\n"
                "stuck Shell rm: /system/priv-app/Shell: Device or resource busy\n"
                "stderr\n");
    Text readOnly = "rm: /system/app/Gallery2: Read-only file system\r\n";
    EXPECT_EQ(readOnly, RunConsoleCommand(RemovalCommand("0", 6, "Gallery2")));
    EXPECT_EQ(readOnly, RunConsoleCommand(RemovalCommand("0", 6, "Gallery2")));
    EXPECT_EQ("", RunConsoleCommand(RemovalCommand("0", 6, "Gallery2")));  // on stderr, but nothing to say
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ("rm: /system/priv-app/Shell: Device or resource busy\r\n",
                  RunConsoleCommand(RemovalCommand("0", 28, "Shell")));
    }
    EXPECT_TRUE(AppFolderExists(0, 28));
}

TEST_F(ConsoleTool, StopsAnInstanceAndCutsAtAZeroByte) {
    WriteFaults("stop-after 0 1\nzero\nlong-listing 2\n");
    EXPECT_EQ("0,主力机,1312,1314,1,4120,5100\r\n", RunConsoleCommand(ListingCommand()));
    Text message;
    EXPECT_EQ("0", QueryInstanceField("0", 1, 5, message));  // stopped after the first command
    WriteFaults("long-listing 2\n");
    Text listing = RunConsoleCommand(ListingCommand());
    EXPECT_NE(Text::npos, listing.find("\r\n1001,extra1,0,0,0,-1,-1\r\n"));
}

TEST_F(ConsoleTool, FieldQueryThroughTheRunner) {
    Text message = "kept";
    EXPECT_EQ("备用机", QueryInstanceField("3", 1, 2, message));
    EXPECT_EQ("0", QueryInstanceField("1", 1, 5, message));
    EXPECT_EQ("kept", message);
    EXPECT_EQ("", QueryInstanceField("2", 1, 2, message));
    EXPECT_EQ("取模拟器信息失败，请检查参数是否正确。", message);
    EXPECT_EQ(3u, ToolLog().size());
}
