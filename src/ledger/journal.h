#pragma once
// The journal of a booking year (".jou"): every booking as one 64-byte record in the order of entry;
// booking number n is the record at (n - 1) * 64. The open booking circle holds the file open with
// writing denied to others, together with the current booking that every read fills.
//
// Every write is synced before it counts, so a booking reported saved is on the disk; the file stays open
// (and locked) throughout.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/document_numbering.h"
#include "ledger/journal_record.h"
#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::ledger {

class CJIndex;
class JournalCache;

// Where a scan for an account's booking stopped.
struct AccountScan {
    bool found = false;
    long number = 0;  // the booking found, the booking that ended the scan, or last + 1 when it ran through
};

class Journal {
public:
    explicit Journal(ui::Messages& messages);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens an existing journal for reading and writing, writing denied to others.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    const std::string& path() const { return path_; }

    // Chart of accounts of the booking circle (3 or 4): decides the EU pair when VAT is derived.
    void setChart(int chart) { chart_ = chart; }
    int chart() const { return chart_; }
    // Automatic document numbers; none when the caller does not number documents.
    void setDocumentNumbering(DocumentNumbering* numbering) { numbering_ = numbering; }
    // While a booked line is being changed, writing it takes no document number.
    void setChangeMode(bool changing) { changeMode_ = changing; }
    bool changeMode() const { return changeMode_; }

    // Number of bookings: file length / 64; a length that cannot be had counts as 0.
    long count() const;
    // File length in bytes, 0 when it cannot be had.
    std::int64_t length() const;

    // Reads booking n (from 1) into the current booking; n < 1 or a short read reads nothing.
    bool readBooking(long n);
    // As readBooking, from the journal cache while one is loaded; the current booking, or nullptr.
    const ParsedBooking* readParsed(long n);
    // The booking read last.
    const ParsedBooking& current() const { return current_; }

    // Writes the record at index i (from 0): i = count appends, i < count overwrites, and puts it on the
    // disk. Advances the automatic document number when the booking takes the next number. False when the
    // record could not be written: the journal then holds what it held before.
    bool writeBooking(long i, const BookingTexts& texts);
    // Appends the lines of one booking (a cash discount or an EU booking has two) in one write; all of
    // them or none. The lines share one document number.
    bool appendBookings(const std::vector<BookingTexts>& lines);
    // Whether each append is put on the disk before it returns (the default). Posting a batch turns it
    // off and syncs once per block, under the record of the block's operation.
    void setSyncEachAppend(bool sync) { syncEachAppend_ = sync; }
    // False when the last write took the next document number but the counter could not be stored.
    bool counterStored() const { return counterStored_; }
    bool flush();
    // Cuts the journal to this length and syncs it (repair of a record that was never completed).
    bool cutTo(std::int64_t length);
    // The open file, for the checks of its records.
    platform::File& file() { return file_; }

    // Removes the bookings from number b to a - 1, so that booking a becomes booking b (1 <= b < a <=
    // count + 1). Deleting booking b is removeBookings(b + 1, b): later bookings move up by one. The
    // journal is written anew and replaces the old one whole, or stays as it was.
    bool removeBookings(long a, long b);
    // Removes every booking named (numbers ascending) in one pass: the journal is written anew once. An
    // incomplete record at the end is not kept either.
    bool removeBookingSet(const std::vector<long>& numbers);

    // Replaces the whole journal by records (whole 64-byte records): they are written as the file
    // freshPath, put on the disk and renamed into the journal's place, and the journal reads the new
    // file. False when that failed: the journal then holds what it held before.
    bool replaceContent(const std::string& freshPath, const std::string& records);
    // Scans bookings first..last for the first one dated day.month whose debit or credit account is the
    // given account; the booking found becomes the current one. A date that is no "DD.MM" or a short
    // read ends the scan as not found.
    AccountScan nextBookingOfAccountOnDate(long first, long last, int day, int month, std::string_view account);

    // Adds to sum the bookings of the month dated before the given day, as found in the month's range of
    // the journal index: + amount where the account is debit, - amount where it is credit. 0 when a date
    // is no "DD.MM" or a read is short, else 1.
    int monthMovementBeforeDay(int day, int month, std::string_view account, double& sum, const CJIndex& index);

    // Reads up to maxCount whole records from index firstIndex on into out (maxCount * 64 bytes).
    // Returns the number of whole records read, -1 on a file error. For building the index and the cache.
    long readRecords(long firstIndex, long maxCount, char* out);

private:
    // After a new journal was written beside and renamed over this one (written: every step succeeded):
    // the journal is the new file once the rename happened; otherwise the new file is removed again.
    bool adoptFresh(platform::File& fresh, const std::string& freshPath, bool written);

    friend class JournalCache;

    bool readRecord(long n, char* out);
    bool reopen();
    void takeNumber(const JournalRecord& record);
    bool stillInPlace();
    void forgetReadAhead() { windowCount_ = 0; }

    ui::Messages& messages_;
    bool syncEachAppend_ = true;
    platform::File file_;
    std::string path_;
    int chart_ = 3;
    DocumentNumbering* numbering_ = nullptr;
    bool changeMode_ = false;
    bool counterStored_ = true;
    ParsedBooking current_{};
    JournalCache* cache_ = nullptr;

    // Read-ahead: sequential reads (reports, scans) take the records from one block read.
    std::vector<char> window_;
    long windowFirst_ = 0;  // index of the first record in the window
    long windowCount_ = 0;
};

}  // namespace tellmark::ledger
