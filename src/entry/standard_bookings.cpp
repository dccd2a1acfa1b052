#include "entry/standard_bookings.h"

#include <algorithm>

#include "config/text_helpers.h"
#include "config/typed_numbers.h"
#include "entry/typed_booking.h"
#include "posting/date_check.h"
#include "posting/books_operation.h"
#include "posting/line_checks.h"
#include "posting/posting_batch.h"
#include "posting/text_checks.h"
#include "posting/vat_preset.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_standard_bookings.h"

namespace tellmark::entry {

namespace {

// The books with their messages kept: a line is looked at before anyone is told about it.
posting::Books quietBooks(const posting::Books& b, ui::Messages& quiet) {
    return posting::Books{b.debit,        b.credit,     b.outputVat,       b.inputVat,    b.lists,
                          b.accountIndex, b.journal,    b.journalIndex,    b.settings,    b.numbering,
                          quiet,          b.lastPostingType, b.balanceFile, b.marker,     b.health,
                          b.progress};
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string firstMessage(const ui::RecordingMessages& recorded, std::string_view fallback) {
    return recorded.empty() ? std::string(fallback) : recorded.entries.front().text;
}

TypedBooking typedOf(const ledger::BookingTexts& line) {
    TypedBooking typed;
    typed.date = line.date;
    typed.document = line.document;
    typed.debit = line.debit;
    typed.credit = line.credit;
    typed.text = line.text;
    typed.amount = line.amount;
    typed.rate = line.rate;
    return typed;
}

}  // namespace

StandardCheck checkStandardBooking(circles::CVt36Doc& doc, const TypedStandardBooking& typed) {
    StandardCheck out;
    ui::Messages& messages = doc.messages();
    if (!posting::checkDocumentNumber(typed.document, messages)) return out;
    posting::Books books = doc.books();
    posting::AccountsCheck accounts = posting::checkAccounts(books, typed.debit, typed.credit);
    if (!accounts.ok) {
        if (!accounts.invalidText && (!accounts.debitFound || !accounts.creditFound))
            out.missingAccount = accounts.debitFound ? typed.credit : typed.debit;
        return out;
    }
    if (!posting::checkBookingText(typed.text, messages)) return out;

    // An amount of 0.00 stays: the record is a template whose amount is entered when it is posted.
    std::string amountField;
    const config::TypedNumber typedAmount = config::readTypedNumber(typed.amount);
    if (typedAmount.ok() && typedAmount.value == 0.0) {
        amountField = format("%11.2f", 0.0);
    } else {
        const posting::AmountCheck amount = posting::checkAmount(typed.amount, messages);
        if (!amount.ok) return out;
        amountField = amount.field;
    }
    const config::CircleSettings& settings = doc.settings();
    const int debitNumber = std::stoi(accounts.debitNumber);
    const int creditNumber = std::stoi(accounts.creditNumber);
    const bool rateAllowed =
        posting::vatRateAllowed(accounts.postingType, settings.vatOn != 0, debitNumber, creditNumber, settings.chart);
    std::string rateText = typed.rate;
    if (config::isBlank(rateText) && rateAllowed)
        rateText = posting::defaultVatRate(accounts.debitName, accounts.creditName);
    if (config::isBlank(rateText)) rateText.assign(1, '0');
    const posting::RateCheck rate = posting::checkVatRate(rateText, rateAllowed, messages);
    if (!rate.ok) return out;
    out.record = ledger::makeStandardBooking(typed.marked, typed.document, accounts.debitNumber,
                                             accounts.creditNumber, typed.text, amountField, rate.field);
    return out;
}

// --- The file ---------------------------------------------------------------------------------------

bool StandardBookings::load() {
    return ledger::readStandardBookings(doc_.standardBookingsFile(), records_, doc_.messages());
}

StandardBookings::Edit StandardBookings::write(std::vector<ledger::StandardBookingRecord> next) {
    if (!ledger::writeStandardBookings(doc_.standardBookingsFile(), next, doc_.messages())) {
        // Usually the old file is still in place; when only the directory could not be synced the new one
        // is. The records are what the file holds.
        ui::SilentMessages silent;
        if (!ledger::readStandardBookings(doc_.standardBookingsFile(), records_, silent)) records_.clear();
        return Edit::NotWritten;
    }
    records_ = std::move(next);
    return Edit::Done;
}

StandardBookings::Edit StandardBookings::insert(const ledger::StandardBookingRecord& record, int at) {
    if (count() >= ledger::kMaxStandardBookings) return Edit::Full;
    if (at == 0) at = count() + 1;
    if (at < 1 || at > count() + 1) return Edit::NoSuchRecord;
    std::vector<ledger::StandardBookingRecord> next = records_;
    next.insert(next.begin() + (at - 1), record);
    return write(std::move(next));
}

StandardBookings::Edit StandardBookings::insertBlank(int at) {
    ledger::StandardBookingRecord blank;
    blank.marked = true;
    return insert(blank, at);
}

StandardBookings::Edit StandardBookings::replace(int n, const ledger::StandardBookingRecord& record) {
    if (n < 1 || n > count()) return Edit::NoSuchRecord;
    std::vector<ledger::StandardBookingRecord> next = records_;
    next[static_cast<std::size_t>(n - 1)] = record;
    return write(std::move(next));
}

StandardBookings::Edit StandardBookings::remove(int n) {
    if (n < 1 || n > count()) return Edit::NoSuchRecord;
    std::vector<ledger::StandardBookingRecord> next = records_;
    next.erase(next.begin() + (n - 1));
    return write(std::move(next));
}

StandardBookings::Edit StandardBookings::setMarked(int n, bool marked) {
    if (n < 1 || n > count()) return Edit::NoSuchRecord;
    if (records_[static_cast<std::size_t>(n - 1)].marked == marked) return Edit::Done;
    std::vector<ledger::StandardBookingRecord> next = records_;
    next[static_cast<std::size_t>(n - 1)].marked = marked;
    return write(std::move(next));
}

int StandardBookings::firstAccountFault() const {
    ui::SilentMessages silent;
    const posting::Books books = doc_.books();
    posting::Books quiet = quietBooks(books, silent);
    for (int n = 1; n <= count(); ++n) {
        const ledger::StandardBookingRecord& r = records_[static_cast<std::size_t>(n - 1)];
        if (!posting::checkAccounts(quiet, r.debit, r.credit).ok) return n;
    }
    return 0;
}

void StandardBookings::showAccountFault(int n) const {
    doc_.messages().show(format(text::kStandardAccountFault, static_cast<double>(n)), text::kCaptionError,
                         ui::kIconStop);
}

// --- Posting ----------------------------------------------------------------------------------------

ledger::BookingTexts standardLine(const ledger::StandardBookingRecord& record, std::string_view date) {
    return ledger::BookingTexts{std::string(date), record.document, record.debit, record.credit,
                                record.text,       record.amount,   record.rate};
}

std::string standardLineFault(circles::CVt36Doc& doc, const ledger::BookingTexts& line) {
    ui::RecordingMessages recorded;
    const config::CircleSettings& settings = doc.settings();
    std::string date = line.date;
    std::replace(date.begin(), date.end(), ',', '.');
    if (!posting::checkDate(date, {}, settings, doc.programConfig().thirteenthMonth, recorded).ok)
        return std::string(text::kCorrectionDateFault);
    if (!posting::checkDocumentNumber(line.document, recorded)) return firstMessage(recorded, {});

    posting::Books books = doc.books();
    posting::Books quiet = quietBooks(books, recorded);
    const posting::AccountsCheck accounts = posting::checkAccounts(quiet, line.debit, line.credit);
    if (!accounts.ok) {
        if (accounts.debitFound && accounts.creditFound) return firstMessage(recorded, text::kCorrectionAccountFault);
        return std::string(text::kCorrectionAccountFault);
    }
    if (!posting::checkBookingText(line.text, recorded)) return firstMessage(recorded, {});
    if (line.text.find(".#") != std::string::npos) return std::string(text::kCorrectionMarkerFault);
    if (!posting::checkAmount(line.amount, recorded).ok) return std::string(text::kCorrectionAmountFault);

    const int debitNumber = std::stoi(accounts.debitNumber);
    const int creditNumber = std::stoi(accounts.creditNumber);
    const bool rateAllowed =
        posting::vatRateAllowed(accounts.postingType, settings.vatOn != 0, debitNumber, creditNumber, settings.chart);
    std::string rateText = line.rate;
    if (config::isBlank(rateText) && rateAllowed)
        rateText = posting::defaultVatRate(accounts.debitName, accounts.creditName);
    if (config::isBlank(rateText)) rateText.assign(1, '0');
    if (!posting::checkVatRate(rateText, rateAllowed, recorded).ok) return std::string(text::kCorrectionVatFault);
    return {};
}

namespace {

ui::Question correctionQuestion(const StandardLine& standard, const std::string& fault) {
    ui::Question q;
    q.kind = "standard-booking-correction";
    q.caption = std::string(text::kCorrectionTitle);
    q.text = fault;
    const ledger::BookingTexts& l = standard.line;
    // The seven fields of the line, then the record's number (not changed by the person).
    q.fields = {l.date, l.document, l.debit, l.credit, l.text, l.amount, l.rate, format("%03i", standard.number)};
    q.answers = {std::string(text::kCorrectionPost), std::string(text::kCorrectionSkip),
                 std::string(text::kCorrectionCancel)};
    return q;
}

void takeFields(const ui::Question& q, ledger::BookingTexts& line) {
    if (q.fields.size() < 7) return;
    line = ledger::BookingTexts{q.fields[0], q.fields[1], q.fields[2], q.fields[3],
                                q.fields[4], q.fields[5], q.fields[6]};
}

}  // namespace

StandardPostingResult postStandardLines(circles::CVt36Doc& doc, std::vector<StandardLine> lines,
                                        ui::Decisions& decisions, FaultyLines faulty) {
    StandardPostingResult result;
    // Books that may not be written are told before anyone is asked about a line.
    posting::Books books = doc.books();
    if (!lines.empty() && !posting::booksMayChange(books)) {
        result.outcome = StandardPostingResult::Outcome::Failed;
        return result;
    }
    // Every question first: what is posted is known before the first line is written.
    std::vector<StandardLine> accepted;
    bool unanswered = false;
    for (StandardLine& standard : lines) {
        std::string fault = standardLineFault(doc, standard.line);
        bool take = fault.empty();
        while (!take) {
            if (faulty == FaultyLines::Skip || unanswered) {
                result.faulty.push_back({standard.number, fault});
                break;
            }
            ui::Question q = correctionQuestion(standard, fault);
            const int answer = decisions.ask(q);
            if (answer == ui::kNoOneToAsk) {
                unanswered = true;
                result.faulty.push_back({standard.number, fault});
                break;
            }
            if (answer == kCorrectionSkip) {
                result.faulty.push_back({standard.number, fault});
                break;
            }
            if (answer != kCorrectionPost) {
                result.cancelled = true;
                break;
            }
            takeFields(q, standard.line);
            fault = standardLineFault(doc, standard.line);
            take = fault.empty();
        }
        if (result.cancelled) break;
        if (take) accepted.push_back(standard);
    }
    if (unanswered) {
        result.outcome = StandardPostingResult::Outcome::Unanswered;
        result.cancelled = false;
        return result;
    }
    if (accepted.empty()) return result;

    posting::PostingBatch batch(doc.books());
    if (!batch.begin()) {
        result.outcome = StandardPostingResult::Outcome::Failed;
        return result;
    }
    result.firstBooking = doc.journal().count() + 1;
    int posted = 0;
    bool allPosted = true;
    for (const StandardLine& standard : accepted) {
        const TypedOutcome outcome = postTypedBooking(doc, batch.books(), typedOf(standard.line));
        if (outcome.result != TypedResult::Saved) {
            allPosted = false;
            break;
        }
        ++posted;
    }
    const posting::BatchCommit committed = batch.commit();
    result.posted = committed == posting::BatchCommit::Undone ? 0 : posted;
    if (!allPosted || committed == posting::BatchCommit::Undone) result.outcome = StandardPostingResult::Outcome::Failed;
    if (result.posted == 0) result.firstBooking = 0;
    return result;
}

StandardPostingResult postMarkedStandardBookings(circles::CVt36Doc& doc, std::string_view date,
                                                 ui::Decisions& decisions, FaultyLines faulty) {
    StandardBookings file(doc);
    StandardPostingResult result;
    if (!file.load()) {
        result.outcome = StandardPostingResult::Outcome::Failed;
        return result;
    }
    if (file.count() == 0) {
        doc.messages().show(text::kStandardNoneYet, text::kCaptionInformation, ui::kIconInformation);
        result.outcome = StandardPostingResult::Outcome::NoStandardBookings;
        return result;
    }
    std::vector<StandardLine> lines;
    for (int n = 1; n <= file.count(); ++n) {
        const ledger::StandardBookingRecord& record = file.records()[static_cast<std::size_t>(n - 1)];
        if (record.marked) lines.push_back({n, standardLine(record, trimmed(date))});
    }
    result = postStandardLines(doc, std::move(lines), decisions, faulty);
    if (result.outcome == StandardPostingResult::Outcome::Done)
        doc.messages().show(format(text::kStandardPosted, result.posted), text::kCaptionInformation,
                            ui::kIconInformation);
    return result;
}

}  // namespace tellmark::entry
