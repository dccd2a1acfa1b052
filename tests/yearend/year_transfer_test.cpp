// Taking over the previous year's closing balances again after bookings were added to the previous year:
// exactly the accounts whose opening balance no longer fits are asked about and changed as answered.

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/fault_points.h"
#include "posting/account_maintenance.h"
#include "posting/posting_engine.h"
#include "resources/texts_year_change.h"
#include "resources/texts_yearend.h"
#include "ui/decisions.h"
#include "yearend/closing_balance_transfer.h"
#include "yearend/year_books.h"
#include "yearend/year_change.h"

namespace tellmark::yearend {
namespace {

using namespace testing;

enum class Fault { FailOnce, Tear };

const std::vector<Account> kAccounts = {
    {1000, "KASSE", 150.00, 50.00, 0.00},     {1100, "POSTBANK", 20.00, 0.00, 0.00},
    {1200, "BANK", 2000.00, -310.00, 10.00},  {1570, "VORSTEUER", 0.00, 38.00, 0.00},
    {1770, "MEHRWERTSTEUER", 0.00, -57.00, 0.00}, {1900, "PRIVAT", 0.00, 120.00, 0.00},
    {8400, "ERLOESE", 0.00, -300.00, 0.00},
};

ledger::BookingTexts line(const std::string& date, int debit, int credit, const std::string& text, double amount) {
    return {date, "000001", numberText(debit), numberText(credit), text, format("%11.2f", amount), format("%5.2f", 0.0)};
}

// 2009 closed into 2010, then bookings added to 2009 afterwards; the circle is open on 2010 again.
struct TransferBooks {
    TransferBooks() : books({}, kAccounts) {
        EXPECT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
        YearChangeChoices none;
        none.takeChart = false;
        EXPECT_EQ(changeBookingYear(books.doc, 2009, none), YearChangeEnd::Changed);
        posting::Books open = books.doc.books();
        EXPECT_EQ(posting::saveBooking(open, line("10.12", 1000, 1200, "Bargeld", 100.00)), 1);
        EXPECT_EQ(posting::saveBooking(open, line("11.12", 1900, 1200, "Entnahme", 50.00)), 1);
        EXPECT_EQ(posting::saveBooking(open, line("12.12", 1200, 1100, "Umbuchung", 20.00)), 1);
        // An account the new year does not know.
        posting::AccountFiles files{books.doc.reportCursor(), books.doc.accountIndex(), books.doc.balanceFile(), 3,
                                    books.messages, &open};
        posting::NewAccount added;
        added.number = 1300;
        added.name = "FESTGELD";
        added.opening = "75.00";
        EXPECT_EQ(posting::createAccount(files, added), posting::MaintenanceResult::Done);
        EXPECT_EQ(changeBookingYear(books.doc, 2010, none), YearChangeEnd::Changed);
        books.messages.entries.clear();
        newYear = readFile(books.file("2010", "sal"));
        oldYear = readFile(books.file("2009", "sal"));
    }
    YearBooks books;
    std::string newYear, oldYear;
};

// The 2010 balance file with these opening balances of 1000, 1100 and 1200.
std::string newYearWith(double cash, double postbank, double bank) {
    return newRecord(1000, "KASSE", cash) + newRecord(1100, "POSTBANK", postbank) + newRecord(1200, "BANK", bank) +
           newRecord(1570, "VORSTEUER", 0.0) + newRecord(1770, "MEHRWERTSTEUER", 0.0) + newRecord(1900, "PRIVAT", 0.0) +
           newRecord(8400, "ERLOESE", 0.0);
}

class YearTransferTest : public ::testing::Test {
protected:
    TransferBooks setup;
    YearBooks& books = setup.books;
    const std::string& newYear = setup.newYear;
    const std::string& oldYear = setup.oldYear;
};

TEST_F(YearTransferTest, AsksExactlyForTheChangedAccountsAndWritesTheAnswers) {
    ASSERT_EQ(newYear, newYearWith(200.00, 20.00, 1700.00));
    ui::ScriptedDecisions answers;
    answers.push(kTakeClosingBalance);
    answers.push(kKeepOpeningBalance);
    answers.push(kTakeClosingBalance);
    const TransferResult result = transferClosingBalances(books.doc, answers);
    EXPECT_EQ(result.end, TransferEnd::Done);
    EXPECT_EQ(result.previousYear, 2009);
    EXPECT_EQ(result.taken, (std::vector<std::string>{" 1000", " 1200"}));

    // The private account and the account the new year lacks are never asked about; an account whose
    // closing balance came to 0.00 is.
    ASSERT_EQ(answers.asked.size(), 3u);
    const ui::Question& first = answers.asked[0];
    EXPECT_EQ(first.kind, kAskClosingBalance);
    EXPECT_EQ(first.text, "Wollen Sie den Vorjahresendbestand als neuen Anfangsbestand \xFC" "bernehmen ?");
    EXPECT_EQ(first.fields, (std::vector<std::string>{" 1000", "KASSE                    ", "Vorjahresendbestand (2009):",
                                                      "      300.00", "Akt. Anfangsbestand (2010):", "      200.00"}));
    EXPECT_EQ(first.answers, (std::vector<std::string>{"&Ja", "&Nein", "&Abbrechen"}));
    EXPECT_EQ(answers.asked[1].fields[0], " 1100");
    EXPECT_EQ(answers.asked[1].fields[3], "        0.00");
    EXPECT_EQ(answers.asked[2].fields[0], " 1200");
    EXPECT_EQ(answers.asked[2].fields[3], "     1570.00");

    EXPECT_EQ(readFile(books.file("2010", "sal")), newYearWith(300.00, 20.00, 1570.00));
    EXPECT_EQ(readFile(books.file("2009", "sal")), oldYear);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text, "Die \xDC" "bernahme de Vorjahresendbest\xE4nde ist beendet.");
    EXPECT_EQ(books.messages.last().caption, "INFORMATION");

