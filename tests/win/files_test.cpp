#include <windows.h>

#include <gtest/gtest.h>

#include "text/files.h"
#include "text/numbers.h"

namespace {

// A fresh folder under the temp folder with a file, a subfolder and an empty file.
struct FilesFixture : ::testing::Test {
    Text root;
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root = Text(temp) + "merrowin-files-" + IntToText(static_cast<int>(GetCurrentProcessId()));
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA((root + "\\sub").c_str(), nullptr);
        Write(root + "\\data.bin", Text("ab\0cd", 5));
        Write(root + "\\empty.txt", "");
    }
    void TearDown() override {
        DeleteFileA((root + "\\data.bin").c_str());
        DeleteFileA((root + "\\empty.txt").c_str());
        RemoveDirectoryA((root + "\\sub").c_str());
        RemoveDirectoryA(root.c_str());
    }
    static void Write(const Text& path, const Text& bytes) {
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(f);
    }
};

}  // namespace

TEST_F(FilesFixture, FileExistsSearchesTheFolder) {
    EXPECT_TRUE(FileExists(root + "\\data.bin"));
    EXPECT_TRUE(FileExists(root + "\\sub"));        // a folder counts
    EXPECT_TRUE(FileExists(root + "\\da*.b?n"));    // so does a wildcard match
    EXPECT_FALSE(FileExists(root + "\\missing.bin"));
    EXPECT_FALSE(FileExists(root + "\\sub\\"));     // a trailing backslash does not
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FilesFixture, FileExistsClosesItsSearchHandle) {
    // An open search handle would keep the folder from being removed.
    EXPECT_TRUE(FileExists(root + "\\sub"));
    EXPECT_TRUE(RemoveDirectoryA((root + "\\sub").c_str()));
}

TEST_F(FilesFixture, ReadWholeFileReadsEveryByte) {
    ByteSet bytes = ReadWholeFile(root + "\\data.bin");
    EXPECT_EQ((ByteSet{'a', 'b', 0, 'c', 'd'}), bytes);
    EXPECT_EQ("ab", BytesToText(bytes));
    EXPECT_TRUE(ReadWholeFile(root + "\\empty.txt").empty());
}

TEST_F(FilesFixture, ReadWholeFileGivesNothingOnFailure) {
    EXPECT_TRUE(ReadWholeFile(root + "\\missing.bin").empty());
    EXPECT_EQ("", BytesToText(ReadWholeFile(root + "\\missing.bin")));
    EXPECT_TRUE(ReadWholeFile(root + "\\sub").empty());
    EXPECT_TRUE(ReadWholeFile("").empty());
}

TEST_F(FilesFixture, ReadWholeFileLetsOthersReadOnly) {
    HANDLE writer = CreateFileA((root + "\\data.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    // Another writer is not allowed by the read's share mode, so the read fails.
    EXPECT_TRUE(ReadWholeFile(root + "\\data.bin").empty());
    CloseHandle(writer);
    EXPECT_FALSE(ReadWholeFile(root + "\\data.bin").empty());
}
