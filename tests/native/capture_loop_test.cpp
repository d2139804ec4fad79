// The runner's loop over scripted polls: what it reads, and when it stops.
#include "console/capture_loop.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// One scripted pipe: each poll takes the next entry; -1 means the pipe is broken.
struct ScriptedChild {
    std::deque<long> polls;
    std::deque<Text> chunks;
    std::deque<bool> endAnswers;
    int idles = 0;
    int abandonAfterIdles = -1;
    bool readFails = false;

    RunnerIo Io() {
        RunnerIo io;
        io.peek = [this]() -> unsigned long {
            long next = polls.empty() ? 0 : polls.front();
            if (!polls.empty()) polls.pop_front();
            return next > 0 ? static_cast<unsigned long>(next) : 0;  // a broken pipe reports nothing
        };
        io.read = [this](unsigned long, Text& chunk) {
            if (readFails) return false;
            chunk = chunks.front();
            chunks.pop_front();
            return true;
        };
        io.childEnded = [this] {
            bool ended = endAnswers.empty() || endAnswers.front();
            if (!endAnswers.empty()) endAnswers.pop_front();
            return ended;
        };
        io.abandon = [this] { return abandonAfterIdles >= 0 && idles >= abandonAfterIdles; };
        io.idle = [this] { ++idles; };
        return io;
    }
};

}  // namespace

TEST(CaptureLoop, ReadsChunksInOrderUntilTheEnd) {
    ScriptedChild child;
    child.polls = {2, 0, 3, 0, 0};
    child.chunks = {"ab", "cde"};
    child.endAnswers = {false, true};
    EXPECT_EQ("abcde", CaptureOutput(child.Io()));
}

TEST(CaptureLoop, ReadsWhatArrivedBetweenTheEmptyPollAndTheEnd) {
    // Empty poll, the child writes and ends, then the end is seen.
    ScriptedChild child;
    child.polls = {0, 4, 0};
    child.chunks = {"last"};
    child.endAnswers = {true};
    EXPECT_EQ("last", CaptureOutput(child.Io()));
}

TEST(CaptureLoop, StopsAtTheFirstEmptyPollAfterTheEnd) {
    // A process left behind may hold the pipe open for ever: the loop must not wait for it.
    ScriptedChild child;
    child.polls = {0, 0, 0, 0, 0};
    child.endAnswers = {false, false, true};
    EXPECT_EQ("", CaptureOutput(child.Io()));
    EXPECT_EQ(2, child.idles);
    EXPECT_EQ(1u, child.polls.size());  // no poll beyond the first empty one after the end
}

TEST(CaptureLoop, ABrokenPipeEndsTheLoopOnlyWithTheChild) {
    ScriptedChild broken;
    broken.polls = {1, -1, -1, -1, -1};
    broken.chunks = {"x"};
    broken.endAnswers = {false, false, true};
    EXPECT_EQ("x", CaptureOutput(broken.Io()));
    EXPECT_EQ(3, broken.idles);  // after the read, then twice while the child still ran
    EXPECT_TRUE(broken.polls.empty());
}

TEST(CaptureLoop, StopsWhenAReadFails) {

    ScriptedChild failing;
    failing.polls = {5, 5, 5};
    failing.readFails = true;
    EXPECT_EQ("", CaptureOutput(failing.Io()));
}

TEST(CaptureLoop, WaitsBetweenPollsAndStopsWhenAbandoned) {
    ScriptedChild child;
    child.polls = {1, 0, 0, 0, 0, 0, 0, 0};
    child.chunks = {"a"};
    child.endAnswers = {false, false, false, false, false, false, false};
    child.abandonAfterIdles = 3;
    EXPECT_EQ("a", CaptureOutput(child.Io()));
    EXPECT_EQ(3, child.idles);
}
