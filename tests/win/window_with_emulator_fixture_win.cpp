#include "window_with_emulator_fixture_win.h"

#include <commctrl.h>

#include "app/window_access.h"
#include "app/window_text_win.h"
#include "console/runner_win.h"
#include "input_win.h"

namespace {

Text* warningText;

void CALLBACK CloseWarning(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "警告：");
    if (!box) return;
    KillTimer(nullptr, id);
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message box's text control
    if (warningText) *warningText = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

void WindowWithEmulator::SetUp() {
    EmulatorFolderFixture::SetUp();
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
    StopRunnerWhenWindowGone(MainWindow);
    ShowWindow(MainWindow, SW_SHOW);
    SetForegroundWindow(MainWindow);
    PumpFor(100);
}

void WindowWithEmulator::TearDown() {
    if (MainWindow) DestroyWindow(MainWindow);
    StopRunnerWhenWindowGone(nullptr);
    PumpFor(20);
    EmulatorFolderFixture::TearDown();
}

void WindowWithEmulator::Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

std::array<Text, 6> WindowWithEmulator::Row(int row) {
    std::array<Text, 6> cells;
    for (int c = 0; c < 6; ++c) cells[static_cast<size_t>(c)] = ListGetText(row, c);
    return cells;
}

int WindowWithEmulator::RowCount() {
    return MainWindowGone() ? 0 : static_cast<int>(SendMessageA(超级列表框1, LVM_GETITEMCOUNT, 0, 0));
}

Text WindowWithEmulator::LogText() { return WindowText(状态编辑框); }

void WindowWithEmulator::AnswerNextWarning(Text* text) {
    warningText = text;
    SetTimer(nullptr, 0, 100, CloseWarning);
}
