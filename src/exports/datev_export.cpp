#include "exports/datev_export.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <sys/time.h>

#include "config/file_names.h"
#include "config/text_helpers.h"
#include "exports/datev_booking_fields.h"
#include "exports/datev_extf_sink.h"
#include "exports/datev_protocol_sink.h"
#include "ledger/account_record.h"
#include "platform/directory.h"
#include "posting/date_check.h"
#include "posting/posting_types.h"
#include "reports/journal_scan.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::exports {

namespace {

constexpr int kClosingMonth = 13;
constexpr int kHighestOwnAccount = 29999;
constexpr int kOpeningContra = 9000;
constexpr double kSmallestOpeningBalance = 0.00444;
constexpr long kBookingsPerStep = 1000;
constexpr int kAccountsPerStep = 10;

// A booking as the record takes it.
struct BookingValues {
    long long cents;
    int debit;
    int credit;
    std::string_view document;
    std::string_view text;
    int day;
    int month;
    double rate;
};

class Sender {
public:
    Sender(reports::JournalReportBooks& books, const DatevExportRequest& request, const DatevMapping& mapping,
           DatevRecordSink& sink)
        : books_(books), s_(books.settings), request_(request), mapping_(mapping), sink_(sink),
          currency_(config::toUpper(request.data.currency)) {}

    int run(const DatevRun& run);

private:
    bool fail(std::string_view message) {
        books_.messages.show(message, text::kCaptionError, ui::kIconStop);
        return false;
    }
    bool set(std::string_view name, std::string_view value) { return sink_.setField(name, value) >= 0; }
    bool write() {
        bool faulty = false;
        return sink_.writeRecord(faulty) >= 0 && !faulty;
    }
    std::string dateField(int day, int month, int year2) const {
        const DatevDay d = datevDay(day, month, s_);
        return format("%02i%02i%02i", d.day, d.month, year2);
    }
    bool header(const DatevRun& run);
    bool version();
    bool openingBookings();
    bool bookings(const DatevRun& run);
    // The message of the failure, empty when the record went through.
    std::string_view booking(const BookingValues& b);
    bool closing();

