// A realistic booking year (445 accounts, sales, payments, purchases and expenses at 19/7/0 %) at a
// million bookings, and at 100,000 for quick runs (--benchmark_filter=/100000/). Targets at a million:
//   - opening the circle, both indexes present:                          under 0.3 s
//   - opening the circle, both index files deleted and rebuilt:          under 0.3 s
//   - reorganisation:                                                    under 0.5 s
//     (one iteration; alone with --benchmark_filter=RealisticReorganisation)
//   - journal index rebuilt from the journal:                            under 0.2 s
//   - account index rebuilt from the balance file:                       under 10 ms
//   - journal listing of tellmark-cli to a file, the listing alone:      under 1 s
//   - the same as the whole command (process, open, listing):            under 1 s
//   - plain read of the whole journal file in 1 MiB blocks:              the reference; the listing
//     should stay within a small multiple of it
//   - "post --stdin" of 100,000 further bookings of the same kind:       50,000 bookings/s or more
//     (runs last: it adds to the books the other measurements use)

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "circles/document.h"
#include "ledger/journal_record.h"
#include "platform/codepage.h"
#include "realistic_journal.h"
#include "cli/journal_listing.h"
#include "posting/reorganisation.h"
#include "realistic_books.h"
#include "ui/decisions.h"

extern char** environ;

namespace {

using namespace tellmark;
using bench::RealisticBooks;

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::unique_ptr<circles::CVt36Doc> openBooks(RealisticBooks& books, benchmark::State& state) {
    auto doc = std::make_unique<circles::CVt36Doc>(books.messages, books.progress);
    doc->readProgramConfig();
    if (doc->openCircle(1) != 1) state.SkipWithError("the circle did not open");
    return doc;
}

void BM_RealisticOpen(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<circles::CVt36Doc> doc;
        state.SetIterationTime(secondsOf([&] { doc = openBooks(books, state); }));
    }
}
BENCHMARK(BM_RealisticOpen)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_RealisticOpenIndexesRebuilt(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    for (auto _ : state) {
        std::filesystem::remove(RealisticBooks::journalIndexPath());
        std::filesystem::remove(RealisticBooks::accountIndexPath());
        std::unique_ptr<circles::CVt36Doc> doc;
        state.SetIterationTime(secondsOf([&] { doc = openBooks(books, state); }));
    }
}
BENCHMARK(BM_RealisticOpenIndexesRebuilt)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_RealisticReorganisation(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    ui::NoDecisions nobody;
    for (auto _ : state) {
        const posting::ReorganisationResult result = posting::reorganise(doc->books(), nobody, books.progress);
        if (result.outcome != posting::ReorgOutcome::Done) state.SkipWithError("reorganisation failed");
    }
}
BENCHMARK(BM_RealisticReorganisation)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_RealisticJournalIndexRebuild(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    for (auto _ : state) {
        if (doc->journalIndex().rebuild() != 1) state.SkipWithError("journal index not rebuilt");
    }
}
BENCHMARK(BM_RealisticJournalIndexRebuild)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RealisticAccountIndexRebuild(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    for (auto _ : state) {
        if (doc->accountIndex().rebuild() != 1) state.SkipWithError("account index not rebuilt");
    }
}
BENCHMARK(BM_RealisticAccountIndexRebuild)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_RealisticJournalListing(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openBooks(books, state);
    const std::string out = books.directory() + "/journal.txt";
    for (auto _ : state) {
        std::FILE* file = std::fopen(out.c_str(), "wb");
        if (!cli::listJournal(doc->journal(), 1, doc->journal().count(), file)) state.SkipWithError("listing failed");
        std::fclose(file);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(std::filesystem::file_size(out)));
    std::filesystem::remove(out);
}
BENCHMARK(BM_RealisticJournalListing)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// "tellmark-cli -C DIR journal -k 1 > FILE": the exit code, -1 when it could not be run.
int runJournalCommand(const std::string& dir, const std::string& outPath) {
    std::vector<std::string> argv{TELLMARK_CLI_PATH, "-C", dir, "journal", "-k", "1"};
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid;
    int status = -1;
    if (posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), environ) == 0) waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_RealisticJournalCommand(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    const std::string out = books.directory() + "/journal.txt";
    for (auto _ : state) {
        if (runJournalCommand(books.directory(), out) != 0) state.SkipWithError("tellmark-cli journal failed");
    }
    std::filesystem::remove(out);
}
BENCHMARK(BM_RealisticJournalCommand)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_RealisticJournalPlainRead(benchmark::State& state) {
    RealisticBooks::use(state.range(0));
    std::vector<char> block(1 << 20);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const int fd = ::open(RealisticBooks::journalPath().c_str(), O_RDONLY);
        ssize_t got;
        while ((got = ::read(fd, block.data(), block.size())) > 0) bytes += got;
        ::close(fd);
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_RealisticJournalPlainRead)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The bookings after the first `skip` of the realistic year as lines of "post --stdin", UTF-8; the two
// lines of an intra-EU acquisition are left out (their second line is the program's to make).
std::string stdinLines(long skip, long count) {
    const bench::RealisticJournal journal = bench::realisticJournal(skip + count);
    std::string lines;
    auto field = [](const std::string& text) {
        const std::size_t first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    for (long n = skip; n < journal.count; ++n) {
        const ledger::ParsedBooking b =
            ledger::parseJournalRecord(journal.records.data() + n * ledger::kJournalRecordSize, 3);
        if (b.debitNumber == 3425 || b.debitNumber == 1579) continue;
        lines += field(b.date) + ";" + field(b.document) + ";" + field(b.debit) + ";" + field(b.credit) + ";" +
                 platform::cp1252ToUtf8(field(b.text)) + ";" + field(b.amount) + ";" + field(b.rate) + "\n";
    }
    return lines;
}

// "tellmark-cli -C DIR post -k 1 --stdin < IN > OUT": the exit code, -1 when it could not be run.
int runStdinPosting(const std::string& dir, const std::string& inPath, const std::string& outPath) {
    std::vector<std::string> argv{TELLMARK_CLI_PATH, "-C", dir, "post", "-k", "1", "--stdin"};
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid;
    int status = -1;
    if (posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), environ) == 0) waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_RealisticStdinPosting(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    constexpr long kPosted = 100000;
    const std::string in = books.directory() + "/bookings.csv";
    const std::string out = books.directory() + "/posted.txt";
    const std::string lines = stdinLines(books.bookings(), kPosted);
    std::FILE* file = std::fopen(in.c_str(), "wb");
    std::fwrite(lines.data(), 1, lines.size(), file);
    std::fclose(file);
    const long lineCount = static_cast<long>(std::count(lines.begin(), lines.end(), '\n'));
    for (auto _ : state) {
        if (runStdinPosting(books.directory(), in, out) != 0) state.SkipWithError("tellmark-cli post --stdin failed");
    }
    state.counters["bookings_per_s"] =
        benchmark::Counter(static_cast<double>(lineCount) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}
BENCHMARK(BM_RealisticStdinPosting)
    ->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
