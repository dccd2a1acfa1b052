#include "reports/circle_overview_report.h"

#include "config/circle_settings.h"
#include "reports/page_header.h"
#include "resources/format.h"
#include "resources/texts_reports_output.h"

namespace tellmark::reports {

CircleOverviewEntry CircleOverviewEntryOf(int number, const config::CircleSettings& settings) {
    CircleOverviewEntry e;
    e.number = number;
    e.name = settings.name;
    e.currency = settings.currency1;
    e.vat = settings.vatOn != 0;
    e.cashBasis = settings.cashBasis != 0;
    e.year = settings.year;
    e.chart = settings.chart;
    return e;
}

int PrintCircleOverview(PrintFile& printFile, ReportRequest& request, const std::vector<CircleOverviewEntry>& circles) {
    const ReportLayout layout = kLayoutCircleOverview;
    if (!printFile.BeginReport(request, layout)) return 0;

    const std::string title = TitleLine(text::kCircleOverviewTitle, request.printDay, request.printMonth,
                                        request.printYear, layout.width);
    auto header = [&printFile, &title, layout](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(UnderlineLine(text::kCircleOverviewTitle.size(), '-',
                                                 printFile.state().currentPage, layout.width)) &&
               printFile.WriteLine(text::kCircleOverviewProduct);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);

    for (const CircleOverviewEntry& c : circles) {
        if (!ok) break;
        ok = printFile.NeedLines(2) &&
             printFile.WriteBodyLine(format(text::kCircleOverviewName, c.number, c.name.c_str())) &&
             printFile.WriteBodyLine(format(text::kCircleOverviewDetails, c.currency.c_str(), c.vat ? 'J' : 'N',
                                            c.cashBasis ? 'J' : 'N', c.year, c.chart));
    }
    // The file is closed in every case; a failed run has shown its message already.
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
