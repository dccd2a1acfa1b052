#include <gtest/gtest.h>

#include "posting/booking_kinds.h"
#include "posting/posting_engine.h"
#include "resources/cp1252_literal.h"
#include "open_books.h"

namespace tellmark::posting {
namespace {

using testing::accountRecord;
using testing::line;
using testing::OpenBooks;

TEST(SecondLines, CustomerDiscountCreatesDiscountAccountAndSplitsVat) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(10001, "MUELLER GMBH", 100.0);
    ASSERT_EQ(checkDiscountCombination(1200, 10001, 3, b.messages), kDiscountGranted);
    ASSERT_TRUE(checkDiscountPercent(97.0, 3.0, b.messages));
    EXPECT_EQ(discountPercentText(97.0, 3.0), "3.00");

    const TwoLines lines = makeDiscountLines(line("03.06", "K7", " 1200", "10001", "Zahlung", 0.0, 0.0),
                                             kDiscountGranted, 97.0, 3.0, 19.0, 3);
    EXPECT_EQ(lines.secondVat, "       0.48");
    ASSERT_EQ(saveBooking(b.books, lines.first, lines.second, SecondLine::DiscountGranted), 2);
    EXPECT_TRUE(b.messages.empty());

    EXPECT_EQ(b.record(8730), accountRecord(8730, cp<"GEWÄHRTE SKONTI">().data(), '1', {{6, 2.52}}));
    EXPECT_EQ(b.record(10001), accountRecord(10001, "MUELLER GMBH", '1', {{0, 100.0}, {6, -100.0}}));
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '1', {{6, 97.0}}));
    EXPECT_EQ(b.slot(1770, 6), "        0.48");
    const std::string jou = b.jou();
    ASSERT_EQ(jou.size(), 128u);
    EXPECT_EQ(jou.substr(0, 21), "03.06K7     120010001");
    EXPECT_EQ(jou.substr(46, 18), "      97.00 0.00\r\n");
    EXPECT_EQ(jou.substr(64, 21), "03.06K7     873010001");
    EXPECT_EQ(jou.substr(110, 18), "       3.0019.00\r\n");
    // The account index was built anew and knows the new account.
    int record = -1;
    EXPECT_EQ(b.accountIndex.findByNumber("8730", record), ledger::kIndexFound);
}

TEST(SecondLines, SupplierDiscountInChart04) {
    OpenBooks b(4);
    b.addAccount(20001, "LIEFERANT");
    b.addAccount(1800, "BANK");
    ASSERT_EQ(checkDiscountCombination(20001, 1800, 4, b.messages), kDiscountReceived);
    const TwoLines lines = makeDiscountLines(line("03.06", "", "20001", " 1800", "Zahlung", 0.0, 0.0),
                                             kDiscountReceived, 98.0, 2.0, 7.0, 4);
    ASSERT_EQ(saveBooking(b.books, lines.first, lines.second, SecondLine::DiscountReceived), 2);
    // 20001 against 5730 is type 1001: the discount less its VAT, the VAT off the input VAT account.
    EXPECT_EQ(b.record(5730), accountRecord(5730, "ERHALTENE SKONTI", '1', {{6, -1.87}}));
    EXPECT_EQ(b.slot(20001, 6), "      100.00");
    EXPECT_EQ(b.slot(1400, 6), "       -0.13");
}

TEST(SecondLines, EuBookingCreatesBothAccounts) {
    OpenBooks b;
    b.addAccount(3425, "EU-ERWERB");
    b.addAccount(20001, "LIEFERANT");
    const TwoLines lines = makeEuLines(line("09.09", "E1", " 3425", "20001", "Maschine", 0.0, 0.0), 1000.0, 19.0, 3);
    EXPECT_EQ(lines.second.amount, "     190.00");
    EXPECT_EQ(lines.secondVat, "           ");
    ASSERT_EQ(saveBooking(b.books, lines.first, lines.second, SecondLine::Eu), 2);
    EXPECT_EQ(b.record(1579), accountRecord(1579, "Vorsteuer EU-Lieferungen", '1', {{9, 190.0}}));
    EXPECT_EQ(b.record(1779), accountRecord(1779, "Mwst. EU-Lieferungen", '1', {{9, -190.0}}));
    EXPECT_EQ(b.slot(3425, 9), "     1000.00");
    EXPECT_EQ(b.slot(1570, 9), "        0.00");
    EXPECT_EQ(b.jou().substr(64, 21), "09.09E1     1579 1779");
    EXPECT_EQ(b.jou().substr(110, 18), "     190.0019.00\r\n");
}

