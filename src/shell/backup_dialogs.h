#pragma once
// "Datensicherung" and "Datenrücksicherung": the drive or path to back up to or restore from, and the
// overview "Übersicht über gesicherte Dateien" after a backup.

#include <string>
#include <string_view>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"
#include "yearend/backup.h"

namespace tellmark::shell {

class BackupDirectoryDialog : public TellmarkDialog {
    Q_OBJECT
public:
    enum class Purpose { Backup, Restore };
    // preset: the stored "Sicherung" (CP1252).
    BackupDirectoryDialog(ShellContext& context, Purpose purpose, const std::string& preset);
    // The text typed, CP1252, valid after OK.
    std::string directory() const;
};

class BackupOverviewDialog : public TellmarkDialog {
    Q_OBJECT
public:
    BackupOverviewDialog(ShellContext& context, const yearend::BackupOverview& overview);
};

}  // namespace tellmark::shell
