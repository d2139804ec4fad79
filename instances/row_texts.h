// What a row of the instance list shows, from the listing line and the instance's files.
#pragma once
#include "text/text.h"

// The bytes before the line's first comma; empty when it has none or starts with one.
Text ListingKey(const Text& line);
// "模拟器未运行" only for the flag "0"; any other answer, a failed lookup too, reads as running.
Text RunningStateText(const Text& runningFlag);
Text DiskStateText(bool diskFileExists);
// The value after `key` (which ends with its opening quotation mark), up to the next "\",".
// Letter case of the key is not significant; a missing key gives the empty text.
Text ConfigValue(const Text& config, const Text& key);
Text ConfigManufacturer(const Text& config);
Text ConfigModel(const Text& config);
