// The DATEV export of whole sample books: the record protocol line by line, the DATEV-Format file built
// from the same records, the two runs of a period over the calendar year end, and exports that fail.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "exports/datev_export.h"
#include "exports/datev_extf_sink.h"
#include "exports/datev_record_sink.h"
#include "exports/datev_books.h"
#include "platform/directory.h"
#include "platform/fault_points.h"
#include "support/temp_dir.h"

namespace tellmark::exports::testing {
namespace {

using tellmark::testing::fileExists;
using tellmark::testing::readFile;
using tellmark::testing::TempDir;
using Fields = std::vector<std::pair<std::string, std::string>>;

std::string rec(const std::string& type, const Fields& fields = {}) {
    std::string line = type;
    for (const auto& [name, value] : fields) line += "\t" + name + "=" + value;
    return line + "\r\n";
}

std::string header(const std::string& accounting, const std::string& from, const std::string& to) {
    return "Datei: Datev-FBOP-BW-KNE\r\n" +
           rec("Datev-FBOP-Vollvorlauf-KNE", {{"Datentraegernummer", "001"}, {"DFV-Kennzeichen", "TM"},
                                               {"Berater", "29098"}, {"Mandant", "55003"},
                                               {"Abrechnungsnummer", accounting}, {"Datum-von", from},
                                               {"Datum-bis", to}, {"PN-Seite", "001"}}) +
           rec("Datev-FBOP-Versionssatz", {{"Versionskennzeichen", "1,4,4,SELF"}});
}

const std::string kTrailer = rec("Datev-FIBU-KNE-Gruppensumme", {{"Summe", "-400000"}}) + rec("Datev-Mandantenende") +
                             "Ende\r\n";

std::string booking(const Fields& fields) {
    Fields all = fields;
    all.emplace_back("Waehrungskennung", "EUR");
    return rec("Datev-FBOP-Buchungssatz-KNE", all);
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                out.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == ';' && !quoted) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// The column headings of a booking batch, as DATEV's format description lists them.
const char* const kHeadings[] = {
    "Umsatz (ohne Soll/Haben-Kz)", "Soll/Haben-Kennzeichen", "WKZ Umsatz", "Kurs", "Basis-Umsatz",
    "WKZ Basis-Umsatz", "Konto", "Gegenkonto (ohne BU-Schl\xFCssel)", "BU-Schl\xFCssel", "Belegdatum",
    "Belegfeld 1", "Belegfeld 2", "Skonto", "Buchungstext", "Postensperre", "Diverse Adressnummer",
    "Gesch\xE4" "ftspartnerbank", "Sachverhalt", "Zinssperre", "Beleglink", "Beleginfo - Art 1",
    "Beleginfo - Inhalt 1", "Beleginfo - Art 2", "Beleginfo - Inhalt 2", "Beleginfo - Art 3",
    "Beleginfo - Inhalt 3", "Beleginfo - Art 4", "Beleginfo - Inhalt 4", "Beleginfo - Art 5",
    "Beleginfo - Inhalt 5", "Beleginfo - Art 6", "Beleginfo - Inhalt 6", "Beleginfo - Art 7",
    "Beleginfo - Inhalt 7", "Beleginfo - Art 8", "Beleginfo - Inhalt 8", "KOST1 - Kostenstelle",
    "KOST2 - Kostenstelle", "KOST-Menge", "EU-Mitgliedstaat u. USt-IdNr.", "EU-Steuersatz",
    "Abw. Versteuerungsart", "Sachverhalt L+L", "Funktionserg\xE4nzung L+L", "BU 49 Hauptfunktionstyp",
    "BU 49 Hauptfunktionsnummer", "BU 49 Funktionserg\xE4nzung", "Zusatzinformation - Art 1",
    "Zusatzinformation - Inhalt 1", "Zusatzinformation - Art 2", "Zusatzinformation - Inhalt 2",
    "Zusatzinformation - Art 3", "Zusatzinformation - Inhalt 3", "Zusatzinformation - Art 4",
    "Zusatzinformation - Inhalt 4", "Zusatzinformation - Art 5", "Zusatzinformation - Inhalt 5",
    "Zusatzinformation - Art 6", "Zusatzinformation - Inhalt 6", "Zusatzinformation - Art 7",
    "Zusatzinformation - Inhalt 7", "Zusatzinformation - Art 8", "Zusatzinformation - Inhalt 8",
    "Zusatzinformation - Art 9", "Zusatzinformation - Inhalt 9", "Zusatzinformation - Art 10",
    "Zusatzinformation - Inhalt 10", "Zusatzinformation - Art 11", "Zusatzinformation - Inhalt 11",
    "Zusatzinformation - Art 12", "Zusatzinformation - Inhalt 12", "Zusatzinformation - Art 13",
    "Zusatzinformation - Inhalt 13", "Zusatzinformation - Art 14", "Zusatzinformation - Inhalt 14",
    "Zusatzinformation - Art 15", "Zusatzinformation - Inhalt 15", "Zusatzinformation - Art 16",
    "Zusatzinformation - Inhalt 16", "Zusatzinformation - Art 17", "Zusatzinformation - Inhalt 17",
    "Zusatzinformation - Art 18", "Zusatzinformation - Inhalt 18", "Zusatzinformation - Art 19",
    "Zusatzinformation - Inhalt 19", "Zusatzinformation - Art 20", "Zusatzinformation - Inhalt 20",
    "St\xFC" "ck", "Gewicht", "Zahlweise", "Forderungsart", "Veranlagungsjahr", "Zugeordnete F\xE4lligkeit",
    "Skontotyp", "Auftragsnummer", "Buchungstyp", "USt-Schl\xFCssel (Anzahlungen)",
    "EU-Mitgliedstaat (Anzahlungen)", "Sachverhalt L+L (Anzahlungen)", "EU-Steuersatz (Anzahlungen)",
    "Erl\xF6skonto (Anzahlungen)", "Herkunft-Kz", "Leerfeld", "KOST-Datum", "SEPA-Mandatsreferenz",
    "Skontosperre", "Gesellschaftername", "Beteiligtennummer", "Identifikationsnummer", "Zeichnernummer",
    "Postensperre bis", "Bezeichnung SoBil-Sachverhalt", "Kennzeichen SoBil-Buchung", "Festschreibung",
    "Leistungsdatum", "Datum Zuord. Steuerperiode", "F\xE4lligkeit", "Generalumkehr (GU)", "Steuersatz",
    "Land"};

// The books of 2009: opening balances typed in (1200, 20005) and one opening booking in the journal.
class DatevExport2009 : public ::testing::Test {
protected:
    DatevExport2009() : b(2009) {
        b.account(1000, "KASSE");
        b.account(1200, "BANK", 1000.00);
        b.account(3400, "WARENEINGANG");
        b.account(4930, "B\xDCROBEDARF");
        b.account(8400, "ERL\xD6SE");
        b.account(9000, "SALDENVORTR\xC4GE");
        b.account(10001, "KUNDE");
        b.account(20005, "LIEFERANT", -300.00);
        b.book("01.01", "", 1000, 9000, "Er\xF6" "ffnung", 500.00);
        b.book("05.03", "R-1", 1200, 8400, "Verkauf", 119.00, 19);
        b.book("06.03", "A#7", 4930, 1200, "Papier", 11.60, 16);
        b.book("07.03", "", 3400, 20005, "Ware", 107.00, 7);
        b.book("08.03", "", 1200, 10001, "Zahlung", 0.50);
        b.book("15.04", "", 1200, 20005, "R\xFC" "ckzahlung", -5.00);
        b.book("31.13", "AB/1", 1200, 8400, "Abschluss", 10.00, 19);
        b.mapping.assign({{10001, 10100}, {4930, 4940}});
    }