    // Asked again, only the account kept is still different.
    ui::ScriptedDecisions again;
    const ClosingBalanceSurvey survey = surveyClosingBalances(books.doc);
    ASSERT_TRUE(survey.read);
    ASSERT_EQ(survey.differing.size(), 1u);
    EXPECT_EQ(survey.differing[0].number, 1100);
    EXPECT_EQ(survey.differing[0].previous, 0.0);
    EXPECT_EQ(survey.differing[0].current, 20.0);
}

TEST_F(YearTransferTest, StoppingOrNobodyToAskKeepsWhatIsNotTakenYet) {
    ui::ScriptedDecisions stop;
    stop.push(kStopTransfer);
    EXPECT_EQ(transferClosingBalances(books.doc, stop).end, TransferEnd::Cancelled);
    EXPECT_EQ(stop.asked.size(), 1u);
    EXPECT_EQ(readFile(books.file("2010", "sal")), newYear);
    EXPECT_EQ(books.messages.last().text, text::kMsgTransferDone);

    ui::NoDecisions nobody;
    EXPECT_EQ(transferClosingBalances(books.doc, nobody).end, TransferEnd::Unasked);
    EXPECT_EQ(readFile(books.file("2010", "sal")), newYear);

    ui::ScriptedDecisions firstOnly;
    firstOnly.push(kTakeClosingBalance);
    firstOnly.push(kStopTransfer);
    const TransferResult result = transferClosingBalances(books.doc, firstOnly);
    EXPECT_EQ(result.end, TransferEnd::Cancelled);
    EXPECT_EQ(readFile(books.file("2010", "sal")), newYearWith(300.00, 20.00, 1700.00));
    // The change is on the disk whole: the circle opens without anything to repair.
    books.doc.closeCircle();
    books.messages.entries.clear();
    ASSERT_EQ(books.doc.openCircle(1), 1);
    EXPECT_TRUE(books.messages.empty());
}

Fault g_fault = Fault::FailOnce;
int g_target = 0;
int g_seen = 0;

int faultHook(platform::Change change, const std::string&) {
    if (++g_seen != g_target) return platform::kProceed;
    return g_fault == Fault::Tear && change == platform::Change::Write ? platform::kTearWrite : EIO;
}

// A write that fails anywhere in the take-over leaves each account with its old or its new opening
// balance, and books that open without anything left to repair.
TEST(YearTransfer, AFaultAtEveryWritePointLeavesWholeBooks) {
    const std::string before = newYearWith(200.00, 20.00, 1700.00);
    const std::string first = newYearWith(300.00, 20.00, 1700.00);
    const std::string both = newYearWith(300.00, 20.00, 1570.00);
    for (Fault fault : {Fault::FailOnce, Fault::Tear}) {
        for (int n = 1;; ++n) {
            ASSERT_LT(n, 100);
            TransferBooks setup;
            ui::ScriptedDecisions answers;
            answers.push(kTakeClosingBalance);
            answers.push(kKeepOpeningBalance);
            answers.push(kTakeClosingBalance);
            g_fault = fault;
            g_target = n;
            g_seen = 0;
            platform::setFaultHook(faultHook);
            const TransferEnd end = transferClosingBalances(setup.books.doc, answers).end;
            platform::setFaultHook(nullptr);
            const std::string after = readFile(setup.books.file("2010", "sal"));
            EXPECT_TRUE(after == before || after == first || after == both) << "n " << n;
            EXPECT_EQ(readFile(setup.books.file("2009", "sal")), setup.oldYear) << "n " << n;
            setup.books.doc.closeCircle();
            ui::RecordingMessages messages;
            ui::NoProgress progress;
            circles::CVt36Doc again(messages, progress);
            ASSERT_EQ(again.readProgramConfig(), 1);
            ASSERT_EQ(again.openCircle(1), 1) << "n " << n;
            EXPECT_TRUE(again.health().writable()) << "n " << n;
            EXPECT_EQ(readFile(setup.books.file("2010", "sal")), after) << "n " << n;
            // Done once the accounts are on the disk, even when their record of the operation stays behind.
            if (end == TransferEnd::Done) {
                EXPECT_EQ(after, both) << "n " << n;
            }
            if (g_seen < n) {
                EXPECT_EQ(end, TransferEnd::Done);
                break;
            }
        }
    }
}

TEST(YearTransfer, WithoutAPreviousYearNothingChanges) {
    YearBooks books({}, kAccounts);
    const std::string balance = readFile(books.file("2009", "sal"));
    ui::ScriptedDecisions answers;
    EXPECT_EQ(transferClosingBalances(books.doc, answers).end, TransferEnd::Refused);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text, text::kMsgChartCopySourceUnreadable);
    EXPECT_EQ(books.messages.last().caption, "FEHLER");
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_EQ(readFile(books.file("2009", "sal")), balance);
}

