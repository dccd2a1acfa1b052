// Standard bookings in the desktop program: records typed in the editing dialog
// reach the file, marks are set and cleared key by key, the marked records are
// posted with the correction of an incomplete one, and a chosen record goes
// into the entry form's new line.

#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/standard_booking_dialogs.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

QLineEdit* fieldOf(QDialog& d, const char* name) { return d.findChild<QLineEdit*>(QString::fromLatin1(name)); }

}  // namespace

class StandardBookingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<shell::testing::StartDirectory>();
        cli({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2024", "--chart-from", "skr03"});
        runner_ = std::make_unique<shell::testing::ScriptedRunner>();
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    // Two records typed, the last field left with Enter each time; a third line
    // started and deleted with the keys of the dialog leaves the file as it was.
    void typedRecordsReachTheFile() {
        open();
        runner_->on("StandardEditDialog", [](QDialog& d) {
            auto typeLine = [&d](const char* doc, const char* text, const char* amount) {
                shell::testing::type(d, "document", QString::fromLatin1(doc));
                shell::testing::type(d, "debit", QStringLiteral("1200"));
                shell::testing::type(d, "credit", QStringLiteral("8400"));
                shell::testing::type(d, "text", QString::fromLatin1(text));
                shell::testing::type(d, "amount", QString::fromLatin1(amount));
                shell::testing::type(d, "rate", QStringLiteral("19"));
                QTest::keyClick(fieldOf(d, "rate"), Qt::Key_Return);
            };
            typeLine("R1", "Miete", "119");
            typeLine("", "Wartung .#", "0");
            // Back to the first record: its fields show it again.
            QTest::keyClick(fieldOf(d, "document"), Qt::Key_Home, Qt::ControlModifier);
            if (fieldOf(d, "text")->text() != QStringLiteral("Miete")) return -1;
            return shell::testing::click(d, "end");
        });
        QVERIFY(frame_->runCommand(cmd::kStandardEdit));
        QVERIFY(runner_->unanswered.empty());
        QVERIFY(runner_->messages.empty());
        const std::string file = standardFile();
        QCOMPARE(file.size(), std::size_t(128));
        QCOMPARE(QString::fromLatin1(file.substr(0, 64).c_str()),
                 QStringLiteral("X    R1     1200 8400Miete                        "
                                " 119.0019.00\r\n"));
        QCOMPARE(QString::fromLatin1(file.substr(64, 46).c_str()),
                 QStringLiteral("X           1200 8400Wartung .#               "));
        QCOMPARE(QString::fromLatin1(file.substr(110, 11).c_str()), QStringLiteral("       0.00"));

        // The same account twice is refused at the end, and the dialog stays open
        // on that record.
        frame_.reset();
        cli({"standard", "add", "-k", "1", "--debit", "1200", "--credit", "8400", "--text", "Dritte", "--amount", "5"});
        const std::string path = standardPath();
        std::string bytes = shell::testing::readAll(path);
        bytes.replace(128 + 16, 5, " 1200");
        writeFile(path, bytes);
        open();
        int endResult = 0;
        runner_->on("StandardEditDialog", [&endResult](QDialog& d) {
            endResult = shell::testing::click(d, "end");
            if (qobject_cast<StandardEditDialog*>(&d)->current() != 3) return -2;
            // Deleted with Ctrl+Y, the others pass.
            QTest::keyClick(fieldOf(d, "document"), Qt::Key_Y, Qt::ControlModifier);
            return shell::testing::click(d, "end");
        });
        QVERIFY(frame_->runCommand(cmd::kStandardEdit));
        QCOMPARE(endResult, -1);
        QCOMPARE(runner_->messages.size(), std::size_t(1));
        QCOMPARE(runner_->messages[0].heading, QStringLiteral("FEHLER"));
        QVERIFY(runner_->messages[0].text.startsWith(QStringLiteral("Kontofehler in Buchungssatz Nummer: 3\n")));
        QCOMPARE(shell::testing::readAll(path), file);
    }

    // Each field is checked as it is left: an account that finds none keeps the
    // cursor, a short form is replaced by the account's number and its name is
    // shown, Up and Down step through the accounts; the document field's Up and
    // Down go through the records of the nine lines.
    void fieldsAreCheckedAsTheyAreLeft() {
        for (int i = 1; i <= 10; ++i) addRecord(("Satz " + std::to_string(i)).c_str(), "10", "");
        open();
        QString shown;
        int ended = 0;
        runner_->on("StandardEditDialog", [&shown, &ended](QDialog& d) {
            ended = [&] {
            auto& dialog = *qobject_cast<StandardEditDialog*>(&d);
            QStringList rows;
            for (int r = 0; r < 9; ++r) rows << QString::number(dialog.numberInRow(r));
            shown = rows.join(QLatin1Char(' '));
            QTest::keyClick(fieldOf(d, "document"), Qt::Key_End, Qt::ControlModifier);
            if (dialog.current() != 10 || fieldOf(d, "text")->text() != QStringLiteral("Satz 10")) return -2;
            QTest::keyClick(fieldOf(d, "document"), Qt::Key_Down);  // the empty line after the last record
            if (dialog.current() != 11 || !fieldOf(d, "text")->text().isEmpty()) return -3;
            QTest::keyClick(fieldOf(d, "document"), Qt::Key_Return);
            shell::testing::type(d, "debit", QStringLiteral("9999"));
            QTest::keyClick(fieldOf(d, "debit"), Qt::Key_Return);
            if (!(d.focusWidget() == fieldOf(d, "debit"))) return -4;  // no such account: the cursor stays
            shell::testing::type(d, "debit", QStringLiteral("12"));
            QTest::keyClick(fieldOf(d, "debit"), Qt::Key_Return);
            if (fieldOf(d, "debit")->text() != QStringLiteral("1200") || !(d.focusWidget() == fieldOf(d, "credit"))) return -5;
            if (d.findChild<QLabel*>(QStringLiteral("debitName"))->text() != QStringLiteral("Bank")) return -6;
            shell::testing::type(d, "credit", QStringLiteral("1200"));
            QTest::keyClick(fieldOf(d, "credit"), Qt::Key_Return);  // the same account twice
            if (!(d.focusWidget() == fieldOf(d, "credit"))) return -7;
            QTest::keyClick(fieldOf(d, "credit"), Qt::Key_Down);
            if (fieldOf(d, "credit")->text() != QStringLiteral("1210")) return -8;
            QTest::keyClick(fieldOf(d, "credit"), Qt::Key_Return);
            shell::testing::type(d, "text", QStringLiteral("Elfte"));
            QTest::keyClick(fieldOf(d, "text"), Qt::Key_Tab);
            shell::testing::type(d, "amount", QStringLiteral("abc"));
            QTest::keyClick(fieldOf(d, "amount"), Qt::Key_Return);
            if (!(d.focusWidget() == fieldOf(d, "amount"))) return -9;
            shell::testing::type(d, "amount", QStringLiteral("12,5"));
            QTest::keyClick(fieldOf(d, "amount"), Qt::Key_F12);
            if (dialog.current() != 12) return -10;
            return shell::testing::click(d, "end");
            }();
            return ended;
        });
        QVERIFY(frame_->runCommand(cmd::kStandardEdit));
        QCOMPARE(ended, 1);
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(shown, QStringLiteral("1 2 3 4 5 6 7 8 9"));
        // The amount of letters was refused with the amount's message.
        QCOMPARE(runner_->messages.size(), std::size_t(2));
        QVERIFY(runner_->messages[1].text.startsWith(QStringLiteral("Der eingegebene Betrag")));
        const std::string file = standardFile();
        QCOMPARE(file.size(), std::size_t(11 * 64));
        QCOMPARE(QString::fromLatin1(file.substr(10 * 64, 57).c_str()),
                 QStringLiteral("X           1200 1210Elfte                          12.50"));
    }

    // Space clears the mark and moves on, "X" sets it; only the marked records
    // are posted, the incomplete one after its correction; a skipped one is left
    // out and the run goes on.
    void markedRecordsArePosted() {
        addRecord("Miete", "119", "R1");
        addRecord("Wartung .#", "0", "");
        addRecord("Porto", "10", "P1");
        open();
        runner_->on("StandardMarkDialog", [](QDialog& d) {
            auto* list = d.findChild<QListWidget*>(QStringLiteral("records"));
            QTest::keyClick(list, Qt::Key_Space);  // record 1 unmarked
            QTest::keyClick(list, Qt::Key_X);      // record 2 stays marked
            if (list->currentRow() != 2) return -2;
            QTest::keyClick(list,
                            Qt::Key_Escape);  // record 3 unmarked, the dialog stays
            if (list->currentRow() != 2 || !list->item(2)->text().startsWith(QStringLiteral("       "))) return -3;
            QTest::keyClick(list, Qt::Key_Return);  // and marked again
            return shell::testing::click(d, "end");
        });
        QVERIFY(frame_->runCommand(cmd::kStandardMark));
        std::string file = standardFile();
        QCOMPARE(file.size(), std::size_t(192));
        QCOMPARE(QString(QChar(file[0])) + QChar(file[64]) + QChar(file[128]), QStringLiteral(" XX"));

        runner_->on("StandardPostDialog", shell::testing::answerWith("date", QStringLiteral("15.03")));
        QString fault;
        runner_->on("CorrectionDialog", [&fault](QDialog& d) {
            fault = d.findChild<QLabel*>(QStringLiteral("info"))->text();
            if (fieldOf(d, "date")->text() != QStringLiteral("15.03")) return -2;
            shell::testing::setField(d, "text", QStringLiteral("Wartung März"));
            shell::testing::setField(d, "amount", QStringLiteral("238"));
            return shell::testing::click(d, "answer0");
        });
        QVERIFY(frame_->runCommand(cmd::kStandardPostMarked));
        QCOMPARE(fault, QString::fromUtf8("Eingabe an der Text-Markierung  '.#'  fehlt."));
        QCOMPARE(runner_->messages.back().text, QStringLiteral("Es wurden 2 Standardbuchungen erfolgreich verbucht"));
        std::string journal = shell::testing::readAll(dir_->file("BK000001/B2024001.jou"));
        QCOMPARE(journal.size(), std::size_t(2 * 64));
        QCOMPARE(QString::fromLatin1(journal.substr(0, 5).c_str()), QStringLiteral("15.03"));
        QCOMPARE(QString::fromLatin1(journal.substr(21, 12).c_str()), QString::fromUtf8("Wartung März"));
        QCOMPARE(QString::fromLatin1(journal.substr(64 + 21, 5).c_str()), QStringLiteral("Porto"));
        QCOMPARE(frame_->view()->model()->currentNumber(),
                 3L);  // the new line after the two bookings

        // Skipped: only record 3 is posted.
        runner_->on("StandardPostDialog", shell::testing::answerWith("date", QStringLiteral("15.04")));
        runner_->on("CorrectionDialog", shell::testing::press("answer1"));
        QVERIFY(frame_->runCommand(cmd::kStandardPostMarked));
        QCOMPARE(runner_->messages.back().text, QStringLiteral("Es wurden 1 Standardbuchungen erfolgreich verbucht"));
        journal = shell::testing::readAll(dir_->file("BK000001/B2024001.jou"));
        QCOMPARE(journal.size(), std::size_t(3 * 64));
        QCOMPARE(QString::fromLatin1(journal.substr(128 + 21, 5).c_str()), QStringLiteral("Porto"));
        QCOMPARE(frame_->view()->model()->currentNumber(), 4L);
    }

    // The record typed by number goes into the new line; with an amount of 0.00
    // the cursor waits there.
    void chosenRecordGoesIntoTheNewLine() {
        addRecord("Miete", "119", "R1");
        addRecord("Wartung", "0", "W1");
        open();
        runner_->on("StandardChooseDialog", [](QDialog& d) {
            shell::testing::type(d, "number", QStringLiteral("2"));
            return shell::testing::click(d, "take");
        });
        QVERIFY(frame_->runCommand(cmd::kStandardPostNumber));
        entry::EntryFormModel& model = *frame_->view()->model();
        QCOMPARE(model.currentNumber(), 1L);
        const QString line = QString::fromLatin1(model.row(model.cursorRow()).c_str());
        QVERIFY2(line.contains(QStringLiteral("W1")) && line.contains(QStringLiteral("Wartung")), qPrintable(line));
        QVERIFY(shell::testing::readAll(dir_->file("BK000001/B2024001.jou")).empty());

        // Without any record the choice is not opened.
        frame_.reset();
        cli({"standard", "delete", "-k", "1", "1"});
        cli({"standard", "delete", "-k", "1", "1"});
        open();
        QVERIFY(frame_->runCommand(cmd::kStandardPostChoice));
        QCOMPARE(runner_->messages.back().text, QStringLiteral("Es sind noch keine Standardbuchungen angelegt !"));
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("MessageDialog"));
    }

    // The printed list through the text-file output is the command line's list of the same date.
    void printedListAsTheCommandLine() {
        addRecord("Miete", "119", "R1");
        addRecord("Wartung .#", "0", "");
        open();
        runner_->on("StandardPrintDialog", shell::testing::answerWith("printDate", QStringLiteral("01.04.24")));
        runner_->on("OutputDialog", [](QDialog& d) {
            auto* button = d.findChild<QRadioButton*>(QStringLiteral("textFile"));
            if (!button) return -1;
            button->setChecked(true);
            return shell::testing::click(d, "ok");
        });
        runner_->on("TextFileNameDialog", shell::testing::answerWith("name", QStringLiteral("liste.txt")));
        QVERIFY(frame_->runCommand(cmd::kStandardPrint));
        QVERIFY(runner_->unanswered.empty());
        QVERIFY(runner_->messages.empty());
        const std::string written = shell::testing::readAll(dir_->file("BK000001/liste.txt"));
        QVERIFY(written.find("STANDARDBUCHUNGEN") != std::string::npos);
        frame_.reset();
        const std::string out = dir_->file("cli.txt");
        cli({"standard", "print", "-k", "1", "--print-date", "01.04.2024", "--out", out});
        QVERIFY(shell::testing::readAll(out) == written);
    }

private:
    void cli(const std::vector<std::string>& args) {
        const auto r = tellmark::testing::runCli(dir_->path().toStdString(), args);
        QVERIFY2(r.exitCode == 0, r.err.c_str());
    }
    void addRecord(const char* text, const char* amount, const char* doc) {
        cli({"standard", "add", "-k", "1", "--debit", "1200", "--credit", "8400", "--text", text, "--amount", amount,
             "--rate", "19", "--doc", doc});
    }
    void open() {
        frame_ = shell::testing::openFrame(*runner_);
        QVERIFY(frame_);
    }
    std::string standardPath() {
        const QStringList found = QDir(dir_->path()).entryList({QStringLiteral("*.stn")}, QDir::Files);
        if (found.size() == 1) return (dir_->path() + QLatin1Char('/') + found[0]).toStdString();
        const QStringList inCircle =
            QDir(dir_->path() + QStringLiteral("/BK000001")).entryList({QStringLiteral("*.stn")}, QDir::Files);
        return inCircle.isEmpty() ? std::string()
                                  : (dir_->path() + QStringLiteral("/BK000001/") + inCircle[0]).toStdString();
    }
    std::string standardFile() { return shell::testing::readAll(standardPath()); }
    static void writeFile(const std::string& path, const std::string& bytes) {
        QFile f(QString::fromStdString(path));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::unique_ptr<shell::testing::StartDirectory> dir_;
    std::unique_ptr<shell::testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(StandardBookingsTest)
#include "standard_bookings_test.moc"
