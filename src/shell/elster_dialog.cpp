#include "shell/elster_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "circles/elster_settings.h"
#include "resources/texts_circles.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

using Elster = config::ElsterData;

struct ElsterField {
    std::string_view label;
    std::size_t length;
    std::string Elster::*member;
    const char* name;
};

const std::array<ElsterField, 8> kFields = {{
    {text::kElsterTaxNumberLabel, Elster::kTaxNumberLength, &Elster::taxNumber, "taxNumber"},
    {text::kElsterTaxOfficeLabel, Elster::kTaxOfficeLength, &Elster::taxOffice, "taxOffice"},
    {text::kElsterNameLabel, Elster::kNameLength, &Elster::name, "name"},
    {text::kElsterStreetLabel, Elster::kStreetLength, &Elster::street, "street"},
    {text::kElsterPostcodeLabel, Elster::kPostcodeLength, &Elster::postcode, "postcode"},
    {text::kElsterTownLabel, Elster::kTownLength, &Elster::town, "town"},
    {text::kElsterPhoneLabel, Elster::kPhoneLength, &Elster::phone, "phone"},
    {text::kElsterEmailLabel, Elster::kEmailLength, &Elster::email, "email"},
}};

}  // namespace

ElsterDialog::ElsterDialog(ShellContext& context, std::string dataDirectory, int number)
    : TellmarkDialog(context.frame, text::kElsterDialogTitle, "ElsterDialog"),
      context_(context),
      dataDirectory_(std::move(dataDirectory)),
      number_(number) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Elster data;
    loaded_ = circles::loadElsterData(dataDirectory_, number_, data, context_.messages) == 1;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        fields_[i] = makeField(this, static_cast<int>(kFields[i].length), kFields[i].name);
        fields_[i]->setText(qt(data.*kFields[i].member));
        form->addRow(qt(kFields[i].label), fields_[i]);
    }
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &ElsterDialog::onOk);
}

void ElsterDialog::onOk() {
    Elster data;
    for (std::size_t i = 0; i < kFields.size(); ++i) data.*kFields[i].member = fieldText(fields_[i]);
    if (circles::saveElsterData(dataDirectory_, number_, data, context_.messages) == 1) accept();
}

}  // namespace tellmark::shell
