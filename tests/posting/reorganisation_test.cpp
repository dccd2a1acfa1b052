// Reorganisation on real booking circles: the balances rebuilt from the journal must be the very bytes
// posting wrote; broken files stop it untouched; bad dates and missing accounts go to the person, and
// with nobody to ask nothing changes at all.

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <random>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "platform/fault_points.h"
#include "posting/account_maintenance.h"
#include "posting/posting_engine.h"
#include "posting/reorganisation.h"
#include "resources/format.h"
#include "resources/texts_reorganisation.h"
#include "support/temp_dir.h"
#include "ui/decisions.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::posting {
namespace {

using tellmark::testing::readFile;
using tellmark::testing::writeFile;

class Reorganise : public ::testing::Test {
public:
    Reorganise() : cd(dir.path()) {}

    // Circle n with VAT, chart 03 and a few accounts; year "0809" with firstMonth "07" is a span year.
    std::unique_ptr<circles::CVt36Doc> open(int n, const std::string& year = "2009", const std::string& firstMonth = "01",
                                            const std::string& chart = "03") {
        circles::CircleCreateFields fields;
        fields.name = "Muster GmbH";
        fields.year = year;
        fields.firstMonth = firstMonth;
        fields.chart = chart;
        EXPECT_EQ(circles::createCircleSettings("", n, fields, messages), 1);
        auto doc = std::make_unique<circles::CVt36Doc>(messages, progress);
        EXPECT_EQ(doc->readProgramConfig(), 1);
        EXPECT_EQ(doc->openCircle(n, circles::MissingLedger::CreateNew), 1);
        const int other = chart == "04" ? 6300 : 8400;  // 8400 lies outside the accounts of chart 04
        for (int number : {1000, 1200, 4400, 4700, 4930, other, 9000, 10001})
            addAccount(*doc, number, format("KONTO %i", number));
        prefix = format("BK%06i/%c%s%03i.", n, chart == "04" ? 'A' : 'B', year.c_str(), n);
        return doc;
    }
    void addAccount(circles::CVt36Doc& doc, int number, const std::string& name, const std::string& opening = "0.00") {
        AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), doc.settings().chart, messages};
        NewAccount account;
        account.number = number;
        account.name = name;
        account.opening = opening;
        ASSERT_EQ(createAccount(files, account), MaintenanceResult::Done) << number << " " << messages.last().text;
        messages.entries.clear();
    }
    static int post(circles::CVt36Doc& doc, const std::string& date, int debit, int credit, double amount, double rate = 0) {
        Books books = doc.books();
        return postNewLine(books, {date, "", format("%i", debit), format("%i", credit), "T", format("%11.2f", amount),
                                   format("%5.2f", rate)});
    }
    std::string file(const char* extension) const { return readFile(prefix + extension); }
    void putFile(const char* extension, const std::string& bytes) const { writeFile(prefix + extension, bytes); }
    // Overwrites a field of booking n (from 1) in the journal file.
    void patchBooking(long n, std::size_t offset, const std::string& bytes) const {
        std::string jou = file("jou");
        jou.replace(static_cast<std::size_t>(n - 1) * 64 + offset, bytes.size(), bytes);
        putFile("jou", jou);
    }
    // The 202 bytes of account `number` (first occurrence).
    std::string account(int number) const {
        const std::string sal = file("sal");
        const std::string key = format(" %04i", number);
        for (std::size_t at = 0; at + 202 <= sal.size(); at += 202)
            if (sal.compare(at, 5, key) == 0) return sal.substr(at, 202);
        return {};
    }
    static std::string slot(const std::string& record, int s) { return record.substr(31 + 12 * static_cast<std::size_t>(s), 12); }

    tellmark::testing::TempDir dir;
    tellmark::testing::ChangeDir cd;
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    std::string prefix;
};

