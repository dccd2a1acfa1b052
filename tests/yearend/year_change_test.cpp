// The booking year change: the new year's balance file as the carry-forward rule of each chart makes it,
// an existing year opened as it is, the choices of the chart take-over, and the typed year.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "config/file_names.h"
#include "ledger/journal_record.h"
#include "platform/file.h"
#include "posting/posting_engine.h"
#include "resources/texts_safety.h"
#include "yearend/year_deletion.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_year_change.h"
#include "yearend/year_books.h"
#include "yearend/year_change.h"

namespace tellmark::yearend {
namespace {

using namespace testing;

// Chart 03 accounts at the edges of every range of the carry-forward rule.
const std::vector<Account> kChart03 = {
    {200, "GRUNDSTUECKE", 1000.00, 0.00, 0.00},     {1000, "KASSE", 150.25, 49.75, 0.00},
    {1569, "RANDKONTO", 10.00, 0.00, 0.00},          {1570, "VORSTEUER", 0.00, 38.00, 0.00},
    {1589, "VST-RAND", 1.00, 0.00, 0.00},            {1590, "DURCHLAUFENDE", 0.00, 12.00, 0.00},
    {1759, "RAND 1759", 7.00, 0.00, 0.00},           {1770, "MEHRWERTSTEUER", 0.00, -57.00, 0.00},
    {1800, "PRIVATENTNAHMEN", 0.00, 300.00, 0.00},    {1890, "EIGENKAPITAL", -5000.00, 0.00, 0.00},
    {1900, "PRIVAT", 0.00, 250.00, 0.00},            {1999, "PRIVAT ENDE", 0.00, 5.00, 0.00},
    {2000, "NEUTRAL", 0.00, 20.00, 0.00},            {3899, "WARENEINGANG", 0.00, 80.00, 0.00},
    {3900, "BESTAND WAREN", 400.00, 0.00, -25.00},   {4930, "BUEROBEDARF", 0.00, 42.10, 0.00},
    {8400, "ERLOESE", 0.00, -300.00, 0.00},          {9000, "SALDENVORTRAEGE", 1.50, 0.00, 0.00},
    {10000, "KUNDE", 119.00, 0.00, 0.00},            {29999, "LIEFERANT", -80.00, 0.00, -0.99},
};

// The new year's balance file when each account keeps its total where `keeps` says so.
std::string expected(const std::vector<Account>& accounts, const std::vector<int>& kept) {
    std::string out;
    for (const Account& a : accounts) {
        const bool keeps = std::find(kept.begin(), kept.end(), a.number) != kept.end();
        out += newRecord(a.number, a.name, keeps ? a.total() : 0.0);
    }
    return out;
}

TEST(YearChange, Chart03CarriesTheBalanceAccountsAndResetsThePrivateAccountsWhenChosen) {
    const std::vector<int> balanceAccounts = {200, 1000, 1569, 1590, 1759, 1800, 1890, 3900, 9000, 10000, 29999};
    for (bool reset : {true, false}) {
        YearBooks books({}, kChart03);
        const std::string oldBalance = readFile(books.file("2009", "sal"));
        const std::string oldIndex = readFile(books.file("2009", "sdx"));
        YearChangeChoices choices;
        choices.resetPrivate = reset;
        ASSERT_EQ(changeBookingYear(books.doc, 2010, choices), YearChangeEnd::Changed);

        std::vector<int> kept = balanceAccounts;
        if (!reset) kept.insert(kept.end(), {1900, 1999});
        EXPECT_EQ(readFile(books.file("2010", "sal")), expected(kChart03, kept)) << "reset " << reset;
        EXPECT_EQ(readFile(books.file("2010", "jou")), "");
        EXPECT_EQ(books.yearLine(), "Jahr=2010");
        EXPECT_TRUE(books.doc.isOpen());
        EXPECT_EQ(books.doc.title(), "Nr: 1 - Muster GmbH - 2010");
        EXPECT_EQ(books.doc.settings().year, 2010);
        EXPECT_EQ(books.doc.accountIndex().count(), static_cast<int>(kChart03.size()));
        // The old year is only read.
        EXPECT_EQ(readFile(books.file("2009", "sal")), oldBalance);
        EXPECT_EQ(readFile(books.file("2009", "sdx")), oldIndex);
        EXPECT_EQ(readFile(books.file("2009", "jou")), "");
        EXPECT_TRUE(books.messages.empty());
    }
}

TEST(YearChange, ThePrivateChoiceCountsOnlyForACashBasisChart03Circle) {
    CircleSetup balanceSheet;
    balanceSheet.cashBasis = false;
    YearBooks books(balanceSheet, kChart03);
    EXPECT_FALSE(privateChoiceShown(books.doc.settings()));
    ASSERT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
    EXPECT_EQ(readFile(books.file("2010", "sal")),
              expected(kChart03, {200, 1000, 1569, 1590, 1759, 1800, 1890, 1900, 1999, 3900, 9000, 10000, 29999}));
}

TEST(YearChange, Chart04BusinessYearFromJulyIntoTheNext) {
    const std::vector<Account> accounts = {
        {100, "IMMATERIELL", 500.00, 0.00, 0.00},   {1399, "RAND 1399", 3.00, 0.00, 0.00},
        {1400, "FORDERUNGEN VST", 9.00, 0.00, 0.00}, {1410, "VORSTEUER", 0.00, 19.00, 0.00},
        {1420, "SONST. VERMOEGEN", 0.00, 11.00, 0.00}, {1800, "BANK", 2500.00, -120.40, 13.00},
        {2100, "PRIVAT", 0.00, 600.00, 0.00},       {3799, "VERBINDLICHKEITEN", -60.00, 0.00, 0.00},
        {3800, "UMSATZSTEUER", 0.00, -76.00, 0.00}, {3829, "UST-RAND", 0.00, -1.00, 0.00},
        {3830, "UST-VORAUSZAHLUNG", 40.00, 0.00, 0.00}, {4400, "ERLOESE", 0.00, -400.00, 0.00},
        {6815, "BUEROBEDARF", 0.00, 30.00, 0.00},   {8999, "RAND 8999", 0.00, 4.00, 0.00},
        {9000, "VORTRAG", 2.00, 0.00, 0.00},        {12000, "KUNDE", 10.00, 5.00, 0.00},
    };
    CircleSetup setup;
    setup.chart = "04";
    setup.year = "0809";
    setup.firstMonth = "07";
    YearBooks books(setup, accounts);
    EXPECT_FALSE(privateChoiceShown(books.doc.settings()));
    EXPECT_EQ(chartTakeOverIntro(books.doc.settings()),
              "Wenn Sie den Kontenplan von 809 \xFC" "bernehmen wollen, werden vom Programm die Salden der Gewinn- und "
              "Verlustkonten (Klasse 4, 5, 6, und 7) auf 0,00 zur\xFC" "ckgesetzt.");
    ASSERT_EQ(changeBookingYear(books.doc, 910, {}), YearChangeEnd::Changed);
    EXPECT_EQ(readFile(books.file("0910", "sal")),
              expected(accounts, {100, 1399, 1420, 1800, 2100, 3799, 3830, 9000, 12000}));
    EXPECT_EQ(books.yearLine(), "Jahr= 910");
    EXPECT_EQ(books.doc.title(), "Nr: 1 - Muster GmbH - 07.09-06.10");
    EXPECT_EQ(books.doc.settings().firstMonth, 7);
}

TEST(YearChange, WithoutBalancesOrWithoutTheChart) {
    {
        YearBooks books({}, kChart03);
        YearChangeChoices choices;
        choices.takeBalances = false;
        ASSERT_EQ(changeBookingYear(books.doc, 2010, choices), YearChangeEnd::Changed);
        EXPECT_EQ(readFile(books.file("2010", "sal")), expected(kChart03, {}));
    }
    {
        YearBooks books({}, kChart03);
        YearChangeChoices choices;
        choices.takeChart = false;
        ASSERT_EQ(changeBookingYear(books.doc, 2010, choices), YearChangeEnd::Changed);
        // Empty files; the opening gives the balance file its two VAT accounts as for any new circle.
        EXPECT_EQ(readFile(books.file("2010", "sal")),
                  newRecord(1570, "VORSTEUER", 0.0) + newRecord(1770, "MEHRWERTSTEUER", 0.0));
        EXPECT_EQ(readFile(books.file("2010", "jou")), "");
        EXPECT_EQ(books.doc.accountIndex().count(), 2);
    }
}

TEST(YearChange, AYearThatExistsIsOpenedAsItIs) {
    YearBooks books({}, kChart03);
    ASSERT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
    // The new year lives its own life; going back and forth copies nothing.
    writeFile(books.file("2010", "jou"), "");
    const std::string year2010 = readFile(books.file("2010", "sal"));
    const std::string year2009 = readFile(books.file("2009", "sal"));
    YearChangeChoices nothing;
    nothing.takeChart = false;
    ASSERT_EQ(changeBookingYear(books.doc, 2009, nothing), YearChangeEnd::Changed);
    EXPECT_EQ(books.doc.title(), "Nr: 1 - Muster GmbH - 2009");
    EXPECT_EQ(readFile(books.file("2009", "sal")), year2009);
    ASSERT_EQ(changeBookingYear(books.doc, 2010, nothing), YearChangeEnd::Changed);
    EXPECT_EQ(readFile(books.file("2010", "sal")), year2010);
    EXPECT_EQ(probeNewYear(books.doc, 2009), NewYearState::Present);
    EXPECT_EQ(probeNewYear(books.doc, 2011), NewYearState::Missing);
    EXPECT_TRUE(books.messages.empty());
}

TEST(YearChange, ALockedNewYearIsRefusedAndTheOldYearStaysOpen) {
    YearBooks books({}, kChart03);
    const std::string settings = books.settingsText();
    writeFile(books.file("2010", "jou"), "");
    platform::File other;  // another copy holds the year
    ASSERT_TRUE(other.open(books.file("2010", "jou"), platform::Share::DenyWrite));
    EXPECT_EQ(probeNewYear(books.doc, 2010), NewYearState::Locked);
    EXPECT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Refused);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text, text::kMsgCircleLocked);
    EXPECT_EQ(books.messages.last().caption, "FEHLER");
    EXPECT_EQ(books.settingsText(), settings);
    EXPECT_FALSE(fileExists(books.file("2010", "sal")));
    EXPECT_TRUE(books.doc.isOpen());
    EXPECT_EQ(books.doc.settings().year, 2009);
}

