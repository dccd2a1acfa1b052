// The journal (".jou") from any bytes: the input is the file. Every booking reads as its record parses,
// the journal cache loaded from the file holds the same bookings and stays in step while a booking is
// added and one removed, and the scans over dates and accounts end inside the journal.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/dates.h"
#include "fuzz_support.h"
#include "ledger/journal.h"
#include "ledger/journal_cache.h"
#include "ledger/journal_index.h"
#include "ledger/journal_record.h"
#include "resources/format.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::fuzzing::journal {
namespace {

using ledger::Journal;
using ledger::JournalCache;
using ledger::kJournalRecordSize;
using ledger::ParsedBooking;

constexpr long kMaxBookings = 256;

bool sameBooking(const ParsedBooking& a, const ParsedBooking& b) {
    return ledger::displayLine(a) == ledger::displayLine(b) && a.day == b.day && a.month == b.month &&
           a.debitNumber == b.debitNumber && a.creditNumber == b.creditNumber && a.amountValue == b.amountValue &&
           a.rateValue == b.rateValue && a.vatValue == b.vatValue;
}

// The cache holds exactly what the file holds.
void checkCacheMatchesFile(Journal& journal, const JournalCache& cache) {
    FUZZ_CHECK(cache.active());
    FUZZ_CHECK(cache.size() == journal.count());
    for (long n = 1; n <= std::min(journal.count(), kMaxBookings); ++n) {
        FUZZ_CHECK(journal.readBooking(n));
        const ParsedBooking* cached = cache.find(n);
        FUZZ_CHECK(cached != nullptr && sameBooking(*cached, journal.current()));
    }
    FUZZ_CHECK(cache.find(0) == nullptr && cache.find(cache.size() + 1) == nullptr);
}

void run(std::string_view input) {
    const std::string& dir = scratchDir("journal");
    const std::string path = dir + "/B2009001.jou";
    const std::string indexPath = dir + "/B2009001.jdx";
    writeBytes(path, input);
    removeFile(indexPath);
    const int chart = input.size() % 2 == 0 ? 3 : 4;

    ui::RecordingMessages messages;
    Journal journal(messages);
    journal.setChart(chart);
    FUZZ_CHECK(journal.open(path));
    const long count = journal.count();
    FUZZ_CHECK(count == static_cast<long>(input.size() / kJournalRecordSize));

    // Each booking as its record parses, read in order and backwards (the read-ahead must not mix them up).
    for (long k = 0; k < std::min(count, kMaxBookings); ++k) {
        const long n = k % 2 == 0 ? k / 2 + 1 : count - k / 2;
        FUZZ_CHECK(journal.readBooking(n));
        const ParsedBooking expected =
            ledger::parseJournalRecord(input.data() + (n - 1) * static_cast<long>(kJournalRecordSize), chart);
        FUZZ_CHECK(sameBooking(journal.current(), expected));
    }
    FUZZ_CHECK(!journal.readBooking(0) && !journal.readBooking(count + 1));

    // The journal index built from the file; the scans of the entry form run over it.
    ui::NoProgress progress;
    ledger::CJIndex index(messages, progress);
    index.attach(indexPath, journal);
    FUZZ_CHECK(index.open() == 1);
    for (int month = 1; month <= 13; ++month) {
        FUZZ_CHECK(index.last(month) <= count);
        FUZZ_CHECK((index.first(month) == 0) == (index.last(month) == 0));
    }
    if (count > 0 && journal.readBooking(1)) {
        const ParsedBooking first = journal.current();
        const std::string account(first.debit);
        const ledger::AccountScan scan = journal.nextBookingOfAccountOnDate(1, count, first.day, first.month, account);
        FUZZ_CHECK(scan.number >= 1 && scan.number <= count + 1);
        int day = 0, month = 0;
        if (config::parseStoredDayMonth(first.date, day, month) == 0 &&
            account.find_first_not_of(' ') != std::string::npos)
            FUZZ_CHECK(scan.found && scan.number == 1);
        double sum = 0.0;
        const int moved = journal.monthMovementBeforeDay(first.day, first.month, account, sum, index);
        FUZZ_CHECK(moved == 0 || moved == 1);
        FUZZ_CHECK(std::isfinite(sum));
    }

    // The cache: refused with a message for an empty journal or too little memory, else the whole file.
    JournalCache cache(journal, messages);
    if (count > 0 && input.size() % 3 == 0) {
        cache.setMemoryLimit(static_cast<std::size_t>(count) * kJournalRecordSize - 1);
        FUZZ_CHECK(!cache.load());
        FUZZ_CHECK(!messages.empty() && !cache.active());
        messages.entries.clear();
        cache.setMemoryLimit(static_cast<std::size_t>(-1));
    }
    if (count == 0) {
        if (!cache.load()) FUZZ_CHECK(messages.entries.size() == 1);
        FUZZ_CHECK(!input.empty() || !cache.active());
        return;
    }
    FUZZ_CHECK(cache.load());
    checkCacheMatchesFile(journal, cache);

    // A booking added at the end lands after the last record; a journal with a torn tail is not written.
    const ledger::BookingTexts added{"31.12", "F1", " 1000", " 8400", "Fuzz", format("%11.2f", 119.0),
                                     format("%5.2f", 19.0)};
    if (input.size() % kJournalRecordSize != 0) {
        FUZZ_CHECK(!journal.writeBooking(count, added));
        FUZZ_CHECK(readBytes(path) == input);
        return;
    }
    FUZZ_CHECK(journal.writeBooking(count, added));
    FUZZ_CHECK(journal.count() == count + 1);
    checkCacheMatchesFile(journal, cache);
    FUZZ_CHECK(journal.readBooking(count + 1));
    FUZZ_CHECK(ledger::textsOf(journal.current()).text == std::string("Fuzz").append(21, ' '));

    // Booking 1 deleted: the later ones move up by one, in the file and in the cache.
    FUZZ_CHECK(journal.removeBookings(2, 1));
    FUZZ_CHECK(journal.count() == count);
    const std::string now = readBytes(path);
    FUZZ_CHECK(now.substr(0, (count - 1) * kJournalRecordSize) ==
               input.substr(kJournalRecordSize, (count - 1) * kJournalRecordSize));
    checkCacheMatchesFile(journal, cache);
    FUZZ_CHECK(messages.empty());
}

}  // namespace
}  // namespace tellmark::fuzzing::journal

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::journal::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
