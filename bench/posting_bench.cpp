// Bookings on large books. Targets (one booking year of a million bookings):
//   - posting one booking:                well under 1 ms, and independent of the journal's length
//   - opening the circle, journal index rebuilt from the journal:   under 1 s
//   - deleting the first booking (the whole journal moves up):      under 1 s
//   - loading the journal cache:                                    under 2 s
//   - opening the circle with the integrity checks of journal and balance file, indexes present:
//                                                                   under 0.3 s (warm caches)
//   - opening with both index files rebuilt:                        under 0.3 s
//   - reorganisation (reposting in memory, balance file written once): under 0.5 s

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "entry/typed_booking.h"
#include "ledger/journal_cache.h"
#include "ledger/journal_record.h"
#include "platform/file.h"
#include "posting/posting_engine.h"
#include "posting/reorganisation.h"
#include "ui/decisions.h"
#include "resources/format.h"

namespace {

using namespace tellmark;

constexpr long kMillion = 1000000;

// A booking circle in a fresh directory with a chart of a few accounts and `bookings` journal records
// written straight into the journal (their balances do not matter for these measurements).
class LargeBooks {
public:
    explicit LargeBooks(long bookings) {
        std::string templ = (std::filesystem::temp_directory_path() / "tellmark-bench-XXXXXX").string();
        dir_ = ::mkdtemp(templ.data());
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        circles::CircleCreateFields fields;
        fields.name = "Benchmark";
        fields.year = "2009";
        circles::createCircleSettings("", 1, fields, messages_);
        {
            circles::CVt36Doc doc(messages_, progress_);
            doc.readProgramConfig();
            doc.openCircle(1, circles::MissingLedger::CreateNew);
            for (const char* n : {" 1000", " 1200", " 4930", " 8400"}) doc.debitCursor().createAccount(n, "KONTO", 0.0);
            doc.accountIndex().rebuild();
        }
        std::string records;
        records.reserve(static_cast<std::size_t>(bookings) * ledger::kJournalRecordSize);
        for (long i = 0; i < bookings; ++i) {
            ledger::BookingTexts t{format("%02i.%02i", static_cast<int>(i % 28) + 1, static_cast<int>(i * 12 / bookings) + 1),
                                   "", " 1200", " 8400", "Umsatz", "     119.00", "19.00"};
            auto r = ledger::makeJournalRecord(t);
            records.append(r.data(), r.size());
        }
        platform::writeWholeFile("BK000001/B2009001.jou", records);
        std::filesystem::remove("BK000001/B2009001.jdx");
    }
    ~LargeBooks() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    ui::SilentMessages messages_;
    ui::NoProgress progress_;

private:
    std::string dir_;
    std::filesystem::path previous_;
};

void BM_PostOneBookingIntoAMillion(benchmark::State& state) {
    LargeBooks books(kMillion);
    circles::CVt36Doc doc(books.messages_, books.progress_);
    doc.readProgramConfig();
    doc.openCircle(1);
    entry::TypedBooking typed{"15.06", "", "1200", "8400", "Umsatz", "119.00", "19", posting::BookingKind::Normal, "", ""};
    for (auto _ : state) benchmark::DoNotOptimize(entry::postTypedBooking(doc, typed));
}
BENCHMARK(BM_PostOneBookingIntoAMillion)->Unit(benchmark::kMicrosecond);

void BM_OpenWithJournalIndexRebuild(benchmark::State& state) {
    LargeBooks books(kMillion);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove("BK000001/B2009001.jdx");
        circles::CVt36Doc doc(books.messages_, books.progress_);
        doc.readProgramConfig();
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc.openCircle(1));
    }
}
BENCHMARK(BM_OpenWithJournalIndexRebuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DeleteFirstOfAMillion(benchmark::State& state) {
    LargeBooks books(kMillion);
    circles::CVt36Doc doc(books.messages_, books.progress_);
    doc.readProgramConfig();
    doc.openCircle(1);
    posting::Books b = doc.books();
    for (auto _ : state) benchmark::DoNotOptimize(posting::deleteBooking(b, 1));
}
BENCHMARK(BM_DeleteFirstOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadJournalCacheOfAMillion(benchmark::State& state) {
    LargeBooks books(kMillion);
    circles::CVt36Doc doc(books.messages_, books.progress_);
    doc.readProgramConfig();
    doc.openCircle(1);
    for (auto _ : state) {
        ledger::JournalCache cache(doc.journal(), books.messages_);
        benchmark::DoNotOptimize(cache.load());
        cache.release();
    }
}
BENCHMARK(BM_LoadJournalCacheOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenAMillionWithChecks(benchmark::State& state) {
    LargeBooks books(kMillion);
    {
        circles::CVt36Doc first(books.messages_, books.progress_);
        first.readProgramConfig();
        first.openCircle(1);  // builds the journal index once
    }
    for (auto _ : state) {
        circles::CVt36Doc doc(books.messages_, books.progress_);
        doc.readProgramConfig();
        benchmark::DoNotOptimize(doc.openCircle(1));
    }
}
BENCHMARK(BM_OpenAMillionWithChecks)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenAMillionBothIndexesRebuilt(benchmark::State& state) {
    LargeBooks books(kMillion);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove("BK000001/B2009001.jdx");
        std::filesystem::remove("BK000001/B2009001.sdx");
        circles::CVt36Doc doc(books.messages_, books.progress_);
        doc.readProgramConfig();
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc.openCircle(1));
    }
}
BENCHMARK(BM_OpenAMillionBothIndexesRebuilt)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReorganiseAMillion(benchmark::State& state) {
    LargeBooks books(kMillion);
    circles::CVt36Doc doc(books.messages_, books.progress_);
    doc.readProgramConfig();
    doc.openCircle(1);
    ui::NoDecisions nobody;
    for (auto _ : state) benchmark::DoNotOptimize(posting::reorganise(doc.books(), nobody, books.progress_).outcome);
}
BENCHMARK(BM_ReorganiseAMillion)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ReadAMillionBookingsPlain(benchmark::State& state) {
    LargeBooks books(kMillion);
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(platform::readWholeFile("BK000001/B2009001.jou", bytes));
    }
}
BENCHMARK(BM_ReadAMillionBookingsPlain)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
