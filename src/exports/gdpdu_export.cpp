#include "exports/gdpdu_export.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <unistd.h>

#include "circles/chart_template.h"
#include "circles/document.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "exports/gdpdu_index_xml.h"
#include "exports/gdpdu_tables.h"
#include "ledger/salden.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "platform/process.h"
#include "reports/account_selection.h"
#include "reports/page_header.h"
#include "reports/sheet_body.h"
#include "resources/format.h"
#include "resources/texts_accounts.h"
#include "resources/texts_common.h"
#include "resources/texts_exports_gdpdu.h"
#include "resources/texts_files.h"
#include "resources/texts_reports_sheets.h"

namespace tellmark::exports {

namespace {

using reports::ToCents;

constexpr std::size_t kWriteBlock = 1 << 20;
constexpr int kLastDay = 31;
// Room for "DD.MM.YYYY" of any three ints, so that no date can be cut off unseen.
constexpr std::size_t kDateBuffer = 40;

// A booking of the year as the tables need it, kept compactly between the one scan and the tables.
struct ExportRow {
    std::int64_t gross = 0;        // amount as booked
    std::int64_t vat = 0;          // its VAT amount
    std::int64_t debitShare = 0;   // what the posting engine put on the debit account (debit side)
    std::int64_t creditShare = 0;  // ... on the credit account (credit side, positive)
    std::int64_t vatShare = 0;     // ... on the standard VAT account, on its side (positive)
    std::int32_t number = 0;
    std::int32_t debit = 0;
    std::int32_t credit = 0;
    std::int32_t vatAccount = 0;
    std::int8_t day = 0;
    std::int8_t month = 0;
    bool vatOnDebit = false;
    char document[ledger::kDocumentWidth];
    char debitText[ledger::kAccountWidth];
    char creditText[ledger::kAccountWidth];
    char text[ledger::kTextWidth];
    char rate[ledger::kRateWidth];
};

// The line of an account's sheet or cash book: account, position in the business year, day, row, role.
// Sorted, the lines of every account stand together month by month, day by day, in booking order.
enum Role : std::uint64_t { kDebitRole = 0, kCreditRole = 1, kVatRole = 2 };

std::uint64_t LineKey(int account, int position, int day, std::size_t row, Role role) {
    return (static_cast<std::uint64_t>(account) << 44) | (static_cast<std::uint64_t>(position) << 40) |
           (static_cast<std::uint64_t>(day) << 34) | (static_cast<std::uint64_t>(row) << 2) | role;
}
std::size_t RowOfKey(std::uint64_t key) { return static_cast<std::size_t>((key >> 2) & 0xFFFFFFFFull); }
Role RoleOfKey(std::uint64_t key) { return static_cast<Role>(key & 3); }

struct AccountLine {
    int number = 0;
    std::string numberText;
    std::string name;
    std::int64_t opening = 0;      // slot 0
    std::int64_t movement = 0;     // the slots of the business months and month 13
    std::int64_t sheetOpening = 0; // the balance the journal's lines start from
};

template <std::size_t N>
std::string_view Field(const char (&field)[N]) {
    return std::string_view(field, N);
}

template <std::size_t N>
void Keep(char (&to)[N], const char* from) {
    std::memcpy(to, from, N);
}

bool IsValidDate(int day, int month, const reports::BookingYear& year) {
    if (month == 13) return day >= 1 && day <= kLastDay;
    if (month < 1 || month > 12) return false;
    return day >= 1 && day <= config::lastDayOfMonth(month, reports::YearOfMonth(month, year));
}

// A table file written beside its name and renamed into place when complete.
class TableFile {
public:
    TableFile(std::string path, ui::Messages& messages) : path_(std::move(path)), messages_(messages) {}
    ~TableFile() {
        if (file_.isOpen()) {
            file_.close();
            platform::removeFile(platform::replacementName(path_));
        }
    }
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    bool create() {
        if (file_.create(platform::replacementName(path_))) return true;
        messages_.show(text::kGdpduFileNotCreated, text::kCaptionError, ui::kIconStop);
        return false;
    }
    std::string& buffer() { return buffer_; }
    // Writes the buffer out once it holds a block.
    bool spill() { return buffer_.size() < kWriteBlock || writeOut(); }
    bool commit() {
        if (!writeOut() || !file_.flush()) return failed();
        file_.close();
        if (!platform::replaceFile(platform::replacementName(path_), path_)) {
            platform::removeFile(platform::replacementName(path_));
            return failed();
        }
        return true;
    }
    // A row that did not fit its columns is a failed write of the table.
    bool failed() {
        messages_.show(text::kGdpduWriteFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }

private:
    bool writeOut() {
        if (buffer_.empty()) return true;
        if (!file_.append(buffer_.data(), buffer_.size())) return false;
        buffer_.clear();
        return true;
    }

    std::string path_;
    ui::Messages& messages_;
    platform::File file_;
    std::string buffer_;
};

class Export {
public:
    Export(reports::JournalReportBooks& books, const GdpduOptions& options, const GdpduPaths& paths)
        : books_(books), options_(options), paths_(paths), year_(reports::BookingYearOf(books.settings)) {}

