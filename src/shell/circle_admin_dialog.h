#pragma once
// "Buchungskreisverwaltung": creates a booking circle for a number without settings file, or changes
// the settings of an existing one. OK saves the settings file; the ledger files come with the open.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "circles/circle_fields.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CircleAdminDialog : public TellmarkDialog {
    Q_OBJECT
public:
    CircleAdminDialog(ShellContext& context, std::string dataDirectory, int number);

    bool existingCircle() const { return existing_; }
    // The fields as typed.
    circles::CircleCreateFields fields() const;

private:
    void fill(const circles::CircleCreateFields& fields);
    void onOk();
    void onElster();
    void onChartLeft();
    void updateEnabled();

    ShellContext& context_;
    std::string dataDirectory_;
    int number_;
    bool existing_ = false;
    QLineEdit* year_;
    QLabel* monthLabel_;
    QLineEdit* month_;
    QLineEdit* name_;
    QLineEdit* chart_;
    QLineEdit* currency_;
    QCheckBox* vat_;
    QCheckBox* cashBasis_;
    QCheckBox* autoNumber_;
    QLabel* nextNumberLabel_;
    QLineEdit* nextNumber_;
    QPushButton* elster_;
};

}  // namespace tellmark::shell
