#pragma once
// Account maintenance: choosing an account by number, changing its opening balance and its name,
// deleting it, and creating a new one. The dialogs and the command line call these operations; each
// shows its own messages and changes balance file and account index at once.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::posting {

struct Books;

// What the maintenance works on: a cursor of the open balance file (the one for reports and searches),
// the account index, the balance file itself and the chart of the booking circle.
struct AccountFiles {
    ledger::CSalden& cursor;
    ledger::CSIndex& index;
    platform::File& balanceFile;
    int chart;
    ui::Messages& messages;
    // The open books the files belong to: every change then runs as one safe operation of them.
    Books* books = nullptr;
};

enum class MaintenanceResult {
    Done,
    Refused,     // message shown, nothing changed
    FieldError,  // message shown, the dialog stays open for the field to be corrected
};

enum class Choice { Invalid, Found, NotFound };

struct ChosenAccount {
    Choice choice = Choice::Invalid;
    int number = 0;
    std::string numberText;  // as the balance file writes it: " 8400", "12000"
    std::string name;        // 25 characters
    std::string opening;     // "%.2f" of the opening balance
};

// The typed number must start with a positive number of at most five digits, else "Ungültige
// Kontonummer !"; up to four digits are the leading digits of a four-digit number (84 is 8400). Found:
// the cursor stands on the account. Not found: number and number text tell what to create (the dialog
// gives a warning beep).
ChosenAccount chooseAccount(AccountFiles& files, std::string_view typed);

// Slot 0 becomes the typed amount (amount filter, at most 999999999.99); the status stays as it is.
// "Änderung des Anfangsbestandes wurde gespeichert !" (caption "INFORMATION").
MaintenanceResult changeOpeningBalance(AccountFiles& files, int number, std::string_view typedAmount);

// Renames an account. The standard VAT and the discount accounts keep their names ("Die Bezeichnung der
// Mehrwertsteuerkonten\nkann nicht geändert werden!"); a blank name gives "Kontobezeichnung fehlt !". With
// a rate (the check box set), the name ends in " <rate>%", allowed only in the VAT-preset ranges; an empty
// rate normalises a preset already in the name. The index entry is moved to the new name under the same
// record. "Änderung der Bezeichnung wurde gespeichert !" (caption "INFORMATION").
MaintenanceResult renameAccount(AccountFiles& files, int number, std::string_view newName,
                                const std::optional<std::string>& rate);

// Deletes an account without postings (status blank) that is not a standard VAT account; the later
// records move up and the index follows. "Das Konto wurde erfolgreich gelöscht !" (caption "INFORMATION").
MaintenanceResult deleteAccount(AccountFiles& files, int number);

struct NewAccount {
    int number = 0;
    std::string name;                 // ignored for the discount accounts, which have fixed names
    std::optional<std::string> rate;  // the VAT preset, when the check box is set
    std::string opening = "0.00";     // as typed (amount filter, at most 99999999.99)
};

// Creates the account at the end of the balance file and enters it into the index. Refused: a blank name,
// a number outside the chart ("Kontonummer nicht zulässig oder nicht korrekt!", which an account that is
// already there gets too), a rate that cannot be set. "Neues Konto wurde erfolgreich angelegt !" (caption
// "INFORMATION"); the cursor stands on the new account.
MaintenanceResult createAccount(AccountFiles& files, const NewAccount& account);

// The fixed name of a discount account ("ERHALTENE SKONTI" 3730 / 5730, "GEWÄHRTE SKONTI" 8730 / 4730),
// empty for every other account.
std::string_view fixedAccountName(int number, int chart);
// Accounts whose name cannot be changed: the standard VAT accounts and the discount accounts.
bool nameIsProtected(int number, int chart);
// The number text the balance file writes for an account number: " %04i" up to 9999, else "%05i".
std::string accountNumberText(int number);

// The list "Kontenplan": one line "  %5s    %25s" (number, name) per account in file order.
std::vector<std::string> chartOfAccountsList(ledger::CSalden& cursor);

}  // namespace tellmark::posting
