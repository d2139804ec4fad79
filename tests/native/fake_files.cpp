#include "fake_files.h"

#include "text/files.h"

FakeFiles Files;

void ResetFiles() { Files = FakeFiles(); }

bool FileExists(const Text& path) {
    Files.asked.push_back(path);
    return Files.existing.count(path) > 0 || Files.contents.count(path) > 0;
}

ByteSet ReadWholeFile(const Text& path) {
    Files.asked.push_back(path);
    auto found = Files.contents.find(path);
    return found == Files.contents.end() ? ByteSet() : ByteSet(found->second.begin(), found->second.end());
}
