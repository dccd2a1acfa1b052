// The export for the digital tax audit on small books whose every row is known: whole tables compared
// with rows built from the tables' row formats, index.xml validated against the DTD and used to read
// every table back, the account sheets summed against the balance file, and the failures.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "exports/gdpdu_books.h"
#include "exports/gdpdu_tables.h"
#include "config/amounts.h"
#include "platform/directory.h"
#include "platform/fault_points.h"
#include "reports/balance_list_report.h"
#include "reports/print_file.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::exports {
namespace {

using namespace testing;
using tellmark::testing::readFile;

std::string textField(std::string_view t) {
    std::string s(t);
    s.resize(25, ' ');
    return s;
}
std::string doc6(std::string_view d) {
    std::string s(d);
    s.resize(6, ' ');
    return s;
}

// Chart 03, calendar year 2009: cash, bank, revenue at 19 %, office supplies and rent, bookings entered
// out of date order, two on the same day, and a closing entry in month 13.
class CalendarYear : public ::testing::Test {
protected:
    CalendarYear() : b(calendarSettings(3, 2009)) {
        b.addAccount(1000, "KASSE", 500.00);
        b.addAccount(1200, "BANK", 12000.00);
        b.addAccount(4210, "MIETE");
        b.addAccount(4930, cp<"BÜROBEDARF">().data());
        b.addAccount(8400, cp<"ERLÖSE 19%">().data());
        b.addAccount(9000, "SALDENVORTRAEGE");
        b.book("15.03", "R1", 1200, 8400, "Verkauf & Co", 1190.00, 19.0);     // 1
        b.book("02.03", "B1", 4930, 1000, "Papier <A4>", 119.00, 19.0);       // 2
        b.book("10.01", "K1", 1000, 1200, "Geldtransit", 1234.56);            // 3
        b.book("31.13", "A1", 1770, 1570, "Abschluss Vorsteuer", 19.00);      // 4
        b.book("02.03", "M1", 4210, 1200, "Miete", 800.00);                   // 5
    }

    ExportBooks b;
};

TEST_F(CalendarYear, JournalTableHoldsEveryBookingOnceInBusinessMonthOrder) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000}}), 1);
    EXPECT_TRUE(b.messages.empty());
    const std::string expected =
        format(kJournalRow, "3", "10.01", 2009, "10.01", 2009, doc6("K1").c_str(), "1.000", "1.200",
            textField("Geldtransit").c_str(), "1.234,56", " 0,00", "0,00") +
        format(kJournalRow, "1", "15.03", 2009, "15.03", 2009, doc6("R1").c_str(), "1.200", "8.400",
            textField("Verkauf & Co").c_str(), "1.190,00", "19,00", "190,00") +
        format(kJournalRow, "2", "02.03", 2009, "02.03", 2009, doc6("B1").c_str(), "4.930", "1.000",
            textField("Papier <A4>").c_str(), "119,00", "19,00", "19,00") +
        format(kJournalRow, "5", "02.03", 2009, "02.03", 2009, doc6("M1").c_str(), "4.210", "1.200",
            textField("Miete").c_str(), "800,00", " 0,00", "0,00") +
        // The closing entry on the last day of the year; its control date keeps month 13.
        format(kJournalRow, "4", "31.12", 2009, "31.13", 2009, doc6("A1").c_str(), "1.770", "1.570",
            textField("Abschluss Vorsteuer").c_str(), "19,00", " 0,00", "0,00");
    EXPECT_EQ(b.table("-jou.txt"), expected);
}

TEST_F(CalendarYear, CashBookRunsDayByDayFromTheOpeningBalance) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000}}), 1);
    const std::string expected =
        format(kCashRow, "1.000", "10.01", 2009, "10.01", 2009, doc6("K1").c_str(), "1.000", "1.200",
            textField("Geldtransit").c_str(), "1.234,56", " 0,00", "0,00", "500,00", "1.734,56") +
        format(kCashRow, "1.000", "02.03", 2009, "02.03", 2009, doc6("B1").c_str(), "4.930", "1.000",
            textField("Papier <A4>").c_str(), "119,00", "19,00", "19,00", "1.734,56", "1.615,56");
    EXPECT_EQ(b.table("-kas.txt"), expected);
}

