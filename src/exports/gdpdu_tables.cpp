#include "exports/gdpdu_tables.h"

#include <array>

#include "config/amounts.h"
#include "resources/texts_exports_gdpdu.h"

namespace tellmark::exports {

namespace {

using text::kGdpduControlDateDescription;
using text::kGdpduDateDescription;

constexpr ColumnKind N = ColumnKind::Numeric;
constexpr ColumnKind A = ColumnKind::AlphaNumeric;
constexpr ColumnKind D = ColumnKind::Date;
constexpr Align L = Align::Left;
constexpr Align R = Align::Right;

// Journal: "%11s%-5s.%04i%-5s.%04i%6s%6s%6s%-25s%14s%5s%14s"
constexpr std::array kJournalColumns{
    GdpduColumn{text::kGdpduColBookingNumber, N, 0, 11, R, {}},
    GdpduColumn{text::kGdpduColDate, D, 0, 10, L, kGdpduDateDescription},
    GdpduColumn{text::kGdpduColControlDate, A, 0, 10, L, kGdpduControlDateDescription},
    GdpduColumn{text::kGdpduColDocument, A, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColDebit, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColCredit, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColText, A, 0, 25, L, {}},
    GdpduColumn{text::kGdpduColAmount, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColRate, N, 2, 5, R, {}},
    GdpduColumn{text::kGdpduColVat, N, 2, 14, R, {}},
};

// Cash books: "%6s%-5s.%04i%-5s.%04i%6s%6s%6s%-25s%14s%5s%14s%14s%14s"
constexpr std::array kCashBookColumns{
    GdpduColumn{text::kGdpduColCashAccount, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColCashDate, D, 0, 10, L, kGdpduDateDescription},
    GdpduColumn{text::kGdpduColControlDate, A, 0, 10, L, kGdpduControlDateDescription},
    GdpduColumn{text::kGdpduColDocument, A, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColDebit, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColCredit, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColText, A, 0, 25, L, {}},
    GdpduColumn{text::kGdpduColAmount, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColRate, N, 2, 5, R, {}},
    GdpduColumn{text::kGdpduColVat, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColBefore, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColAfter, N, 2, 14, R, {}},
};

// Account sheets: "%6s%-5s.%04i%-5s.%04i%6s%6s%6s%-25s%5s%14s%14s"
constexpr std::array kSheetColumns{
    GdpduColumn{text::kGdpduColSheetAccount, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColSheetDate, D, 0, 10, L, kGdpduDateDescription},
    GdpduColumn{text::kGdpduColControlDate, A, 0, 10, L, kGdpduControlDateDescription},
    GdpduColumn{text::kGdpduColDocument, A, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColDebit, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColCredit, N, 0, 6, R, {}},
    GdpduColumn{text::kGdpduColText, A, 0, 25, L, {}},
    GdpduColumn{text::kGdpduColRate, N, 2, 5, R, {}},
    GdpduColumn{text::kGdpduColSheetDebit, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColSheetCredit, N, 2, 14, R, {}},
};

// Balance list: "%-6s%-25s%14s%c%14s%c%14s%c"
constexpr std::array kBalanceColumns{
    GdpduColumn{text::kGdpduColAccount, N, 0, 6, L, {}},
    GdpduColumn{text::kGdpduColAccountName, A, 0, 25, L, {}},
    GdpduColumn{text::kGdpduColOpening, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColOpeningSide, A, 0, 1, L, {}},
    GdpduColumn{text::kGdpduColMovement, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColMovementSide, A, 0, 1, L, {}},
    GdpduColumn{text::kGdpduColClosing, N, 2, 14, R, {}},
    GdpduColumn{text::kGdpduColClosingSide, A, 0, 1, L, {}},
};

}  // namespace

std::span<const GdpduColumn> GdpduColumns(GdpduTableKind table) {
    switch (table) {
    case GdpduTableKind::Journal: return kJournalColumns;
    case GdpduTableKind::CashBook: return kCashBookColumns;
    case GdpduTableKind::AccountSheets: return kSheetColumns;
    case GdpduTableKind::Balances: break;
    }
    return kBalanceColumns;
}

int GdpduRowWidth(GdpduTableKind table) {
    int width = 0;
    for (const GdpduColumn& column : GdpduColumns(table)) width += column.width;
    return width;
}

std::string_view GermanCents(std::int64_t cents, char* buffer) {
    // Written from the right: two decimals, the comma, then the integer digits with a point after every
    // third one that another digit follows.
    char* end = buffer + 31;
    char* at = end;
    const bool negative = cents < 0;
    std::uint64_t rest = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    *--at = static_cast<char>('0' + rest % 10);
    rest /= 10;
    *--at = static_cast<char>('0' + rest % 10);
    rest /= 10;
    *--at = ',';
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) *--at = '.';
        *--at = static_cast<char>('0' + rest % 10);
        rest /= 10;
        ++digits;
    } while (rest > 0);
    if (negative) *--at = '-';
    return std::string_view(at, static_cast<std::size_t>(end - at));
}

std::string GroupedNumber(std::string_view storedText) { return config::germanInteger(storedText, 0); }

std::string RateWithComma(std::string_view rateText) {
    std::string rate(rateText);
    for (char& c : rate)
        if (c == '.') c = ',';
    return rate;
}

GdpduRow::GdpduRow(GdpduTableKind table) : columns_(GdpduColumns(table)) {
    row_.reserve(static_cast<std::size_t>(GdpduRowWidth(table)) + 2);
}

GdpduRow& GdpduRow::add(std::string_view text) {
    if (next_ >= columns_.size()) {
        ++next_;
        return *this;
    }
    const GdpduColumn& column = columns_[next_++];
    const std::size_t width = static_cast<std::size_t>(column.width);
    if (text.size() > width) {
        overflow_ = true;
        text = text.substr(0, width);
    }
    const std::size_t pad = width - text.size();
    if (column.align == Align::Right) row_.append(pad, ' ');
    row_.append(text);
    if (column.align == Align::Left) row_.append(pad, ' ');
    return *this;
}

bool GdpduRow::finish(std::string& out) {
    const bool whole = next_ == columns_.size() && !overflow_;
    if (whole) {
        out.append(row_);
        out.append("\r\n");
    }
    row_.clear();
    next_ = 0;
    overflow_ = false;
    return whole;
}

}  // namespace tellmark::exports
