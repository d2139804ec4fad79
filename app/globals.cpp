#include "app/globals.h"

#include "app/probe.h"

Text RunDirectory;
Text ListingText;
TextArray ListingLines;

void ReleaseGlobals() {
    RunDirectory.clear();
    RunDirectory.shrink_to_fit();
    ListingText.clear();
    ListingText.shrink_to_fit();
    TextArray().swap(ListingLines);
    ProbeEvent("release");
}