TEST_F(CalendarYear, AccountSheetsShowWhatWasPostedOnEachAccountDayByDay) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {}}), 1);
    auto row = [](const char* account, const char* date, const char* control, const char* document,
                  const char* debit, const char* credit, const char* text, const char* rate, const char* soll,
                  const char* haben) {
        return format(kSheetRow, account, date, 2009, control, 2009, doc6(document).c_str(), debit, credit,
                   textField(text).c_str(), rate, soll, haben);
    };
    const std::string expected =
        row("1.000", "10.01", "10.01", "K1", "1.000", "1.200", "Geldtransit", " 0,00", "1.234,56", "0,00") +
        row("1.000", "02.03", "02.03", "B1", "4.930", "1.000", "Papier <A4>", "19,00", "0,00", "119,00") +
        // The bank: January, then March day by day (the 2nd before the 15th although booked later).
        row("1.200", "10.01", "10.01", "K1", "1.000", "1.200", "Geldtransit", " 0,00", "0,00", "1.234,56") +
        row("1.200", "02.03", "02.03", "M1", "4.210", "1.200", "Miete", " 0,00", "0,00", "800,00") +
        row("1.200", "15.03", "15.03", "R1", "1.200", "8.400", "Verkauf & Co", "19,00", "1.190,00", "0,00") +
        // The input VAT of the purchase, and the closing entry.
        row("1.570", "02.03", "02.03", "B1", "4.930", "1.000", "Papier <A4>", "19,00", "19,00", "0,00") +
        row("1.570", "31.12", "31.13", "A1", "1.770", "1.570", "Abschluss Vorsteuer", " 0,00", "0,00", "19,00") +
        row("1.770", "15.03", "15.03", "R1", "1.200", "8.400", "Verkauf & Co", "19,00", "0,00", "190,00") +
        row("1.770", "31.12", "31.13", "A1", "1.770", "1.570", "Abschluss Vorsteuer", " 0,00", "19,00", "0,00") +
        row("4.210", "02.03", "02.03", "M1", "4.210", "1.200", "Miete", " 0,00", "800,00", "0,00") +
        // Net-booked accounts carry the net amount, as the balance file does.
        row("4.930", "02.03", "02.03", "B1", "4.930", "1.000", "Papier <A4>", "19,00", "100,00", "0,00") +
        row("8.400", "15.03", "15.03", "R1", "1.200", "8.400", "Verkauf & Co", "19,00", "0,00", "1.000,00");
    EXPECT_EQ(b.table("-kto.txt"), expected);
}

TEST_F(CalendarYear, BalanceListGivesOpeningMovementAndClosingWithTheirSides) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {}}), 1);
    std::string balance, name1570, name1770, numberText;
    ASSERT_EQ(b.report.findByNumber(1570, balance, name1570, numberText), 1);
    ASSERT_EQ(b.report.findByNumber(1770, balance, name1770, numberText), 1);
    const std::string expected =
        format(kBalanceRow, "1.000", textField("KASSE").c_str(), "500,00", 'S', "1.115,56", 'S', "1.615,56", 'S') +
        format(kBalanceRow, "1.200", textField("BANK").c_str(), "12.000,00", 'S', "844,56", 'H', "11.155,44", 'S') +
        format(kBalanceRow, "1.570", name1570.c_str(), "0,00", ' ', "0,00", ' ', "0,00", ' ') +
        format(kBalanceRow, "1.770", name1770.c_str(), "0,00", ' ', "171,00", 'H', "171,00", 'H') +
        format(kBalanceRow, "4.210", textField("MIETE").c_str(), "0,00", ' ', "800,00", 'S', "800,00", 'S') +
        format(kBalanceRow, "4.930", textField(cp<"BÜROBEDARF">()).c_str(), "0,00", ' ', "100,00", 'S', "100,00", 'S') +
        format(kBalanceRow, "8.400", textField(cp<"ERLÖSE 19%">()).c_str(), "0,00", ' ', "1.000,00", 'H', "1.000,00",
            'H') +
        format(kBalanceRow, "9.000", textField("SALDENVORTRAEGE").c_str(), "0,00", ' ', "0,00", ' ', "0,00", ' ');
    EXPECT_EQ(b.table("-sal.txt"), expected);
}

