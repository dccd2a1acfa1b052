#pragma once
// The dialogs of the DATEV export: the notes before it, the settings "Datev-Export", the account
// mapping "Kontonummernzuordnung", the question about the opening balances, the error list and the
// closing notice.

#include <QLineEdit>
#include <QTableWidget>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "circles/document.h"
#include "exports/datev_mapping.h"
#include "exports/datev_mapping_rows.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

// A text to read and "&OK" (with cancel: "&OK" / "&Abbruch"). The text is CP1252.
class DatevTextDialog : public TellmarkDialog {
public:
    DatevTextDialog(ShellContext& context, std::string_view title, std::string_view text, bool cancel,
                    const char* objectName);
};

// The error list of a failed export, to read.
class DatevErrorListDialog : public TellmarkDialog {
public:
    DatevErrorListDialog(ShellContext& context, const std::string& errorList);
};

// "Datev-Export": the ten settings, checked on "&OK" in their order (the first failure shows its message
// and puts the cursor into its field) and stored in the settings file.
class DatevSettingsDialog : public TellmarkDialog {
public:
    DatevSettingsDialog(ShellContext& context, circles::CVt36Doc& doc);
    const config::DatevData& data() const { return data_; }

private:
    void onOk();

    ShellContext& context_;
    circles::CVt36Doc& doc_;
    std::array<QLineEdit*, 10> fields_{};
    config::DatevData data_;
};

// "Kontonummernzuordnung": one row per account; only the DATEV number can be edited, as digits. "OK"
// writes the mapping file.
class DatevMappingDialog : public TellmarkDialog {
public:
    DatevMappingDialog(ShellContext& context, std::vector<exports::DatevMappingRow> rows,
                       exports::DatevMapping stored, std::string path);
    const exports::DatevMapping& mapping() const { return mapping_; }

private:
    void onOk();

    ShellContext& context_;
    std::vector<exports::DatevMappingRow> rows_;
    exports::DatevMapping stored_;
    exports::DatevMapping mapping_;
    std::string path_;
    QTableWidget* table_;
};

// "Anfangsbestände als Eröffnungsbuchungen": Accepted is "&Ja".
class DatevOpeningDialog : public TellmarkDialog {
public:
    explicit DatevOpeningDialog(ShellContext& context);
};

}  // namespace tellmark::shell
