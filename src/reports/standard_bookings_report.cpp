#include "reports/standard_bookings_report.h"

#include <string>

#include "config/circle_settings.h"
#include "reports/page_header.h"
#include "resources/format.h"
#include "resources/texts_standard_bookings.h"

namespace tellmark::reports {

int GenerateStandardBookingsList(PrintFile& printFile, ReportRequest& request,
                                 const std::vector<ledger::StandardBookingRecord>& records,
                                 const config::CircleSettings& settings) {
    const ReportLayout layout = kLayoutStandardBookings;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const char* currency = settings.currency1.c_str();
    const std::string title =
        TitleLine(text::kStandardListTitle, request.printDay, request.printMonth, request.printYear, width);
    const std::string yearLine = BookingYearLine(BookingYearOf(settings), width);
    const std::string columns = format(text::kStandardListColumns, currency, currency);
    const std::string ruler = RulerLine(width);

    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(UnderlineLine(text::kStandardListTitle.size(), '-',
                                                 printFile.state().currentPage, width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
               printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(columns) &&
               printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);
    double number = 0;
    for (const ledger::StandardBookingRecord& record : records) {
        if (!ok) break;
        ++number;
        const ledger::StandardBookingValues values = ledger::valuesOf(record);
        ok = printFile.WriteBodyLine(format(text::kStandardListLine, number, record.marked ? "X" : " ",
                                            record.document.c_str(), record.debit.c_str(), record.credit.c_str(),
                                            record.text.c_str(), record.amount.c_str(), record.rate.c_str(),
                                            values.vatText.c_str()));
    }
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