// The balance list table says what the balance list report (with movements, opening values to month 13)
// says of every account.
TEST_F(CalendarYear, BalanceListTableAgreesWithTheBalanceListReport) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {}}), 1);
    reports::BalanceListOptions options;
    options.fromMonth = 0;
    options.toMonth = 13;
    options.wide = true;
    ASSERT_EQ(reports::SelectByGroup("", options.accounts, b.messages), 1);
    reports::ReportRequest request;
    request.linesPerPage = 68;
    reports::FillBalanceListRequest(request, options, reports::BookingYearOf(b.settings));
    reports::PrintFile print(b.dir.file("~print~.tmp"), b.messages);
    ASSERT_EQ(reports::GenerateBalanceList(print, request, options, b.report, b.accountIndex, b.settings), 1);
    const std::string printed = readFile(print.path());

    // "%12.2f" and its side in the report, German form and its side in the table.
    auto fromReport = [](const std::string& field) {
        long long cents = 0;
        for (char c : field.substr(0, 12))
            if (c >= '0' && c <= '9') cents = cents * 10 + (c - '0');
        return std::make_pair(cents, field.substr(12, 1));
    };
    const DescribedTable table = describedTables(b.indexXml()).back();
    const std::vector<Row> rows = readBack(table, b.table("-sal.txt"));
    ASSERT_EQ(rows.size(), 8u);
    for (const Row& row : rows) {
        std::string account = row.at("Kontonummer");
        const long long number = germanCents(account) / 100;
        const std::string key = posting::testing::numberField(static_cast<int>(number));
        const std::size_t at = printed.find("\r\n" + key + "  ");
        ASSERT_NE(at, std::string::npos) << key;
        const std::string line = printed.substr(at + 2, 110);
        EXPECT_EQ(line.substr(7, 25), row.at("Kontenbezeichnung"));
        const char* columns[][2] = {{"Anfangsbestand", "Anfangsbestand Soll (S) - Haben (H)"},
                                    {"Gesamt-Zu&#x002F;Abgang", "Zu&#x002F;Abgang Soll (S) - Haben (H)"},
                                    {"Endbestand", "Endbestand Soll (S) - Haben (H)"}};
        for (int c = 0; c < 3; ++c) {
            const auto [cents, side] = fromReport(line.substr(47 + 25 * static_cast<std::size_t>(c), 13));
            EXPECT_EQ(germanCents(row.at(columns[c][0])), cents) << key << " " << columns[c][0];
            EXPECT_EQ(row.at(columns[c][1]), side) << key << " " << columns[c][0];
        }
    }
}

