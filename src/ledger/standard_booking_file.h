#pragma once
// The standard bookings of a booking circle (".stn"): recurring booking lines without a date, at most
// 999, one 64-byte text record each, no header; record n (from 1) at byte (n - 1) * 64.
//
//   0 mark "X" or blank (1) | 1 four blanks | 5 document, left-aligned (6) | 11 debit (5) | 16 credit (5)
//   21 text (25) | 46 amount "%11.2f" (11) | 57 VAT rate "%5.2f" (5) | 62 CR LF
//
// The file is small, so every change writes it whole beside the old one and renames it into place: a
// crash leaves the old standard bookings or the new ones, never a torn record.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::ledger {

inline constexpr std::size_t kStandardBookingRecordSize = 64;
inline constexpr int kMaxStandardBookings = 999;

// One standard booking; every text exactly its field's width, as the file holds it.
struct StandardBookingRecord {
    bool marked = false;
    std::string document = std::string(6, ' ');
    std::string debit = std::string(5, ' ');
    std::string credit = std::string(5, ' ');
    std::string text = std::string(25, ' ');
    std::string amount = std::string(11, ' ');
    std::string rate = std::string(5, ' ');

    bool operator==(const StandardBookingRecord&) const = default;
};

// The record of the texts given, each cut or blank-padded to its width (the document and text
// left-aligned, accounts, amount and rate right-aligned as the journal writes them).
StandardBookingRecord makeStandardBooking(bool marked, std::string_view document, std::string_view debit,
                                          std::string_view credit, std::string_view text, std::string_view amount,
                                          std::string_view rate);

// What the program derives from a record's texts whenever it reads or writes one.
struct StandardBookingValues {
    int debitNumber = 0;
    int creditNumber = 0;
    double amount = 0.0;
    double rate = 0.0;
    double vat = 0.0;          // amount * rate / (rate + 100), to the cent
    std::string vatText;       // "%11.2f"
    bool hasMarker = false;    // the text holds ".#": it is completed when posted
    bool zeroAmount = false;   // |amount| < 0.0044444: the amount is entered when posted
};
StandardBookingValues valuesOf(const StandardBookingRecord& record);

// The 64 bytes of a record, ending in CR LF.
std::string formatStandardBooking(const StandardBookingRecord& record);
// A record from its 64 bytes: any mark character but a blank reads as "X".
StandardBookingRecord parseStandardBooking(std::string_view bytes);

// Reads every record of the open file. A length that is no whole number of records, more than 999
// records or a record without its CR LF is a damaged file: "Fehler beim Einlesen der Standardbuchungen
// in den Cache.\n..." (caption "FEHLER") and false, so that nothing is written over it.
bool readStandardBookings(platform::File& file, std::vector<StandardBookingRecord>& records, ui::Messages& messages);

// Writes all records (at most 999) beside the open file, syncs and renames them into its place; the file
// object then holds the new file with its lock. False after "Fehler beim Speichern der Standardbuchungen
// in den Cache.\n..." (caption "FEHLER"), with the old file in place.
bool writeStandardBookings(platform::File& file, const std::vector<StandardBookingRecord>& records,
                           ui::Messages& messages);

}  // namespace tellmark::ledger
