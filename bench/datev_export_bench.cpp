// The DATEV export of the realistic booking year of a million bookings (and 100,000 for quick runs,
// --benchmark_filter=/100000/), the circle opened once; both outputs written into a fresh directory.
// Target at a million: the whole year (01.01 to 31.13) with the opening bookings: under 5 s.
// (Release build, two shared cores: 2.8 s for a million, 0.3 s for 100,000; 341 MB written.)

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "circles/document.h"
#include "exports/datev_export.h"
#include "realistic_books.h"

namespace {

using namespace tellmark;
using bench::RealisticBooks;

void BM_DatevExportYear(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    circles::CVt36Doc doc(books.messages, books.progress);
    doc.readProgramConfig();
    if (doc.openCircle(1) != 1) {
        state.SkipWithError("the circle did not open");
        return;
    }
    exports::DatevExportRequest request;
    config::DatevData& d = request.data;
    d.adviserNumber = "29098";
    d.clientNumber = "55003";
    d.dfv = "TM";
    d.carrierNumber = "001";
    d.accountingNumber = "1";
    d.currency = "EUR";
    request.period = {1, doc.settings().firstMonth, 31, 13};
    request.openingBookings = true;
    const exports::DatevMapping mapping;
    const std::string out = books.directory() + "/datev";
    std::int64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(out);
        std::filesystem::create_directories(out);
        state.ResumeTiming();
        reports::JournalReportBooks b{doc.journal(),  doc.journalIndex(), doc.reportCursor(), doc.accountIndex(),
                                      doc.settings(), books.messages,     books.progress};
        const exports::DatevExportResult result = exports::exportDatev(b, request, mapping, out, "20260105143000000");
        if (!result.done) {
            state.SkipWithError("the export failed");
            return;
        }
        bytes = 0;
        for (const std::string& f : result.files) bytes += static_cast<std::int64_t>(std::filesystem::file_size(f));
    }
    state.counters["MB written"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove_all(out);
}
BENCHMARK(BM_DatevExportYear)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
