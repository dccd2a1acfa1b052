#include "reports/vat_return_report.h"

// Choices where the return leaves room, made as a bookkeeper reads the form:
//  - The amounts are summed in whole cents: a year of a million bookings adds up to the cent.
//  - A rate the turnover or EU table has no room for still counts in every total ("Summe Umsätze",
//    the VAT totals, the payment, keys 35/36 and 61); only its single line is missing, and
//    "Sonstige EU-Umsätze:" shows the EU part. The message about it comes once per run, not per booking.
//  - "Summe Umsätze:" includes the tax-free turnover: it is the whole turnover of the period.
//  - The direct postings list each VAT account of the table that received one, even when they net to 0.
//  - "Vorsteuer:" and the direct postings on input VAT accounts are the items of the input VAT, printed
//    in the amount column; "Vorsteuer gesamt:" stands in the VAT column under "Mehrwertsteuer gesamt:".
//  - The EU lines of the output side show the base (amount x 100 / rate) and the VAT (the booked amount);
//    a rate of 0 has no base to derive, so the amount stands in both columns.
//  - "&Gerundet nach deutschen Umsatzsteuerrecht": the bases (turnover, tax-free turnover, EU bases) are
//    printed and transferred in whole euros, cents dropped, as the form wants them; the VAT amounts stay
//    exact to the cent, so payment and refund do not change. Key 36 is computed from the rounded base.
//  - The whole-year comparison needs the option and a period that covers the twelve months of the
//    business year and ends with its last month (or the thirteenth month). The prepayments are the
//    balance of the prepayment account; the amount payable is output VAT total - input VAT total.
//  - Transfer keys of the filing settings: 1000 tax number, 1001 tax office, 1002 name, 1003 street,
//    1004 postcode, 1006 town, from 2006 on 1007 telephone and 1008 e-mail.
//  - Keys 89, 93, 95 and 97 carry the bases of the EU acquisitions (the form computes their tax), key 98
//    the tax of the other rates, key 61 all EU input VAT of the period.
//  - The hint on direct postings names those on output VAT accounts: the input VAT ones are in key 66.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/file_names.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "posting/posting_types.h"
#include "reports/journal_scan.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"
#include "resources/texts_reports_vat.h"

namespace tellmark::reports {

namespace {

using Money = std::int64_t;  // cents

constexpr std::size_t kRateCapacity = 20;
constexpr int kDirectAccounts = 10;
constexpr int kStepBookings = 100;

// Rates in hundredths of a percent: the journal stores them with two decimals.
constexpr int kRate16 = 1600;
constexpr int kRate19 = 1900;
constexpr int kRate7 = 700;

Money ToCents(double value) { return std::llround(value * 100.0); }
double Euros(Money cents) { return static_cast<double>(cents) / 100.0; }
double Percent(int rate) { return static_cast<double>(rate) / 100.0; }

// Tax of a base at a rate, to the cent, half away from zero.
Money TaxOf(Money base, int rate) { return std::llround(static_cast<double>(base) * rate / 10000.0); }

struct TurnoverRate {
    int rate;
    Money net;
    Money vat;
};

struct EuRate {
    int rate;
    Money amount;
};

// The entry of the rate, inserted in rate order when new; nullptr when the table is full.
template <typename Entry>
Entry* EntryOf(std::vector<Entry>& table, int rate) {
    auto at = std::lower_bound(table.begin(), table.end(), rate,
                               [](const Entry& entry, int r) { return entry.rate < r; });
    if (at != table.end() && at->rate == rate) return &*at;
    if (table.size() >= kRateCapacity) return nullptr;
    Entry fresh{};
    fresh.rate = rate;
    return &*table.insert(at, fresh);
}

// One direct-posting sum per VAT account of the table.
struct DirectPostings {
    std::array<Money, kDirectAccounts> sum{};
    std::array<bool, kDirectAccounts> used{};
    Money total() const {
        Money t = 0;
        for (Money s : sum) t += s;
        return t;
    }
};

struct VatFigures {
    std::vector<TurnoverRate> turnover;
    Money otherNet = 0;  // rates the table had no room for
    Money otherVat = 0;
    bool turnoverFull = false;
    std::vector<EuRate> eu;
    Money otherEu = 0;
    bool euFull = false;
    DirectPostings input;   // 1570-1579 / 1400-1409
    DirectPostings output;  // 1770-1779 / 3800-3809
    Money taxFree = 0;
    Money inputVat = 0;

