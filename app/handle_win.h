// Closes a kernel handle when it goes out of scope.
#pragma once
#include <windows.h>

struct Handle {
    HANDLE value;
    explicit Handle(HANDLE h = nullptr) : value(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    HANDLE get() const { return value; }
    bool valid() const { return value != nullptr && value != INVALID_HANDLE_VALUE; }
    void close() {
        if (valid()) CloseHandle(value);
        value = nullptr;
    }
};
