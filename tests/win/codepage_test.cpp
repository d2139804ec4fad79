#include <windows.h>

#include <gtest/gtest.h>

#include "text/text.h"

TEST(CodePage, AnsiCodePageIs936) { EXPECT_EQ(936u, GetACP()); }

TEST(CodePage, LiteralsAreGbkBytes) {
    // "警告：" in code page 936.
    EXPECT_EQ(Text("\xBE\xAF\xB8\xE6\xA3\xBA"), Text("警告："));
}
