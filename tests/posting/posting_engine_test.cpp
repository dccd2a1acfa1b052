#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "posting/line_checks.h"
#include "posting/posting_engine.h"
#include "posting/posting_types.h"
#include "resources/cp1252_literal.h"
#include "open_books.h"

namespace tellmark::posting {
namespace {

using testing::accountRecord;
using testing::line;
using testing::OpenBooks;

const std::string kRevenueText = "Kasse Verkauf";

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::int32_t int32At(const std::string& bytes, std::size_t at) {
    std::int32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

// First and last booking number of a month as the journal index file holds them.
std::pair<int, int> indexedMonth(const OpenBooks& b, int month) {
    const std::string jdx = tellmark::testing::readFile(b.jdxPath);
    if (jdx.size() != 112) return {-1, -1};
    const std::size_t at = 8 + 8 * static_cast<std::size_t>(month - 1);
    return {int32At(jdx, at), int32At(jdx, at + 4)};
}

TEST(PostingTypes, RuleTableFirstMatchWins) {
    // Chart 03: bank 1200, cash 1000, customer 10001, supplier 20001, class zero 0200, 2900 (kind 6),
    // purchase 3400, expense 4930, revenue 8400, special revenue 8125, carry-forward 9000.
    EXPECT_EQ(classify(1200, 4930, 3).postingType, 1001);
    EXPECT_EQ(classify(10001, 200, 3).postingType, 1001);
    EXPECT_EQ(classify(4930, 1000, 3).postingType, 1002);
    EXPECT_EQ(classify(2900, 20001, 3).postingType, 1002);
    EXPECT_EQ(classify(1200, 8400, 3).postingType, 1004);
    EXPECT_EQ(classify(1200, 2900, 3).postingType, 1004);
    EXPECT_EQ(classify(8400, 10001, 3).postingType, 1005);
    EXPECT_EQ(classify(1000, 8125, 3).postingType, 1006);
    EXPECT_EQ(classify(8125, 1000, 3).postingType, 1007);
    EXPECT_EQ(classify(1579, 1779, 3).postingType, 1003);
    EXPECT_EQ(classify(1779, 1579, 3).postingType, 1000);
    EXPECT_EQ(classify(1000, 1200, 3).postingType, 1000);
    EXPECT_EQ(classify(4930, 8400, 3).postingType, 1000);
    EXPECT_EQ(classify(1200, 9000, 3).postingType, 1000);
    // Chart 04: bank 1800, expense 6300, revenue 4400, EU pair 1409/3809.
    EXPECT_EQ(classify(6300, 1800, 4).postingType, 1002);
    EXPECT_EQ(classify(1800, 4400, 4).postingType, 1004);
    EXPECT_EQ(classify(1409, 3809, 4).postingType, 1003);
    EXPECT_EQ(standardInputVatAccount(4), 1400);
    EXPECT_EQ(standardOutputVatAccount(0), 3800);
    EXPECT_EQ(standardOutputVatAccount(3), 1770);
}

TEST(PostingEngine, RevenueWritesWholeRecordsAndJournalLine) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(8400, "ERLOESE 19%");
    ASSERT_EQ(postNewLine(b.books, line("15.03", "R1", " 1200", " 8400", kRevenueText, 119.0, 19.0)), 1);
    EXPECT_EQ(b.lastPostingType, 1004);
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '1', {{3, 119.0}}));
    EXPECT_EQ(b.record(8400), accountRecord(8400, "ERLOESE 19%", '1', {{3, -100.0}}));
    EXPECT_EQ(b.record(1770), accountRecord(1770, "MEHRWERTSTEUER", '1', {{3, -19.0}}));
    EXPECT_EQ(b.record(1570), accountRecord(1570, "VORSTEUER", ' ', {}));
    EXPECT_EQ(b.jou(), "15.03" + padded("R1", 6) + " 1200" + " 8400" + padded(kRevenueText, 25) + "     119.00" +
                           "19.00\r\n");
    EXPECT_EQ(indexedMonth(b, 3), std::make_pair(1, 1));
    EXPECT_TRUE(b.messages.empty());
}

TEST(PostingEngine, ExpenseSplitsInputVatAndTypedNumbersAreStoredNormalised) {
    OpenBooks b;
    b.addAccount(4930, "BUEROBEDARF");
    b.addAccount(1000, "KASSE");
    // "4930" and "1" are what a user may type; the record holds the numbers as the balance file does.
    ASSERT_EQ(postNewLine(b.books, line("02.04", "", "4930", "1", "Papier", 107.0, 7.0)), 1);
    EXPECT_EQ(b.lastPostingType, 1002);
    EXPECT_EQ(b.slot(4930, 4), "      100.00");
    EXPECT_EQ(b.slot(1000, 4), "     -107.00");
    EXPECT_EQ(b.slot(1570, 4), "        7.00");
    EXPECT_EQ(b.jou().substr(11, 10), " 4930 1000");
}

