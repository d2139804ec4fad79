#include "removal/reply_rules.h"

RemovalReply ReadRemovalReply(const Text& reply) {
    Text text = Replace(reply, "\r\n", "", false);
    if (Equal(text, " ") || Find(text, "No such file or directory", 1, true) > 0) return {ReplyVerdict::Done, text};
    return {text.empty() ? ReplyVerdict::Empty : ReplyVerdict::Error, text};
}
