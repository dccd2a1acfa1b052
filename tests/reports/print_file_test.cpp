#include "reports/print_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "reports/page_header.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::reports {
namespace {

using testing::readFile;
using testing::TempDir;

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// A report whose header is title, underline with sheet number and ruler, as the generators write it.
struct SmallReport {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print{dir.file("~print~.tmp"), messages};
    ReportRequest request;
    int width = kNarrowLine;
    bool withRuler = true;

    bool begin(int lineWidth, int linesPerPage, int topMargin, int reserved) {
        width = lineWidth;
        request.linesPerPage = linesPerPage;
        request.topMargin = topMargin;
        if (!print.BeginReport(request, width, reserved)) return false;
        print.SetPageHeader([this](bool continued) { return header(continued); });
        return header(false);
    }
    bool header(bool continued) {
        return print.BeginPageHeader(continued) && print.WriteLine(TitleLine("J O U R N A L", 1, 2, 2024, width)) &&
               print.WriteLine(UnderlineLine(13, '-', print.state().currentPage, width)) &&
               (!withRuler || print.WriteLine(RulerLine(width)));
    }
    bool body(int count) {
        for (int i = 0; i < count; ++i) {
            if (!print.WriteBodyLine("Zeile " + std::to_string(i + 1))) return false;
        }
        return true;
    }
    std::string file() const { return readFile(print.path()); }
};

const std::string kNarrowTitle = "J O U R N A L" + blanks(42) + "01.02.2024";
const std::string kNarrowRuler(65, '\xAD');

std::string narrowUnderline(const std::string& sheet) {
    return std::string(13, '-') + blanks(65 - 13 - sheet.size()) + sheet;
}
std::string bodyLine(int n) {
    std::string s = "Zeile " + std::to_string(n);
    return s + blanks(65 - s.size());
}

TEST(PrintFileTest, ExactBudgetFitsOnePageWithoutFooter) {
    SmallReport r;
    ASSERT_TRUE(r.begin(kNarrowLine, 35, 0, 20));  // 15 body lines
    EXPECT_EQ(r.print.state().bodyLinesPerPage, 15);
    ASSERT_TRUE(r.body(15));
    ASSERT_TRUE(r.print.EndReport(r.request));

    std::vector<std::string> lines{kNarrowTitle, narrowUnderline("Blatt 01"), kNarrowRuler};
    for (int i = 1; i <= 15; ++i) lines.push_back(bodyLine(i));
    EXPECT_EQ(r.file(), crlf(lines));
    EXPECT_EQ(r.request.pageCount, 1);
    EXPECT_EQ(r.print.pageCount(), 1);
    EXPECT_EQ(r.print.state().pageStart[1], 18 * 67);
    EXPECT_EQ(r.print.state().pageStart[2], -1);
    EXPECT_TRUE(r.messages.empty());
}

TEST(PrintFileTest, OneLineMoreBringsFooterAndSecondHeadedPage) {
    SmallReport r;
    ASSERT_TRUE(r.begin(kNarrowLine, 35, 0, 20));
    ASSERT_TRUE(r.body(16));
    ASSERT_TRUE(r.print.EndReport(r.request));

    std::vector<std::string> lines{kNarrowTitle, narrowUnderline("Blatt 01"), kNarrowRuler};
    for (int i = 1; i <= 15; ++i) lines.push_back(bodyLine(i));
    lines.push_back(blanks(65));
    lines.push_back(blanks(65));
    lines.push_back(blanks(56) + "Blatt 01+");
    lines.insert(lines.end(), {kNarrowTitle, narrowUnderline("Blatt 02"), kNarrowRuler, bodyLine(16)});
    EXPECT_EQ(r.file(), crlf(lines));
    EXPECT_EQ(r.request.pageCount, 2);

    // The page table finds every line of a page and nothing beyond it.
    const auto& start = r.print.state().pageStart;
    EXPECT_EQ(start[1], 21 * 67);
    EXPECT_EQ(start[2], 25 * 67);
    EXPECT_EQ(start[3], -1);
    EXPECT_EQ(r.print.ReadPageLine(1, 20, kNarrowLine), blanks(56) + "Blatt 01+");
    EXPECT_EQ(r.print.ReadPageLine(1, 21, kNarrowLine), std::nullopt);
    EXPECT_EQ(r.print.ReadPageLine(2, 0, kNarrowLine), kNarrowTitle);
    EXPECT_EQ(r.print.ReadPageLine(2, 3, kNarrowLine), bodyLine(16));
    EXPECT_EQ(r.print.ReadPageLine(2, 4, kNarrowLine), std::nullopt);
    EXPECT_EQ(r.print.ReadPageLine(3, 0, kNarrowLine), std::nullopt);
    EXPECT_EQ(r.print.ReadPageLine(0, 0, kNarrowLine), std::nullopt);
    EXPECT_TRUE(r.messages.empty());
}

TEST(PrintFileTest, EarlyBreakPutsFooterOnTheSameSheetLine) {
    SmallReport r;
    ASSERT_TRUE(r.begin(kNarrowLine, 35, 0, 20));
    ASSERT_TRUE(r.body(10));
    ASSERT_TRUE(r.print.NeedLines(5));  // 5 free: stays
    ASSERT_TRUE(r.body(1));
    ASSERT_TRUE(r.print.NeedLines(5));  // 4 free: new page
    ASSERT_TRUE(r.body(1));
    ASSERT_TRUE(r.print.EndReport(r.request));

    // Header 3 + 15 budget + 2 blanks: the footer is line 20 whether the page is full or not.
    EXPECT_EQ(r.print.ReadPageLine(1, 20, kNarrowLine), blanks(56) + "Blatt 01+");
    EXPECT_EQ(r.print.ReadPageLine(1, 12, kNarrowLine), bodyLine(10));
    EXPECT_EQ(r.print.ReadPageLine(1, 13, kNarrowLine), bodyLine(1));
    EXPECT_EQ(r.print.ReadPageLine(1, 14, kNarrowLine), blanks(65));
    EXPECT_EQ(r.print.ReadPageLine(2, 1, kNarrowLine), narrowUnderline("Blatt 02"));
    EXPECT_EQ(r.print.ReadPageLine(2, 3, kNarrowLine), bodyLine(1));
    EXPECT_EQ(r.request.pageCount, 2);
}

TEST(PrintFileTest, SheetNumbersTurnThreeDigitOnPageHundred) {
    SmallReport r;
    ASSERT_TRUE(r.begin(kWideLine, 35, 0, 34));  // one body line a page
    ASSERT_TRUE(r.body(101));
    ASSERT_TRUE(r.print.EndReport(r.request));
    ASSERT_EQ(r.request.pageCount, 101);

    const std::string dashes(13, '-');
    EXPECT_EQ(r.print.ReadPageLine(99, 0, kWideLine), "J O U R N A L" + blanks(87) + "01.02.2024");
    EXPECT_EQ(r.print.ReadPageLine(99, 1, kWideLine), dashes + blanks(89) + "Blatt 99");
    EXPECT_EQ(r.print.ReadPageLine(99, 6, kWideLine), blanks(101) + "Blatt 99+");
    EXPECT_EQ(r.print.ReadPageLine(100, 1, kWideLine), dashes + blanks(88) + "Blatt 100");
    EXPECT_EQ(r.print.ReadPageLine(100, 6, kWideLine), blanks(100) + "Blatt 100+");
    EXPECT_EQ(r.file().size(), static_cast<std::size_t>(100 * 7 + 4) * 112);
}

TEST(PrintFileTest, BodyBudgetsOfTheReports) {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print(dir.file("~print~.tmp"), messages);
    ReportRequest request;
    request.linesPerPage = 68;
    request.topMargin = 0;
    ASSERT_TRUE(print.BeginReport(request, kLayoutJournal));
    EXPECT_EQ(print.state().bodyLinesPerPage, 49);
    ASSERT_TRUE(print.BeginReport(request, kLayoutBalanceSheet));
    EXPECT_EQ(print.state().bodyLinesPerPage, 48);
    EXPECT_EQ(print.width(), kNarrowLine);
    request.topMargin = 3;
    ASSERT_TRUE(print.BeginReport(request, kLayoutJournal));
    EXPECT_EQ(print.state().bodyLinesPerPage, 46);
    // Nonsense settings still leave room for one line a page.
    request.linesPerPage = 0;
    ASSERT_TRUE(print.BeginReport(request, kLayoutJournal));
    EXPECT_EQ(print.state().bodyLinesPerPage, 1);
}

TEST(PrintFileTest, LinesArePaddedOrCutAndTemplateLineEndsDropped) {
    SmallReport r;
    ASSERT_TRUE(r.print.BeginReport(r.request, kNarrowLine, 20));
    ASSERT_TRUE(r.print.WriteLine("kurz\r\n"));
    ASSERT_TRUE(r.print.WriteLine(std::string(70, 'x')));
    ASSERT_TRUE(r.print.WriteLine(cp<"Übertrag">()));
    ASSERT_TRUE(r.print.EndReport(r.request));
    EXPECT_EQ(r.file(), crlf({"kurz" + blanks(61), std::string(65, 'x'), std::string(cp<"Übertrag">()) + blanks(57)}));
    EXPECT_EQ(r.print.state().byteOffset, 3 * 67);
}

TEST(PrintFileTest, PageTableStopsAtTenThousandPages) {
    SmallReport r;
    r.withRuler = false;
    ASSERT_TRUE(r.begin(kNarrowLine, 35, 0, 34));  // one body line a page
    ASSERT_TRUE(r.body(10003));
    ASSERT_TRUE(r.print.EndReport(r.request));

    EXPECT_EQ(r.request.pageCount, kMaxPages);
    EXPECT_EQ(r.print.pageCount(), kMaxPages);
    const std::int64_t page = 6 * 67;  // title, underline, body, 2 blanks, footer
    const auto& start = r.print.state().pageStart;
    EXPECT_EQ(start.size(), static_cast<std::size_t>(kMaxPages) + 2);
    EXPECT_EQ(start[kMaxPages], kMaxPages * page);
    EXPECT_EQ(start[kMaxPages + 1], -1);
    EXPECT_EQ(r.print.ReadPageLine(1000, 1, kNarrowLine), std::string(13, '-') + blanks(42) + "Blatt 1000");
    EXPECT_EQ(r.print.ReadPageLine(kMaxPages, 2, kNarrowLine), bodyLine(10000));
    EXPECT_EQ(r.print.ReadPageLine(kMaxPages, 5, kNarrowLine), blanks(53) + "Blatt 10000+");
    EXPECT_EQ(r.print.ReadPageLine(kMaxPages + 1, 0, kNarrowLine), std::nullopt);
    // The pages past the table are written all the same.
    EXPECT_EQ(r.file().size(), static_cast<std::size_t>(10002 * page + 3 * 67));
    EXPECT_TRUE(r.messages.empty());
}

TEST(PrintFileTest, PrintFileThatCannotBeCreated) {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print(dir.file("fehlt/~print~.tmp"), messages);
    ReportRequest request;
    EXPECT_FALSE(print.BeginReport(request, kLayoutJournal));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, cp<"Temporäre Datei konnte nicht angelegt werden !">());
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
    // A generator that goes on regardless gets failures, and no second message.
    EXPECT_FALSE(print.WriteLine("x"));
    EXPECT_FALSE(print.EndReport(request));
    EXPECT_EQ(messages.entries.size(), 1u);
}

TEST(PrintFileTest, WriteErrorIsReportedOnceAndFailsTheReport) {
    SmallReport r;
    ASSERT_TRUE(r.print.BeginReport(r.request, kWideLine, 19));

    // Let the file grow to 100,000 bytes only: writes beyond fail as on a full disk.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 100000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    int written = 0;
    while (written < 5000 && r.print.WriteLine("Buchung")) ++written;
    const bool ended = r.print.EndReport(r.request);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_LT(written, 5000);
    EXPECT_FALSE(ended);
    EXPECT_EQ(r.request.pageCount, 0);
    ASSERT_EQ(r.messages.entries.size(), 1u);
    EXPECT_EQ(r.messages.last().text, cp<"Fehler beim Schreiben der temporären Datei !">());
    EXPECT_EQ(r.messages.last().caption, "FEHLER");
}

}  // namespace
}  // namespace tellmark::reports
