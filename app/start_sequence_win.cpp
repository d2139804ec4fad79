#include "app/start_sequence_win.h"

#include <commctrl.h>

#include <cstdlib>

#include "app/globals.h"
#include "app/main_window_win.h"
#include "app/program_folder.h"
#include "app/startup_notice_win.h"
#include "console/runner_win.h"

namespace {

void EnterProgramFolder() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    RememberProgramFolder(path);
    SetCurrentDirectoryA(ProgramFolder().c_str());
}

void InitWindowToolkit() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int RunStartSequence(HINSTANCE instance) {
    EnterProgramFolder();
    InitWindowToolkit();
    ListingLines.clear();
    std::atexit(ReleaseGlobals);
    if (!CreateMainWindow(instance)) return 0;
    StopRunnerWhenWindowGone(MainWindow);
    if (OnMainWindowCreated() && IsWindow(MainWindow)) {
        if (!IsWindowVisible(MainWindow)) ShowWindow(MainWindow, SW_SHOW);
        SetForegroundWindow(MainWindow);
        SetFocus(MainWindow);
    }
    RunMessageLoop();
    return 0;
}
