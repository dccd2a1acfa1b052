// "export datev": the dialog's settings as options, stored when the export runs; the mapping pairs into
// the mapping file; with nobody to ask, a period from the first day of the business year needs
// --opening-bookings, and without it nothing is written.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliExportDatev : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"init"});
        ok({"circle", "create", "1", "--name", "Test", "--year", "2009", "--chart", "03"});
        ok({"account", "create", "-k", "1", "1200", "--name", "BANK", "--opening", "250"});
        ok({"account", "create", "-k", "1", "8400", "--name", "ERLÖSE"});
        ok({"account", "create", "-k", "1", "20005", "--name", "LIEFERANT"});
        ok({"post", "-k", "1", "--date", "05.03", "--doc", "R#1", "--debit", "1200", "--credit", "8400", "--text",
            "Verkauf", "--amount", "119", "--rate", "19"});
        ok({"post", "-k", "1", "--date", "06.04", "--debit", "1200", "--credit", "20005", "--text", "Gutschrift",
            "--amount", "0.50"});
    }
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    void ok(const std::vector<std::string>& args) {
        const CliResult r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string file(const std::string& name) { return readFile(dir.file(name)); }

    const std::vector<std::string> settings = {"export", "datev",     "-k",         "1",     "--adviser", "29098",
                                               "--client", "55003",   "--dfv",      "TM",    "--carrier", "001",
                                               "--accounting", "3",   "--currency", "EUR"};
    std::vector<std::string> with(std::vector<std::string> more) {
        std::vector<std::string> args = settings;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    TempDir dir;
};

TEST_F(CliExportDatev, ThePeriodFromTheFirstDayNeedsTheOpeningBookingsDecidedAndStopsBeforeWriting) {
    const std::string before = file("BK000001/STAMM001.DAT");
    const CliResult r = cli(with({"--from", "01.01", "--to", "31.03", "--map", "8400=8410"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "tellmark-cli: the period begins with the business year: pass --opening-bookings yes to export "
                     "the opening balances as opening bookings, or --opening-bookings no\n");
    EXPECT_EQ(file("BK000001/STAMM001.DAT"), before);
    EXPECT_FALSE(fileExists(dir.file("BK000001/DATEV001.DAT")));
    EXPECT_FALSE(fileExists(dir.file("BK000001/DATEV-Protokoll.txt")));

    const CliResult missing = cli({"export", "datev", "-k", "1", "--client", "1", "--from", "01.02"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "FEHLER: Die Steuerberaternummer fehlt noch!\n");
    const CliResult period = cli(with({"--from", "01.02", "--to", "30.02", "--opening-bookings", "no"}));
    EXPECT_EQ(period.exitCode, 1);
    EXPECT_EQ(period.err, "FEHLER: Zeitraum \"bis\" konnte nicht korrekt ermittelt werden!\n");
    EXPECT_EQ(file("BK000001/STAMM001.DAT"), before);

    EXPECT_EQ(cli(with({"--map", "8400"})).exitCode, 2);
    EXPECT_EQ(cli(with({"--map", "8400=0"})).exitCode, 2);
    EXPECT_EQ(cli(with({"--opening-bookings", "ja"})).exitCode, 2);
}

TEST_F(CliExportDatev, TheExportStoresItsSettingsAndMappingAndWritesBothFiles) {
    const CliResult r = cli(with({"--from", "01.01", "--to", "31.13", "--opening-bookings", "yes", "--map",
                                  "8400=8410", "--map", "1200=1210"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "BK000001/DATEV-Protokoll.txt\nBK000001/EXTF_Buchungsstapel_20090101_20091231.csv\n"
                     "Der Datev-Export wurde erfolgreich abgeschlossen.\n"
                     "Bitte übergeben Sie Ihrem Steuerberater zusätzlich eine Saldenliste des exportierten Zeitraums, "
                     "damit er die übernommenen Salden abstimmen kann.\n");
    EXPECT_EQ(file("BK000001/DATEV001.DAT"),
              "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[DATEVKONTOZUORDNUNG]\r\n"
              "Version=W001001\r\n1200=1210\r\n8400=8410\r\n");
    const std::string settingsFile = file("BK000001/STAMM001.DAT");
    for (const char* line : {"DatevStbNr=29098\r\n", "DatevMandantNr=55003\r\n", "DatevDFV=TM\r\n",
                             "DatevPasswort=\r\n", "DatevDatenTrNr=001\r\n", "DatevAbrechNr=3\r\n",
                             "DatevVon=01.01\r\n", "DatevBis=31.13\r\n", "DatevWaehrung=EUR\r\n", "DatevExpPfad=\r\n"})
        EXPECT_NE(settingsFile.find(line), std::string::npos) << line;
    const std::string booking = "Datev-FBOP-Buchungssatz-KNE\t";
    EXPECT_EQ(file("BK000001/DATEV-Protokoll.txt"),
              "Datei: Datev-FBOP-BW-KNE\r\n"
              "Datev-FBOP-Vollvorlauf-KNE\tDatentraegernummer=001\tDFV-Kennzeichen=TM\tBerater=29098\tMandant=55003\t"
              "Abrechnungsnummer=000309\tDatum-von=010109\tDatum-bis=311209\tPN-Seite=001\r\n"
              "Datev-FBOP-Versionssatz\tVersionskennzeichen=1,4,4,SELF\r\n" +
                  booking + "Umsatz=25000\tGegenkonto=9000\tDatum=101\tKonto=1210\tText=Saldovortrag\tWaehrungskennung=EUR\r\n" +
                  booking + "Umsatz=11900\tGegenkonto=8410\tBelegfeld1=R*1\tDatum=503\tKonto=1210\tText=Verkauf\t"
                            "BU-Schluessel=03\tWaehrungskennung=EUR\r\n" +
                  booking + "Umsatz=50\tGegenkonto=70005\tDatum=604\tKonto=1210\tText=Gutschrift\tWaehrungskennung=EUR\r\n"
                  "Datev-FIBU-KNE-Gruppensumme\tSumme=-400000\r\nDatev-Mandantenende\r\nEnde\r\n");
    const std::string extf = file("BK000001/EXTF_Buchungsstapel_20090101_20091231.csv");
    ASSERT_GT(extf.size(), 60u);
    EXPECT_EQ(extf.substr(0, 35), "\"EXTF\";700;21;\"Buchungsstapel\";9;20");
    EXPECT_EQ(extf.substr(extf.rfind("\r\n", extf.size() - 3) + 2),
              "0,50;\"S\";\"EUR\";;;;1210;70005;;0604;;;;\"Gutschrift\"" + std::string(106, ';') + "\r\n");

    // Later runs take the stored settings and mapping; --out writes elsewhere, into a directory it makes.
    const CliResult march = cli({"export", "datev", "-k", "1", "--from", "01.03", "--to", "31.03", "--out", "aus"});
    ASSERT_EQ(march.exitCode, 0) << march.err;
    EXPECT_EQ(file("aus/DATEV-Protokoll.txt"),
              "Datei: Datev-FBOP-BW-KNE\r\n"
              "Datev-FBOP-Vollvorlauf-KNE\tDatentraegernummer=001\tDFV-Kennzeichen=TM\tBerater=29098\tMandant=55003\t"
              "Abrechnungsnummer=000309\tDatum-von=010309\tDatum-bis=310309\tPN-Seite=001\r\n"
              "Datev-FBOP-Versionssatz\tVersionskennzeichen=1,4,4,SELF\r\n" +
                  booking + "Umsatz=11900\tGegenkonto=8410\tBelegfeld1=R*1\tDatum=503\tKonto=1210\tText=Verkauf\t"
                            "BU-Schluessel=03\tWaehrungskennung=EUR\r\n"
                  "Datev-FIBU-KNE-Gruppensumme\tSumme=-400000\r\nDatev-Mandantenende\r\nEnde\r\n");
    EXPECT_NE(file("BK000001/STAMM001.DAT").find("DatevVon=01.03\r\nDatevBis=31.03\r\n"), std::string::npos);
}

TEST_F(CliExportDatev, AFailedExportSaysSoAndLeavesNoFiles) {
    writeFile(dir.file("BK000001/DATEV001.DAT"), "[DATEVKONTOZUORDNUNG]\r\nVersion=W001001\r\n1200=zwölf\r\n");
    const CliResult damaged = cli(with({"--from", "01.03", "--to", "31.03"}));
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.err, "FEHLER: Die Datei der Kontonummernzuordnung\nBK000001/DATEV001.DAT\nist beschädigt "
                           "(Zeile 3) und wird nicht verwendet.\n");
    ASSERT_EQ(std::remove(dir.file("BK000001/DATEV001.DAT").c_str()), 0);
    // A missing directory is made, but not below one that is missing too; a file in its place stays.
    const CliResult nowhere = cli(with({"--from", "01.03", "--to", "31.03", "--path", "fehlt/tiefer"}));
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_EQ(nowhere.err, "FEHLER: Folgender Pfadname ist nicht korrekt:\nfehlt/tiefer\nDas neue Unterverzeichnis "
                           "konnte nicht angelegt werden !\nINFORMATION: Der Datev-Export wurde abgebrochen!\n");
    EXPECT_NE(file("BK000001/STAMM001.DAT").find("DatevExpPfad=fehlt/tiefer\r\n"), std::string::npos);
    writeFile(dir.file("datei"), "bleibt");
    const CliResult onFile = cli(with({"--from", "01.03", "--to", "31.03", "--path", "datei"}));
    EXPECT_EQ(onFile.exitCode, 1);
    EXPECT_EQ(onFile.err, "FEHLER: Beim Öffnen der Exportdatei ist ein Fehler aufgetreten!\n"
                          "INFORMATION: Der Datev-Export wurde abgebrochen!\n");
    EXPECT_EQ(file("datei"), "bleibt");
    const CliResult faulty = cli(with({"--from", "01.03", "--to", "31.03", "--path", "", "--adviser", "12"}));
    EXPECT_EQ(faulty.exitCode, 1);
    EXPECT_EQ(faulty.out, "Fehlernummer : 1\nSatznummer : 1\nKategorie : 1\nKorrigiert : Nein\nFeldname : Berater\n"
                          "Beschreibung : Beraternummer: 4 bis 7 Ziffern (1001 bis 9999999)\nFeldinhalt : 12\n"
                          "Inhalt korrigiert : \n\n");
    EXPECT_EQ(faulty.err, "FEHLER: Die Exportdaten enthalten 1 fehlerhafte Angaben (siehe Fehlerliste).\n"
                          "INFORMATION: Der Datev-Export wurde abgebrochen!\n");
    EXPECT_FALSE(fileExists(dir.file("BK000001/DATEV-Protokoll.txt")));
    EXPECT_FALSE(fileExists(dir.file("BK000001/EXTF_Buchungsstapel_20090301_20090331.csv")));
}

}  // namespace
}  // namespace tellmark::testing
