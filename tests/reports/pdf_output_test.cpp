#include "reports/pdf_output.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/directory.h"
#include "platform/fault_points.h"
#include "reports/page_header.h"
#include "resources/cp1252_literal.h"
#include "resources/texts_reports_output.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::reports {
namespace {

using testing::readFile;
using testing::TempDir;

// A wide report of several pages, with the characters a PDF string must escape and Windows-1252 letters.
struct WideReport {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print{dir.file("~print~.tmp"), messages};
    ReportRequest request;

    explicit WideReport(int bodyLines) {
        request.linesPerPage = 40;
        request.topMargin = 2;
        EXPECT_TRUE(print.BeginReport(request, kWideLine, 21));
        print.SetPageHeader([this](bool continued) { return header(continued); });
        EXPECT_TRUE(header(false));
        for (int i = 1; i <= bodyLines; ++i) {
            EXPECT_TRUE(print.WriteBodyLine("Zeile " + std::to_string(i) +
                                            std::string(cp<"  Müller & Söhne (Büro) 100% \\ Ärger">())));
        }
        EXPECT_TRUE(print.EndReport(request));
    }
    bool header(bool continued) {
        std::string period = "Buchungsjahr 2024";
        period.resize(78, ' ');
        period += "Zeitraum: 01.01.2024-31.12.2024";
        return print.BeginPageHeader(continued) && print.WriteLine(TitleLine("J O U R N A L", 1, 2, 2025, kWideLine)) &&
               print.WriteLine(UnderlineLine(13, '-', print.state().currentPage, kWideLine)) && print.WriteLine("") &&
               print.WriteLine(period) && print.WriteLine("") && print.WriteLine(cp<"Müller & Söhne">()) &&
               print.WriteLine("") && print.WriteLine(RulerLine(kWideLine));
    }
};

// Blanks collapsed and trimmed: text extraction keeps the order of words, not their exact columns.
std::string words(const std::string& line) {
    std::string out;
    for (const char c : line) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
        lines.push_back(text.substr(begin, end - begin));
    if (begin < text.size()) lines.push_back(text.substr(begin));
    return lines;
}

// The printed lines of a page as text extraction reads them: Windows-1252 to UTF-8, the ruler's soft
// hyphens as hyphens, blank lines left out.
std::vector<std::string> expectedText(PrintFile& print, int page, PrintRule rule) {
    std::vector<std::string> lines, out;
    EXPECT_TRUE(print.ReadPageLines(page, lines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string printed = PrintedLine(lines[i], static_cast<int>(i), rule);
        for (char& c : printed)
            if (c == '\xAD') c = '-';
        const std::string w = words(platform::cp1252ToUtf8(printed));
        if (!w.empty()) out.push_back(w);
    }
    return out;
}

TEST(PdfOutput, EveryPageOfThePrintFileWithItsLines) {
    WideReport report(40);
    ASSERT_EQ(report.print.pageCount(), 3);
    const std::string pdf = report.dir.file("bericht.pdf");
    ASSERT_EQ(WriteReportPdf(report.print, PrintRule::Wide, PrintedPageSetup{}, pdf, report.messages), 1);
    EXPECT_TRUE(report.messages.empty());
    EXPECT_FALSE(platform::fileExists(pdf + ".tmp"));

    const std::string info = testing::pdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("595.28 x 841.89 pts (A4)"), std::string::npos) << info;

    const std::string text = testing::pdfText(pdf);
    std::vector<std::string> pages;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find('\f', begin)) != std::string::npos; begin = end + 1)
        pages.push_back(text.substr(begin, end - begin));
    ASSERT_EQ(pages.size(), 3u) << text;
    for (int page = 1; page <= 3; ++page) {
        std::vector<std::string> found;
        for (const std::string& line : splitLines(pages[static_cast<std::size_t>(page) - 1]))
            if (!words(line).empty()) found.push_back(words(line));
        EXPECT_EQ(found, expectedText(report.print, page, PrintRule::Wide)) << "page " << page;
    }
    // The wide header moved into the normal font's 67 columns: date and sheet, then the period.
    EXPECT_NE(text.find("J O U R N A L"), std::string::npos);
    EXPECT_EQ(expectedText(report.print, 1, PrintRule::Wide)[0], "J O U R N A L 01.02.2025");
    EXPECT_EQ(expectedText(report.print, 2, PrintRule::Wide)[1], "------------- Blatt 02");
}

