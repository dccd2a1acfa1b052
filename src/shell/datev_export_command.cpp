#include "shell/datev_export_command.h"

#include "config/document_paths.h"
#include "exports/datev_export.h"
#include "exports/datev_mapping_rows.h"
#include "exports/datev_settings.h"
#include "resources/texts_exports_datev.h"
#include "shell/datev_dialogs.h"

namespace tellmark::shell {

void DatevExportCommand::run() {
    DatevTextDialog notes(context_, text::kTitleDatevNotes, text::kDatevNotes, true, "DatevNotesDialog");
    if (context_.runner.run(notes) != QDialog::Accepted) return;

    DatevSettingsDialog settings(context_, doc_);
    if (context_.runner.run(settings) != QDialog::Accepted) return;
    exports::DatevExportRequest request;
    request.data = settings.data();

    const std::string mappingPath = doc_.paths()[config::DocumentPaths::kSlotDatevMapping];
    exports::DatevMapping stored;
    if (!exports::loadDatevMapping(mappingPath, stored, context_.messages)) return;
    DatevMappingDialog mapping(context_, exports::datevMappingRows(doc_.accountIndex(), doc_.reportCursor(), stored),
                               stored, mappingPath);
    if (context_.runner.run(mapping) != QDialog::Accepted) return;

    if (!exports::reportDatevCheck(exports::checkDatevPeriod(request.data, doc_.settings(), request.period),
                                   context_.messages))
        return;
    if (exports::periodOpensBusinessYear(request.period, doc_.settings())) {
        DatevOpeningDialog opening(context_);
        request.openingBookings = context_.runner.run(opening) == QDialog::Accepted;
    }

    reports::JournalReportBooks books{doc_.journal(),  doc_.journalIndex(), doc_.reportCursor(), doc_.accountIndex(),
                                      doc_.settings(), context_.messages,   context_.progress};
    const exports::DatevExportResult result = exports::exportDatev(
        books, request, mapping.mapping(),
        exports::datevExportDirectory(request.data, doc_.dataDirectory(), doc_.number()),
        exports::datevTimestampNow());
    if (!result.errorList.empty()) {
        DatevErrorListDialog errors(context_, result.errorList);
        context_.runner.run(errors);
    }
    if (!result.done) return;
    const std::string done = std::string(text::kMsgDatevDone) + "\n\n" + std::string(text::kMsgDatevDoneAdvice);
    DatevTextDialog closing(context_, text::kTitleDatevDone, done, false, "DatevDoneDialog");
    context_.runner.run(closing);
}

}  // namespace tellmark::shell