    int run() {
        if (!checkCashAccounts() || !makeDirectories()) return 0;
        const std::string indexPath = joined(text::kNameGdpduDescription);
        platform::removeFile(indexPath);
        // An earlier export's cash books do not outlive an export without cash accounts.
        if (cash_.empty()) platform::removeFile(tablePath(text::kSuffixGdpduCashBook));
        if (!readAccounts() || !scanJournal()) return 0;
        sortLines();

        GdpduIndex index;
        index.company = options_.company;
        index.place = options_.place;
        index.firstYear = year_.firstYear;
        index.secondYear = year_.secondYear;
        if (!cash_.empty() && !writeCashBooks()) return 0;
        if (!writeJournal() || !writeSheets() || !writeBalances()) return 0;
        index.tables.push_back({GdpduTableKind::Journal, tableName(text::kSuffixGdpduJournal)});
        if (!cash_.empty())
            index.tables.push_back({GdpduTableKind::CashBook, tableName(text::kSuffixGdpduCashBook)});
        index.tables.push_back({GdpduTableKind::AccountSheets, tableName(text::kSuffixGdpduAccountSheets)});
        index.tables.push_back({GdpduTableKind::Balances, tableName(text::kSuffixGdpduBalances)});

        if (platform::copyFileDetached(paths_.dtdSource, joined(text::kNameGdpduDtd), books_.messages) != 1) return 0;
        books_.progress.start(text::kGdpduIndexProgressCaption, {}, text::kGdpduIndexProgressLine, {}, 1,
                              ui::kBarEndless);
        TableFile file(indexPath, books_.messages);
        bool written = file.create();
        if (written) {
            file.buffer() = GdpduIndexXml(index);
            written = file.commit();
        }
        books_.progress.end();
        return written ? 1 : 0;
    }

private:
    std::string joined(std::string_view name) const { return config::joinPath(paths_.directory, std::string(name)); }
    std::string tableName(std::string_view suffix) const {
        return format(text::kNameGdpduTable, paths_.storedYear, std::string(suffix).c_str());
    }
    std::string tablePath(std::string_view suffix) const { return joined(tableName(suffix)); }

    bool checkCashAccounts() {
        std::string balance, name, numberText;
        for (int account : options_.cashAccounts) {
            if (books_.cursor.findByNumber(account, balance, name, numberText) != 1) {
                books_.messages.show(text::kAccountNumberNotAllowed, text::kCaptionError, ui::kIconStop);
                return false;
            }
            if (std::find(cash_.begin(), cash_.end(), account) != cash_.end()) continue;
            cash_.push_back(account);
            cashText_.push_back(numberText);
            cashOpening_.push_back(reports::SlotsBeforeWindow(books_.cursor, year_.firstMonth));
        }
        return true;
    }

    // The "GDPdU" directory and the year's directory in it, each when missing.
    bool makeDirectories() {
        const std::size_t slash = paths_.directory.rfind('/');
        if (slash != std::string::npos && slash > 0) {
            const std::string parent = paths_.directory.substr(0, slash);
            if (!platform::directoryExists(parent) && platform::createDirectory(parent, books_.messages) != 1)
                return false;
        }
        return platform::directoryExists(paths_.directory) ||
               platform::createDirectory(paths_.directory, books_.messages) == 1;
    }

