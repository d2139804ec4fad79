// The removal run against an in-memory window and scripted console replies.
#include <gtest/gtest.h>

#include <map>

#include "emulator/commands.h"
#include "fake_console.h"
#include "fake_window.h"
#include "removal/reply_rules.h"
#include "removal/select_all_apps.h"
#include "removal/slim_selected_instance.h"

TEST(ReplyRules, ReadTheConsolesAnswer) {
    const struct {
        const char* reply;
        ReplyVerdict verdict;
    } cases[] = {
        {"", ReplyVerdict::Empty},
        {"\r\n\r\n", ReplyVerdict::Empty},
        {" ", ReplyVerdict::Done},
        {" \r\n", ReplyVerdict::Done},
        {"  ", ReplyVerdict::Error},
        {"rm: /system/app/Gallery2: No such file or directory\r\n", ReplyVerdict::Done},
        {"RM: NO SUCH FILE OR DIRECTORY", ReplyVerdict::Done},
        {"No such file or\r\n directory", ReplyVerdict::Done},  // CR LF is removed first
        {"rm: /system/app/Gallery2: Read-only file system\r\n", ReplyVerdict::Error},
        {"error: device offline", ReplyVerdict::Error},
    };
    for (const auto& c : cases) EXPECT_EQ(c.verdict, ReadRemovalReply(c.reply).verdict) << c.reply;
    EXPECT_EQ("a b", ReadRemovalReply("a\r\n b\r\n").text);
}

namespace {

const Text kGone = "rm: x: No such file or directory\r\n";

struct Slim : ::testing::Test {
    std::map<Text, TextArray> replies;  // per command, used in turn; the last one repeats
    void SetUp() override {
        ResetWindow();
        ResetConsole();
        Window.rows = {{"0", "主力机", "模拟器运行中", "文件正常", "", ""},
                       {"1", "测试机", "模拟器未运行", "文件正常", "", ""},
                       {"", "", "模拟器运行中", "文件有误", "", ""},
                       {"1&calc", "x", "模拟器运行中", "文件有误", "", ""},
                       {"3", "备用机", "模拟器运行中", "文件有误", "", ""}};
        Window.selected = 0;
        Console.reply = [this](const Text& command) {
            auto found = replies.find(command);
            if (found == replies.end() || found->second.empty()) return kGone;
            Text next = found->second.front();
            if (found->second.size() > 1) found->second.erase(found->second.begin());
            return next;
        };
    }
    static Text Remove(int k) { return RemovalCommand("0", k, AppTable[k - 1].caption); }
};

}  // namespace

TEST_F(Slim, RemovesTickedAppsInNumberOrderAndReboots) {
    for (int k : {28, 6, 13, 1}) Window.ticked[k] = true;
    replies[Remove(6)] = {"", kGone};       // exists: deleted silently, then confirmed gone
    replies[Remove(28)] = {"", " "};
    SlimSelectedInstance();
    EXPECT_EQ((TextArray{Remove(1), Remove(6), Remove(6), Remove(13), Remove(28), Remove(28),
                         "lsconsole.exe reboot --index 0"}),
              Console.commands);
    EXPECT_EQ("开始精简模拟器 【主力机 】\r\n"
              "正在精简应用 BasicSmsReceiver\r\n"
              "正在精简应用 Gallery2\r\n"
              "正在精简应用 BlockedNumberProvider\r\n"
              "正在精简应用 Shell\r\n"
              "选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【主力机】",
              Window.log);
    EXPECT_EQ((std::vector<bool>{true, false}), Window.busyChanges);
}

TEST_F(Slim, LogsErrorRepliesAndSendsAgain) {
    Window.ticked[6] = true;
    replies[Remove(6)] = {"rm: Read-only file system\r\n", "rm: Read-only file system\r\n", "", kGone};
    SlimSelectedInstance();
    EXPECT_EQ(5u, Console.commands.size());
    EXPECT_EQ("开始精简模拟器 【主力机 】\r\n"
              "rm: Read-only file system\r\nrm: Read-only file system\r\n"
              "正在精简应用 Gallery2\r\n"
              "选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【主力机】",
              Window.log);
}

TEST_F(Slim, GivesAnAppUpAfterItsBoundAndGoesOn) {
    Window.ticked[6] = Window.ticked[7] = Window.ticked[8] = true;
    replies[Remove(6)] = {"busy\r\n"};      // never changes
    replies[Remove(7)] = {""};              // never confirms
    replies[Remove(8)] = {"", "x", "", "x", ""};  // the third empty reply comes first
    SlimSelectedInstance();
    EXPECT_EQ(5 + 3 + 5 + 1, static_cast<int>(Console.commands.size()));
    EXPECT_EQ("开始精简模拟器 【主力机 】\r\n"
              "busy\r\nbusy\r\nbusy\r\nbusy\r\nbusy\r\n精简应用 Gallery2 失败，已跳过\r\n"
              "精简应用 KeyChain 失败，已跳过\r\n"
              "x\r\nx\r\n精简应用 LSAppStore 失败，已跳过\r\n"
              "选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【主力机】",
              Window.log);
}

TEST_F(Slim, NothingTickedStillLogsAndReboots) {
    SlimSelectedInstance();
    EXPECT_EQ((TextArray{"lsconsole.exe reboot --index 0"}), Console.commands);
    EXPECT_EQ("开始精简模拟器 【主力机 】\r\n选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【主力机】", Window.log);
    SlimSelectedInstance();  // a second run continues on the same line
    EXPECT_NE(Text::npos, Window.log.find("【主力机】开始精简模拟器 【主力机 】\r\n"));
}

TEST_F(Slim, ClosingLineNamesTheRebootedInstance) {
    Window.ticked[1] = true;
    Console.reply = [this](const Text&) {
        Window.selected = 4;  // the user selects another row during the run
        return kGone;
    };
    SlimSelectedInstance();
    EXPECT_EQ("lsconsole.exe reboot --index 0", Console.commands.back());
    EXPECT_NE(Text::npos, Window.log.find("正在重启模拟器 【主力机】"));
}

TEST_F(Slim, RefusesWithAWarningAndSendsNothing) {
    const struct {
        int row;
        const char* warning;
    } cases[] = {
        {-1, "请先选择模拟器"},
        {1, "当前选择模拟器未运行，请先运行该模拟器"},
        {2, "所选行不是有效的模拟器，无法精简"},
        {3, "所选行不是有效的模拟器，无法精简"},
    };
    for (const auto& c : cases) {
        ResetConsole();
        Window.warnings.clear();
        Window.selected = c.row;
        Window.ticked[1] = true;
        SlimSelectedInstance();
        EXPECT_EQ((TextArray{c.warning}), Window.warnings) << c.row;
        EXPECT_TRUE(Console.commands.empty());
        EXPECT_EQ("", Window.log);
        EXPECT_TRUE(Window.busyChanges.empty());
    }
}

TEST_F(Slim, ClosingTheWindowSendsNoFurtherCommand) {
    Window.ticked[1] = Window.ticked[2] = true;
    Console.reply = [](const Text&) {
        Window.gone = true;
        return Text();
    };
    SlimSelectedInstance();
    EXPECT_EQ(1u, Console.commands.size());
}

TEST(SelectAll, TicksEveryBoxAndUnticksNone) {
    ResetWindow();
    Window.ticked[5] = true;
    SelectAllApps();
    for (int k = 1; k <= AppCount; ++k) EXPECT_TRUE(Window.ticked[k]) << k;
}
