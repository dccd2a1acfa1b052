#include "shell/delete_booking_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_entry.h"
#include "resources/texts_posting.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

DeleteBookingDialog::DeleteBookingDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kDeleteBookingTitle, "DeleteBookingDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(qt(text::kDeleteBookingQuestion), this);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tellmark::shell
