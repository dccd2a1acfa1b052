// The journal index (".jdx") from any bytes over a small journal: the input is the index file. Opening
// either takes a sound file as it stands or builds the index anew from the journal and writes it; the
// month ranges it gives are never reversed, and noting a new or removed booking writes a file that the
// next open takes as it stands.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "ledger/journal_record.h"
#include "resources/format.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::fuzzing::journal_index {
namespace {

using ledger::CJIndex;
using ledger::kJournalIndexMonths;

struct Span {
    long first;
    long last;
};
using Table = std::array<Span, kJournalIndexMonths + 1>;

std::string booking(const char* date, const char* text) {
    const ledger::JournalRecord r = ledger::makeJournalRecord(
        {date, "1", " 1000", " 8400", text, format("%11.2f", 100.0), format("%5.2f", 19.0)});
    return std::string(r.data(), r.size());
}

// Nine bookings: January out of order, a damaged date, an empty date, December and the closing month.
std::string journalFile() {
    return booking("03.01", "Jan") + booking("15.01", "Jan") + booking("01.02", "Feb") + booking("xx.yy", "kaputt") +
           booking("28.02", "Feb") + booking("10.01", "Jan nachgetragen") + booking("31.12", "Dez") +
           booking("31.13", "Abschluss") + booking("     ", "ohne Datum");
}

// The table that journal gives, month by month.
Table builtTable() {
    Table t{};
    t[1] = {1, 6};
    t[2] = {3, 5};
    t[12] = {7, 7};
    t[13] = {8, 8};
    return t;
}

Table tableOf(const CJIndex& index) {
    Table t{};
    for (int m = 1; m <= kJournalIndexMonths; ++m) t[m] = {index.first(m), index.last(m)};
    return t;
}

bool sameTable(const Table& a, const Table& b) {
    for (int m = 1; m <= kJournalIndexMonths; ++m)
        if (a[m].first != b[m].first || a[m].last != b[m].last) return false;
    return true;
}

void checkRanges(const CJIndex& index) {
    for (int m = 1; m <= kJournalIndexMonths; ++m) {
        FUZZ_CHECK((index.first(m) == 0) == (index.last(m) == 0));
        FUZZ_CHECK(index.first(m) >= 0 && index.first(m) <= index.last(m));
    }
    for (int a = 0; a <= 14; ++a) {
        for (int b = a; b <= 14; ++b) {
            const ledger::BookingRange r = index.rangeOfMonths(a, b);
            FUZZ_CHECK((r.first == 65534 && r.last == 1) || (r.first >= 1 && r.first <= r.last));
        }
    }
    for (int firstMonth = 1; firstMonth <= 12; ++firstMonth) {
        const ledger::BookingRange r = index.rangeOfBusinessMonths(firstMonth, firstMonth == 1 ? 12 : firstMonth - 1,
                                                                   firstMonth, firstMonth == 1 ? 0 : 1);
        FUZZ_CHECK((r.first == 65534 && r.last == 1) || (r.first >= 1 && r.first <= r.last));
    }
}

void run(std::string_view input) {
    const std::string& dir = scratchDir("journal_index");
    const std::string journalPath = dir + "/B2009001.jou";
    const std::string indexPath = dir + "/B2009001.jdx";
    writeBytes(journalPath, journalFile());
    writeBytes(indexPath, input);

    ui::RecordingMessages messages;
    ui::NoProgress progress;
    ledger::Journal journal(messages);
    FUZZ_CHECK(journal.open(journalPath));

    CJIndex index(messages, progress);
    index.attach(indexPath, journal);
    FUZZ_CHECK(index.open() == 1);
    // Only the first 112 bytes are read and written; bytes behind them are left alone.
    const std::string onDisk = readBytes(indexPath);
    if (onDisk == input) {
        // Taken as it stands: exactly the ranges of the file.
        FUZZ_CHECK(input.size() >= ledger::kJournalIndexSize);
        Table fromFile{};
        for (int m = 1; m <= kJournalIndexMonths; ++m) fromFile[m] = {int32At(input, 8 * m), int32At(input, 8 * m + 4)};
        FUZZ_CHECK(sameTable(tableOf(index), fromFile));
    } else {
        const auto image = index.image();
        FUZZ_CHECK(onDisk == std::string_view(image.data(), image.size()));
        FUZZ_CHECK(sameTable(tableOf(index), builtTable()));
    }
    checkRanges(index);

    // A booking added in April and booking 3 removed, each written at once.
    const long count = journal.count();
    FUZZ_CHECK(journal.writeBooking(count, {"05.04", "2", " 1200", " 1000", "Apr", "     100.00", "19.00"}));
    index.noteBooking(count, 4);
    FUZZ_CHECK(index.first(4) >= 1 && index.first(4) <= count + 1 && index.last(4) >= count + 1);
    FUZZ_CHECK(index.write() == 1);
    // Booking 3 deleted as the posting engine deletes it: the journal loses the record, the index notes it.
    FUZZ_CHECK(journal.removeBookings(4, 3));
    index.noteRemoval(3);
    FUZZ_CHECK(index.write() == 1);
    checkRanges(index);
    const Table written = tableOf(index);
    const auto image = index.image();
    FUZZ_CHECK(readBytes(indexPath).substr(0, image.size()) == std::string_view(image.data(), image.size()));
    index.close();

    CJIndex again(messages, progress);
    again.attach(indexPath, journal);
    FUZZ_CHECK(again.open() == 1);
    FUZZ_CHECK(sameTable(tableOf(again), written));

    // Rebuilt, it is the journal's table again: each month from its first to its last booking.
    again.close();
    FUZZ_CHECK(again.rebuild() == 1);
    Table rebuilt{};
    for (long n = 1; n <= journal.count(); ++n) {
        FUZZ_CHECK(journal.readBooking(n));
        const int month = journal.current().month;
        if (month < 1 || month > kJournalIndexMonths) continue;
        if (rebuilt[month].first == 0) rebuilt[month].first = n;
        rebuilt[month].last = n;
    }
    FUZZ_CHECK(sameTable(tableOf(again), rebuilt));
    FUZZ_CHECK(messages.empty());
}

}  // namespace
}  // namespace tellmark::fuzzing::journal_index

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::journal_index::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
