#include "reports/journal_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "config/circle_settings.h"
#include "reports/journal_scan.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_journal.h"

namespace tellmark::reports {

namespace {

// The progress window is stepped once per this many bookings of a month's range.
constexpr long kBookingsPerStep = 100;

// The two-digit year a line of month m carries: the second year for the months before the first month of
// a differing business year and for month 13, the first year otherwise.
struct LineYears {
    std::string first;
    std::string second;
    bool differs = false;
    int firstMonth = 1;

    const std::string& of(int month) const {
        const bool inSecond = differs && ((month >= 1 && month < firstMonth) || month == 13);
        return inSecond ? second : first;
    }
};

std::string TwoDigitYear(const std::string& text, int year) {
    return text.empty() ? format("%02i", year % 100) : text;
}

LineYears LineYearsOf(const config::CircleSettings& settings, const BookingYear& bookingYear) {
    LineYears years;
    years.differs = bookingYear.differs;
    years.firstMonth = bookingYear.firstMonth;
    years.first = TwoDigitYear(settings.firstYearText, bookingYear.firstYear);
    years.second = TwoDigitYear(settings.secondYearText, bookingYear.secondYear);
    return years;
}

// The booking line's template taken apart once into literal text and conversions, and put together for
// each booking without printf: a full journal has a million lines. Only what the template holds is
// handled - strings with an optional '-' and width, and the booking number as "%N.0f" - and exactly as
// printf writes it; a template with anything else is left to printf.
class BookingLineTemplate {
public:
    explicit BookingLineTemplate(std::string_view templ) : templ_(templ) { compiled_ = compile(); }

    // strings: one per string conversion, in order; number: the "%N.0f" conversion. False, with nothing
    // written, when the template or the arguments are not of that kind.
    bool render(std::string& out, const char* const* strings, std::size_t stringCount, double number) const {
        out.clear();
        if (!compiled_ || stringCount != strings_) return false;
        std::size_t next = 0;
        for (const Piece& piece : pieces_) {
            switch (piece.kind) {
            case Piece::Literal:
                out.append(piece.literal);
                break;
            case Piece::String: {
                const std::string_view text(strings[next++]);
                const std::size_t pad = text.size() < piece.width ? piece.width - text.size() : 0;
                if (!piece.left) out.append(pad, ' ');
                out.append(text);
                if (piece.left) out.append(pad, ' ');
                break;
            }
            case Piece::WholeNumber:
                appendWholeNumber(out, number, piece.width);
                break;
            }
        }
        return true;
    }

private:
    struct Piece {
        enum Kind { Literal, String, WholeNumber } kind;
        std::string literal;
        std::size_t width = 0;
        bool left = false;
    };

    bool compile() {
        for (std::size_t i = 0; i < templ_.size();) {
            if (templ_[i] != '%') {
                const std::size_t end = std::min(templ_.find('%', i), templ_.size());
                pieces_.push_back({Piece::Literal, std::string(templ_.substr(i, end - i))});
                i = end;
                continue;
            }
            ++i;
            if (i < templ_.size() && templ_[i] == '%') {
                pieces_.push_back({Piece::Literal, "%"});
                ++i;
                continue;
            }
            Piece piece{Piece::String, {}};
            if (i < templ_.size() && templ_[i] == '-') piece.left = true, ++i;
            while (i < templ_.size() && templ_[i] >= '0' && templ_[i] <= '9')
                piece.width = piece.width * 10 + static_cast<std::size_t>(templ_[i++] - '0');
            if (templ_.compare(i, 1, "s") == 0) {
                ++strings_;
                i += 1;
            } else if (templ_.compare(i, 3, ".0f") == 0 && !piece.left && numbers_ == 0) {
                piece.kind = Piece::WholeNumber;
                ++numbers_;
                i += 3;
            } else {
                return false;
            }
            pieces_.push_back(piece);
        }
        return numbers_ == 1;
    }

