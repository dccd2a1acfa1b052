#include "shell/export_commands.h"

#include "exports/companion_handover.h"
#include "exports/gdpdu_export.h"
#include "shell/export_dialogs.h"

namespace tellmark::shell {

void ExportCommands::gdpdu() {
    GdpduExportDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    exports::GdpduOptions options;
    options.company = dialog.company();
    options.place = dialog.place();
    options.cashAccounts = dialog.cashAccounts();
    // The export reports its progress and its failures through the circle's own ports.
    std::string directory;
    if (exports::ExportGdpdu(doc_, options, directory) != 1) return;
    GdpduDoneDialog done(context_, directory);
    context_.runner.run(done);
}

void ExportCommands::companion() { exports::StartCompanion(doc_.programConfig(), context_.messages); }

}  // namespace tellmark::shell
