// Find, Split and Replace against a plain reference on random GBK-like texts.
#include <gtest/gtest.h>

#include <random>

#include "text/text.h"

namespace {

// Non-overlapping occurrences, left to right, each on a character start; the
// character stepping starts afresh after each occurrence.
std::vector<size_t> ReferenceMatches(const Text& t, const Text& s) {
    std::vector<size_t> matches;
    size_t i = 0;
    while (i < t.size()) {
        if (t.size() - i >= s.size() && t.compare(i, s.size(), s) == 0) {
            matches.push_back(i);
            i += s.size();
        } else {
            i += static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1;
        }
    }
    return matches;
}

Text RandomText(std::mt19937& rng, size_t maxLength) {
    static const unsigned char alphabet[] = {'a', 'b', ',', '\r', '\n', 'A', 0x5C, 0xB0, 0xA3, 0x81};
    std::uniform_int_distribution<size_t> length(0, maxLength), pick(0, sizeof alphabet - 1);
    Text t;
    for (size_t n = length(rng); n > 0; --n) t += static_cast<char>(alphabet[pick(rng)]);
    return t;
}

}  // namespace

TEST(TextRandom, AgreesWithReference) {
    std::mt19937 rng(20261211);
    for (int round = 0; round < 20000; ++round) {
        Text t = RandomText(rng, 24);
        Text s = RandomText(rng, 3);
        if (s.empty()) continue;
        std::vector<size_t> matches = ReferenceMatches(t, s);
        TextArray pieces;
        Text replaced;
        size_t from = 0;
        for (size_t at : matches) {
            pieces.push_back(t.substr(from, at - from));
            replaced += t.substr(from, at - from) + "#";
            from = at + s.size();
        }
        if (from < t.size()) pieces.push_back(t.substr(from));
        replaced += t.substr(from);
        ASSERT_EQ(matches.empty() ? -1 : static_cast<int>(matches[0] + 1), Find(t, s, 1, false)) << round;
        ASSERT_EQ(pieces, Split(t, s)) << round;
        ASSERT_EQ(replaced, Replace(t, s, "#", false)) << round;
    }
}
