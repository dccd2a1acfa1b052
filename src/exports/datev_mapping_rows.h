#pragma once
// The rows of the dialog "Kontonummernzuordnung": every account of the balance file in number order with
// its name and the DATEV number it has - the stored one, or the proposal (its own number, a supplier
// 2xxxx as 7xxxx).

#include <string>
#include <vector>

#include "exports/datev_mapping.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"

namespace tellmark::exports {

struct DatevMappingRow {
    int own = 0;
    std::string name;  // CP1252, without trailing blanks
    long datev = 0;
};

std::vector<DatevMappingRow> datevMappingRows(ledger::CSIndex& index, ledger::CSalden& cursor,
                                              const DatevMapping& mapping);

// The table the dialog writes: each row's account with the number in its DATEV column, and the stored
// pairs of accounts the balance file no longer holds.
DatevMapping datevMappingOfRows(const DatevMapping& stored, const std::vector<DatevMappingRow>& rows);

}  // namespace tellmark::exports