    reports::JournalReportBooks& books_;
    const config::CircleSettings& s_;
    const DatevExportRequest& request_;
    const DatevMapping& mapping_;
    DatevRecordSink& sink_;
    std::string currency_;
};

bool Sender::header(const DatevRun& run) {
    const config::DatevData& d = request_.data;
    std::string accounting = config::trim(d.accountingNumber);
    if (accounting.size() < 4) accounting.insert(0, 4 - accounting.size(), '0');
    const DatevPeriod& p = run.period;
    return sink_.beginRecord(text::kDatevRecordHeader) >= 0 && set(text::kDatevFieldCarrier, d.carrierNumber) &&
           set(text::kDatevFieldDfv, d.dfv) && set(text::kDatevFieldAdviser, d.adviserNumber) &&
           set(text::kDatevFieldClient, d.clientNumber) &&
           set(text::kDatevFieldAccounting, accounting + format("%02i", run.year2)) &&
           set(text::kDatevFieldFrom, dateField(p.fromDay, p.fromMonth, run.year2)) &&
           set(text::kDatevFieldTo, dateField(p.toDay, p.toMonth, run.year2)) &&
           set(text::kDatevFieldPage, text::kDatevPageValue) &&
           (config::isBlank(d.password) || set(text::kDatevFieldPassword, d.password)) && write();
}

bool Sender::version() {
    return sink_.beginRecord(text::kDatevRecordVersion) >= 0 &&
           set(text::kDatevFieldVersion, text::kDatevVersionValue) && write();
}

std::string_view Sender::booking(const BookingValues& b) {
    const int type = posting::classify(b.debit, b.credit, s_.chart).postingType;
    const std::string_view key = datevVatKey(type, b.rate, posting::calendarYearOfMonth(b.month, s_));
    const std::string document = datevDocumentText(b.document);
    const std::string bookingText = datevBookingText(b.text);
    if (sink_.beginRecord(text::kDatevRecordBooking) < 0 ||
        !set(text::kDatevFieldAmount, datevAmountText(b.cents)) ||
        !set(text::kDatevFieldContra, std::to_string(mapping_.exported(b.credit))) ||
        (!document.empty() && !set(text::kDatevFieldDocument1, document)) ||
        (b.month == kClosingMonth && !set(text::kDatevFieldDocument2, text::kDatevClosingDocument2)) ||
        !set(text::kDatevFieldDate, datevDateText(b.day, b.month, s_)) ||
        !set(text::kDatevFieldAccount, std::to_string(mapping_.exported(b.debit))) ||
        (!bookingText.empty() && !set(text::kDatevFieldText, bookingText)) ||
        (!key.empty() && !set(text::kDatevFieldVatKey, key)) || !set(text::kDatevFieldCurrency, currency_) ||
        !write())
        return text::kMsgDatevBookingFailed;
    bool faulty = false;
    if (sink_.resetRecord(faulty) < 0 || faulty) return text::kMsgDatevResetFailed;
    return {};
}

// Every account up to 29999 with an opening balance of its own (status '9': it came from opening
// bookings, which go out with the journal).
bool Sender::openingBookings() {
    ledger::CSIndex& index = books_.accountIndex;
    const int count = index.count();
    books_.progress.start(text::kProgressDatevOpeningCaption, {}, text::kProgressDatevOpeningLine, {},
                          std::max(1, count / kAccountsPerStep), ui::kBarPercentStayFull);
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        if (i % kAccountsPerStep == kAccountsPerStep - 1) {
            books_.progress.step(1);
            books_.progress.poll();
        }
        const ledger::CSIndex::NumberSlot slot = index.numberSlots()[i];
        if (slot.number > kHighestOwnAccount) break;
        if (books_.cursor.read(slot.record) < 0) {
            ok = false;
            break;
        }
        const double opening = books_.cursor.slotValue(0);
        if (std::abs(opening) < kSmallestOpeningBalance || books_.cursor.status() == ledger::kStatusCarriedForward)
            continue;
        BookingValues b{datevCents(opening), slot.number, kOpeningContra, {}, text::kDatevOpeningText,
                        1,                   s_.firstMonth, 0.0};
        if (!booking(b).empty()) {
            ok = false;
            break;
        }
    }
    books_.progress.end();
    return ok || fail(text::kMsgDatevOpeningFailed);
}

bool Sender::bookings(const DatevRun& run) {
    ledger::Journal& journal = books_.journal;
    const long count = journal.count();
    const int from = businessDayKey(run.period.fromDay, run.period.fromMonth, s_);
    const int to = businessDayKey(run.period.toDay, run.period.toMonth, s_);
    books_.progress.start(text::kProgressDatevCaption, {}, text::kProgressDatevLine, {},
                          static_cast<int>(std::max(1L, count / kBookingsPerStep)), ui::kBarPercentStayFull);
    reports::JournalScan scan(journal, books_.journalIndex);
    std::string_view failure;
    const bool scanned = count == 0 || scan.scanRange(1, count, [&](const ledger::ParsedBooking& b, long n) {
        if (n % kBookingsPerStep == 0) {
            books_.progress.step(1);
            books_.progress.poll();
        }
        if (b.month == 0) return true;
        const int key = businessDayKey(b.day, b.month, s_);
        if (key < from || key > to) return true;
        failure = booking({datevCents(b.amountValue), b.debitNumber, b.creditNumber, b.document, b.text, b.day,
                           b.month, b.rateValue});
        return failure.empty();
    });
    books_.progress.end();
    if (!failure.empty()) return fail(failure);
    return scanned || fail(text::kMsgDatevBookingFailed);
}

bool Sender::closing() {
    if (sink_.beginRecord(text::kDatevRecordGroupSum) < 0 || !set(text::kDatevFieldSum, text::kDatevSumValue) ||
        !write())
        return fail(text::kMsgDatevSumFailed);
    if (sink_.beginRecord(text::kDatevRecordClientEnd) < 0 || !write()) return fail(text::kMsgDatevCloseFailed);
    bool faulty = false;
    if (sink_.close(faulty) < 0 || faulty) return fail(text::kMsgDatevCloseFailed);
    return true;
}