TEST(YearChange, AnExistingYearWhoseJournalIsGoneGoesBackToTheOldYear) {
    YearBooks books({}, kChart03);
    ASSERT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
    ASSERT_EQ(changeBookingYear(books.doc, 2009, {}), YearChangeEnd::Changed);
    ASSERT_TRUE(std::remove(books.file("2010", "jou").c_str()) == 0);
    books.messages.entries.clear();
    // A balance file without its journal is lost bookings, never a year to fill with empty files.
    EXPECT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Restored);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text, text::kMsgYearChangeFailed);
    EXPECT_EQ(books.messages.last().caption, "Beim Buchungsjahrwechsel ist ein Fehler aufgetreten. ");
    EXPECT_FALSE(fileExists(books.file("2010", "jou")));
    EXPECT_EQ(books.yearLine(), "Jahr=2009");
    EXPECT_EQ(books.doc.title(), "Nr: 1 - Muster GmbH - 2009");
}

// The balance file of a year deleted, its journal kept: made anew, it must hold the journal's bookings too.
TEST(YearChange, AJournalWithoutItsBalanceFileIsPostedOntoTheNewBalances) {
    const std::vector<Account> accounts = {{1000, "KASSE", 150.25, 49.75, 0.00},
                                           {1200, "BANK", 2000.00, -310.00, 0.00},
                                           {8400, "ERLOESE", 0.00, -300.00, 0.00}};
    YearBooks books({}, accounts);
    ASSERT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
    posting::Books open = books.doc.books();
    const ledger::BookingTexts booking{"05.03", "000001", " 1000", " 1200", "Bargeld", format("%11.2f", 30.0),
                                       format("%5.2f", 0.0)};
    ASSERT_EQ(posting::saveBooking(open, booking), 1);
    const std::string journal = readFile(books.file("2010", "jou"));
    ASSERT_EQ(changeBookingYear(books.doc, 2009, {}), YearChangeEnd::Changed);
    YearDeletionStatus deleted;
    ASSERT_EQ(deleteBookingYear(books.doc, 2010, true, false, deleted), YearDeletionEnd::Done);
    books.messages.entries.clear();

    ASSERT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
    auto posted = [](int number, const std::string& name, double opening, double march) {
        ledger::AccountRecord r;
        EXPECT_TRUE(ledger::AccountRecord::makeNew(numberText(number), name, opening, r));
        r.setStatus(ledger::kStatusPosted);
        r.setSlot(3, march);
        return std::string(r.bytes());
    };
    EXPECT_EQ(readFile(books.file("2010", "sal")), posted(1000, "KASSE", 200.00, 30.00) +
                                                         posted(1200, "BANK", 1690.00, -30.00) +
                                                         newRecord(8400, "ERLOESE", 0.00));
    EXPECT_EQ(readFile(books.file("2010", "jou")), journal);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text, format(text::kUnfinishedRecovered, "Buchungsjahrwechsel", 1L));
    EXPECT_EQ(books.messages.last().caption, "INFORMATION");
    EXPECT_FALSE(fileExists(books.file("2010", "lauf")));
    EXPECT_TRUE(books.doc.health().writable());
}

