#include "text/text.h"

#include <gtest/gtest.h>

// "\xB0\x41" is a two-byte character whose second byte is the letter A;
// "\xB0\x2C" one whose second byte is a comma; "\xD5\x5C" one ending in a backslash.

struct FindCase {
    const char* text;
    const char* sought;
    int start;
    bool ignoreCase;
    int expected;
};

TEST(Find, FollowsTheEdgeRules) {
    const FindCase cases[] = {
        {"abcabc", "bc", 1, false, 2},
        {"abcabc", "bc", 3, false, 5},
        {"abcabc", "bc", 0, false, 2},     // start below 1 means 1
        {"abcabc", "bc", -7, false, 2},
        {"abc", "c", 3, false, 3},
        {"abc", "c", 4, false, -1},        // start beyond the last byte
        {"abc", "", 1, false, 1},          // empty sought, bytes remain
        {"abc", "", 3, false, 1},
        {"abc", "", 4, false, -1},
        {"", "", 1, false, -1},
        {"abc", "abcd", 1, false, -1},     // fewer bytes remain than sought has
        {"x,y", ",", 1, false, 2},
        {"xy", ",", 1, false, -1},
        {"PhoneMODEL", "phonemodel", 1, true, 1},
        {"PhoneMODEL", "phonemodel", 1, false, -1},
        {"\xB0\x41", "A", 1, false, -1},   // never starts on a second byte
        {"\xB0\x41" "A", "A", 1, false, 3},
        {"\xB0\x61", "A", 1, true, -1},    // nor when folding letter case
        {"\xB0\x2C", ",", 1, false, -1},
        {"\xB0\x41", "\xB0\x41", 1, false, 1},
        {"\xC4\xE3", "\xE4", 1, true, -1}, // only ASCII letters fold
        {"a\xB0", "\xB0", 1, false, 2},    // a lead byte at the end is still a candidate
        {"\xB0" "ab", "ab", 2, false, 2},  // an explicit start is taken as it is
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(c.expected, Find(c.text, c.sought, c.start, c.ignoreCase))
            << "text=" << c.text << " sought=" << c.sought << " start=" << c.start;
    }
}

TEST(Find, StartDefaultsToOne) { EXPECT_EQ(1, Find("aa", "a")); }

TEST(Cut, LeftAndMidClampAtTheEdges) {
    EXPECT_EQ("", Left("abc", 0));
    EXPECT_EQ("", Left("abc", -1));
    EXPECT_EQ("ab", Left("abc", 2));
    EXPECT_EQ("abc", Left("abc", 9));
    EXPECT_EQ("\xB0", Left("\xB0\x41", 1));  // may cut a character in half
    EXPECT_EQ("bc", Mid("abcd", 2, 2));
    EXPECT_EQ("cd", Mid("abcd", 3, 99));
    EXPECT_EQ("", Mid("abcd", 0, 2));
    EXPECT_EQ("", Mid("abcd", 5, 2));
    EXPECT_EQ("", Mid("abcd", 2, 0));
    EXPECT_EQ("", Mid("abcd", 2, -3));
    EXPECT_EQ("", Mid(Text(19, 'x'), 20, 5));
}

TEST(Cut, KeyBeforeTheFirstComma) {
    auto key = [](const Text& line) { return Left(line, Find(line, ",", 1, true) - 1); };
    EXPECT_EQ("3", key("3,name,0"));
    EXPECT_EQ("", key("no comma here"));
    EXPECT_EQ("", key(",leading"));
}

struct SplitCase {
    Text text;
    Text separator;
    TextArray expected;
};

TEST(Split, KeepsEmptyPiecesButNoEmptyLastPiece) {
    const SplitCase cases[] = {
        {"a\r\nb\r\n", "\r\n", {"a", "b"}},
        {"a\r\nb\r\n\r\n", "\r\n", {"a", "b", ""}},
        {"a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        {"\r\na", "\r\n", {"", "a"}},
        {"a", "\r\n", {"a"}},
        {"", "\r\n", {}},
        {"0,x,,1,", ",", {"0", "x", "", "1"}},  // one trailing comma: as many pieces as commas
        {",", ",", {""}},
        {"\xB0,a,b", ",", {"\xB0,a", "b"}},     // the pair B0 2C is a character, not a comma
        {"a\rb", "\r\n", {"a\rb"}},
        {"aXbxc", "x", {"aXb", "c"}},           // separators match letter case exactly
        {"ab\xB0", "\xB0", {"ab"}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(c.expected, Split(c.text, c.separator)) << c.text;
}

TEST(Replace, ReplacesLeftToRightWithoutOverlapOrRescan) {
    EXPECT_EQ("ab", Replace("a\r\nb\r\n", "\r\n", "", false));
    EXPECT_EQ("xa", Replace("aaa", "aa", "x", false));       // no overlap
    EXPECT_EQ("aab", Replace("ab", "a", "aa", false));       // inserted text not rescanned
    EXPECT_EQ("b", Replace("aaab", "a", "", false));
    EXPECT_EQ("-x-", Replace("AxA", "a", "-", true));
    EXPECT_EQ("AxA", Replace("AxA", "a", "-", false));
    EXPECT_EQ("\xB0\x41", Replace("\xB0\x41", "A", "-", false));
    EXPECT_EQ("", Replace("", "a", "b", false));
    EXPECT_EQ("abc", Replace("abc", "", "x", false));
}

TEST(FindLastBackslash, SkipsSecondBytes) {
    EXPECT_EQ(3, FindLastBackslash("C:\\a"));
    EXPECT_EQ(3, FindLastBackslash("C:\\\xD5\x5C"));
    EXPECT_EQ(-1, FindLastBackslash("a.exe"));
    EXPECT_EQ(-1, FindLastBackslash(""));
}
