#pragma once
// The print file "~print~.tmp" and the page machinery every report generator writes through.
//
// A report is a run of fixed-width lines: (width - 2) characters, blank-padded, then CR LF, so line k of
// the file starts at byte k * width. The page table records where every page starts, so the screen
// window and the printer find any line of any page by arithmetic instead of scanning the file.
//
// Page protocol: the generator sets its page header writer (after BeginReport) and calls it once with
// continued = false for the first page. The writer calls BeginPageHeader(continued) and then writes its
// header lines with WriteLine; header lines do not count against the body-line budget. WriteBodyLine
// and NeedLines call the writer with continued = true when the page is full, which ends the page with
// its footer "Blatt NN+" and starts the next.
//
// The page table holds at most 10,000 pages. A longer report is still written in full (the text-file
// copy and the screen window, which read the whole file, show all of it); only the pages from 10,001 on
// have no page-table entries, so pageCount stays 10,000 and the printer stops there.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "reports/report_request.h"
#include "ui/messages.h"

namespace tellmark::reports {

// Line widths in bytes, CR LF included.
inline constexpr int kWideLine = 112;
inline constexpr int kNarrowLine = 67;

// Pages the page table can address.
inline constexpr int kMaxPages = 10000;

// Width class and the lines a report's header and footer take from a page (the K of the budget
// bodyLinesPerPage = linesPerPage - topMargin - K).
struct ReportLayout {
    int width;
    int reservedLines;
};

inline constexpr ReportLayout kLayoutJournal{kWideLine, 19};
inline constexpr ReportLayout kLayoutAccountSheets{kWideLine, 21};
inline constexpr ReportLayout kLayoutAccountBookings{kWideLine, 21};
inline constexpr ReportLayout kLayoutCashBook{kWideLine, 21};
inline constexpr ReportLayout kLayoutCollectiveSheets{kWideLine, 21};
inline constexpr ReportLayout kLayoutStandardBookings{kWideLine, 21};
inline constexpr ReportLayout kLayoutMonthEvaluation{kWideLine, 22};
inline constexpr ReportLayout kLayoutBalanceListWide{kWideLine, 22};
inline constexpr ReportLayout kLayoutBalanceListNarrow{kNarrowLine, 22};
inline constexpr ReportLayout kLayoutTrialBalance{kNarrowLine, 20};
inline constexpr ReportLayout kLayoutResult{kNarrowLine, 20};
inline constexpr ReportLayout kLayoutBalanceSheet{kNarrowLine, 20};
inline constexpr ReportLayout kLayoutVatReturn{kNarrowLine, 21};
inline constexpr ReportLayout kLayoutChartList{kNarrowLine, 13};
inline constexpr ReportLayout kLayoutCircleOverview{kNarrowLine, 14};

// Page state of the report being written or last written.
struct PrintState {
    // Entry 0 = 0; entry p = byte offset at which page p + 1 begins; -1 behind the last page. One entry
    // more than pages + 1, so the -1 behind page 10,000 has its place.
    std::vector<std::int64_t> pageStart;
    std::int64_t byteOffset = 0;
    int currentPage = 1;
    int headedPage = 0;
    int bodyLinesPerPage = 0;
    int linesLeft = 0;
};

class PrintFile {
public:
    // Called with continued = true when a page is full, false for the first page.
    using PageHeader = std::function<bool(bool continued)>;

    PrintFile(std::string path, ui::Messages& messages);
    ~PrintFile();
    PrintFile(const PrintFile&) = delete;
    PrintFile& operator=(const PrintFile&) = delete;

    const std::string& path() const { return path_; }
    const PrintState& state() const { return state_; }
    int width() const { return width_; }
    // Pages of the last finished report (0 before the first one).
    int pageCount() const { return pageCount_; }

    // Creates the print file afresh, resets the page state and forgets the previous header writer.
    // The budget is linesPerPage - topMargin - reservedLines, at least 1.
    bool BeginReport(const ReportRequest& request, int width, int reservedLines);
    bool BeginReport(const ReportRequest& request, ReportLayout layout) {
        return BeginReport(request, layout.width, layout.reservedLines);
    }
    void SetPageHeader(PageHeader header) { header_ = std::move(header); }

    // Appends one line: the text (a trailing CR LF of a template is dropped) blank-padded or cut to
    // width - 2, then CR LF.
    bool WriteLine(std::string_view text);
    // A body line; a full page is ended and the next one headed first.
    bool WriteBodyLine(std::string_view text);
    // Starts a new page unless n body lines are still free (for groups that must stay together).
    bool NeedLines(int n);

    // The first step of every header writer: with continued, ends the current page with
    // EndPage(linesLeft + 2) (or blanksBeforeFooter blank lines when given) and moves to the next page;
    // then marks the page headed and refills the body-line budget. footerSheet is the number the footer
    // shows; -1 shows the page number (account sheets count their sheets per account).
    bool BeginPageHeader(bool continued, int footerSheet = -1, int blanksBeforeFooter = -1);
    // Closes the current page as it stands, without blank lines or footer, and heads the next one (the
    // last sheet of an account before the next account's first).
    bool BeginPageWithoutFooter();

    // Blank lines, then the continuation footer, records where the next page starts and refills the
    // budget. The caller moves to the next page.
    bool EndPage(int blankLines, int footerSheet = -1);

    // Records the end of the last page (which has no footer), sets request.pageCount and closes the file.
    bool EndReport(ReportRequest& request);

    // Line i (from 0) of page n (from 1), width - 2 bytes; none past the page's end or for a page the
    // table does not hold.
    std::optional<std::string> ReadPageLine(int page, int line, int width);

    // Every line of page n (from 1), each width() - 2 bytes, read at once; false for a page the table
    // does not hold or when the file cannot be read (message shown).
    bool ReadPageLines(int page, std::vector<std::string>& lines);

    // Copies the whole print file into path in the text-file format (the --out file of the command line).
    int CopyPrintFileTo(const std::string& path);

private:
    bool flushBuffer();
    void fail();
    void recordPageEnd(int page);

    std::string path_;
    ui::Messages& messages_;
    platform::File file_;
    platform::File reader_;
    std::string buffer_;
    bool failed_ = false;
    int width_ = kNarrowLine;
    int pageCount_ = 0;
    int recordedPages_ = 0;  // pages whose end the table holds
    PrintState state_;
    PageHeader header_;
};

}  // namespace tellmark::reports
