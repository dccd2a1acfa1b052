#include "reports/vat_return_report.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/journal_record.h"
#include "platform/fault_points.h"
#include "posting/booking_kinds.h"
#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "resources/cp1252_literal.h"
#include "resources/format.h"
#include "support/temp_dir.h"

namespace tellmark::reports {
namespace {

using posting::testing::numberField;
using posting::testing::OpenBooks;
using Cents = long long;

constexpr std::size_t kVisible = 65;
constexpr std::string_view kName = "Musterhandel GmbH";

std::string padded(std::string_view text, std::size_t width = kVisible) {
    std::string out(text);
    out.resize(width, ' ');
    return out;
}
std::string line(std::string_view text) { return padded(text) + "\r\n"; }
std::string s(std::string_view text) { return std::string(text); }
const std::string kBlank = line("");
const std::string kRuler = std::string(kVisible, '\xAD') + "\r\n";

// The three column layouts every line of the return uses: a label of 28, then the amount column
// (ending at 43) and the VAT column (ending at 65).
std::string amount(Cents c) { return format("%12.2f", static_cast<double>(c) / 100.0); }
std::string both(std::string_view label, Cents a, Cents v) {
    return line(padded(label, 28) + "   " + amount(a) + "          " + amount(v));
}
std::string vatColumn(std::string_view label, Cents v) { return line(padded(label, 28) + std::string(25, ' ') + amount(v)); }
std::string amountColumn(std::string_view label, Cents a) { return line(padded(label, 28) + "   " + amount(a)); }
std::string atRate(std::string_view label, int rate) { return s(label) + format("%5.2f%%", rate / 100.0); }

std::string header(std::string_view yearLine, std::string_view period) {
    return line(padded("UST. - VORANMELDUNG", 55) + "15.01.2010") +
           line(std::string(19, '-') + std::string(38, ' ') + "Blatt 01") + kBlank +
           line(padded(yearLine, kVisible - period.size()) + s(period)) + kBlank + line(kName) + kBlank +
           line(std::string(40, ' ') + "EUR" + std::string(19, ' ') + "EUR") + kRuler;
}

// What a booking means for the return, as the test sees it: its own split, VAT = gross x r / (100 + r).
enum class Part { Turnover, TaxFree, InputVat, Eu, DirectOutput, DirectInput };
struct Item {
    int month;
    Part part;
    int rate;  // hundredths
    Cents net;
    Cents vat;
    int account;
};

Cents cents(double value) { return std::llround(value * 100.0); }
Cents vatOf(double gross, double rate) { return std::llround(gross * rate * 100.0 / (100.0 + rate)); }

// A booking circle posted through the posting engine, with the test's own account of every booking.
struct VatBooks {
    explicit VatBooks(int chart, int firstMonth = 0) : b(chart, firstMonth) {
        auto& st = b.settings;
        st.name = s(kName);
        st.currency1 = "EUR";
        st.year = firstMonth > 1 ? 809 : 2009;
        st.lastMonth = firstMonth > 1 ? firstMonth - 1 : 12;
        st.firstYear4 = firstMonth > 1 ? 2008 : 2009;
        st.secondYear4 = 2009;
        st.elster = {"12/345/67890", "2345", "Musterhandel", "Hauptstr. 1", "12345", "Musterstadt", "0123-456789", ""};
        std::filesystem::create_directory(b.dir.file("BK000001"));
    }
    void account(int number, const std::string& name) { b.addAccount(number, name); }
    static int monthOf(const std::string& date) { return std::stoi(date.substr(3, 2)); }
    void post(const std::string& date, int debit, int credit, double gross, double rate) {
        ASSERT_EQ(posting::postNewLine(b.books, posting::testing::line(date, "", numberField(debit), numberField(credit),
                                                                      "Buchung", gross, rate)), 1);
    }
    // sign -1: the revenue account in debit (returns, reductions).
    void sale(const std::string& date, int money, int revenue, double gross, double rate, int sign = 1) {
        sign > 0 ? post(date, money, revenue, gross, rate) : post(date, revenue, money, gross, rate);
        const Cents v = vatOf(gross, rate);
        items.push_back({monthOf(date), Part::Turnover, static_cast<int>(rate * 100), sign * (cents(gross) - v), sign * v, 0});
    }
    void taxFree(const std::string& date, int money, int special, double gross) {
        post(date, money, special, gross, 0.0);
        items.push_back({monthOf(date), Part::TaxFree, 0, cents(gross), 0, 0});
    }
    void purchase(const std::string& date, int cost, int money, double gross, double rate, int sign = 1) {
        sign > 0 ? post(date, cost, money, gross, rate) : post(date, money, cost, gross, rate);
        items.push_back({monthOf(date), Part::InputVat, 0, 0, sign * vatOf(gross, rate), 0});
    }
    void eu(const std::string& date, int acquisition, int supplier, double net, double rate) {
        const posting::TwoLines lines = posting::makeEuLines(
            posting::testing::line(date, "", numberField(acquisition), numberField(supplier), "EU", 0, 0), net, rate,
            b.settings.chart);
        ASSERT_EQ(posting::saveBooking(b.books, lines.first, lines.second, posting::SecondLine::Eu), 2);
        items.push_back({monthOf(date), Part::Eu, static_cast<int>(rate * 100), cents(net), cents(net * rate / 100), 0});
    }
    void discount(const std::string& date, int debit, int credit, double paid, double off, double rate, int kind) {
        const posting::TwoLines lines = posting::makeDiscountLines(
            posting::testing::line(date, "", numberField(debit), numberField(credit), "Skonto", 0, 0), kind, paid, off,
            rate, b.settings.chart);
        const auto second = kind == posting::kDiscountGranted ? posting::SecondLine::DiscountGranted
                                                              : posting::SecondLine::DiscountReceived;
        ASSERT_EQ(posting::saveBooking(b.books, lines.first, lines.second, second), 2);
        const Cents v = vatOf(off, rate);
        // Granted: less turnover and output VAT; received: less input VAT.
        if (kind == posting::kDiscountGranted) {
            items.push_back({monthOf(date), Part::Turnover, static_cast<int>(rate * 100), -(cents(off) - v), -v, 0});
        } else {
            items.push_back({monthOf(date), Part::InputVat, 0, 0, -v, 0});
        }
    }
    // A booking straight on a VAT account; outputSide: the VAT account is an output VAT account.
    void direct(const std::string& date, int debit, int credit, double gross, bool outputSide) {
        post(date, debit, credit, gross, 0.0);
        items.push_back({monthOf(date), outputSide ? Part::DirectOutput : Part::DirectInput, 0, 0, cents(gross),
                         outputSide ? credit : debit});
    }

