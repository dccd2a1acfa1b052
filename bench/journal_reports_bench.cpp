// The reports from the journal on the realistic booking year of a million bookings (and 100,000 for quick
// runs, --benchmark_filter=/100000/), the circle opened once, each report written into the print file.
// Targets at a million:
//   - journal printout of the whole year (01.01 to 31.13):            under 1.5 s
//   - cash book of the busiest cash account, the whole year:          under 0.5 s
//     (the till 1000; one scan of each month, its bookings sorted by day)
//   - bookings of a busy account (the main bank, 1200):               under 1 s

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "circles/document.h"
#include "ledger/journal_record.h"
#include "realistic_books.h"
#include "reports/account_bookings_report.h"
#include "reports/cash_book_report.h"
#include "reports/journal_report.h"
#include "reports/print_file.h"

namespace {

using namespace tellmark;
using bench::RealisticBooks;

std::unique_ptr<circles::CVt36Doc> openBooks(RealisticBooks& books, benchmark::State& state) {
    auto doc = std::make_unique<circles::CVt36Doc>(books.messages, books.progress);
    doc->readProgramConfig();
    if (doc->openCircle(1) != 1) state.SkipWithError("the circle did not open");
    return doc;
}

reports::JournalReportBooks bundle(circles::CVt36Doc& doc, RealisticBooks& books) {
    return reports::JournalReportBooks{doc.journal(),      doc.journalIndex(), doc.reportCursor(), doc.accountIndex(),
                                       doc.settings(),     books.messages,     books.progress};
}

reports::ReportRequest request() {
    reports::ReportRequest r;
    r.printDay = 31;
    r.printMonth = 12;
    r.printYear = 2009;
    return r;
}

// The number of bookings of each account of the journal, as debit or credit account.
std::map<int, long> bookingsPerAccount(ledger::Journal& journal) {
    std::map<int, long> counts;
    std::vector<char> block(4096 * ledger::kJournalRecordSize);
    for (long at = 0; at < journal.count();) {
        const long got = journal.readRecords(at, 4096, block.data());
        if (got <= 0) break;
        for (long i = 0; i < got; ++i) {
            const ledger::ParsedBooking b = ledger::parseJournalRecord(block.data() + i * ledger::kJournalRecordSize, 3);
            ++counts[b.debitNumber];
            if (b.creditNumber != b.debitNumber) ++counts[b.creditNumber];
        }
        at += got;
    }
    return counts;
}

// The busiest account from first to last.
int busiest(const std::map<int, long>& counts, int first, int last) {
    int best = 0;
    long most = -1;
    for (const auto& [account, count] : counts)
        if (account >= first && account <= last && count > most) best = account, most = count;
    return best;
}

std::int64_t printBytes(const reports::PrintFile& print) { return static_cast<std::int64_t>(print.state().byteOffset); }

void BM_JournalPrintout(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    reports::JournalReportBooks report = bundle(*doc, books);
    reports::PrintFile print(books.directory() + "/~print~.tmp", books.messages);
    const reports::JournalOptions options{1, 1, 31, 13};
    std::int64_t bytes = 0;
    for (auto _ : state) {
        reports::ReportRequest r = request();
        reports::FillJournalRequest(r, options, reports::BookingYearOf(doc->settings()));
        if (reports::GenerateJournal(print, r, options, report) != 1) state.SkipWithError("journal failed");
        bytes += printBytes(print);
        state.counters["pages"] = r.pageCount;
    }
    state.SetBytesProcessed(bytes);
    std::filesystem::remove(print.path());
}
BENCHMARK(BM_JournalPrintout)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CashBookBusiestCashAccount(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    const std::map<int, long> counts = bookingsPerAccount(doc->journal());
    // Cash accounts of chart 03: 1000 to 1099.
    const int cash = busiest(counts, 1000, 1099);
    reports::JournalReportBooks report = bundle(*doc, books);
    reports::PrintFile print(books.directory() + "/~print~.tmp", books.messages);
    const reports::CashBookOptions options{cash, 1, 1, 31, 13};
    for (auto _ : state) {
        reports::ReportRequest r = request();
        reports::FillCashBookRequest(r, options, reports::BookingYearOf(doc->settings()));
        if (reports::GenerateCashBook(print, r, options, report) != 1) state.SkipWithError("cash book failed");
        state.counters["pages"] = r.pageCount;
    }
    state.counters["account"] = cash;
    state.counters["bookings"] = static_cast<double>(counts.at(cash));
    std::filesystem::remove(print.path());
}
BENCHMARK(BM_CashBookBusiestCashAccount)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_AccountBookingsBusyAccount(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    const std::map<int, long> counts = bookingsPerAccount(doc->journal());
    // The busiest general-ledger account that is no cash account: the main bank.
    const int account = busiest(counts, 1100, 9999);
    reports::JournalReportBooks report = bundle(*doc, books);
    reports::PrintFile print(books.directory() + "/~print~.tmp", books.messages);
    for (auto _ : state) {
        reports::ReportRequest r = request();
        if (reports::GenerateAccountBookings(print, r, {account}, report) != 1)
            state.SkipWithError("account bookings failed");
        state.counters["pages"] = r.pageCount;
    }
    state.counters["account"] = account;
    state.counters["bookings"] = static_cast<double>(counts.at(account));
    std::filesystem::remove(print.path());
}
BENCHMARK(BM_AccountBookingsBusyAccount)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
