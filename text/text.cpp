#include "text/text.h"

namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x80; }

unsigned char FoldAscii(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

bool MatchesAt(const Text& text, size_t at, const Text& sought, bool ignoreCase) {
    for (size_t j = 0; j < sought.size(); ++j) {
        unsigned char a = static_cast<unsigned char>(text[at + j]);
        unsigned char b = static_cast<unsigned char>(sought[j]);
        if (ignoreCase ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
    }
    return true;
}

// The next candidate after `at` under the two-byte rule; text.size() ends the scan.
size_t NextCandidate(const Text& text, size_t at) {
    if (!IsLeadByte(static_cast<unsigned char>(text[at]))) return at + 1;
    return at + 1 < text.size() ? at + 2 : text.size();
}

// First match at or after the 0-based `from`, or npos.
size_t ScanFor(const Text& text, size_t from, const Text& sought, bool ignoreCase) {
    for (size_t at = from; at < text.size() && text.size() - at >= sought.size();
         at = NextCandidate(text, at)) {
        if (MatchesAt(text, at, sought, ignoreCase)) return at;
    }
    return Text::npos;
}

}  // namespace

bool Equal(const Text& a, const Text& b) { return a == b; }

int Find(const Text& text, const Text& sought, int start, bool ignoreCase) {
    if (start < 1) start = 1;
    if (static_cast<size_t>(start) > text.size()) return -1;
    if (sought.empty()) return 1;
    size_t at = ScanFor(text, static_cast<size_t>(start - 1), sought, ignoreCase);
    return at == Text::npos ? -1 : static_cast<int>(at + 1);
}

Text Left(const Text& text, int n) {
    if (n <= 0) return Text();
    return text.substr(0, static_cast<size_t>(n));
}

Text Mid(const Text& text, int start, int n) {
    if (start < 1 || static_cast<size_t>(start) > text.size() || n <= 0) return Text();
    return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n));
}

TextArray Split(const Text& text, const Text& separator) {
    TextArray pieces;
    size_t pieceStart = 0;
    if (!separator.empty()) {
        for (size_t at = ScanFor(text, 0, separator, false); at != Text::npos;
             at = ScanFor(text, pieceStart, separator, false)) {
            pieces.push_back(text.substr(pieceStart, at - pieceStart));
            pieceStart = at + separator.size();
        }
    }
    if (pieceStart < text.size()) pieces.push_back(text.substr(pieceStart));
    return pieces;
}

Text Replace(const Text& text, const Text& old, const Text& replacement, bool ignoreCase) {
    if (text.empty() || old.empty()) return text;
    Text result;
    size_t copied = 0;
    for (size_t at = ScanFor(text, 0, old, ignoreCase); at != Text::npos;
         at = ScanFor(text, copied, old, ignoreCase)) {
        result.append(text, copied, at - copied);
        result += replacement;
        copied = at + old.size();
    }
    result.append(text, copied, Text::npos);
    return result;
}

int FindLastBackslash(const Text& text) {
    int last = -1;
    for (size_t at = 0; at < text.size(); at = NextCandidate(text, at)) {
        if (text[at] == '\\') last = static_cast<int>(at + 1);
    }
    return last;
}
