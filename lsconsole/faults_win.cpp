#include "lsconsole/faults_win.h"

#include <sstream>

#include "text/files.h"
#include "text/numbers.h"

Faults ReadFaults(const Text& root) {
    Faults faults;
    std::istringstream lines(BytesToText(ReadWholeFile(root + "\\lsconsole-faults.txt")));
    for (Text line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        Text kind, app, rest;
        words >> kind;
        if (kind == "delay") words >> faults.delayMs;
        else if (kind == "stderr") faults.toStderr = true;
        else if (kind == "zero") faults.zeroByte = true;
        else if (kind == "long-listing") words >> faults.extraInstances;
        else if (kind == "trailer") std::getline(words >> std::ws, faults.trailer);
        else if (kind == "stop-after") words >> faults.stopIndex >> faults.stopAfter;
        else if (kind == "fail" || kind == "stuck") {
            AppFault fault{Text(), -1, Text()};
            words >> fault.app;
            if (kind == "fail") words >> fault.times;
            std::getline(words >> std::ws, fault.reply);
            faults.appFaults.push_back(fault);
        }
    }
    return faults;
}
