// The accounts dialog: which buttons a choice enables, and what each of them leaves in the balance file.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "circles/document.h"
#include "posting/account_maintenance.h"
#include "shell/account_rename_dialog.h"
#include "shell/accounts_dialog.h"
#include "shell/new_account_dialog.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;
using testing::ScriptedRunner;

namespace {

struct Buttons {
    bool choose, opening, rename, remove, create;
    bool operator==(const Buttons&) const = default;
};

Buttons buttonsOf(QDialog& d) {
    auto on = [&d](const char* name) { return d.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled(); };
    return {on("choose"), on("changeOpening"), on("rename"), on("delete"), on("new")};
}

bool isDefault(QDialog& d, const char* name) {
    return d.findChild<QPushButton*>(QString::fromLatin1(name))->isDefault();
}

QString shown(QDialog& d, const char* name) { return d.findChild<QLabel*>(QString::fromLatin1(name))->text(); }

const Buttons kNothingChosen{true, false, false, false, false};
const Buttons kFound{false, true, true, true, false};
const Buttons kNotFound{false, false, false, false, true};

}  // namespace

class AccountsDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<testing::StartDirectory>();
        testing::createCircle(1, "Muster GmbH", 2024);
        runner_ = std::make_unique<ScriptedRunner>();
        frame_ = testing::openFrame(*runner_, 1, false);
        QVERIFY(frame_);
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    void buttonStatesFollowTheChoice() {
        AccountsDialog dialog(frame_->context(), frame_->document());
        QCOMPARE(buttonsOf(dialog), kNothingChosen);
        QVERIFY(isDefault(dialog, "choose"));

        // A standard VAT account is there after the first open.
        testing::setField(dialog, "number", "1570");
        testing::click(dialog, "choose");
        QCOMPARE(buttonsOf(dialog), kFound);
        QVERIFY(isDefault(dialog, "changeOpening"));
        QCOMPARE(shown(dialog, "shownNumber"), QStringLiteral(" 1570"));
        QCOMPARE(shown(dialog, "shownOpening"), QStringLiteral("0.00"));

        // Typing in the number field goes back to the choice.
        testing::type(dialog, "number", "47");
        QCOMPARE(buttonsOf(dialog), kNothingChosen);

        // "47" is account 4700, which is not there.
        testing::click(dialog, "choose");
        QCOMPARE(buttonsOf(dialog), kNotFound);
        QVERIFY(isDefault(dialog, "new"));
        QCOMPARE(shown(dialog, "shownNumber"), QString());

        // Creating it cancelled: still not found.
        testing::click(dialog, "new");
        QCOMPARE(runner_->unanswered.back(), QStringLiteral("NewAccountDialog"));
        QCOMPARE(buttonsOf(dialog), kNotFound);

        // A text that is no number: the message, the fields cleared, nothing chosen.
        testing::type(dialog, "number", "abc");
        testing::click(dialog, "choose");
        QCOMPARE(runner_->messages.back().text, QString::fromUtf8("Ungültige Kontonummer !"));
        QCOMPARE(dialog.findChild<QLineEdit*>("number")->text(), QString());
        QCOMPARE(buttonsOf(dialog), kNothingChosen);
    }

    void createChangeAndDeleteAnAccount() {
        AccountsDialog dialog(frame_->context(), frame_->document());
        runner_->on("NewAccountDialog", [](QDialog& d) {
            testing::setField(d, "name", QString::fromUtf8("BÜROBEDARF"));
            testing::setField(d, "opening", "125.50");
            return testing::click(d, "ok");
        });
        testing::type(dialog, "number", "4711");
        testing::click(dialog, "choose");
        testing::click(dialog, "new");
        QCOMPARE(buttonsOf(dialog), kFound);
        QCOMPARE(shown(dialog, "shownName"), QString::fromUtf8("BÜROBEDARF               "));
        QCOMPARE(shown(dialog, "shownOpening"), QStringLiteral("125.50"));
        QCOMPARE(runner_->messages.back().text, QStringLiteral("Neues Konto wurde erfolgreich angelegt !"));
        // A success is a notice, not an error.
        QCOMPARE(runner_->messages.back().title, QStringLiteral("INFORMATION"));

        // The record in the balance file: number, name in CP1252, blank status, opening balance "%12.2f".
        circles::CVt36Doc& doc = frame_->document();
        std::string balance, name, number;
        QCOMPARE(doc.reportCursor().findByNumber(4711, balance, name, number), 1);
        const std::string record(doc.reportCursor().record().data(), 202);
        const std::string expected = std::string(" 4711") + "B\xDC" "ROBEDARF" + std::string(15, ' ') + " " +
                                     "      125.50" + "        0.00";
        QCOMPARE(QByteArray::fromStdString(record.substr(0, expected.size())), QByteArray::fromStdString(expected));

        runner_->on("OpeningBalanceDialog", testing::answerWith("newOpening", "-80"));
        testing::click(dialog, "changeOpening");
        QCOMPARE(shown(dialog, "shownOpening"), QStringLiteral("-80.00"));
        QCOMPARE(buttonsOf(dialog), kFound);

        runner_->on("AccountRenameDialog", testing::answerWith("newName", "PORTO"));
        testing::click(dialog, "rename");
        QCOMPARE(shown(dialog, "shownName").trimmed(), QStringLiteral("PORTO"));

        testing::click(dialog, "delete");
        QCOMPARE(runner_->messages.back().text, QString::fromUtf8("Das Konto wurde erfolgreich gelöscht !"));
        QCOMPARE(buttonsOf(dialog), kNothingChosen);
        QCOMPARE(shown(dialog, "shownNumber"), QString());
        QCOMPARE(doc.reportCursor().findByNumber(4711, balance, name, number) == 1, false);
    }

    void protectedAccountsStayAsTheyAre() {
        AccountsDialog dialog(frame_->context(), frame_->document());
        testing::type(dialog, "number", "1570");
        testing::click(dialog, "choose");
        testing::click(dialog, "rename");
        // Refused before the rename dialog opens.
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("MessageDialog"));
        QCOMPARE(runner_->messages.back().text,
                 QStringLiteral("Die Bezeichnung der Mehrwertsteuerkonten\nkann nicht geändert werden!"));
        testing::click(dialog, "delete");
        QCOMPARE(runner_->messages.back().text, QString::fromUtf8("Die Mehrwertsteuerkonten können nicht gelöscht werden !"));
        QCOMPARE(buttonsOf(dialog), kFound);
    }

    // Tab walks the fields as they stand: name, the VAT box, its rate, then the opening balance, so
    // Tab and Space after the name tick the box.
    void tabFollowsTheFieldsOfTheAccountDialogs() {
        posting::AccountFiles files{frame_->document().reportCursor(), frame_->document().accountIndex(),
                                    frame_->document().balanceFile(), 3, frame_->context().messages};
        NewAccountDialog created(frame_->context(), files, 8400);
        AccountRenameDialog renamed(frame_->context(), files, 8400, "ERLOESE");
        for (QDialog* d : {static_cast<QDialog*>(&created), static_cast<QDialog*>(&renamed)}) {
            d->show();
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            QWidget* name = d->findChild<QLineEdit*>(d == &created ? "name" : "newName");
            name->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("vatCheck"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY(d->findChild<QCheckBox*>("vatCheck")->isChecked());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("rate"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(d == &created ? "opening" : "ok"));
            d->hide();
        }
    }

    // The file keeps new accounts at its end; the pick list shows them by number.
    void pickListIsInNumberOrder() {
        posting::AccountFiles files{frame_->document().reportCursor(), frame_->document().accountIndex(),
                                    frame_->document().balanceFile(), 3, frame_->context().messages};
        for (int number : {4711, 1000, 8400, 10001}) {
            posting::NewAccount account;
            account.number = number;
            account.name = "KONTO";
            QCOMPARE(int(posting::createAccount(files, account)), int(posting::MaintenanceResult::Done));
        }
        QStringList shownNumbers;
        runner_->on("ChartListDialog", [&shownNumbers](QDialog& d) {
            auto* list = d.findChild<QListWidget*>("accounts");
            for (int i = 0; i < list->count(); ++i) shownNumbers << list->item(i)->text().mid(2, 5).trimmed();
            list->setCurrentRow(1);
            return testing::click(d, "ok");
        });
        AccountsDialog dialog(frame_->context(), frame_->document());
        testing::click(dialog, "chart");
        QCOMPARE(shownNumbers, (QStringList{"1000", "1570", "1770", "4711", "8400", "10001"}));
        QCOMPARE(dialog.findChild<QLineEdit*>("number")->text(), QStringLiteral("1570"));
    }

    void ctrlAOpensTheDialog() {
        runner_->on("AccountsDialog", testing::press("close"));
        frame_->view()->pressKey(entry::KeyPress::control('A'));
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("AccountsDialog"));
        QVERIFY(runner_->unanswered.empty());
    }

private:
    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(AccountsDialogTest)
#include "accounts_dialog_test.moc"