    Money euTotal() const {
        Money t = otherEu;
        for (const EuRate& e : eu) t += e.amount;
        return t;
    }
};

int InputVatBase(int chart) { return chart == 3 ? 1570 : 1400; }
int OutputVatBase(int chart) { return chart == 3 ? 1770 : 3800; }
int PrepaymentAccount(int chart) { return chart == 3 ? 1780 : 3820; }

bool IsInputVatKind(int kind) { return kind == 15 || kind == 19; }
bool IsOutputVatKind(int kind) { return kind == 14 || kind == 18; }

class Gathering {
public:
    Gathering(int chart, ui::Messages& messages) : chart_(chart), messages_(messages) {}

    void add(const ledger::ParsedBooking& booking) {
        const posting::Classification c = posting::classify(booking.debitNumber, booking.creditNumber, chart_);
        const Money amount = ToCents(booking.amountValue);
        const Money vat = ToCents(booking.vatValue);
        const int rate = static_cast<int>(std::lround(booking.rateValue * 100.0));
        int type = c.postingType;
        if (type == posting::kPostingSpecialOutputVatOnCredit || type == posting::kPostingSpecialOutputVatOnDebit) {
            const bool credit = type == posting::kPostingSpecialOutputVatOnCredit;
            if (rate == 0) {
                figures_.taxFree += credit ? amount : -amount;
                return;
            }
            type = credit ? posting::kPostingOutputVatOnCredit : posting::kPostingOutputVatOnDebit;
        }
        switch (type) {
        case posting::kPostingOutputVatOnCredit:
        case posting::kPostingOutputVatOnDebit: {
            const Money sign = type == posting::kPostingOutputVatOnCredit ? 1 : -1;
            if (TurnoverRate* entry = EntryOf(figures_.turnover, rate)) {
                entry->net += sign * (amount - vat);
                entry->vat += sign * vat;
            } else {
                tooMany(figures_.turnoverFull, text::kVatReturnTooManyRates);
                figures_.otherNet += sign * (amount - vat);
                figures_.otherVat += sign * vat;
            }
            return;
        }
        case posting::kPostingEuPair:
            if (EuRate* entry = EntryOf(figures_.eu, rate)) {
                entry->amount += amount;
            } else {
                tooMany(figures_.euFull, text::kVatReturnTooManyEuRates);
                figures_.otherEu += amount;
            }
            return;
        case posting::kPostingInputVatOnDebit: figures_.inputVat += vat; return;
        case posting::kPostingInputVatOnCredit: figures_.inputVat -= vat; return;
        default:
            direct(c.debitKind, booking.debitNumber, amount);
            direct(c.creditKind, booking.creditNumber, -amount);
            return;
        }
    }

    const VatFigures& figures() const { return figures_; }

private:
    // debitAmount: the amount on the debit side, its negative on the credit side.
    void direct(int kind, int number, Money debitAmount) {
        if (IsInputVatKind(kind)) {
            note(figures_.input, number - InputVatBase(chart_), debitAmount);
        } else if (IsOutputVatKind(kind)) {
            note(figures_.output, number - OutputVatBase(chart_), -debitAmount);
        }
    }
    static void note(DirectPostings& postings, int slot, Money amount) {
        if (slot < 0 || slot >= kDirectAccounts) return;
        postings.sum[static_cast<std::size_t>(slot)] += amount;
        postings.used[static_cast<std::size_t>(slot)] = true;
    }
    void tooMany(bool& shown, std::string_view message) {
        if (shown) return;
        shown = true;
        messages_.show(message, text::kCaptionError, ui::kIconStop);
    }

