#pragma once
// Books for the tests of the audit export: an open booking circle with its bookings posted through the
// posting engine, an export directory in its temporary directory, and a reader of "index.xml" that tells
// each table's file and the byte ranges of its columns, so the tables can be read back by their own
// description.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "exports/gdpdu_export.h"
#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "reports/journal_report_books.h"
#include "resources/format.h"
#include "support/temp_dir.h"

namespace tellmark::exports::testing {

// The row formats of the four tables.
inline constexpr const char* kJournalRow = "%11s%-5s.%04i%-5s.%04i%6s%6s%6s%-25s%14s%5s%14s\r\n";
inline constexpr const char* kCashRow = "%6s%-5s.%04i%-5s.%04i%6s%6s%6s%-25s%14s%5s%14s%14s%14s\r\n";
inline constexpr const char* kSheetRow = "%6s%-5s.%04i%-5s.%04i%6s%6s%6s%-25s%5s%14s%14s\r\n";
inline constexpr const char* kBalanceRow = "%-6s%-25s%14s%c%14s%c%14s%c\r\n";

inline config::CircleSettings calendarSettings(int chart, int year) {
    config::CircleSettings s;
    s.name = "Musterhandel GmbH";
    s.chart = chart;
    s.year = year;
    s.firstMonthSetting = 1;
    s.vatOn = 1;
    s.currency1 = "EUR";
    s.firstMonth = 1;
    s.lastMonth = 12;
    s.firstYear4 = s.secondYear4 = year;
    s.firstYear2 = s.secondYear2 = year % 100;
    s.firstYearText = s.secondYearText = format("%02i", year % 100);
    return s;
}

inline config::CircleSettings spanSettings(int chart, int firstYear, int firstMonth) {
    config::CircleSettings s = calendarSettings(chart, firstYear);
    s.year = (firstYear % 100) * 100 + (firstYear + 1) % 100;
    s.firstMonthSetting = firstMonth;
    s.spanYear = 1;
    s.firstMonth = firstMonth;
    s.lastMonth = firstMonth - 1;
    s.secondYear4 = firstYear + 1;
    s.secondYear2 = (firstYear + 1) % 100;
    s.secondYearText = format("%02i", (firstYear + 1) % 100);
    return s;
}

class ExportBooks : public posting::testing::OpenBooks {
public:
    explicit ExportBooks(const config::CircleSettings& circle)
        : OpenBooks(circle.chart, circle.spanYear != 0 ? circle.firstMonth : 0) {
        settings = circle;
        paths.directory = dir.file("GDPdU/" + format("%04i", circle.year));
        paths.storedYear = circle.year;
        paths.dtdSource = std::string(TELLMARK_SOURCE_DIR) + "/progdata/gdpdu-01-08-2002.dtd";
    }

    long book(const std::string& date, const std::string& doc, int debit, int credit, std::string_view text,
              double amount, double rate = 0.0) {
        const int posted = posting::postNewLine(
            books, posting::testing::line(date, doc, posting::testing::numberField(debit),
                                          posting::testing::numberField(credit), std::string(text), amount, rate));
        EXPECT_EQ(posted, 1) << "booking " << date << " " << text << " not posted";
        return journal.count();
    }

    int exportWith(const GdpduOptions& options) {
        reports::JournalReportBooks bundle{journal, journalIndex, report, accountIndex, settings, messages, progress};
        return ExportGdpdu(bundle, options, paths);
    }

    std::string table(std::string_view suffix) const {
        return tellmark::testing::readFile(paths.directory + "/" + format("%04i", paths.storedYear) + std::string(suffix));
    }
    bool exists(const std::string& name) const { return tellmark::testing::fileExists(paths.directory + "/" + name); }
    std::string indexXml() const { return tellmark::testing::readFile(paths.directory + "/index.xml"); }

