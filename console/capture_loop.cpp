#include "console/capture_loop.h"

Text CaptureOutput(const RunnerIo& io) {
    Text captured;
    bool endSeen = false;
    while (!io.abandon()) {
        unsigned long available = 0;
        bool open = io.peek(available);
        if (available > 0) {
            Text chunk;
            if (!io.read(available, chunk)) break;
            captured += chunk;
        } else if (!open || endSeen) {
            break;
        } else if (io.childEnded()) {
            // Bytes written just before the end may have arrived after this poll: look once more.
            endSeen = true;
            continue;
        }
        io.idle();
    }
    return captured;
}