    OpenBooks b;
    std::vector<Item> items;
};

// The body of the printout for calendar months from..to, from the test's own items.
struct Expected {
    std::string body;
    Cents outputTotal = 0;
    Cents inputTotal = 0;
};
Expected expectedBody(const VatBooks& books, int from, int to) {
    Cents taxFree = 0, input = 0, net = 0, vat = 0, directOut = 0, directIn = 0, eu = 0;
    std::map<int, std::pair<Cents, Cents>> turnover;
    std::map<int, Cents> euByRate, outAccounts, inAccounts;
    for (const Item& i : books.items) {
        if (i.month < from || i.month > to) continue;
        switch (i.part) {
        case Part::Turnover: turnover[i.rate].first += i.net; turnover[i.rate].second += i.vat; break;
        case Part::TaxFree: taxFree += i.net; break;
        case Part::InputVat: input += i.vat; break;
        case Part::Eu: euByRate[i.rate] += i.vat; eu += i.vat; break;
        case Part::DirectOutput: outAccounts[i.account] += i.vat; directOut += i.vat; break;
        case Part::DirectInput: inAccounts[i.account] += i.vat; directIn += i.vat; break;
        }
    }
    Expected e;
    e.body = amountColumn(cp<"EU-Umsätze  (steuerfrei)">(), taxFree);
    for (auto [rate, nv] : turnover) {
        e.body += both(atRate(cp<"Umsätze zu ">(), rate), nv.first, nv.second);
        net += nv.first;
        vat += nv.second;
    }
    e.body += both(cp<"Summe Umsätze:">(), taxFree + net, vat);
    for (auto [account, sum] : outAccounts) e.body += vatColumn("Konto " + std::to_string(account), sum);
    for (auto [rate, tax] : euByRate) e.body += both(atRate("EU-Umsatzanteil zu ", rate), tax * 10000 / rate, tax);
    e.outputTotal = vat + directOut + eu;
    e.body += vatColumn(cp<"Sonstige EU-Umsätze:">(), 0) + vatColumn("Mehrwertsteuer gesamt:", e.outputTotal);
    e.body += amountColumn("Vorsteuer:", input);
    for (auto [account, sum] : inAccounts) e.body += amountColumn("Konto " + std::to_string(account), sum);
    for (auto [rate, tax] : euByRate) e.body += amountColumn(atRate(cp<"EU-Umsätze zu ">(), rate), tax);
    e.inputTotal = input + directIn + eu;
    e.body += amountColumn(cp<"Sonstige EU-Umsätze:">(), 0) + vatColumn("Vorsteuer gesamt:", e.inputTotal);
    const Cents difference = e.inputTotal - e.outputTotal;
    e.body += difference >= 0 ? vatColumn("Erstattung:", difference) : vatColumn("Zahlung:", -difference);
    return e;
}

// Chart 03, 2009: sales at 19, 7, 16 and 0 %, the special revenue account 8125 at 0 and 19 %, purchases,
// an intra-EU acquisition, a discount granted and one received, direct postings on both sides, a
// machine, the VAT prepayment; July and September besides.
void fillChart03(VatBooks& v) {
    for (auto [number, name] : std::vector<std::pair<int, std::string>>{
             {1000, "KASSE"}, {1200, "BANK"}, {8400, cp<"ERLÖSE 19%">().data()}, {8300, cp<"ERLÖSE 7%">().data()},
             {8340, cp<"ERLÖSE 16%">().data()}, {8200, cp<"ERLÖSE STEUERFREI">().data()}, {8125, "STFR. EU-LIEFERUNG"},
             {3400, "WARENEINGANG 19%"}, {3425, "EU-ERWERB"}, {4930, cp<"BÜROBEDARF">().data()}, {420, "MASCHINEN"},
             {10000, "KUNDE"}, {20000, "LIEFERANT"}, {1576, "VORSTEUER 19%"}, {1775, "UMSATZSTEUER 16%"},
             {1780, "UST-VORAUSZAHLUNGEN"}})
        v.account(number, name);
    v.sale("10.04", 1200, 8400, 1190.00, 19);
    v.sale("12.04", 10000, 8300, 535.00, 7);
    v.sale("14.04", 1000, 8340, 116.00, 16);
    v.sale("14.04", 1200, 8200, 50.00, 0);
    v.taxFree("15.04", 1200, 8125, 2000.00);
    v.sale("16.04", 1200, 8125, 119.00, 19);
    v.purchase("18.04", 3400, 20000, 595.00, 19);
    v.purchase("20.04", 4930, 1000, 53.50, 7);
    v.eu("22.04", 3425, 20000, 1000.00, 19);
    v.discount("25.04", 1200, 10000, 97.00, 3.00, 19, posting::kDiscountGranted);
    v.sale("05.05", 1200, 8400, 119.00, 19, -1);
    v.direct("10.05", 1200, 1775, 50.00, true);
    v.direct("12.05", 1576, 1200, 20.00, false);
    v.purchase("15.05", 3400, 1200, 119.00, 19, -1);
    v.discount("20.05", 20000, 1200, 98.00, 2.00, 7, posting::kDiscountReceived);
    v.purchase("10.06", 420, 1200, 11900.00, 19);
    v.post("30.06", 1780, 1200, 300.00, 0);  // the prepayment is no VAT of the period
    v.sale("03.07", 1200, 8400, 238.00, 19);
    v.sale("09.09", 1200, 8340, 232.00, 16);
    v.eu("10.09", 3425, 20000, 500.00, 16);
}

struct Outcome {
    int code;
    std::string text;
    ReportRequest request;
};
Outcome generate(VatBooks& v, int from, int to, bool rounded = false) {
    VatReturnOptions options{from, to, rounded, true, v.b.dir.path(), 1};
    JournalReportBooks books{v.b.journal, v.b.journalIndex, v.b.report, v.b.accountIndex,
                             v.b.settings, v.b.messages, v.b.progress};
    ReportRequest request;
    FillVatReturnRequest(request, options, BookingYearOf(v.b.settings));
    request.printDay = 15;
    request.printMonth = 1;
    request.printYear = 2010;
    PrintFile print(v.b.dir.file("BK000001/~print~.tmp"), v.b.messages);
    const int code = GenerateVatReturn(print, request, options, books);
    return {code, testing::readFile(print.path()), request};
}
std::string transfer(VatBooks& v, const std::string& name) {
    const std::string path = v.b.dir.file("BK000001/" + name);
    return testing::fileExists(path) ? testing::readFile(path) : std::string("(none)");
}
// The files of the circle directory besides the print file.
std::vector<std::string> circleFiles(VatBooks& v) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(v.b.dir.file("BK000001")))
        if (entry.path().filename() != "~print~.tmp") names.push_back(entry.path().filename().string());
    return names;
}

