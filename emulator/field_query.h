// Looks up one field of one instance in a freshly captured listing.
#pragma once
#include "text/text.h"

// conditionType 0: conditionText is a line number; 1 to 7: the field compared.
// resultType -1: the whole line; 0: the line's number; 1 to 7: the field returned.
// On failure returns the empty text and replaces `message`; on success leaves it.
Text QueryInstanceField(const Text& conditionText, int conditionType, int resultType, Text& message);