    bool readAccounts() {
        reports::AccountSelection all;
        all.byGroup = false;
        all.from = 1;
        all.to = reports::kHighestAccountNumber;
        reports::SelectedAccounts selected(all, books_.cursor, books_.accountIndex);
        while (selected.next()) {
            const ledger::CSalden& c = books_.cursor;
            const int number = c.numberValue();
            if (number < 1 || number > reports::kHighestAccountNumber) continue;
            AccountLine line;
            line.number = number;
            line.numberText = std::string(c.numberText());
            line.name = std::string(c.name());
            line.opening = ToCents(c.slotValue(0));
            for (int slot = 1; slot <= 13; ++slot) line.movement += ToCents(c.slotValue(slot));
            line.sheetOpening = reports::SlotsBeforeWindow(c, year_.firstMonth);
            accounts_.push_back(std::move(line));
        }
        return true;
    }

    bool scanJournal() {
        const reports::DateWindow year{1, year_.firstMonth, kLastDay, 13};
        const long bookings = reports::SheetScanBookings(books_, year);
        rows_.reserve(static_cast<std::size_t>(std::max(0L, bookings)));
        books_.progress.start(text::kGdpduJournalProgressCaption, {}, text::kGdpduJournalProgressLine,
                              format(text::kGdpduJournalProgressMonth, year_.firstMonth),
                              std::max(1, reports::SheetScanUnits(bookings)), ui::kBarEndless);
        int month = 0;
        const reports::SheetScanEnd end = reports::ScanSheetBookings(books_, year, [&](const reports::SheetBooking& s) {
            const ledger::ParsedBooking& b = *s.booking;
            if (b.month != month) {
                month = b.month;
                books_.progress.setBarLabel(format(text::kGdpduJournalProgressMonth, month));
            }
            if (!IsValidDate(b.day, b.month, year_)) return true;
            ExportRow row;
            row.gross = ToCents(b.amountValue);
            row.vat = ToCents(b.vatValue);
            row.debitShare = s.debit;
            row.creditShare = s.credit;
            row.vatShare = s.vat;
            row.vatAccount = s.vatAccount;
            row.vatOnDebit = s.vatColumn == reports::SheetColumn::Debit;
            row.number = static_cast<std::int32_t>(s.number);
            row.debit = b.debitNumber;
            row.credit = b.creditNumber;
            row.day = static_cast<std::int8_t>(b.day);
            row.month = static_cast<std::int8_t>(b.month);
            Keep(row.document, b.document);
            Keep(row.debitText, b.debit);
            Keep(row.creditText, b.credit);
            Keep(row.text, b.text);
            Keep(row.rate, b.rate);
            rows_.push_back(row);
            return true;
        });
        books_.progress.end();
        if (end == reports::SheetScanEnd::ReadFailed) {
            books_.messages.show(text::kSheetsJournalReadFailed, text::kCaptionError, ui::kIconStop);
            return false;
        }
        return true;
    }

    int positionOf(int month) const {
        return month == 13 ? 13 : config::monthToPeriod(month, year_.firstMonth, year_.differs ? 1 : 0);
    }

    // Every line of every account: the debit and the credit account of each booking, and the standard
    // VAT account that received its VAT share.
    void sortLines() {
        lines_.reserve(rows_.size() * 2 + rows_.size() / 2);
        auto fits = [](int account) { return account >= 1 && account <= reports::kHighestAccountNumber; };
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const ExportRow& r = rows_[i];
            const int position = positionOf(r.month);
            if (fits(r.debit)) lines_.push_back(LineKey(r.debit, position, r.day, i, kDebitRole));
            if (fits(r.credit)) lines_.push_back(LineKey(r.credit, position, r.day, i, kCreditRole));
            if (r.vatAccount != 0 && fits(r.vatAccount))
                lines_.push_back(LineKey(r.vatAccount, position, r.day, i, kVatRole));
        }
        std::sort(lines_.begin(), lines_.end());
    }

    // The lines of one account, in order.
    std::pair<std::size_t, std::size_t> linesOf(int account) const {
        const auto first = std::lower_bound(lines_.begin(), lines_.end(), LineKey(account, 0, 0, 0, kDebitRole));
        const auto last = std::lower_bound(first, lines_.end(), LineKey(account + 1, 0, 0, 0, kDebitRole));
        return {static_cast<std::size_t>(first - lines_.begin()), static_cast<std::size_t>(last - lines_.begin())};
    }

