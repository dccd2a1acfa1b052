// The one message dialog: heading from the caption, window title from the icon value.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "resources/texts_common.h"
#include "shell/message_dialog.h"
#include "shell/text_convert.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

class MessageDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titleFollowsTheIconNotTheCaption() {
        struct Case {
            int icon;
            const char* title;
        };
        for (Case c : {Case{16, "FEHLER"}, Case{48, "ACHTUNG"}, Case{64, "INFORMATION"}, Case{32, "FEHLER"},
                       Case{0, "FEHLER"}}) {
            MessageDialog dialog(nullptr, "Kontobezeichnung fehlt !", text::kCaptionError, c.icon);
            QCOMPARE(dialog.windowTitle(), QString::fromLatin1(c.title));
            QCOMPARE(dialog.heading(), QStringLiteral("FEHLER"));
        }
    }

    void noticesAndWarningsWithTheDefaultIconTakeTheirCaptionsTitle() {
        struct Case {
            std::string_view caption;
            int icon;
            const char* title;
        };
        for (Case c : {Case{text::kCaptionInformation, 16, "INFORMATION"}, Case{text::kCaptionWarning, 16, "ACHTUNG"},
                       Case{text::kCaptionError, 16, "FEHLER"},
                       // An icon chosen on purpose is kept, whatever the caption.
                       Case{text::kCaptionInformation, 48, "ACHTUNG"}, Case{text::kCaptionWarning, 64, "INFORMATION"},
                       Case{text::kCaptionInformation, 32, "FEHLER"}}) {
            MessageDialog dialog(nullptr, "Neues Konto wurde erfolgreich angelegt !", c.caption, c.icon);
            QCOMPARE(dialog.windowTitle(), QString::fromLatin1(c.title));
            QCOMPARE(dialog.heading(), qt(c.caption));
        }
    }

    void showsTextInUtf16AndOneOkButton() {
        // "Änderung ... gespeichert" in CP1252 bytes.
        const std::string text = "\xC4nderung der Bezeichnung wurde gespeichert !\r\nZweite Zeile";
        MessageDialog dialog(nullptr, text, text::kCaptionInformation, 64);
        QCOMPARE(dialog.text(), QString::fromUtf8("Änderung der Bezeichnung wurde gespeichert !\nZweite Zeile"));
        const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("&OK"));
        buttons.front()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void messagesGoThroughTheRunner() {
        testing::ScriptedRunner runner;
        DialogMessages messages(runner);
        messages.show("Ung\xFCltige Kontonummer !", text::kCaptionError, 48);
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].title, QStringLiteral("ACHTUNG"));
        QCOMPARE(runner.messages[0].heading, QStringLiteral("FEHLER"));
        QCOMPARE(runner.messages[0].text, QString::fromUtf8("Ungültige Kontonummer !"));
    }
};

TELLMARK_SHELL_TEST_MAIN(MessageDialogTest)
#include "message_dialog_test.moc"
