#pragma once
// Sample books for the report tests: a balance file with its account index in a temporary directory, the
// cursor and the settings of the booking circle, all owned by one object so that tests can hand them to a
// report generator directly.
//
// The sample books (booking year 2009, or 2008/2009 from July for the July variant) hold the accounts
// below; chart 03 and chart 04 carry the same amounts on their own account numbers. The accounts are
// created in the file in a scrambled order, so a report that walks the file instead of the index shows.
//
//   chart 03  chart 04  name                        slots (calendar months; 0 opening, 13 closing)
//   ----------------------------------------------------------------------------------------------------
//      880      2000    KAPITAL                     0: -15000.00 (status '9')
//     1000      1600    KASSE                       0: 500.00 (status '9'), 4: -59.50, 5: 357.00
//     1200      1800    BANK                        0: 12000.00 (status '9'), 2: 1190.00, 3: -800.00,
//                                                   6: -595.00, 7: -1000.00, 11: -2380.00, 12: 1000.00
//     1570      1400    VORSTEUER                   2: 380.00, 4: 9.50, 13: -389.50
//     1770      3800    MEHRWERTSTEUER              1: -190.00, 5: -57.00, 9: -380.00, 13: 389.50
//     1800      2100    PRIVATENTNAHMEN             7: 1000.00
//     3400      5400    WARENEINGANG 19%            2: 2000.00
//     4210      6310    MIETE                       3: 800.00
//     4650      6640    BEWIRTUNG                   no amounts
//     4930      6815    BÜROBEDARF                  4: 50.00
//     8400      4400    ERLÖSE 19%                  1: -1000.00, 5: -300.00, 9: -2000.00
//     9000      9000    SALDENVORTRÄGE SACHKONTEN   0: 1905.00 (status '9')
//    10000     10000    MÜLLER GMBH                 0: 1190.00 (status '9'), 1: 1190.00, 2: -1190.00
//    10001     10001    SCHMIDT KG                  9: 2380.00, 12: -1000.00
//    10002     10002    ALPHA AG                    no amounts
//    20000     20000    BÜROMARKT MEIER             0: -595.00 (status '9'), 6: 595.00
//    20001     20001    GROSSHANDEL NORD            2: -2380.00, 11: 2380.00
//
// Closing balances: KAPITAL -15000.00, KASSE 797.50, BANK 9415.00, VORSTEUER 0.00, MEHRWERTSTEUER -237.50,
// PRIVATENTNAHMEN 1000.00, WARENEINGANG 2000.00, MIETE 800.00, BÜROBEDARF 50.00, ERLÖSE -3300.00,
// SALDENVORTRÄGE 1905.00, MÜLLER 1190.00, SCHMIDT 1380.00, the suppliers 0.00. Every booking posts equal
// debits and credits, so every slot sums to zero over all accounts.
//
// The circle is named kSampleCircleName, its currency is "EUR". In the July variant (chart 03, booking
// year 809: July 2008 to June 2009) the same calendar months are posted, so calendar month 7 lies in slot 1
// and calendar month 6 in slot 12.
//
// Names are CP1252 bytes (the umlauts are single bytes).

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::testing {

inline constexpr std::string_view kSampleCircleName = "Musterhandel GmbH, Hauptstr. 1, 12345 Musterstadt";
inline constexpr std::string_view kSampleCurrency = "EUR";

// Settings of a booking circle with a calendar business year: chart 3 or 4, a four-digit year.
config::CircleSettings sampleSettings(int chart, int year);
// Settings of a booking circle whose business year runs from firstMonth of firstYear (four digits) to
// the month before in the next year; the stored year is the span code (809 for 2008/2009).
config::CircleSettings sampleSpanSettings(int chart, int firstYear, int firstMonth);

class SampleLedger {
public:
    // An empty balance file and an index over it, in a fresh temporary directory.
    explicit SampleLedger(const config::CircleSettings& settings);
    SampleLedger(const SampleLedger&) = delete;
    SampleLedger& operator=(const SampleLedger&) = delete;

    // Appends an account to the balance file and the index; its amounts stay 0.00. Returns its record.
    int addAccount(int number, std::string_view name);
    // Appends many accounts at once and builds the index afresh afterwards (large books).
    void addAccounts(const std::vector<std::pair<int, std::string>>& accounts);
    // Posts amount (debit positive) to a calendar month of an existing account; month 0 with the
    // opening flag (status '9').
    void post(int number, int calendarMonth, double amount);
    // A booking: the amount to the debit account and its negative to the credit account.
    void book(int calendarMonth, int debit, int credit, double amount);
    // A sale: the gross amount in debit, net amount and output VAT in credit.
    void bookSale(int calendarMonth, int debit, int revenue, double net, double vat, int outputVat);
    // A purchase or expense: net amount and input VAT in debit, the gross amount in credit.
    void bookPurchase(int calendarMonth, int expense, int credit, double net, double vat, int inputVat);

    // Record number of an account added through addAccount; -1 for an unknown one.
    int recordOf(int number) const;

    const std::string& balancePath() const { return balancePath_; }
    const std::string& indexPath() const { return indexPath_; }

    TempDir dir;
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    config::CircleSettings settings;
    platform::File balanceFile;
    ledger::CSalden cursor{messages};
    ledger::CSIndex index{messages, progress};

private:
    std::string balancePath_;
    std::string indexPath_;
    std::map<int, int> records_;
};

// Account numbers of the sample books in one chart.
struct SampleAccounts {
    int capital, cash, bank, inputVat, outputVat, privateWithdrawals, purchases, rent, entertainment, office,
        revenue, openingBalances;
    int customerMueller = 10000, customerSchmidt = 10001, customerAlpha = 10002;
    int supplierMeier = 20000, supplierNord = 20001;
};
SampleAccounts sampleAccounts(int chart);

// The sample books described above, chart 3 or 4, booking year 2009.
std::unique_ptr<SampleLedger> makeSampleLedger(int chart);
// The same bookings, chart 03, in the business year July 2008 to June 2009 (booking year 809).
std::unique_ptr<SampleLedger> makeSampleLedgerJuly();

}  // namespace tellmark::testing
