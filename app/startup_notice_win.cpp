#include "app/startup_notice_win.h"

#include <windows.h>

#include "app/globals.h"
#include "app/main_window_win.h"
#include "app/probe.h"
#include "app/program_folder.h"
#include "app/res/resource.h"
#include "app/window_text_win.h"

const char AccessCode[] = "36tk";

namespace {

Text enteredCode;

void OnNoticeInit(HWND dialog) {
    SetWindowTextA(dialog, "提示：");
    SetDlgItemTextA(dialog, IDS_NOTICE_PROMPT,
                    "本工具发布于Dastrel论坛，如您通过其他网站下载，请在使用前查杀病毒\r\n"
                    "运行密码为【36tk】,在下方输入即可使用");
    SetDlgItemTextA(dialog, IDOK, "确定");
    SetDlgItemTextA(dialog, IDCANCEL, "取消");
    HWND input = GetDlgItem(dialog, IDE_NOTICE_INPUT);
    SetWindowTextA(input, "请在此处输入密码");
    SetFocus(input);
    SendMessageA(input, EM_SETSEL, 0, -1);  // the first keystroke replaces the hint
}

void OnNoticeConfirm(HWND dialog) {
    enteredCode = WindowText(GetDlgItem(dialog, IDE_NOTICE_INPUT));
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK NoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnNoticeInit(dialog);
        ProbeEvent("notice shown");
        return FALSE;  // the focus is set already
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnNoticeConfirm(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);  // also the close box and Esc
        return TRUE;
    }
    return FALSE;
}

}  // namespace

Text AskAccessCode() {
    enteredCode.clear();
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NOTICE), nullptr, NoticeProc, 0);
    return result == IDOK ? enteredCode : Text();
}

bool OnMainWindowCreated() {
    if (!Equal(AskAccessCode(), AccessCode)) {
        // The message loop carries this out; the window is never shown.
        PostMessageA(MainWindow, WM_CLOSE, 0, 0);
        return false;
    }
    ShowWindow(MainWindow, SW_SHOW);
    RunDirectory = ProgramFolder() + "\\";
    SetCurrentDirectoryA(RunDirectory.c_str());
    ProbeEvent("accepted");
    return true;
}