std::string settingsKeys(bool from2006 = true) {
    return s("1000=12/345/67890\r\n1001=2345\r\n1002=Musterhandel\r\n1003=Hauptstr. 1\r\n1004=12345\r\n"
             "1006=Musterstadt\r\n") + (from2006 ? "1007=0123-456789\r\n" : "");
}
const std::string kField61 =
    s(cp<"Bitte Feld 61 kontrollieren! Es wurden Vorsteuerbeträge als Vorschlag eingetragen. Eventuell müssen diese "
         "entfernt werden (z.B. bei fehlender Abzugsberechtigung).\r\n">());
const std::string kHints = s(cp<"-1=Achtung: Bei den eingetragenen Werten handelt es sich nur um Vorschlagswerte !\r\n"
                                "-2=Kontrollieren Sie unbedingt die Zuordnung zu den einzelnen Feldern !\r\n">());

TEST(VatReturnTest, SecondQuarterPrintoutAndTransferFile) {
    VatBooks v(3);
    fillChart03(v);
    const Outcome run = generate(v, 4, 6);
    ASSERT_EQ(run.code, 1);
    const Expected e = expectedBody(v, 4, 6);
    EXPECT_EQ(run.text, header("Buchungsjahr 2009", "Zeitraum: 01.04.2009-30.06.2009") + e.body);
    // The same figures worked out by hand: output 240.52 + 50.00 + 190.00, input 1979.37 + 20.00 + 190.00.
    EXPECT_EQ(e.outputTotal, 48052);
    EXPECT_NE(run.text.find(vatColumn("Erstattung:", 170885)), std::string::npos);
    EXPECT_TRUE(v.b.messages.empty());

    EXPECT_EQ(transfer(v, "001-0942.u09"),
              kHints + settingsKeys() + "942=X\r\n41=2000.00\r\n81=997.48\r\n86=500.00\r\n" +
                  s(cp<"-3=Steuerfreie Erlöse in Höhe von 50.00 müssen eventuell noch manuell eingetragen/korrigiert "
                       "werden!\r\n">()) +
                  "35=100.00\r\n36=16.00\r\n" +
                  s(cp<"-4=Mehrwertsteuer-Direktbuchungen in Höhe von 50.00 müssen noch manuell eingetragen werden!\r\n">()) +
                  "89=1000.00\r\n-5=" + kField61 + "61=190.00\r\n66=1999.37\r\n");
    // Written beside its place and renamed: no work file is left.
    EXPECT_EQ(circleFiles(v), std::vector<std::string>{"001-0942.u09"});
}

