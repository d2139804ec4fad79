#include "emulator/listing_record.h"

ListingRecord ParseListingRecord(const Text& line) { return Split(line, ","); }

Text RecordField(const ListingRecord& record, int n) {
    return (n >= 1 && static_cast<size_t>(n) <= record.size()) ? record[static_cast<size_t>(n - 1)] : Text();
}

TextArray ListingLinesOf(const Text& listing) { return Split(listing, "\r\n"); }
