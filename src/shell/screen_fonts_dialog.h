#pragma once
// "Schriftgrößen für Bildschirmanzeige": the character cells of the booking form and of the screen
// lists; they take effect at the next start.

#include <QCheckBox>
#include <QComboBox>

#include "config/program_config.h"
#include "config/program_config_dialogs.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ScreenFontsDialog : public TellmarkDialog {
    Q_OBJECT
public:
    ScreenFontsDialog(ShellContext& context, config::CIniSB& settings);

private:
    void showChoices(const config::ScreenFontChoice& booking, const config::ScreenFontChoice& screen);
    config::ScreenFontChoice choice(const QComboBox* size, const QCheckBox* bold) const;
    void updateBold();
    void onDefault();
    void onOk();

    ShellContext& context_;
    config::CIniSB& settings_;
    QComboBox* bookingSize_;
    QCheckBox* bookingBold_;
    QComboBox* screenSize_;
    QCheckBox* screenBold_;
    bool boldBookingChosen_ = false;
    bool boldScreenChosen_ = false;
};

}  // namespace tellmark::shell