TEST(VatReturnTest, PaymentRefundAndPeriodCodes) {
    VatBooks v(3);
    fillChart03(v);
    for (int month : {4, 5, 6, 7}) {
        const Outcome run = generate(v, month, month);
        ASSERT_EQ(run.code, 1);
        EXPECT_NE(run.text.find(expectedBody(v, month, month).body), std::string::npos) << month;
    }
    EXPECT_NE(generate(v, 4, 4).text.find(vatColumn("Zahlung:", 16102)), std::string::npos);
    EXPECT_NE(generate(v, 6, 6).text.find(vatColumn("Erstattung:", 190000)), std::string::npos);
    EXPECT_NE(transfer(v, "001-0907.u09").find("\r\n907=X\r\n81=200.00\r\n66=0.00\r\n"), std::string::npos);

    std::filesystem::remove_all(v.b.dir.file("BK000001"));
    std::filesystem::create_directory(v.b.dir.file("BK000001"));
    ASSERT_EQ(generate(v, 4, 5).code, 1);
    ASSERT_EQ(generate(v, 2, 4).code, 1);
    EXPECT_TRUE(circleFiles(v).empty());
    EXPECT_EQ(VatPeriodCode(10, 12), 44);
    EXPECT_EQ(VatPeriodCode(13, 13), 0);
}

