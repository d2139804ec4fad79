#include "instances/row_texts.h"

Text ListingKey(const Text& line) { return Left(line, Find(line, ",", 1, true) - 1); }

Text RunningStateText(const Text& runningFlag) { return Equal(runningFlag, "0") ? "模拟器未运行" : "模拟器运行中"; }

Text DiskStateText(bool diskFileExists) { return diskFileExists ? "文件正常" : "文件有误"; }

Text ConfigValue(const Text& config, const Text& key) {
    int p = Find(config, key, 1, true);
    if (p < 0) return Text();  // measuring from "position -1" would show unrelated text
    int s = p + static_cast<int>(key.size());
    int e = Find(config, "\",", s, true);
    return Mid(config, s, e - s);
}

Text ConfigManufacturer(const Text& config) { return ConfigValue(config, "phoneManufacturer\": \""); }

Text ConfigModel(const Text& config) { return ConfigValue(config, "phoneModel\": \""); }
