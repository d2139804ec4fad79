#include "text/files.h"

#include <windows.h>

#include "app/handle_win.h"

bool FileExists(const Text& path) {
    // A search for "dir\" would list the folder's content, not ask whether it exists.
    if (path.empty() || FindLastBackslash(path) == static_cast<int>(path.size())) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

ByteSet ReadWholeFile(const Text& path) {
    if (path.empty()) return ByteSet();
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return ByteSet();
    ByteSet bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size())) {
        return ByteSet();
    }
    return bytes;
}
