#include "shell/report_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#ifdef TELLMARK_PRINTER
#include <QPrintDialog>
#include <QPrinter>
#endif
#include <algorithm>
#include <vector>

#include "shell/text_convert.h"

namespace tellmark::shell {

bool PrinterAvailable() {
#ifdef TELLMARK_PRINTER
    return true;
#else
    return false;
#endif
}

#ifndef TELLMARK_PRINTER
PrintResult PrintReport(reports::PrintFile&, PrintRule, const config::ProgramConfig&, ShellContext&) {
    return PrintResult::Failed;
}
#else

namespace {

QFont printFont(int twips, QFont::Weight weight) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(twips);  // the painter works in twips
    font.setWeight(weight);
    return font;
}

}  // namespace

bool PaintReport(QPrinter& printer, reports::PrintFile& printFile, PrintRule rule,
                 const config::ProgramConfig& settings) {
    const int pages = printFile.pageCount();
    if (pages < 1) return false;
    const int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = printer.resolution() / double(reports::kTwipsPerInch);
    painter.scale(scale, scale);
    const QFont normal = printFont(
        reports::PrintFontTwips(settings.fontPrintNormal, reports::kDefaultNormalFontTwips), QFont::Normal);
    const QFont narrow = printFont(
        reports::PrintFontTwips(settings.fontPrintNarrow, reports::kDefaultNarrowFontTwips), QFont::Medium);
    // Pixel-sized fonts measure in the painter's units, twips.
    const double normalAscent = QFontMetricsF(normal).ascent();
    const double narrowAscent = QFontMetricsF(narrow).ascent();
    std::vector<std::string> lines;
    bool read = true;
    for (int page = first; page <= last && read; ++page) {
        if (page > first) printer.newPage();
        read = printFile.ReadPageLines(page, lines);
        for (std::size_t i = 0; read && i < lines.size(); ++i) {
            const int index = static_cast<int>(i);
            const bool inNormal = reports::PrintsInNormalFont(index, rule);
            painter.setFont(inNormal ? normal : narrow);
            const double top = reports::LineTopTwips(settings.topMargin, index);
            painter.drawText(QPointF(reports::kLeftEdgeTwips, top + (inNormal ? normalAscent : narrowAscent)),
                             qtReportLine(reports::PrintedLine(lines[i], index, rule)));
        }
    }
    painter.end();
    return read;
}

PrintResult PrintReportOn(QPrinter& printer, reports::PrintFile& printFile, PrintRule rule,
                          const config::ProgramConfig& settings, ShellContext& context, QWidget* parent) {
    const int pages = printFile.pageCount();
    if (pages < 1) return PrintResult::Failed;
    printer.setFromTo(1, pages);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setMinMax(1, pages);
    if (context.runner.run(dialog) != QDialog::Accepted) return PrintResult::Cancelled;
    return PaintReport(printer, printFile, rule, settings) ? PrintResult::Printed : PrintResult::Failed;
}

PrintResult PrintReport(reports::PrintFile& printFile, PrintRule rule, const config::ProgramConfig& settings,
                        ShellContext& context) {
    QPrinter printer(QPrinter::HighResolution);
    return PrintReportOn(printer, printFile, rule, settings, context, context.frame);
}
#endif

}  // namespace tellmark::shell