// Random bookings of every posting type, opening lines through 9000 in the first month of the business
// year and a hand-entered opening balance; then slots and status characters spoiled. Reorganisation must
// give back what posting wrote, both when nothing needs repair and when a damaged account, dates in typed
// form and a booking to drop make it clean up and ask on the way.
void checkRepostingGivesBackPosting(Reorganise& t, circles::CVt36Doc& doc, unsigned seed, int firstMonth) {
    const long before = doc.journal().count();
    std::mt19937 random(seed);
    const bool chart04 = doc.settings().chart == 4;
    const int accounts[] = {1000, 1200, 4400, 4700, 4930, chart04 ? 6300 : 8400, 10001, chart04 ? 1400 : 1570, chart04 ? 3800 : 1770};
    const double rates[] = {0, 7, 19};
    int posted = 0;
    for (int i = 0; i < 300; ++i) {
        const int month = 1 + static_cast<int>(random() % 13);
        const int day = 1 + static_cast<int>(random() % 28);
        int debit = accounts[random() % 9];
        int credit = accounts[random() % 9];
        if (debit == credit) continue;
        if (i % 10 == 0) {
            // Opening lines, as a carry-forward brings them.
            debit = random() % 2 ? 1000 : 1200;
            credit = 9000;
        }
        const double amount = static_cast<double>(static_cast<int>(random() % 2000000) - 500000) / 100.0;
        if (amount == 0) continue;
        posted += Reorganise::post(doc, format("%02i.%02i", day, i % 10 == 0 ? firstMonth : month), debit, credit,
                                   amount, rates[random() % 3]);
    }
    ASSERT_GT(posted, 250);
    const std::string sal = t.file("sal"), jou = t.file("jou"), jdx = t.file("jdx");

    std::string spoiled = sal;
    for (std::size_t record = 0; record * 202 < spoiled.size(); ++record) {
        const std::size_t at = record * 202;
        spoiled.replace(at + 31 + 12 * (1 + record % 13), 12, "   123456.78");
        // The status tells whether the opening balance came from postings; it must stay.
        if (spoiled[at + 30] == '1') spoiled[at + 30] = ' ';
    }
    t.putFile("sal", spoiled);

    ui::ScriptedDecisions decisions;
    const ReorganisationResult result = reorganise(doc.books(), decisions, t.progress);
    EXPECT_EQ(result.outcome, ReorgOutcome::Done);
    EXPECT_TRUE(result.pending.empty());
    EXPECT_TRUE(decisions.asked.empty());
    EXPECT_EQ(result.bookingCount, before + posted);
    EXPECT_EQ(t.file("sal"), sal);
    EXPECT_EQ(t.file("jou"), jou);
    EXPECT_EQ(t.file("jdx"), jdx);
    for (const auto& m : t.messages.entries) ADD_FAILURE() << m.text;

    // The same books with a damaged copy of an account behind them, dates stored as typed ("15,03") and
    // one booking more on an account that does not exist, dropped when asked.
    std::string damaged = spoiled + spoiled.substr(0, 202);
    damaged[damaged.size() - 3] = '#';
    t.putFile("sal", damaged);
    std::string typed = jou;
    for (std::size_t record = 3; record * 64 < jou.size(); record += 37) typed[record * 64 + 2] = ',';
    const long typedDates = static_cast<long>((jou.size() / 64 - 3 + 36) / 37);
    std::string extra = jou.substr(jou.size() - 64, 64);
    extra.replace(13, 5, " 4711");
    t.putFile("jou", typed + extra);
    ui::ScriptedDecisions answers;
    answers.push(0);  // go on with the booking that needs a decision
    answers.push(0);  // the damaged account is removed
    answers.push(kAnswerDropMissingAccount);
    const ReorganisationResult repaired = reorganise(doc.books(), answers, t.progress);
    EXPECT_EQ(repaired.outcome, ReorgOutcome::Done);
    ASSERT_EQ(answers.asked.size(), 3u);
    EXPECT_EQ(answers.asked[0].kind, kAskNeedsDecisions);
    EXPECT_EQ(answers.asked[1].kind, kAskBrokenAccount);
    EXPECT_EQ(answers.asked[2].kind, kAskMissingAccount);
    EXPECT_EQ(repaired.bookingsChanged, typedDates);
    EXPECT_EQ(repaired.bookingsDropped, 1);
    EXPECT_EQ(repaired.deletedAccounts.size(), 1u);
    EXPECT_EQ(t.file("sal"), sal);
    EXPECT_EQ(t.file("jou"), jou);
    EXPECT_EQ(t.file("jdx"), jdx);
}

