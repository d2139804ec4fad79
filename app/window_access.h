// What the click handlers may do to the window. The Windows build drives the
// real controls; the native tests use an in-memory window with the same verbs.
// Every verb does nothing (or gives the empty answer) once the window is gone.
#pragma once
#include "text/text.h"

// Disables (true) or enables the three buttons and the app group box.
void SetBusy(bool flag);
// Appends at the very end of the log, whatever the caret; adds no line end.
void LogAppend(const Text& text);

// The first selected row counting from 0, or -1.
int ListSelectedRow();
// The empty text for a row or column that does not exist.
Text ListGetText(int row, int column);
void ListRemoveAllRows();
// Inserts at the end and returns the new row's number.
int ListInsertRow(const Text& column0);
void ListSetText(int row, int column, const Text& text);

// Check box k, 1 to 33.
bool AppIsTicked(int k);
Text AppCaption(int k);
void AppTick(int k);

// A task-modal warning box without owner, titled "警告：".
void ShowWarning(const Text& message);

// True once the main window has been destroyed: a handler that was waiting for
// a console command must then end without touching anything.
bool MainWindowGone();
