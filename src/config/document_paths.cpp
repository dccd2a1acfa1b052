#include "config/document_paths.h"

#include "config/file_names.h"
#include "config/ini_file.h"
#include "config/ini_numbers.h"
#include "platform/file.h"
#include "resources/texts_circles.h"
#include "resources/texts_files.h"

namespace tellmark::config {

namespace {

struct YearAndChart {
    int year = 0;
    int chart = 0;
};

// Reads the two values the file names depend on. Fails when the present file cannot be opened: names
// built from a year 0 would point the circle at files that do not belong to it.
bool readYearAndChart(const std::string& settingsFile, YearAndChart& out, ui::Messages& messages) {
    CIniDatei ini(messages);
    ini.setPath(settingsFile);
    if (ini.open() != 1) return false;
    std::string value;
    ini.get(text::kCircleSection, text::kKeyYear, value);
    out.year = parseIniInt(value);
    ini.get(text::kCircleSection, text::kKeyChart, value);
    out.chart = parseIniInt(value);
    ini.close();
    return true;
}

void clearYearSlots(DocumentPaths& table) {
    for (std::size_t slot = DocumentPaths::kSlotBalance; slot <= DocumentPaths::kSlotOldStandardBookings; ++slot) {
        if (slot != DocumentPaths::kSlotPrintFile) table[slot].clear();
    }
    table[DocumentPaths::kSlotDatevMapping].clear();
}

}  // namespace

int buildDocumentPaths(DocumentPaths& table, const std::string& dataDirectory, int circleNumber,
                       ui::Messages& messages) {
    const std::string& dir = dataDirectory;
    const int n = circleNumber;
    table[DocumentPaths::kSlotDataDirectory] = dir;
    table[DocumentPaths::kSlotSettings] = settingsFileName(dir, n);

    YearAndChart yc;
    if (platform::probeFile(table[DocumentPaths::kSlotSettings]) != platform::kProbePresent ||
        !readYearAndChart(table[DocumentPaths::kSlotSettings], yc, messages)) {
        clearYearSlots(table);
        return 0;
    }
    table[DocumentPaths::kSlotBalance] = balanceFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotBalanceIndex] = balanceIndexFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotJournal] = journalFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotJournalIndex] = journalIndexFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotStandardBookings] = standardBookingsFileName(dir, yc.chart, n);
    table[DocumentPaths::kSlotPrintFile] = printFileName(dir, n);
    table[DocumentPaths::kSlotOldBalance] = oldBalanceFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotOldBalanceIndex] = oldBalanceIndexFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotOldJournal] = oldJournalFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotOldJournalIndex] = oldJournalIndexFileName(dir, yc.chart, yc.year, n);
    table[DocumentPaths::kSlotOldStandardBookings] = oldStandardBookingsFileName(dir, yc.chart, n);
    table[DocumentPaths::kSlotDatevMapping] = datevMappingFileName(dir, n);
    return 1;
}

std::string backupBaseDirectory(const std::string& backupSetting) {
    // The stored default is "A:" padded with blanks; blanks around the value are never part of the path.
    const auto first = backupSetting.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = backupSetting.find_last_not_of(' ');
    return backupSetting.substr(first, last - first + 1);
}

int buildBackupPaths(BackupPaths& out, const std::string& backupSetting, const std::string& dataDirectory,
                     int circleNumber, ui::Messages& messages) {
    out.names.fill(std::string());
    const std::string base = backupBaseDirectory(backupSetting);
    if (base.empty()) return 0;

    const std::string settings = settingsFileName(dataDirectory, circleNumber);
    YearAndChart yc;
    if (platform::probeFile(settings) != platform::kProbePresent || !readYearAndChart(settings, yc, messages)) {
        return 0;
    }
    const int n = circleNumber;
    out.names[BackupPaths::kConfig] = joinPath(base, std::string(text::kNameConfigFile));
    out.names[BackupPaths::kSettings] = settingsFileName(base, n);
    out.names[BackupPaths::kBalance] = balanceFileName(base, yc.chart, yc.year, n);
    out.names[BackupPaths::kBalanceIndex] = balanceIndexFileName(base, yc.chart, yc.year, n);
    out.names[BackupPaths::kJournal] = journalFileName(base, yc.chart, yc.year, n);
    out.names[BackupPaths::kJournalIndex] = journalIndexFileName(base, yc.chart, yc.year, n);
    out.names[BackupPaths::kStandardBookings] = standardBookingsFileName(base, yc.chart, n);
    return 1;
}

}  // namespace tellmark::config
