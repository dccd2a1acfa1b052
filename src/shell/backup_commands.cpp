#include "shell/backup_commands.h"

#include "shell/backup_dialogs.h"
#include "yearend/backup.h"
#include "yearend/restore.h"

namespace tellmark::shell {

void BackupCommands::backup() {
    BackupDirectoryDialog ask(context_, BackupDirectoryDialog::Purpose::Backup, doc_.programConfig().backupDirectory);
    if (context_.runner.run(ask) != QDialog::Accepted) return;
    yearend::BackupOverview overview;
    if (yearend::backupCircle(doc_, ask.directory(), overview) == yearend::kBackupStopped) return;
    BackupOverviewDialog shown(context_, overview);
    context_.runner.run(shown);
}

bool BackupCommands::restore() {
    BackupDirectoryDialog ask(context_, BackupDirectoryDialog::Purpose::Restore, doc_.programConfig().backupDirectory);
    if (context_.runner.run(ask) != QDialog::Accepted) return doc_.isOpen();
    const int number = doc_.number();
    doc_.closeCircle();
    yearend::restoreCircle(doc_.dataDirectory(), number, ask.directory(), context_.messages, context_.progress);
    // Restored or not, the circle is opened again as it now stands.
    return doc_.openCircle(number) == 1;
}

}  // namespace tellmark::shell
