// The account sheets and the collective account sheets of the realistic booking year (realistic_journal.h)
// at a million bookings, and at 100,000 for quick runs (--benchmark_filter=/100000/). Targets at a million:
//   - account sheets of every account, the whole year:      under 3 s
//   - the sheet of one bank account, the whole year:        under 1 s (one pass over the journal)
//   - collective sheet of all customers (1????):            under 3 s
//   - collective sheet of the whole chart (?????):          under 3 s
// The counters give the print file's size and the resident memory the run took beyond what the open books
// already held (peak_extra_MB).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "circles/document.h"
#include "realistic_books.h"
#include "reports/account_sheets_report.h"
#include "reports/collective_sheets_report.h"
#include "reports/journal_report_books.h"
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

reports::JournalReportBooks reportBooks(circles::CVt36Doc& doc, RealisticBooks& books) {
    return {doc.journal(), doc.journalIndex(), doc.reportCursor(), doc.accountIndex(), doc.settings(),
            books.messages, books.progress};
}

// Resident memory in MB from /proc/self/status ("VmRSS:" now, "VmHWM:" the peak since the last reset).
double statusMegabytes(const char* key) {
    std::FILE* file = std::fopen("/proc/self/status", "r");
    if (file == nullptr) return 0;
    char line[256];
    double kb = 0;
    const std::size_t length = std::strlen(key);
    while (std::fgets(line, sizeof line, file) != nullptr)
        if (std::strncmp(line, key, length) == 0) kb = std::atof(line + length);
    std::fclose(file);
    return kb / 1024.0;
}

// Sets the peak back to what is resident now, so that the peak after a run is the run's own.
double resetPeak() {
    if (std::FILE* file = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", file);
        std::fclose(file);
    }
    return statusMegabytes("VmRSS:");
}

void countersAfter(benchmark::State& state, const std::string& printPath, double residentBefore) {
    state.counters["print_MB"] = static_cast<double>(std::filesystem::file_size(printPath)) / 1e6;
    state.counters["peak_extra_MB"] = statusMegabytes("VmHWM:") - residentBefore;
}

void runAccountSheets(benchmark::State& state, int from, int to) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    const std::string printPath = books.directory() + "/~print~.tmp";
    reports::PrintFile print(printPath, books.messages);
    reports::JournalReportBooks reportsBooks = reportBooks(*doc, books);
    reports::AccountSheetsOptions options;
    options.accountFrom = from;
    options.accountTo = to;
    const double resident = resetPeak();
    for (auto _ : state) {
        reports::ReportRequest request;
        reports::FillAccountSheetsRequest(request, options, reports::BookingYearOf(doc->settings()));
        if (reports::GenerateAccountSheets(print, request, options, reportsBooks) != 1)
            state.SkipWithError("account sheets failed");
        state.counters["pages"] = request.pageCount;
    }
    countersAfter(state, printPath, resident);
}

void BM_AccountSheetsEveryAccount(benchmark::State& state) { runAccountSheets(state, 1, 29999); }
BENCHMARK(BM_AccountSheetsEveryAccount)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_AccountSheetsOneBank(benchmark::State& state) { runAccountSheets(state, 1200, 1200); }
BENCHMARK(BM_AccountSheetsOneBank)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void runCollectiveSheets(benchmark::State& state, const char* group) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    const std::string printPath = books.directory() + "/~print~.tmp";
    reports::PrintFile print(printPath, books.messages);
    reports::JournalReportBooks reportsBooks = reportBooks(*doc, books);
    reports::CollectiveSheetsOptions options;
    options.group = group;
    const double resident = resetPeak();
    for (auto _ : state) {
        reports::ReportRequest request;
        reports::FillCollectiveSheetsRequest(request, options, reports::BookingYearOf(doc->settings()));
        if (reports::GenerateCollectiveSheets(print, request, options, reportsBooks) != 1)
            state.SkipWithError("collective sheets failed");
        state.counters["pages"] = request.pageCount;
    }
    countersAfter(state, printPath, resident);
}

void BM_CollectiveSheetsCustomers(benchmark::State& state) { runCollectiveSheets(state, "1????"); }
BENCHMARK(BM_CollectiveSheetsCustomers)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CollectiveSheetsWholeChart(benchmark::State& state) { runCollectiveSheets(state, "?????"); }
BENCHMARK(BM_CollectiveSheetsWholeChart)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