TEST_F(Reorganise, RepostingGivesBackExactlyWhatPostingWrote) {
    auto doc = open(1);
    addAccount(*doc, 1500, "FORDERUNG", "2500.00");  // hand-entered opening balance, never carried forward
    for (int i = 0; i < 5; ++i) post(*doc, "03.04", 1500, 8400, 119.0, 19);
    checkRepostingGivesBackPosting(*this, *doc, 17, 1);
    EXPECT_EQ(slot(account(1500), 0), "     2500.00");
}

TEST_F(Reorganise, RepostingInASpanYearFollowsThePostingRuleForOpeningLines) {
    // Calendar month 1 is no opening month here: posting put January's 9000 lines into the January slot.
    auto doc = open(2, "0809", "07");
    post(*doc, "05.01", 1200, 9000, 300.0);
    checkRepostingGivesBackPosting(*this, *doc, 5, 7);
    EXPECT_EQ(account(1200)[30], '9');
}

TEST_F(Reorganise, RepostingGivesBackPostingInTheOtherChart) {
    auto doc = open(3, "2009", "01", "04");
    checkRepostingGivesBackPosting(*this, *doc, 23, 1);
    auto span = open(4, "0809", "07", "04");
    checkRepostingGivesBackPosting(*this, *span, 29, 7);
}

TEST_F(Reorganise, AJournalRecordWithoutCrLfStopsBeforeAnyChange) {
    auto doc = open(1);
    for (int i = 1; i <= 12; ++i) post(*doc, format("%02i.03", i), 1200, 8400, 10.0 * i, 19);
    std::string sal = file("sal");
    sal.replace(3 * 202 + 31 + 36, 12, "      999.99");  // a spoiled slot stays spoiled
    putFile("sal", sal);
    patchBooking(10, 62, "  ");
    const std::string jou = file("jou"), jdx = file("jdx"), sdx = file("sdx");

    ui::ScriptedDecisions decisions;
    const ReorganisationResult result = reorganise(doc->books(), decisions, progress);
    EXPECT_EQ(result.outcome, ReorgOutcome::JournalDamaged);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text,
              "Die Journaldatei ist besch\xE4" "digt und kann nicht automatisch repariert werden!\n"
              "Die Neuverbuchung / Reorganisation wird abgebrochen !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(file("sal"), sal);
    EXPECT_EQ(file("jou"), jou);
    EXPECT_EQ(file("jdx"), jdx);
    EXPECT_EQ(file("sdx"), sdx);
    EXPECT_TRUE(decisions.asked.empty());

    // The balance file the same way.
    patchBooking(10, 62, "\r\n");
    sal[5 * 202 + 201] = 'X';
    putFile("sal", sal);
    messages.entries.clear();
    EXPECT_EQ(reorganise(doc->books(), decisions, progress).outcome, ReorgOutcome::BalanceDamaged);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text.substr(0, 20), "Die Saldendatei ist ");
    EXPECT_EQ(file("sal"), sal);
}

// A journal that ends in part of a record, with no unfinished operation to explain it: the circle opens
// damaged, the reorganisation keeps the torn bytes beside the journal and cuts it to its whole records,
// and the books may be written again - with the balances of the whole records. Run again, it keeps
// nothing twice; when the bytes cannot be kept, nothing is cut.
std::string g_restPath;
int failRest(platform::Change, const std::string& path) { return path.starts_with(g_restPath) ? EIO : platform::kProceed; }

