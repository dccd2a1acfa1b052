// The standard bookings (".stn") from any bytes: the input is the file. A whole file reads as one
// record per 64 bytes, each as it parses, and is written back as the same records; a damaged one is
// refused with one message and left as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "ledger/standard_booking_file.h"
#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::standard_booking_file {
namespace {

using ledger::kStandardBookingRecordSize;
using ledger::StandardBookingRecord;

void run(std::string_view input) {
    const std::string& dir = scratchDir("standard_booking_file");
    const std::string path = dir + "/B001.stn";
    writeBytes(path, input);
    ui::RecordingMessages messages;
    platform::File file;
    FUZZ_CHECK(file.open(path, platform::Share::DenyWrite));
    std::vector<StandardBookingRecord> records;
    if (!ledger::readStandardBookings(file, records, messages)) {
        FUZZ_CHECK(messages.entries.size() == 1 && records.empty());
        FUZZ_CHECK(readBytes(path) == input);
        return;
    }
    FUZZ_CHECK(messages.empty());
    FUZZ_CHECK(input.size() % kStandardBookingRecordSize == 0);
    FUZZ_CHECK(records.size() == input.size() / kStandardBookingRecordSize);
    FUZZ_CHECK(records.size() <= static_cast<std::size_t>(ledger::kMaxStandardBookings));
    std::string expected;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string_view bytes = input.substr(i * kStandardBookingRecordSize, kStandardBookingRecordSize);
        FUZZ_CHECK(records[i] == ledger::parseStandardBooking(bytes));
        FUZZ_CHECK(records[i].marked == (bytes[0] != ' '));
        const std::string formatted = ledger::formatStandardBooking(records[i]);
        FUZZ_CHECK(formatted.size() == kStandardBookingRecordSize);
        FUZZ_CHECK(formatted.substr(5) == bytes.substr(5));
        expected += formatted;
        const ledger::StandardBookingValues values = ledger::valuesOf(records[i]);
        FUZZ_CHECK(values.vatText.size() >= 11);
    }
    // Written back: the same records, every mark "X" or blank.
    FUZZ_CHECK(ledger::writeStandardBookings(file, records, messages));
    FUZZ_CHECK(readBytes(path) == expected);
    std::vector<StandardBookingRecord> again;
    FUZZ_CHECK(ledger::readStandardBookings(file, again, messages));
    FUZZ_CHECK(again == records);
    FUZZ_CHECK(messages.empty());
}

}  // namespace
}  // namespace tellmark::fuzzing::standard_booking_file

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::standard_booking_file::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
