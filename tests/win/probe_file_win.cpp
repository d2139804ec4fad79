// Test build of the program: each event is appended, with the current
// directory, to the file that MERROWIN_PROBE names.
#include <windows.h>

#include <cstdio>

#include "app/probe.h"

void ProbeEvent(const char* event) {
    char path[MAX_PATH] = {}, directory[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("MERROWIN_PROBE", path, MAX_PATH)) return;
    GetCurrentDirectoryA(MAX_PATH, directory);
    if (FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s\t%s\n", event, directory);
        std::fclose(file);
    }
}
