#pragma once
// Books for the tests of the reports from the journal: an open booking circle (posting/open_books.h)
// with the settings of the sample circle of sample_ledgers.h, its bookings posted through the posting
// engine so that journal, journal index and balances agree, and the expected lines of the wide reports.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "reports/journal_report_books.h"
#include "reports/print_file.h"
#include "reports/sample_ledgers.h"
#include "resources/format.h"
#include "ui/recording_progress.h"

namespace tellmark::reports::journal_testing {

// Visible characters of a wide line.
inline constexpr std::size_t kWide = 110;

class JournalBooks : public posting::testing::OpenBooks {
public:
    // Chart 3 or 4; firstMonth 1: booking year 2009; 7: the business year July 2008 to June 2009 (809).
    explicit JournalBooks(int chart, int firstMonth = 1) : OpenBooks(chart, firstMonth) {
        settings = firstMonth == 1 ? tellmark::testing::sampleSettings(chart, 2009)
                                   : tellmark::testing::sampleSpanSettings(chart, 2008, firstMonth);
    }

    // An account entered directly through the ledger, with its typed opening balance.
    void addAccount(int number, std::string_view name, double opening = 0.0) {
        OpenBooks::addAccount(number, std::string(name), opening);
    }

    // Posts one booking; the accounts must exist. Returns its booking number.
    long book(const std::string& date, const std::string& document, int debit, int credit, std::string_view text,
              double amount, double rate = 0.0) {
        const int posted = posting::postNewLine(
            books, posting::testing::line(date, document, posting::testing::numberField(debit),
                                          posting::testing::numberField(credit), std::string(text), amount, rate));
        EXPECT_EQ(posted, 1) << "booking " << date << " " << text << " not posted";
        return journal.count();
    }

    // An opening balance received through carry-forward postings (status '9').
    void carriedForward(int number, double amount) {
        std::string balance, name, numberText;
        ASSERT_EQ(report.findByNumber(number, balance, name, numberText), 1);
        ASSERT_EQ(report.addToMonth(0, amount, true), 1);
    }

    // Journal records written directly (large journals for page breaks); the journal index is rebuilt.
    void writeJournal(const std::vector<ledger::BookingTexts>& lines) {
        std::string bytes;
        for (const ledger::BookingTexts& l : lines) {
            const ledger::JournalRecord record = ledger::makeJournalRecord(l);
            bytes.append(record.data(), record.size());
        }
        tellmark::testing::writeFile(jouPath, bytes);
        ASSERT_EQ(journalIndex.rebuild(), 1);
    }

    JournalReportBooks bundle() {
        return JournalReportBooks{journal, journalIndex, report, accountIndex, settings, messages, recorded};
    }

    ReportRequest request(int linesPerPage = 68) const {
        ReportRequest r;
        r.printDay = 20;
        r.printMonth = 5;
        r.printYear = 2009;
        r.linesPerPage = linesPerPage;
        return r;
    }

    std::string printPath() const { return dir.file("~print~.tmp"); }

    ui::RecordingProgress recorded;
};

// A line of the print file: the text blank-padded to the width, CR LF.
inline std::string fileLine(std::string_view text) {
    std::string line(text.substr(0, std::min(text.size(), kWide)));
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) line.resize(line.size() - 2);
    line.resize(kWide, ' ');
    return line + "\r\n";
}
// Left text, right text ending at the line end.
inline std::string leftRight(std::string_view left, std::string_view right) {
    std::string line = fileLine(left);
    line.replace(kWide - right.size(), right.size(), right);
    return line;
}
inline std::string rulerLine() { return std::string(kWide, '\xAD') + "\r\n"; }
inline std::string blankLine() { return fileLine(""); }
// The continuation footer of a page.
inline std::string footerLine(int page) {
    return leftRight("", format(page < 100 ? "Blatt %02u+" : "Blatt %03u+", static_cast<unsigned>(page)));
}

// The booking year line of the sample circle with the period text at its end.
inline std::string yearLine(const config::CircleSettings& s, std::string_view period) {
    const std::string year = s.spanYear != 0 ? format("Buchungsjahr %02i.%04i-%02i.%04i", s.firstMonth, s.firstYear4,
                                                   s.lastMonth, s.secondYear4)
                                             : format("Buchungsjahr %4i", s.firstYear4);
    return leftRight(year, period);
}

// Field texts as the journal record stores them.
inline std::string document(std::string_view text) {
    std::string field(text);
    field.resize(6, ' ');
    return field;
}
inline std::string account(int number) { return posting::testing::numberField(number); }
inline std::string bookingText(std::string_view text) {
    std::string field(text);
    field.resize(25, ' ');
    return field;
}
inline std::string amount11(double value) { return format("%11.2f", value); }
inline std::string rate5(double value) { return format("%5.2f", value); }

// The lines of a print file, CR LF included.
inline std::vector<std::string> printedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size(); at += kWide + 2) lines.push_back(bytes.substr(at, kWide + 2));
    return lines;
}

// Compares line by line first, so that a failure names the line.
inline void expectLines(const std::string& bytes, const std::vector<std::string>& expected) {
    const std::vector<std::string> lines = printedLines(bytes);
    for (std::size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
    EXPECT_EQ(lines.size(), expected.size());
}

inline void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace tellmark::reports::journal_testing
