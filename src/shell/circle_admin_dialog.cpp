#include "shell/circle_admin_dialog.h"

#include <QFormLayout>
#include <QVBoxLayout>
#include <ctime>

#include "config/field_checks.h"
#include "config/file_names.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_shell.h"
#include "shell/elster_dialog.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

// A new circle starts with the current calendar year.
circles::CircleCreateFields newCircleFields() {
    circles::CircleCreateFields fields;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    fields.year = format("%04i", local.tm_year + 1900);
    return fields;
}

}  // namespace

CircleAdminDialog::CircleAdminDialog(ShellContext& context, std::string dataDirectory, int number)
    : TellmarkDialog(context.frame, text::kCircleAdminTitle, "CircleAdminDialog"),
      context_(context),
      dataDirectory_(std::move(dataDirectory)),
      number_(number) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* numberField = makeField(this, circles::kNumberFieldLength, "number");
    numberField->setText(QString::number(number));
    numberField->setReadOnly(true);
    form->addRow(qt(text::kAdminNumberLabel), numberField);

    year_ = makeField(this, circles::kYearFieldLength, "year");
    checkWhileTyping(year_, [](std::string& t, int& caret) { return config::checkDigitsOnly(t, caret); });
    form->addRow(qt(text::kAdminYearLabel), year_);
    auto* yearHint = new QLabel(qt(text::kCircleYearHint), this);
    form->addRow(QString(), yearHint);

    month_ = makeField(this, circles::kMonthFieldLength, "month");
    ui::Messages& messages = context_.messages;
    checkWhileTyping(month_, [&messages](std::string& t, int& caret) {
        return config::checkIntegerWithMaximum(t, caret, circles::kMonthFieldMaximum, messages);
    });
    monthLabel_ = new QLabel(qt(text::kAdminMonthLabel), this);
    monthLabel_->setBuddy(month_);
    form->addRow(monthLabel_, month_);

    name_ = makeField(this, config::kCircleNameLength, "name");
    form->addRow(qt(text::kAdminNameLabel), name_);

    chart_ = makeField(this, circles::kChartFieldLength, "chart");
    connect(chart_, &QLineEdit::editingFinished, this, &CircleAdminDialog::onChartLeft);
    form->addRow(qt(text::kAdminChartLabel), chart_);

    currency_ = makeField(this, config::kCurrencyLength, "currency");
    checkWhileTyping(currency_, [](std::string& t, int&) {
        t = circles::currencyFieldRule(t);
        return 1;
    });
    form->addRow(qt(text::kAdminCurrencyLabel), currency_);

    vat_ = new QCheckBox(qt(text::kAdminVatCheck), this);
    vat_->setObjectName(QStringLiteral("vat"));
    cashBasis_ = new QCheckBox(qt(text::kAdminCashBasisCheck), this);
    cashBasis_->setObjectName(QStringLiteral("cashBasis"));
    autoNumber_ = new QCheckBox(qt(text::kAdminAutoNumberCheck), this);
    autoNumber_->setObjectName(QStringLiteral("autoNumber"));
    form->addRow(QString(), vat_);
    form->addRow(QString(), cashBasis_);
    form->addRow(QString(), autoNumber_);

    nextNumber_ = makeField(this, config::kDocumentNumberLength, "nextNumber");
    checkWhileTyping(nextNumber_, [](std::string& t, int& caret) { return config::checkDigitsOnly(t, caret); });
    nextNumberLabel_ = new QLabel(qt(text::kCircleNextNumberHint), this);
    nextNumberLabel_->setBuddy(nextNumber_);
    form->addRow(nextNumberLabel_, nextNumber_);
    layout->addLayout(form);

    elster_ = new QPushButton(qt(text::kCircleElsterButton), this);
    elster_->setObjectName(QStringLiteral("elster"));
    layout->addWidget(elster_, 0, Qt::AlignLeft);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &CircleAdminDialog::onOk);
    connect(elster_, &QPushButton::clicked, this, &CircleAdminDialog::onElster);
    connect(year_, &QLineEdit::textChanged, this, &CircleAdminDialog::updateEnabled);
    connect(autoNumber_, &QCheckBox::toggled, this, &CircleAdminDialog::updateEnabled);

    existing_ = platform::probeFile(config::settingsFileName(dataDirectory_, number_)) == platform::kProbePresent;
    circles::CircleCreateFields fields = newCircleFields();
    if (existing_) circles::loadCircleFields(dataDirectory_, number_, fields, context_.messages);
    fill(fields);
    // The Elster data live in the settings file, which a new circle does not have yet.
    elster_->setEnabled(existing_);
    year_->setFocus();
    year_->selectAll();
}

void CircleAdminDialog::fill(const circles::CircleCreateFields& fields) {
    year_->setText(qt(fields.year));
    month_->setText(qt(fields.firstMonth));
    name_->setText(qt(fields.name));
    chart_->setText(qt(fields.chart));
    currency_->setText(qt(fields.currency));
    vat_->setChecked(fields.vat);
    cashBasis_->setChecked(fields.cashBasis);
    autoNumber_->setChecked(fields.automaticNumbering);
    nextNumber_->setText(fields.automaticNumbering ? qt(fields.nextDocumentNumber) : QString());
    updateEnabled();
}

circles::CircleCreateFields CircleAdminDialog::fields() const {
    circles::CircleCreateFields f;
    f.year = fieldText(year_);
    f.firstMonth = fieldText(month_);
    f.name = circles::nameFieldRule(fieldText(name_));
    f.chart = fieldText(chart_);
    f.cashBasis = cashBasis_->isChecked();
    f.vat = vat_->isChecked();
    f.currency = circles::currencyFieldRule(fieldText(currency_));
    f.automaticNumbering = autoNumber_->isChecked();
    f.nextDocumentNumber = fieldText(nextNumber_);
    return f;
}

void CircleAdminDialog::updateEnabled() {
    const bool span = circles::startMonthEnabled(fieldText(year_));
    monthLabel_->setEnabled(span);
    month_->setEnabled(span);
    nextNumberLabel_->setEnabled(autoNumber_->isChecked());
    nextNumber_->setEnabled(autoNumber_->isChecked());
}

void CircleAdminDialog::onChartLeft() {
    const std::string typed = fieldText(chart_);
    const std::string ruled = circles::chartFieldRule(typed, context_.messages);
    if (ruled != typed) chart_->setText(qt(ruled));
}

void CircleAdminDialog::onOk() {
    // A chart the rule had to replace is shown first, not saved unseen.
    const std::string typed = fieldText(chart_);
    const std::string ruled = circles::chartFieldRule(typed, context_.messages);
    if (ruled != typed) {
        chart_->setText(qt(ruled));
        chart_->setFocus();
        chart_->selectAll();
        return;
    }
    // An existing circle is rewritten only while no other copy has it open.
    const int saved = existing_ ? circles::changeCircleSettings(dataDirectory_, number_, fields(), context_.messages)
                                : circles::createCircleSettings(dataDirectory_, number_, fields(), context_.messages);
    if (saved == 1) {
        accept();
        return;
    }
    year_->setFocus();
    year_->selectAll();
}

void CircleAdminDialog::onElster() {
    ElsterDialog dialog(context_, dataDirectory_, number_);
    if (dialog.loaded()) context_.runner.run(dialog);
}

}  // namespace tellmark::shell
