#include <gtest/gtest.h>

#include "posting/account_maintenance.h"
#include "posting/line_checks.h"
#include "posting/vat_preset.h"
#include "posting/posting_engine.h"
#include "resources/cp1252_literal.h"
#include "open_books.h"

namespace tellmark::posting {
namespace {

using testing::accountRecord;
using testing::line;
using testing::OpenBooks;

NewAccount newAccount(int number, const std::string& name, std::optional<std::string> rate = std::nullopt,
                      const std::string& opening = "0.00") {
    NewAccount a;
    a.number = number;
    a.name = name;
    a.rate = rate;
    a.opening = opening;
    return a;
}

TEST(AccountMaintenance, ChooseNormalisesTheNumber) {
    OpenBooks b;
    b.addAccount(8400, "ERLOESE", -12.5);
    ChosenAccount found = chooseAccount(b.accounts, " 84");
    EXPECT_EQ(found.choice, Choice::Found);
    EXPECT_EQ(found.numberText, " 8400");
    EXPECT_EQ(found.opening, "-12.50");
    ChosenAccount missing = chooseAccount(b.accounts, "12000");
    EXPECT_EQ(missing.choice, Choice::NotFound);
    EXPECT_EQ(missing.numberText, "12000");
    EXPECT_TRUE(b.messages.empty());
    for (const char* bad : {"abc", "0", "-5", "123456", ""}) {
        EXPECT_EQ(chooseAccount(b.accounts, bad).choice, Choice::Invalid) << bad;
        EXPECT_EQ(b.messages.last().text, cp<"Ungültige Kontonummer !">());
    }
}

TEST(AccountMaintenance, CreateWithVatPresetFeedsTheDefaultRate) {
    OpenBooks b;
    ASSERT_EQ(createAccount(b.accounts, newAccount(8400, "ERLOESE", "19", "-5,5")), MaintenanceResult::Done);
    EXPECT_EQ(b.messages.last().text, "Neues Konto wurde erfolgreich angelegt !");
    EXPECT_EQ(b.messages.last().caption, "INFORMATION");
    EXPECT_EQ(b.record(8400), accountRecord(8400, "ERLOESE" + std::string(14, ' ') + " 19%", ' ', {{0, -5.5}}));
    EXPECT_EQ(b.report.numberValue(), 8400);

    ASSERT_EQ(createAccount(b.accounts, newAccount(1200, "BANK")), MaintenanceResult::Done);
    const AccountsCheck accounts = checkAccounts(b.books, "1200", "8400");
    ASSERT_TRUE(accounts.ok);
    EXPECT_EQ(defaultVatRate(accounts.debitName, accounts.creditName), "19.00");
}

TEST(AccountMaintenance, CreateRefusals) {
    OpenBooks b;
    const std::string before = b.sal();
    EXPECT_EQ(createAccount(b.accounts, newAccount(5000, "NICHTS")), MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, cp<"Kontonummer nicht zulässig oder nicht korrekt!">());
    EXPECT_EQ(createAccount(b.accounts, newAccount(1570, "NOCHMAL")), MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, cp<"Kontonummer nicht zulässig oder nicht korrekt!">());
    EXPECT_EQ(createAccount(b.accounts, newAccount(8400, "   ")), MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, "Kontobezeichnung fehlt !");
    EXPECT_EQ(b.messages.last().caption, "FEHLER");
    EXPECT_EQ(createAccount(b.accounts, newAccount(1200, "BANK", "19")), MaintenanceResult::FieldError);
    EXPECT_EQ(createAccount(b.accounts, newAccount(8400, "ERLOESE", "120")), MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, cp<"Eingegebene Mehrwertsteuer nicht zulässig.">());
    EXPECT_EQ(createAccount(b.accounts, newAccount(8400, "ERLOESE", std::nullopt, "100000000")),
              MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, "Maximaler Betrag: 99999999.99");
    EXPECT_EQ(b.sal(), before);

    // The discount accounts get their fixed names whatever is typed.
    ASSERT_EQ(createAccount(b.accounts, newAccount(3730, "")), MaintenanceResult::Done);
    EXPECT_EQ(b.record(3730), accountRecord(3730, "ERHALTENE SKONTI", ' ', {}));
}

TEST(AccountMaintenance, DeleteRules) {
    OpenBooks b;
    b.addAccount(1590, "DURCHLAUF");
    b.addAccount(4711, "SONSTIGES", 250.0);
    b.addAccount(8400, "ERLOESE");
    b.addAccount(1200, "BANK");
    ASSERT_EQ(postNewLine(b.books, line("01.03", "", " 1200", " 1590", "x", 1.0, 0.0)), 1);

    EXPECT_EQ(deleteAccount(b.accounts, 1570), MaintenanceResult::Refused);
    EXPECT_EQ(b.messages.last().text, cp<"Die Mehrwertsteuerkonten können nicht gelöscht werden !">());
    EXPECT_EQ(deleteAccount(b.accounts, 1590), MaintenanceResult::Refused);
    EXPECT_EQ(b.messages.last().text,
              cp<"Auf diesem Konto wurden schon Buchungen durchgeführt;\ndas Konto kann daher nicht gelöscht werden !">());
    const std::string before = b.sal();
    ASSERT_EQ(deleteAccount(b.accounts, 4711), MaintenanceResult::Done);
    EXPECT_EQ(b.messages.last().text, cp<"Das Konto wurde erfolgreich gelöscht !">());
    EXPECT_EQ(b.sal(), before.substr(0, 3 * 202) + before.substr(4 * 202));
    // The accounts behind it are still found, and posting to them still hits their own records.
    EXPECT_EQ(chooseAccount(b.accounts, "8400").choice, Choice::Found);
    EXPECT_EQ(b.report.name(), "ERLOESE                  ");
    ASSERT_EQ(postNewLine(b.books, line("02.03", "", " 1200", " 8400", "y", 119.0, 19.0)), 1);
    EXPECT_EQ(b.record(8400), accountRecord(8400, "ERLOESE", '1', {{3, -100.0}}));
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", '1', {{3, 120.0}}));
}

TEST(AccountMaintenance, RenameAndOpeningBalance) {
    OpenBooks b;
    b.addAccount(8730, cp<"GEWÄHRTE SKONTI">().data());
    b.addAccount(8400, "ERLOESE");
    b.addAccount(1200, "BANK");
    EXPECT_EQ(renameAccount(b.accounts, 8730, "SKONTO", std::nullopt), MaintenanceResult::Refused);
    EXPECT_EQ(b.messages.last().text, cp<"Die Bezeichnung der Mehrwertsteuerkonten\nkann nicht geändert werden!">());
    EXPECT_EQ(renameAccount(b.accounts, 1770, "USt", std::nullopt), MaintenanceResult::Refused);
    EXPECT_EQ(renameAccount(b.accounts, 8400, "  ", std::nullopt), MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, "Kontobezeichnung fehlt !");

    ASSERT_EQ(renameAccount(b.accounts, 8400, "UMSATZ", std::string("7")), MaintenanceResult::Done);
    EXPECT_EQ(b.messages.last().text, cp<"Änderung der Bezeichnung wurde gespeichert !">());
    EXPECT_EQ(b.record(8400), accountRecord(8400, "UMSATZ                 7%", ' ', {}));
    int record = -1;
    EXPECT_EQ(b.accountIndex.findByName("umsatz", record), ledger::kIndexFound);
    EXPECT_EQ(record, 3);
    EXPECT_NE(b.accountIndex.findByName("ERLOESE", record), ledger::kIndexFound);
    EXPECT_EQ(b.accountIndex.findByName("BANK", record), ledger::kIndexFound);
    EXPECT_EQ(record, 4);

    ASSERT_EQ(changeOpeningBalance(b.accounts, 1200, "1234,56"), MaintenanceResult::Done);
    EXPECT_EQ(b.messages.last().text, cp<"Änderung des Anfangsbestandes wurde gespeichert !">());
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", ' ', {{0, 1234.56}}));
    EXPECT_EQ(changeOpeningBalance(b.accounts, 1200, "1000000000"), MaintenanceResult::FieldError);
    EXPECT_EQ(b.messages.last().text, "Maximaler Betrag: 999999999.99");
    EXPECT_EQ(b.record(1200), accountRecord(1200, "BANK", ' ', {{0, 1234.56}}));
    // An opening balance entered by hand does not stop a deletion.
    EXPECT_EQ(deleteAccount(b.accounts, 1200), MaintenanceResult::Done);
}

TEST(AccountMaintenance, ChartList) {
    OpenBooks b;
    b.addAccount(10001, "KUNDE");
    const std::vector<std::string> lines = chartOfAccountsList(b.report);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "   1570    VORSTEUER                ");
    EXPECT_EQ(lines[2], "  10001    KUNDE                    ");
}

}  // namespace
}  // namespace tellmark::posting
