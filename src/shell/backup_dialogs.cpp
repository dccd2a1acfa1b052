#include "shell/backup_dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/program_config.h"
#include "resources/format.h"
#include "resources/texts_backup.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

BackupDirectoryDialog::BackupDirectoryDialog(ShellContext& context, Purpose purpose, const std::string& preset)
    : TellmarkDialog(context.frame, purpose == Purpose::Backup ? text::kBackupDialogTitle : text::kRestoreDialogTitle,
                     purpose == Purpose::Backup ? "BackupDialog" : "RestoreDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* label =
        new QLabel(qt(purpose == Purpose::Backup ? text::kBackupDialogPrompt : text::kRestoreDialogPrompt), this);
    auto* field = makeField(this, static_cast<int>(config::kPathChars), "directory");
    field->setText(qt(preset));
    field->selectAll();
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    if (purpose == Purpose::Backup) {
        layout->addWidget(new QLabel(qt(text::kBackupDialogNoteDirectory), this));
        layout->addWidget(new QLabel(qt(text::kBackupDialogNoteShortNames), this));
    } else {
        layout->addWidget(new QLabel(qt(text::kRestoreDialogNote), this));
    }
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

std::string BackupDirectoryDialog::directory() const {
    return fieldText(findChild<QLineEdit*>(QStringLiteral("directory")));
}

BackupOverviewDialog::BackupOverviewDialog(ShellContext& context, const yearend::BackupOverview& overview)
    : TellmarkDialog(context.frame, text::kBackupOverviewTitle, "BackupOverviewDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qt(text::kBackupOverviewIntro), this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(qt(text::kBackupOverviewColumnName), this), 0, 1);
    grid->addWidget(new QLabel(qt(text::kBackupOverviewColumnBytes), this), 0, 2, Qt::AlignRight);
    grid->addWidget(new QLabel(qt(text::kBackupOverviewColumnTime), this), 0, 3);
    for (std::size_t i = 0; i < overview.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const yearend::BackupRow& copy = overview[i];
        grid->addWidget(new QLabel(qt(format(text::kBackupOverviewRowNumber, row)), this), row, 0);
        if (!copy.made) continue;  // a copy that was not made was reported; its row stays empty
        auto* name = new QLabel(qt(yearend::backupRowName(copy)), this);
        name->setObjectName(QStringLiteral("row%1").arg(row));
        grid->addWidget(name, row, 1);
        grid->addWidget(new QLabel(qt(yearend::backupRowSize(copy)), this), row, 2, Qt::AlignRight);
        grid->addWidget(new QLabel(qt(yearend::backupRowTime(copy)), this), row, 3);
    }
    layout->addLayout(grid);
    layout->addWidget(new QLabel(qt(text::kBackupOverviewLegend), this));
    layout->addWidget(new QLabel(qt(text::kBackupOverviewEmptyStandardHint), this));
    layout->addWidget(new QLabel(qt(text::kBackupOverviewCheckAdvice), this));
    auto* ok = new QPushButton(qt(text::kButtonOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace tellmark::shell
