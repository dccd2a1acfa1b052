#include "yearend/year_change.h"

#include "circles/chart_copy.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "config/document_paths.h"
#include "config/ini_file.h"
#include "config/ini_numbers.h"
#include "ledger/account_index.h"
#include "ledger/operation_marker.h"
#include "ledger/salden.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "posting/books_operation.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_year_change.h"
#include "resources/texts_yearend.h"
#include "yearend/year_files.h"

namespace tellmark::yearend {

namespace {

constexpr int kFirstYear = 1951;
constexpr int kLastYear = 2049;

void showError(ui::Messages& messages, std::string_view text) { messages.show(text, text::kCaptionError, ui::kIconStop); }

void showChangeFailed(ui::Messages& messages) {
    messages.show(text::kMsgYearChangeFailed, text::kCaptionYearChangeFailed, ui::kIconStop);
}

bool writeSettingsYear(const std::string& settingsPath, int year, ui::Messages& messages) {
    config::CIniDatei ini(messages);
    ini.setPath(settingsPath);
    if (ini.open() != 1) return false;
    ini.set(text::kCircleSection, text::kKeyYear, format(text::kFormatSettingsYear, year));
    const int saved = ini.save();
    ini.close();
    return saved == 1;
}

// An empty file, there for good once its directory is synced.
bool createEmpty(const std::string& path) {
    platform::File file;
    if (!file.create(path)) return false;
    file.close();
    return platform::syncDirectoryOf(path);
}

// A new journal starts empty; an index left behind by a journal deleted earlier must not describe it.
bool createJournal(const YearFiles& files) {
    if (platform::probeFile(files.journal) != platform::kProbeMissing) return true;
    if (platform::fileExists(files.journalIndex) && !platform::removeFile(files.journalIndex)) return false;
    return createEmpty(files.journal);
}

// A journal of the year that already holds bookings (its balance file was deleted) must reach the new
// balance file: recorded as a change not yet finished, the opening posts the journal onto the new balances
// - or, where a booking needs a decision, keeps the books closed to changes until the reorganisation. A
// record already there stays: it leads to the same repair and knows more of the journal.
bool recordJournalToRepost(const YearFiles& files, const std::string& recordPath, bool& recorded) {
    platform::File journal;
    if (!journal.openForReading(files.journal)) return true;  // none yet: it is created empty
    const std::int64_t length = journal.length();
    journal.close();
    ledger::OperationMarker marker;
    marker.attach(recordPath);
    if (length == 0 || marker.present()) return true;
    ledger::OperationRecord record;
    record.operation = std::string(text::kOpYearChange);
    recorded = marker.begin(record);
    return recorded;
}

// The new year's files. The balance file is what makes a year exist, so it comes last: written beside
// with its index, and renamed into place once the journal is there too.
bool makeNewYear(circles::CVt36Doc& doc, const YearFiles& files, int year, const YearChangeChoices& choices) {
    ui::Messages& messages = doc.messages();
    const std::string recordPath =
        config::operationRecordFileName(doc.dataDirectory(), doc.settings().chart, year, doc.number());
    bool recorded = false;
    if (!choices.takeChart) {
        if (createJournal(files) && recordJournalToRepost(files, recordPath, recorded) && createEmpty(files.balance))
            return true;
        // Without its balance file the record describes nothing.
        if (recorded && !platform::fileExists(files.balance)) platform::removeFile(recordPath);
        return false;
    }

    posting::Books books = doc.books();
    if (!posting::booksMayChange(books)) return false;  // damaged balances are not carried into a new year
    const config::CircleSettings& s = doc.settings();
    ledger::CSalden from(messages);
    from.attach(doc.balanceFile(), s.spanYear, s.firstMonth, s.chart);
    std::string image;
    if (!circles::carriedForwardImage(from, s.chart, choices.takeBalances,
                                      choices.resetPrivate && privateChoiceShown(s), image)) {
        messages.show(text::kMsgChartCopyTargetUnopenable, text::kCaptionError, ui::kIconStop);
        return false;
    }

    const std::string beside = platform::replacementName(files.balance);
    platform::File balance;
    bool written = balance.create(beside) && balance.writeAt(0, image.data(), image.size()) && balance.flush();
    if (written) {
        ledger::CSIndex index(messages, doc.progress());
        index.attach("", balance);
        written = index.rebuild() == 1 && platform::replaceWholeFile(files.balanceIndex, index.fileImage());
        index.close();
    }
    balance.close();
    written = written && createJournal(files) && recordJournalToRepost(files, recordPath, recorded) &&
              platform::replaceFile(beside, files.balance);
    if (!written) {
        platform::removeFile(beside);
        if (recorded && !platform::fileExists(files.balance)) platform::removeFile(recordPath);
        messages.show(text::kMsgChartCopyTargetUnopenable, text::kCaptionError, ui::kIconStop);
    }
    return written;
}

}  // namespace

int parseBookingYear(std::string_view typed, int sameKindAs, ui::Messages& messages) {
    bool digits = typed.size() == 4;
    for (char c : typed) digits = digits && c >= '0' && c <= '9';
    int year = digits ? config::parseIniInt(typed) : -1;
    const bool span = digits && config::isSpan(typed) == 1;
    if (digits && !span && (year < kFirstYear || year > kLastYear)) year = -1;
    if (year >= 0 && sameKindAs > 0 && span != (config::isSpanYear(sameKindAs) == 1)) year = -1;
    if (year < 0) showError(messages, text::kMsgInvalidBookingYear);
    return year;
}

NewYearState probeNewYear(circles::CVt36Doc& doc, int year) {
    const config::CircleSettings& s = doc.settings();
    const YearFiles files = yearFiles(doc.dataDirectory(), s.chart, year, doc.number());
    // The open year's files are held by this program itself.
    if (year != s.year) {
        for (const std::string* path : {&files.balance, &files.journal, &files.balanceIndex, &files.journalIndex})
            if (platform::probeFile(*path) == platform::kProbeLocked) return NewYearState::Locked;
    }
    if (platform::probeFile(files.balance) != platform::kProbeMissing) return NewYearState::Present;
    if (platform::probeFile(files.oldBalance) == platform::kProbePresent &&
        platform::probeFile(files.oldJournal) == platform::kProbePresent)
        return NewYearState::OldFormat;
    return NewYearState::Missing;
}

bool privateChoiceShown(const config::CircleSettings& settings) {
    return settings.chart != 4 && settings.cashBasis == 1;
}

std::string chartTakeOverIntro(const config::CircleSettings& settings) {
    return format(settings.chart == 4 ? text::kChartTakeOverIntro04 : text::kChartTakeOverIntro03, settings.year);
}

YearChangeEnd changeBookingYear(circles::CVt36Doc& doc, int year, const YearChangeChoices& choices) {
    ui::Messages& messages = doc.messages();
    if (!doc.isOpen()) return YearChangeEnd::Refused;
    const int number = doc.number();
    const int oldYear = doc.settings().year;
    const std::string settingsPath = doc.paths()[config::DocumentPaths::kSlotSettings];
    const YearFiles files = yearFiles(doc.dataDirectory(), doc.settings().chart, year, number);

    switch (probeNewYear(doc, year)) {
    case NewYearState::Locked: showError(messages, text::kMsgCircleLocked); return YearChangeEnd::Refused;
    case NewYearState::Missing:
        if (!makeNewYear(doc, files, year, choices)) {
            showChangeFailed(messages);
            return YearChangeEnd::Refused;
        }
        break;
    case NewYearState::Present:
    case NewYearState::OldFormat: break;  // the opening takes the files as they are, or converts them
    }

    if (!writeSettingsYear(settingsPath, year, messages)) {
        // The settings file is replaced whole or not at all; should it name the new year after all, its
        // files are complete - but the document stays on the year it knows.
        writeSettingsYear(settingsPath, oldYear, messages);
        showChangeFailed(messages);
        return YearChangeEnd::Refused;
    }
    if (doc.openCircle(number, circles::MissingLedger::Refuse) == 1) return YearChangeEnd::Changed;

    showChangeFailed(messages);
    if (!writeSettingsYear(settingsPath, oldYear, messages)) return YearChangeEnd::Closed;
    return doc.openCircle(number, circles::MissingLedger::Refuse) == 1 ? YearChangeEnd::Restored
                                                                         : YearChangeEnd::Closed;
}

}  // namespace tellmark::yearend
