// The reorganisation command of the desktop program: confirmed, it rebuilds spoiled balances from the
// journal; a booking with a missing account is put to the person, and the answer given by its button
// is the one carried out. The dialogs of the decisions port hand the entered values back.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "circles/document.h"
#include "posting/account_maintenance.h"
#include "posting/posting_engine.h"
#include "posting/reorganisation.h"
#include "resources/format.h"
#include "resources/texts_reorganisation.h"
#include "shell/command_ids.h"
#include "shell/dialog_decisions.h"
#include "shell/main_frame.h"
#include "shell/text_convert.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {
constexpr std::size_t kRecord = 202;
constexpr std::size_t kSlots = 31;
constexpr std::size_t kSlot = 12;
}  // namespace

class ReorganisationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<testing::StartDirectory>();
        testing::createCircle(1, "Muster GmbH", 2024);
        ui::SilentMessages silent;
        ui::NoProgress noProgress;
        circles::CVt36Doc doc(silent, noProgress);
        doc.readProgramConfig();
        QCOMPARE(doc.openCircle(1), 1);
        posting::AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), 3, silent};
        for (auto [number, name] : {std::pair{1000, "KASSE"}, std::pair{4400, "WAREN"}, std::pair{8400, "ERLOESE"}}) {
            posting::NewAccount account;
            account.number = number;
            account.name = name;
            QCOMPARE(int(posting::createAccount(files, account)), int(posting::MaintenanceResult::Done));
        }
        posting::Books books = doc.books();
        QCOMPARE(post(books, "01.02", 1000, 8400, 119), 1);
        QCOMPARE(post(books, "15.03", 1000, 8400, 40.5), 1);
        // The balances of the first two bookings alone.
        twoBookingsSal_ = testing::readAll(file("sal"));
        QCOMPARE(post(books, "20.03", 4400, 8400, 77), 1);
        posted_ = testing::readAll(file("sal"));
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    void confirmedRunRestoresSpoiledSlots() {
        std::string sal = posted_;
        for (std::size_t at = 0; at + kRecord <= sal.size(); at += kRecord) {
            sal.replace(at + kSlots + 2 * kSlot, kSlot, "      999.99");  // February
            sal.replace(at + kSlots + 3 * kSlot, kSlot, "       -1.00");  // March
        }
        QVERIFY(sal != posted_);
        write(file("sal"), sal);
        openFrame();

        // Cancelled: nothing is touched.
        runner_->on("ReorganisationQuestion", testing::press("cancel"));
        QVERIFY(frame_->runCommand(cmd::kReorganisation));
        QCOMPARE(QByteArray::fromStdString(testing::readAll(file("sal"))), QByteArray::fromStdString(sal));
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());

        runner_->on("ReorganisationQuestion", [](QDialog& d) {
            const QString text = d.findChild<QLabel*>()->text();
            if (d.windowTitle() != qt(text::kReorgConfirmCaption) ||
                text != qt(text::kReorgConfirmQuestion) + "\n\n" + qt(text::kReorgConfirmBackup))
                return int(QDialog::Rejected);
            return testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kReorganisation));
        QCOMPARE(QByteArray::fromStdString(testing::readAll(file("sal"))), QByteArray::fromStdString(posted_));
        QVERIFY(runner_->messages.empty());
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(frame_->view()->model()->bookingCount(), 3L);
        // The run ends without a message; the status bar says it is done.
        QCOMPARE(frame_->statusBar()->currentMessage(),
                 QString::fromUtf8("Neuverbuchung / Reorganisation abgeschlossen. Neu verbuchte Buchungssätze: 3"));
    }

    void bookingWithMissingAccountIsDroppedByItsButton() {
        const std::string journal = testing::readAll(file("jou"));
        std::string spoiled = journal;
        spoiled.replace(2 * 64 + 11, 5, " 4711");  // debit account of the third booking
        write(file("jou"), spoiled);
        openFrame();

        runner_->on("ReorganisationQuestion", testing::press("ok"));
        // First the run asks whether to go on with questions at all, listing the booking.
        runner_->on("DecisionDialog", [](QDialog& d) {
            if (d.windowTitle() != qt(text::kReorgConfirmCaption)) return int(QDialog::Rejected);
            return testing::click(d, "answer0");
        });
        runner_->on("DecisionDialog", [](QDialog& d) {
            auto* drop = d.findChild<QPushButton*>(QStringLiteral("answer2"));
            if (d.windowTitle() != qt(text::kReorgBookingErrorCaption) || !drop ||
                drop->text() != qt(text::kReorgAnswerDrop) ||
                !d.findChild<QLabel*>(QStringLiteral("text"))->text().startsWith(qt(text::kReorgTheAccount) + "4711"))
                return int(QDialog::Rejected);
            return testing::click(d, "answer2");
        });
        QVERIFY(frame_->runCommand(cmd::kReorganisation));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(QByteArray::fromStdString(testing::readAll(file("jou"))),
                 QByteArray::fromStdString(journal.substr(0, 2 * 64)));
        QCOMPARE(QByteArray::fromStdString(testing::readAll(file("sal"))), QByteArray::fromStdString(twoBookingsSal_));
        QCOMPARE(frame_->view()->model()->bookingCount(), 2L);
        QCOMPARE(frame_->statusBar()->currentMessage(),
                 QString::fromUtf8("Neuverbuchung / Reorganisation abgeschlossen. Neu verbuchte Buchungssätze: 2"));
    }

    void dialogsHandBackWhatWasEntered() {
        openFrame();
        DialogDecisions decisions(frame_->context());

        ui::Question date{posting::kAskNewDate, "Neues Datum", "Neues &Datum eingeben:", {""}, {"&OK"}};
        runner_->on("DecisionDialog", [](QDialog& d) {
            testing::setField(d, "input", "3,5");
            return testing::click(d, "answer0");
        });
        QCOMPARE(decisions.ask(date), 0);
        QCOMPARE(date.fields, std::vector<std::string>{"3,5"});

        // Closed without a button: an answer beyond the buttons.
        ui::Question missing{posting::kAskMissingAccount, "x", "y", {"4711", "3", "line"}, {"a", "b", "c"}};
        QCOMPARE(decisions.ask(missing), 3);

        ui::Question account{posting::kAskNewAccount, "Neues Konto Einrichten", "", {"4711", "", "0.00"},
                             {"&OK", "&Abbruch"}};
        runner_->on("DecisionAccountDialog", [](QDialog& d) {
            testing::setField(d, "name", "PORTO");
            testing::setField(d, "opening", "12.50");
            return testing::click(d, "answer0");
        });
        QCOMPARE(decisions.ask(account), 0);
        QCOMPARE(account.fields, (std::vector<std::string>{"4711", "PORTO", "12.50"}));
    }

private:
    static int post(posting::Books& books, const char* date, int debit, int credit, double amount) {
        return posting::postNewLine(books, {date, "", format("%i", debit), format("%i", credit), "T",
                                            format("%11.2f", amount), format("%5.2f", 0.0)});
    }
    std::string file(const char* extension) const { return dir_->file(std::string("BK000001/B2024001.") + extension); }
    static void write(const std::string& path, const std::string& bytes) {
        QFile f(QString::fromStdString(path));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    }
    void openFrame() {
        runner_ = std::make_unique<testing::ScriptedRunner>();
        runner_->on("CircleSelectionDialog", testing::answerWith("number", "1"));
        frame_ = std::make_unique<CMainFrame>(runner_.get());
        QVERIFY(frame_->newDocument());
        runner_->unanswered.clear();
    }

    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
    std::string posted_;
    std::string twoBookingsSal_;
};

TELLMARK_SHELL_TEST_MAIN(ReorganisationTest)
#include "reorganisation_test.moc"