TEST(PostingEngine, EuPairCarriesNoVat) {
    OpenBooks b;
    b.addAccount(1579, "Vorsteuer EU-Lieferungen");
    b.addAccount(1779, "Mwst. EU-Lieferungen");
    const AccountsCheck accounts = checkAccounts(b.books, "1579", "1779");
    ASSERT_TRUE(accounts.ok);
    EXPECT_EQ(accounts.postingType, 1003);
    EXPECT_TRUE(vatRateAllowed(accounts.postingType, false, 1579, 1779, 3));
    ASSERT_EQ(postNewLine(b.books, line("10.05", "E1", " 1579", " 1779", "EU", 190.0, 19.0)), 1);
    EXPECT_EQ(b.slot(1579, 5), "      190.00");
    EXPECT_EQ(b.slot(1779, 5), "     -190.00");
    EXPECT_EQ(b.status(1570), ' ');
    EXPECT_EQ(b.status(1770), ' ');
    ASSERT_TRUE(b.journal.readBooking(1));
    EXPECT_EQ(b.journal.current().vatValue, 0.0);
}

TEST(PostingEngine, OpeningBalanceLinesGoToSlotZero) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(9000, "SALDENVORTRAG");
    ASSERT_EQ(postNewLine(b.books, line("01.01", "", " 1200", " 9000", "EB", 500.0, 0.0)), 1);
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '9', {{0, 500.0}}));
    EXPECT_EQ(b.record(9000), accountRecord(9000, "SALDENVORTRAG", '9', {{0, -500.0}}));
    ASSERT_EQ(postNewLine(b.books, line("01.02", "", " 1200", " 9000", "EB", 20.0, 0.0)), 1);
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '9', {{0, 500.0}, {2, 20.0}}));
}

TEST(PostingEngine, SpanYearMapsMonthsAndOpensInItsFirstMonth) {
    OpenBooks b(3, 7);
    b.addAccount(1200, "BANK");
    b.addAccount(9000, "SALDENVORTRAG");
    ASSERT_EQ(postNewLine(b.books, line("01.07", "", " 1200", " 9000", "EB", 50.0, 0.0)), 1);
    ASSERT_EQ(postNewLine(b.books, line("01.01", "", " 1200", " 9000", "EB", 7.0, 0.0)), 1);
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '9', {{0, 50.0}, {7, 7.0}}));
}

TEST(PostingEngine, DeleteReversesToTheCentAndRenumbers) {
    OpenBooks b;
    b.addAccount(1200, "BANK", 1000.0);
    b.addAccount(8400, "ERLOESE 19%");
    b.addAccount(4930, "BUEROBEDARF");
    ASSERT_EQ(postNewLine(b.books, line("15.03", "1", " 1200", " 8400", "a", 119.0, 19.0)), 1);
    ASSERT_EQ(postNewLine(b.books, line("16.04", "2", " 4930", " 1200", "b", 33.33, 19.0)), 1);
    ASSERT_EQ(postNewLine(b.books, line("17.05", "3", " 1200", " 8400", "c", 0.01, 19.0)), 1);
    const std::string third = b.jou().substr(128, 64);

    ASSERT_EQ(deleteBooking(b.books, 2), 1);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '1', {{0, 1000.0}, {3, 119.0}, {5, 0.01}}));
    EXPECT_EQ(b.record(4930), accountRecord(4930, "BUEROBEDARF", '1', {}));
    EXPECT_EQ(b.record(1570), accountRecord(1570, "VORSTEUER", '1', {}));
    EXPECT_EQ(b.jou().size(), 128u);
    EXPECT_EQ(b.jou().substr(64), third);
    EXPECT_EQ(indexedMonth(b, 3), std::make_pair(1, 1));
    EXPECT_EQ(indexedMonth(b, 4), std::make_pair(1, 1));  // a first of 1 never falls further
    EXPECT_EQ(indexedMonth(b, 5), std::make_pair(2, 2));

    ASSERT_EQ(deleteBooking(b.books, 1), 1);
    EXPECT_EQ(b.slot(8400, 3), "        0.00");
    EXPECT_EQ(b.slot(1770, 3), "        0.00");
    EXPECT_EQ(deleteBooking(b.books, 2), 0);  // there is no booking 2 any more
}

TEST(PostingEngine, DeleteWithMissingAccountRemovesWithoutReversal) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    ASSERT_TRUE(b.journal.writeBooking(0, line("15.03", "", " 4711", " 1200", "alt", 10.0, 0.0)));
    const std::string before = b.sal();
    ASSERT_EQ(deleteBooking(b.books, 1), 1);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text,
              cp<"Eine der Kontonummern in der Buchungszeile war fehlerhaft!\nDer Buchungssatz konnte zwar "
                 "gelöscht\naber nicht rückgebucht werden.\nBitte Neuverbuchung/Reorganisation durchführen!">());
    EXPECT_EQ(b.messages.last().caption, "INFORMATION");
    EXPECT_EQ(b.sal(), before);
    EXPECT_EQ(b.jou(), "");
}

