#include "test_folders_win.h"

#include <windows.h>

Text TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    Text p = path;
    return p.substr(0, p.rfind('\\'));
}

Text TempFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    Text folder = temp;
    return folder.substr(0, folder.size() - 1);
}
