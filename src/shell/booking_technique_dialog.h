#pragma once
// "Konfiguration für Buchungstechnik": the program password and the 13th booking month; "&Erweitert"
// opens "Nachträgliche Buchungsänderungen".

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class BookingTechniqueDialog : public TellmarkDialog {
    Q_OBJECT
public:
    BookingTechniqueDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();
    void onExtended();

    ShellContext& context_;
    config::CIniSB& settings_;
    QCheckBox* usePassword_;
    QLineEdit* password_;
    QRadioButton* twelveMonths_;
    QRadioButton* thirteenMonths_;
};

}  // namespace tellmark::shell
