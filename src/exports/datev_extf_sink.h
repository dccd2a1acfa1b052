#pragma once
// The DATEV-Format file (EXTF, format category 21 "Buchungsstapel") built from the records of a DATEV
// export: per run one file "EXTF_Buchungsstapel_<from>_<to>.csv" with the header line of 31 fields, the
// column headings and one line per booking record - Windows-1252, CR LF, amounts positive with the
// debit/credit mark, the document date DDMM. A run of more bookings than one file may hold goes into
// several files of the same period ("..._1.csv", "..._2.csv", ...). Values the format cannot take go
// into the error list.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "exports/datev_record_sink.h"
#include "exports/staged_file.h"

namespace tellmark::exports {

// Bookings one file may hold.
inline constexpr int kExtfMaxBookings = 99999;

// What the header takes from the booking circle rather than from the records.
struct ExtfContext {
    std::string directory;          // where the files go
    std::string createdAt;          // YYYYMMDDHHMMSSFFF
    int businessYearStart = 0;      // YYYYMMDD
    std::string chart;              // "03" or "04"
    std::string currency;           // three capital letters
    int maxBookings = kExtfMaxBookings;
};

class DatevExtfSink : public DatevRecordSink {
public:
    explicit DatevExtfSink(ExtfContext context) : context_(std::move(context)) {}
    int open(std::string_view format) override;
    int beginRecord(std::string_view type) override;
    int setField(std::string_view name, std::string_view value) override;
    int writeRecord(bool& faulty) override;
    int resetRecord(bool& faulty) override;
    int close(bool& faulty) override;
    const std::vector<DatevError>& errors() const override { return errors_; }
    bool finish() override;
    bool commit() override;
    void withdraw() override;
    void discard() override;
    std::vector<std::string> fileNames() const override;

private:
    struct Part {
        StagedFile file;
        int from = 0;  // YYYYMMDD
        int to = 0;
        std::size_t run = 0;
        int number = 0;  // from 1 within the run
        int bookings = 0;
    };

    std::string_view field(std::string_view name) const;
    bool takeHeader();
    bool startPart();
    bool appendBooking();
    void addError(int number, std::string_view fieldName, std::string_view description, std::string_view content);
    std::string finalName(const Part& part) const;

    ExtfContext context_;
    bool inFile_ = false;
    std::size_t runs_ = 0;
    std::string type_;
    std::vector<std::pair<std::string, std::string>> fields_;
    std::string headerLine_;
    int periodFrom_ = 0;
    int periodTo_ = 0;
    int records_ = 0;
    std::string line_;
    std::vector<std::unique_ptr<Part>> parts_;
    std::vector<DatevError> errors_;
};

// A text field of the format: in double quotes, a quote inside doubled.
std::string extfText(std::string_view text);
// An amount in cents as the format writes it: positive, decimal comma, two decimals ("0,50").
std::string extfAmount(long long cents);

}  // namespace tellmark::exports
