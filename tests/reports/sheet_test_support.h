#pragma once
// What the tests of the account sheets and the collective sheets share: books posted through the posting
// engine with the sample circle's settings, and the expected lines both kinds of sheet end their pages
// with (carry-over, footer, end block), built from the printed templates.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"
#include "ui/recording_progress.h"

namespace tellmark::testing {

inline constexpr std::size_t kSheetWidth = 110;

template <typename... Args>
std::string f(const char* templ, Args... args) {
    char out[512];
    std::snprintf(out, sizeof out, templ, args...);
    return out;
}
inline std::string pad(std::string_view text, std::size_t width) {
    std::string out(text);
    out.resize(width, ' ');
    return out;
}
// Left text, right text ending at the line end.
inline std::string lr(std::string_view left, std::string_view right) {
    std::string out = pad(left, kSheetWidth);
    out.replace(kSheetWidth - right.size(), right.size(), right);
    return out;
}
inline std::string sheetRuler() { return std::string(kSheetWidth, '\xAD'); }

// A full page: two blank lines, the carry-over of both sums, a blank line and the footer.
inline std::vector<std::string> carryOver(double debit, double credit, int sheet) {
    const std::string carry = std::string(cp<"Übertrag:">()) +
                              "                                                                   %11.2f"
                              "            %11.2f";
    return {"", "", f(carry.c_str(), debit, credit), "", lr("", f("Blatt %02i+", sheet))};
}

struct SheetDate {
    int day, month, year;
};

// Ruler, sums, balance of the lines, the balance before and after the window, ruler.
inline std::vector<std::string> endBlock(double debit, double credit, SheetDate from, double before, SheetDate to) {
    auto stand = [](const char* which, SheetDate d, double balance) {
        return balance >= 0 ? f("KONTOSTAND    %-3s  %02i.%02i.%04i                                               %11.2f",
                                which, d.day, d.month, d.year, balance)
                            : f("KONTOSTAND    %-3s  %02i.%02i.%04i                                               "
                                "                       %11.2f",
                                which, d.day, d.month, d.year, -balance);
    };
    return {sheetRuler(),
            f("SUMMEN:                                                                     %11.2f            %11.2f",
              debit, credit),
            debit > credit ? f("SALDO:                                                                      %11.2f",
                               debit - credit)
                           : f("SALDO:                                                                               "
                               "              %11.2f",
                               credit - debit),
            stand("vor", from, before),
            stand("am", to, before + debit - credit),
            sheetRuler()};
}

// The print file of the lines, each blank-padded and ended with CR LF.
inline std::string printFileOf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += pad(l, kSheetWidth) + "\r\n";
    return out;
}

inline void expectSameLines(const std::string& printed, const std::vector<std::string>& lines) {
    const std::string expected = printFileOf(lines);
    const std::size_t step = kSheetWidth + 2;
    ASSERT_EQ(printed.size() % step, 0u);
    for (std::size_t at = 0; at < std::max(printed.size(), expected.size()); at += step)
        ASSERT_EQ(printed.substr(std::min(at, printed.size()), step), expected.substr(std::min(at, expected.size()), step))
            << "line " << at / step;
}

// Books of the sample circle (booking year 2009, or July 2008 to June 2009) posted through the engine.
struct SheetBooks {
    explicit SheetBooks(int chart = 3, int spanFirstMonth = 0) : b(chart, spanFirstMonth) {
        b.settings = spanFirstMonth > 1 ? sampleSpanSettings(chart, 2008, spanFirstMonth) : sampleSettings(chart, 2009);
    }
    void post(const std::string& date, const std::string& document, int debit, int credit, std::string_view text,
              double value, double rate) {
        ASSERT_EQ(posting::postNewLine(b.books, posting::testing::line(date, document,
                                                                       posting::testing::numberField(debit),
                                                                       posting::testing::numberField(credit),
                                                                       std::string(text), value, rate)),
                  1);
    }
    reports::JournalReportBooks reportBooks() {
        return {b.journal, b.journalIndex, b.report, b.accountIndex, b.settings, b.messages, progress};
    }
    // The print date of every run.
    static void printDate(reports::ReportRequest& request) {
        request.printDay = 15;
        request.printMonth = 1;
        request.printYear = 2010;
    }
    // A report of the sheet family with its request filled as its dialog fills it; printed: the print file.
    template <typename Options, typename Fill, typename Generate>
    int runReport(Options& options, reports::ReportRequest& request, std::string& printed, Fill fill,
                  Generate generate) {
        reports::PrintFile print(b.dir.file("~print~.tmp"), b.messages);
        printDate(request);
        fill(request, options, reports::BookingYearOf(b.settings));
        reports::JournalReportBooks books = reportBooks();
        const int result = generate(print, request, options, books);
        printed = readFile(print.path());
        return result;
    }

    posting::testing::OpenBooks b;
    ui::RecordingProgress progress;
};

}  // namespace tellmark::testing
