#include "reports/sample_ledgers.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "resources/cp1252_literal.h"
#include "resources/format.h"

namespace tellmark::testing {

namespace {

// A setup that fails throws; the test that asked for the books fails with the reason.
void require(bool condition, const char* what) {
    if (!condition) throw std::runtime_error(what);
}

std::string twoDigits(int year) { return format("%02i", year % 100); }

config::CircleSettings baseSettings(int chart) {
    config::CircleSettings s;
    s.name = std::string(kSampleCircleName);
    s.chart = chart;
    s.vatOn = 1;
    s.cashBasis = 0;
    s.currency1 = std::string(kSampleCurrency);
    s.currency2 = "DEM";
    s.currencyFactor = "1.95583";
    return s;
}

// The numbers of the sample books; opening and posting amounts are the same in both charts.
void fillSampleBooks(SampleLedger& l, const SampleAccounts& a) {
    // Created out of number order on purpose.
    l.addAccount(a.revenue, cp<"ERLÖSE 19%">());
    l.addAccount(a.bank, "BANK");
    l.addAccount(a.customerSchmidt, "SCHMIDT KG");
    l.addAccount(a.inputVat, "VORSTEUER");
    l.addAccount(a.outputVat, "MEHRWERTSTEUER");
    l.addAccount(a.capital, "KAPITAL");
    l.addAccount(a.supplierNord, "GROSSHANDEL NORD");
    l.addAccount(a.cash, "KASSE");
    l.addAccount(a.office, cp<"BÜROBEDARF">());
    l.addAccount(a.customerMueller, cp<"MÜLLER GMBH">());
    l.addAccount(a.privateWithdrawals, "PRIVATENTNAHMEN");
    l.addAccount(a.openingBalances, cp<"SALDENVORTRÄGE SACHKONTEN">());
    l.addAccount(a.purchases, "WARENEINGANG 19%");
    l.addAccount(a.rent, "MIETE");
    l.addAccount(a.supplierMeier, cp<"BÜROMARKT MEIER">());
    l.addAccount(a.entertainment, "BEWIRTUNG");
    l.addAccount(a.customerAlpha, "ALPHA AG");

    // Opening balances carried forward, against the opening-balance account.
    l.post(a.capital, 0, -15000.00);
    l.post(a.cash, 0, 500.00);
    l.post(a.bank, 0, 12000.00);
    l.post(a.customerMueller, 0, 1190.00);
    l.post(a.supplierMeier, 0, -595.00);
    l.post(a.openingBalances, 0, 1905.00);

    l.bookSale(1, a.customerMueller, a.revenue, 1000.00, 190.00, a.outputVat);
    l.book(2, a.bank, a.customerMueller, 1190.00);
    l.bookPurchase(2, a.purchases, a.supplierNord, 2000.00, 380.00, a.inputVat);
    l.book(3, a.rent, a.bank, 800.00);
    l.bookPurchase(4, a.office, a.cash, 50.00, 9.50, a.inputVat);
    l.bookSale(5, a.cash, a.revenue, 300.00, 57.00, a.outputVat);
    l.book(6, a.supplierMeier, a.bank, 595.00);
    l.book(7, a.privateWithdrawals, a.bank, 1000.00);
    l.bookSale(9, a.customerSchmidt, a.revenue, 2000.00, 380.00, a.outputVat);
    l.book(11, a.supplierNord, a.bank, 2380.00);
    l.book(12, a.bank, a.customerSchmidt, 1000.00);
    // Closing entry: the input VAT is offset against the output VAT.
    l.book(13, a.outputVat, a.inputVat, 389.50);
}

}  // namespace

config::CircleSettings sampleSettings(int chart, int year) {
    config::CircleSettings s = baseSettings(chart);
    s.year = year;
    s.firstMonthSetting = 1;
    s.spanYear = 0;
    s.firstMonth = 1;
    s.lastMonth = 12;
    s.firstYear4 = year;
    s.secondYear4 = year;
    s.firstYear2 = year % 100;
    s.secondYear2 = year % 100;
    s.firstYearText = twoDigits(year);
    s.secondYearText = twoDigits(year);
    return s;
}

config::CircleSettings sampleSpanSettings(int chart, int firstYear, int firstMonth) {
    config::CircleSettings s = baseSettings(chart);
    const int secondYear = firstYear + 1;
    s.year = (firstYear % 100) * 100 + secondYear % 100;
    s.firstMonthSetting = firstMonth;
    s.spanYear = 1;
    s.firstMonth = firstMonth;
    s.lastMonth = firstMonth == 1 ? 12 : firstMonth - 1;
    s.firstYear4 = firstYear;
    s.secondYear4 = secondYear;
    s.firstYear2 = firstYear % 100;
    s.secondYear2 = secondYear % 100;
    s.firstYearText = twoDigits(firstYear);
    s.secondYearText = twoDigits(secondYear);
    return s;
}

SampleLedger::SampleLedger(const config::CircleSettings& circle) : settings(circle) {
    balancePath_ = dir.file("B2009001.sal");
    indexPath_ = dir.file("B2009001.sdx");
    writeFile(balancePath_, "");
    require(balanceFile.open(balancePath_, platform::Share::DenyWrite), "balance file cannot be opened");
    cursor.attach(balanceFile, settings.spanYear, settings.firstMonth, settings.chart == 4 ? 4 : 3);
    index.attach(indexPath_, balanceFile);
    require(index.open() == 1, "account index cannot be built");
    cursor.useIndex(index);
}

int SampleLedger::addAccount(int number, std::string_view name) {
    const std::string numberText = format(number < 10000 ? "%04i" : "%05i", number);
    require(cursor.createAccount(numberText, name, 0.0) == 1, "account cannot be created");
    const int record = cursor.recordNumber();
    require(index.insert(record, number, name, true) == 1, "account cannot be indexed");
    records_[number] = record;
    return record;
}

void SampleLedger::post(int number, int calendarMonth, double amount) {
    const int record = recordOf(number);
    require(record >= 0, "account not in the sample books");
    require(cursor.read(record) == number, "account record cannot be read");
    require(cursor.addToMonth(calendarMonth, amount, calendarMonth == 0) == 1, "amount cannot be posted");
}

void SampleLedger::book(int calendarMonth, int debit, int credit, double amount) {
    post(debit, calendarMonth, amount);
    post(credit, calendarMonth, -amount);
}

void SampleLedger::bookSale(int calendarMonth, int debit, int revenue, double net, double vat, int outputVat) {
    post(debit, calendarMonth, net + vat);
    post(revenue, calendarMonth, -net);
    post(outputVat, calendarMonth, -vat);
}

void SampleLedger::bookPurchase(int calendarMonth, int expense, int credit, double net, double vat, int inputVat) {
    post(expense, calendarMonth, net);
    post(inputVat, calendarMonth, vat);
    post(credit, calendarMonth, -(net + vat));
}

void SampleLedger::addAccounts(const std::vector<std::pair<int, std::string>>& accounts) {
    for (const auto& [number, name] : accounts) {
        const std::string numberText = format(number < 10000 ? "%04i" : "%05i", number);
        require(cursor.createAccount(numberText, name, 0.0) == 1, "account cannot be created");
        records_[number] = cursor.recordNumber();
    }
    require(index.rebuild() == 1, "account index cannot be rebuilt");
}

int SampleLedger::recordOf(int number) const {
    const auto it = records_.find(number);
    return it == records_.end() ? -1 : it->second;
}

SampleAccounts sampleAccounts(int chart) {
    SampleAccounts a{};
    if (chart == 4) {
        a.capital = 2000;
        a.cash = 1600;
        a.bank = 1800;
        a.inputVat = 1400;
        a.outputVat = 3800;
        a.privateWithdrawals = 2100;
        a.purchases = 5400;
        a.rent = 6310;
        a.entertainment = 6640;
        a.office = 6815;
        a.revenue = 4400;
    } else {
        a.capital = 880;
        a.cash = 1000;
        a.bank = 1200;
        a.inputVat = 1570;
        a.outputVat = 1770;
        a.privateWithdrawals = 1800;
        a.purchases = 3400;
        a.rent = 4210;
        a.entertainment = 4650;
        a.office = 4930;
        a.revenue = 8400;
    }
    a.openingBalances = 9000;
    return a;
}

std::unique_ptr<SampleLedger> makeSampleLedger(int chart) {
    auto ledger = std::make_unique<SampleLedger>(sampleSettings(chart, 2009));
    fillSampleBooks(*ledger, sampleAccounts(chart));
    return ledger;
}

std::unique_ptr<SampleLedger> makeSampleLedgerJuly() {
    auto ledger = std::make_unique<SampleLedger>(sampleSpanSettings(3, 2008, 7));
    fillSampleBooks(*ledger, sampleAccounts(3));
    return ledger;
}

}  // namespace tellmark::testing
