// One line of the instance listing: fields separated by commas, counted from 1.
// Field 1 is the index, field 2 the name, field 5 the running flag ("0": not running).
#pragma once
#include "text/text.h"

using ListingRecord = TextArray;

constexpr int IndexField = 1;
constexpr int NameField = 2;
constexpr int RunningField = 5;

ListingRecord ParseListingRecord(const Text& line);
// The empty text for a field the record does not have.
Text RecordField(const ListingRecord& record, int n);
// The listing's lines; a final CR LF gives no empty last line.
TextArray ListingLinesOf(const Text& listing);