// A month without bookings: every line 0.00, and the transfer file still carries the hints and key 66.
TEST(VatReturnTest, MonthWithoutBookings) {
    VatBooks v(3);
    fillChart03(v);
    const Outcome run = generate(v, 8, 8);
    ASSERT_EQ(run.code, 1);
    EXPECT_EQ(run.text, header("Buchungsjahr 2009", "Zeitraum: 01.08.2009-31.08.2009") +
                            amountColumn(cp<"EU-Umsätze  (steuerfrei)">(), 0) + both(cp<"Summe Umsätze:">(), 0, 0) +
                            vatColumn(cp<"Sonstige EU-Umsätze:">(), 0) + vatColumn("Mehrwertsteuer gesamt:", 0) +
                            amountColumn("Vorsteuer:", 0) + amountColumn(cp<"Sonstige EU-Umsätze:">(), 0) +
                            vatColumn("Vorsteuer gesamt:", 0) + vatColumn("Erstattung:", 0));
    EXPECT_EQ(transfer(v, "001-0908.u09"), kHints + settingsKeys() + "908=X\r\n66=0.00\r\n");
}

// 16 %: until 2006 the standard keys 51 and 97, from 2007 on other rates (35/36, 95/98); the telephone
// goes out only from 2006 on.
TEST(VatReturnTest, SixteenPercentKeysByYear) {
    VatBooks v(3);
    fillChart03(v);
    generate(v, 9, 9);
    EXPECT_EQ(transfer(v, "001-0909.u09"),
              kHints + settingsKeys() + "909=X\r\n35=200.00\r\n36=32.00\r\n95=500.00\r\n98=80.00\r\n-3=" +
                  kField61 + "61=80.00\r\n66=0.00\r\n");
    v.b.settings.year = v.b.settings.firstYear4 = v.b.settings.secondYear4 = 2005;
    generate(v, 9, 9);
    EXPECT_EQ(transfer(v, "001-0509.u05"), kHints + settingsKeys(false) + "509=X\r\n51=200.00\r\n97=500.00\r\n-3=" +
                                                kField61 + "61=80.00\r\n66=0.00\r\n");
}

// The whole year compares the VAT payable with the prepayment account; the rounding option drops the cents
// of the bases, never of the VAT.
TEST(VatReturnTest, YearComparisonAndRounding) {
    VatBooks v(3);
    fillChart03(v);
    const Outcome year = generate(v, 1, 12);
    ASSERT_EQ(year.code, 1);
    const Expected e = expectedBody(v, 1, 12);
    const Cents payable = e.outputTotal - e.inputTotal;
    EXPECT_EQ(year.text, header("Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009") + e.body +
                             line("Umsatzsteuerzahllast (1780):   " + amount(payable) + " " +
                                  format("%21s", format("Diff.: %0.2f", (payable - 30000) / 100.0).c_str())));
    EXPECT_EQ(generate(v, 1, 11).text.find("Umsatzsteuerzahllast"), std::string::npos);

    const Outcome rounded = generate(v, 4, 6, true);
    EXPECT_NE(rounded.text.find(both(atRate(cp<"Umsätze zu ">(), 1900), 99700, 18952)), std::string::npos);
    EXPECT_NE(rounded.text.find(both(cp<"Summe Umsätze:">(), 364700, 24052)), std::string::npos);
    EXPECT_NE(rounded.text.find(vatColumn("Erstattung:", 170885)), std::string::npos);
    EXPECT_NE(transfer(v, "001-0942.u09").find("\r\n81=997.00\r\n86=500.00\r\n"), std::string::npos);
}

