#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "app/window_access.h"
#include "app/window_text_win.h"

namespace {
constexpr int kColumnCount = 6;

bool IsAppNumber(int k) { return k >= 1 && k <= AppCount; }
}  // namespace

bool MainWindowGone() { return MainWindow == nullptr || !IsWindow(MainWindow); }

void SetBusy(bool flag) {
    if (MainWindowGone()) return;
    for (HWND control : {刷新信息按钮, 全选按钮, 开始精简按钮, 分组框1}) EnableWindow(control, !flag);
}

void LogAppend(const Text& text) {
    if (MainWindowGone()) return;
    // Positions past the end are clamped to it, so this puts the caret after the last character.
    SendMessageA(状态编辑框, EM_SETSEL, 0x7FFFFFFE, 0x7FFFFFFE);
    SendMessageA(状态编辑框, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(状态编辑框, EM_SCROLLCARET, 0, 0);
}

int ListSelectedRow() {
    if (MainWindowGone()) return -1;
    return static_cast<int>(SendMessageA(超级列表框1, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

Text ListGetText(int row, int column) {
    if (MainWindowGone() || row < 0 || column < 0 || column >= kColumnCount) return Text();
    if (row >= static_cast<int>(SendMessageA(超级列表框1, LVM_GETITEMCOUNT, 0, 0))) return Text();
    // The list gives no length: grow the buffer until the text fits with room to spare.
    for (size_t size = 256;; size *= 4) {
        Text buffer(size, '\0');
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = &buffer[0];
        item.cchTextMax = static_cast<int>(size);
        size_t length = static_cast<size_t>(SendMessageA(超级列表框1, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size) return buffer.substr(0, length);
    }
}

void ListRemoveAllRows() {
    if (!MainWindowGone()) SendMessageA(超级列表框1, LVM_DELETEALLITEMS, 0, 0);
}

int ListInsertRow(const Text& column0) {
    if (MainWindowGone()) return -1;
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(超级列表框1, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(column0.c_str());
    return static_cast<int>(SendMessageA(超级列表框1, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListSetText(int row, int column, const Text& text) {
    if (MainWindowGone()) return;
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(超级列表框1, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

bool AppIsTicked(int k) {
    if (MainWindowGone() || !IsAppNumber(k)) return false;
    return SendMessageA(选择框[k], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Text AppCaption(int k) {
    if (MainWindowGone() || !IsAppNumber(k)) return Text();
    return WindowText(选择框[k]);
}

void AppTick(int k) {
    if (!MainWindowGone() && IsAppNumber(k)) SendMessageA(选择框[k], BM_SETCHECK, BST_CHECKED, 0);
}

void ShowWarning(const Text& message) {
    MessageBoxA(nullptr, message.c_str(), "警告：", MB_ICONEXCLAMATION | MB_TASKMODAL);
}
