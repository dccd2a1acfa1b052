// The export for the digital tax audit on the realistic booking year of a million bookings (and 100,000
// for quick runs, --benchmark_filter=/100000/): the journal read once, all four tables written with
// index.xml and the DTD, the cash books of the till 1000 and the bank 1200 included.
// Target at a million: the whole export under 10 s.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "circles/document.h"
#include "exports/gdpdu_export.h"
#include "realistic_books.h"
#include "reports/journal_report_books.h"

namespace {

using namespace tellmark;
using bench::RealisticBooks;

void BM_GdpduExportOfTheYear(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = std::make_unique<circles::CVt36Doc>(books.messages, books.progress);
    doc->readProgramConfig();
    if (doc->openCircle(1) != 1) {
        state.SkipWithError("the circle did not open");
        return;
    }
    reports::JournalReportBooks report{doc->journal(),  doc->journalIndex(), doc->reportCursor(), doc->accountIndex(),
                                       doc->settings(), books.messages,      books.progress};
    exports::GdpduPaths paths = exports::GdpduPathsOf(doc->dataDirectory(), doc->number(), doc->settings().year);
    paths.directory = books.directory() + "/gdpdu-bench";
    const exports::GdpduOptions options{"Musterhandel GmbH", "Musterstadt", {1000, 1200}};
    std::int64_t bytes = 0;
    for (auto _ : state) {
        if (exports::ExportGdpdu(report, options, paths) != 1) state.SkipWithError("export failed");
        bytes = 0;
        for (const auto& entry : std::filesystem::directory_iterator(paths.directory))
            bytes += static_cast<std::int64_t>(entry.file_size());
    }
    state.counters["MB written"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove_all(paths.directory);
}
BENCHMARK(BM_GdpduExportOfTheYear)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
