#pragma once
// "index.xml", the description of the exported tables in the document type "gdpdu-01-08-2002.dtd": the
// data supplier (company and place), one medium and, per table, its file, name, description and the
// columns with kind and byte range. Every text goes through one escape (config::xmlText): '&', '/', '<'
// and every byte of 128 or more become character references, so the file is plain ASCII.

#include <string>
#include <vector>

#include "exports/gdpdu_tables.h"

namespace tellmark::exports {

struct GdpduIndexTable {
    GdpduTableKind kind;
    std::string url;  // the table's file name, without directory
};

struct GdpduIndex {
    std::string company;  // CP1252
    std::string place;
    int firstYear = 0;    // the first and second year of the business year, four digits
    int secondYear = 0;
    std::vector<GdpduIndexTable> tables;  // in the order journal, cash books, account sheets, balance list
};

// The whole file, each line ended by CR LF.
std::string GdpduIndexXml(const GdpduIndex& index);

}  // namespace tellmark::exports