    // "%N.0f" of a booking number: its digits, right-aligned.
    static void appendWholeNumber(std::string& out, double value, std::size_t width) {
        if (!(value >= 0.0 && !std::signbit(value) && value < 1e15 && std::floor(value) == value)) {
            char text[64];
            std::snprintf(text, sizeof text, "%*.0f", static_cast<int>(width), value);
            out.append(text);
            return;
        }
        char digits[24];
        std::size_t n = 0;
        auto whole = static_cast<unsigned long long>(value);
        do {
            digits[n++] = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole > 0);
        if (n < width) out.append(width - n, ' ');
        while (n > 0) out.push_back(digits[--n]);
    }

    std::string_view templ_;
    std::vector<Piece> pieces_;
    std::size_t strings_ = 0;
    int numbers_ = 0;
    bool compiled_ = false;
};

// Ends the progress window on every way out of the report.
class ProgressScope {
public:
    explicit ProgressScope(ui::Progress& progress) : progress_(progress) {}
    ~ProgressScope() {
        if (started_) progress_.end();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void started() { started_ = true; }

private:
    ui::Progress& progress_;
    bool started_ = false;
};

}  // namespace

void FillJournalRequest(ReportRequest& request, const JournalOptions& options, const BookingYear& year) {
    SetRequestWindow(request, {options.fromDay, options.fromMonth, options.toDay, options.toMonth}, year);
}

int GenerateJournal(PrintFile& printFile, ReportRequest& request, const JournalOptions& options,
                    JournalReportBooks& books) {
    const ReportLayout layout = kLayoutJournal;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const config::CircleSettings& settings = books.settings;
    const BookingYear bookingYear = BookingYearOf(settings);
    const LineYears years = LineYearsOf(settings, bookingYear);
    const char* currency = settings.currency1.c_str();

    const std::string title =
        TitleLine(text::kJournalTitle, request.printDay, request.printMonth, request.printYear, width);
    const std::string yearLine = BookingYearLineWithPeriod(bookingYear, request, width);
    const std::string columns = format(text::kJournalColumns, currency, currency);
    const std::string ruler = RulerLine(width);

    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(UnderlineLine(text::kJournalTitle.size(), '-', printFile.state().currentPage,
                                                 width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
               printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(columns) &&
               printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);

    const DateWindow window{options.fromDay, options.fromMonth, options.toDay, options.toMonth};
    JournalScan scan(books.journal, books.journalIndex);
    ProgressScope progressScope(books.progress);
    const BookingLineTemplate bookingLine(text::kJournalLine);
    std::string lineText;
    bool readFailed = false;

    for (int month : MonthPasses(window, bookingYear.firstMonth, bookingYear.differs)) {
        if (!ok) break;
        const ledger::BookingRange range = scan.monthRange(month);
        const long span = range.last >= range.first ? range.last - range.first : 0;
        books.progress.start(text::kJournalProgressCaption, {}, text::kJournalProgressLine,
                             format(text::kJournalProgressMonth, month),
                             static_cast<int>(std::max(1L, span / kBookingsPerStep)), ui::kBarEndless);
        progressScope.started();

        const std::string& year = years.of(month);
        long stepped = 0;
        const bool scanned = scan.scanRange(range.first, range.last, [&](const ledger::ParsedBooking& b, long n) {
            for (const long due = (n - range.first) / kBookingsPerStep; stepped < due; ++stepped) {
                books.progress.step(1);
                books.progress.poll();
            }
            if (b.month != month || PlaceInWindow(b.day, month, window) != DayPlace::Inside) return true;
            const char* const fields[] = {b.date,  year.c_str(), b.document, b.debit,    b.credit,
                                          b.text,  b.amount,     b.rate,     b.vatAmount};
            if (!bookingLine.render(lineText, fields, std::size(fields), static_cast<double>(n)))
                lineText = format(text::kJournalLine, b.date, year.c_str(), b.document, b.debit, b.credit, b.text,
                                  b.amount, b.rate, b.vatAmount, static_cast<double>(n));
            ok = printFile.WriteBodyLine(lineText);
            return ok;
        });
        if (!scanned && ok) readFailed = true;
        if (readFailed) break;
    }

    if (readFailed) {
        books.messages.show(text::kJournalReportReadFailed, text::kCaptionError, ui::kIconStop);
        ok = false;
    }
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
