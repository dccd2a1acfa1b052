#pragma once
// Import of bookings ("&Import (aus externen Dateien)"): the lines of an import file (yearend/import_file.h)
// posted into the open booking year. Every line passes the checks of an automatically posted standard
// booking - a date of the booking year, two existing and different accounts, no ".#" left in the text,
// an amount that is not zero, a rate the accounts allow - and a line that fails them goes to the
// correction question; a blank document number takes the next automatic number. The run is one block of
// the posting engine's batch, confirmed when it ends: a crash before that leaves the books as they were
// before the import, so running it again never posts a line twice.
//
// The whole file is read and checked before the first booking is written: a line that cannot be read
// stops the import with nothing posted, and the first faulty line is asked about before anything is
// posted, so a front end with nobody to ask stops with the books unchanged and the faults listed.

#include <string>
#include <vector>

#include "circles/document.h"
#include "config/program_config.h"
#include "entry/typed_booking.h"
#include "posting/books.h"
#include "ui/decisions.h"
#include "yearend/import_file.h"

namespace tellmark::yearend {

// The question for a faulty line: caption, information line (the first fault) and the answers below.
// fields: date, document, debit, credit, text, amount, rate, then the names of the debit and credit
// accounts found (blank when none). The first seven are read back when the line is to be posted.
inline constexpr const char* kCorrectionQuestion = "import-correction";
enum CorrectionAnswer : int { kCorrectionPost = 0, kCorrectionSkip = 1, kCorrectionCancel = 2 };

// What the correction question's information line says about a line; an empty fault when it may be
// posted. typed is the line as the posting engine takes it: account numbers exact ("00480" is account
// 480, not 4800), a blank rate 0.
struct LineCheck {
    std::string fault;  // CP1252
    std::string debitName, creditName;
    entry::TypedBooking typed;
    bool ok() const { return fault.empty(); }
};
LineCheck checkImportLine(circles::CVt36Doc& doc, posting::Books& books, const ImportFields& fields);
// The typed form of the fields alone, without the checks.
entry::TypedBooking typedOfFields(const ImportFields& fields);

enum class FaultHandling {
    Ask,   // every faulty line goes to the correction question
    Skip,  // faulty lines are left out without a question (decided beforehand)
};

enum class ImportEnd {
    Done,       // every line was posted or skipped
    Cancelled,  // "Verbuchen abbrechen": the lines before it are posted
    Stopped,    // a faulty line found nobody to ask: nothing posted
    Refused,    // the file could not be opened or read, or has a damaged line: nothing posted
    Failed,     // a write failed (its message was shown); the confirmed blocks stay
};

struct ImportFault {
    long line = 0;  // record or line number in the file
    std::string reason;  // CP1252, the information line's text
    bool operator==(const ImportFault&) const = default;
};

struct ImportResult {
    ImportEnd end = ImportEnd::Refused;
    ImportFormat format = ImportFormat::Records;
    long lines = 0;   // booking lines read from the file
    long posted = 0;  // lines posted (and confirmed on the disk)
    std::vector<ImportFault> faults;   // lines that needed a decision, as found before the first posting
    std::vector<ImportFault> skipped;  // lines left out (skipped, or the one cancelled at)
};

// Reads the file, shows its messages (file cannot be opened, incomplete record, damaged line) through the
// document's messages, and posts. The progress window runs while the lines are posted.
ImportResult importBookings(circles::CVt36Doc& doc, const std::string& path, ui::Decisions& decisions,
                            FaultHandling faults);

// A name without a directory lies in the import directory ("Import") when one is set.
std::string importFilePath(const config::ProgramConfig& config, const std::string& name);

// Deletes the import file; false after "Beim Versuch die Import-Datei zu löschen..." (DATEIFEHLER).
bool deleteImportFile(const std::string& path, ui::Messages& messages);

}  // namespace tellmark::yearend
