// The start-up notice that asks for the access code.
#pragma once
#include "text/text.h"

extern const char AccessCode[];

// Shows the notice and returns what was confirmed; the empty text when cancelled.
Text AskAccessCode();
// Runs the notice; on a wrong code requests that the main window be closed.
// Returns whether the code was accepted.
bool OnMainWindowCreated();