    GdpduPaths paths;
};

// What index.xml says of one column and one table.
struct DescribedColumn {
    std::string name;
    std::string kind;  // "Numeric", "AlphaNumeric", "Date"
    int accuracy = -1;
    int from = 0;
    int to = 0;
};
struct DescribedTable {
    std::string url;
    std::string name;
    std::vector<DescribedColumn> columns;
};

inline std::string between(const std::string& text, std::size_t from, const std::string& open, const std::string& close,
                           std::size_t* end = nullptr) {
    const std::size_t a = text.find(open, from);
    if (a == std::string::npos) return {};
    const std::size_t b = text.find(close, a + open.size());
    if (b == std::string::npos) return {};
    if (end) *end = b + close.size();
    return text.substr(a + open.size(), b - a - open.size());
}

inline std::vector<DescribedTable> describedTables(const std::string& xml) {
    std::vector<DescribedTable> tables;
    for (std::size_t at = xml.find("<Table>"); at != std::string::npos; at = xml.find("<Table>", at + 1)) {
        const std::string block = between(xml, at, "<Table>", "</Table>");
        DescribedTable table;
        table.url = between(block, 0, "<URL>", "</URL>");
        table.name = between(block, 0, "<Name>", "</Name>");
        std::size_t pos = 0;
        for (std::size_t c = block.find("<FixedColumn>"); c != std::string::npos;
             c = block.find("<FixedColumn>", pos)) {
            const std::string column = between(block, c, "<FixedColumn>", "</FixedColumn>", &pos);
            DescribedColumn d;
            d.name = between(column, 0, "<Name>", "</Name>");
            d.kind = column.find("<Numeric>") != std::string::npos  ? "Numeric"
                     : column.find("<Date>") != std::string::npos ? "Date"
                                                                   : "AlphaNumeric";
            if (d.kind == "Numeric") d.accuracy = std::atoi(between(column, 0, "<Accuracy>", "</Accuracy>").c_str());
            d.from = std::atoi(between(column, 0, "<From>", "</From>").c_str());
            d.to = std::atoi(between(column, 0, "<To>", "</To>").c_str());
            table.columns.push_back(d);
        }
        tables.push_back(table);
    }
    return tables;
}

// The rows of a table, each split by the ranges index.xml gives, keyed by column name.
using Row = std::map<std::string, std::string>;
inline std::vector<Row> readBack(const DescribedTable& table, const std::string& bytes) {
    std::vector<Row> rows;
    const std::size_t width = table.columns.empty() ? 0 : static_cast<std::size_t>(table.columns.back().to);
    for (std::size_t at = 0; at < bytes.size(); at += width + 2) {
        Row row;
        for (const DescribedColumn& c : table.columns)
            row[c.name] = bytes.substr(at + static_cast<std::size_t>(c.from) - 1, static_cast<std::size_t>(c.to - c.from + 1));
        rows.push_back(row);
    }
    return rows;
}

// A numeric field in German form, in cents (grouping points dropped, decimal comma).
inline long long germanCents(std::string text) {
    std::string digits;
    bool negative = false;
    for (char c : text) {
        if (c == '-') negative = true;
        else if (c >= '0' && c <= '9') digits += c;
    }
    if (text.find(',') == std::string::npos) digits += "00";
    const long long value = digits.empty() ? 0 : std::atoll(digits.c_str());
    return negative ? -value : value;
}

// xmllint's verdict on index.xml against the DTD beside it; empty when valid.
inline std::string validationErrors(const std::string& directory) {
    const std::string out = directory + "/xmllint.out";
    const std::string command = "cd '" + directory + "' && xmllint --noout --valid index.xml > xmllint.out 2>&1";
    const int status = std::system(command.c_str());
    std::string errors = tellmark::testing::readFile(out);
    std::remove(out.c_str());
    if (status != 0 && errors.empty()) errors = "xmllint failed";
    return status == 0 ? std::string() : errors;
}

}  // namespace tellmark::exports::testing