TEST_F(CalendarYear, IndexXmlIsValidAndDescribesEveryTableByteForByte) {
    ASSERT_EQ(b.exportWith({cp<"Müller & Söhne <Bau>/Nord">().data(), cp<"Köln">().data(), {1000, 1200}}), 1);
    EXPECT_EQ(validationErrors(b.paths.directory), "");
    const std::string xml = b.indexXml();
    // Pure ASCII: every byte of 128 or more and "&", "<", "/" went through the one escape.
    for (char c : xml) ASSERT_LT(static_cast<unsigned char>(c), 128u);
    const std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE DataSet SYSTEM \"gdpdu-01-08-2002.dtd\">\r\n"
        "<DataSet>\r\n\t<Version>1.0</Version>\r\n\t<DataSupplier>\r\n"
        "\t\t<Name>M&#x00FC;ller &#x0026; S&#x00F6;hne &#x003C;Bau>&#x002F;Nord</Name>\r\n"
        "\t\t<Location>K&#x00F6;ln</Location>\r\n"
        "\t\t<Comment>Datentraegerueberlassung nach GDPdU</Comment>\r\n\t</DataSupplier>\r\n"
        "\t<Media>\r\n\t\t<Name>Datentraeger 1</Name>\r\n\t\t<Table>\r\n\t\t\t<URL>2009-jou.txt</URL>\r\n";
    EXPECT_EQ(xml.substr(0, head.size()), head);
    // The last table as a whole, and the end of the file.
    auto column = [](const char* name, const char* kind, int from, int to) {
        return std::string("\t\t\t\t<FixedColumn>\r\n\t\t\t\t\t<Name>") + name +
               "</Name>\r\n\t\t\t\t\t<Description></Description>\r\n" + kind +
               format("\t\t\t\t\t<FixedRange>\r\n\t\t\t\t\t\t<From>%i</From>\r\n\t\t\t\t\t\t<To>%i</To>\r\n"
                   "\t\t\t\t\t</FixedRange>\r\n\t\t\t\t</FixedColumn>\r\n",
                   from, to);
    };
    const std::string numeric0 = "\t\t\t\t\t<Numeric>\r\n\t\t\t\t\t\t<Accuracy>0</Accuracy>\r\n\t\t\t\t\t</Numeric>\r\n";
    const std::string numeric2 = "\t\t\t\t\t<Numeric>\r\n\t\t\t\t\t\t<Accuracy>2</Accuracy>\r\n\t\t\t\t\t</Numeric>\r\n";
    const std::string alpha = "\t\t\t\t\t<AlphaNumeric/>\r\n";
    const std::string balances =
        "\t\t<Table>\r\n\t\t\t<URL>2009-sal.txt</URL>\r\n\t\t\t<Name>Saldenlisten 2009-2009</Name>\r\n"
        "\t\t\t<Description>Zusammenstellung aller Konten mit Anfangs- und Endbestaenden</Description>\r\n"
        "\t\t\t<DecimalSymbol>,</DecimalSymbol>\r\n\t\t\t<DigitGroupingSymbol>.</DigitGroupingSymbol>\r\n"
        "\t\t\t<FixedLength>\r\n" +
        column("Kontonummer", numeric0.c_str(), 1, 6) + column("Kontenbezeichnung", alpha.c_str(), 7, 31) +
        column("Anfangsbestand", numeric2.c_str(), 32, 45) +
        column("Anfangsbestand Soll (S) - Haben (H)", alpha.c_str(), 46, 46) +
        column("Gesamt-Zu&#x002F;Abgang", numeric2.c_str(), 47, 60) +
        column("Zu&#x002F;Abgang Soll (S) - Haben (H)", alpha.c_str(), 61, 61) +
        column("Endbestand", numeric2.c_str(), 62, 75) +
        column("Endbestand Soll (S) - Haben (H)", alpha.c_str(), 76, 76) +
        "\t\t\t</FixedLength>\r\n\t\t</Table>\r\n\t</Media>\r\n</DataSet>\r\n";
    ASSERT_GE(xml.size(), balances.size());
    EXPECT_EQ(xml.substr(xml.size() - balances.size()), balances);
    // The date columns carry their format and their notes.
    EXPECT_NE(xml.find("\t\t\t\t\t<Name>Datum</Name>\r\n"
                       "\t\t\t\t\t<Description>Fuer GDPdU wird der 13.Monat auf letzten Tag im WJ konvertiert</Description>\r\n"
                       "\t\t\t\t\t<Date>\r\n\t\t\t\t\t\t<Format>DD.MM.YYYY</Format>\r\n\t\t\t\t\t</Date>\r\n"
                       "\t\t\t\t\t<FixedRange>\r\n\t\t\t\t\t\t<From>12</From>\r\n\t\t\t\t\t\t<To>21</To>\r\n"),
              std::string::npos);
    EXPECT_TRUE(b.exists("gdpdu-01-08-2002.dtd"));

    const std::vector<DescribedTable> tables = describedTables(xml);
    ASSERT_EQ(tables.size(), 4u);
    const char* urls[] = {"2009-jou.txt", "2009-kas.txt", "2009-kto.txt", "2009-sal.txt"};
    const char* names[] = {"Buchungssaetze 2009-2009", "Kassenbuecher 2009-2009", "Kontenblaetter 2009-2009",
                           "Saldenlisten 2009-2009"};
    const int widths[] = {107, 130, 102, 76};
    for (std::size_t t = 0; t < tables.size(); ++t) {
        SCOPED_TRACE(urls[t]);
        const DescribedTable& table = tables[t];
        EXPECT_EQ(table.url, urls[t]);
        EXPECT_EQ(table.name, names[t]);
        // The columns tile the row without gap or overlap.
        int next = 1;
        for (const DescribedColumn& c : table.columns) {
            EXPECT_EQ(c.from, next) << c.name;
            next = c.to + 1;
        }
        EXPECT_EQ(next - 1, widths[t]);
        const std::string bytes = readFile(b.paths.directory + "/" + table.url);
        ASSERT_FALSE(bytes.empty());
        ASSERT_EQ(bytes.size() % static_cast<std::size_t>(widths[t] + 2), 0u);
        for (std::size_t at = 0; at < bytes.size(); at += static_cast<std::size_t>(widths[t] + 2))
            ASSERT_EQ(bytes.substr(at + static_cast<std::size_t>(widths[t]), 2), "\r\n");
        // Every field read by its range is what its kind says.
        for (const Row& row : readBack(table, bytes)) {
            for (const DescribedColumn& c : table.columns) {
                const std::string& field = row.at(c.name);
                if (c.kind == "Date") {
                    EXPECT_EQ(field.size(), 10u);
                    EXPECT_TRUE(field[2] == '.' && field[5] == '.') << field;
                } else if (c.kind == "Numeric") {
                    for (char ch : field) EXPECT_TRUE(std::string_view(" 0123456789.,-").find(ch) != std::string_view::npos) << c.name << ": " << field;
                    if (c.accuracy == 2) {
                        EXPECT_EQ(field[field.size() - 3], ',') << c.name << ": " << field;
                    }
                }
            }
        }
    }

    // Read back by index.xml: the journal holds each booking once, and each account's sheet lines
    // add up to its closing balance in the balance list.
    const std::vector<Row> journal = readBack(tables[0], readFile(b.paths.directory + "/2009-jou.txt"));
    std::vector<long long> numbers;
    for (const Row& r : journal) numbers.push_back(germanCents(r.at("Buchungssatznummer")) / 100);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<long long>{1, 2, 3, 4, 5}));

    std::map<std::string, long long> sheetSums;
    for (const Row& r : readBack(tables[2], readFile(b.paths.directory + "/2009-kto.txt")))
        sheetSums[r.at("Kontonummer des jeweiligen Kontenblattes")] +=
            germanCents(r.at("Betrag im Soll")) - germanCents(r.at("Betrag im Haben"));
    for (const Row& r : readBack(tables[3], readFile(b.paths.directory + "/2009-sal.txt"))) {
        auto signedAmount = [&r](const char* amount, const char* side) {
            return r.at(side) == "H" ? -germanCents(r.at(amount)) : germanCents(r.at(amount));
        };
        std::string account = r.at("Kontonummer");
        account.erase(account.find_last_not_of(' ') + 1);
        account.insert(0, 6 - account.size(), ' ');
        EXPECT_EQ(signedAmount("Anfangsbestand", "Anfangsbestand Soll (S) - Haben (H)") + sheetSums[account],
                  signedAmount("Endbestand", "Endbestand Soll (S) - Haben (H)"))
            << account;
    }
}

