// The command lines sent to the emulator's console tool.
#pragma once
#include "text/text.h"

Text ListingCommand();
// Removes app folder `app` of box k (its system folder from the app table).
// The --command argument's quotation mark is left open, as the tool takes it.
Text RemovalCommand(const Text& index, int k, const Text& app);
Text RebootCommand(const Text& index);
