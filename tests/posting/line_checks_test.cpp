#include <gtest/gtest.h>

#include "posting/line_checks.h"
#include "posting/vat_preset.h"
#include "resources/cp1252_literal.h"
#include "open_books.h"

namespace tellmark::posting {
namespace {

using testing::OpenBooks;

TEST(LineChecks, AccountsMustDifferAndBeFound) {
    OpenBooks b;
    b.addAccount(1000, "KASSE");
    b.addAccount(1200, "BANK");
    AccountsCheck same = checkAccounts(b.books, "12", "bank");
    EXPECT_FALSE(same.ok);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text, "Gleiche Kontonummer in Soll und Haben!");
    EXPECT_EQ(b.messages.last().caption, "FEHLER");

    AccountsCheck missing = checkAccounts(b.books, "1000", "4711");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.debitFound);
    EXPECT_FALSE(missing.creditFound);
    EXPECT_EQ(b.messages.entries.size(), 1u);  // refused without a message

    AccountsCheck cash = checkAccounts(b.books, "1", "12");
    ASSERT_TRUE(cash.ok);
    EXPECT_EQ(cash.debitNumber, " 1000");
    EXPECT_EQ(cash.creditName, "BANK                     ");
    EXPECT_EQ(cash.postingType, 1000);
    EXPECT_EQ(b.lastPostingType, 1000);
    // Cash against bank takes no VAT: any rate is refused and set to 0.
    EXPECT_FALSE(vatRateAllowed(cash.postingType, true, 1000, 1200, 3));
    RateCheck refused = checkVatRate("19", false, b.messages);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.field, " 0.00");
    EXPECT_EQ(b.messages.last().text,
              cp<"Bei dieser Kontenkombination ist keine\nMehrwertsteuereingabe zulässig !">());
    EXPECT_TRUE(checkVatRate("", false, b.messages).ok);
    EXPECT_FALSE(vatRateAllowed(1004, false, 1200, 8400, 3));
    EXPECT_TRUE(vatRateAllowed(1004, true, 1200, 8400, 3));
}

TEST(LineChecks, AmountLimits) {
    ui::RecordingMessages m;
    AmountCheck big = checkAmount("100000000.00", m);
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.field, "99999999.99");
    EXPECT_EQ(m.last().text,
              cp<"Der eingegebene Betrag  100000000.00 ist unzulässig.\nDer Betrag ist zu gross !">());
    AmountCheck small = checkAmount("-10000000", m);
    EXPECT_FALSE(small.ok);
    EXPECT_EQ(small.field, "-9999999.99");
    EXPECT_EQ(m.last().text,
              cp<"Der eingegebene Betrag  -10000000.00 ist unzulässig.\nDer Betrag ist zu klein !">());
    AmountCheck zero = checkAmount("   0.00", m);
    EXPECT_FALSE(zero.ok);
    EXPECT_EQ(zero.field, "       0.00");
    EXPECT_EQ(m.last().text,
              cp<"Nullbuchungen sind nicht zulässig!\nBitte geben Sie einen Betrag ungleich 0 ein !">());
    EXPECT_EQ(m.entries.size(), 3u);

    AmountCheck fine = checkAmount("  12,5", m);
    EXPECT_TRUE(fine.ok);
    EXPECT_EQ(fine.field, "      12.50");
    EXPECT_EQ(checkAmount("99999999.99", m).field, "99999999.99");
    EXPECT_EQ(checkAmount("-9999999.99", m).field, "-9999999.99");
    EXPECT_EQ(m.entries.size(), 3u);
}