TEST_F(CalendarYear, WithoutCashAccountsThereIsNoCashTableAndAnOldOneGoes) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000}}), 1);
    ASSERT_TRUE(b.exists("2009-kas.txt"));
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {}}), 1);
    EXPECT_FALSE(b.exists("2009-kas.txt"));
    const std::vector<DescribedTable> tables = describedTables(b.indexXml());
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[1].url, "2009-kto.txt");
    EXPECT_EQ(validationErrors(b.paths.directory), "");
}

TEST_F(CalendarYear, AnUnknownCashAccountStopsBeforeAnythingIsWritten) {
    EXPECT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000, 1001}}), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text, cp<"Kontonummer nicht zulässig oder nicht korrekt!">());
    EXPECT_FALSE(tellmark::testing::fileExists(b.paths.directory + "/2009-jou.txt"));
}

// The n-th change of a given kind fails.
platform::Change g_kind = platform::Change::Create;
int g_countdown = 0;
int failNth(platform::Change change, const std::string&) {
    if (change != g_kind) return platform::kProceed;
    return --g_countdown == 0 ? ENOSPC : platform::kProceed;
}

TEST_F(CalendarYear, AFailedTableEndsTheExportWithoutAnIndexAndWithoutHalfFiles) {
    ASSERT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000}}), 1);
    const std::string journalBefore = b.table("-jou.txt");
    b.book("20.03", "R2", 1200, 8400, "Verkauf 2", 119.00, 19.0);

    // The third table created (the account sheets, after cash book and journal) cannot be created.
    g_kind = platform::Change::Create;
    g_countdown = 3;
    platform::setFaultHook(failNth);
    EXPECT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000}}), 0);
    platform::setFaultHook(nullptr);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text, cp<"Temporäre Datei konnte nicht angelegt werden !">());
    EXPECT_EQ(b.messages.last().caption, "FEHLER");
    EXPECT_FALSE(b.exists("index.xml"));
    // The tables written before stay, complete and new.
    EXPECT_NE(b.table("-jou.txt"), journalBefore);
    EXPECT_EQ(b.table("-jou.txt").size(), 6u * 109);

    // A write that fails: the message, and the old table is not replaced by half a new one.
    b.messages.entries.clear();
    const std::string sheetsBefore = b.table("-kto.txt");
    g_kind = platform::Change::Write;
    g_countdown = 3;
    platform::setFaultHook(failNth);
    EXPECT_EQ(b.exportWith({"Musterhandel", "Berlin", {1000}}), 0);
    platform::setFaultHook(nullptr);
    ASSERT_FALSE(b.messages.empty());
    EXPECT_EQ(b.messages.last().text, cp<"Fehler beim Schreiben der temporären Datei !">());
    EXPECT_EQ(b.table("-kto.txt"), sheetsBefore);
    EXPECT_FALSE(b.exists("index.xml"));
    std::vector<std::string> names;
    ASSERT_TRUE(platform::listDirectory(b.paths.directory, names));
    for (const std::string& name : names) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

