// The import in the desktop program: the file named in its dialog, a faulty
// line corrected in the correction dialog, another skipped, and the closing
// question whether the file goes.

#include <QFile>
#include <QLabel>
#include <QTest>

#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

// One 64-byte import record.
std::string record(const char* date, const char* doc, const char* debit, const char* credit, const char* text,
                   const char* amount, const char* rate) {
    char line[80];
    std::snprintf(line, sizeof line, "%-5s%-6s%5s%5s%-25s%11s%5s\r\n", date, doc, debit, credit, text, amount, rate);
    return line;
}

}  // namespace

class ImportTest : public QObject, public shell::testing::FrameFixture {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        startWith({{"circle", "create", "1", "--name", "Muster GmbH", "--year", "2024", "--chart-from", "skr03"}});
        path_ = dir_->path() + QStringLiteral("/buchungen.txt");
    }
    void cleanup() { tearDown(); }

    // Line 2 names an account that does not exist and is corrected; line 3 has no
    // amount and is skipped; lines 1 and 2 are posted and the file is deleted on
    // "Ja".
    void faultyLinesCorrectedOrSkipped() {
        writeImport(record("05.03", "R1", "1200", "8400", "Rechnung 1", "119.00", "19.00") +
                    record("06.03", "R2", "1200", "9999", "Rechnung 2", "238.00", "19.00") +
                    record("07.03", "R3", "1200", "8400", "Rechnung 3", "0.00", "19.00"));
        runner_->on("ImportFileDialog", shell::testing::answerWith("name", path_));
        std::vector<QString> faults;
        runner_->on("CorrectionDialog", [&faults](QDialog& d) {
            faults.push_back(d.findChild<QLabel*>(QStringLiteral("info"))->text());
            if (d.findChild<QLineEdit*>(QStringLiteral("credit"))->text().trimmed() != QStringLiteral("9999"))
                return -2;
            shell::testing::setField(d, "credit", QStringLiteral("8400"));
            return shell::testing::click(d, "answer0");
        });
        runner_->on("CorrectionDialog", [&faults](QDialog& d) {
            faults.push_back(d.findChild<QLabel*>(QStringLiteral("info"))->text());
            return shell::testing::click(d, "answer1");
        });
        QString count;
        runner_->on("ImportCloseDialog", [&count](QDialog& d) {
            count = d.findChild<QLabel*>(QStringLiteral("count"))->text();
            return shell::testing::click(d, "yes");
        });
        QVERIFY(frame_->runCommand(cmd::kImport));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(faults, (std::vector<QString>{QStringLiteral("Kontonummer falsch oder noch nicht angelegt!"),
                                               QStringLiteral("Betrag nicht zulässig; bitte Betrag korrigieren")}));
        QCOMPARE(count, QStringLiteral("2"));
        const std::string journal = shell::testing::readAll(dir_->file("BK000001/B2024001.jou"));
        QCOMPARE(journal.size(), std::size_t(2 * 64));
        QCOMPARE(QString::fromLatin1(journal.substr(64, 21).c_str()), QStringLiteral("06.03R2     1200 8400"));
        QVERIFY(!QFile::exists(path_));
        QCOMPARE(frame_->view()->model()->currentNumber(), 3L);
    }

    // "Verbuchen abbrechen" keeps the lines before it and still asks about the
    // file, which "Nein" keeps. A file that is not there gives its message and no
    // closing question.
    void cancelKeepsTheFileOnNo() {
        writeImport(record("05.03", "R1", "1200", "8400", "Rechnung 1", "119.00", "19.00") +
                    record("06.03", "R2", "1200", "8400", "Text .#", "238.00", "19.00") +
                    record("07.03", "R3", "1200", "8400", "Rechnung 3", "10.00", "19.00"));
        runner_->on("ImportFileDialog", shell::testing::answerWith("name", path_));
        runner_->on("CorrectionDialog", shell::testing::press("answer2"));
        runner_->on("ImportCloseDialog", shell::testing::press("no"));
        QVERIFY(frame_->runCommand(cmd::kImport));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(shell::testing::readAll(dir_->file("BK000001/B2024001.jou")).size(), std::size_t(64));
        QVERIFY(QFile::exists(path_));

        runner_->on("ImportFileDialog",
                    shell::testing::answerWith("name", dir_->path() + QStringLiteral("/fehlt.txt")));
        QVERIFY(frame_->runCommand(cmd::kImport));
        QCOMPARE(runner_->messages.back().heading, QStringLiteral("DATEIFEHLER"));
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("MessageDialog"));
    }

    // "Konto anlegen": the missing account set up from the correction dialog, whose line then passes.
    void accountCreatedInTheCorrection() {
        writeImport(record("05.03", "R1", "4711", "1200", "Papier", "11.90", "19.00"));
        runner_->on("ImportFileDialog", shell::testing::answerWith("name", path_));
        runner_->on("NewAccountDialog", [](QDialog& d) {
            shell::testing::setField(d, "name", QStringLiteral("BUEROBEDARF"));
            return shell::testing::click(d, "ok");
        });
        QString before, after, names;
        runner_->on("CorrectionDialog", [&](QDialog& d) {
            before = d.findChild<QLabel*>(QStringLiteral("info"))->text();
            shell::testing::click(d, "newAccount");
            after = d.findChild<QLabel*>(QStringLiteral("info"))->text();
            names = d.findChild<QLabel*>(QStringLiteral("names"))->text();
            return shell::testing::click(d, "answer0");
        });
        runner_->on("ImportCloseDialog", shell::testing::press("no"));
        QVERIFY(frame_->runCommand(cmd::kImport));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(before, QStringLiteral("Kontonummer falsch oder noch nicht angelegt!"));
        QCOMPARE(after, QString());
        QVERIFY2(names.startsWith(QStringLiteral("BUEROBEDARF")), qPrintable(names));
        const std::string journal = shell::testing::readAll(dir_->file("BK000001/B2024001.jou"));
        QCOMPARE(journal.size(), std::size_t(64));
        QCOMPARE(QString::fromLatin1(journal.substr(11, 10).c_str()), QStringLiteral(" 4711 1200"));
    }

private:
    void writeImport(const std::string& bytes) {
        QFile f(path_);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    QString path_;
};

TELLMARK_SHELL_TEST_MAIN(ImportTest)
#include "import_test.moc"
