#include "yearend/import_file.h"

#include "entry/booking_columns.h"
#include "platform/codepage.h"
#include "resources/format.h"
#include "resources/texts_import.h"

namespace tellmark::yearend {

namespace {

// Offsets and widths of the fields of a record: those of a journal record.
constexpr struct {
    std::size_t offset, width;
} kRecordFields[kImportFieldCount] = {{0, 5}, {5, 6}, {11, 5}, {16, 5}, {21, 25}, {46, 11}, {57, 5}};

constexpr std::size_t kFewestColumns = 6;  // the rate may be left out

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void readRecords(std::string_view bytes, ImportFile& file) {
    file.format = ImportFormat::Records;
    const std::size_t records = bytes.size() / kImportRecordSize;
    file.incomplete = bytes.size() % kImportRecordSize != 0;
    file.lines.reserve(records);
    for (std::size_t r = 0; r < records; ++r) {
        const std::string_view record = bytes.substr(r * kImportRecordSize, kImportRecordSize);
        if (record[62] != '\r' || record[63] != '\n') {
            file.lines.clear();
            file.damagedLine = static_cast<long>(r + 1);
            file.damage = std::string(text::kImportWrongLineLength);
            return;
        }
        ImportLine& line = file.lines.emplace_back();
        line.number = static_cast<long>(r + 1);
        for (std::size_t f = 0; f < kImportFieldCount; ++f)
            line.fields[f].assign(record.substr(kRecordFields[f].offset, kRecordFields[f].width));
    }
}

bool blankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// A line that names the columns: no digit in date, accounts or amount. A booking line with a faulty date
// still has its numbers, and is read as a booking so that its fault is shown, not dropped as a header.
bool headerLine(const std::vector<std::string>& fields) {
    for (std::size_t f : {kFieldDate, kFieldDebit, kFieldCredit, kFieldAmount})
        if (f < fields.size() && fields[f].find_first_of("0123456789") != std::string::npos) return false;
    return true;
}

// Spreadsheets end every line with as many separators as their widest row has columns.
void dropBlankColumnsAtTheEnd(std::vector<std::string>& fields) {
    while (fields.size() > kImportFieldCount && blankLine(fields.back())) fields.pop_back();
}

void damaged(ImportFile& file, long number, std::string why) {
    file.lines.clear();
    file.damagedLine = number;
    file.damage = format(text::kImportUnreadableLine, why.c_str());
}

void readColumns(std::string_view bytes, bool marked, ImportFile& file) {
    file.format = ImportFormat::Columns;
    file.utf8 = marked || looksLikeUtf8(bytes);
    std::vector<std::string> fields;
    bool first = true;
    long number = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (blankLine(line)) continue;
        if (!entry::splitColumns(line, fields)) return damaged(file, number, std::string(text::kImportUnclosedQuote));
        const bool header = first && headerLine(fields);
        first = false;
        if (header) continue;
        dropBlankColumnsAtTheEnd(fields);
        if (fields.size() > kImportFieldCount) return damaged(file, number, std::string(text::kImportTooManyColumns));
        if (fields.size() < kFewestColumns) return damaged(file, number, std::string(text::kImportTooFewColumns));
        ImportLine& out = file.lines.emplace_back();
        out.number = number;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (!file.utf8) {
                out.fields[f] = std::move(fields[f]);
                continue;
            }
            platform::CheckedCp1252 converted = platform::utf8ToCp1252Checked(fields[f]);
            if (!converted.ok()) {
                std::string named;
                for (const std::string& n : converted.unmappable) named += (named.empty() ? "" : ", ") + n;
                return damaged(file, number, format(text::kImportUnmappable, named.c_str()));
            }
            out.fields[f] = std::move(converted.text);
        }
    }
}

bool columnsFile(std::string_view bytes) {
    std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
    std::vector<std::string> fields;
    entry::splitColumns(firstLine, fields);
    return fields.size() >= kFewestColumns;
}

}  // namespace

bool looksLikeUtf8(std::string_view bytes) {
    bool wide = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        wide = true;
        std::size_t more = 0;
        unsigned char low = 0x80, high = 0xBF;  // the range of the first continuation byte
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            if (b == 0xE0) low = 0xA0;   // no overlong forms
            if (b == 0xED) high = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + more >= bytes.size()) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
        }
        i += more + 1;
    }
    return wide;
}

ImportFile parseImportFile(std::string_view bytes) {
    ImportFile file;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        readColumns(bytes.substr(kUtf8Bom.size()), true, file);
        return file;
    }
    if (columnsFile(bytes))
        readColumns(bytes, false, file);
    else
        readRecords(bytes, file);
    return file;
}

}  // namespace tellmark::yearend