TEST(LineChecks, RateLimitsAndVat) {
    ui::RecordingMessages m;
    RateCheck high = checkVatRate("100", true, m);
    EXPECT_FALSE(high.ok);
    EXPECT_EQ(high.field, "99.99");
    EXPECT_EQ(m.last().text, cp<"Die eingegebene Mehrwertsteuer  100.00 ist unzulässig!\nDer Betrag ist zu gross !">());
    RateCheck low = checkVatRate("-1", true, m);
    EXPECT_FALSE(low.ok);
    EXPECT_EQ(low.field, " 0.00");
    EXPECT_EQ(m.last().text, cp<"Die eingegebene Mehrwertsteuer   -1.00 ist unzulässig!\nDer Betrag ist zu klein !">());
    EXPECT_EQ(checkVatRate("7", true, m).field, " 7.00");
    EXPECT_EQ(vatText(vatOfGross(1000.0, 19.0, 1200, 8400, 3)), "     159.66");
    EXPECT_EQ(vatText(vatOfGross(-1000.0, 7.0, 1200, 8400, 3)), "     -65.42");
    EXPECT_EQ(vatOfGross(1000.0, 19.0, 1409, 3809, 4), 0.0);
}

TEST(LineChecks, ConfirmationOnlyOnJ) {
    ui::RecordingMessages m;
    EXPECT_TRUE(confirmSave("J", m));
    EXPECT_TRUE(m.empty());
    EXPECT_FALSE(confirmSave("N", m));
    EXPECT_FALSE(confirmSave("j", m));
    ASSERT_EQ(m.entries.size(), 2u);
    EXPECT_EQ(m.last().text, "Der Buchungssatz wurde nicht gespeichert !");
    EXPECT_EQ(m.last().caption, "INFORMATION");
}

// A 25-character name: the head, blanks, and the tail ending in the 25th character.
std::string name25(const std::string& head, const std::string& tail) {
    return head + std::string(25 - head.size() - tail.size(), ' ') + tail;
}

TEST(VatPreset, RateFromTheEndOfTheName) {
    EXPECT_EQ(presetRateOfName(name25("PORTO", " 7%")), " 7.00");
    EXPECT_EQ(presetRateOfName(name25("ERLOESE", " 19,50%")), "19.50");
    EXPECT_EQ(presetRateOfName(name25("WAREN", "5%")), " 5.00");
    EXPECT_EQ(presetRateOfName(name25("X", " AB7%")), " 7.00");
    EXPECT_EQ(presetRateOfName(name25("X", " 1234567.5%")), "4567.50");  // six characters at most
    EXPECT_EQ(presetRateOfName(name25("WAREN", " %")), std::nullopt);
    EXPECT_EQ(presetRateOfName(name25("WAREN", " 5% ")), std::nullopt);
    EXPECT_EQ(presetRateOfName(name25("ERLOESE", " 19%").substr(1)), std::nullopt);
    EXPECT_EQ(defaultVatRate(name25("KASSE", ""), name25("ERLOESE", " 7%")), " 7.00");
    EXPECT_EQ(defaultVatRate(name25("WAREN", " 19%"), name25("ERLOESE", " 7%")), "19.00");
    EXPECT_EQ(defaultVatRate("KASSE", "BANK"), "");

    EXPECT_EQ(withVatPreset("ERLOESE", "19"), name25("ERLOESE", " 19%"));
    EXPECT_EQ(withVatPreset(name25("ERLOESE", " 19%"), "7,5"), name25("ERLOESE", " 7.5%"));
    EXPECT_EQ(withVatPreset(name25("ERLOESE", " 7,5%"), ""), name25("ERLOESE", " 7.5%"));
    EXPECT_EQ(withoutVatPreset(name25("ERLOESE", " 7.5%")), name25("ERLOESE", ""));
    EXPECT_EQ(withVatPreset(std::string(25, 'A'), "19"), std::string(21, 'A') + " 19%");
    EXPECT_TRUE(vatPresetAllowed(8400, 3));
    EXPECT_FALSE(vatPresetAllowed(1200, 3));
    EXPECT_TRUE(vatPresetAllowed(6300, 4));
    EXPECT_FALSE(vatPresetAllowed(8400, 4));
}

}  // namespace
}  // namespace tellmark::posting
