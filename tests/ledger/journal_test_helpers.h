#pragma once
// Journals for the journal, index and cache tests: an empty journal file in a temporary directory,
// opened as the booking circle opens it, and bookings written through the journal itself.

#include <string>

#include "ledger/journal.h"
#include "resources/format.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::ledger::journal_testing {

inline BookingTexts booking(const std::string& date, const std::string& document, const std::string& debit,
                            const std::string& credit, const std::string& text, double amount, double rate) {
    return BookingTexts{date, document, debit, credit, text, format("%11.2f", amount), format("%5.2f", rate)};
}

// A journal file "B2009001.jou" in its own directory, open for the test.
struct OpenJournal {
    testing::TempDir dir;
    std::string path = dir.file("B2009001.jou");
    ui::RecordingMessages messages;
    Journal journal{messages};

    explicit OpenJournal(int chart = 3) {
        testing::writeFile(path, "");
        journal.setChart(chart);
        journal.open(path);
    }
    void append(const BookingTexts& texts) { journal.writeBooking(journal.count(), texts); }
};

}  // namespace tellmark::ledger::journal_testing