TEST_F(Reorganise, ATornLastRecordIsSetAsideAndTheBooksMayBeWrittenAgain) {
    auto doc = open(1);
    for (int i = 1; i <= 5; ++i) post(*doc, format("%02i.03", i), 1200, 8400, 10.0 * i, 19);
    const std::string jou = file("jou"), sal = file("sal");
    doc.reset();
    putFile("jou", jou + "07.03 R9");
    doc = std::make_unique<circles::CVt36Doc>(messages, progress);
    ASSERT_EQ(doc->readProgramConfig(), 1);
    ASSERT_EQ(doc->openCircle(1), 1);
    EXPECT_FALSE(doc->health().writable());

    g_restPath = prefix + "jou.rest";
    platform::setFaultHook(failRest);
    messages.entries.clear();
    ui::ScriptedDecisions decisions;
    EXPECT_EQ(reorganise(doc->books(), decisions, progress).outcome, ReorgOutcome::WriteFailed);
    platform::setFaultHook(nullptr);
    EXPECT_EQ(file("jou"), jou + "07.03 R9");
    EXPECT_EQ(messages.last().caption, "FEHLER");

    messages.entries.clear();
    EXPECT_EQ(reorganise(doc->books(), decisions, progress).outcome, ReorgOutcome::Done);
    EXPECT_EQ(file("jou"), jou);
    EXPECT_EQ(file("jou.rest"), "07.03 R9");
    EXPECT_EQ(file("sal"), sal);
    EXPECT_EQ(messages.entries.front().text,
              "Die Datei " + prefix + "jou endete mit einem unvollst\xE4ndigen Satz (8 Bytes).\nDiese Bytes stehen "
              "jetzt in " + prefix + "jou.rest; die Datei wurde auf ihre vollst\xE4ndigen S\xE4tze gek\xFCrzt.");
    EXPECT_TRUE(doc->health().writable());
    EXPECT_EQ(post(*doc, "08.03", 1200, 8400, 80.0, 19), 1);

    // A crash after keeping the bytes but before the cut: the next run does not keep them twice.
    const std::string now = file("jou");
    putFile("jou", now + "07.03 R9");
    EXPECT_EQ(reorganise(doc->books(), decisions, progress).outcome, ReorgOutcome::Done);
    EXPECT_EQ(file("jou"), now);
    EXPECT_EQ(file("jou.rest"), "07.03 R9");
}

TEST_F(Reorganise, TheFirstOfTwoAccountsWithOneNumberWins) {
    auto doc = open(1);
    addAccount(*doc, 4410, "ERLOESE 7", "0.00");
    std::string sal = file("sal");
    // 4400 carries a hand-entered opening balance; a second 4400 and a broken record follow at the end.
    std::string first = account(4400);
    first.replace(31, 12, "      500.00");
    sal.replace(sal.find(" 4400"), 202, first);
    std::string second = first;
    second.replace(5, 25, "DOPPELT                  ");
    second.replace(31, 12, "      777.00");
    std::string broken = account(4410);
    broken[5 + 25 + 1 + 12 * 14] = '#';  // no end mark
    sal.replace(sal.find(" 4410"), 202, broken);
    putFile("sal", sal + second);
    doc->accountIndex().rebuild();
    post(*doc, "10.02", 1200, 4400, 107.0, 7);

    ui::ScriptedDecisions decisions;
    decisions.push(0);
    decisions.push(0);
    const ReorganisationResult result = reorganise(doc->books(), decisions, progress);
    EXPECT_EQ(result.outcome, ReorgOutcome::Done);
    ASSERT_EQ(decisions.asked.size(), 2u);
    for (const ui::Question& q : decisions.asked) {
        EXPECT_EQ(q.kind, kAskBrokenAccount);
        EXPECT_EQ(q.caption, "Fehler in Saldendatei");
        EXPECT_EQ(q.answers, std::vector<std::string>{"&OK"});
    }
    EXPECT_EQ(decisions.asked[1].fields[0], " 4400   DOPPELT                  ");
    EXPECT_EQ(decisions.asked[1].text, "Folgendes Konto ist fehlerhaft oder doppelt vorhanden.\n"
                                       " 4400   DOPPELT                  \nDas Konto wird jetzt gel\xF6scht.");
    ASSERT_EQ(result.deletedAccounts.size(), 2u);
    EXPECT_EQ(file("sal").size(), sal.size() - 202);
    const std::string kept = account(4400);
    EXPECT_EQ(kept.substr(5, 25), "KONTO 4400               ");
    EXPECT_EQ(slot(kept, 0), "      500.00");
    EXPECT_EQ(slot(kept, 2), "     -100.00");
    EXPECT_EQ(doc->accountIndex().count(), static_cast<int>(file("sal").size() / 202));
}

