#pragma once
// The journal listing of "tellmark-cli journal": "%6i " and the 80-character display line per booking,
// in UTF-8. The lines are built straight from the 64-byte records, read in large blocks: a record already
// holds every text of its display line, only the VAT amount has to be derived. A record whose fields are
// not in the form the program writes them goes the way of the parsed booking, so the bytes are those of
// ledger::displayLine either way.

#include <cstdio>
#include <string>

#include "ledger/journal.h"

namespace tellmark::cli {

class JournalLineBuilder {
public:
    explicit JournalLineBuilder(int chart);

    // Appends the line of booking `number` from its record (64 bytes), with "\n".
    void append(long number, const char* record, std::string& out) const;

private:
    void appendUtf8(const char* line, std::size_t size, std::string& out) const;

    int chart_;
    // UTF-8 of the bytes 0x80-0xFF of CP1252, at most three bytes each.
    struct Sequence {
        char bytes[3];
        unsigned char size;
    };
    Sequence high_[128];
};

// Lists bookings from..to (1-based, both within the journal) to `out`. False when the journal could not
// be read or the output not written; what came before stays written.
bool listJournal(ledger::Journal& journal, long from, long to, std::FILE* out);

}  // namespace tellmark::cli
