#include "exports/datev_protocol_sink.h"

#include "resources/format.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::exports {

int DatevProtocolSink::open(std::string_view format) {
    if (inFile_) return -1;
    if (!file_.isOpen() && !file_.create(path_)) return -1;
    inFile_ = true;
    return file_.append(tellmark::format(text::kDatevProtocolOpen, std::string(format).c_str())) ? 0 : -1;
}

int DatevProtocolSink::beginRecord(std::string_view type) {
    if (!inFile_) return -1;
    record_.assign(type);
    return 0;
}

int DatevProtocolSink::setField(std::string_view name, std::string_view value) {
    if (!inFile_ || record_.empty()) return -1;
    record_ += '\t';
    record_ += name;
    record_ += '=';
    record_ += value;
    return 0;
}

int DatevProtocolSink::writeRecord(bool& faulty) {
    faulty = !inFile_ || record_.empty();
    if (faulty) return 0;
    record_ += "\r\n";
    faulty = !file_.append(record_);
    return 0;
}

int DatevProtocolSink::resetRecord(bool& faulty) {
    faulty = !inFile_;
    record_.clear();
    return 0;
}

int DatevProtocolSink::close(bool& faulty) {
    faulty = !inFile_ || !file_.append(text::kDatevProtocolClose);
    inFile_ = false;
    return 0;
}

bool DatevProtocolSink::commit() { return file_.finish() && file_.commit(); }

}  // namespace tellmark::exports
