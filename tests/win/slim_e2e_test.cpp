// "全选" and "开始精简" in the real window over the demo emulator folder.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/window_access.h"
#include "emulator/commands.h"
#include "window_with_emulator_fixture_win.h"

namespace {

void SelectRow(int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(超级列表框1, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The removal command of box k for instance 0, as the tool logs it.
Text Logged(const Text& index, int k) {
    return RemovalCommand(index, k, AppEntryOf(k).caption).substr(Text("lsconsole.exe ").size());
}

struct SlimInWindow : WindowWithEmulator {
    void SetUp() override {
        WindowWithEmulator::SetUp();
        Click(刷新信息按钮);
        DeleteFileA((root + "\\lsconsole.log").c_str());
    }
};

void CALLBACK CloseWindowSoon(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
}

}  // namespace

TEST_F(SlimInWindow, RemovesExactlyTheTickedAppsAndReboots) {
    Text absent = root + "\\vms\\lsvm0\\system\\app\\BookmarkProvider";
    ASSERT_TRUE(DeleteFileA((absent + "\\BookmarkProvider.apk").c_str()));  // already absent before the run
    ASSERT_TRUE(RemoveDirectoryA(absent.c_str()));
    WriteFaults("fail KeyChain 1 rm: /system/app/KeyChain: Device or resource busy\n");
    for (int k : {2, 6, 7}) Click(选择框[k]);
    SelectRow(0);
    Click(开始精简按钮);

    EXPECT_EQ((TextArray{Logged("0", 2), Logged("0", 6), Logged("0", 6), Logged("0", 7), Logged("0", 7), Logged("0", 7),
                         "reboot --index 0"}),
              ToolLog());
    for (int k = 1; k <= AppCount; ++k) EXPECT_EQ(k != 2 && k != 6 && k != 7, AppFolderExists(0, k)) << k;
    EXPECT_EQ("开始精简模拟器 【主力机 】\r\n"
              "正在精简应用 BookmarkProvider\r\n"
              "正在精简应用 Gallery2\r\n"
              "rm: /system/app/KeyChain: Device or resource busy\r\n"
              "正在精简应用 KeyChain\r\n"
              "选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【主力机】",
              LogText());
    EXPECT_TRUE(IsWindowEnabled(开始精简按钮));
    for (int k = 1; k <= AppCount; ++k) EXPECT_TRUE(AppFolderExists(3, k));  // other instances untouched
}

TEST_F(SlimInWindow, SelectAllThenSlimRemovesAllApps) {
    Click(全选按钮);
    for (int k = 1; k <= AppCount; ++k) ASSERT_TRUE(AppIsTicked(k));
    SelectRow(2);  // instance 3
    Click(开始精简按钮);
    for (int k = 1; k <= AppCount; ++k) EXPECT_FALSE(AppFolderExists(3, k)) << k;
    for (int k = 1; k <= AppCount; ++k) EXPECT_TRUE(AppFolderExists(0, k)) << k;
    TextArray log = ToolLog();
    ASSERT_EQ(2u * AppCount + 1, log.size());
    EXPECT_EQ(Logged("3", 1), log[0]);
    EXPECT_EQ(Logged("3", 33), log[2 * AppCount - 1]);
    EXPECT_EQ("reboot --index 3", log.back());
}

TEST_F(SlimInWindow, WarnsAndSendsNothingForAStoppedInstanceOrNoSelection) {
    Click(全选按钮);
    Text warning;
    AnswerNextWarning(&warning);
    Click(开始精简按钮);
    EXPECT_EQ("请先选择模拟器", warning);
    SelectRow(1);
    AnswerNextWarning(&warning);
    Click(开始精简按钮);
    EXPECT_EQ("当前选择模拟器未运行，请先运行该模拟器", warning);
    EXPECT_TRUE(ToolLog().empty());
    EXPECT_EQ("", LogText());
}

TEST_F(SlimInWindow, ClosingTheWindowDuringASlowRunSendsNothingMore) {
    WriteFaults("delay 300\n");
    Click(全选按钮);
    SelectRow(0);
    SetTimer(nullptr, 0, 1000, CloseWindowSoon);
    DWORD start = GetTickCount();
    Click(开始精简按钮);
    EXPECT_LT(GetTickCount() - start, 2500u);
    EXPECT_TRUE(MainWindowGone());
    Sleep(1500);  // the command in progress may finish
    TextArray log = ToolLog();
    EXPECT_LT(log.size(), 6u);
    for (const Text& line : log) EXPECT_EQ(Text::npos, line.find("reboot"));
}
