#pragma once
// The path table of the open booking circle and the names of a backup set. Both depend on "Jahr" and
// "Kontenrahmen" of the circle's settings file, so they are rebuilt whenever the circle or its year changes.

#include <array>
#include <cstddef>
#include <string>

#include "ui/messages.h"

namespace tellmark::config {

struct DocumentPaths {
    // Slot 0 is not used by the open sequence; slot 14 is filled by the VAT pre-return.
    static constexpr std::size_t kSlotDataDirectory = 1;
    static constexpr std::size_t kSlotSettings = 2;
    static constexpr std::size_t kSlotBalance = 3;
    static constexpr std::size_t kSlotBalanceIndex = 4;
    static constexpr std::size_t kSlotJournal = 5;
    static constexpr std::size_t kSlotJournalIndex = 6;
    static constexpr std::size_t kSlotStandardBookings = 7;
    static constexpr std::size_t kSlotPrintFile = 8;
    static constexpr std::size_t kSlotOldBalance = 9;
    static constexpr std::size_t kSlotOldBalanceIndex = 10;
    static constexpr std::size_t kSlotOldJournal = 11;
    static constexpr std::size_t kSlotOldJournalIndex = 12;
    static constexpr std::size_t kSlotOldStandardBookings = 13;
    static constexpr std::size_t kSlotVatTransfer = 14;
    static constexpr std::size_t kSlotDatevMapping = 15;
    static constexpr std::size_t kSlotCount = 16;

    std::array<std::string, kSlotCount> slots;

    std::string& operator[](std::size_t slot) { return slots[slot]; }
    const std::string& operator[](std::size_t slot) const { return slots[slot]; }
};

// Fills slots 1 and 2; when the settings file is present, reads "Jahr" and "Kontenrahmen" from it and
// fills slots 3-13 and 15, result 1. Otherwise clears 3-7, 9-13 and 15 (8 keeps its value), result 0.
int buildDocumentPaths(DocumentPaths& table, const std::string& dataDirectory, int circleNumber,
                       ui::Messages& messages);

struct BackupPaths {
    static constexpr std::size_t kConfig = 0;
    static constexpr std::size_t kSettings = 1;
    static constexpr std::size_t kBalance = 2;
    static constexpr std::size_t kBalanceIndex = 3;
    static constexpr std::size_t kJournal = 4;
    static constexpr std::size_t kJournalIndex = 5;
    static constexpr std::size_t kStandardBookings = 6;
    static constexpr std::size_t kCount = 7;

    std::array<std::string, kCount> names;

    const std::string& operator[](std::size_t i) const { return names[i]; }
};

// The backup directory as the backup uses it: the "Sicherung" value without surrounding blanks.
std::string backupBaseDirectory(const std::string& backupSetting);

// Names of the backup set of one circle under the backup directory: tellmark.ini, then settings file,
// balance file, balance index, journal, journal index, standard bookings. All empty and result 0 when
// the backup directory is empty or the circle's settings file is missing.
int buildBackupPaths(BackupPaths& out, const std::string& backupSetting, const std::string& dataDirectory,
                     int circleNumber, ui::Messages& messages);

}  // namespace tellmark::config
