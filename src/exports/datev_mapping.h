#pragma once
// The table that maps the program's account numbers to DATEV account numbers, and its file
// "DATEV%03i.DAT" in the booking circle's directory:
//   "; Diese Datei darf in keinem Fall manuell bearbeitet werden!" CR LF, CR LF, "[DATEVKONTOZUORDNUNG]"
//   CR LF, "Version=W001001" CR LF, then one "own=datev" CR LF per pair in table order.
// The table holds at most 30,000 pairs and ends at the first pair with a number 0.

#include <string>
#include <utility>
#include <vector>

#include "ui/messages.h"

namespace tellmark::exports {

inline constexpr std::size_t kDatevMappingCapacity = 30000;
// DATEV account numbers have at most nine digits.
inline constexpr long kHighestDatevAccount = 999999999;

class DatevMapping {
public:
    using Pair = std::pair<int, int>;  // own number, DATEV number

    // The pairs in table order; pairs behind a 0 and beyond the capacity are not taken.
    void assign(const std::vector<Pair>& pairs);
    const std::vector<Pair>& pairs() const { return pairs_; }

    // The stored DATEV number of an own account, 0 when it has none.
    int stored(int own) const;
    // The number the export sends: the stored number or the own one; a five-digit number beginning with
    // 2 (a supplier) begins with 7 instead, as DATEV keeps its creditors in 70000-99999.
    long exported(int own) const;

private:
    std::vector<Pair> pairs_;
    std::vector<int> byOwn_;  // DATEV number by own account 1-29999 (0: none)
};

// The number the dialog proposes for an account without a stored pair: its own, 2xxxx as 7xxxx.
long proposedDatevNumber(int own);

enum class MappingRead { Missing, Read, Damaged };
// Reads the file; Damaged with the line (from 1) that is not as the program writes it.
MappingRead readDatevMapping(const std::string& path, DatevMapping& mapping, int& badLine);
// Reads the file; a damaged file shows its message and gives false. A missing file is an empty table.
bool loadDatevMapping(const std::string& path, DatevMapping& mapping, ui::Messages& messages);

std::string datevMappingFileText(const DatevMapping& mapping);
// Written whole beside the old file and renamed into place; false after the message.
bool writeDatevMapping(const std::string& path, const DatevMapping& mapping, ui::Messages& messages);

// Merges new pairs into the table: an account named again gets its new number, the others keep theirs;
// the result is in account order.
DatevMapping mergedDatevMapping(const DatevMapping& stored, const std::vector<DatevMapping::Pair>& changes);

}  // namespace tellmark::exports
