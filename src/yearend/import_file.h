#pragma once
// The bytes of an import file as booking lines of seven fields. Two forms are read:
// - records of 64 bytes in the layout of a journal record (date "DD.MM", document number, debit, credit,
//   text, gross amount, VAT rate, CR LF), CP1252, as other programs write them for this one;
// - lines of text with the columns date;document;debit;credit;text;amount;rate, as spreadsheets write
//   them: UTF-8 or Windows-1252, a header line optional, fields may be quoted, the rate may be left out.
// Nothing here judges what a field says; that is the validation's work.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tellmark::yearend {

inline constexpr std::size_t kImportRecordSize = 64;
inline constexpr std::size_t kImportFieldCount = 7;

enum class ImportFormat { Records, Columns };

enum ImportField : std::size_t { kFieldDate, kFieldDocument, kFieldDebit, kFieldCredit, kFieldText, kFieldAmount, kFieldRate };

using ImportFields = std::array<std::string, kImportFieldCount>;

struct ImportLine {
    long number = 0;  // the record's number, or the line's in a text file (from 1)
    ImportFields fields;  // CP1252, as they stand in the file (a left-out rate is empty)
};

struct ImportFile {
    ImportFormat format = ImportFormat::Records;
    bool incomplete = false;  // records: the length is no multiple of 64; the bytes after the last whole record are left out
    bool utf8 = false;        // columns: read as UTF-8
    std::vector<ImportLine> lines;
    // The first line that cannot be read (0: none) and the message saying why (CP1252). Nothing of a
    // file with such a line is posted, so no line is given then.
    long damagedLine = 0;
    std::string damage;
};

// A text file whose first line holds at least six columns is read as columns, any other file as records.
ImportFile parseImportFile(std::string_view bytes);

// Valid UTF-8 with at least one byte above 127: then the text is UTF-8, else Windows-1252.
bool looksLikeUtf8(std::string_view bytes);

}  // namespace tellmark::yearend
