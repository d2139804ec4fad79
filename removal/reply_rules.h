// How the removal run reads the console's reply to one removal command.
#pragma once
#include "text/text.h"

enum class ReplyVerdict {
    Done,   // the folder is gone: exactly " ", or "No such file or directory" in any letter case
    Empty,  // the normal answer to a deletion; the next command confirms it
    Error,  // anything else: shown, and the command is sent again
};

struct RemovalReply {
    ReplyVerdict verdict;
    Text text;  // the reply with every CR LF removed
};

RemovalReply ReadRemovalReply(const Text& reply);

// Repetitions after which an app is given up, so that a reply that never
// changes cannot keep the window busy for ever.
constexpr int MaxErrorReplies = 5;
constexpr int MaxEmptyReplies = 3;
