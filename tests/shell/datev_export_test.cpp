// The DATEV export in the desktop program: the settings dialog checks its fields in order and puts the
// cursor into the first that fails, the mapping dialog proposes 7xxxx for suppliers and writes the
// mapping file, the opening question comes for a period from the first day, and the export writes
// both files and ends with its closing notice.

#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

class DatevExportTest : public QObject, public shell::testing::FrameFixture {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        startWith({
            {"circle", "create", "1", "--name", "Muster GmbH", "--year", "2009", "--chart", "03"},
            {"account", "create", "-k", "1", "1200", "--name", "BANK", "--opening", "100"},
            {"account", "create", "-k", "1", "8400", "--name", "ERLÖSE"},
            {"account", "create", "-k", "1", "20005", "--name", "LIEFERANT"},
            {"post", "-k", "1", "--date", "05.03", "--debit", "1200", "--credit", "8400", "--text", "Verkauf",
             "--amount", "119", "--rate", "19"}});
    }
    void cleanup() { tearDown(); }

    void settingsAreCheckedInOrderThenMappedAndExported() {
        runner_->on("DatevNotesDialog", shell::testing::press("ok"));
        std::vector<QString> focused;
        runner_->on("DatevSettingsDialog", [&focused](QDialog& d) -> int {
            const std::vector<std::pair<const char*, QString>> fill = {
                {"adviser", "29098"}, {"client", "55003"}, {"dfv", "TM"},      {"carrier", "001"},
                {"accounting", "4"},  {"from", "01.01"},   {"currency", "EUR"}, {"to", "31.03"}};
            for (const auto& [field, value] : fill) {
                if (shell::testing::click(d, "ok") != -1) return QDialog::Rejected;
                focused.push_back(d.focusWidget() ? d.focusWidget()->objectName() : QString());
                shell::testing::setField(d, field, value);
            }
            return shell::testing::click(d, "ok");
        });
        std::vector<QString> cells;
        runner_->on("DatevMappingDialog", [&cells](QDialog& d) -> int {
            auto* table = d.findChild<QTableWidget*>(QStringLiteral("table"));
            for (int r = 0; r < table->rowCount(); ++r) {
                cells.push_back(table->item(r, 0)->text() + "|" + table->item(r, 1)->text() + "|" +
                                table->item(r, 2)->text());
                if (table->item(r, 0)->flags() & Qt::ItemIsEditable) return QDialog::Rejected;
                if (table->item(r, 1)->flags() & Qt::ItemIsEditable) return QDialog::Rejected;
            }
            table->item(3, 2)->setText(QString());
            if (shell::testing::click(d, "ok") != -1) return QDialog::Rejected;
            table->item(3, 2)->setText(QStringLiteral("8410"));
            return shell::testing::click(d, "ok");
        });
        runner_->on("DatevOpeningDialog", shell::testing::press("yes"));
        QString done;
        runner_->on("DatevDoneDialog", [&done](QDialog& d) {
            done = d.findChild<QLabel*>(QStringLiteral("text"))->text();
            return shell::testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kExportDatev));
        QVERIFY(runner_->unanswered.empty());

        std::vector<QString> texts;
        for (const auto& m : runner_->messages) texts.push_back(m.heading + ": " + m.text);
        QCOMPARE(texts, (std::vector<QString>{
                            QStringLiteral("FEHLER: Die Steuerberaternummer fehlt noch!"),
                            QStringLiteral("FEHLER: Die Mandantennummer fehlt noch!"),
                            QStringLiteral("FEHLER: Das Namenskürzel (DFV-Kennzeichen) fehlt."),
                            QStringLiteral("FEHLER: Die Datenträgernummer fehlt noch!"),
                            QStringLiteral("FEHLER: Die Abrechnungsnummer fehlt noch!"),
                            QStringLiteral("FEHLER: Die Zeitraumangabe 'von' fehlt noch!"),
                            QStringLiteral("FEHLER: Das Währungskennzeichen ist nicht korrekt eingetragen!"),
                            QStringLiteral("FEHLER: Die Zeitraumangabe 'bis' fehlt noch!"),
                            QStringLiteral("FEHLER: Ungültige Kontonummer bzw. Kontenauswahl !")}));
        QCOMPARE(focused, (std::vector<QString>{"adviser", "client", "dfv", "carrier", "accounting", "from", "currency",
                                                "to"}));
        QCOMPARE(cells, (std::vector<QString>{"1200|BANK|1200", "1570|VORSTEUER|1570", "1770|MEHRWERTSTEUER|1770",
                                              "8400|ERLÖSE|8400", "20005|LIEFERANT|70005"}));
        QCOMPARE(shell::testing::readAll(dir_->file("BK000001/DATEV001.DAT")),
                 std::string("; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[DATEVKONTOZUORDNUNG]"
                             "\r\nVersion=W001001\r\n1200=1200\r\n1570=1570\r\n1770=1770\r\n8400=8410\r\n"
                             "20005=70005\r\n"));
        QCOMPARE(done, QStringLiteral("Der Datev-Export wurde erfolgreich abgeschlossen.\n\nBitte übergeben Sie Ihrem "
                                      "Steuerberater zusätzlich eine Saldenliste des exportierten Zeitraums, damit er "
                                      "die übernommenen Salden abstimmen kann."));
        const std::string protocol = shell::testing::readAll(dir_->file("BK000001/DATEV-Protokoll.txt"));
        QVERIFY(protocol.find("Datev-FBOP-Buchungssatz-KNE\tUmsatz=10000\tGegenkonto=9000\tDatum=101\tKonto=1200\t"
                              "Text=Saldovortrag\tWaehrungskennung=EUR\r\n") != std::string::npos);
        QVERIFY(QFile::exists(QString::fromStdString(dir_->file("BK000001/EXTF_Buchungsstapel_20090101_20090331.csv"))));
    }

private:
};

TELLMARK_SHELL_TEST_MAIN(DatevExportTest)
#include "datev_export_test.moc"
