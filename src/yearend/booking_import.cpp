#include "yearend/booking_import.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "config/text_helpers.h"
#include "platform/file.h"
#include "posting/date_check.h"
#include "posting/line_checks.h"
#include "posting/posting_batch.h"
#include "posting/text_checks.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_import.h"

namespace tellmark::yearend {

namespace {

// How often the progress window is repainted.
constexpr long kPollEvery = 100;
constexpr int kHighestAccount = 29999;

// An account field is the account's number, exactly: an import names accounts, it does not type them as
// the entry form's short forms ("84" there is 8400). Five digits are the form the look-up takes as is.
std::optional<std::string> exactAccount(std::string_view field) {
    const std::string number = config::trim(field);
    if (number.empty() || number.size() > 5 || number.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(number);
    if (value < 1 || value > kHighestAccount) return std::nullopt;
    return format("%05i", value);
}

// "DD.MM", "D.M.YYYY" or "DD,MM" as the files and spreadsheets write dates; ISO "YYYY-MM-DD" too. A day
// alone, which the entry form completes from the line before, says too little for an import.
std::optional<std::string> importDate(std::string_view field) {
    std::string date = config::trim(field);
    std::replace(date.begin(), date.end(), ',', '.');
    if (date.size() == 10 && date[4] == '-' && date[7] == '-')
        date = date.substr(8, 2) + "." + date.substr(5, 2) + "." + date.substr(0, 4);
    if (date.find('.') == std::string::npos) return std::nullopt;
    return date;
}

ImportFault faultOf(long line, const std::string& reason) { return ImportFault{line, reason}; }

ui::Question correctionQuestion(const ImportFields& fields, const LineCheck& check) {
    ui::Question q;
    q.kind = kCorrectionQuestion;
    q.caption = std::string(text::kImportCorrectionTitle);
    q.text = check.fault;
    q.fields.assign(fields.begin(), fields.end());
    q.fields.push_back(check.debitName);
    q.fields.push_back(check.creditName);
    q.answers = {std::string(text::kImportAnswerPost), std::string(text::kImportAnswerSkip),
                 std::string(text::kImportAnswerCancel)};
    return q;
}

class ImportRun {
public:
    ImportRun(circles::CVt36Doc& doc, ui::Decisions& decisions, FaultHandling handling, ImportResult& result)
        : doc_(doc), decisions_(decisions), handling_(handling), result_(result), books_(doc.books()),
          batch_(books_) {}

    void run(std::vector<ImportLine>& lines) {
        // Checked all before the first booking: what needs a decision is known before anything changes.
        // Only the verdict is kept; a line is checked again where it is posted.
        std::vector<char> faulty(lines.size(), 0);
        long firstFault = -1;
        LineCheck firstCheck;
        // Nothing writes the balance file while the lines are checked: its accounts are read from memory.
        const bool kept = books_.balanceFile.keep(platform::File::Kept::Content);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            LineCheck check = checkImportLine(doc_, books_, lines[i].fields);
            if (check.ok()) continue;
            faulty[i] = 1;
            result_.faults.push_back(faultOf(lines[i].number, check.fault));
            if (firstFault >= 0) continue;
            firstFault = static_cast<long>(i);
            firstCheck = std::move(check);
        }
        if (kept) books_.balanceFile.keep(platform::File::Kept::Nothing);
        int firstAnswer = kCorrectionSkip;
        if (firstFault >= 0 && handling_ == FaultHandling::Ask) {
            firstAnswer = ask(lines[firstFault].fields, firstCheck);
            if (firstAnswer == ui::kNoOneToAsk) {
                result_.end = ImportEnd::Stopped;
                return;
            }
        }

        ui::Progress& progress = doc_.progress();
        progress.start(text::kImportProgressCaption, "", text::kImportProgressText, text::kImportProgressLabel,
                       static_cast<int>(std::max<std::size_t>(lines.size(), 1)), ui::kBarStayFull);
        result_.end = ImportEnd::Done;
        for (std::size_t i = 0; i < lines.size() && result_.end == ImportEnd::Done; ++i) {
            ImportLine& line = lines[i];
            LineCheck check;
            if (static_cast<long>(i) == firstFault)
                check = std::move(firstCheck);
            else if (asked_ || faulty[i])  // a question may have let the person set up accounts
                check = checkImportLine(doc_, books_, line.fields);
            else
                check.typed = typedOfFields(line.fields);  // passed, and nothing has changed since
            int answer = static_cast<long>(i) == firstFault ? firstAnswer : kCorrectionPost;
            for (;;) {
                if (!check.ok() && static_cast<long>(i) != firstFault) {
                    if (handling_ == FaultHandling::Skip) {
                        answer = kCorrectionSkip;
                    } else {
                        answer = ask(line.fields, check);
                    }
                }
                if (static_cast<long>(i) == firstFault) firstFault = -1;  // its answer is taken once
                if (answer == kCorrectionPost && check.ok()) {
                    post(check.typed);
                    break;
                }
                if (answer == kCorrectionPost) continue;  // the corrected line is still faulty: asked again
                result_.skipped.push_back(faultOf(line.number, check.fault));
                if (answer != kCorrectionSkip) result_.end = ImportEnd::Cancelled;  // cancel, or nobody answered
                break;
            }
            progress.step(1);
            if ((i + 1) % kPollEvery == 0) progress.poll();
        }
        confirmBlock();
        progress.end();
    }

private:
    int ask(ImportFields& fields, LineCheck& check) {
        ui::Question q = correctionQuestion(fields, check);
        const int answer = decisions_.ask(q);
        asked_ = true;
        if (answer == kCorrectionPost) {
            for (std::size_t f = 0; f < kImportFieldCount && f < q.fields.size(); ++f) fields[f] = q.fields[f];
            check = checkImportLine(doc_, books_, fields);
        }
        return answer;
    }

    void post(const entry::TypedBooking& typed) {
        if (!batch_.begin()) {
            result_.end = ImportEnd::Failed;
            return;
        }
        const entry::TypedOutcome outcome = entry::postTypedBooking(doc_, batch_.books(), typed);
        if (outcome.result != entry::TypedResult::Saved) {
            // The line passed its checks, so a write failed and took its block with it; should the block
            // still be open, the bookings before this one are kept. Either way the run ends here.
            if (batch_.open())
                confirmBlock();
            else
                pending_ = 0;
            result_.end = ImportEnd::Failed;
            return;
        }
        ++pending_;
    }

    // The whole run is one block, confirmed when it ends (done or cancelled): a crash or a failed write
    // before that takes every line of the run out again, so the file can simply be imported once more -
    // never a part of it twice. A person's pause at a question holds the block open; a crash then costs
    // the answers given, not a booking.
    bool confirmBlock() {
        if (!batch_.open()) return true;
        const posting::BatchCommit commit = batch_.commit();
        if (commit == posting::BatchCommit::Undone) {
            pending_ = 0;
            result_.end = ImportEnd::Failed;
            return false;
        }
        result_.posted += static_cast<long>(pending_);
        pending_ = 0;
        if (commit == posting::BatchCommit::InJournal) {
            result_.end = ImportEnd::Failed;
            return false;
        }
        return true;
    }

    circles::CVt36Doc& doc_;
    ui::Decisions& decisions_;
    FaultHandling handling_;
    ImportResult& result_;
    posting::Books books_;
    posting::PostingBatch batch_;
    std::size_t pending_ = 0;
    bool asked_ = false;
};

}  // namespace

entry::TypedBooking typedOfFields(const ImportFields& fields) {
    entry::TypedBooking typed;
    typed.date = importDate(fields[kFieldDate]).value_or(config::trim(fields[kFieldDate]));
    typed.document = config::trimRight(fields[kFieldDocument]);
    typed.debit = exactAccount(fields[kFieldDebit]).value_or(fields[kFieldDebit]);
    typed.credit = exactAccount(fields[kFieldCredit]).value_or(fields[kFieldCredit]);
    typed.text = config::trimRight(fields[kFieldText]);
    typed.amount = config::trim(fields[kFieldAmount]);
    typed.rate = config::trim(fields[kFieldRate]);
    if (typed.rate.empty()) typed.rate.assign(1, '0');  // no rate in the file is no VAT, not the accounts' preset
    return typed;
}

LineCheck checkImportLine(circles::CVt36Doc& doc, posting::Books& books, const ImportFields& fields) {
    LineCheck out;
    // The checks speak to the correction question's information line, not in messages of their own.
    ui::RecordingMessages heard;
    posting::Books quiet{books.debit,        books.credit,      books.outputVat,    books.inputVat,
                         books.lists,        books.accountIndex, books.journal,     books.journalIndex,
                         books.settings,     books.numbering,   heard,              books.lastPostingType,
                         books.balanceFile,  books.marker,      books.health,       books.progress};
    auto fault = [&out](std::string_view text) {
        if (out.fault.empty()) out.fault = std::string(text);
    };
    auto faultHeard = [&](std::string_view fallback) {
        fault(heard.empty() ? fallback : std::string_view(heard.last().text));
        heard.entries.clear();
    };
    out.typed = typedOfFields(fields);
    const entry::TypedBooking& typed = out.typed;

    const std::optional<std::string> date = importDate(fields[kFieldDate]);
    if (!date || !posting::checkDate(*date, {}, doc.settings(), doc.programConfig().thirteenthMonth, heard).ok)
        fault(text::kImportFaultDate);
    heard.entries.clear();

    if (!posting::checkDocumentNumber(typed.document, heard)) faultHeard({});

    const std::optional<std::string> debit = exactAccount(fields[kFieldDebit]);
    const std::optional<std::string> credit = exactAccount(fields[kFieldCredit]);
    posting::AccountsCheck accounts;
    if (debit && credit) {
        accounts = posting::checkAccounts(quiet, *debit, *credit);
        out.debitName = accounts.debitName;
        out.creditName = accounts.creditName;
    }
    if (!accounts.ok) {
        if (debit && credit && accounts.debitFound && accounts.creditFound)
            faultHeard(text::kImportFaultAccount);  // the same account twice: the engine's own words
        else
            fault(text::kImportFaultAccount);
    }
    heard.entries.clear();

    if (typed.text.find(".#") != std::string::npos) fault(text::kImportFaultMarker);
    if (!posting::checkBookingText(typed.text, heard)) faultHeard(text::kImportFaultMarker);

    if (!posting::checkAmount(typed.amount, heard).ok) fault(text::kImportFaultAmount);
    heard.entries.clear();

    if (accounts.ok) {
        const bool allowed =
            posting::vatRateAllowed(accounts.postingType, doc.settings().vatOn != 0, std::stoi(accounts.debitNumber),
                                    std::stoi(accounts.creditNumber), doc.settings().chart);
        if (!posting::checkVatRate(typed.rate, allowed, heard).ok) fault(text::kImportFaultRate);
    }
    return out;
}

ImportResult importBookings(circles::CVt36Doc& doc, const std::string& path, ui::Decisions& decisions,
                            FaultHandling faults) {
    ImportResult result;
    ui::Messages& messages = doc.messages();
    platform::File file;
    if (!file.openForReading(path)) {
        messages.show(text::kImportCannotOpen, text::kImportCaptionFileError, ui::kIconStop);
        return result;
    }
    const std::int64_t length = file.length();
    std::string bytes(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length < 0 || (length > 0 && !file.readExact(0, bytes.data(), bytes.size()))) {
        messages.show(text::kImportReadError, format(text::kImportCaptionLine, 1.0), ui::kIconStop);
        return result;
    }
    file.close();

    ImportFile parsed = parseImportFile(bytes);
    bytes = std::string();
    result.format = parsed.format;
    if (parsed.incomplete) messages.show(text::kImportIncompleteRecord, text::kCaptionInformation, ui::kIconInformation);
    if (parsed.damagedLine > 0) {
        messages.show(parsed.damage, format(text::kImportCaptionLine, static_cast<double>(parsed.damagedLine)),
                      ui::kIconStop);
        return result;
    }
    result.lines = static_cast<long>(parsed.lines.size());
    ImportRun(doc, decisions, faults, result).run(parsed.lines);
    return result;
}

std::string importFilePath(const config::ProgramConfig& config, const std::string& name) {
    const std::string directory = config::trim(config.importDirectory);
    if (directory.empty() || name.find('/') != std::string::npos) return name;
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

bool deleteImportFile(const std::string& path, ui::Messages& messages) {
    if (std::remove(path.c_str()) != 0) {
        messages.show(text::kImportDeleteFailed, text::kImportCaptionFileError, ui::kIconStop);
        return false;
    }
    platform::syncDirectoryOf(path);
    return true;
}

}  // namespace tellmark::yearend
