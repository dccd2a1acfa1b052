// Balance list and trial balance on a chart of 2,000 accounts (general accounts, customers, suppliers),
// each with an opening balance and postings in every month. Targets:
//   - balance list, narrow or wide, all accounts:   well under a second (aim: under 50 ms)
//   - balance list in name order:                   well under a second (aim: under 50 ms)
//   - trial balance over every class:               well under a second (aim: under 50 ms)

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "reports/balance_list_report.h"
#include "reports/print_file.h"
#include "reports/trial_balance_report.h"
#include "resources/format.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace {

using namespace tellmark;

constexpr int kAccounts = 2000;

// A balance file and its index in a fresh directory; the books are balanced pair by pair.
class ChartOfAccounts {
public:
    explicit ChartOfAccounts(int count) {
        std::string templ = (std::filesystem::temp_directory_path() / "tellmark-bench-XXXXXX").string();
        dir_ = ::mkdtemp(templ.data());
        const std::string balancePath = dir_ + "/B2009001.sal";
        platform::writeWholeFile(balancePath, "");
        balanceFile.open(balancePath, platform::Share::DenyWrite);
        cursor.attach(balanceFile, 0, 1, 3);

        const int general = count / 2;
        const int customers = count / 4;
        const int suppliers = count - general - customers;
        int made = 0;
        auto create = [&](int number) {
            const double amount = 10.0 + (made % 97) * 1.25;
            const double sign = made % 2 == 0 ? 1.0 : -1.0;
            cursor.createAccount(format(number < 10000 ? "%04i" : "%05i", number),
                                 format("KONTO %05i", (made * 7919) % count), 0.0);
            cursor.setSlotValue(0, sign * amount * 3);
            for (int month = 1; month <= 12; ++month) cursor.setSlotValue(month, -sign * amount / 4);
            cursor.write();
            ++made;
        };
        for (int i = 0; i < general; ++i) create(1 + i * (9999 / general));
        for (int i = 0; i < customers; ++i) create(10000 + i * (9999 / customers));
        for (int i = 0; i < suppliers; ++i) create(20000 + i * (9999 / suppliers));

        index.attach(dir_ + "/B2009001.sdx", balanceFile);
        index.rebuild();
        cursor.useIndex(index);

        settings.name = "Benchmark GmbH";
        settings.chart = 3;
        settings.year = 2009;
        settings.firstMonth = 1;
        settings.lastMonth = 12;
        settings.firstYear4 = 2009;
        settings.secondYear4 = 2009;
        settings.currency1 = "EUR";
    }
    ~ChartOfAccounts() {
        index.close();
        balanceFile.close();
        std::filesystem::remove_all(dir_);
    }

    std::string printPath() const { return dir_ + "/~print~.tmp"; }

    ui::SilentMessages messages;
    ui::NoProgress progress;
    platform::File balanceFile;
    ledger::CSalden cursor{messages};
    ledger::CSIndex index{messages, progress};
    config::CircleSettings settings;

private:
    std::string dir_;
};

void BalanceList(benchmark::State& state, bool wide, bool alphabetical) {
    ChartOfAccounts chart(kAccounts);
    reports::PrintFile print(chart.printPath(), chart.messages);
    reports::BalanceListOptions options;
    options.fromMonth = 0;
    options.toMonth = 12;
    options.wide = wide;
    options.accounts.pattern = "?????";
    options.accounts.alphabetical = alphabetical;
    reports::ReportRequest request;
    reports::FillBalanceListRequest(request, options, reports::BookingYearOf(chart.settings));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            reports::GenerateBalanceList(print, request, options, chart.cursor, chart.index, chart.settings));
    }
    state.counters["pages"] = request.pageCount;
}

void BM_BalanceListNarrow(benchmark::State& state) { BalanceList(state, false, false); }
void BM_BalanceListWide(benchmark::State& state) { BalanceList(state, true, false); }
void BM_BalanceListByName(benchmark::State& state) { BalanceList(state, false, true); }

void BM_TrialBalance(benchmark::State& state) {
    ChartOfAccounts chart(kAccounts);
    reports::PrintFile print(chart.printPath(), chart.messages);
    reports::TrialBalanceOptions options;
    options.cutOffMonth = 13;
    reports::ReportRequest request;
    reports::FillTrialBalanceRequest(request, options);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            reports::GenerateTrialBalance(print, request, options, chart.cursor, chart.index, chart.settings));
    }
    state.counters["pages"] = request.pageCount;
}

BENCHMARK(BM_BalanceListNarrow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceListWide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceListByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrialBalance)->Unit(benchmark::kMillisecond);

}  // namespace
