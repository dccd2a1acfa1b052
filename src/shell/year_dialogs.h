#pragma once
// The dialogs of the booking year commands: the year typed ("Buchungsjahr eingeben", and the year to
// delete), the chart take-over of a new year, the confirmation of the closing-balance take-over, the
// files to delete and the status of the deletion.

#include <QCheckBox>
#include <QLineEdit>
#include <string>
#include <string_view>

#include "config/circle_settings.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"
#include "yearend/year_change.h"
#include "yearend/year_deletion.h"

namespace tellmark::shell {

// A four-digit year ("year"), digits only.
class YearInputDialog : public TellmarkDialog {
    Q_OBJECT
public:
    YearInputDialog(ShellContext& context, std::string_view title, std::string_view label, const char* objectName);
    std::string yearText() const;

private:
    QLineEdit* year_;
};

// "Buchungsjahr wechseln / Kontenplan übernehmen": "chart", "balances" and, for a cash-basis chart 03
// circle, "private"; all set at first.
class YearChartDialog : public TellmarkDialog {
    Q_OBJECT
public:
    YearChartDialog(ShellContext& context, const config::CircleSettings& settings);
    yearend::YearChangeChoices choices() const;

private:
    QCheckBox* chart_;
    QCheckBox* balances_;
    QCheckBox* private_;
    bool privateShown_;
};

// "Endbestände vom Vorjahr als Anfangsbestand übernehmen": "start" or "cancel".
class TransferConfirmDialog : public TellmarkDialog {
    Q_OBJECT
public:
    TransferConfirmDialog(ShellContext& context, int previousYear, int openYear);
};

// The question whether the year goes, with the files to delete: "balances" and "journal", both set.
class DeleteYearDialog : public TellmarkDialog {
    Q_OBJECT
public:
    DeleteYearDialog(ShellContext& context, const std::string& yearText);
    bool balances() const { return balances_->isChecked(); }
    bool journal() const { return journal_->isChecked(); }

private:
    QCheckBox* balances_;
    QCheckBox* journal_;
};

// "Buchungsjahr löschen - Status": a mark for each file deleted ("file0" to "file3"), and its path.
class DeleteStatusDialog : public TellmarkDialog {
    Q_OBJECT
public:
    DeleteStatusDialog(ShellContext& context, const yearend::YearDeletionStatus& status);
};

}  // namespace tellmark::shell
