// Journal sort and journal search on the realistic booking year (realistic_journal.h), at a million
// bookings and at 100,000 for quick runs. Targets at a million:
//   - sort by month, and by day and month (backup, new journal, index):   under 2 s
//   - search through every booking without a hit (forward and backward): under 0.5 s
// The sort runs on a copy of the circle, so the other measurements keep the journal as it was entered.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "circles/document.h"
#include "entry/journal_search.h"
#include "posting/journal_sort.h"
#include "realistic_books.h"

namespace {

using namespace tellmark;

void BM_RealisticJournalSort(benchmark::State& state) {
    bench::RealisticBooks& books = bench::RealisticBooks::use(state.range(0));
    const auto order = state.range(1) != 0 ? posting::SortOrder::DaysAndMonths : posting::SortOrder::Months;
    const std::filesystem::path original = books.directory();
    const std::filesystem::path copy = original.string() + "-sort";
    for (auto _ : state) {
        std::filesystem::remove_all(copy);
        std::filesystem::create_directories(copy);
        for (const char* part : {"tellmark.ini", "BK000001"})
            std::filesystem::copy(original / part, copy / part, std::filesystem::copy_options::recursive);
        std::filesystem::current_path(copy);
        {
            circles::CVt36Doc doc(books.messages, books.progress);
            doc.readProgramConfig();
            if (doc.openCircle(1) != 1) state.SkipWithError("the copied circle could not be opened");
            posting::Books b = doc.books();
            const auto start = std::chrono::steady_clock::now();
            if (posting::sortJournal(b, order) != posting::SortOutcome::Sorted) state.SkipWithError("sort failed");
            state.SetIterationTime(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::filesystem::current_path(original);
        std::filesystem::remove_all(copy);
    }
}
// Arguments: the books' size, and 0 by month, 1 by day and month.
BENCHMARK(BM_RealisticJournalSort)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

void BM_RealisticJournalSearch(benchmark::State& state) {
    bench::RealisticBooks& books = bench::RealisticBooks::use(state.range(0));
    circles::CVt36Doc doc(books.messages, books.progress);
    doc.readProgramConfig();
    if (doc.openCircle(1) != 1) state.SkipWithError("the circle did not open");
    // A text that stands in no booking: every display line is looked at.
    const entry::SearchQuery query{"Nirgendwo", false};
    const bool backward = state.range(1) != 0;
    for (auto _ : state) {
        const long hit = backward ? entry::searchBackward(doc.journal(), query, doc.journal().count() + 1)
                                  : entry::searchForward(doc.journal(), query, 0);
        if (hit != 0) state.SkipWithError("the text was found");
    }
    state.SetItemsProcessed(state.iterations() * doc.journal().count());
}
BENCHMARK(BM_RealisticJournalSearch)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
