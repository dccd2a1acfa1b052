// The VAT pre-return and the month evaluation on the realistic booking year (realistic_books.h), at a
// million bookings and at 100,000 for quick runs (--benchmark_filter=/100000/). Targets at a million:
//   - VAT pre-return for the first quarter, with its transfer file:   under 0.5 s
//   - VAT pre-return for the whole year, with the year comparison:    under 0.5 s
//   - month evaluation for December with the VAT accounts:            under 0.1 s
// Each runs on the open circle as the program runs it, print file and transfer file written to disk.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "circles/document.h"
#include "config/file_names.h"
#include "realistic_books.h"
#include "reports/journal_report_books.h"
#include "reports/month_evaluation_report.h"
#include "reports/print_file.h"
#include "reports/vat_return_report.h"

namespace {

using namespace tellmark;
using bench::RealisticBooks;

std::unique_ptr<circles::CVt36Doc> openCircle(RealisticBooks& books, benchmark::State& state) {
    auto doc = std::make_unique<circles::CVt36Doc>(books.messages, books.progress);
    doc->readProgramConfig();
    if (doc->openCircle(1) != 1) state.SkipWithError("the circle did not open");
    return doc;
}

reports::JournalReportBooks reportBooks(circles::CVt36Doc& doc) {
    return {doc.journal(), doc.journalIndex(), doc.reportCursor(), doc.accountIndex(),
            doc.settings(), doc.messages(), doc.progress()};
}

void runVatReturn(benchmark::State& state, int fromMonth, int toMonth) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openCircle(books, state);
    reports::JournalReportBooks reportInput = reportBooks(*doc);
    reports::PrintFile print(config::printFileName(doc->dataDirectory(), doc->number()), doc->messages());
    const reports::VatReturnOptions options{fromMonth, toMonth, false, true, doc->dataDirectory(), doc->number()};
    const reports::BookingYear year = reports::BookingYearOf(doc->settings());
    for (auto _ : state) {
        reports::ReportRequest request;
        reports::FillVatReturnRequest(request, options, year);
        if (reports::GenerateVatReturn(print, request, options, reportInput) != 1)
            state.SkipWithError("VAT pre-return failed");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * books.bookings() *
                            (toMonth - fromMonth + 1) / 12);
}

void BM_VatReturnQuarter(benchmark::State& state) { runVatReturn(state, 1, 3); }
BENCHMARK(BM_VatReturnQuarter)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_VatReturnYear(benchmark::State& state) { runVatReturn(state, 1, 12); }
BENCHMARK(BM_VatReturnYear)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_MonthEvaluation(benchmark::State& state) {
    RealisticBooks& books = RealisticBooks::use(state.range(0));
    auto doc = openCircle(books, state);
    reports::JournalReportBooks reportInput = reportBooks(*doc);
    reports::PrintFile print(config::printFileName(doc->dataDirectory(), doc->number()), doc->messages());
    const reports::MonthEvaluationOptions options{12, true};
    const reports::BookingYear year = reports::BookingYearOf(doc->settings());
    for (auto _ : state) {
        reports::ReportRequest request;
        reports::FillMonthEvaluationRequest(request, options, year);
        if (reports::GenerateMonthEvaluation(print, request, options, reportInput) != 1)
            state.SkipWithError("month evaluation failed");
    }
}
BENCHMARK(BM_MonthEvaluation)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
