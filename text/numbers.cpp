#include "text/numbers.h"

#include <cstdint>
#include <cstring>

namespace {

// Full-width forms of code page 936 folded to ASCII; other pairs stay as they are.
Text FoldFullWidth(const Text& text) {
    Text folded;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80 || i + 1 == text.size()) {
            folded += text[i];
            continue;
        }
        unsigned char trail = static_cast<unsigned char>(text[++i]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) folded += static_cast<char>(trail & 0x7F);
        else if (lead == 0xA1 && trail == 0xA1) folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB) folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) folded += '*';
        else {
            folded += static_cast<char>(lead);
            folded += static_cast<char>(trail);
        }
    }
    return folded;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int ToInt(const Text& text) {
    Text folded = FoldFullWidth(text);
    size_t i = 0;
    while (i < folded.size() && IsBlank(folded[i])) ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
    uint32_t value = 0;  // unsigned, so that overflow wraps at 32 bits without UB
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(folded[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

Text IntToText(int n) { return std::to_string(n); }

Text BytesToText(const char* bytes, size_t count) {
    const void* zero = count ? std::memchr(bytes, 0, count) : nullptr;
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : count;
    return Text(bytes, length);
}

Text BytesToText(const ByteSet& bytes) {
    return BytesToText(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