TEST(PostingEngine, ChangeReversesAndPostsInPlaceWithoutNewDocumentNumber) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(8400, "ERLOESE 19%");
    b.addAccount(8300, "ERLOESE 7%");
    ASSERT_EQ(postNewLine(b.books, line("15.03", "000001", " 1200", " 8400", "a", 119.0, 19.0)), 1);
    ASSERT_EQ(postNewLine(b.books, line("16.03", "000002", " 1200", " 8400", "b", 238.0, 19.0)), 1);
    EXPECT_EQ(b.numbers.next_, 3);
    const std::string second = b.jou().substr(64);

    ASSERT_EQ(changeBooking(b.books, 1, line("20.04", "000003", " 1200", " 8300", "neu", 107.0, 7.0)), 1);
    EXPECT_EQ(b.numbers.next_, 3);
    EXPECT_FALSE(b.journal.changeMode());
    EXPECT_EQ(b.jou().substr(0, 64), "20.04000003 1200 8300" + padded("neu", 25) + "     107.00" + " 7.00\r\n");
    EXPECT_EQ(b.jou().substr(64), second);
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '1', {{3, 238.0}, {4, 107.0}}));
    EXPECT_EQ(b.record(8400), accountRecord(8400, "ERLOESE 19%", '1', {{3, -200.0}}));
    EXPECT_EQ(b.record(8300), accountRecord(8300, "ERLOESE 7%", '1', {{4, -100.0}}));
    EXPECT_EQ(b.record(1770), accountRecord(1770, "MEHRWERTSTEUER", '1', {{3, -38.0}, {4, -7.0}}));
    EXPECT_EQ(indexedMonth(b, 4), std::make_pair(1, 1));
    EXPECT_EQ(indexedMonth(b, 3), std::make_pair(1, 2));  // ranges are never narrowed
}

TEST(PostingEngine, ChangeToMissingAccountKeepsOldPosting) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(8400, "ERLOESE 19%");
    ASSERT_EQ(postNewLine(b.books, line("15.03", "", " 1200", " 8400", "a", 119.0, 19.0)), 1);
    const std::string sal = b.sal();
    const std::string jou = b.jou();
    EXPECT_EQ(changeBooking(b.books, 1, line("15.03", "", " 1200", " 8999", "a", 50.0, 19.0)), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text,
              cp<"Eine der Kontonummern im neuen Buchungssatz war fehlerhaft!\nDer Buchungssatz kann nicht "
                 "korrekt verbucht werden.\nBitte Neuverbuchung/Reorganisation durchführen!">());
    EXPECT_EQ(b.messages.last().caption, "FEHLER");
    EXPECT_EQ(b.sal(), sal);
    EXPECT_EQ(b.jou(), jou);
}

TEST(PostingEngine, MissingStandardVatAccountRefusesTheLine) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(8400, "ERLOESE 19%");
    ASSERT_EQ(b.report.read(1), 1770);
    ASSERT_EQ(b.report.deleteAccount(), 1);
    ASSERT_EQ(b.accountIndex.remove(" 1770", "MEHRWERTSTEUER"), 1);
    const std::string sal = b.sal();
    EXPECT_EQ(postNewLine(b.books, line("15.03", "", " 1200", " 8400", "a", 119.0, 19.0)), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text,
              cp<"Das Mehrwertsteuerkonto 1770 ist in der Saldendatei nicht vorhanden.\nDer Buchungssatz wurde "
                 "nicht gespeichert !\nBitte Neuverbuchung/Reorganisation durchführen !">());
    EXPECT_EQ(b.sal(), sal);
    EXPECT_EQ(b.jou(), "");
    EXPECT_EQ(b.numbers.next_, 1);
    // A line without VAT does not need it.
    b.addAccount(1000, "KASSE");
    EXPECT_EQ(postNewLine(b.books, line("15.03", "", " 1000", " 1200", "a", 5.0, 0.0)), 1);
}

TEST(PostingEngine, LinesThatCannotBePostedWriteNothing) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    EXPECT_EQ(postNewLine(b.books, line("15.03", "", " 1200", " 8400", "a", 1.0, 0.0)), 0);
    EXPECT_EQ(postNewLine(b.books, line("15.14", "", " 1200", " 1570", "a", 1.0, 0.0)), 0);
    EXPECT_EQ(postNewLine(b.books, line("xx", "", " 1200", " 1570", "a", 1.0, 0.0)), 0);
    EXPECT_EQ(b.jou(), "");
    EXPECT_EQ(b.status(1200), ' ');
}

TEST(PostingEngine, PreviewShowsBalancesAfterTheLine) {
    OpenBooks b;
    b.addAccount(1200, "BANK", 50.0);
    b.addAccount(8400, "ERLOESE 19%");
    ASSERT_TRUE(checkAccounts(b.books, "12", "84").ok);
    const BalancePreview preview = previewBalances(b.debit, b.credit, 119.0, 19.0);
    EXPECT_EQ(preview.postingType, 1004);
    EXPECT_EQ(preview.debitText, "      169.00");
    EXPECT_EQ(preview.creditText, "     -100.00");
}

}  // namespace
}  // namespace tellmark::posting
