// The configuration dialogs: what typing leaves in their fields and the lines they write to tellmark.ini.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "config/program_config.h"
#include "shell/booking_technique_dialog.h"
#include "shell/message_dialog.h"
#include "shell/page_settings_dialog.h"
#include "shell/program_management_dialog.h"
#include "shell/screen_fonts_dialog.h"
#include "shell/shell_context.h"
#include "shell/standard_texts_dialog.h"
#include "shell/vat_presets_dialog.h"
#include "shell_test_support.h"
#include "ui/progress.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

bool hasLine(const std::string& file, const std::string& line) {
    return file.find("\r\n" + line + "\r\n") != std::string::npos;
}

}  // namespace

class ConfigDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<testing::StartDirectory>();
        runner_ = std::make_unique<testing::ScriptedRunner>();
        messages_ = std::make_unique<DialogMessages>(*runner_);
        context_ = std::make_unique<ShellContext>(ShellContext{*runner_, *messages_, progress_, nullptr});
        ini_ = std::make_unique<config::CIniSB>(*messages_);
        QCOMPARE(ini_->createDefaults(), 1);
        QCOMPARE(ini_->readAllSettings(), 1);
    }
    void cleanup() {
        ini_.reset();
        context_.reset();
        messages_.reset();
        runner_.reset();
        dir_.reset();
    }

    void pageSettings() {
        PageSettingsDialog dialog(*context_, *ini_);
        QCOMPARE(dialog.findChild<QLineEdit*>("lines")->text(), QStringLiteral("68"));
        testing::type(dialog, "lines", "95");
        QCOMPARE(runner_->messages.back().text, QStringLiteral("Maximaler Betrag: 90"));
        QCOMPARE(dialog.findChild<QLineEdit*>("lines")->text(), QStringLiteral("0"));
        testing::type(dialog, "lines", "72");
        testing::type(dialog, "margin", "2");
        QCOMPARE(testing::click(dialog, "ok"), int(QDialog::Accepted));
        const std::string file = testing::readAll("tellmark.ini");
        QVERIFY(hasLine(file, "Zeilen pro Seite=72"));
        QVERIFY(hasLine(file, "Rand oben=2"));
    }

    void vatPresets() {
        VatPresetsDialog dialog(*context_, *ini_);
        QCOMPARE(dialog.findChild<QLineEdit*>("f7")->text(), QStringLiteral("7.00"));
        QCOMPARE(dialog.findChild<QLineEdit*>("f8")->text(), QStringLiteral("19.00"));
        testing::type(dialog, "f7", "5,5");
        QCOMPARE(dialog.findChild<QLineEdit*>("f7")->text(), QStringLiteral("5.5"));
        testing::type(dialog, "f8", "16");
        QCOMPARE(testing::click(dialog, "ok"), int(QDialog::Accepted));
        const std::string file = testing::readAll("tellmark.ini");
        QVERIFY(hasLine(file, "MwSt F7= 5.50"));
        QVERIFY(hasLine(file, "MwSt F8=16.00"));
    }

    void standardTexts() {
        StandardTextsDialog dialog(*context_, *ini_);
        testing::setField(dialog, "text1", QString::fromUtf8("Miete Büro"));
        testing::type(dialog, "text8", QString(30, QLatin1Char('x')));
        QCOMPARE(dialog.findChild<QLineEdit*>("text8")->text().size(), 25);
        QCOMPARE(testing::click(dialog, "ok"), int(QDialog::Accepted));
        const std::string file = testing::readAll("tellmark.ini");
        QVERIFY(hasLine(file, "Text F01=Miete B\xFCro"));
        QVERIFY(hasLine(file, "Text F08=" + std::string(25, 'x')));
    }

    void bookingTechniqueWithPasswordAndLaterChanges() {
        BookingTechniqueDialog dialog(*context_, *ini_);
        auto* use = dialog.findChild<QCheckBox*>("usePassword");
        QVERIFY(!use->isChecked());
        QVERIFY(!dialog.findChild<QLineEdit*>("password")->isEnabled());
        use->setChecked(true);
        testing::type(dialog, "password", QStringLiteral("ab c!d-9"));
        QCOMPARE(dialog.findChild<QLineEdit*>("password")->text(), QStringLiteral("abcd-9"));
        dialog.findChild<QRadioButton*>("twelveMonths")->setChecked(true);

        runner_->on("LaterChangesDialog", [](QDialog& d) {
            d.findChild<QCheckBox*>("allowed")->setChecked(false);
            return testing::click(d, "ok");
        });
        testing::click(dialog, "extended");
        QVERIFY(hasLine(testing::readAll("tellmark.ini"), "\xC4nderung=N"));

        QCOMPARE(testing::click(dialog, "ok"), int(QDialog::Accepted));
        QVERIFY(hasLine(testing::readAll("tellmark.ini"), "13.Monat=N"));
        // Read back as a fresh start would: the password comes back plain.
        config::CIniSB again(*messages_);
        QCOMPARE(again.readAllSettings(), 1);
        QCOMPARE(QByteArray::fromStdString(again.config().password), QByteArray("abcd-9"));
        QVERIFY(!again.config().changesAllowed);
        QVERIFY(!again.config().thirteenthMonth);
    }

    void screenFontsForceBoldForWideCells() {
        ScreenFontsDialog dialog(*context_, *ini_);
        auto* size = dialog.findChild<QComboBox*>("bookingSize");
        auto* bold = dialog.findChild<QCheckBox*>("bookingBold");
        QCOMPARE(size->currentText(), QStringLiteral("8 x 25"));
        QCOMPARE(size->count(), 10);
        size->setCurrentIndex(8);  // "15 x 46"
        QVERIFY(bold->isChecked());
        QVERIFY(!bold->isEnabled());
        size->setCurrentIndex(2);
        QVERIFY(!bold->isChecked());
        size->setCurrentIndex(8);
        QCOMPARE(testing::click(dialog, "ok"), int(QDialog::Accepted));
        QCOMPARE(runner_->messages.back().heading, QStringLiteral("ACHTUNG"));
        const std::string file = testing::readAll("tellmark.ini");
        QVERIFY(hasLine(file, "Font Buchung=46,15,0700,Courier New"));
        QVERIFY(hasLine(file, "Font Dialog=16,06,0700,Arial"));
        // The wider booking line gives the cell of the main window.
        QVERIFY(hasLine(file, "Aufl\xF6sung=46,15"));
    }

    void programManagement() {
        ProgramManagementDialog dialog(*context_, *ini_);
        QVERIFY(dialog.findChild<QRadioButton*>("shared")->isChecked());
        QVERIFY(!dialog.findChild<QLineEdit*>("dataPath")->isEnabled());
        dialog.findChild<QRadioButton*>("separate")->setChecked(true);
        QVERIFY(dialog.findChild<QLineEdit*>("dataPath")->isEnabled());
        testing::setField(dialog, "dataPath", "/daten/buchhaltung");
        QCOMPARE(testing::click(dialog, "ok"), int(QDialog::Accepted));
        QVERIFY(hasLine(testing::readAll("tellmark.ini"), "Daten=/daten/buchhaltung"));
    }

private:
    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<testing::ScriptedRunner> runner_;
    std::unique_ptr<DialogMessages> messages_;
    ui::NoProgress progress_;
    std::unique_ptr<ShellContext> context_;
    std::unique_ptr<config::CIniSB> ini_;
};

TELLMARK_SHELL_TEST_MAIN(ConfigDialogsTest)
#include "config_dialogs_test.moc"
