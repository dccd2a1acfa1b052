#include "ledger/operation_marker.h"

#include <charconv>

#include "platform/directory.h"
#include "platform/file.h"

namespace tellmark::ledger {

namespace {

constexpr std::string_view kOperationKey = "Vorgang=";
constexpr std::string_view kJournalBeforeKey = "Journal vorher=";
constexpr std::string_view kJournalAfterKey = "Journal nachher=";
constexpr std::string_view kBalanceBeforeKey = "Salden vorher=";

bool valueOf(std::string_view text, std::string_view key, std::string_view& value) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.substr(0, key.size()) == key) {
            value = line.substr(key.size());
            return true;
        }
        at = end + 1;
    }
    return false;
}

bool numberOf(std::string_view text, std::string_view key, std::int64_t& number) {
    std::string_view value;
    if (!valueOf(text, key, value)) return false;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return error == std::errc() && end == value.data() + value.size();
}

}  // namespace

std::string operationRecordText(const OperationRecord& record) {
    std::string text;
    text.append(kOperationKey).append(record.operation).append("\r\n");
    text.append(kJournalBeforeKey).append(std::to_string(record.journalBefore)).append("\r\n");
    text.append(kJournalAfterKey).append(std::to_string(record.journalAfter)).append("\r\n");
    text.append(kBalanceBeforeKey).append(std::to_string(record.balanceBefore)).append("\r\n");
    return text;
}

bool parseOperationRecord(std::string_view text, OperationRecord& record) {
    OperationRecord parsed;
    std::string_view operation;
    if (!valueOf(text, kOperationKey, operation)) return false;
    parsed.operation.assign(operation);
    // Lengths that cannot be read are unknown: recovery then cuts nothing.
    numberOf(text, kJournalBeforeKey, parsed.journalBefore);
    numberOf(text, kJournalAfterKey, parsed.journalAfter);
    numberOf(text, kBalanceBeforeKey, parsed.balanceBefore);
    record = parsed;
    return true;
}

bool OperationMarker::present() const { return !path_.empty() && platform::fileExists(path_); }

bool OperationMarker::read(OperationRecord& record) const {
    std::string text;
    if (!platform::readWholeFile(path_, text)) return false;
    return parseOperationRecord(text, record);
}

bool OperationMarker::begin(const OperationRecord& record) {
    const std::string text = operationRecordText(record);
    platform::File file;
    if (!file.create(path_)) return false;
    const bool written = file.writeAt(0, text.data(), text.size()) && file.flush();
    file.close();
    if (!written || !platform::syncDirectoryOf(path_)) {
        // Half a record is no record: the operation does not start, and nothing may claim it did.
        platform::removeFile(path_);
        return false;
    }
    return true;
}

bool OperationMarker::clear() {
    held_ = false;
    if (!platform::removeFile(path_)) return !platform::fileExists(path_);
    return platform::syncDirectoryOf(path_);
}

}  // namespace tellmark::ledger