TEST(SecondLines, AccountThatCannotBeCreatedStopsTheSecondLine) {
    OpenBooks b;
    b.addAccount(1200, "BANK");
    b.addAccount(10001, "KUNDE");
    // The customer of the second line is an ordinary account: it is never created.
    const TwoLines lines = makeDiscountLines(line("03.06", "", " 1200", "10002", "x", 0.0, 0.0), kDiscountGranted,
                                             97.0, 3.0, 19.0, 3);
    EXPECT_EQ(postSecondLine(b.books, lines.second, SecondLine::DiscountGranted), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text,
              cp<"Fehler in der Saldendatei.\nSkonto-Buchungssatz konnte nicht gespeichert werden.\n"
                 "Bitte Neuverbuchung/Reorganisation durchführen !">());
    EXPECT_EQ(b.jou(), "");
}

TEST(BookingKinds, DiscountRulesAndArithmetic) {
    ui::RecordingMessages messages;
    EXPECT_EQ(discountKindOf(1000, 1400, 3), kDiscountGranted);
    EXPECT_EQ(discountKindOf(1299, 19999, 3), kDiscountGranted);
    EXPECT_EQ(discountKindOf(1600, 1000, 3), kDiscountReceived);
    EXPECT_EQ(discountKindOf(1600, 1200, 4), kDiscountGranted);
    EXPECT_EQ(discountKindOf(3300, 1899, 4), kDiscountReceived);
    EXPECT_EQ(discountKindOf(1200, 1400, 4), kNoDiscount);
    EXPECT_EQ(checkDiscountCombination(1300, 1400, 3, messages), kNoDiscount);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text,
              cp<"Bei dieser Kontenkombination ist \nkeine Skonto-Verarbeitung zulässig !">());

    EXPECT_FALSE(checkDiscountPercent(90.0, 10.0, messages));
    EXPECT_EQ(messages.last().text, cp<"Skonto von 0.00% bis 9.99% zulässig !">());
    EXPECT_FALSE(checkDiscountPercent(1.0, -0.5, messages));
    EXPECT_FALSE(checkDiscountPercent(0.0, 0.0, messages));
    EXPECT_TRUE(checkDiscountPercent(100.0, 0.0, messages));
    EXPECT_EQ(discountPercentText(90.1, 9.9), "9.90");
    EXPECT_EQ(messages.entries.size(), 4u);
}

TEST(BookingKinds, NetAndTravelCosts) {
    ui::RecordingMessages messages;
    const LineAmounts net = applyNet(100.0, 19.0, 4930, 1000, 3, messages);
    EXPECT_TRUE(net.ok);
    EXPECT_EQ(net.amountField, "     119.00");
    EXPECT_EQ(net.vatField, "      19.00");
    const LineAmounts huge = applyNet(99999999.0, 19.0, 4930, 1000, 3, messages);
    EXPECT_FALSE(huge.ok);
    EXPECT_EQ(huge.amountField, "99999999.99");
    ASSERT_EQ(messages.entries.size(), 1u);

    const LineAmounts travel = applyTravelCosts(100.0, 19.0, 4930, 1000, 3, messages);
    EXPECT_TRUE(travel.ok);
    EXPECT_EQ(travel.rateField, "23.46");
    EXPECT_EQ(travel.vatField, "      19.00");
    EXPECT_EQ(applyTravelCosts(100.0, 7.0, 4930, 1000, 3, messages).rateField, " 7.53");
    // 60 % would become 150 %: no rate field can hold it.
    EXPECT_FALSE(applyTravelCosts(100.0, 60.0, 4930, 1000, 3, messages).ok);
    EXPECT_EQ(messages.last().text,
              cp<"Die eingegebene Mehrwertsteuer  150.00 ist unzulässig!\nDer Betrag ist zu gross !">());
}

}  // namespace
}  // namespace tellmark::posting
