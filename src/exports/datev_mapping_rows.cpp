#include "exports/datev_mapping_rows.h"

#include "config/text_helpers.h"

namespace tellmark::exports {

std::vector<DatevMappingRow> datevMappingRows(ledger::CSIndex& index, ledger::CSalden& cursor,
                                              const DatevMapping& mapping) {
    std::vector<DatevMappingRow> rows;
    rows.reserve(static_cast<std::size_t>(index.count()));
    for (int i = 0; i < index.count(); ++i) {
        const ledger::CSIndex::NumberSlot slot = index.numberSlots()[i];
        if (cursor.read(slot.record) < 0) continue;
        const int stored = mapping.stored(slot.number);
        rows.push_back({slot.number, config::trimRight(cursor.name()),
                        stored != 0 ? stored : proposedDatevNumber(slot.number)});
    }
    return rows;
}

DatevMapping datevMappingOfRows(const DatevMapping& stored, const std::vector<DatevMappingRow>& rows) {
    std::vector<DatevMapping::Pair> changes;
    changes.reserve(rows.size());
    for (const DatevMappingRow& r : rows) changes.emplace_back(r.own, static_cast<int>(r.datev));
    return mergedDatevMapping(stored, changes);
}

}  // namespace tellmark::exports