TEST(YearChange, OldFormatFilesOfTheYearAreLeftToTheOpening) {
    YearBooks books({}, kChart03);
    EXPECT_EQ(probeNewYear(books.doc, 2010), NewYearState::Missing);
    writeFile(config::oldBalanceFileName("", 3, 2010, 1), "x");
    EXPECT_EQ(probeNewYear(books.doc, 2010), NewYearState::Missing);  // the journal is needed too
    writeFile(config::oldJournalFileName("", 3, 2010, 1), "x");
    EXPECT_EQ(probeNewYear(books.doc, 2010), NewYearState::OldFormat);
}

TEST(YearChange, TheTypedYear) {
    ui::RecordingMessages messages;
    EXPECT_EQ(parseBookingYear("2010", 2009, messages), 2010);
    EXPECT_EQ(parseBookingYear("1951", 0, messages), 1951);
    EXPECT_EQ(parseBookingYear("2049", 0, messages), 2049);
    EXPECT_EQ(parseBookingYear("0910", 809, messages), 910);
    EXPECT_EQ(parseBookingYear("9900", 9899, messages), 9900);
    EXPECT_EQ(parseBookingYear("2021", 2020, messages), 2021);  // 21 = 20 + 1, and still a calendar year
    EXPECT_TRUE(messages.empty());
    for (const char* typed : {"", "201", "20100", "2O10", " 2010", "2010 ", "1950", "2050", "0000"}) {
        messages.entries.clear();
        EXPECT_EQ(parseBookingYear(typed, 0, messages), -1) << typed;
        ASSERT_EQ(messages.entries.size(), 1u) << typed;
        EXPECT_EQ(messages.last().text, text::kMsgInvalidBookingYear);
        EXPECT_EQ(messages.last().caption, "FEHLER");
    }
    // A business year from July stays one, and a calendar year stays a calendar year.
    EXPECT_EQ(parseBookingYear("2010", 809, messages), -1);
    EXPECT_EQ(parseBookingYear("0910", 2009, messages), -1);
}

}  // namespace
}  // namespace tellmark::yearend
