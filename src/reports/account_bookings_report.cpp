#include "reports/account_bookings_report.h"

#include <algorithm>
#include <string>

#include "reports/journal_scan.h"
#include "reports/page_header.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_journal.h"
#include "resources/texts_reports_output.h"

namespace tellmark::reports {

namespace {

// The progress window is stepped once per this many bookings.
constexpr long kBookingsPerStep = 100;

// Months of the booking year a booking may be dated in: 1 to 12 and the closing month 13.
bool DatedInYear(const ledger::ParsedBooking& booking) { return booking.month >= 1 && booking.month <= 13; }

}  // namespace

int GenerateAccountBookings(PrintFile& printFile, ReportRequest& request, const AccountBookingsOptions& options,
                            JournalReportBooks& books) {
    const ReportLayout layout = kLayoutAccountBookings;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const int account = options.account;

    const std::string title = FitLine(format(text::kAccountBookingsTitle, account), width);
    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(text::kAccountBookingsUnderline) &&
               printFile.WriteLine(text::kAccountBookingsColumns);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);

    const long count = books.journal.count();
    books.progress.start(text::kAccountBookingsProgressCaption, {}, text::kAccountBookingsProgressLine,
                         format(text::kAccountBookingsProgressAccount, static_cast<double>(account)),
                         static_cast<int>(std::max(1L, count / kBookingsPerStep)), ui::kBarEndless);
    long found = 0;
    long stepped = 0;
    JournalScan scan(books.journal, books.journalIndex);
    const bool scanned = ok && scan.scanRange(1, count, [&](const ledger::ParsedBooking& b, long n) {
        for (const long due = (n - 1) / kBookingsPerStep; stepped < due; ++stepped) {
            books.progress.step(1);
            books.progress.poll();
        }
        if (!DatedInYear(b) || (b.debitNumber != account && b.creditNumber != account)) return true;
        ++found;
        ok = printFile.WriteBodyLine(format(text::kAccountBookingsLine, b.date, b.document, b.debit, b.credit,
                                            b.text, b.amount, b.rate, b.vatAmount, static_cast<int>(n)));
        return ok;
    });
    books.progress.end();

    if (ok && !scanned) {
        books.messages.show(text::kJournalReportReadFailed, text::kCaptionError, ui::kIconStop);
        ok = false;
    }
    const bool ended = printFile.EndReport(request);
    if (ok && ended && found == 0) {
        books.messages.show(text::kNoBookingsFound, text::kCaptionInformation, ui::kIconInformation);
        return 0;
    }
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
