// Import files from any bytes: either form is read without a crash; a damaged line leaves no line to
// post; records keep their 64-byte layout; lines come in the order of the file; no field of a text file
// holds a line end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "yearend/import_file.h"

namespace tellmark::fuzzing::import_file {
namespace {

void run(std::string_view input) {
    const yearend::ImportFile file = yearend::parseImportFile(input);
    if (file.damagedLine > 0) {
        FUZZ_CHECK(file.lines.empty() && !file.damage.empty());
        return;
    }
    long previous = 0;
    for (const yearend::ImportLine& line : file.lines) {
        FUZZ_CHECK(line.number > previous);
        previous = line.number;
        // A record keeps its bytes (the line checks refuse a control character later); a text line never
        // holds a line end.
        if (file.format != yearend::ImportFormat::Records)
            for (const std::string& field : line.fields) FUZZ_CHECK(field.find('\n') == std::string::npos);
    }
    if (file.format == yearend::ImportFormat::Records) {
        FUZZ_CHECK(file.lines.size() == input.size() / yearend::kImportRecordSize);
        FUZZ_CHECK(file.incomplete == (input.size() % yearend::kImportRecordSize != 0));
        for (const yearend::ImportLine& line : file.lines) {
            std::string joined;
            for (const std::string& field : line.fields) joined += field;
            const std::size_t at = static_cast<std::size_t>(line.number - 1) * yearend::kImportRecordSize;
            FUZZ_CHECK(joined + "\r\n" == input.substr(at, yearend::kImportRecordSize));
        }
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::import_file

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::import_file::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
