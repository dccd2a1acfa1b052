#include "reports/printed_page.h"

#include <cstdlib>

#include "reports/print_file.h"

namespace tellmark::reports {

namespace {

constexpr std::size_t kPrintedColumns = 67;

void moveColumns(std::string& line, std::size_t from, std::size_t count, std::size_t to) {
    if (from >= line.size()) return;
    const std::string part = line.substr(from, count);
    if (to + part.size() > line.size()) line.resize(to + part.size(), ' ');
    line.replace(to, part.size(), part);
}

}  // namespace

PrintRule PrintRuleFor(int lineWidth, bool balanceList) {
    if (lineWidth != kWideLine) return PrintRule::Narrow;
    return balanceList ? PrintRule::WideBalanceList : PrintRule::Wide;
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

bool PrintsInNormalFont(int lineIndex, PrintRule rule) {
    return rule == PrintRule::Narrow || lineIndex < kWideHeaderLines;
}

std::string PrintedLine(const std::string& line, int lineIndex, PrintRule rule) {
    return PrintsInNormalFont(lineIndex, rule) ? WideHeaderForPrinter(line, lineIndex, rule) : line;
}

int LineTopTwips(int topMargin, int lineIndex) { return (topMargin + kLinesAboveFirst + lineIndex) * kLinePitchTwips; }

int PrintFontTwips(const std::string& setting, int fallback) {
    const int value = std::atoi(setting.c_str());
    return value > 0 ? value : fallback;
}

}  // namespace tellmark::reports