// Chart 04: its own accounts, the special revenue account 4125, and a prepayment on 3820, which is an
// output VAT account by kind but no direct posting of the return.
TEST(VatReturnTest, Chart04QuarterAndYear) {
    VatBooks v(4);
    for (auto [number, name] : std::vector<std::pair<int, std::string>>{
             {1800, "BANK"}, {4400, cp<"ERLÖSE 19%">().data()}, {4300, cp<"ERLÖSE 7%">().data()},
             {4125, "STFR. EU-LIEFERUNG"}, {5400, "WARENEINGANG"}, {5425, "EU-ERWERB"}, {20000, "LIEFERANT"},
             {3805, "UMSATZSTEUER"}, {1405, "VORSTEUER"}, {3820, "UST-VORAUSZAHLUNGEN"}})
        v.account(number, name);
    v.sale("03.02", 1800, 4400, 1190.00, 19);
    v.sale("04.02", 1800, 4300, 107.00, 7);
    v.taxFree("05.02", 1800, 4125, 500.00);
    v.sale("06.02", 1800, 4125, 238.00, 19);
    v.purchase("07.02", 5400, 20000, 238.00, 19);
    v.eu("08.02", 5425, 20000, 400.00, 19);
    v.direct("09.02", 1800, 3805, 10.00, true);
    v.direct("10.02", 1405, 1800, 5.00, false);
    v.post("11.02", 3820, 1800, 300.00, 0);
    v.sale("12.11", 1800, 4400, 119.00, 19);

    const Outcome quarter = generate(v, 1, 3);
    ASSERT_EQ(quarter.code, 1);
    EXPECT_EQ(quarter.text, header("Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.03.2009") + expectedBody(v, 1, 3).body);
    EXPECT_EQ(quarter.text.find("Konto 3820"), std::string::npos);
    EXPECT_NE(transfer(v, "001-0941.u09").find("\r\n941=X\r\n41=500.00\r\n81=1200.00\r\n86=100.00\r\n"),
              std::string::npos);

    const Expected e = expectedBody(v, 1, 12);
    const Cents payable = e.outputTotal - e.inputTotal;
    EXPECT_NE(generate(v, 1, 12).text.find(line("Umsatzsteuerzahllast (3820):   " + amount(payable) + " " +
                                                format("%21s", format("Diff.: %0.2f", (payable - 30000) / 100.0).c_str()))),
              std::string::npos);
}

// A business year from July 2008: January to March is the first quarter of 2009, July to September the
// third of 2008.
TEST(VatReturnTest, BusinessYearFromJuly) {
    VatBooks v(3, 7);
    v.account(1200, "BANK");
    v.account(8400, cp<"ERLÖSE 19%">().data());
    v.sale("15.08", 1200, 8400, 119.00, 19);
    v.sale("15.02", 1200, 8400, 238.00, 19);
    const Outcome spring = generate(v, 1, 3);
    EXPECT_EQ(spring.text.substr(0, header("Buchungsjahr 07.2008-06.2009", "Zeitraum: 01.01.2009-31.03.2009").size()),
              header("Buchungsjahr 07.2008-06.2009", "Zeitraum: 01.01.2009-31.03.2009"));
    EXPECT_NE(transfer(v, "001-0941.u09").find("\r\n941=X\r\n81=200.00\r\n"), std::string::npos);
    generate(v, 7, 9);
    EXPECT_NE(transfer(v, "001-0843.u08").find("\r\n843=X\r\n81=100.00\r\n"), std::string::npos);
}