TEST_F(Reorganise, DatesAreRepairedAndWrittenBack) {
    EXPECT_EQ(repairedBookingDate("3,5", 2009), "03.05");
    EXPECT_EQ(repairedBookingDate("0305", 2009), "03.05");
    EXPECT_EQ(repairedBookingDate("31.02", 2009), "28.02");
    EXPECT_EQ(repairedBookingDate("31.02", 2008), "29.02");
    EXPECT_EQ(repairedBookingDate("12345", 2009), "12345");  // no date: left to the question

    auto doc = open(1);
    for (int i = 0; i < 4; ++i) post(*doc, "01.01", 1200, 1000, 10.0 + i);
    patchBooking(1, 0, "3,5  ");
    patchBooking(2, 0, "0305 ");
    patchBooking(3, 0, "31.02");
    const ReorganisationResult result = [&] {
        ui::ScriptedDecisions decisions;
        return reorganise(doc->books(), decisions, progress);
    }();
    EXPECT_EQ(result.outcome, ReorgOutcome::Done);
    EXPECT_EQ(result.bookingsChanged, 3);
    const std::string jou = file("jou");
    EXPECT_EQ(jou.substr(0, 5), "03.05");
    EXPECT_EQ(jou.substr(64, 5), "03.05");
    EXPECT_EQ(jou.substr(128, 5), "28.02");
    EXPECT_EQ(jou.substr(192, 5), "01.01");
    const std::string bank = account(1200);
    EXPECT_EQ(slot(bank, 1), "       13.00");
    EXPECT_EQ(slot(bank, 2), "       12.00");
    EXPECT_EQ(slot(bank, 5), "       21.00");
    EXPECT_EQ(doc->journalIndex().first(5), 1);
    EXPECT_EQ(doc->journalIndex().last(5), 2);
}

TEST_F(Reorganise, AMissingAccountChangedToAnotherIsWrittenAndPostedThere) {
    auto doc = open(1);
    post(*doc, "04.03", 4930, 1200, 119.0, 19);
    post(*doc, "05.03", 4700, 1200, 50.0, 19);
    patchBooking(1, 11, " 4711");

    ui::ScriptedDecisions decisions;
    decisions.push(0);                     // go on with questions
    decisions.push(kAnswerChangeAccount);  // "&Konto ändern"
    decisions.push(0, {"1200"});           // the booking's other account: asked again
    decisions.push(0, {"4700"});
    const ReorganisationResult result = reorganise(doc->books(), decisions, progress);
    EXPECT_EQ(result.outcome, ReorgOutcome::Done);
    ASSERT_GE(decisions.asked.size(), 3u);
    EXPECT_EQ(decisions.asked[0].kind, kAskNeedsDecisions);
    const ui::Question& missing = decisions.asked[1];
    EXPECT_EQ(missing.kind, kAskMissingAccount);
    EXPECT_EQ(missing.caption, "Fehler in den Buchungss\xE4tzen");
    EXPECT_EQ(missing.fields[0], " 4711");
    EXPECT_EQ(missing.answers, (std::vector<std::string>{"&Konto \xE4ndern", "Konto &anlegen", "Satz &l\xF6schen"}));
    EXPECT_NE(missing.text.find("ist nicht angelegt."), std::string::npos);
    EXPECT_EQ(decisions.asked[2].kind, kAskNewAccountNumber);
    EXPECT_EQ(decisions.asked[2].caption, "Neue Kontonummer");
    EXPECT_EQ(decisions.asked[3].kind, kAskNewAccountNumber);

    const std::string jou = file("jou");
    EXPECT_EQ(jou.substr(11, 5), " 4700");
    EXPECT_EQ(jou.substr(57, 5), "19.00");
    EXPECT_EQ(result.bookingsChanged, 1);
    EXPECT_EQ(slot(account(4700), 3), "      142.02");  // 100.00 + 42.02 net from both bookings
    EXPECT_EQ(slot(account(4930), 3), "        0.00");
    EXPECT_EQ(slot(account(1570), 3), "       26.98");
}

TEST_F(Reorganise, ADroppedBookingLeavesTheJournalAsPostingTheRestWould) {
    auto doc = open(1);
    auto other = open(2);
    for (int i = 1; i <= 10; ++i) {
        post(*doc, format("%02i.06", i), 1200, 8400, 11.9 * i, 19);
        if (i != 7) post(*other, format("%02i.06", i), 1200, 8400, 11.9 * i, 19);
    }
    prefix = "BK000001/B2009001.";
    patchBooking(7, 16, " 4711");

    ui::ScriptedDecisions decisions;
    decisions.push(0);
    decisions.push(kAnswerDropMissingAccount);
    const ReorganisationResult result = reorganise(doc->books(), decisions, progress);
    EXPECT_EQ(result.outcome, ReorgOutcome::Done);
    EXPECT_EQ(result.bookingsDropped, 1);
    EXPECT_EQ(result.bookingCount, 9);
    EXPECT_EQ(decisions.asked.size(), 2u);
    EXPECT_EQ(file("jou"), readFile("BK000002/B2009002.jou"));
    EXPECT_EQ(file("sal"), readFile("BK000002/B2009002.sal"));
    EXPECT_EQ(file("jdx"), readFile("BK000002/B2009002.jdx"));
}