    int chart_;
    ui::Messages& messages_;
    VatFigures figures_;
};

// Scans the period's months once; false after the journal's message.
bool GatherPeriod(const VatReturnOptions& options, const BookingYear& year, JournalReportBooks& books,
                  Gathering& gathering) {
    const DateWindow window{1, options.fromMonth, 31, options.toMonth};
    const std::vector<int> months = MonthPasses(window, year.firstMonth, year.differs);
    JournalScan scan(books.journal, books.journalIndex);

    long total = 0;
    for (int month : months) {
        const ledger::BookingRange range = scan.monthRange(month);
        if (range.last >= range.first) total += range.last - range.first + 1;
    }
    books.progress.start(text::kVatReturnDialogTitle, {}, text::kVatReturnProgressLine,
                         format(text::kVatReturnProgressMonth, months.empty() ? 0 : months.front()),
                         static_cast<int>(total / kStepBookings) + 1, ui::kBarEndless);
    long seen = 0;
    bool ok = true;
    for (int month : months) {
        books.progress.setBarLabel(format(text::kVatReturnProgressMonth, month));
        ok = scan.scanMonth(month, [&](const ledger::ParsedBooking& booking, long) {
            if (++seen % kStepBookings == 0) {
                books.progress.step(1);
                books.progress.poll();
            }
            if (PlaceInWindow(booking.day, month, window) == DayPlace::Inside) gathering.add(booking);
            return true;
        });
        if (!ok) break;
    }
    books.progress.end();
    if (!ok) books.messages.show(text::kVatReturnJournalReadFailed, text::kCaptionError, ui::kIconStop);
    return ok;
}

// The figures as the printout and the transfer file show them.
struct VatReturnValues {
    bool rounded = false;
    Money Base(Money cents) const { return rounded ? cents / 100 * 100 : cents; }
    // Base of an EU acquisition from its VAT.
    Money EuBase(const EuRate& e) const {
        if (e.rate == 0) return Base(e.amount);
        return Base(std::llround(static_cast<double>(e.amount) * 10000.0 / e.rate));
    }
};

std::string Label(std::string_view text) { return std::string(text); }

std::string BothColumns(std::string_view label, Money amount, Money vat) {
    return format(text::kVatReturnBothColumns, Label(label).c_str(), Euros(amount), Euros(vat));
}
std::string VatColumn(std::string_view label, Money vat) {
    return format(text::kVatReturnVatColumn, Label(label).c_str(), Euros(vat));
}
std::string AmountColumn(std::string_view label, Money amount) {
    return format(text::kVatReturnAmountColumn, Label(label).c_str(), Euros(amount));
}

// The body lines in their order; the totals the caller needs.
struct Printout {
    std::vector<std::string> lines;
    Money outputTotal = 0;
    Money inputTotal = 0;
};

Printout PrintoutOf(const VatFigures& f, const VatReturnValues& v, int chart) {
    Printout p;
    auto& lines = p.lines;
    lines.push_back(AmountColumn(text::kVatReturnTaxFree, v.Base(f.taxFree)));
    Money sumNet = v.Base(f.taxFree) + v.Base(f.otherNet);
    Money sumVat = f.otherVat;
    for (const TurnoverRate& t : f.turnover) {
        lines.push_back(format(text::kVatReturnTurnoverAtRate, Percent(t.rate), Euros(v.Base(t.net)), Euros(t.vat)));
        sumNet += v.Base(t.net);
        sumVat += t.vat;
    }
    lines.push_back(BothColumns(text::kVatReturnTurnoverSum, sumNet, sumVat));

    auto directLines = [&](const DirectPostings& postings, int base, bool vatColumn) {
        for (int slot = 0; slot < kDirectAccounts; ++slot) {
            if (!postings.used[static_cast<std::size_t>(slot)]) continue;
            const std::string label = format(text::kVatReturnAccount, base + slot);
            const Money sum = postings.sum[static_cast<std::size_t>(slot)];
            lines.push_back(vatColumn ? VatColumn(label, sum) : AmountColumn(label, sum));
        }
    };
    directLines(f.output, OutputVatBase(chart), true);
    for (const EuRate& e : f.eu)
        lines.push_back(format(text::kVatReturnEuShareAtRate, Percent(e.rate), Euros(v.EuBase(e)), Euros(e.amount)));
    lines.push_back(format(text::kVatReturnOtherEuVatColumn, Euros(f.otherEu)));
    p.outputTotal = sumVat + f.output.total() + f.euTotal();
    lines.push_back(VatColumn(text::kVatReturnOutputTotal, p.outputTotal));

    lines.push_back(AmountColumn(text::kVatReturnInputVat, f.inputVat));
    directLines(f.input, InputVatBase(chart), false);
    for (const EuRate& e : f.eu)
        lines.push_back(format(text::kVatReturnEuAtRate, Percent(e.rate), Euros(e.amount)));
    lines.push_back(format(text::kVatReturnOtherEuAmountColumn, Euros(f.otherEu)));
    p.inputTotal = f.inputVat + f.input.total() + f.euTotal();
    lines.push_back(VatColumn(text::kVatReturnInputTotal, p.inputTotal));

    const Money difference = p.inputTotal - p.outputTotal;
    lines.push_back(difference >= 0 ? VatColumn(text::kVatReturnRefund, difference)
                                    : VatColumn(text::kVatReturnPayment, -difference));
    return p;
}

bool CoversBusinessYear(const VatReturnOptions& options, const BookingYear& year) {
    const std::vector<int> months =
        MonthPasses(DateWindow{1, options.fromMonth, 31, options.toMonth}, year.firstMonth, year.differs);
    const int twelve = static_cast<int>(std::count_if(months.begin(), months.end(), [](int m) { return m <= 12; }));
    return twelve == 12 && (months.back() == year.lastMonth || months.back() == 13);
}

// The balance of the prepayment account; 0 when the chart has no such account.
Money Prepayments(JournalReportBooks& books, int account) {
    int record = -1;
    if (books.accountIndex.findByNumber(std::to_string(account), record) != ledger::kIndexFound) return 0;
    if (books.cursor.read(record) < 0) return 0;
    return ToCents(books.cursor.balance());
}

std::string TransferText(const VatFigures& f, const VatReturnValues& v, int year4, int year2, int periodCode,
                         const config::ElsterData& elster) {
    const char* lineEnd = text::kVatTransferLineEnd.data();
    std::string out;
    int hint = 0;
    auto put = [&](int key, const std::string& value) { out += format(text::kVatTransferText, key, value.c_str(), lineEnd); };
    auto amount = [&](int key, Money cents) { out += format(text::kVatTransferAmount, key, Euros(cents), lineEnd); };
    auto hintLine = [&](const std::string& textLine) { put(--hint, textLine); };
    auto setting = [&](int key, const std::string& value) {
        if (!value.empty()) put(key, value);
    };

    hintLine(Label(text::kVatTransferHintProposals));
    hintLine(Label(text::kVatTransferHintCheck));
    setting(1000, elster.taxNumber);
    setting(1001, elster.taxOffice);
    setting(1002, elster.name);
    setting(1003, elster.street);
    setting(1004, elster.postcode);
    setting(1006, elster.town);
    if (year4 >= 2006) {
        setting(1007, elster.phone);
        setting(1008, elster.email);
    }
    put(year2 * 100 + periodCode, Label(text::kVatTransferPeriodMark));

    if (v.Base(f.taxFree) != 0) amount(41, v.Base(f.taxFree));

    // Until 2006 the standard rate was 16 %, from 2007 on 19 %.
    const bool before2007 = year4 < 2007;
    const int standardRate = before2007 ? kRate16 : kRate19;
    auto turnoverAt = [&](int rate) -> const TurnoverRate* {
        for (const TurnoverRate& t : f.turnover)
            if (t.rate == rate) return &t;
        return nullptr;
    };
    if (const TurnoverRate* t = turnoverAt(standardRate)) amount(before2007 ? 51 : 81, v.Base(t->net));
    if (const TurnoverRate* t = turnoverAt(kRate7)) amount(86, v.Base(t->net));
    if (const TurnoverRate* t = turnoverAt(0); t != nullptr && v.Base(t->net) != 0)
        hintLine(format(text::kVatTransferHintTaxFree, Euros(v.Base(t->net))));
    bool others = f.turnoverFull;
    Money otherBase = v.Base(f.otherNet);
    Money otherTax = f.otherVat;
    for (const TurnoverRate& t : f.turnover) {
        if (t.rate == standardRate || t.rate == kRate7 || t.rate == 0) continue;
        others = true;
        otherBase += v.Base(t.net);
        otherTax += TaxOf(v.Base(t.net), t.rate);
    }
    if (others) {
        amount(35, otherBase);
        amount(36, otherTax);
    }

    if (f.output.total() != 0) hintLine(format(text::kVatTransferHintDirect, Euros(f.output.total())));

    bool otherEu = false;
    Money otherEuBase = 0;
    Money otherEuTax = 0;
    for (const EuRate& e : f.eu) {
        if (e.rate == standardRate) {
            amount(before2007 ? 97 : 89, v.EuBase(e));
        } else if (e.rate == kRate7) {
            amount(93, v.EuBase(e));
        } else if (e.rate == 0) {
            if (e.amount != 0) hintLine(format(text::kVatTransferHintEuTaxFree, Euros(e.amount)));
        } else {
            otherEu = true;
            otherEuBase += v.EuBase(e);
            otherEuTax += e.amount;
        }
    }
    if (otherEu) {
        amount(95, otherEuBase);
        amount(98, otherEuTax);
    }
    if (f.euTotal() != 0) {
        hintLine(Label(text::kVatTransferHintField61));
        amount(61, f.euTotal());
    }
    amount(66, f.inputVat + f.input.total());
    return out;
}

// Written completely beside its place, synced, then renamed over it: the transfer name never stands for a
// half-written file, and an older file of the same name stays until the new one is whole.
bool WriteTransferFile(const std::string& workPath, const std::string& path, const std::string& content,
                       ui::Messages& messages) {
    platform::File file;
    if (!file.create(workPath)) {
        messages.show(text::kPrintFileCreateFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    if (!file.writeAt(0, content.data(), content.size()) || !file.flush() || !file.renameTo(path)) {
        const bool renamed = file.path() == path;
        file.close();
        if (!renamed) platform::removeFile(workPath);
        messages.show(text::kPrintFileWriteFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    file.close();
    return true;
}

}  // namespace

int VatPeriodCode(int fromMonth, int toMonth) {
    if (fromMonth == toMonth && fromMonth >= 1 && fromMonth <= 12) return fromMonth;
    for (int quarter = 0; quarter < 4; ++quarter)
        if (fromMonth == 3 * quarter + 1 && toMonth == 3 * quarter + 3) return 41 + quarter;
    return 0;
}

int VatReturnYear(int fromMonth, const BookingYear& year) {
    const bool second = year.differs && fromMonth >= 1 && fromMonth < year.firstMonth;
    return (second ? year.secondYear : year.firstYear) % 100;
}

std::string VatTransferPath(const VatReturnOptions& options, const BookingYear& year) {
    const int code = VatPeriodCode(options.fromMonth, options.toMonth);
    if (code == 0 || options.circleNumber <= 0) return {};
    return config::joinPath(config::circleDirectoryName(options.dataDirectory, options.circleNumber),
                            config::vatTransferName(options.circleNumber, VatReturnYear(options.fromMonth, year), code));
}

void FillVatReturnRequest(ReportRequest& request, const VatReturnOptions& options, const BookingYear& year) {
    request.fromDay = 1;
    request.fromMonth = options.fromMonth;
    request.fromYear = YearOfMonth(options.fromMonth, year);
    request.toDay = 31;
    request.toMonth = options.toMonth;
    request.toYear = YearOfMonth(options.toMonth, year);
}

int GenerateVatReturn(PrintFile& printFile, ReportRequest& request, const VatReturnOptions& options,
                      JournalReportBooks& books) {
    const config::CircleSettings& settings = books.settings;
    const int chart = settings.chart == 3 ? 3 : 4;  // any chart but 03 reads as 04
    const BookingYear year = BookingYearOf(settings);

    Gathering gathering(chart, books.messages);
    if (!GatherPeriod(options, year, books, gathering)) return 0;
    const VatFigures& figures = gathering.figures();
    const VatReturnValues values{options.rounded};
    Printout printout = PrintoutOf(figures, values, chart);
    if (options.yearComparison && CoversBusinessYear(options, year)) {
        const int account = PrepaymentAccount(chart);
        const Money payable = printout.outputTotal - printout.inputTotal;
        const std::string difference =
            format(text::kVatReturnYearDifference, Euros(payable - Prepayments(books, account)));
        printout.lines.push_back(format(text::kVatReturnYearResult, account, Euros(payable), difference.c_str()));
    }

    const ReportLayout layout = kLayoutVatReturn;
    if (!printFile.BeginReport(request, layout)) return 0;
    const std::string title =
        TitleLine(text::kVatReturnTitle, request.printDay, request.printMonth, request.printYear, layout.width);
    const std::string yearLine = BookingYearLineWithPeriod(year, request, layout.width);
    const std::string currencies =
        format(text::kVatReturnCurrencies, settings.currency1.c_str(), settings.currency1.c_str());
    const std::string ruler = RulerLine(layout.width);
    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(UnderlineLine(text::kVatReturnUnderline.size(), '-',
                                                 printFile.state().currentPage, layout.width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
               printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(currencies) &&
               printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);
    for (const std::string& line : printout.lines) {
        if (!ok) break;
        ok = printFile.WriteBodyLine(line);
    }
    const bool ended = printFile.EndReport(request);
    if (!ok || !ended) return 0;

    const std::string path = VatTransferPath(options, year);
    if (path.empty()) return 1;
    const int year4 = YearOfMonth(options.fromMonth, year);
    const std::string content = TransferText(figures, values, year4, VatReturnYear(options.fromMonth, year),
                                             VatPeriodCode(options.fromMonth, options.toMonth), settings.elster);
    const std::string workPath = config::vatWorkFileName(options.dataDirectory, options.circleNumber);
    return WriteTransferFile(workPath, path, content, books.messages) ? 1 : 0;
}

}  // namespace tellmark::reports