TEST(YearTransfer, ABusinessYearTakesOverFromTheSpanBefore) {
    CircleSetup setup;
    setup.chart = "04";
    setup.year = "0809";
    setup.firstMonth = "07";
    YearBooks books(setup, {{1410, "VORSTEUER", 0.0, 19.0, 0.0}, {1800, "BANK", 100.0, 20.0, 0.0},
                            {3800, "UMSATZSTEUER", 0.0, -7.0, 0.0}});
    ASSERT_EQ(changeBookingYear(books.doc, 910, {}), YearChangeEnd::Changed);
    // The new year's opening balance typed wrong by hand.
    posting::Books open = books.doc.books();
    posting::AccountFiles files{books.doc.reportCursor(), books.doc.accountIndex(), books.doc.balanceFile(), 4,
                                books.messages, &open};
    ASSERT_EQ(posting::changeOpeningBalance(files, 1800, "99.00"), posting::MaintenanceResult::Done);
    ui::ScriptedDecisions answers;
    answers.push(kTakeClosingBalance);
    EXPECT_EQ(transferClosingBalances(books.doc, answers).end, TransferEnd::Done);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0].fields[2], "Vorjahresendbestand ( 809):");
    EXPECT_EQ(answers.asked[0].fields[4], "Akt. Anfangsbestand ( 910):");
    EXPECT_EQ(readFile(books.file("0910", "sal")),
              newRecord(1410, "VORSTEUER", 0.0) + newRecord(1800, "BANK", 120.0) + newRecord(3800, "UMSATZSTEUER", 0.0));
}

}  // namespace
}  // namespace tellmark::yearend
