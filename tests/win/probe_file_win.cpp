// Test build of the program: each event is appended, with the current
// directory, to the file that MERROWIN_PROBE names. When the window closes,
// the list's rows and the log's text are appended as well.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/probe.h"
#include "app/main_window_win.h"
#include "app/window_access.h"

namespace {

Text WindowLogText() {
    Text text(static_cast<size_t>(GetWindowTextLengthA(状态编辑框)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(状态编辑框, &text[0], static_cast<int>(text.size()))));
    return text;
}

void DumpWindow(FILE* file) {
    for (int row = 0; !ListGetText(row, 0).empty() || !ListGetText(row, 2).empty(); ++row) {
        std::fprintf(file, "row");
        for (int column = 0; column < 6; ++column) std::fprintf(file, "\t%s", ListGetText(row, column).c_str());
        std::fprintf(file, "\n");
    }
    Text log;
    for (char c : WindowLogText()) log += c == '\r' ? "\\r" : c == '\n' ? "\\n" : Text(1, c);
    std::fprintf(file, "log\t%s\n", log.c_str());
}

}  // namespace

void ProbeEvent(const char* event) {
    char path[MAX_PATH] = {}, directory[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("MERROWIN_PROBE", path, MAX_PATH)) return;
    GetCurrentDirectoryA(MAX_PATH, directory);
    if (FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s\t%s\n", event, directory);
        if (std::strcmp(event, "main window closing") == 0) DumpWindow(file);
        std::fclose(file);
    }
}
