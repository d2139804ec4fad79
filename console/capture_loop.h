// The runner's polling loop, free of the system calls it makes, so that its
// decisions (and the race at the child's end) can be tested on their own.
#pragma once
#include <functional>

#include "text/text.h"

struct RunnerIo {
    // Bytes waiting in the pipe; 0 when none are, or the pipe is broken.
    std::function<unsigned long()> peek;
    // Reads that many bytes and gives them as text; false on a failed read.
    std::function<bool(unsigned long count, Text& chunk)> read;
    std::function<bool()> childEnded;
    // True when the caller no longer wants the output (its window is gone).
    std::function<bool()> abandon;
    // Runs between polls: pending input, then a short responsive wait.
    std::function<void()> idle;
};

// Collects everything the child writes until the pipe is empty after its end.
Text CaptureOutput(const RunnerIo& io);
