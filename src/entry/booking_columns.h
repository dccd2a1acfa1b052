#pragma once
// Bookings as lines of text, one per line, the way scripts and spreadsheets write them: the columns
//   date;document;debit;credit;text;amount;rate;kind;paid;discount
// separated by semicolons. Columns at the end may be left out (kind "normal", no rate: the accounts'
// preset). A field in double quotes may hold semicolons, and "" in it stands for one quote. The fields
// are taken as typed into the entry form; its checks decide what they mean.

#include <string>
#include <string_view>
#include <vector>

#include "entry/typed_booking.h"

namespace tellmark::entry {

inline constexpr std::size_t kBookingColumns = 10;

// Splits a line at its semicolons. False when a quoted field is not closed.
bool splitColumns(std::string_view line, std::vector<std::string>& fields);

// A first line that names the columns: its date field holds no digit.
bool isHeaderLine(const std::vector<std::string>& fields);

// The booking kind by its name: "", "normal", "netto", "reisekosten", "skonto", "eu", "13b".
bool bookingKindOfName(std::string_view name, posting::BookingKind& kind);

// The fields of a split line as a typed booking; an empty text when it holds one, else what is wrong
// with the line (too many columns, a column the kind needs left empty, an unknown kind).
std::string bookingOfColumns(const std::vector<std::string>& fields, TypedBooking& booking);

}  // namespace tellmark::entry
