#pragma once
// A booking circle holding the realistic booking year of realistic_journal.h, in a temporary start
// directory. It is built fast: the program creates the circle and its two VAT accounts, the other
// accounts and the journal are written as records, and one reorganisation posts every booking so that
// the balances are the ones the journal gives. Each size is built once per run and removed at its end.

#include <string>

#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::bench {

class RealisticBooks {
public:
    // The books of this many bookings, built on first use; their start directory becomes the current one.
    static RealisticBooks& use(long bookings);

    ~RealisticBooks();
    RealisticBooks(const RealisticBooks&) = delete;
    RealisticBooks& operator=(const RealisticBooks&) = delete;

    const std::string& directory() const { return dir_; }
    // The circle's files, relative to the start directory.
    static std::string journalPath() { return "BK000001/B2009001.jou"; }
    static std::string journalIndexPath() { return "BK000001/B2009001.jdx"; }
    static std::string balancePath() { return "BK000001/B2009001.sal"; }
    static std::string accountIndexPath() { return "BK000001/B2009001.sdx"; }
    long bookings() const { return bookings_; }
    long accounts() const { return accounts_; }

    ui::SilentMessages messages;
    ui::NoProgress progress;

private:
    explicit RealisticBooks(long bookings);

    std::string dir_;
    long bookings_ = 0;
    long accounts_ = 0;
};

}  // namespace tellmark::bench
