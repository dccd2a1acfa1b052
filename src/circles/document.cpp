#include "circles/document.h"

#include "circles/circle_title.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "config/old_setup_takeover.h"
#include "ledger/ledger_check.h"
#include "platform/directory.h"
#include "posting/books_check.h"
#include "posting/books_operation.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_safety.h"
#include "circles/chart_copy.h"
#include "circles/missing_ledger.h"
#include "circles/old_format_conversion.h"

namespace tellmark::circles {

int mainFileState(int balance, int journal, int balanceIndex, int journalIndex) {
    const int locked = platform::kProbeLocked;
    bool anyLocked = balance == locked || journal == locked || balanceIndex == locked || journalIndex == locked;
    if (balance == platform::kProbePresent && journal == platform::kProbePresent) {
        if (balanceIndex == platform::kProbePresent && journalIndex == platform::kProbePresent) return kMainFilesPresent;
        return anyLocked ? kMainFilesLocked : kMainFilesOther;
    }
    if (balance == platform::kProbeMissing || journal == platform::kProbeMissing) return kMainFilesMissing;
    return anyLocked ? kMainFilesLocked : kMainFilesOther;
}

bool SettingsDocumentNumbering::automatic() const { return settings_.settings().automaticNumbering != 0; }

long SettingsDocumentNumbering::next() const {
    return static_cast<long>(documentNumberValue(settings_.settings().nextDocumentNumber));
}

bool SettingsDocumentNumbering::advance() { return settings_.advanceDocumentNumber() == 1; }

bool SettingsDocumentNumbering::setNext(long next) { return settings_.setDocumentNumber(static_cast<double>(next)) == 1; }

CVt36Doc::CVt36Doc(ui::Messages& messages, ui::Progress& progress)
    : messages_(messages),
      progress_(progress),
      programConfig_(messages),
      settings_(messages),
      numbering_(settings_),
      journal_(messages),
      journalIndex_(messages, progress),
      accountIndex_(messages, progress),
      debit_(messages),
      credit_(messages),
      outputVat_(messages),
      inputVat_(messages),
      report_(messages) {}

CVt36Doc::~CVt36Doc() { closeCircle(); }

int CVt36Doc::readProgramConfig() {
    if (!platform::fileExists(std::string(config::kProgramConfigFileName)) &&
        config::createProgramConfigFile({}, messages_, progress_) != 1)
        return 0;
    if (programConfig_.readAllSettings() != 1) return 0;
    paths_[config::DocumentPaths::kSlotDataDirectory] = dataDirectory();
    return 1;
}

int CVt36Doc::readSettings() {
    settings_.setPath(paths_[config::DocumentPaths::kSlotSettings]);
    if (settings_.open() != 1) {
        messages_.show(text::kMsgCircleOpenFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    settings_.readSettings();
    settings_.close();
    return settings_.verifyChart();
}

bool CVt36Doc::openDataFile(platform::File& file, const std::string& path) {
    bool opened = true;
    if (file.openProbed(path, platform::Share::DenyWrite) == platform::kProbeMissing) {
        platform::File created;
        opened = created.create(path);
        created.close();
        if (opened) opened = file.open(path, platform::Share::DenyWrite);
    } else {
        opened = file.isOpen();
    }
    if (!opened) messages_.show(format(text::kMsgDataFileOpenFailed, path.c_str()), text::kCaptionError, ui::kIconStop);
    return opened;
}

bool CVt36Doc::openJournal(const std::string& path) {
    // Created like any data file when missing, then kept open by the journal itself.
    if (!platform::fileExists(path)) {
        platform::File created;
        if (!created.create(path)) {
            messages_.show(format(text::kMsgDataFileOpenFailed, path.c_str()), text::kCaptionError, ui::kIconStop);
            return false;
        }
    }
    if (journal_.open(path)) return true;
    messages_.show(format(text::kMsgDataFileOpenFailed, path.c_str()), text::kCaptionError, ui::kIconStop);
    return false;
}

bool CVt36Doc::createMissingLedger(MissingLedger missing, int takeOverFrom) {
    if (missing != MissingLedger::TakeOver) return true;  // new empty files come with the open
    std::string otherSettings = config::settingsFileName(dataDirectory(), takeOverFrom);
    if (takeOverFrom < 1 || takeOverFrom > config::kMaxCircles ||
        platform::probeFile(otherSettings) != platform::kProbePresent) {
        messages_.show(text::kMsgTakeOverNoBalanceFile, text::kCaptionInformation, ui::kIconInformation);
        return false;
    }
    CIniBK other(messages_);
    other.setPath(otherSettings);
    if (other.open() != 1) return false;
    other.readSettings();
    other.close();
    const CircleSettings& theirs = other.settings();
    std::string theirBalance =
        config::balanceFileName(dataDirectory(), theirs.chart, theirs.year, takeOverFrom);
    int probe = platform::probeFile(theirBalance);
    if (probe == platform::kProbeLocked) {
        messages_.show(text::kMsgTakeOverLocked, text::kCaptionInformation, ui::kIconInformation);
        return false;
    }
    if (probe != platform::kProbePresent) {
        messages_.show(text::kMsgTakeOverNoBalanceFile, text::kCaptionInformation, ui::kIconInformation);
        return false;
    }
    if ((theirs.chart == 4) != (settings().chart == 4)) {
        messages_.show(text::kMsgTakeOverOtherChart, text::kCaptionInformation, ui::kIconInformation);
        return false;
    }
    circles::ChartCopyRequest request;
    request.dataDirectory = dataDirectory();
    request.sourceNumber = takeOverFrom;
    request.sourceYear = theirs.year;
    request.targetNumber = number_;
    request.targetYear = settings().year;
    return circles::copyChartOfAccounts(request, messages_, progress_) == 1;
}

void CVt36Doc::attachCursors() {
    const CircleSettings& s = settings();
    for (ledger::CSalden* cursor : {&debit_, &credit_, &outputVat_, &inputVat_, &report_}) {
        cursor->attach(balanceFile_, s.spanYear, s.firstMonth, s.chart);
        cursor->useIndex(accountIndex_);
    }
}

int CVt36Doc::openCircle(int number, MissingLedger missing, int takeOverFrom) {
    closeCircle();
    number_ = number;
    using P = config::DocumentPaths;
    if (buildDocumentPaths(paths_, dataDirectory(), number, messages_) != 1) {
        messages_.show(text::kMsgCircleOpenFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    if (!readSettings()) return 0;

    auto probeMainFiles = [&] {
        return mainFileState(platform::probeFile(paths_[P::kSlotBalance]), platform::probeFile(paths_[P::kSlotJournal]),
                             platform::probeFile(paths_[P::kSlotBalanceIndex]),
                             platform::probeFile(paths_[P::kSlotJournalIndex]));
    };
    int state = probeMainFiles();
    if (state == kMainFilesLocked) {
        messages_.show(text::kMsgCircleLocked, text::kCaptionError, ui::kIconStop);
        return kOpenLocked;
    }
    if (state == kMainFilesMissing && oldDataToConvert(paths_)) {
        // Whatever the conversion managed is looked at again: a failed one leaves the files missing.
        convertOldData(paths_, messages_, progress_);
        state = probeMainFiles();
    }
    if (state == kMainFilesMissing) {
        if (missing == MissingLedger::Refuse) return kOpenLedgerMissing;
        // Only a circle without either file is set up anew: an empty journal beside balances, or an empty
        // chart beside a journal, would be books that disagree with their journal.
        const std::string lost = lostLedgerMessage(*this);
        if (!lost.empty()) {
            messages_.show(lost, text::kCaptionError, ui::kIconStop);
            return kOpenLedgerMissing;
        }
        if (!createMissingLedger(missing, takeOverFrom)) return 0;
    }

    if (!openJournal(paths_[P::kSlotJournal]) || !openDataFile(balanceFile_, paths_[P::kSlotBalance])) {
        closeCircle();
        return 0;
    }
    // Read again now that the files are held: another copy may have taken a document number meanwhile.
    if (!readSettings()) {
        closeCircle();
        return 0;
    }
    title_ = circleTitle(number, settings());
    attachCursors();
    marker_.attach(config::operationRecordFileName(dataDirectory(), settings().chart, settings().year, number));
    health_ = posting::BooksHealth{};
    const bool unfinished = marker_.present();
    // An unfinished operation explains a file that is not whole; its repair comes once the indexes are there.
    if (!unfinished) checkLedgerFiles();

    accountIndex_.attach(paths_[P::kSlotBalanceIndex], balanceFile_);
    int indexReady = accountIndex_.open();
    journal_.setChart(settings().chart);
    journal_.setDocumentNumbering(&numbering_);
    journalIndex_.attach(paths_[P::kSlotJournalIndex], journal_);
    const int journalIndexReady = journalIndex_.open();

    if (unfinished) {
        posting::Books repair = books();
        posting::repairUnfinishedOnOpen(repair);
    }
    if (health_.writable() && debit_.count() < 2) {
        posting::Books vat = books();
        posting::BooksOperation op(vat, text::kOpAccount);
        bool created = op.started();
        for (ledger::CSalden* cursor : {&debit_, &credit_, &outputVat_, &inputVat_, &report_})
            created = created && cursor->ensureVatAccounts() == 1;
        // The new accounts must reach the index too.
        if (created) indexReady = accountIndex_.rebuild();
        if (created && indexReady == 1) op.finish(); else if (op.started()) op.fail();
    }
    if (indexReady != 1) messages_.show(text::kMsgAccountIndexProblem, text::kCaptionError, ui::kIconStop);
    if (journalIndexReady != 1) messages_.show(text::kMsgJournalIndexProblem, text::kCaptionError, ui::kIconStop);

    if (!openDataFile(standardBookingsFile_, paths_[P::kSlotStandardBookings])) {
        closeCircle();
        return 0;
    }
    open_ = true;
    fillReportDefaults();
    return 1;
}

bool CVt36Doc::recheckLedgerFiles() { return checkLedgerFiles(); }

bool CVt36Doc::checkLedgerFiles() {
    posting::Books all = books();
    return posting::checkLedgerFiles(all);
}

posting::Books CVt36Doc::books() {
    return posting::Books{debit_,       credit_,    outputVat_, inputVat_,  report_,      accountIndex_,
                          journal_,     journalIndex_, settings(), &numbering_,      messages_,
                          lastPostingType_, balanceFile_, marker_,  health_,          progress_};
}

int CVt36Doc::closeCircle() {
    bool hadFiles = open_ || balanceFile_.isOpen() || journal_.isOpen() || standardBookingsFile_.isOpen();
    open_ = false;
    if (!hadFiles) return 1;
    // Each file is closed whatever happened to the others.
    balanceFile_.close();
    journal_.close();
    standardBookingsFile_.close();
    accountIndex_.close();
    journalIndex_.close();
    return 1;
}

void CVt36Doc::fillReportDefaults() {
    int firstNumber = 0, firstRecord = -1, lastNumber = 0, lastRecord = -1;
    if (accountIndex_.firstAndLastByNumber(firstNumber, firstRecord, lastNumber, lastRecord)) {
        reportDefaults_.firstAccount = format("%05.0f", static_cast<double>(firstNumber));
        reportDefaults_.lastAccount = format("%05.0f", static_cast<double>(lastNumber));
    } else {
        reportDefaults_.firstAccount.clear();
        reportDefaults_.lastAccount.clear();
    }
    config::Today now = config::today();
    reportDefaults_.today = now.date;
    reportDefaults_.firstOfMonth = now.firstOfMonth;
    reportDefaults_.lastOfMonth = now.lastOfMonth;
}

}  // namespace tellmark::circles
