#include "shell/missing_ledger_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_document.h"
#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

MissingLedgerDialog::MissingLedgerDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kBalanceFileMissingTitle, "MissingLedgerDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(qt(text::kMissingLedgerText), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* row = new QHBoxLayout;
    auto* create = new QPushButton(qt(text::kMissingLedgerCreate), this);
    create->setObjectName(QStringLiteral("create"));
    create->setDefault(true);
    auto* takeOver = new QPushButton(qt(text::kMissingLedgerTakeOver), this);
    takeOver->setObjectName(QStringLiteral("takeOver"));
    row->addStretch();
    row->addWidget(create);
    row->addWidget(takeOver);
    row->addStretch();
    layout->addLayout(row);
    connect(create, &QPushButton::clicked, this, [this] { done(kCreateNew); });
    connect(takeOver, &QPushButton::clicked, this, [this] { done(kTakeOver); });
}

}  // namespace tellmark::shell
