#pragma once
// Restore of a backup: the six files of a circle's backup - settings file, balance file, account index,
// journal, journal index, standard bookings - copied back under the same relative names into the data
// directory. The program configuration of the backup is not copied back: it is shared by every circle.
//
// Only a circle that no other copy of the program has open is restored (its files are held with writing
// denied to others while the restore runs). The backup's files are read and checked whole first (record
// lengths and end marks); each file that is replaced is kept beside it under its name plus ".vor"; each
// new file is written beside its name, synced and renamed into place. The restored files are read back
// and checked before the restore counts as done; a failure at any step puts the kept files back.

#include <string>
#include <string_view>

#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::yearend {

inline constexpr std::string_view kRestoreKeptSuffix = ".vor";

// 1 after the restore and its message; 0 after a message, with the circle as it was.
int restoreCircle(const std::string& dataDirectory, int number, const std::string& backupDirectory,
                  ui::Messages& messages, ui::Progress& progress);

}  // namespace tellmark::yearend
