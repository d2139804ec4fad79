// A child for the runner tests. Each argument is one step:
//   out:TEXT  err:TEXT  crlf  cut:LEFT:RIGHT (LEFT, a zero byte, RIGHT in one write)
//   big:N (N bytes of a counting pattern)  sleep:MS  touch:PATH  exit:CODE
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Write(DWORD which, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string After(const char* arg, const char* prefix) {
    size_t n = std::strlen(prefix);
    return std::strncmp(arg, prefix, n) == 0 ? std::string(arg + n) : std::string("\x01");
}

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + (i % 26));
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    int code = 0;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        std::string v;
        if ((v = After(a, "out:")) != "\x01") Write(STD_OUTPUT_HANDLE, v);
        else if ((v = After(a, "err:")) != "\x01") Write(STD_ERROR_HANDLE, v);
        else if (std::strcmp(a, "crlf") == 0) Write(STD_OUTPUT_HANDLE, "\r\n");
        else if ((v = After(a, "cut:")) != "\x01") Write(STD_OUTPUT_HANDLE, v.replace(v.find(':'), 1, 1, '\0'));
        else if ((v = After(a, "big:")) != "\x01") Write(STD_OUTPUT_HANDLE, Pattern(std::strtoul(v.c_str(), nullptr, 10)));
        else if ((v = After(a, "sleep:")) != "\x01") Sleep(std::strtoul(v.c_str(), nullptr, 10));
        else if ((v = After(a, "touch:")) != "\x01") CloseHandle(CreateFileA(v.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        else if ((v = After(a, "exit:")) != "\x01") code = std::atoi(v.c_str());
    }
    return code;
}
