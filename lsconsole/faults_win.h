// Faults the stand-in injects, read from lsconsole-faults.txt beside it, one a line:
//   delay MS              wait before every reply
//   fail APP K TEXT       the first K removals of APP answer TEXT and delete nothing
//   stuck APP TEXT        every removal of APP answers TEXT
//   stop-after INDEX N    instance INDEX stops once N commands have been received
//   stderr                replies go to standard error
//   zero                  the listing carries a zero byte after its first line
//   long-listing N        the listing adds N stopped instances from index 1000 on
//   trailer TEXT          the listing ends with TEXT as a line of its own
#pragma once
#include <vector>

#include "text/text.h"

struct AppFault {
    Text app;
    int times;  // -1: for ever
    Text reply;
};

struct Faults {
    int delayMs = 0;
    std::vector<AppFault> appFaults;
    int stopIndex = -1;
    int stopAfter = 0;
    bool toStderr = false;
    bool zeroByte = false;
    int extraInstances = 0;
    Text trailer;
};

Faults ReadFaults(const Text& root);
