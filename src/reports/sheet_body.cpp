#include "reports/sheet_body.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "config/circle_settings.h"
#include "config/dates.h"
#include "ledger/salden.h"
#include "posting/posting_types.h"
#include "reports/page_header.h"
#include "resources/format.h"
#include "resources/texts_reports_sheets.h"

namespace tellmark::reports {

namespace {

constexpr long kBookingsPerStep = 100;

std::string_view FieldText(const char* field, std::size_t width) {
    return std::string_view(field, strnlen(field, width));
}

template <std::size_t N>
void Keep(char (&to)[N], const char* from) {
    std::memcpy(to, from, N);
}

// The posting types whose VAT share stands on the debit side of its VAT account.
bool VatOnDebitSide(int postingType) {
    return postingType == posting::kPostingInputVatOnDebit || postingType == posting::kPostingOutputVatOnDebit ||
           postingType == posting::kPostingSpecialOutputVatOnDebit;
}

}  // namespace

std::int64_t ToCents(double value) {
    if (!std::isfinite(value)) return 0;
    return std::llround(value * 100.0);
}

std::string_view CentsText(std::int64_t cents, char* buffer) {
    char digits[24];
    int n = 0;
    const bool negative = cents < 0;
    std::uint64_t rest = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    do {
        digits[n++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
        if (n == 2) digits[n++] = '.';
    } while (rest > 0 || n < 4);
    if (negative) digits[n++] = '-';
    int at = 0;
    for (; at < 11 - n; ++at) buffer[at] = ' ';
    for (int i = n - 1; i >= 0; --i) buffer[at++] = digits[i];
    return std::string_view(buffer, static_cast<std::size_t>(at));
}

LineTemplate::LineTemplate(std::string_view templ) {
    Piece literal;
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const char c = templ[i];
        if (c != '%') {
            literal.literal.push_back(c);
            continue;
        }
        if (i + 1 < templ.size() && templ[i + 1] == '%') {
            literal.literal.push_back('%');
            ++i;
            continue;
        }
        if (!literal.literal.empty()) pieces_.push_back(std::move(literal));
        literal = Piece{};
        Piece field;
        field.field = true;
        ++i;
        if (i < templ.size() && templ[i] == '-') {
            field.left = true;
            ++i;
        }
        while (i < templ.size() && templ[i] >= '0' && templ[i] <= '9')
            field.width = field.width * 10 + (templ[i++] - '0');
        // Only "%s" fields are taken; i stands on the 's'.
        pieces_.push_back(std::move(field));
    }
    if (!literal.literal.empty()) pieces_.push_back(std::move(literal));
    line_.reserve(2 * static_cast<std::size_t>(kWideLine));
}

std::string_view LineTemplate::Fill(std::initializer_list<std::string_view> fields) {
    line_.clear();
    auto next = fields.begin();
    for (const Piece& piece : pieces_) {
        if (!piece.field) {
            line_.append(piece.literal);
            continue;
        }
        const std::string_view value = next != fields.end() ? *next++ : std::string_view();
        const std::size_t pad = value.size() < static_cast<std::size_t>(piece.width)
                                    ? static_cast<std::size_t>(piece.width) - value.size()
                                    : 0;
        if (!piece.left) line_.append(pad, ' ');
        line_.append(value);
        if (piece.left) line_.append(pad, ' ');
    }
    return line_;
}

DateWindow SheetWindow(int fromDay, int fromMonth, int toDay, int toMonth, int firstMonth) {
    auto month = [firstMonth](int m) { return m < 1 || m > 13 ? firstMonth : m; };
    return DateWindow{fromDay, month(fromMonth), toDay, month(toMonth)};
}

long SheetScanBookings(JournalReportBooks& books, const DateWindow& window) {
    const BookingYear year = BookingYearOf(books.settings);
    JournalScan scan(books.journal, books.journalIndex);
    long bookings = 0;
    for (int month : MonthPasses(window, year.firstMonth, year.differs)) {
        const ledger::BookingRange range = scan.monthRange(month);
        if (range.last >= range.first) bookings += range.last - range.first + 1;
    }
    return bookings;
}

int SheetScanUnits(long bookings) { return static_cast<int>(std::min<long>(bookings / kBookingsPerStep, 1L << 30)); }

SheetScanEnd ScanSheetBookings(JournalReportBooks& books, const DateWindow& window,
                               const std::function<bool(const SheetBooking&)>& visit) {
    const BookingYear year = BookingYearOf(books.settings);
    const int chart = books.settings.chart;
    const int inputVat = posting::standardInputVatAccount(chart);
    const int outputVat = posting::standardOutputVatAccount(chart);
    JournalScan scan(books.journal, books.journalIndex);
    long seen = 0;
    for (int month : MonthPasses(window, year.firstMonth, year.differs)) {
        const bool secondYear = year.differs && ((month >= 1 && month < year.firstMonth) || month == 13);
        bool stopped = false;
        const bool read = scan.scanMonth(month, [&](const ledger::ParsedBooking& b, long number) {
            if (++seen % kBookingsPerStep == 0) {
                books.progress.step(1);
                books.progress.poll();
            }
            SheetBooking s;
            s.place = PlaceInWindow(b.day, month, window);
            if (s.place == DayPlace::After) return true;
            s.booking = &b;
            s.number = number;
            s.secondYear = secondYear;
            const posting::Classification kinds = posting::classify(b.debitNumber, b.creditNumber, chart);
            const posting::PostingSplit split = posting::splitOf(kinds.postingType, b.amountValue, b.vatValue);
            s.debit = ToCents(split.debit);
            s.credit = ToCents(-split.credit);
            if (split.vatAccount != posting::VatAccount::None && (b.rateValue > 0.0 || split.vat != 0.0)) {
                s.vatAccount = split.vatAccount == posting::VatAccount::Input ? inputVat : outputVat;
                const bool debitSide = VatOnDebitSide(kinds.postingType);
                s.vatColumn = debitSide ? SheetColumn::Debit : SheetColumn::Credit;
                s.vat = ToCents(debitSide ? split.vat : -split.vat);
            }
            if (visit(s)) return true;
            stopped = true;
            return false;
        });
        if (stopped) return SheetScanEnd::Stopped;
        if (!read) return SheetScanEnd::ReadFailed;
    }
    return SheetScanEnd::Done;
}

std::int64_t SlotsBeforeWindow(const ledger::CSalden& cursor, int fromMonth) {
    // A window from month 0 starts, like one from the first month, after the opening balance.
    const int endSlot = std::max(1, cursor.slotOfMonth(fromMonth));
    if (endSlot == 1 && cursor.status() == '9') return 0;
    std::int64_t sum = 0;
    for (int slot = 0; slot < endSlot; ++slot) sum += ToCents(cursor.slotValue(slot));
    return sum;
}

LineYears LineYearsOf(const config::CircleSettings& settings) {
    const BookingYear year = BookingYearOf(settings);
    LineYears years;
    years.first = settings.firstYearText.empty() ? format("%02i", year.firstYear % 100) : settings.firstYearText;
    years.second = settings.secondYearText.empty() ? format("%02i", year.secondYear % 100) : settings.secondYearText;
    return years;
}

SheetRow SheetRow::Of(const SheetBooking& s) {
    SheetRow row;
    row.debit = s.debit;
    row.credit = s.credit;
    row.vat = s.vat;
    Keep(row.date, s.booking->date);
    Keep(row.document, s.booking->document);
    Keep(row.debitText, s.booking->debit);
    Keep(row.creditText, s.booking->credit);
    Keep(row.text, s.booking->text);
    Keep(row.rate, s.booking->rate);
    row.secondYear = s.secondYear;
    return row;
}

SheetLineTexts LineTextsOf(const SheetRow& row, const LineYears& years) {
    return {FieldText(row.date, sizeof row.date),           years.of(row.secondYear),
            FieldText(row.document, sizeof row.document),   FieldText(row.debitText, sizeof row.debitText),
            FieldText(row.creditText, sizeof row.creditText), FieldText(row.text, sizeof row.text),
            FieldText(row.rate, sizeof row.rate)};
}

SheetLineTexts LineTextsOf(const SheetBooking& s, const LineYears& years) {
    const ledger::ParsedBooking& b = *s.booking;
    return {FieldText(b.date, ledger::kDateWidth),         years.of(s.secondYear),
            FieldText(b.document, ledger::kDocumentWidth), FieldText(b.debit, ledger::kAccountWidth),
            FieldText(b.credit, ledger::kAccountWidth),    FieldText(b.text, ledger::kTextWidth),
            FieldText(b.rate, ledger::kRateWidth)};
}

SheetPages::SheetPages(PrintFile& printFile, const ReportRequest& request)
    : printFile_(printFile), request_(request), ruler_(RulerLine(printFile.width())) {
    // A page that WriteBodyLine finds full is carried over like any other.
    printFile_.SetPageHeader([this](bool continued) { return continued ? CarryOver() : BeginPage(false); });
}

bool SheetPages::BeginPage(bool continued) {
    // The page before ends, below its carry-over, with one blank line and the footer of its own sheet
    // number.
    if (!printFile_.BeginPageHeader(continued, sheet_, 1)) return false;
    if (continued) ++sheet_;
    return header_(sheet_);
}

bool SheetPages::Begin(HeaderLines header) {
    const bool first = sheets_ == 0;
    header_ = std::move(header);
    debit_ = 0;
    credit_ = 0;
    // The last sheet of the account before ends with its end block, without a footer.
    if (!(first ? printFile_.BeginPageHeader(false, sheet_) : printFile_.BeginPageWithoutFooter())) return false;
    sheet_ = 1;
    ++sheets_;
    return header_(sheet_);
}

bool SheetPages::CarryOver() {
    return printFile_.WriteLine({}) && printFile_.WriteLine({}) &&
           printFile_.WriteLine(format(text::kSheetCarryOver, static_cast<double>(debit_) / 100.0,
                                       static_cast<double>(credit_) / 100.0)) &&
           BeginPage(true);
}

bool SheetPages::Line(std::string_view text, SheetColumn column, std::int64_t cents) {
    if (printFile_.state().linesLeft < 1 && !CarryOver()) return false;
    if (!printFile_.WriteBodyLine(text)) return false;
    (column == SheetColumn::Debit ? debit_ : credit_) += cents;
    return true;
}

bool SheetPages::BalanceLine(std::string_view which, int day, int month, int year, std::int64_t balance) {
    config::clampDayMonthWithYear(day, month, true, year);
    const std::string side(which);
    const double amount = static_cast<double>(balance >= 0 ? balance : -balance) / 100.0;
    const std::string_view templ = balance >= 0 ? text::kSheetAccountBalanceDebit : text::kSheetAccountBalanceCredit;
    return printFile_.WriteLine(format(templ, side.c_str(), day, month, year, amount));
}

bool SheetPages::End(std::int64_t before) {
    const std::int64_t balance = debit_ - credit_;
    const std::string saldo = balance > 0 ? format(text::kSheetBalanceDebit, static_cast<double>(balance) / 100.0)
                                          : format(text::kSheetBalanceCredit, static_cast<double>(-balance) / 100.0);
    return printFile_.WriteLine(ruler_) &&
           printFile_.WriteLine(format(text::kSheetSums, static_cast<double>(debit_) / 100.0,
                                       static_cast<double>(credit_) / 100.0)) &&
           printFile_.WriteLine(saldo) &&
           BalanceLine(text::kSheetBefore, request_.fromDay, request_.fromMonth, request_.fromYear, before) &&
           BalanceLine(text::kSheetAt, request_.toDay, request_.toMonth, request_.toYear, before + balance) &&
           printFile_.WriteLine(ruler_);
}

}  // namespace tellmark::reports