TEST(PdfOutput, CrossReferencePointsAtEveryObject) {
    WideReport report(5);
    const std::string pdf = report.dir.file("eine.pdf");
    ASSERT_EQ(WriteReportPdf(report.print, PrintRule::Narrow, PrintedPageSetup{3, 200, 120}, pdf, report.messages), 1);
    const std::string bytes = readFile(pdf);
    ASSERT_EQ(bytes.compare(0, 9, "%PDF-1.4\n"), 0);
    const std::size_t startxref = bytes.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(bytes.substr(startxref + 10));
    ASSERT_EQ(bytes.compare(xref, 5, "xref\n"), 0);
    const int objects = std::stoi(bytes.substr(xref + 7));
    EXPECT_EQ(objects, 6);  // free entry, catalog, pages, font, one page and its content
    for (int k = 1; k < objects; ++k) {
        const std::size_t entry = xref + bytes.find('\n', xref + 5) - xref + 1 + 20 * static_cast<std::size_t>(k);
        const std::size_t offset = std::stoul(bytes.substr(entry, 10));
        EXPECT_EQ(bytes.compare(offset, std::to_string(k).size() + 6, std::to_string(k) + " 0 obj"), 0) << k;
    }
    // Parentheses and backslashes escaped, letters beyond ASCII as octal bytes of Windows-1252; the
    // font sizes from the settings in points.
    EXPECT_NE(bytes.find("(Zeile 1  M\\374ller & S\\366hne \\(B\\374ro\\) 100% \\\\ \\304rger) Tj"), std::string::npos);
    EXPECT_NE(bytes.find("/F1 10.00 Tf"), std::string::npos);
    EXPECT_EQ(bytes.find("/F1 6.00 Tf"), std::string::npos);  // the narrow rule prints everything in one font
    // The first line stands (top margin + 3) lines of 12 points below the top, on its font's baseline.
    EXPECT_NE(bytes.find("1 0 0 1 60.00 " + [] {
                  char y[16];
                  std::snprintf(y, sizeof y, "%.2f", 841.89 - (6 * 240 + 0.629 * 200) / 20.0);
                  return std::string(y);
              }() + " Tm"),
              std::string::npos);
}

int g_failing = 0;
int failRenames(platform::Change change, const std::string&) {
    return change == platform::Change::Rename && g_failing-- > 0 ? EIO : platform::kProceed;
}

TEST(PdfOutput, FailureLeavesNoHalfFileAndSaysSo) {
    WideReport report(3);
    const std::string pdf = report.dir.file("alt.pdf");
    ASSERT_TRUE(platform::writeWholeFile(pdf, "altes PDF"));
    g_failing = 1;
    platform::setFaultHook(failRenames);
    EXPECT_EQ(WriteReportPdf(report.print, PrintRule::Wide, PrintedPageSetup{}, pdf, report.messages), 0);
    platform::setFaultHook(nullptr);
    EXPECT_EQ(readFile(pdf), "altes PDF");
    EXPECT_FALSE(platform::fileExists(pdf + ".tmp"));
    ASSERT_EQ(report.messages.entries.size(), 1u);
    EXPECT_EQ(report.messages.entries[0].text, text::kPdfFileWriteFailed);

    EXPECT_EQ(WriteReportPdf(report.print, PrintRule::Wide, PrintedPageSetup{}, report.dir.file("nicht/da.pdf"),
                             report.messages),
              0);
    EXPECT_EQ(report.messages.entries.size(), 2u);

    // Nothing printed yet: no pages, no file.
    ui::RecordingMessages messages;
    PrintFile empty(report.dir.file("~leer~.tmp"), messages);
    EXPECT_EQ(WriteReportPdf(empty, PrintRule::Narrow, PrintedPageSetup{}, report.dir.file("leer.pdf"), messages), 0);
    EXPECT_FALSE(platform::fileExists(report.dir.file("leer.pdf")));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, text::kPdfNoPages);
}

}  // namespace
}  // namespace tellmark::reports
