#pragma once
// The dialogs of the import: the name of the file to import, and the closing
// question whether the imported file is to be deleted.

#include <QLineEdit>
#include <string>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

// "Import (aus externen Dateien)": the file name, a name without directory
// taken from the import directory.
class ImportFileDialog : public TellmarkDialog {
public:
    explicit ImportFileDialog(ShellContext& context);
    std::string fileName() const;

private:
    QLineEdit* name_;
};

// "Importdatei löschen": the file and the number of bookings posted; Accepted
// is "&Ja".
class ImportCloseDialog : public TellmarkDialog {
public:
    ImportCloseDialog(ShellContext& context, const std::string& path, long posted);
};

}  // namespace tellmark::shell
