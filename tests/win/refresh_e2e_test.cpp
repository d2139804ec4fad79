// "刷新信息" clicked in the real window over the demo emulator folder.
#include <gtest/gtest.h>

#include "app/window_access.h"
#include "window_with_emulator_fixture_win.h"

using RefreshInWindow = WindowWithEmulator;

namespace {
using Cells = std::array<Text, 6>;
const Cells kDemoRows[] = {
    {"0", "主力机", "模拟器运行中", "文件正常", "samsung", "SM-G9810"},
    {"1", "测试机", "模拟器未运行", "文件正常", "HUAWEI", "ELS-AN00"},
    {"3", "备用机", "模拟器运行中", "文件有误", "Xiaomi", "M2007J1SC"},
    {"4", "小号", "模拟器运行中", "文件正常", "OPPO", ""},
};
}  // namespace

TEST_F(RefreshInWindow, ShowsEveryInstanceCellByCellAndAgainOnASecondClick) {
    for (int round = 0; round < 2; ++round) {
        Click(刷新信息按钮);
        ASSERT_EQ(4, RowCount());
        for (int r = 0; r < 4; ++r) EXPECT_EQ(kDemoRows[r], Row(r)) << "round " << round << " row " << r;
    }
    TextArray log = ToolLog();
    EXPECT_EQ(2u * (1 + 2 * 4), log.size());
    for (const Text& line : log) EXPECT_EQ("list2", line);
    EXPECT_TRUE(IsWindowEnabled(刷新信息按钮));
    EXPECT_TRUE(IsWindowEnabled(分组框1));
}

TEST_F(RefreshInWindow, AnErrorLineAtTheEndGivesAnEmptyRunningRow) {
    WriteFaults("trailer 'adb' server is out of date\n");
    Click(刷新信息按钮);
    ASSERT_EQ(5, RowCount());
    for (int r = 0; r < 4; ++r) EXPECT_EQ(kDemoRows[r], Row(r));
    EXPECT_EQ((Cells{"", "", "模拟器运行中", "文件有误", "", ""}), Row(4));
}

TEST_F(RefreshInWindow, WithoutTheToolWarnsAndRunsNothing) {
    Click(刷新信息按钮);
    ASSERT_EQ(4, RowCount());
    DeleteFileA((root + "\\lsconsole.exe").c_str());
    DeleteFileA((root + "\\lsconsole.log").c_str());
    Text warning;
    AnswerNextWarning(&warning);
    Click(刷新信息按钮);
    EXPECT_EQ("未找到 lsconsole.exe，请将本工具复制到模拟器安装目录后运行", warning);
    EXPECT_EQ(0, RowCount());
    EXPECT_TRUE(ToolLog().empty());
    EXPECT_TRUE(IsWindowEnabled(刷新信息按钮));
}

namespace {
void CALLBACK CloseWindowSoon(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
}
}  // namespace

TEST_F(RefreshInWindow, ClosingTheWindowMidwayRunsNoFurtherCommand) {
    WriteFaults("delay 400\n");
    SetTimer(nullptr, 0, 600, CloseWindowSoon);  // during the first name lookup
    Click(刷新信息按钮);
    EXPECT_TRUE(MainWindowGone());
    Sleep(2000);  // the command in progress is left to finish; no further one may follow
    EXPECT_LE(ToolLog().size(), 2u);
}
