#pragma once
// The four fixed-length tables of the export for the digital tax audit: their columns (name, kind, width,
// description), which "index.xml" describes, and the row builder that fills a row column by column with
// the same widths, so a row and its description can never disagree. Field texts follow the German forms
// the audit software reads with "," as decimal symbol and "." as digit grouping symbol.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tellmark::exports {

enum class ColumnKind { Numeric, AlphaNumeric, Date };
enum class Align { Left, Right };

struct GdpduColumn {
    std::string_view name;
    ColumnKind kind;
    int accuracy;  // numeric columns: decimals
    int width;
    Align align;
    std::string_view description;
};

enum class GdpduTableKind { Journal, CashBook, AccountSheets, Balances };

// The columns of a table, in row order.
std::span<const GdpduColumn> GdpduColumns(GdpduTableKind table);
// Bytes of one row without its CR LF: the sum of the column widths (107, 130, 102, 76).
int GdpduRowWidth(GdpduTableKind table);

// The German number forms of the tables.
// Cents as "-1.234,56": decimal comma, two decimals, a point between groups of three integer digits.
std::string_view GermanCents(std::int64_t cents, char* buffer);  // buffer of at least 32 bytes
// A number text as stored (" 1200", "10000", a booking number right-aligned): digits with a point between
// groups of three wherever the digit before the group is not the text's first character.
std::string GroupedNumber(std::string_view storedText);
// A VAT rate text "%5.2f" with its point as a comma (" 7,00", "19,00").
std::string RateWithComma(std::string_view rateText);

// Builds one row of a table, field by field in column order. A text wider than its column makes the row
// fail: a cut number would be a wrong number.
class GdpduRow {
public:
    explicit GdpduRow(GdpduTableKind table);
    GdpduRow& add(std::string_view text);
    GdpduRow& add(char c) { return add(std::string_view(&c, 1)); }
    // Appends the finished row with CR LF to out; false (nothing appended) when the fields given do not
    // match the columns or one did not fit.
    bool finish(std::string& out);

private:
    std::span<const GdpduColumn> columns_;
    std::size_t next_ = 0;
    bool overflow_ = false;
    std::string row_;
};

}  // namespace tellmark::exports
