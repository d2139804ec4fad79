#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "app/res/resource.h"

HWND 超级列表框1;
HWND 刷新信息按钮;
HWND 全选按钮;
HWND 开始精简按钮;
HWND 状态编辑框;
HWND 分组框1;
HWND 选择框[AppCount + 1];
HWND AppTooltip;

namespace {

struct Column {
    const char* title;
    int width;
};
const Column kColumns[] = {{"索引", 50},     {"模拟器名称", 100}, {"运行状态", 100},
                           {"文件系统状态", 100}, {"模拟品牌", 100},   {"模拟型号", 100}};

HWND CreateControl(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style, int left,
                   int top, int width, int height, int id) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    InstallEscapeClose(control);
    return control;
}

void CreateInstanceList(HWND window) {
    // No LVS_SHOWSELALWAYS: the selection is not highlighted while the list lacks the focus.
    超级列表框1 = CreateControl(window, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, 10, 10, 575, 180, IDL_INSTANCES);
    SendMessageA(超级列表框1, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    SendMessageA(超级列表框1, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    SendMessageA(超级列表框1, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(超级列表框1, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    for (int i = 0; i < 6; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = kColumns[i].width;
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.iSubItem = i;
        SendMessageA(超级列表框1, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void CreateAppBoxes() {
    for (const AppEntry& app : AppTable) {
        选择框[app.number] = CreateControl(分组框1, 0, "BUTTON", app.caption,
                                           WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER, app.left, app.top,
                                           AppBoxWidth, AppBoxHeight, IDX_APP_BASE + app.number);
    }
}

// Each box tells what its app is and what removing it risks. The tool is the box's
// client area: Wine shows no tip for a tool given as a window handle here.
void CreateAppTooltips(HWND window) {
    AppTooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr,
                                 nullptr);
    SendMessageA(AppTooltip, TTM_SETMAXTIPWIDTH, 0, 320);  // lets the text break at its CR LF
    for (const AppEntry& app : AppTable) {
        Text text = AppTooltipText(app.number);
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = 选择框[app.number];
        tool.uId = static_cast<UINT_PTR>(app.number);
        GetClientRect(tool.hwnd, &tool.rect);
        tool.lpszText = &text[0];
        SendMessageA(AppTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace

void CreateMainWindowControls(HWND window) {
    CreateInstanceList(window);
    刷新信息按钮 = CreateControl(window, 0, "BUTTON", "刷新信息", WS_TABSTOP | BS_PUSHBUTTON, 10, 200, 80, 24,
                                 IDB_REFRESH);
    全选按钮 = CreateControl(window, 0, "BUTTON", "全选", WS_TABSTOP | BS_PUSHBUTTON, 115, 200, 80, 24, IDB_SELECT_ALL);
    开始精简按钮 = CreateControl(window, 0, "BUTTON", "开始精简", WS_TABSTOP | BS_PUSHBUTTON, 220, 200, 80, 24, IDB_SLIM);
    // Long lines wrap: a vertical scroll bar only, no ES_AUTOHSCROLL.
    状态编辑框 = CreateControl(window, WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 320, 200,
                               265, 285, IDE_LOG);
    SendMessageA(状态编辑框, EM_SETLIMITTEXT, 0, 0);  // 0 lifts the default limit of 32K
    分组框1 = CreateControl(window, 0, "BUTTON", "", BS_GROUPBOX, 3, 225, 319, 266, IDG_APPS);
    CreateAppBoxes();
    CreateAppTooltips(window);
}
