#include "shell/standard_booking_commands.h"

#include "entry/standard_bookings.h"
#include "resources/texts_common.h"
#include "resources/texts_standard_bookings.h"
#include "shell/import_dialogs.h"
#include "shell/standard_booking_dialogs.h"
#include "shell/vt36_view.h"
#include "yearend/booking_import.h"

namespace tellmark::shell {

namespace {

// Loads the records; false when the file cannot be read or, with
// `needsRecords`, holds none (after the message).
bool loadRecords(entry::StandardBookings& file, ui::Messages& messages, bool needsRecords) {
    if (!file.load()) return false;
    if (!needsRecords || file.count() > 0) return true;
    messages.show(text::kStandardNoneYet, text::kCaptionInformation, ui::kIconInformation);
    return false;
}

void reloadView(CVt36View* view) {
    if (!view) return;
    view->reload();
    view->setFocus();
}

}  // namespace

void StandardBookingCommands::edit() {
    entry::StandardBookings file(doc_);
    if (!loadRecords(file, context_.messages, false)) return;
    StandardEditDialog dialog(context_, doc_, file);
    context_.runner.run(dialog);
}

void StandardBookingCommands::mark() {
    entry::StandardBookings file(doc_);
    if (!loadRecords(file, context_.messages, true)) return;
    StandardMarkDialog dialog(context_, file);
    context_.runner.run(dialog);
}

void StandardBookingCommands::postMarked(CVt36View* view) {
    StandardPostDateDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    CorrectionDecisions decisions(context_, doc_);
    const entry::StandardPostingResult result =
        entry::postMarkedStandardBookings(doc_, dialog.date(), decisions, entry::FaultyLines::Ask);
    if (result.posted > 0) reloadView(view);
}

void StandardBookingCommands::postChosen(CVt36View* view, bool byNumber) {
    if (!view || !view->model()) return;
    entry::StandardBookings file(doc_);
    if (!loadRecords(file, context_.messages, true)) return;
    StandardChooseDialog dialog(context_, file, byNumber);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    const int n = dialog.chosen();
    if (n < 1 || n > file.count()) return;
    // The new line keeps its date; the model takes only the other fields.
    view->model()->takeOverStandardBooking(entry::standardLine(file.records()[static_cast<std::size_t>(n - 1)], ""));
    view->update();
    view->setFocus();
}

void StandardBookingCommands::importBookings(CVt36View* view) {
    ImportFileDialog choice(context_);
    if (context_.runner.run(choice) != QDialog::Accepted) return;
    const std::string path = yearend::importFilePath(doc_.programConfig(), choice.fileName());
    CorrectionDecisions decisions(context_, doc_);
    const yearend::ImportResult result = yearend::importBookings(doc_, path, decisions, yearend::FaultHandling::Ask);
    if (result.posted > 0) reloadView(view);
    // Nothing was read or nothing decided: the file stays as it is, without a
    // question.
    if (result.end == yearend::ImportEnd::Refused || result.end == yearend::ImportEnd::Stopped) return;
    ImportCloseDialog close(context_, path, result.posted);
    if (context_.runner.run(close) == QDialog::Accepted) yearend::deleteImportFile(path, context_.messages);
}

}  // namespace tellmark::shell
