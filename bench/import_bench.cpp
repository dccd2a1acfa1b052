// Import of bookings into the realistic booking year. Target at a million bookings:
//   - 100,000 further bookings of the same kind imported from a file of 64-byte records, every line
//     checked and posted as one block of the books:                    20,000 lines/s or more
//   - the same lines as a semicolon-separated UTF-8 file:              20,000 lines/s or more
// Each run imports into a copy of the books, so the other measurements keep their million bookings.

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>

#include "circles/document.h"
#include "ledger/journal_record.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "realistic_books.h"
#include "realistic_journal.h"
#include "ui/decisions.h"
#include "yearend/booking_import.h"

namespace {

using namespace tellmark;

constexpr long kImported = 100000;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The bookings after the first `skip` of the realistic year; the two lines of an intra-EU acquisition
// are left out (their second line is the program's to make).
std::string importLines(long skip, long count, bool columns) {
    const bench::RealisticJournal journal = bench::realisticJournal(skip + count);
    std::string out;
    for (long n = skip; n < journal.count; ++n) {
        const char* record = journal.records.data() + n * ledger::kJournalRecordSize;
        const ledger::ParsedBooking b = ledger::parseJournalRecord(record, 3);
        if (b.debitNumber == 3425 || b.debitNumber == 1579) continue;
        if (!columns) {
            out.append(record, ledger::kJournalRecordSize);
            continue;
        }
        out += trimmed(b.date) + ";" + trimmed(b.document) + ";" + trimmed(b.debit) + ";" + trimmed(b.credit) + ";\"" +
               platform::cp1252ToUtf8(trimmed(b.text)) + "\";" + trimmed(b.amount) + ";" + trimmed(b.rate) + "\r\n";
    }
    return out;
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void BM_RealisticImport(benchmark::State& state) {
    bench::RealisticBooks& books = bench::RealisticBooks::use(state.range(0));
    const bool columns = state.range(1) != 0;
    const std::string lines = importLines(books.bookings(), kImported, columns);
    const std::filesystem::path original = books.directory();
    const std::filesystem::path copy = original.string() + "-import";
    long imported = 0;
    double cpu = 0.0;
    for (auto _ : state) {
        std::filesystem::remove_all(copy);
        std::filesystem::create_directories(copy);
        for (const char* part : {"tellmark.ini", "BK000001"})
            std::filesystem::copy(original / part, copy / part, std::filesystem::copy_options::recursive);
        std::filesystem::current_path(copy);
        platform::writeWholeFile("buchungen.txt", lines);
        {
            circles::CVt36Doc doc(books.messages, books.progress);
            doc.readProgramConfig();
            if (doc.openCircle(1) != 1) state.SkipWithError("the copied circle could not be opened");
            ui::NoDecisions nobody;
            const double cpuStart = cpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            const yearend::ImportResult result =
                yearend::importBookings(doc, "buchungen.txt", nobody, yearend::FaultHandling::Ask);
            const auto end = std::chrono::steady_clock::now();
            state.SetIterationTime(std::chrono::duration<double>(end - start).count());
            cpu += cpuSeconds() - cpuStart;
            if (result.end != yearend::ImportEnd::Done) state.SkipWithError("the import did not post every line");
            imported += result.posted;
        }
        std::filesystem::current_path(original);
        std::filesystem::remove_all(copy);
    }
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(imported), benchmark::Counter::kIsRate);
    // The processor's share alone: on a busy machine the time waits for the disk's syncs and for the CPU.
    state.counters["cpu_lines_per_s"] = static_cast<double>(imported) / cpu;
    state.counters["lines"] = static_cast<double>(imported) / static_cast<double>(state.iterations());
}
// Arguments: the books' size, and 0 for records, 1 for semicolon lines.
BENCHMARK(BM_RealisticImport)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

}  // namespace
