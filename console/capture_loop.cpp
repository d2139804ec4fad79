#include "console/capture_loop.h"

Text CaptureOutput(const RunnerIo& io) {
    Text captured;
    bool endSeen = false;
    while (!io.abandon()) {
        unsigned long available = io.peek();
        if (available > 0) {
            Text chunk;
            if (!io.read(available, chunk)) break;
            captured += chunk;
        } else if (endSeen) {
            break;  // empty or broken after the end: nothing more can come
        } else if (io.childEnded()) {
            // Bytes written just before the end may have arrived after this poll: look once more.
            endSeen = true;
            continue;
        }
        // A pipe that reports broken while the child still runs is waited out like an empty one.
        io.idle();
    }
    return captured;
}
