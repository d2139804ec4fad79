// The one window and its controls. Control names follow the window's design;
// 选择框[k] is check box 选择框k (k from 1 to 33, element 0 unused).
#pragma once
#include <windows.h>

#include "app/app_table.h"

extern HWND MainWindow;
extern HWND 超级列表框1;
extern HWND 刷新信息按钮;
extern HWND 全选按钮;
extern HWND 开始精简按钮;
extern HWND 状态编辑框;
extern HWND 分组框1;
extern HWND 选择框[AppCount + 1];
extern HWND AppTooltip;  // tooltips of the 33 boxes

// Builds the window and all its controls, hidden.
HWND CreateMainWindow(HINSTANCE instance);
// Builds the controls inside the main window.
void CreateMainWindowControls(HWND window);
// Makes Esc in the control close the main window.
void InstallEscapeClose(HWND control);