int Sender::run(const DatevRun& run) {
    if (sink_.open(text::kDatevFileFormat) < 0) return fail(text::kMsgDatevOpenFailed);
    if (!header(run)) return fail(text::kMsgDatevHeaderFailed);
    if (!version()) return fail(text::kMsgDatevVersionFailed);
    if (request_.openingBookings && periodOpensBusinessYear(run.period, s_) && !openingBookings()) return 0;
    return bookings(run) && closing() ? 1 : 0;
}

}  // namespace

std::vector<DatevRun> datevRuns(const DatevPeriod& p, const config::CircleSettings& s) {
    auto inFirstYear = [&](int month) { return s.spanYear && month >= s.firstMonth && month <= 12; };
    const int fromYear = posting::calendarYearOfMonth(p.fromMonth, s) % 100;
    if (!s.spanYear || !inFirstYear(p.fromMonth) || inFirstYear(p.toMonth)) return {{p, fromYear}};
    return {{{p.fromDay, p.fromMonth, 31, 12}, s.firstYear4 % 100}, {{1, 1, p.toDay, p.toMonth}, s.secondYear4 % 100}};
}

int sendDatevRecords(reports::JournalReportBooks& books, const DatevExportRequest& request,
                     const DatevMapping& mapping, DatevRecordSink& sink, std::vector<DatevError>& errors) {
    Sender sender(books, request, mapping, sink);
    for (const DatevRun& run : datevRuns(request.period, books.settings))
        if (!sender.run(run)) return 0;
    errors = sink.errors();
    return 1;
}

DatevExportResult exportDatev(reports::JournalReportBooks& books, const DatevExportRequest& request,
                              const DatevMapping& mapping, const std::string& directory,
                              const std::string& createdAt) {
    const config::CircleSettings& s = books.settings;
    DatevExportResult result;
    // A directory named for the export that is not there yet is made, as for the audit export; a file of
    // that name is left alone (and the export cannot open its files there).
    if (!platform::directoryExists(directory) && !platform::fileExists(directory) &&
        platform::createDirectory(directory, books.messages) != 1) {
        books.messages.show(text::kMsgDatevAborted, text::kCaptionInformation, ui::kIconInformation);
        return result;
    }
    ExtfContext context;
    context.directory = directory;
    context.createdAt = createdAt;
    context.businessYearStart = s.firstYear4 * 10000 + s.firstMonth * 100 + 1;
    context.chart = s.chart == 4 ? "04" : "03";
    context.currency = config::toUpper(request.data.currency);
    DatevProtocolSink protocol(config::joinPath(directory, std::string(text::kDatevProtocolName)));
    DatevExtfSink extf(context);
    DatevSinkTee sinks({&protocol, &extf});

    std::vector<DatevError> errors;
    bool done = sendDatevRecords(books, request, mapping, sinks, errors) == 1;
    if (done && !errors.empty()) {
        result.errorList = datevErrorListText(errors);
        books.messages.show(format(text::kMsgDatevErrorsFound, static_cast<int>(errors.size())), text::kCaptionError,
                            ui::kIconStop);
        done = false;
    }
    if (done && !sinks.commit()) {
        books.messages.show(text::kMsgDatevCloseFailed, text::kCaptionError, ui::kIconStop);
        done = false;
    }
    if (!done) {
        sinks.discard();
        books.messages.show(text::kMsgDatevAborted, text::kCaptionInformation, ui::kIconInformation);
        return result;
    }
    result.done = true;
    result.files = sinks.fileNames();
    return result;
}

std::string datevExportDirectory(const config::DatevData& data, const std::string& dataDirectory, int circleNumber) {
    const std::string path = config::trim(data.exportPath);
    return path.empty() ? config::circleDirectoryName(dataDirectory, circleNumber) : path;
}

std::string datevTimestampNow() {
    timeval now{};
    ::gettimeofday(&now, nullptr);
    std::tm local{};
    const std::time_t seconds = now.tv_sec;
    ::localtime_r(&seconds, &local);
    return format("%04i%02i%02i%02i%02i%02i%03i", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(now.tv_usec / 1000));
}

}  // namespace tellmark::exports