    // "DD.MM.YYYY" of the audit date (month 13 on the last day of the business year) and of the control
    // date (the booking's own date with the year of its month).
    void dates(const ExportRow& r, char* audit, char* control) const {
        int day = r.day, month = r.month;
        if (month == 13) {
            month = year_.lastMonth;
            day = std::min(kLastDay, config::lastDayOfMonth(month, year_.secondYear));
            std::snprintf(audit, kDateBuffer, "%02i.%02i.%04i", day, month, year_.secondYear);
        } else {
            std::snprintf(audit, kDateBuffer, "%02i.%02i.%04i", day, month, reports::YearOfMonth(month, year_));
        }
        std::snprintf(control, kDateBuffer, "%02i.%02i.%04i", static_cast<int>(r.day), static_cast<int>(r.month),
                      reports::YearOfMonth(r.month, year_));
    }

    // The columns every table shares from the date to the text.
    void bookingFields(GdpduRow& row, const ExportRow& r) const {
        char audit[kDateBuffer], control[kDateBuffer];
        dates(r, audit, control);
        row.add(audit).add(control).add(Field(r.document)).add(GroupedNumber(Field(r.debitText)))
            .add(GroupedNumber(Field(r.creditText))).add(Field(r.text));
    }

    bool writeCashBooks() {
        TableFile file(tablePath(text::kSuffixGdpduCashBook), books_.messages);
        if (!file.create()) return false;
        books_.progress.start(text::kGdpduCashProgressCaption, {}, text::kGdpduCashProgressLine, {},
                              static_cast<int>(cash_.size()), ui::kBarEndless);
        GdpduRow row(GdpduTableKind::CashBook);
        char a[32], b[32], c[32], d[32];
        bool ok = true;
        for (std::size_t k = 0; ok && k < cash_.size(); ++k) {
            const int account = cash_[k];
            const std::string accountText = GroupedNumber(cashText_[k]);
            std::int64_t balance = cashOpening_[k];
            const auto [first, last] = linesOf(account);
            std::size_t previousRow = SIZE_MAX;
            for (std::size_t i = first; ok && i < last; ++i) {
                if (RoleOfKey(lines_[i]) == kVatRole) continue;
                const std::size_t index = RowOfKey(lines_[i]);
                if (index == previousRow) continue;  // debit and credit account alike: one line
                previousRow = index;
                const ExportRow& r = rows_[index];
                const std::int64_t before = balance;
                if (r.debit == account) balance += r.gross;
                if (r.credit == account) balance -= r.gross;
                row.add(accountText);
                bookingFields(row, r);
                row.add(GermanCents(r.gross, a)).add(RateWithComma(Field(r.rate))).add(GermanCents(r.vat, b))
                    .add(GermanCents(before, c)).add(GermanCents(balance, d));
                ok = row.finish(file.buffer()) ? file.spill() || file.failed() : file.failed();
            }
            books_.progress.step(1);
            books_.progress.poll();
        }
        books_.progress.end();
        return ok && file.commit();
    }

    bool writeJournal() {
        TableFile file(tablePath(text::kSuffixGdpduJournal), books_.messages);
        if (!file.create()) return false;
        GdpduRow row(GdpduTableKind::Journal);
        char a[32], b[32];
        for (const ExportRow& r : rows_) {
            row.add(GroupedNumber(format("%12i", static_cast<int>(r.number))));
            bookingFields(row, r);
            row.add(GermanCents(r.gross, a)).add(RateWithComma(Field(r.rate))).add(GermanCents(r.vat, b));
            if (!row.finish(file.buffer())) return file.failed();
            if (!file.spill()) return file.failed();
        }
        return file.commit();
    }

