// Journal records from any bytes: the input is cut into 64-byte records (a short last one padded with
// blanks), each parsed for both charts of accounts. The parsed booking keeps every field text, derives
// finite numbers, fills its 80-character display line, and writes back to the record it came from.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "config/dates.h"
#include "fuzz_support.h"
#include "ledger/journal_record.h"

namespace tellmark::fuzzing::journal_record {
namespace {

using ledger::JournalRecord;
using ledger::kJournalRecordSize;
using ledger::ParsedBooking;

void checkRecord(const char* record, int chart) {
    const ParsedBooking b = ledger::parseJournalRecord(record, chart);
    FUZZ_CHECK(std::isfinite(b.amountValue) && std::isfinite(b.rateValue) && std::isfinite(b.vatValue));
    FUZZ_CHECK(std::strlen(b.vatAmount) <= ledger::kAmountWidth);
    FUZZ_CHECK(std::strncmp(b.date, record + ledger::kDateOffset, ledger::kDateWidth) == 0);
    FUZZ_CHECK(std::strncmp(b.text, record + ledger::kTextOffset, ledger::kTextWidth) == 0);
    FUZZ_CHECK(std::strncmp(b.rate, record + ledger::kRateOffset, ledger::kRateWidth) == 0);
    if (ledger::isEuVatPair(b.debitNumber, b.creditNumber, chart)) FUZZ_CHECK(b.vatValue == 0.0);

    int day = 0, month = 0;
    if (config::parseStoredDayMonth(std::string_view(record, ledger::kDateWidth), day, month) == 0) {
        FUZZ_CHECK(b.day == static_cast<std::int16_t>(day) && b.month == static_cast<std::int16_t>(month));
    } else {
        FUZZ_CHECK(b.day == 0 && b.month == 0);
    }

    const std::string line = ledger::displayLine(b);
    FUZZ_CHECK(line.size() == ledger::kDisplayLineWidth);

    // Written back, a record without NUL bytes comes out as it went in, ending in CR LF.
    const JournalRecord again = ledger::makeJournalRecord(ledger::textsOf(b));
    FUZZ_CHECK(again[62] == '\r' && again[63] == '\n');
    if (std::memchr(record, '\0', ledger::kLineEndOffset) == nullptr) {
        FUZZ_CHECK(std::memcmp(again.data(), record, ledger::kLineEndOffset) == 0);
    }
}

void run(std::string_view input) {
    for (std::size_t at = 0; at < input.size() && at < 256 * kJournalRecordSize; at += kJournalRecordSize) {
        JournalRecord record;
        record.fill(' ');
        const std::string_view part = input.substr(at, kJournalRecordSize);
        std::memcpy(record.data(), part.data(), part.size());
        checkRecord(record.data(), 3);
        checkRecord(record.data(), 4);
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::journal_record

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::journal_record::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
