#include "reports/chart_list_report.h"

#include <string>

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "reports/page_header.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_lists.h"

namespace tellmark::reports {

namespace {

constexpr int kLastPage = 9999;

// A page of the list ends after the line written with fewer than five body lines free, and the footer
// follows after a single blank line. The print file ends a page with linesLeft + 2 blank lines; with a
// budget four lines smaller the last line of a page is the one written with no line free, which leaves
// linesLeft at -1 and so exactly one blank line before the footer.
constexpr int kPageEndMargin = 4;

struct Account {
    std::string number;
    std::string name;
};

}  // namespace

int GenerateChartOfAccountsList(PrintFile& printFile, ReportRequest& request, ledger::CSalden& cursor,
                                ledger::CSIndex& index, const config::CircleSettings& settings,
                                ui::Messages& messages) {
    const ReportLayout layout = kLayoutChartList;
    const int width = layout.width;
    bool ok = printFile.BeginReport(request, width, layout.reservedLines + kPageEndMargin);

    const std::string title =
        TitleLine(text::kChartListTitle, request.printDay, request.printMonth, request.printYear, width);
    const BookingYear bookingYear = BookingYearOf(settings);
    bool pastBudget = false;
    auto header = [&](bool continued) {
        if (pastBudget) return true;  // the last line of a page
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(
                   UnderlineLine(text::kChartListTitle.size(), '-', printFile.state().currentPage, width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(BookingYearLine(bookingYear, width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(settings.name) && printFile.WriteLine({}) &&
               printFile.WriteLine(RulerLine(width));
    };
    auto writeLine = [&](const std::string& line) {
        const bool lastOnPage = printFile.state().linesLeft < 1;
        pastBudget = lastOnPage;
        bool written = printFile.WriteBodyLine(line);
        pastBudget = false;
        if (written && lastOnPage) written = header(true);
        return written;
    };
    if (ok) {
        printFile.SetPageHeader(header);
        ok = header(false);
    }

    // The next readable account of the block in number order.
    auto nextAccount = [&](bool first, int lower, int upper, Account& account) {
        for (;;) {
            const int record = first ? index.rangeStart(lower, upper) : index.nextByNumber(upper);
            first = false;
            if (record < 0) return false;
            cursor.read(record);
            if (!cursor.loaded()) continue;
            account.number.assign(cursor.numberText());
            account.name.assign(cursor.name());
            return true;
        }
    };

    for (int block = 0; ok && block < kChartListBlocks && printFile.state().currentPage < kLastPage; ++block) {
        const int lower = block * kChartListBlockSize;
        const int upper = lower + kChartListBlockSize - 1;
        bool lines = false;
        Account left;
        Account right;
        bool more = nextAccount(true, lower, upper, left);
        while (ok && more && printFile.state().currentPage < kLastPage) {
            const bool pair = nextAccount(false, lower, upper, right);
            if (!pair) right = Account{};
            ok = writeLine(format(text::kChartListLine, left.number.c_str(), left.name.c_str(),
                                  right.number.c_str(), right.name.c_str()));
            lines = true;
            more = pair && nextAccount(false, lower, upper, left);
        }
        if (ok && lines) ok = writeLine({});
    }

    const bool ended = printFile.EndReport(request);
    if (ok && ended) return 1;
    messages.show(text::kChartListFailed, text::kCaptionError, ui::kIconStop);
    return 0;
}

}  // namespace tellmark::reports