    DatevBooks b;
    TempDir out;
};

TEST_F(DatevExport2009, TheProtocolHoldsTheRecordsInCallOrder) {
    b.period("01.01", "31.13");
    b.request.openingBookings = true;
    const DatevExportResult result = b.run(out.path());
    ASSERT_TRUE(result.done);
    EXPECT_TRUE(b.messages.empty());
    const std::string expected =
        header("000709", "010109", "311209") +
        booking({{"Umsatz", "100000"}, {"Gegenkonto", "9000"}, {"Datum", "101"}, {"Konto", "1200"},
                 {"Text", "Saldovortrag"}}) +
        booking({{"Umsatz", "-30000"}, {"Gegenkonto", "9000"}, {"Datum", "101"}, {"Konto", "70005"},
                 {"Text", "Saldovortrag"}}) +
        booking({{"Umsatz", "50000"}, {"Gegenkonto", "9000"}, {"Datum", "101"}, {"Konto", "1000"},
                 {"Text", "Er\xF6" "ffnung"}}) +
        booking({{"Umsatz", "11900"}, {"Gegenkonto", "8400"}, {"Belegfeld1", "R-1"}, {"Datum", "503"},
                 {"Konto", "1200"}, {"Text", "Verkauf"}, {"BU-Schluessel", "03"}}) +
        booking({{"Umsatz", "1160"}, {"Gegenkonto", "1200"}, {"Belegfeld1", "A*7"}, {"Datum", "603"},
                 {"Konto", "4940"}, {"Text", "Papier"}, {"BU-Schluessel", "07"}}) +
        booking({{"Umsatz", "10700"}, {"Gegenkonto", "70005"}, {"Datum", "703"}, {"Konto", "3400"},
                 {"Text", "Ware"}, {"BU-Schluessel", "08"}}) +
        booking({{"Umsatz", "50"}, {"Gegenkonto", "10100"}, {"Datum", "803"}, {"Konto", "1200"},
                 {"Text", "Zahlung"}}) +
        booking({{"Umsatz", "-500"}, {"Gegenkonto", "70005"}, {"Datum", "1504"}, {"Konto", "1200"},
                 {"Text", "R\xFC" "ckzahlung"}}) +
        booking({{"Umsatz", "1000"}, {"Gegenkonto", "8400"}, {"Belegfeld1", "AB/1"}, {"Belegfeld2", "Abschl"},
                 {"Datum", "3112"}, {"Konto", "1200"}, {"Text", "Abschluss"}, {"BU-Schluessel", "03"}}) +
        kTrailer;
    EXPECT_EQ(readFile(out.file("DATEV-Protokoll.txt")), expected);
    EXPECT_EQ(result.files, (std::vector<std::string>{out.file("DATEV-Protokoll.txt"),
                                                      out.file("EXTF_Buchungsstapel_20090101_20091231.csv")}));
}

TEST_F(DatevExport2009, WithoutOpeningBookingsAPartOfTheYearHasOnlyItsBookings) {
    b.period("6.3", "15.04");
    const DatevExportResult result = b.run(out.path());
    ASSERT_TRUE(result.done);
    const std::string expected =
        header("000709", "060309", "150409") +
        booking({{"Umsatz", "1160"}, {"Gegenkonto", "1200"}, {"Belegfeld1", "A*7"}, {"Datum", "603"},
                 {"Konto", "4940"}, {"Text", "Papier"}, {"BU-Schluessel", "07"}}) +
        booking({{"Umsatz", "10700"}, {"Gegenkonto", "70005"}, {"Datum", "703"}, {"Konto", "3400"},
                 {"Text", "Ware"}, {"BU-Schluessel", "08"}}) +
        booking({{"Umsatz", "50"}, {"Gegenkonto", "10100"}, {"Datum", "803"}, {"Konto", "1200"},
                 {"Text", "Zahlung"}}) +
        booking({{"Umsatz", "-500"}, {"Gegenkonto", "70005"}, {"Datum", "1504"}, {"Konto", "1200"},
                 {"Text", "R\xFC" "ckzahlung"}}) +
        kTrailer;
    EXPECT_EQ(readFile(out.file("DATEV-Protokoll.txt")), expected);
}

// The DATEV-Format file: header, headings, one line per booking record, and the books of the period
// when the lines are summed per account again.
TEST_F(DatevExport2009, TheFormatFileCarriesTheSameBookingsAndSumsToTheBalances) {
    b.period("01.01", "31.13");
    b.request.openingBookings = true;
    ASSERT_TRUE(b.run(out.path()).done);
    const std::vector<std::string> lines = splitLines(readFile(out.file("EXTF_Buchungsstapel_20090101_20091231.csv")));
    ASSERT_EQ(lines.size(), 2u + 9u);
    EXPECT_EQ(lines[0],
              "\"EXTF\";700;21;\"Buchungsstapel\";9;20260105143000000;;\"TM\";\"Tellmark\";;29098;55003;20090101;4;"
              "20090101;20091231;\"Buchungen 01.01.-31.12.2009\";\"\";1;0;0;\"EUR\";;;;;\"03\";;;;\"\"");
    EXPECT_EQ(splitFields(lines[0]).size(), 31u);
    std::string headings;
    for (const char* h : kHeadings) headings += std::string(headings.empty() ? "" : ";") + h;
    EXPECT_EQ(lines[1], headings);
    ASSERT_EQ(std::size(kHeadings), 120u);

    // The protocol's booking records, in the same order.
    std::vector<std::map<std::string, std::string>> records;
    for (const std::string& line : splitLines(readFile(out.file("DATEV-Protokoll.txt")))) {
        if (line.rfind("Datev-FBOP-Buchungssatz-KNE\t", 0) != 0) continue;
        std::map<std::string, std::string> fields;
        std::size_t at = line.find('\t');
        while (at != std::string::npos) {
            const std::size_t next = line.find('\t', at + 1);
            const std::string f = line.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
            fields[f.substr(0, f.find('='))] = f.substr(f.find('=') + 1);
            at = next;
        }
        records.push_back(fields);
    }
    ASSERT_EQ(records.size(), 9u);

    const std::regex amount("^\\d{1,10},\\d{2}$");
    const std::map<std::string, std::pair<int, bool>> keys = {{"9", {19, true}}, {"7", {16, true}}, {"8", {7, true}},
                                                              {"3", {19, false}}, {"5", {16, false}},
                                                              {"2", {7, false}}};
    const std::set<long> moneyAccounts = {1000, 1200, 10100, 70005};
    std::map<long, long long> sums;  // cents per DATEV account
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::vector<std::string> f = splitFields(lines[i]);
        ASSERT_EQ(f.size(), 120u) << lines[i];
        const auto& r = records[i - 2];
        EXPECT_TRUE(std::regex_match(f[0], amount)) << f[0];
        const long long protocolCents = std::stoll(r.at("Umsatz"));
        const long long cents = std::stoll(f[0].substr(0, f[0].size() - 3)) * 100 + std::stoll(f[0].substr(f[0].size() - 2));
        EXPECT_EQ(cents, std::llabs(protocolCents));
        EXPECT_EQ(f[1], protocolCents < 0 ? "H" : "S");
        EXPECT_EQ(f[2], "EUR");
        EXPECT_EQ(f[6], r.at("Konto"));
        EXPECT_EQ(f[7], r.at("Gegenkonto"));
        EXPECT_EQ(f[8], r.count("BU-Schluessel") ? r.at("BU-Schluessel").substr(1) : "");
        EXPECT_EQ(f[9].size(), 4u);
        EXPECT_EQ(std::stoi(f[9]), std::stoi(r.at("Datum")));
        EXPECT_EQ(f[10], r.count("Belegfeld1") ? r.at("Belegfeld1") : "");
        EXPECT_EQ(f[11], r.count("Belegfeld2") ? r.at("Belegfeld2") : "");
        EXPECT_EQ(f[13], r.at("Text"));

        // Debit and credit as DATEV books them; the tax key splits the VAT off the side that is no money
        // account.
        const long long signedCents = f[1] == "S" ? cents : -cents;
        const long konto = std::stol(f[6]), contra = std::stol(f[7]);
        long long vat = 0;
        bool input = false;
        if (!f[8].empty()) {
            const auto [rate, isInput] = keys.at(f[8]);
            vat = std::llround(static_cast<double>(signedCents) * rate / (100 + rate));
            input = isInput;
        }
        const bool kontoNet = vat != 0 && !moneyAccounts.count(konto);
        sums[konto] += kontoNet ? signedCents - vat : signedCents;
        sums[contra] -= vat != 0 && !kontoNet ? signedCents - vat : signedCents;
        if (vat != 0) sums[input ? 1570 : 1770] += kontoNet ? vat : -vat;
    }

