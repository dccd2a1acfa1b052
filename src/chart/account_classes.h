#pragma once
// What an account number means in the two charts of accounts (03 and 04): the account kind that decides
// posting, VAT handling and report grouping, the net-booked and carried-forward sets, and the class list
// of the trial balance. The chart is passed as the integer 3 or 4; anything else is treated as chart 04,
// except by the account kind and the carry-forward rule, which know no accounts in an unknown chart.
//
// AccountKindOf, IsNetBooked and IsCarriedForward run for every account record read: no allocation.

#include <string>
#include <string_view>

namespace tellmark::chart {

// The kind codes are stored and compared as plain integers elsewhere, so the values are fixed and an
// AccountKind compares equal to its code (kind == 4, 12 != kind). 16 and 17 are not used.
enum class AccountKind : int {
    Other = 1,
    ClassZero = 2,
    OtherBalance = 3,
    Financial = 4,
    Neutral = 5,
    ClassTwoNine = 6,
    Purchase = 7,
    Expense = 8,
    Revenue = 9,
    RevenueSpecial = 10,
    ClassNine = 11,
    Customer = 12,
    Supplier = 13,
    OutputVat = 14,
    InputVat = 15,
    EuOutputVat = 18,
    EuInputVat = 19,
};

constexpr int code(AccountKind kind) { return static_cast<int>(kind); }
constexpr bool operator==(AccountKind kind, int value) { return static_cast<int>(kind) == value; }

AccountKind AccountKindOf(int number, int chart);

// Accounts on which a booking with VAT is carried at its net amount.
bool IsNetBooked(int number, int chart);

// Balance-sheet accounts whose closing balance opens the next year. privateExcluded leaves out the
// private accounts 1900 to 1999 of chart 03; it has no effect in chart 04.
bool IsCarriedForward(int number, bool privateExcluded, int chart);

// The index of the LAST class of the chart (9 for chart 03, 11 for chart 04), not the number of classes:
// loop with index <= ClassCount(chart).
int ClassCount(int chart);

// "%-40s Soll %3s       Haben %3s\r\n" with the class title; an unknown index gives a blank title.
std::string ClassTitleLine(int index, std::string_view currency, int chart);

// The range of account numbers the trial balance scans for the class; an unknown index gives -1, -1 and
// false.
bool ClassRange(int index, int chart, int& lower, int& upper);

// Whether the account is listed under the class. Only accounts inside the class's scan range can be
// members. An unknown index gives false.
bool IsClassMember(int index, int number, int chart);

}  // namespace tellmark::chart
