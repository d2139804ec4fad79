// The window's frame and controls as they are built.
#include <windows.h>
#include <commctrl.h>

#include "app/res/resource.h"
#include "app/window_access.h"
#include "app/window_text_win.h"
#include "main_window_fixture_win.h"

namespace {

RECT RectInParent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectPlace(HWND control, int left, int top, int width, int height) {
    RECT r = RectInParent(control);
    EXPECT_EQ(left, r.left);
    EXPECT_EQ(top, r.top);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
}

}  // namespace

using WindowLayout = MainWindowFixture;

TEST_F(WindowLayout, FrameIsCentredFixedAndCaptioned) {
    RECT r;
    GetWindowRect(MainWindow, &r);
    EXPECT_EQ(600, r.right - r.left);
    EXPECT_EQ(522, r.bottom - r.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 600) / 2, r.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 522) / 2, r.top);
    LONG style = GetWindowLongA(MainWindow, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(MainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Text("Merrowin By\xA3\xBA" "Dastrel Oktavyn"), WindowText(MainWindow));
    EXPECT_TRUE(SendMessageA(MainWindow, WM_GETICON, ICON_BIG, 0) || GetClassLongPtrA(MainWindow, GCLP_HICON));
    EXPECT_TRUE(GetClassLongPtrA(MainWindow, GCLP_HICONSM));
}

TEST_F(WindowLayout, ControlsHaveTheirPlacesTextsAndStyles) {
    struct {
        HWND control;
        int left, top, width, height;
        const char* text;
    } controls[] = {
        {超级列表框1, 10, 10, 575, 180, ""},
        {刷新信息按钮, 10, 200, 80, 24, "刷新信息"},
        {全选按钮, 115, 200, 80, 24, "全选"},
        {开始精简按钮, 220, 200, 80, 24, "开始精简"},
        {状态编辑框, 320, 200, 265, 285, ""},
        {分组框1, 3, 225, 319, 266, ""},
    };
    HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    for (const auto& c : controls) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MainWindow, GetParent(c.control));
        ExpectPlace(c.control, c.left, c.top, c.width, c.height);
        EXPECT_EQ(Text(c.text), WindowText(c.control));
        EXPECT_EQ(guiFont, reinterpret_cast<HGDIOBJ>(SendMessageA(c.control, WM_GETFONT, 0, 0)));
    }
    for (HWND button : {刷新信息按钮, 全选按钮, 开始精简按钮}) {
        EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
    }
    LONG editStyle = GetWindowLongA(状态编辑框, GWL_STYLE);
    EXPECT_TRUE(editStyle & ES_MULTILINE);
    EXPECT_TRUE(editStyle & WS_VSCROLL);
    EXPECT_FALSE(editStyle & WS_HSCROLL);
    EXPECT_FALSE(editStyle & ES_AUTOHSCROLL);
    EXPECT_FALSE(editStyle & ES_READONLY);
    EXPECT_TRUE(GetWindowLongA(状态编辑框, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_GT(SendMessageA(状态编辑框, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFF0);
    EXPECT_EQ(BS_GROUPBOX, GetWindowLongA(分组框1, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_FALSE(GetWindowLongA(分组框1, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(WindowLayout, AppBoxesFollowTheAppTable) {
    for (const AppEntry& app : AppTable) {
        SCOPED_TRACE(app.caption);
        HWND box = 选择框[app.number];
        EXPECT_EQ(分组框1, GetParent(box));
        EXPECT_EQ(Text(app.caption), WindowText(box));
        ExpectPlace(box, app.left, app.top, AppBoxWidth, AppBoxHeight);
        LONG style = GetWindowLongA(box, GWL_STYLE);
        EXPECT_EQ(BS_AUTOCHECKBOX, style & BS_TYPEMASK);
        EXPECT_EQ(BS_VCENTER, style & BS_VCENTER);
        EXPECT_FALSE(style & BS_RIGHT);
        EXPECT_FALSE(AppIsTicked(app.number));
    }
    EXPECT_EQ(5, AppTable[16].left);
    EXPECT_EQ(157, AppTable[17].left);
}

TEST_F(WindowLayout, ListHasSixColumnsAndReportStyle) {
    const struct {
        const char* title;
        int width;
    } columns[] = {{"索引", 50},     {"模拟器名称", 100}, {"运行状态", 100},
                   {"文件系统状态", 100}, {"模拟品牌", 100},   {"模拟型号", 100}};
    for (int i = 0; i < 6; ++i) {
        char title[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = title;
        column.cchTextMax = sizeof title;
        ASSERT_TRUE(SendMessageA(超级列表框1, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_EQ(Text(columns[i].title), Text(title));
        EXPECT_EQ(columns[i].width, column.cx);
        EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK);
    }
    LVCOLUMNA extra = {};
    extra.mask = LVCF_WIDTH;
    EXPECT_FALSE(SendMessageA(超级列表框1, LVM_GETCOLUMNA, 6, reinterpret_cast<LPARAM>(&extra)));
    LONG style = GetWindowLongA(超级列表框1, GWL_STYLE);
    EXPECT_EQ(LVS_REPORT, style & LVS_TYPEMASK);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOCOLUMNHEADER));
    EXPECT_TRUE(GetWindowLongA(超级列表框1, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    LRESULT ex = SendMessageA(超级列表框1, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, ex & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_EQ(RGB(0, 0, 0), static_cast<COLORREF>(SendMessageA(超级列表框1, LVM_GETTEXTCOLOR, 0, 0)));
    EXPECT_EQ(RGB(255, 255, 255), static_cast<COLORREF>(SendMessageA(超级列表框1, LVM_GETBKCOLOR, 0, 0)));
    EXPECT_EQ(-1, ListSelectedRow());
}

TEST_F(WindowLayout, EveryAppBoxHasATooltipNamingItsRisk) {
    const char* classes[] = {"可以删除", "谨慎删除：相关功能会失效", "不建议删除：会破坏系统核心功能"};
    for (const AppEntry& app : AppTable) {
        SCOPED_TRACE(app.caption);
        char text[512] = {};
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = 选择框[app.number];
        tool.uId = static_cast<UINT_PTR>(app.number);
        tool.lpszText = text;
        SendMessageA(AppTooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        Text tip = text;
        EXPECT_EQ(Text(app.description) + "\r\n" + classes[static_cast<int>(app.risk)], tip);
        EXPECT_GT(Text(app.description).size(), 4u);
    }
    EXPECT_EQ(AppCount, static_cast<int>(SendMessageA(AppTooltip, TTM_GETTOOLCOUNT, 0, 0)));
    for (const char* core : {"Shell", "Telecom", "MediaProvider", "DocumentsUI", "ExternalStorageProvider"}) {
        bool found = false;
        for (const AppEntry& app : AppTable) {
            if (Text(app.caption) == core) found = app.risk == AppRisk::BreaksCore;
        }
        EXPECT_TRUE(found) << core;
    }
}