    // Every account's balance of the whole year, under its DATEV number.
    std::map<long, long long> balances;
    for (int r = 0; r < b.report.count(); ++r) {
        ASSERT_GE(b.report.read(r), 0);
        long long cents = 0;
        for (int slot = 0; slot < 14; ++slot) cents += std::llround(b.report.slotValue(slot) * 100);
        if (cents != 0) balances[b.mapping.exported(b.report.numberValue())] = cents;
    }
    // DATEV books the typed opening balances (1200: 1000.00, 20005: -300.00) against 9000.
    balances[9000] -= 100000 - 30000;
    std::erase_if(sums, [](const auto& s) { return s.second == 0; });
    EXPECT_EQ(sums, balances);
}

TEST(DatevExportKeys, NineteenPercentHasAKeyFrom2007OnSixteenPercentChangedItsKey) {
    for (int year : {2006, 2009}) {
        DatevBooks b(year);
        b.account(1200, "BANK");
        b.account(4930, "B\xDCROBEDARF");
        b.account(8400, "ERL\xD6SE");
        b.book("02.02", "", 1200, 8400, "19", 119.00, 19);
        b.book("03.02", "", 1200, 8400, "16", 116.00, 16);
        b.book("04.02", "", 1200, 8400, "7", 107.00, 7);
        b.book("05.02", "", 4930, 1200, "19", 11.90, 19);
        b.book("06.02", "", 4930, 1200, "16", 11.60, 16);
        b.book("07.02", "", 4930, 1200, "7", 10.70, 7.004);
        b.period("02.02", "28.02");
        TempDir out;
        ASSERT_TRUE(b.run(out.path()).done);
        auto line = [](const char* amount, int day, int debit, int credit, const char* text, const char* key) {
            Fields f = {{"Umsatz", amount}, {"Gegenkonto", std::to_string(credit)}, {"Datum", std::to_string(day) + "02"},
                        {"Konto", std::to_string(debit)}, {"Text", text}};
            if (*key) f.emplace_back("BU-Schluessel", key);
            return booking(f);
        };
        const bool old = year == 2006;
        const std::string yy = old ? "06" : "09";
        EXPECT_EQ(readFile(out.file("DATEV-Protokoll.txt")),
                  header("0007" + yy, "0202" + yy, "2802" + yy) + line("11900", 2, 1200, 8400, "19", old ? "" : "03") +
                      line("11600", 3, 1200, 8400, "16", old ? "03" : "05") + line("10700", 4, 1200, 8400, "7", "02") +
                      line("1190", 5, 4930, 1200, "19", old ? "" : "09") +
                      line("1160", 6, 4930, 1200, "16", old ? "09" : "07") + line("1070", 7, 4930, 1200, "7", "08") +
                      kTrailer)
            << year;
    }
}

// July 2008 to June 2009: October to the closing month goes out as October to December 2008 and
// January to June 2009, the closing entries dated 30 June.
TEST(DatevExportSpanYear, APeriodOverTheCalendarYearEndIsExportedInTwoRuns) {
    DatevBooks b(2008, 7);
    b.account(1200, "BANK", 50.00);
    b.account(8400, "ERL\xD6SE");
    b.book("15.09", "", 1200, 8400, "September", 10.00);
    b.book("15.11", "N1", 1200, 8400, "November", 20.00);
    b.book("20.02", "F1", 1200, 8400, "Februar", 30.00);
    b.book("31.13", "", 1200, 8400, "Abschluss", 40.00);
    b.book("01.07", "", 1200, 8400, "Juli", 50.00);
    b.period("01.10", "31.13");
    b.request.openingBookings = true;  // not the start of the business year: no opening bookings
    TempDir out;
    const DatevExportResult result = b.run(out.path());
    ASSERT_TRUE(result.done);
    const std::string expected =
        header("000708", "011008", "311208") +
        booking({{"Umsatz", "2000"}, {"Gegenkonto", "8400"}, {"Belegfeld1", "N1"}, {"Datum", "1511"},
                 {"Konto", "1200"}, {"Text", "November"}}) +
        kTrailer + header("000709", "010109", "300609") +
        booking({{"Umsatz", "3000"}, {"Gegenkonto", "8400"}, {"Belegfeld1", "F1"}, {"Datum", "2002"},
                 {"Konto", "1200"}, {"Text", "Februar"}}) +
        booking({{"Umsatz", "4000"}, {"Gegenkonto", "8400"}, {"Belegfeld2", "Abschl"}, {"Datum", "3006"},
                 {"Konto", "1200"}, {"Text", "Abschluss"}}) +
        kTrailer;
    EXPECT_EQ(readFile(out.file("DATEV-Protokoll.txt")), expected);

    const std::vector<std::string> first = splitLines(readFile(out.file("EXTF_Buchungsstapel_20081001_20081231.csv")));
    const std::vector<std::string> second = splitLines(readFile(out.file("EXTF_Buchungsstapel_20090101_20090630.csv")));
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(first[0], "\"EXTF\";700;21;\"Buchungsstapel\";9;20260105143000000;;\"TM\";\"Tellmark\";;29098;55003;"
                        "20080701;4;20081001;20081231;\"Buchungen 01.10.-31.12.2008\";\"\";1;0;0;\"EUR\";;;;;\"03\";;;;\"\"");
    EXPECT_EQ(second[0], "\"EXTF\";700;21;\"Buchungsstapel\";9;20260105143000000;;\"TM\";\"Tellmark\";;29098;55003;"
                         "20080701;4;20090101;20090630;\"Buchungen 01.01.-30.06.2009\";\"\";1;0;0;\"EUR\";;;;;\"03\";;;;\"\"");
    const std::string tail(106, ';');
    EXPECT_EQ(first[2], "20,00;\"S\";\"EUR\";;;;1200;8400;;1511;\"N1\";;;\"November\"" + tail);
    EXPECT_EQ(second[3], "40,00;\"S\";\"EUR\";;;;1200;8400;;3006;;\"Abschl\";;\"Abschluss\"" + tail);

    // From the first day of the business year the opening balance goes first.
    TempDir whole;
    b.period("01.07", "30.09");
    ASSERT_TRUE(b.run(whole.path()).done);
    EXPECT_EQ(readFile(whole.file("DATEV-Protokoll.txt")),
              header("000708", "010708", "300908") +
                  booking({{"Umsatz", "5000"}, {"Gegenkonto", "9000"}, {"Datum", "107"}, {"Konto", "1200"},
                           {"Text", "Saldovortrag"}}) +
                  booking({{"Umsatz", "1000"}, {"Gegenkonto", "8400"}, {"Datum", "1509"}, {"Konto", "1200"},
                           {"Text", "September"}}) +
                  booking({{"Umsatz", "5000"}, {"Gegenkonto", "8400"}, {"Datum", "107"}, {"Konto", "1200"},
                           {"Text", "Juli"}}) +
                  kTrailer);
}

// Fails the n-th change of a file in the export directory.
std::string gFaultDirectory;
int gFaultCountdown = 0;
int failNthChange(platform::Change, const std::string& path) {
    if (path.rfind(gFaultDirectory, 0) != 0) return platform::kProceed;
    return --gFaultCountdown == 0 ? EIO : platform::kProceed;
}

TEST_F(DatevExport2009, AFailedWriteLeavesNoFileThatLooksComplete) {
    b.period("01.01", "31.13");
    b.request.openingBookings = false;
    int n = 1;
    for (;; ++n) {
        TempDir dir;
        b.messages.entries.clear();
        gFaultDirectory = dir.path();
        gFaultCountdown = n;
        platform::setFaultHook(&failNthChange);
        const DatevExportResult result = b.run(dir.path());
        platform::setFaultHook(nullptr);
        std::vector<std::string> names;
        ASSERT_TRUE(platform::listDirectory(dir.path(), names));
        if (result.done) {
            EXPECT_GT(gFaultCountdown, 0);
            EXPECT_EQ(names.size(), 2u);
            break;
        }
        EXPECT_TRUE(names.empty()) << "change " << n << " left " << names.front();
        ASSERT_FALSE(b.messages.empty());
        EXPECT_EQ(b.messages.last().text, "Der Datev-Export wurde abgebrochen!");
        EXPECT_EQ(b.messages.last().caption, "INFORMATION");
        ASSERT_LT(n, 40) << "the export never succeeds";
    }
    EXPECT_GE(n, 6);  // create, write, sync and rename of two files at the least
}

TEST_F(DatevExport2009, ValuesTheFormatCannotTakeGoIntoTheErrorListAndEndTheExport) {
    b.period("01.03", "31.03");
    b.request.data.adviserNumber = "12";
    b.request.data.clientNumber = "0";
    const DatevExportResult result = b.run(out.path());
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.errorList,
              "Fehlernummer : 1\nSatznummer : 1\nKategorie : 1\nKorrigiert : Nein\nFeldname : Berater\n"
              "Beschreibung : Beraternummer: 4 bis 7 Ziffern (1001 bis 9999999)\nFeldinhalt : 12\n"
              "Inhalt korrigiert : \n\n"
              "Fehlernummer : 2\nSatznummer : 1\nKategorie : 1\nKorrigiert : Nein\nFeldname : Mandant\n"
              "Beschreibung : Mandantennummer: 1 bis 5 Ziffern (1 bis 99999)\nFeldinhalt : 0\n"
              "Inhalt korrigiert : \n\n");
    ASSERT_EQ(b.messages.entries.size(), 2u);
    EXPECT_EQ(b.messages.entries[0].text, "Die Exportdaten enthalten 2 fehlerhafte Angaben (siehe Fehlerliste).");
    EXPECT_EQ(b.messages.entries[1].text, "Der Datev-Export wurde abgebrochen!");
    std::vector<std::string> names;
    ASSERT_TRUE(platform::listDirectory(out.path(), names));
    EXPECT_TRUE(names.empty());
}

