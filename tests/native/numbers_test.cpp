#include "text/numbers.h"

#include <gtest/gtest.h>

TEST(ToInt, ReadsALeadingNumber) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"42", 42},
        {" 7", 7},
        {"\t\r\n 9x", 9},
        {"-15", -15},
        {"+15", 15},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"12abc34", 12},
        {"\xA3\xB1\xA3\xB2", 12},        // full-width digits
        {"\xA3\xAD\xA3\xB3", -3},        // full-width minus
        {"\xA1\xA1\xA3\xB5", 5},         // full-width blank
        {"\xB0\xA1" "5", 0},             // another two-byte character stops the number
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1}, // wraps at 32 bits
        {"4294967297", 1},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, ToInt(c.text)) << c.text;
}

TEST(IntToText, PrintsPlainDecimal) {
    EXPECT_EQ("0", IntToText(0));
    EXPECT_EQ("-12", IntToText(-12));
    EXPECT_EQ("2147483647", IntToText(2147483647));
}

TEST(BytesToText, StopsAtTheFirstZeroByte) {
    EXPECT_EQ("ab", BytesToText(ByteSet{'a', 'b'}));
    EXPECT_EQ("a", BytesToText(ByteSet{'a', 0, 'b'}));
    EXPECT_EQ("", BytesToText(ByteSet{}));
    EXPECT_EQ("", BytesToText(ByteSet{0, 'x'}));
}
