#include "ledger/standard_booking_file.h"

#include <cmath>
#include <cstdlib>

#include "config/amounts.h"
#include "ledger/account_record.h"
#include "platform/directory.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_standard_bookings.h"

namespace tellmark::ledger {

namespace {

constexpr std::size_t kDocumentOffset = 5;
constexpr std::size_t kDebitOffset = 11;
constexpr std::size_t kCreditOffset = 16;
constexpr std::size_t kTextOffset = 21;
constexpr std::size_t kAmountOffset = 46;
constexpr std::size_t kRateOffset = 57;
constexpr std::size_t kLineEndOffset = 62;

std::string left(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, std::min(text.size(), width)));
    out.resize(width, ' ');
    return out;
}

std::string right(std::string_view text, std::size_t width) {
    const std::size_t last = text.find_last_not_of(' ');
    text = last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
    if (text.size() >= width) return std::string(text.substr(0, width));
    return std::string(width - text.size(), ' ') + std::string(text);
}

int numberOf(std::string_view text) {
    const std::string copy(text);
    return static_cast<int>(std::strtol(copy.c_str(), nullptr, 10));
}

}  // namespace

StandardBookingRecord makeStandardBooking(bool marked, std::string_view document, std::string_view debit,
                                          std::string_view credit, std::string_view text, std::string_view amount,
                                          std::string_view rate) {
    StandardBookingRecord r;
    r.marked = marked;
    r.document = left(document, 6);
    r.debit = right(debit, 5);
    r.credit = right(credit, 5);
    r.text = left(text, 25);
    r.amount = right(amount, 11);
    r.rate = right(rate, 5);
    return r;
}

StandardBookingValues valuesOf(const StandardBookingRecord& record) {
    StandardBookingValues v;
    v.debitNumber = numberOf(record.debit);
    v.creditNumber = numberOf(record.credit);
    v.amount = parseDecimalText(record.amount);
    v.rate = parseDecimalText(record.rate);
    // A rate of -100 would divide by zero; no checked line holds one.
    v.vat = v.rate + 100.0 != 0.0 ? config::roundToCents(v.amount * v.rate / (v.rate + 100.0)) : 0.0;
    v.vatText = format("%11.2f", v.vat);
    v.hasMarker = record.text.find(".#") != std::string::npos;
    v.zeroAmount = std::fabs(v.amount) < 0.0044444;
    return v;
}

std::string formatStandardBooking(const StandardBookingRecord& record) {
    std::string out;
    out.reserve(kStandardBookingRecordSize);
    out += record.marked ? 'X' : ' ';
    out += "    ";
    out += left(record.document, 6);
    out += left(record.debit, 5);
    out += left(record.credit, 5);
    out += left(record.text, 25);
    out += left(record.amount, 11);
    out += left(record.rate, 5);
    out += "\r\n";
    return out;
}

StandardBookingRecord parseStandardBooking(std::string_view bytes) {
    StandardBookingRecord r;
    const std::string full = left(bytes, kStandardBookingRecordSize);
    r.marked = full[0] != ' ';
    r.document = full.substr(kDocumentOffset, 6);
    r.debit = full.substr(kDebitOffset, 5);
    r.credit = full.substr(kCreditOffset, 5);
    r.text = full.substr(kTextOffset, 25);
    r.amount = full.substr(kAmountOffset, 11);
    r.rate = full.substr(kRateOffset, 5);
    return r;
}

bool readStandardBookings(platform::File& file, std::vector<StandardBookingRecord>& records, ui::Messages& messages) {
    records.clear();
    auto failed = [&]() {
        records.clear();
        messages.show(text::kStandardReadFailed, text::kCaptionError, ui::kIconStop);
        return false;
    };
    const std::int64_t length = file.isOpen() ? file.length() : -1;
    constexpr auto size = static_cast<std::int64_t>(kStandardBookingRecordSize);
    if (length < 0 || length % size != 0 || length / size > kMaxStandardBookings) return failed();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (length > 0 && !file.readExact(0, bytes.data(), bytes.size())) return failed();
    for (std::size_t at = 0; at < bytes.size(); at += kStandardBookingRecordSize) {
        const std::string_view one(bytes.data() + at, kStandardBookingRecordSize);
        if (one.substr(kLineEndOffset) != "\r\n") return failed();
        records.push_back(parseStandardBooking(one));
    }
    return true;
}

bool writeStandardBookings(platform::File& file, const std::vector<StandardBookingRecord>& records,
                           ui::Messages& messages) {
    auto failed = [&]() {
        messages.show(text::kStandardWriteFailed, text::kCaptionError, ui::kIconStop);
        return false;
    };
    if (!file.isOpen() || records.size() > static_cast<std::size_t>(kMaxStandardBookings)) return failed();
    std::string image;
    image.reserve(records.size() * kStandardBookingRecordSize);
    for (const StandardBookingRecord& record : records) image += formatStandardBooking(record);
    const std::string path = file.path();
    const std::string freshPath = platform::replacementName(path);
    platform::File fresh;
    const bool written = fresh.createLocked(freshPath) && (image.empty() || fresh.writeAt(0, image.data(), image.size())) &&
                         fresh.flush() && fresh.renameTo(path);
    if (written || fresh.path() == path) {
        // Renamed even when only the directory sync failed: the new file is the one in place.
        file = std::move(fresh);
        return written ? true : failed();
    }
    fresh.close();
    platform::removeFile(freshPath);
    return failed();
}

}  // namespace tellmark::ledger