// Chart 04, business year July 2008 to June 2009.
TEST(GdpduSpanYear, MonthsTakeTheYearTheyLieInAndClosingEntriesEndTheBusinessYear) {
    ExportBooks b(spanSettings(4, 2008, 7));
    b.addAccount(1600, "KASSE");
    b.addAccount(1800, "BANK");
    b.addAccount(4400, cp<"ERLÖSE 19%">().data());
    b.addAccount(3300, "VERBINDLICHKEITEN", -250.00);
    b.book("15.03", "R2", 1800, 4400, "Maerz", 119.00, 19.0);
    b.book("15.08", "R1", 1800, 4400, "August", 238.00, 19.0);
    b.book("31.13", "A1", 1800, 1600, "Abschluss", 10.00);
    ASSERT_EQ(b.exportWith({"Muster", "Hamburg", {}}), 1);
    const std::string expected =
        format(kJournalRow, "2", "15.08", 2008, "15.08", 2008, doc6("R1").c_str(), "1.800", "4.400",
            textField("August").c_str(), "238,00", "19,00", "38,00") +
        format(kJournalRow, "1", "15.03", 2009, "15.03", 2009, doc6("R2").c_str(), "1.800", "4.400",
            textField("Maerz").c_str(), "119,00", "19,00", "19,00") +
        format(kJournalRow, "3", "30.06", 2009, "31.13", 2009, doc6("A1").c_str(), "1.800", "1.600",
            textField("Abschluss").c_str(), "10,00", " 0,00", "0,00");
    EXPECT_EQ(b.table("-jou.txt"), expected);
    // A credit balance is written without sign, marked "H".
    const std::string balances = b.table("-sal.txt");
    EXPECT_NE(balances.find(format(kBalanceRow, "3.300", textField("VERBINDLICHKEITEN").c_str(), "250,00", 'H', "0,00", ' ',
                                "250,00", 'H')),
              std::string::npos);
    const std::vector<DescribedTable> tables = describedTables(b.indexXml());
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0].url, "0809-jou.txt");
    EXPECT_EQ(tables[0].name, "Buchungssaetze 2008-2009");
    EXPECT_EQ(validationErrors(b.paths.directory), "");
}

// The number forms of the tables.
TEST(GdpduFields, NumbersInGermanForm) {
    char buffer[32];
    EXPECT_EQ(GermanCents(-123456, buffer), "-1.234,56");
    EXPECT_EQ(GermanCents(0, buffer), "0,00");
    EXPECT_EQ(GermanCents(5, buffer), "0,05");
    EXPECT_EQ(GermanCents(-5, buffer), "-0,05");
    EXPECT_EQ(GermanCents(99999999999, buffer), "999.999.999,99");
    EXPECT_EQ(GermanCents(100000, buffer), "1.000,00");
    // The same as the report helper's form of the "%12.2f" text, over a spread of values.
    for (long long cents : {1LL, 99LL, 100LL, 99999LL, 100000LL, 12345678LL, -99999LL, -100000LL, -25000LL})
        EXPECT_EQ(std::string(GermanCents(cents, buffer)), config::germanAmount(format("%12.2f", cents / 100.0), 0))
            << cents;
    EXPECT_EQ(GroupedNumber(" 1200"), "1.200");
    EXPECT_EQ(GroupedNumber("10000"), "10.000");
    EXPECT_EQ(GroupedNumber("  999"), "999");
    EXPECT_EQ(RateWithComma(" 7.00"), " 7,00");
    GdpduRow row(GdpduTableKind::Balances);
    std::string out;
    row.add("1.200").add("BANK").add("250,00").add('H').add("0,00").add(' ').add("250,00").add('H');
    ASSERT_TRUE(row.finish(out));
    EXPECT_EQ(out, format(kBalanceRow, "1.200", "BANK", "250,00", 'H', "0,00", ' ', "250,00", 'H'));
    // A field that does not fit makes the row fail instead of a cut number.
    row.add("123.456").add("BANK").add("0,00").add(' ').add("0,00").add(' ').add("0,00").add(' ');
    EXPECT_FALSE(row.finish(out));
}

}  // namespace
}  // namespace tellmark::exports
