#include "shell/report_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#ifdef TELLMARK_PRINTER
#include <QPrintDialog>
#include <QPrinter>
#endif
#include <algorithm>
#include <cstdlib>

#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kLinePitch = 240;  // six lines per inch
constexpr int kLeftEdge = 1200;
constexpr int kHeaderLines = 7;  // lines of a wide report in the normal font
constexpr std::size_t kPrintedColumns = 67;

void moveColumns(std::string& line, std::size_t from, std::size_t count, std::size_t to) {
    if (from >= line.size()) return;
    const std::string part = line.substr(from, count);
    if (to + part.size() > line.size()) line.resize(to + part.size(), ' ');
    line.replace(to, part.size(), part);
}

// Height in twips from the settings text, the default when it is no number.
#ifdef TELLMARK_PRINTER
int fontHeight(const std::string& setting, int fallback) {
    const int value = std::atoi(setting.c_str());
    return value > 0 ? value : fallback;
}

QFont printFont(int twips, QFont::Weight weight) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(twips);  // the painter works in twips
    font.setWeight(weight);
    return font;
}

#endif

}  // namespace

bool PrinterAvailable() {
#ifdef TELLMARK_PRINTER
    return true;
#else
    return false;
#endif
}

std::string WideHeaderForPrinter(std::string line, int lineIndex, PrintRule rule) {
    if (rule == PrintRule::Narrow) return line;
    if (lineIndex == 0 || lineIndex == 1) {
        moveColumns(line, 100, 12, 56);
    } else if (lineIndex == 3) {
        if (rule == PrintRule::WideBalanceList) {
            const std::size_t at = line.rfind("Zeitraum");
            if (at != std::string::npos && at >= 44) moveColumns(line, at, std::string::npos, at - 44);
        } else {
            moveColumns(line, 78, 34, 34);
        }
    } else {
        return line;
    }
    if (line.size() > kPrintedColumns) line.resize(kPrintedColumns);
    return line;
}

#ifndef TELLMARK_PRINTER
PrintResult PrintReport(reports::PrintFile&, PrintRule, const config::ProgramConfig&, ShellContext&) {
    return PrintResult::Failed;
}
#else
PrintResult PrintReport(reports::PrintFile& printFile, PrintRule rule, const config::ProgramConfig& settings,
                        ShellContext& context) {
    const int pages = printFile.pageCount();
    if (pages < 1) return PrintResult::Failed;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, pages);
    QPrintDialog dialog(&printer, context.frame);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setMinMax(1, pages);
    if (context.runner.run(dialog) != QDialog::Accepted) return PrintResult::Cancelled;
    const int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;

    QPainter painter;
    if (!painter.begin(&printer)) return PrintResult::Failed;
    const double scale = printer.resolution() / double(kTwipsPerInch);
    painter.scale(scale, scale);
    const QFont normal = printFont(fontHeight(settings.fontPrintNormal, 240), QFont::Normal);
    const QFont narrow = printFont(fontHeight(settings.fontPrintNarrow, 144), QFont::Medium);
    const int width = printFile.width();
    for (int page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        for (int i = 0;; ++i) {
            std::optional<std::string> line = printFile.ReadPageLine(page, i, width);
            if (!line) break;
            const bool header = rule == PrintRule::Narrow || i < kHeaderLines;
            painter.setFont(header ? normal : narrow);
            const std::string text = header ? WideHeaderForPrinter(*line, i, rule) : *line;
            const double top = double(settings.topMargin + 3 + i) * kLinePitch;
            painter.drawText(QPointF(kLeftEdge, top + QFontMetricsF(painter.font()).ascent()), qtReportLine(text));
        }
    }
    painter.end();
    return PrintResult::Printed;
}
#endif

}  // namespace tellmark::shell