    bool writeSheets() {
        TableFile file(tablePath(text::kSuffixGdpduAccountSheets), books_.messages);
        if (!file.create()) return false;
        books_.progress.start(text::kGdpduSheetsProgressCaption, {}, text::kGdpduSheetsProgressLine,
                              format(text::kGdpduSheetsProgressAccount,
                                     static_cast<double>(accounts_.empty() ? 0 : accounts_.front().number)),
                              std::max<int>(1, static_cast<int>(accounts_.size())), ui::kBarEndless);
        GdpduRow row(GdpduTableKind::AccountSheets);
        char a[32], b[32];
        bool ok = true;
        for (std::size_t k = 0; ok && k < accounts_.size(); ++k) {
            const AccountLine& account = accounts_[k];
            // Accounts of the same number (a damaged balance file) show their lines once.
            if (k > 0 && accounts_[k - 1].number == account.number) continue;
            books_.progress.setBarLabel(format(text::kGdpduSheetsProgressAccount, static_cast<double>(account.number)));
            const std::string accountText = GroupedNumber(account.numberText);
            const auto [first, last] = linesOf(account.number);
            for (std::size_t i = first; ok && i < last; ++i) {
                const ExportRow& r = rows_[RowOfKey(lines_[i])];
                std::int64_t debit = 0, credit = 0;
                switch (RoleOfKey(lines_[i])) {
                case kDebitRole: debit = r.debitShare; break;
                case kCreditRole: credit = r.creditShare; break;
                default: (r.vatOnDebit ? debit : credit) = r.vatShare; break;
                }
                row.add(accountText);
                bookingFields(row, r);
                row.add(RateWithComma(Field(r.rate))).add(GermanCents(debit, a)).add(GermanCents(credit, b));
                ok = row.finish(file.buffer()) ? file.spill() || file.failed() : file.failed();
            }
            books_.progress.step(1);
            books_.progress.poll();
        }
        books_.progress.end();
        return ok && file.commit();
    }

    bool writeBalances() {
        TableFile file(tablePath(text::kSuffixGdpduBalances), books_.messages);
        if (!file.create()) return false;
        GdpduRow row(GdpduTableKind::Balances);
        char a[32], b[32], c[32];
        auto side = [](std::int64_t cents) { return cents > 0 ? 'S' : cents < 0 ? 'H' : ' '; };
        auto magnitude = [](std::int64_t cents) { return cents < 0 ? -cents : cents; };
        for (const AccountLine& account : accounts_) {
            const std::int64_t closing = account.opening + account.movement;
            row.add(GroupedNumber(account.numberText)).add(account.name);
            row.add(GermanCents(magnitude(account.opening), a)).add(side(account.opening));
            row.add(GermanCents(magnitude(account.movement), b)).add(side(account.movement));
            row.add(GermanCents(magnitude(closing), c)).add(side(closing));
            if (!row.finish(file.buffer())) return file.failed();
        }
        return file.commit();
    }

    reports::JournalReportBooks& books_;
    const GdpduOptions& options_;
    const GdpduPaths& paths_;
    const reports::BookingYear year_;
    std::vector<int> cash_;
    std::vector<std::string> cashText_;
    std::vector<std::int64_t> cashOpening_;
    std::vector<AccountLine> accounts_;
    std::vector<ExportRow> rows_;
    std::vector<std::uint64_t> lines_;
};

std::string CurrentDirectory() {
    std::string buffer(PATH_MAX, '\0');
    if (::getcwd(buffer.data(), buffer.size()) == nullptr) return {};
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

}  // namespace

GdpduPaths GdpduPathsOf(const std::string& dataDirectory, int circle, int storedYear) {
    GdpduPaths paths;
    paths.directory = config::gdpduYearDirectory(dataDirectory, circle, storedYear);
    paths.storedYear = storedYear;
    const std::string name(text::kNameGdpduDtd);
    for (const std::string& directory : circles::chartTemplateSearchDirectories("")) {
        const std::string path = directory + "/" + name;
        if (platform::fileExists(path)) {
            paths.dtdSource = path;
            break;
        }
    }
    if (paths.dtdSource.empty()) paths.dtdSource = config::gdpduDtdSourceFileName("");
    return paths;
}

std::string GdpduShownDirectory(const std::string& directory) {
    if (!directory.empty() && directory.front() == '/') return directory;
    return config::joinPath(CurrentDirectory(), directory);
}

int ExportGdpdu(reports::JournalReportBooks& books, const GdpduOptions& options, const GdpduPaths& paths) {
    Export run(books, options, paths);
    return run.run();
}

int ExportGdpdu(circles::CVt36Doc& doc, const GdpduOptions& options, std::string& directory) {
    const GdpduPaths paths = GdpduPathsOf(doc.dataDirectory(), doc.number(), doc.settings().year);
    reports::JournalReportBooks books{doc.journal(),  doc.journalIndex(), doc.reportCursor(), doc.accountIndex(),
                                      doc.settings(), doc.messages(),     doc.progress()};
    directory = GdpduShownDirectory(paths.directory);
    return ExportGdpdu(books, options, paths);
}

}  // namespace tellmark::exports