TEST_F(DatevExport2009, MoreBookingsThanAFileMayHoldGoIntoSeveralFilesOfThePeriod) {
    b.period("01.01", "31.13");
    ExtfContext context{out.path(), "20260105143000000", 20090101, "03", "EUR", 3};
    DatevExtfSink extf(context);
    std::vector<DatevError> errors;
    reports::JournalReportBooks books = b.bundle();
    ASSERT_EQ(sendDatevRecords(books, b.request, b.mapping, extf, errors), 1);
    EXPECT_TRUE(errors.empty());
    ASSERT_TRUE(extf.commit());
    std::size_t lines = 0;
    for (int part = 1; part <= 3; ++part) {
        const std::string name = out.file("EXTF_Buchungsstapel_20090101_20091231_" + std::to_string(part) + ".csv");
        const std::vector<std::string> l = splitLines(readFile(name));
        ASSERT_GE(l.size(), 3u) << name;
        EXPECT_EQ(l[0].substr(0, 7), "\"EXTF\";");
        EXPECT_EQ(l.size(), part < 3 ? 5u : 3u) << name;
        lines += l.size() - 2;
    }
    EXPECT_EQ(lines, 7u);
    EXPECT_FALSE(fileExists(out.file("EXTF_Buchungsstapel_20090101_20091231.csv")));
}

}  // namespace
}  // namespace tellmark::exports::testing
