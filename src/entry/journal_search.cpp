#include "entry/journal_search.h"

#include <algorithm>
#include <vector>

namespace tellmark::entry {

namespace {

// Records read at once: a search through a year of bookings is a few hundred reads.
constexpr long kBlock = 4096;

// Upper case of a Windows-1252 letter: a-z, the accented small letters and š, œ, ž, ÿ; ß stays.
char upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A: return '\x8A';
    case 0x9C: return '\x8C';
    case 0x9E: return '\x8E';
    case 0xFF: return '\x9F';
    default: return c;
    }
}

std::string upperText(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

bool lineHolds(std::string line, const SearchQuery& query, const std::string& needle) {
    if (!query.caseSensitive) std::transform(line.begin(), line.end(), line.begin(), upper);
    return line.find(needle) != std::string::npos;
}

std::string needleOf(const SearchQuery& query) {
    const std::string text = query.text.substr(0, kSearchTextLength);
    return query.caseSensitive ? text : upperText(text);
}

}  // namespace

bool bookingMatches(const ledger::ParsedBooking& booking, const SearchQuery& query) {
    return lineHolds(ledger::displayLine(booking), query, needleOf(query));
}

long searchForward(ledger::Journal& journal, const SearchQuery& query, long after) {
    const long count = journal.count();
    const std::string needle = needleOf(query);
    std::vector<char> block(static_cast<std::size_t>(kBlock) * ledger::kJournalRecordSize);
    for (long first = std::max(after, 0L) + 1; first <= count;) {
        const long want = std::min(kBlock, count - first + 1);
        const long got = journal.readRecords(first - 1, want, block.data());
        if (got <= 0) return -1;
        for (long i = 0; i < got; ++i) {
            const ledger::ParsedBooking b =
                ledger::parseJournalRecord(block.data() + i * ledger::kJournalRecordSize, journal.chart());
            if (lineHolds(ledger::displayLine(b), query, needle)) return first + i;
        }
        first += got;
    }
    return 0;
}

long searchBackward(ledger::Journal& journal, const SearchQuery& query, long before) {
    const std::string needle = needleOf(query);
    std::vector<char> block(static_cast<std::size_t>(kBlock) * ledger::kJournalRecordSize);
    for (long last = std::min(before - 1, journal.count()); last >= 1;) {
        const long first = std::max(1L, last - kBlock + 1);
        const long want = last - first + 1;
        if (journal.readRecords(first - 1, want, block.data()) != want) return -1;
        for (long i = want - 1; i >= 0; --i) {
            const ledger::ParsedBooking b =
                ledger::parseJournalRecord(block.data() + i * ledger::kJournalRecordSize, journal.chart());
            if (lineHolds(ledger::displayLine(b), query, needle)) return first + i;
        }
        last = first - 1;
    }
    return 0;
}

}  // namespace tellmark::entry