// More than 20 rates: one message per table; the rates without a place still count in every total.
TEST(VatReturnTest, TooManyRates) {
    VatBooks v(3);
    std::string journal;
    for (int rate = 1; rate <= 21; ++rate)
        for (auto [debit, credit] : {std::pair{" 1200", " 8400"}, std::pair{" 1579", " 1779"}}) {
            const ledger::JournalRecord r = ledger::makeJournalRecord(
                posting::testing::line("10.03", "", debit, credit, "Satz", 100.0, rate));
            journal.append(r.data(), r.size());
        }
    testing::writeFile(v.b.jouPath, journal);
    ASSERT_EQ(v.b.journalIndex.rebuild(), 1);
    const Outcome run = generate(v, 3, 3);
    ASSERT_EQ(run.code, 1);
    ASSERT_EQ(v.b.messages.entries.size(), 2u);
    EXPECT_EQ(v.b.messages.entries[0].text,
              cp<"Zu viele unterschiedliche Mehrwertsteuersätze.\nEs können nicht alle Einzelposten aufgeführt werden !">());
    EXPECT_EQ(v.b.messages.entries[1].text,
              cp<"Zu viele unterschiedliche EU-Mehrwertsteuersätze.\nEs können nicht alle Einzelposten aufgeführt "
                 "werden !">());
    Cents net = 0, vat = 0;
    for (int rate = 1; rate <= 21; ++rate) {
        vat += vatOf(100.0, rate);
        net += 10000 - vatOf(100.0, rate);
    }
    EXPECT_NE(run.text.find(both(cp<"Summe Umsätze:">(), net, vat)), std::string::npos);
    EXPECT_NE(run.text.find(atRate(cp<"Umsätze zu ">(), 2000)), std::string::npos);
    EXPECT_EQ(run.text.find(atRate(cp<"Umsätze zu ">(), 2100)), std::string::npos);
    EXPECT_NE(run.text.find(vatColumn(cp<"Sonstige EU-Umsätze:">(), 10000)), std::string::npos);
    EXPECT_NE(run.text.find(amountColumn(cp<"Sonstige EU-Umsätze:">(), 10000)), std::string::npos);
}

// A transfer file that cannot be renamed into place leaves the previous one whole and no work file.
std::string failingTarget;
int failRenameTo(platform::Change change, const std::string& path) {
    return change == platform::Change::Rename && path == failingTarget ? EIO : platform::kProceed;
}

TEST(VatReturnTest, TransferFileReplacedWholeOrNotAtAll) {
    VatBooks v(3);
    fillChart03(v);
    testing::writeFile(v.b.dir.file("BK000001/001-0907.u09"), "older file\r\n");
    failingTarget = v.b.dir.file("BK000001/001-0907.u09");
    platform::setFaultHook(failRenameTo);
    const int code = generate(v, 7, 7).code;
    platform::setFaultHook(nullptr);
    EXPECT_EQ(code, 0);
    ASSERT_EQ(v.b.messages.entries.size(), 1u);
    EXPECT_EQ(v.b.messages.last().text, cp<"Fehler beim Schreiben der temporären Datei !">());
    EXPECT_EQ(transfer(v, "001-0907.u09"), "older file\r\n");
    EXPECT_EQ(circleFiles(v), std::vector<std::string>{"001-0907.u09"});
}

// Every change the run makes to a file failing in turn: the transfer name holds the older file or the
// complete new one, and no work file is left beside it.
int g_changes = 0;
int g_failAt = 0;
int failNthChange(platform::Change, const std::string&) { return ++g_changes == g_failAt ? EIO : platform::kProceed; }

TEST(VatReturnTest, TransferFileSurvivesAFailureAtEveryWritePoint) {
    VatBooks v(3);
    fillChart03(v);
    ASSERT_EQ(generate(v, 7, 7).code, 1);
    const std::string complete = transfer(v, "001-0907.u09");
    g_failAt = 0;
    g_changes = 0;
    platform::setFaultHook(failNthChange);
    ASSERT_EQ(generate(v, 7, 7).code, 1);
    platform::setFaultHook(nullptr);
    const int points = g_changes;
    ASSERT_GT(points, 3);
    for (int n = 1; n <= points; ++n) {
        SCOPED_TRACE(n);
        testing::writeFile(v.b.dir.file("BK000001/001-0907.u09"), "older file\r\n");
        v.b.messages.entries.clear();
        g_failAt = n;
        g_changes = 0;
        platform::setFaultHook(failNthChange);
        const int code = generate(v, 7, 7).code;
        platform::setFaultHook(nullptr);
        const std::string now = transfer(v, "001-0907.u09");
        EXPECT_TRUE(now == "older file\r\n" || now == complete) << now;
        if (code == 1) {
            EXPECT_EQ(now, complete);
        } else {
            EXPECT_FALSE(v.b.messages.empty());
        }
        EXPECT_EQ(circleFiles(v), std::vector<std::string>{"001-0907.u09"});
    }
}

}  // namespace
}  // namespace tellmark::reports
