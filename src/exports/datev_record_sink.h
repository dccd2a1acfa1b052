#pragma once
// What a DATEV export run writes to: the calls of DATEV's interface for booking data - open a file of a
// format, begin a record of a type, set its fields, write it, reset the record buffer, read the error
// list, close. Statuses are negative on failure; the fault flag tells that the record or the file is
// faulty. A sink writes its files beside their places; commit puts them into place once the whole
// export has run, discard removes them, so a failed export never leaves a file that looks complete.

#include <string>
#include <string_view>
#include <vector>

namespace tellmark::exports {

// One entry of the error list.
struct DatevError {
    int number = 0;       // kind of error
    int record = 0;       // record number in the file, from 1
    int category = 1;
    bool corrected = false;
    std::string field;
    std::string description;
    std::string content;
    std::string correctedContent;
};

class DatevRecordSink {
public:
    virtual ~DatevRecordSink() = default;
    virtual int open(std::string_view format) = 0;
    virtual int beginRecord(std::string_view type) = 0;
    virtual int setField(std::string_view name, std::string_view value) = 0;
    virtual int writeRecord(bool& faulty) = 0;
    virtual int resetRecord(bool& faulty) = 0;
    virtual int close(bool& faulty) = 0;
    virtual const std::vector<DatevError>& errors() const = 0;

    // Writes out and syncs every file beside its place.
    virtual bool finish() = 0;
    // Puts the finished files into place; when one cannot be put there, none of them stays.
    virtual bool commit() = 0;
    // Removes the files put into place by commit (another output of the export failed).
    virtual void withdraw() = 0;
    // Removes the files written beside their places.
    virtual void discard() = 0;
    // The names the files have, or will have after commit.
    virtual std::vector<std::string> fileNames() const = 0;
};

// Hands every call to each of the sinks; the first failure ends the call.
class DatevSinkTee : public DatevRecordSink {
public:
    explicit DatevSinkTee(std::vector<DatevRecordSink*> sinks);
    int open(std::string_view format) override;
    int beginRecord(std::string_view type) override;
    int setField(std::string_view name, std::string_view value) override;
    int writeRecord(bool& faulty) override;
    int resetRecord(bool& faulty) override;
    int close(bool& faulty) override;
    const std::vector<DatevError>& errors() const override;
    bool finish() override;
    bool commit() override;
    void withdraw() override;
    void discard() override;
    std::vector<std::string> fileNames() const override;

private:
    std::vector<DatevRecordSink*> sinks_;
    mutable std::vector<DatevError> errors_;
};

// The error list as the export prints it, one block per entry.
std::string datevErrorListText(const std::vector<DatevError>& errors);

}  // namespace tellmark::exports
