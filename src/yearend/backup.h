#pragma once
// Data backup: the seven files of the open circle and year - journal, balance file, both indexes,
// standard bookings, settings file and tellmark.ini - copied through the files the document holds open,
// under the same relative names, into the backup directory ("Sicherung").
//
// Each copy is written beside its name, synced, read back and compared with its source, and renamed into
// place only once all copies are made: a backup that stops (a full or failing medium) leaves the previous
// backup whole and reports that nothing new is complete.

#include <array>
#include <cstdint>
#include <string>

#include "circles/document.h"
#include "platform/file_stamp.h"

namespace tellmark::yearend {

// Copy blocks.
inline constexpr std::size_t kBackupJournalBlock = 6400;   // 100 bookings
inline constexpr std::size_t kBackupBalanceBlock = 20200;  // 100 accounts
inline constexpr std::size_t kBackupSmallBlock = 1000;
inline constexpr std::size_t kBackupBufferSize = 60000;

// One row of the overview, (1) journal, (2) journal index, (3) balance file, (4) account index,
// (5) standard bookings, (6) settings, (7) tellmark.ini. A copy that was not made leaves its row empty.
struct BackupRow {
    bool made = false;
    std::string target;
    platform::FileStamp stamp;
};
inline constexpr std::size_t kBackupRows = 7;
using BackupOverview = std::array<BackupRow, kBackupRows>;

// The three columns of a made row: " %-s ", "%8.0f ", " %02i.%02i.%04i, %02i.%02i Uhr".
std::string backupRowName(const BackupRow& row);
std::string backupRowSize(const BackupRow& row);
std::string backupRowTime(const BackupRow& row);

enum BackupResult : int {
    kBackupStopped = 0,     // nothing new is in place; its message was shown
    kBackupComplete = 1,    // all seven copies made and checked
    kBackupIncomplete = 2,  // the others are made; the empty rows were reported
};

// Stores `directory` under "Sicherung", makes the directory and the circle's subdirectory, and copies.
// The overview is filled unless the result is kBackupStopped.
int backupCircle(circles::CVt36Doc& doc, const std::string& directory, BackupOverview& overview);

}  // namespace tellmark::yearend