TEST_F(Reorganise, WithNobodyToAskNothingChangesAndTheBookingsAreListed) {
    auto doc = open(1);
    post(*doc, "01.02", 1200, 8400, 119.0, 19);
    post(*doc, "02.02", 1200, 8400, 119.0, 19);
    post(*doc, "03.02", 1200, 8400, 119.0, 19);
    addAccount(*doc, 1300, "KONTO 1300");
    addAccount(*doc, 1360, "KONTO 1360");
    addAccount(*doc, 1380, "KONTO 1380");
    addAccount(*doc, 1390, "KONTO 1390");
    for (int credit : {1200, 4400, 4700, 4930, 9000, 10001, 1300, 1360, 1380, 1390})
        ASSERT_EQ(post(*doc, "04.02", 1000, credit, 99999999.99), 1) << credit << messages.last().text;
    std::string jou = file("jou");
    // One more such line, which posting would have refused: the cash slot no longer fits twelve characters.
    jou += jou.substr(3 * 64, 64);
    putFile("jou", jou);
    patchBooking(1, 0, "12345");
    patchBooking(3, 16, " 4711");
    std::string sal = file("sal");
    sal.replace(2 * 202 + 31 + 24, 12, "      555.55");
    putFile("sal", sal);
    jou = file("jou");
    const std::string jdx = file("jdx");

    ui::ScriptedDecisions decisions;
    const ReorganisationResult result = reorganise(doc->books(), decisions, progress);
    EXPECT_EQ(result.outcome, ReorgOutcome::NeedsDecisions);
    ASSERT_EQ(decisions.asked.size(), 1u);
    EXPECT_EQ(decisions.asked[0].kind, kAskNeedsDecisions);
    EXPECT_EQ(decisions.asked[0].fields.size(), 3u);
    ASSERT_EQ(result.pending.size(), 3u);
    EXPECT_EQ(result.pending[0].number, 1);
    EXPECT_EQ(result.pending[0].reason, ReorgProblem::BadDate);
    EXPECT_EQ(result.pending[0].subject, "12345");
    EXPECT_EQ(result.pending[1].number, 3);
    EXPECT_EQ(result.pending[1].reason, ReorgProblem::MissingAccount);
    EXPECT_EQ(result.pending[1].subject, " 4711");
    EXPECT_EQ(result.pending[1].displayLine.substr(0, 26), "03.02" + std::string(9, ' ') + "1200  4711 T");
    EXPECT_EQ(result.pending[2].number, 14);
    EXPECT_EQ(result.pending[2].reason, ReorgProblem::SlotOverflow);
    EXPECT_EQ(file("sal"), sal);
    EXPECT_EQ(file("jou"), jou);
    EXPECT_EQ(file("jdx"), jdx);

    // Someone answers: the bad date is corrected, the rest dropped, and nothing is half posted.
    decisions.push(0);
    decisions.push(kAnswerChangeDate);
    decisions.push(0, {"7.2"});
    decisions.push(kAnswerDropMissingAccount);
    decisions.push(0);  // the overflowing line can only go
    const ReorganisationResult answered = reorganise(doc->books(), decisions, progress);
    EXPECT_EQ(answered.outcome, ReorgOutcome::Done);
    EXPECT_TRUE(answered.pending.empty());
    EXPECT_EQ(answered.bookingsDropped, 2);
    EXPECT_EQ(file("jou").substr(0, 5), "07.02");
    EXPECT_EQ(decisions.asked[2].kind, kAskBadDate);
    EXPECT_EQ(decisions.asked[2].answers, (std::vector<std::string>{"&Datum \xE4ndern", "Satz &l\xF6schen"}));
    EXPECT_EQ(decisions.asked[3].kind, kAskNewDate);
    EXPECT_EQ(decisions.asked.back().kind, kAskCannotPost);
    EXPECT_EQ(slot(account(1000), 2), "999999999.90");
    EXPECT_EQ(slot(account(1200), 2), "-99999761.99");
}

}  // namespace
}  // namespace tellmark::posting
