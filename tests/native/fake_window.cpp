#include "fake_window.h"

#include "app/window_access.h"

FakeWindow Window;

void ResetWindow() {
    Window = FakeWindow();
    for (const AppEntry& app : AppTable) Window.captions[app.number] = app.caption;
}

void SetBusy(bool flag) {
    if (Window.gone) return;
    Window.busy = flag;
    Window.busyChanges.push_back(flag);
}

void LogAppend(const Text& text) {
    if (!Window.gone) Window.log += text;
}

int ListSelectedRow() { return Window.gone ? -1 : Window.selected; }

Text ListGetText(int row, int column) {
    if (Window.gone || row < 0 || row >= static_cast<int>(Window.rows.size()) || column < 0 || column >= 6) return Text();
    return Window.rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void ListRemoveAllRows() {
    if (Window.gone) return;
    Window.rows.clear();
    Window.selected = -1;
}

int ListInsertRow(const Text& column0) {
    if (Window.gone) return -1;
    Window.rows.push_back({column0, "", "", "", "", ""});
    return static_cast<int>(Window.rows.size()) - 1;
}

void ListSetText(int row, int column, const Text& text) {
    if (Window.gone || row < 0 || row >= static_cast<int>(Window.rows.size()) || column < 0 || column >= 6) return;
    Window.rows[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
}

bool AppIsTicked(int k) { return !Window.gone && k >= 1 && k <= AppCount && Window.ticked[static_cast<size_t>(k)]; }

Text AppCaption(int k) {
    return (Window.gone || k < 1 || k > AppCount) ? Text() : Window.captions[static_cast<size_t>(k)];
}

void AppTick(int k) {
    if (!Window.gone && k >= 1 && k <= AppCount) Window.ticked[static_cast<size_t>(k)] = true;
}

void ShowWarning(const Text& message) { Window.warnings.push_back(message); }

bool MainWindowGone() { return Window.gone; }
