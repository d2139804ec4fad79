// The real main window in the test's process, working in a fresh simulated
// emulator folder through the real runner, cmd.exe and the stand-in tool.
#pragma once
#include <windows.h>

#include <array>

#include "app/main_window_win.h"
#include "emulator_folder_fixture_win.h"

struct WindowWithEmulator : EmulatorFolderFixture {
    void SetUp() override;
    void TearDown() override;
    // A real click, through the button's own message handling, that returns when the handler has.
    static void Click(HWND button);
    static std::array<Text, 6> Row(int row);
    static int RowCount();
    static Text LogText();
    // Closes the next warning box shortly after it opens; returns its text through `text`.
    static void AnswerNextWarning(Text* text);
};
