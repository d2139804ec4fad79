#include "app/program_folder.h"

namespace {
Text programFolder;
}

Text FolderOfPath(const Text& path) {
    int backslash = FindLastBackslash(path);
    return backslash < 0 ? Text() : Left(path, backslash - 1);
}

void RememberProgramFolder(const Text& executablePath) { programFolder = FolderOfPath(executablePath); }

Text ProgramFolder() { return programFolder; }
