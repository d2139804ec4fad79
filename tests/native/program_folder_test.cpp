#include "app/program_folder.h"

#include <gtest/gtest.h>

TEST(ProgramFolder, CutsAtTheLastRealBackslash) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\Emu\\merrowin.exe", "C:\\Emu"},
        {"C:\\merrowin.exe", "C:"},                      // drive root: no backslash left
        {"C:\\\xD5\x5C\\merrowin.exe", "C:\\\xD5\x5C"},  // a pair ending in 0x5C stays whole
        {"C:\\a\\\xD5\x5Cmerrowin.exe", "C:\\a"},
        {"merrowin.exe", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.folder), FolderOfPath(c.path)) << c.path;
}

TEST(ProgramFolder, IsRememberedOnce) {
    RememberProgramFolder("D:\\x\\y.exe");
    EXPECT_EQ("D:\\x", ProgramFolder());
}
