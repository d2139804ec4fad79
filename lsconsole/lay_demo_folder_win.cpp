// lay_demo_folder DEST: lays the demo emulator folder at DEST, with the stand-in
// console tool that lies beside this program.
#include <windows.h>

#include <cstdio>

#include "app/program_folder.h"
#include "lsconsole/demo_folder_win.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lay_demo_folder DEST\n");
        return 2;
    }
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (!LayEmulatorFolder(argv[1], DemoInstances(), FolderOfPath(self))) {
        std::fprintf(stderr, "lay_demo_folder: could not lay %s\n", argv[1]);
        return 1;
    }
    return 0;
}
