#include "exports/datev_record_sink.h"

#include "resources/format.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::exports {

DatevSinkTee::DatevSinkTee(std::vector<DatevRecordSink*> sinks) : sinks_(std::move(sinks)) {}

int DatevSinkTee::open(std::string_view format) {
    for (DatevRecordSink* s : sinks_)
        if (const int status = s->open(format); status < 0) return status;
    return 0;
}

int DatevSinkTee::beginRecord(std::string_view type) {
    for (DatevRecordSink* s : sinks_)
        if (const int status = s->beginRecord(type); status < 0) return status;
    return 0;
}

int DatevSinkTee::setField(std::string_view name, std::string_view value) {
    for (DatevRecordSink* s : sinks_)
        if (const int status = s->setField(name, value); status < 0) return status;
    return 0;
}

int DatevSinkTee::writeRecord(bool& faulty) {
    for (DatevRecordSink* s : sinks_)
        if (const int status = s->writeRecord(faulty); status < 0 || faulty) return status;
    return 0;
}

int DatevSinkTee::resetRecord(bool& faulty) {
    for (DatevRecordSink* s : sinks_)
        if (const int status = s->resetRecord(faulty); status < 0 || faulty) return status;
    return 0;
}

int DatevSinkTee::close(bool& faulty) {
    for (DatevRecordSink* s : sinks_)
        if (const int status = s->close(faulty); status < 0 || faulty) return status;
    return 0;
}

const std::vector<DatevError>& DatevSinkTee::errors() const {
    errors_.clear();
    for (const DatevRecordSink* s : sinks_) errors_.insert(errors_.end(), s->errors().begin(), s->errors().end());
    return errors_;
}

bool DatevSinkTee::finish() {
    for (DatevRecordSink* s : sinks_)
        if (!s->finish()) return false;
    return true;
}

bool DatevSinkTee::commit() {
    if (!finish()) return false;
    for (std::size_t i = 0; i < sinks_.size(); ++i) {
        if (sinks_[i]->commit()) continue;
        for (std::size_t j = 0; j < i; ++j) sinks_[j]->withdraw();
        return false;
    }
    return true;
}

void DatevSinkTee::withdraw() {
    for (DatevRecordSink* s : sinks_) s->withdraw();
}

void DatevSinkTee::discard() {
    for (DatevRecordSink* s : sinks_) s->discard();
}

std::vector<std::string> DatevSinkTee::fileNames() const {
    std::vector<std::string> names;
    for (const DatevRecordSink* s : sinks_) {
        const std::vector<std::string> own = s->fileNames();
        names.insert(names.end(), own.begin(), own.end());
    }
    return names;
}

std::string datevErrorListText(const std::vector<DatevError>& errors) {
    std::string out;
    for (const DatevError& e : errors) {
        out += format(text::kDatevErrorNumber, e.number);
        out += format(text::kDatevErrorRecord, e.record);
        out += format(text::kDatevErrorCategory, e.category);
        out += format(text::kDatevErrorCorrected, (e.corrected ? text::kDatevYes : text::kDatevNo).data());
        out += format(text::kDatevErrorField, e.field.c_str());
        out += format(text::kDatevErrorDescription, e.description.c_str());
        out += format(text::kDatevErrorContent, e.content.c_str());
        out += format(text::kDatevErrorCorrectedContent, e.correctedContent.c_str());
    }
    return out;
}

}  // namespace tellmark::exports
