#include "entry/journal_search.h"

#include <algorithm>
#include <cstring>
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

// Where the display line shows each field of the record: record offset, width, line offset.
struct Placement {
    std::size_t from, width, to;
};
constexpr Placement kFields[] = {{ledger::kDateOffset, ledger::kDateWidth, 0},
                                 {ledger::kDocumentOffset, ledger::kDocumentWidth, 6},
                                 {ledger::kDebitOffset, ledger::kAccountWidth, 13},
                                 {ledger::kCreditOffset, ledger::kAccountWidth, 19},
                                 {ledger::kTextOffset, ledger::kTextWidth, 25},
                                 {ledger::kAmountOffset, ledger::kAmountWidth, 51},
                                 {ledger::kRateOffset, ledger::kRateWidth, 63}};
constexpr std::size_t kVatColumn = 69;

bool isVatTextChar(char c) { return c == ' ' || c == '.' || c == '-' || (c >= '0' && c <= '9'); }

// The display line of a record, built without allocating, and matched against the needle. The VAT
// amount is derived from amount and rate on every read, which costs most of the time; a needle that
// cannot reach into its column (a tail with a letter wherever it would overlap it) never needs it.
class LineMatcher {
public:
    explicit LineMatcher(const SearchQuery& query) : caseSensitive_(query.caseSensitive) {
        needle_ = query.text.substr(0, kSearchTextLength);
        if (!caseSensitive_) std::transform(needle_.begin(), needle_.end(), needle_.begin(), upper);
        for (int c = 0; c < 256; ++c) table_[c] = caseSensitive_ ? static_cast<char>(c) : upper(static_cast<char>(c));
        const std::size_t n = needle_.size();
        for (std::size_t j = 0; j < n && !needVat_; ++j) {
            // The needle's part from j on lies in the VAT column for one of its places.
            needVat_ = std::all_of(needle_.begin() + static_cast<long>(j), needle_.end(), isVatTextChar);
        }
    }

    bool matches(const char* record, int chart) const {
        if (needle_.empty()) return true;
        char line[ledger::kDisplayLineWidth];
        std::memset(line, ' ', sizeof line);
        for (const Placement& p : kFields) {
            const void* nul = std::memchr(record + p.from, '\0', p.width);
            const std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - (record + p.from))
                                      : p.width;
            std::memcpy(line + p.to, record + p.from, n);
        }
        if (needVat_) {
            const ledger::ParsedBooking b = ledger::parseJournalRecord(record, chart);
            std::memcpy(line + kVatColumn, b.vatAmount, strnlen(b.vatAmount, sizeof b.vatAmount));
        }
        if (!caseSensitive_)
            for (char& c : line) c = table_[static_cast<unsigned char>(c)];
        return std::string_view(line, sizeof line).find(needle_) != std::string_view::npos;
    }

private:
    std::string needle_;
    bool caseSensitive_;
    bool needVat_ = false;
    char table_[256];
};

}  // namespace

bool bookingMatches(const ledger::ParsedBooking& booking, const SearchQuery& query) {
    std::string line = ledger::displayLine(booking);
    std::string needle = query.text.substr(0, kSearchTextLength);
    if (!query.caseSensitive) {
        std::transform(line.begin(), line.end(), line.begin(), upper);
        std::transform(needle.begin(), needle.end(), needle.begin(), upper);
    }
    return line.find(needle) != std::string::npos;
}

long searchForward(ledger::Journal& journal, const SearchQuery& query, long after) {
    const long count = journal.count();
    const LineMatcher matcher(query);
    std::vector<char> block(static_cast<std::size_t>(kBlock) * ledger::kJournalRecordSize);
    for (long first = std::max(after, 0L) + 1; first <= count;) {
        const long want = std::min(kBlock, count - first + 1);
        const long got = journal.readRecords(first - 1, want, block.data());
        if (got <= 0) return -1;
        for (long i = 0; i < got; ++i)
            if (matcher.matches(block.data() + i * ledger::kJournalRecordSize, journal.chart())) return first + i;
        first += got;
    }
    return 0;
}

long searchBackward(ledger::Journal& journal, const SearchQuery& query, long before) {
    const LineMatcher matcher(query);
    std::vector<char> block(static_cast<std::size_t>(kBlock) * ledger::kJournalRecordSize);
    for (long last = std::min(before - 1, journal.count()); last >= 1;) {
        const long first = std::max(1L, last - kBlock + 1);
        const long want = last - first + 1;
        if (journal.readRecords(first - 1, want, block.data()) != want) return -1;
        for (long i = want - 1; i >= 0; --i)
            if (matcher.matches(block.data() + i * ledger::kJournalRecordSize, journal.chart())) return first + i;
        last = first - 1;
    }
    return 0;
}

}  // namespace tellmark::entry
