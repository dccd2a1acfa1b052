#pragma once
// CVt36Doc: the one open booking circle. It owns the configuration and settings records, the path table,
// the five data files with their indexes and the balance cursors, and runs the open sequence: paths and
// settings, the state of the main files, opening journal and balance file, the two indexes and the
// standard bookings. Questions a person must answer (password, which circle, what to do when the ledger
// files are missing) are asked by the front end before the open and passed in.

#include <memory>
#include <string>

#include "circles/circle_settings_file.h"
#include "config/document_paths.h"
#include "config/program_config.h"
#include "ledger/account_index.h"
#include "ledger/document_numbering.h"
#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "ledger/operation_marker.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "posting/books.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::circles {

// State of the four main files of a circle.
enum MainFileState : int {
    kMainFilesOther = 0,    // something else; the open goes on (a missing index is rebuilt)
    kMainFilesPresent = 1,
    kMainFilesMissing = 2,  // balance file or journal missing
    kMainFilesLocked = 4,
};

// From the probe codes of balance file, journal, balance index and journal index.
int mainFileState(int balance, int journal, int balanceIndex, int journalIndex);

// What to do when the balance file or journal of the circle does not exist yet.
enum class MissingLedger {
    Refuse,    // stop and report; nothing is created
    CreateNew, // "Neu anlegen": empty files
    TakeOver,  // "Übernehmen": copy the chart of another circle first
};

// Results of openCircle besides 1 (open) and 0 (failed after a message).
inline constexpr int kOpenLedgerMissing = 2;  // MissingLedger::Refuse and the files are missing
inline constexpr int kOpenLocked = 4;         // the circle is open elsewhere or write-protected

// The automatic document numbers, as the journal asks for them, kept in the settings file.
class SettingsDocumentNumbering : public ledger::DocumentNumbering {
public:
    explicit SettingsDocumentNumbering(CIniBK& settings) : settings_(settings) {}
    bool automatic() const override;
    long next() const override;
    bool advance() override;
    bool setNext(long next) override;

private:
    CIniBK& settings_;
};

class CVt36Doc {
public:
    CVt36Doc(ui::Messages& messages, ui::Progress& progress);
    ~CVt36Doc();
    CVt36Doc(const CVt36Doc&) = delete;
    CVt36Doc& operator=(const CVt36Doc&) = delete;

    // Creates tellmark.ini with its defaults when missing, then reads it and takes the data directory.
    int readProgramConfig();

    // Opens circle `number` (1 open, 0 failed, kOpenLedgerMissing, kOpenLocked). An open circle is
    // closed first. takeOverFrom names the circle whose chart MissingLedger::TakeOver copies.
    int openCircle(int number, MissingLedger missing = MissingLedger::Refuse, int takeOverFrom = 0);
    // Closes the five data files; 1 when all closed without error.
    int closeCircle();

    bool isOpen() const { return open_; }
    int number() const { return number_; }
    const std::string& title() const { return title_; }

    ui::Messages& messages() { return messages_; }
    ui::Progress& progress() { return progress_; }
    config::CIniSB& programConfigFile() { return programConfig_; }
    const config::ProgramConfig& programConfig() const { return programConfig_.config(); }
    CIniBK& settingsFile() { return settings_; }
    const CircleSettings& settings() const { return settings_.settings(); }
    const config::DocumentPaths& paths() const { return paths_; }
    const std::string& dataDirectory() const { return programConfig_.config().dataDirectory; }

    platform::File& balanceFile() { return balanceFile_; }
    platform::File& standardBookingsFile() { return standardBookingsFile_; }
    ledger::CSIndex& accountIndex() { return accountIndex_; }
    ledger::Journal& journal() { return journal_; }
    ledger::CJIndex& journalIndex() { return journalIndex_; }
    ledger::DocumentNumbering& documentNumbering() { return numbering_; }
    // The five cursors on the balance file.
    ledger::CSalden& debitCursor() { return debit_; }
    ledger::CSalden& creditCursor() { return credit_; }
    ledger::CSalden& outputVatCursor() { return outputVat_; }
    ledger::CSalden& inputVatCursor() { return inputVat_; }
    ledger::CSalden& reportCursor() { return report_; }
    // What the posting engine works on; valid while the circle is open.
    posting::Books books();
    // Whether the books may be written, and which file was found damaged on opening.
    const posting::BooksHealth& health() const { return health_; }
    // After a repair: checks journal and balance file again and lets the books be written when both are
    // whole (a damaged one is reported again).
    bool recheckLedgerFiles();

    // Presets of the report dialogs, filled after every open.
    struct ReportDefaults {
        std::string firstAccount;  // "%05.0f"
        std::string lastAccount;
        std::string today;         // "DD.MM.YY"
        std::string firstOfMonth;  // "DD.MM"
        std::string lastOfMonth;
    };
    const ReportDefaults& reportDefaults() const { return reportDefaults_; }
    // Again after accounts were added or removed behind the open (a chart template taken over).
    void fillReportDefaults();

private:
    int readSettings();
    bool openDataFile(platform::File& file, const std::string& path);
    bool openJournal(const std::string& path);
    bool createMissingLedger(MissingLedger missing, int takeOverFrom);
    void attachCursors();
    bool checkLedgerFiles();

    ui::Messages& messages_;
    ui::Progress& progress_;
    config::CIniSB programConfig_;
    CIniBK settings_;
    SettingsDocumentNumbering numbering_;
    config::DocumentPaths paths_;
    int number_ = 0;
    bool open_ = false;
    std::string title_;

    platform::File balanceFile_;
    platform::File standardBookingsFile_;
    ledger::Journal journal_;
    ledger::CJIndex journalIndex_;
    ledger::CSIndex accountIndex_;
    ledger::CSalden debit_, credit_, outputVat_, inputVat_, report_;
    ReportDefaults reportDefaults_;
    int lastPostingType_ = 0;
    ledger::OperationMarker marker_;
    posting::BooksHealth health_;
};

}  // namespace tellmark::circles
