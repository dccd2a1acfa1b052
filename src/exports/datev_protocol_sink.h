#pragma once
// The record protocol of a DATEV export: what the interface received, in call order, as CP1252 text
// with CR LF. Opening a file gives "Datei: <format>", each record written one line - its type, then
// each field set as "name=value", separated by tabs -, closing the file "Ende". Every run of the export
// goes into the one protocol file.

#include <string>
#include <utility>
#include <vector>

#include "exports/datev_record_sink.h"
#include "exports/staged_file.h"

namespace tellmark::exports {

class DatevProtocolSink : public DatevRecordSink {
public:
    explicit DatevProtocolSink(std::string path) : path_(std::move(path)) {}
    int open(std::string_view format) override;
    int beginRecord(std::string_view type) override;
    int setField(std::string_view name, std::string_view value) override;
    int writeRecord(bool& faulty) override;
    int resetRecord(bool& faulty) override;
    int close(bool& faulty) override;
    const std::vector<DatevError>& errors() const override { return errors_; }
    bool finish() override { return file_.finish(); }
    bool commit() override;
    void withdraw() override { file_.withdraw(); }
    void discard() override { file_.discard(); }
    std::vector<std::string> fileNames() const override { return {path_}; }

private:
    std::string path_;
    StagedFile file_;
    bool inFile_ = false;
    std::string record_;
    std::vector<DatevError> errors_;
};

}  // namespace tellmark::exports
