// The DATEV account mapping file ("DATEVnnn.DAT") from any bytes: the input is the file. A file read as
// the program writes it gives pairs without a 0, at most the table's capacity, that are written back
// and read again unchanged; anything else is refused with the line that is not as written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exports/datev_mapping.h"
#include "fuzz_support.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::datev_mapping {
namespace {

void run(std::string_view input) {
    const std::string& dir = scratchDir("datev_mapping");
    const std::string path = dir + "/DATEV001.DAT";
    writeBytes(path, input);
    exports::DatevMapping mapping;
    int badLine = 0;
    const exports::MappingRead read = exports::readDatevMapping(path, mapping, badLine);
    FUZZ_CHECK(read != exports::MappingRead::Missing);
    if (read == exports::MappingRead::Damaged) {
        FUZZ_CHECK(badLine >= 1 && mapping.pairs().empty());
        FUZZ_CHECK(readBytes(path) == input);
        return;
    }
    FUZZ_CHECK(mapping.pairs().size() <= exports::kDatevMappingCapacity);
    for (const auto& [own, datev] : mapping.pairs()) FUZZ_CHECK(own > 0 && datev > 0);
    for (int own : {1, 1200, 20000, 20005, 29999}) {
        const long exported = mapping.exported(own);
        FUZZ_CHECK(exported > 0 && (exported < 20000 || exported > 29999));
    }
    ui::RecordingMessages messages;
    FUZZ_CHECK(exports::writeDatevMapping(path, mapping, messages));
    exports::DatevMapping again;
    FUZZ_CHECK(exports::readDatevMapping(path, again, badLine) == exports::MappingRead::Read);
    FUZZ_CHECK(again.pairs() == mapping.pairs());
    FUZZ_CHECK(readBytes(path) == exports::datevMappingFileText(mapping));
}

}  // namespace
}  // namespace tellmark::fuzzing::datev_mapping

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::datev_mapping::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
