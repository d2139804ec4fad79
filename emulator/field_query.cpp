#include "emulator/field_query.h"

#include "console/runner.h"
#include "emulator/commands.h"
#include "emulator/listing_record.h"
#include "text/numbers.h"

namespace {

bool ArgumentsFail(int conditionType, int resultType, Text& message) {
    if (conditionType < 0 || conditionType > 7) {
        message = "条件类型超出范围！当前值：" + IntToText(conditionType);
    } else if (resultType < -1 || resultType > 7) {
        message = "结果类型超出范围！当前值：" + IntToText(resultType);
    } else if (conditionType == resultType) {
        message = "条件类型不能与结果类型相同";
    } else {
        return false;
    }
    return true;
}

// A line without the field asked for ends the question.
bool LacksResultField(const Text& line, const ListingRecord& record, int resultType, Text& message) {
    if (resultType <= static_cast<int>(record.size())) return false;
    message = "取模拟器信息失败，当前结果：" + line;
    return true;
}

Text ResultOf(const Text& line, int lineNumber, const ListingRecord& record, int resultType) {
    if (resultType == -1) return line;
    if (resultType == 0) return IntToText(lineNumber);
    return RecordField(record, resultType);
}

Text ByLineNumber(const TextArray& lines, const Text& conditionText, int resultType, Text& message) {
    int n = ToInt(conditionText);
    if (n <= 0 || static_cast<size_t>(n) > lines.size()) {
        message = "无法取出序号【" + conditionText + "】的结果。";
        return Text();
    }
    const Text& line = lines[static_cast<size_t>(n - 1)];
    ListingRecord record = ParseListingRecord(line);
    if (LacksResultField(line, record, resultType, message)) return Text();
    return ResultOf(line, n, record, resultType);
}

Text ByField(const TextArray& lines, const Text& conditionText, int conditionType, int resultType, Text& message) {
    for (size_t i = 0; i < lines.size(); ++i) {
        ListingRecord record = ParseListingRecord(lines[i]);
        if (LacksResultField(lines[i], record, resultType, message)) return Text();
        // A line without the compared field does not match, not even an empty condition.
        if (conditionType <= static_cast<int>(record.size()) && Equal(RecordField(record, conditionType), conditionText)) {
            return ResultOf(lines[i], static_cast<int>(i + 1), record, resultType);
        }
    }
    message = "取模拟器信息失败，请检查参数是否正确。";
    return Text();
}

}  // namespace

Text QueryInstanceField(const Text& conditionText, int conditionType, int resultType, Text& message) {
    if (ArgumentsFail(conditionType, resultType, message)) return Text();
    TextArray lines = ListingLinesOf(RunConsoleCommand(ListingCommand()));
    if (conditionType == 0) return ByLineNumber(lines, conditionText, resultType, message);
    return ByField(lines, conditionText, conditionType, resultType, message);
}
