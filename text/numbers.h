// Conversions between texts, numbers and raw bytes.
#pragma once
#include "text/text.h"

// Reads a leading decimal number; full-width digits, signs and blanks count.
int ToInt(const Text& text);
Text IntToText(int n);
// The bytes up to the first zero byte.
Text BytesToText(const ByteSet& bytes);
Text BytesToText(const char* bytes, size_t count);
