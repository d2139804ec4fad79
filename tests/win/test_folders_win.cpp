#include "test_folders_win.h"

#include <windows.h>

#include "app/program_folder.h"

Text TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOfPath(path);
}

Text TempFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    Text folder = temp;
    return folder.substr(0, folder.size() - 1);
}
