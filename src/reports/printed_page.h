#pragma once
// How a page of the print file stands on the sheet: one line every 240 twips (six lines per inch) from
// 1200 twips off the left edge, the first one (topMargin + 3) lines below the top. Narrow reports print
// in the normal print font; wide reports print their seven header lines in the normal font, with the
// date, sheet number and period moved left so that they fit, and their body in the narrow font. The
// printer and the PDF file both lay out their pages by these rules.

#include <string>

namespace tellmark::reports {

// How the pages of the report in the print file are printed.
enum class PrintRule { Narrow, Wide, WideBalanceList };

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kLinePitchTwips = 240;
inline constexpr int kLeftEdgeTwips = 1200;
inline constexpr int kLinesAboveFirst = 3;  // printed before "Rand oben" counts
inline constexpr int kWideHeaderLines = 7;  // lines of a wide report in the normal font
inline constexpr int kDefaultNormalFontTwips = 240;
inline constexpr int kDefaultNarrowFontTwips = 144;

// The rule of a report by its line width; the wide balance list moves its period differently.
PrintRule PrintRuleFor(int lineWidth, bool balanceList);

// Header line `lineIndex` (0-based) of a wide report as printed in the normal font: lines 0 and 1 with
// the date or sheet number from column 100 at column 56, line 3 with the period text from column 78
// at column 34 (the wide balance list: from its last "Zeitraum", 44 columns to the left), each cut after
// 67 characters. Other lines, and every line of a narrow report, unchanged.
std::string WideHeaderForPrinter(std::string line, int lineIndex, PrintRule rule);

// Whether line `lineIndex` of a page prints in the normal font (else the narrow one).
bool PrintsInNormalFont(int lineIndex, PrintRule rule);

// The line as printed: header lines of wide reports moved, every other line as it is.
std::string PrintedLine(const std::string& line, int lineIndex, PrintRule rule);

// Distance of line `lineIndex` from the top of the sheet to the top of its characters, in twips.
int LineTopTwips(int topMargin, int lineIndex);

// A print font height from its setting ("Font Prn normal", "Font Prn schmal"), in twips; the default
// when the setting is no positive number.
int PrintFontTwips(const std::string& setting, int fallback);

}  // namespace tellmark::reports
