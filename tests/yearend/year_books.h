#pragma once
// A booking circle for the year-end tests, in a fresh current directory: its settings, a balance file of
// the open year written record by record from the accounts given (opening balance, a month, the 13th
// month) and an empty journal, opened as the program opens it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "ledger/account_record.h"
#include "resources/format.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::yearend::testing {

using tellmark::testing::fileExists;
using tellmark::testing::readFile;
using tellmark::testing::writeFile;

struct Account {
    int number;
    std::string name;
    double opening = 0.0;
    double month = 0.0;       // slot 5
    double thirteenth = 0.0;  // slot 13
    double total() const { return opening + month + thirteenth; }
};

inline std::string numberText(int number) { return number <= 9999 ? format(" %04i", number) : format("%05i", number); }

// One record as a year's balance file holds it after postings.
inline std::string postedRecord(const Account& a) {
    ledger::AccountRecord r;
    EXPECT_TRUE(ledger::AccountRecord::makeNew(numberText(a.number), a.name, a.opening, r));
    r.setStatus(ledger::kStatusPosted);
    r.setSlot(5, a.month);
    r.setSlot(13, a.thirteenth);
    return std::string(r.bytes());
}

// A record as a new year starts it: status blank, the opening balance, every other slot 0.00.
inline std::string newRecord(int number, const std::string& name, double opening) {
    ledger::AccountRecord r;
    EXPECT_TRUE(ledger::AccountRecord::makeNew(numberText(number), name, opening, r));
    return std::string(r.bytes());
}

struct CircleSetup {
    std::string year = "2009";
    std::string firstMonth = "01";
    std::string chart = "03";
    bool cashBasis = true;
};

class YearBooks {
public:
    YearBooks(const CircleSetup& setup, const std::vector<Account>& accounts) : cd(dir.path()) {
        circles::CircleCreateFields fields;
        fields.name = "Muster GmbH";
        fields.year = setup.year;
        fields.firstMonth = setup.firstMonth;
        fields.chart = setup.chart;
        fields.cashBasis = setup.cashBasis;
        EXPECT_EQ(circles::createCircleSettings("", 1, fields, messages), 1);
        const char letter = setup.chart == "04" ? 'A' : 'B';
        prefix = std::string("BK000001/") + letter;
        std::string balance;
        for (const Account& a : accounts) balance += postedRecord(a);
        writeFile(file(setup.year, "sal"), balance);
        writeFile(file(setup.year, "jou"), "");
        EXPECT_EQ(doc.readProgramConfig(), 1);
        EXPECT_EQ(doc.openCircle(1), 1);
        messages.entries.clear();
    }

    // BK000001/<letter><year>001.<ext>, the year as typed ("2009", "0809").
    std::string file(const std::string& year, const std::string& ext) const { return prefix + year + "001." + ext; }
    std::string settingsText() const { return readFile("BK000001/STAMM001.DAT"); }
    // The "Jahr" line of the settings file, as stored ("Jahr=2010", "Jahr= 910").
    std::string yearLine() const {
        const std::string text = settingsText();
        const auto at = text.find("\r\nJahr=");
        return at == std::string::npos ? "" : text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
    }

    tellmark::testing::TempDir dir;
    tellmark::testing::ChangeDir cd;
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    circles::CVt36Doc doc{messages, progress};
    std::string prefix;
};

}  // namespace tellmark::yearend::testing
