#include "shell/screen_fonts_dialog.h"

#include <algorithm>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

ScreenFontsDialog::ScreenFontsDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kScreenFontsTitle, "ScreenFontsDialog"),
      context_(context),
      settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    bookingSize_ = new QComboBox(this);
    bookingSize_->setObjectName(QStringLiteral("bookingSize"));
    screenSize_ = new QComboBox(this);
    screenSize_->setObjectName(QStringLiteral("screenSize"));
    for (std::size_t i = 0; i < config::kScreenFontSizes.size(); ++i) {
        bookingSize_->addItem(qt(config::screenFontSizeLabel(i)));
        screenSize_->addItem(qt(config::screenFontSizeLabel(i)));
    }
    bookingBold_ = new QCheckBox(qt(text::kScreenFontsBold), this);
    bookingBold_->setObjectName(QStringLiteral("bookingBold"));
    screenBold_ = new QCheckBox(qt(text::kScreenFontsBoldScreen), this);
    screenBold_->setObjectName(QStringLiteral("screenBold"));
    auto* bookingLabel = new QLabel(qt(text::kScreenFontsBookingLabel), this);
    bookingLabel->setBuddy(bookingSize_);
    auto* screenLabel = new QLabel(qt(text::kScreenFontsScreenLabel), this);
    screenLabel->setBuddy(screenSize_);
    grid->addWidget(bookingLabel, 0, 0);
    grid->addWidget(bookingSize_, 0, 1);
    grid->addWidget(bookingBold_, 0, 2);
    grid->addWidget(screenLabel, 1, 0);
    grid->addWidget(screenSize_, 1, 1);
    grid->addWidget(screenBold_, 1, 2);
    layout->addLayout(grid);
    auto* standard = new QPushButton(qt(text::kScreenFontsDefault), this);
    standard->setObjectName(QStringLiteral("default"));
    layout->addWidget(standard, 0, Qt::AlignLeft);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);

    showChoices(config::screenFontChoiceOf(settings_.config().fontBooking),
         config::screenFontChoiceOf(settings_.config().fontScreen));
    connect(bookingSize_, &QComboBox::currentIndexChanged, this, &ScreenFontsDialog::updateBold);
    connect(screenSize_, &QComboBox::currentIndexChanged, this, &ScreenFontsDialog::updateBold);
    connect(bookingBold_, &QCheckBox::clicked, this, [this](bool on) { boldBookingChosen_ = on; });
    connect(screenBold_, &QCheckBox::clicked, this, [this](bool on) { boldScreenChosen_ = on; });
    connect(standard, &QPushButton::clicked, this, &ScreenFontsDialog::onDefault);
    connect(ok, &QPushButton::clicked, this, &ScreenFontsDialog::onOk);
}

void ScreenFontsDialog::showChoices(const config::ScreenFontChoice& booking, const config::ScreenFontChoice& screen) {
    boldBookingChosen_ = booking.bold;
    boldScreenChosen_ = screen.bold;
    bookingSize_->setCurrentIndex(static_cast<int>(booking.sizeIndex));
    screenSize_->setCurrentIndex(static_cast<int>(screen.sizeIndex));
    updateBold();
}

void ScreenFontsDialog::updateBold() {
    // Widths above 13 are always bold; the box shows it and cannot be cleared.
    const auto apply = [](QComboBox* size, QCheckBox* bold, bool chosen) {
        const bool forced = config::boldForced(static_cast<std::size_t>(size->currentIndex()));
        bold->setChecked(forced || chosen);
        bold->setEnabled(!forced);
    };
    apply(bookingSize_, bookingBold_, boldBookingChosen_);
    apply(screenSize_, screenBold_, boldScreenChosen_);
}

config::ScreenFontChoice ScreenFontsDialog::choice(const QComboBox* size, const QCheckBox* bold) const {
    return {static_cast<std::size_t>(std::max(0, size->currentIndex())), bold->isChecked()};
}

void ScreenFontsDialog::onDefault() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->geometry().size() : QSize(800, 600);
    const config::ScreenFontChoice standard = config::defaultScreenFontChoice(desktop.width(), desktop.height());
    showChoices(standard, standard);
}

void ScreenFontsDialog::onOk() {
    if (config::acceptScreenFonts(settings_, choice(bookingSize_, bookingBold_), choice(screenSize_, screenBold_),
                                  context_.messages) == 1)
        accept();
}

}  // namespace tellmark::shell
