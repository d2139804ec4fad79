// Values that live from start-up to exit.
#pragma once
#include "text/text.h"

extern Text RunDirectory;     // the program's folder with a trailing backslash
extern Text ListingText;      // the last captured instance listing
extern TextArray ListingLines;  // ListingText split at CR LF

void ReleaseGlobals();
