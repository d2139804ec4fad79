// The busy state, the log and the list, driven by real pointer and key input.
#include <windows.h>
#include <commctrl.h>

#include "app/res/resource.h"
#include "app/window_access.h"
#include "app/window_text_win.h"
#include "main_window_fixture_win.h"

namespace {

int selectAllClicks = 0;

// Counts the select-all button's clicks as they reach the main window.
LRESULT CALLBACK CountClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDB_SELECT_ALL && HIWORD(wParam) == BN_CLICKED) ++selectAllClicks;
    return DefSubclassProc(window, message, wParam, lParam);
}

Text LogText() { return WindowText(状态编辑框); }

RECT ListRowRect(int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageA(超级列表框1, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
}

void ClickRow(int row) {
    RECT r = ListRowRect(row);
    ClickInside(超级列表框1, 20, (r.top + r.bottom) / 2);
}

// Clicks on the caption text of box k, clear of the neighbouring column.
void ClickAppCaption(int k) { ClickInside(选择框[k], 40, AppBoxHeight / 2); }

struct WindowBehaviour : MainWindowFixture {
    void SetUp() override {
        MainWindowFixture::SetUp();
        selectAllClicks = 0;
        SetWindowSubclass(MainWindow, CountClicks, 7, 0);
        ListSetText(ListInsertRow("0"), 1, "first");
        ListSetText(ListInsertRow("1"), 1, "second");
    }
};

}  // namespace

TEST_F(WindowBehaviour, BusyDisablesExactlyTheButtonsAndTheGroup) {
    SetBusy(true);
    for (HWND c : {刷新信息按钮, 全选按钮, 开始精简按钮, 分组框1}) EXPECT_FALSE(IsWindowEnabled(c));
    for (HWND c : {超级列表框1, 状态编辑框, 选择框[1], 选择框[33]}) EXPECT_TRUE(IsWindowEnabled(c));
    SetBusy(false);
    for (HWND c : {刷新信息按钮, 全选按钮, 开始精简按钮, 分组框1}) EXPECT_TRUE(IsWindowEnabled(c));
}

TEST_F(WindowBehaviour, ClicksReachButtonsAndBoxesOnlyWhenNotBusy) {
    SetBusy(true);
    ClickAppCaption(1);
    ClickAppCaption(20);
    ClickInside(全选按钮, 40, 12);
    EXPECT_EQ(0, selectAllClicks);
    for (int k = 1; k <= AppCount; ++k) EXPECT_FALSE(AppIsTicked(k)) << k;

    SetBusy(false);
    ClickAppCaption(1);
    ClickAppCaption(20);
    EXPECT_TRUE(AppIsTicked(1));
    EXPECT_TRUE(AppIsTicked(20));
    EXPECT_FALSE(AppIsTicked(2));
    ClickInside(全选按钮, 40, 12);
    EXPECT_EQ(1, selectAllClicks);
    for (int k = 1; k <= AppCount; ++k) EXPECT_TRUE(AppIsTicked(k)) << k;
}

TEST_F(WindowBehaviour, ListAndLogStayUsableWhileBusy) {
    SetBusy(true);
    ClickRow(1);
    EXPECT_EQ(1, ListSelectedRow());
    ClickRow(0);
    EXPECT_EQ(0, ListSelectedRow());
    ClickInside(状态编辑框, 50, 50);
    PressKey('X');
    EXPECT_EQ("x", LogText());
}

TEST_F(WindowBehaviour, LogAppendsAtTheEndWhateverTheCaret) {
    LogAppend("first ");
    LogAppend("line\r\n");
    LogAppend("no end");
    SendMessageA(状态编辑框, EM_SETSEL, 0, 3);  // the user selects at the start
    LogAppend(" continued");
    EXPECT_EQ("first line\r\nno end continued", LogText());
    DWORD start = 0, end = 0;
    SendMessageA(状态编辑框, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    EXPECT_EQ(static_cast<DWORD>(GetWindowTextLengthW(状态编辑框)), end);
}

TEST_F(WindowBehaviour, LogHoldsMoreThanTheDefaultLimit) {
    Text line(99, 'a');
    line += "\r\n";
    for (int i = 0; i < 400; ++i) LogAppend(line);  // 40,400 bytes, past the 32K default
    EXPECT_EQ(400 * line.size(), LogText().size());
}

TEST_F(WindowBehaviour, ListReadsAndWritesByRowAndColumn) {
    EXPECT_EQ(-1, ListSelectedRow());
    EXPECT_EQ(2, ListInsertRow("中文"));
    EXPECT_EQ("中文", ListGetText(2, 0));
    EXPECT_EQ("second", ListGetText(1, 1));
    Text longText(1000, 'z');
    ListSetText(2, 5, longText);
    EXPECT_EQ(longText, ListGetText(2, 5));
    EXPECT_EQ("", ListGetText(3, 0));
    EXPECT_EQ("", ListGetText(0, 6));
    EXPECT_EQ("", ListGetText(-1, 0));
    ListRemoveAllRows();
    EXPECT_EQ("", ListGetText(0, 0));
    EXPECT_EQ(0, ListInsertRow("again"));
}

TEST_F(WindowBehaviour, TickingAndCaptions) {
    AppTick(5);
    AppTick(5);
    EXPECT_TRUE(AppIsTicked(5));
    EXPECT_EQ("DownloadProviderUi", AppCaption(5));
    EXPECT_EQ("", AppCaption(34));
    EXPECT_FALSE(AppIsTicked(0));
}

class EscapeCloses : public MainWindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(EscapeCloses, WhicheverControlHasTheFocus) {
    HWND targets[] = {超级列表框1, 状态编辑框, 刷新信息按钮, 选择框[3], MainWindow};
    FocusWindow(targets[GetParam()]);
    PressKey(VK_ESCAPE);
    PumpFor(100);
    EXPECT_TRUE(MainWindowGone());
    EXPECT_EQ("", ListGetText(0, 0));  // the verbs are safe once the window is gone
    LogAppend("nothing");
    SetBusy(true);
}

INSTANTIATE_TEST_SUITE_P(Focus, EscapeCloses, ::testing::Range(0, 5));
