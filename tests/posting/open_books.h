#pragma once
// An open booking circle for the posting tests: an empty balance file (which receives its two VAT
// accounts), account index, journal and journal index in a temporary directory, opened the way the
// booking circle opens them, and the bundle the posting engine works on.

#include <array>
#include <cstdio>
#include <string>

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/document_numbering.h"
#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "posting/account_maintenance.h"
#include "posting/books.h"
#include "resources/format.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::posting::testing {

// Account numbers as the balance file writes them: " 0200", " 1200", "10001".
inline std::string numberField(int number) { return number <= 9999 ? format(" %04i", number) : format("%05i", number); }

class CountingNumbers : public ledger::DocumentNumbering {
public:
    bool automatic() const override { return true; }
    long next() const override { return next_; }
    bool advance() override {
        ++next_;
        return true;
    }
    bool setNext(long next) override {
        next_ = next;
        return true;
    }
    long next_ = 1;
};

struct OpenBooks {
    tellmark::testing::TempDir dir;
    std::string salPath = dir.file("B2009001.sal");
    std::string sdxPath = dir.file("B2009001.sdx");
    std::string jouPath = dir.file("B2009001.jou");
    std::string jdxPath = dir.file("B2009001.jdx");
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    config::CircleSettings settings;
    platform::File balanceFile;
    ledger::CSalden debit{messages}, credit{messages}, outputVat{messages}, inputVat{messages}, report{messages};
    ledger::CSIndex accountIndex{messages, progress};
    ledger::Journal journal{messages};
    ledger::CJIndex journalIndex{messages, progress};
    CountingNumbers numbers;
    int lastPostingType = 0;
    ledger::OperationMarker marker;
    BooksHealth health;
    Books books{debit, credit, outputVat, inputVat, report, accountIndex, journal,  journalIndex, settings,
                &numbers, messages,        lastPostingType, balanceFile, marker,  health,   progress};
    AccountFiles accounts{report, accountIndex, balanceFile, 3, messages, &books};

    explicit OpenBooks(int chart = 3, int spanFirstMonth = 0) {
        settings.chart = chart;
        settings.vatOn = 1;
        settings.spanYear = spanFirstMonth > 1 ? 1 : 0;
        settings.firstMonth = spanFirstMonth > 1 ? spanFirstMonth : 1;
        accounts.chart = chart;
        marker.attach(dir.file("B2009001.lauf"));
        tellmark::testing::writeFile(salPath, "");
        tellmark::testing::writeFile(jouPath, "");
        balanceFile.open(salPath, platform::Share::DenyWrite);
        for (ledger::CSalden* cursor : {&debit, &credit, &outputVat, &inputVat, &report}) {
            cursor->attach(balanceFile, settings.spanYear, settings.firstMonth, chart);
            cursor->useIndex(accountIndex);
        }
        report.ensureVatAccounts();
        accountIndex.attach(sdxPath, balanceFile);
        accountIndex.open();
        journal.setChart(chart);
        journal.open(jouPath);
        journalIndex.attach(jdxPath, journal);
        journalIndex.open();
    }

    // An account entered directly through the ledger, as a chart template would bring it.
    void addAccount(int number, const std::string& name, double opening = 0.0) {
        report.createAccount(numberField(number), name, opening);
        accountIndex.insert(report.count() - 1, number, name, true);
    }

    std::string sal() const { return tellmark::testing::readFile(salPath); }
    std::string jou() const { return tellmark::testing::readFile(jouPath); }

    // The 202 bytes of an account as the file holds them; empty when it is not there.
    std::string record(int number) {
        const std::string all = sal();
        const std::string key = numberField(number);
        for (std::size_t at = 0; at + 202 <= all.size(); at += 202)
            if (all.compare(at, 5, key) == 0) return all.substr(at, 202);
        return {};
    }
    std::string slot(int number, int slot) {
        const std::string r = record(number);
        return r.empty() ? std::string() : r.substr(31 + 12 * static_cast<std::size_t>(slot), 12);
    }
    char status(int number) {
        const std::string r = record(number);
        return r.empty() ? '?' : r[30];
    }
};

// A record put together field by field: number, name, status and the slots given (others 0.00).
inline std::string accountRecord(int number, const std::string& name, char status,
                                 std::initializer_list<std::pair<int, double>> slots) {
    std::array<double, 14> values{};
    for (auto [slot, value] : slots) values[static_cast<std::size_t>(slot)] = value;
    std::string out = numberField(number) + name + std::string(25 - name.size(), ' ') + status;
    for (double v : values) out += format("%12.2f", v);
    return out + "*\r\n";
}

inline ledger::BookingTexts line(const std::string& date, const std::string& document, const std::string& debit,
                                 const std::string& credit, const std::string& text, double amount,
                                 double rate) {
    return {date, document, debit, credit, text, format("%11.2f", amount), format("%5.2f", rate)};
}

}  // namespace tellmark::posting::testing
