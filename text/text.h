// Byte texts in the ANSI code page (936), with 1-based positions.
// Scans step over two-byte characters: a byte >= 0x80 starts a pair.
#pragma once
#include <string>
#include <vector>

using Text = std::string;             // no zero bytes; empty == absent
using TextArray = std::vector<Text>;  // held 0-based; the system counts from 1
using ByteSet = std::vector<unsigned char>;

bool Equal(const Text& a, const Text& b);
int Find(const Text& text, const Text& sought, int start = 1, bool ignoreCase = false);
Text Left(const Text& text, int n);
Text Mid(const Text& text, int start, int n);
TextArray Split(const Text& text, const Text& separator);
Text Replace(const Text& text, const Text& old, const Text& replacement, bool ignoreCase);
// Position of the last backslash that is not the second byte of a pair, or -1.
int FindLastBackslash(const Text& text);
