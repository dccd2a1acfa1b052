#include "exports/datev_extf_sink.h"

#include <charconv>
#include <cstdlib>

#include "config/dates.h"
#include "config/file_names.h"
#include "resources/format.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::exports {

namespace {

// Kinds of error in the list.
constexpr int kErrorAdviser = 1;
constexpr int kErrorClient = 2;
constexpr int kErrorCurrency = 3;
constexpr int kErrorAmount = 4;
constexpr int kErrorAccount = 5;

// Columns 15 to 120 of a booking line stay empty.
constexpr int kEmptyTailColumns = 106;
constexpr long long kHighestCents = 999999999999LL;  // ten integer digits

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool numberInRange(std::string_view s, std::size_t maxDigits, long low, long high) {
    if (!allDigits(s) || s.size() > maxDigits) return false;
    const long v = std::atol(std::string(s).c_str());
    return v >= low && v <= high;
}

bool isCurrencyCode(std::string_view s) {
    if (s.size() != 3) return false;
    for (char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

// "DDMMYY" of the interface -> YYYYMMDD.
int dateOf(std::string_view ddmmyy) {
    if (ddmmyy.size() != 6 || !allDigits(ddmmyy)) return 0;
    const int v = std::atoi(std::string(ddmmyy).c_str());
    return config::fourDigitYear(v % 100) * 10000 + (v / 100 % 100) * 100 + v / 10000;
}

void appendNumber(std::string& out, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendText(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// A text field, left empty when there is no text.
void appendOptionalText(std::string& out, std::string_view text, std::size_t maxLength) {
    if (!text.empty()) appendText(out, text.substr(0, maxLength));
}

}  // namespace

std::string extfText(std::string_view text) {
    std::string out;
    appendText(out, text);
    return out;
}

std::string extfAmount(long long cents) {
    if (cents < 0) cents = -cents;
    std::string out;
    appendNumber(out, cents / 100);
    out += ',';
    out += static_cast<char>('0' + cents % 100 / 10);
    out += static_cast<char>('0' + cents % 10);
    return out;
}

int DatevExtfSink::open(std::string_view) {
    if (inFile_) return -1;
    inFile_ = true;
    ++runs_;
    headerLine_.clear();
    return 0;
}

int DatevExtfSink::beginRecord(std::string_view type) {
    if (!inFile_) return -1;
    type_.assign(type);
    fields_.clear();
    return 0;
}

int DatevExtfSink::setField(std::string_view name, std::string_view value) {
    if (!inFile_ || type_.empty()) return -1;
    fields_.emplace_back(std::string(name), std::string(value));
    return 0;
}

std::string_view DatevExtfSink::field(std::string_view name) const {
    for (const auto& [n, v] : fields_)
        if (n == name) return v;
    return {};
}

void DatevExtfSink::addError(int number, std::string_view fieldName, std::string_view description,
                             std::string_view content) {
    DatevError e;
    e.number = number;
    e.record = records_;
    e.field = fieldName;
    e.description = description;
    e.content = content;
    errors_.push_back(std::move(e));
}

bool DatevExtfSink::takeHeader() {
    const std::string_view adviser = field(text::kDatevFieldAdviser);
    const std::string_view client = field(text::kDatevFieldClient);
    if (!numberInRange(adviser, 7, 1001, 9999999))
        addError(kErrorAdviser, text::kDatevFieldAdviser, text::kDatevErrorAdviser, adviser);
    if (!numberInRange(client, 5, 1, 99999))
        addError(kErrorClient, text::kDatevFieldClient, text::kDatevErrorClient, client);
    if (!isCurrencyCode(context_.currency))
        addError(kErrorCurrency, text::kDatevFieldCurrency, text::kDatevErrorCurrency, context_.currency);
    periodFrom_ = dateOf(field(text::kDatevFieldFrom));
    periodTo_ = dateOf(field(text::kDatevFieldTo));

    std::string& h = headerLine_;
    h = "\"EXTF\";700;21;\"Buchungsstapel\";9;" + context_.createdAt + ";;" + extfText(text::kDatevExtfOrigin) + ";" +
        extfText(text::kDatevExtfExporter) + ";;" + std::string(adviser) + ";" + std::string(client) + ";" +
        std::to_string(context_.businessYearStart) + ";4;" + std::to_string(periodFrom_) + ";" +
        std::to_string(periodTo_) + ";" +
        extfText(format(text::kDatevExtfBatchName, periodFrom_ % 100, periodFrom_ / 100 % 100, periodTo_ % 100,
                        periodTo_ / 100 % 100, periodTo_ / 10000)) +
        ";\"\";1;0;0;" + extfText(context_.currency) + ";;;;;" + extfText(context_.chart) + ";;;;\"\"\r\n";
    return startPart();
}

bool DatevExtfSink::startPart() {
    if (!parts_.empty()) parts_.back()->file.finish();
    auto part = std::make_unique<Part>();
    part->from = periodFrom_;
    part->to = periodTo_;
    part->run = runs_;
    part->number = 1;
    for (const auto& p : parts_)
        if (p->run == runs_) ++part->number;
    const bool ok = part->file.create(config::joinPath(context_.directory, finalName(*part))) &&
                    part->file.append(headerLine_) && part->file.append(text::kDatevExtfHeadings) &&
                    part->file.append("\r\n");
    parts_.push_back(std::move(part));
    return ok;
}

bool DatevExtfSink::appendBooking() {
    if (parts_.empty() || parts_.back()->run != runs_) return false;
    if (parts_.back()->bookings == context_.maxBookings && !startPart()) return false;
    const std::string_view amountText = field(text::kDatevFieldAmount);
    const long long cents = std::atoll(std::string(amountText).c_str());
    if (!allDigits(amountText.substr(amountText.starts_with('-') ? 1 : 0)) || cents == 0 || cents > kHighestCents ||
        cents < -kHighestCents)
        addError(kErrorAmount, text::kDatevFieldAmount, text::kDatevFieldAmount, amountText);
    const std::string_view account = field(text::kDatevFieldAccount);
    const std::string_view contra = field(text::kDatevFieldContra);
    if (!allDigits(account) || account.size() > 9)
        addError(kErrorAccount, text::kDatevFieldAccount, text::kDatevFieldAccount, account);
    if (!allDigits(contra) || contra.size() > 9)
        addError(kErrorAccount, text::kDatevFieldContra, text::kDatevFieldContra, contra);

    std::string& l = line_;
    l.clear();
    l += extfAmount(cents);
    l += cents < 0 ? ";\"H\";" : ";\"S\";";
    appendOptionalText(l, field(text::kDatevFieldCurrency), 3);
    l += ";;;;";
    l += account;
    l += ';';
    l += contra;
    l += ';';
    std::string_view key = field(text::kDatevFieldVatKey);
    while (key.size() > 1 && key.front() == '0') key.remove_prefix(1);
    appendOptionalText(l, key, 4);
    l += ';';
    const std::string_view date = field(text::kDatevFieldDate);
    if (date.size() < 4) l.append(4 - date.size(), '0');
    l += date;
    l += ';';
    appendOptionalText(l, field(text::kDatevFieldDocument1), 36);
    l += ';';
    appendOptionalText(l, field(text::kDatevFieldDocument2), 12);
    l += ";;";
    appendOptionalText(l, field(text::kDatevFieldText), 60);
    l.append(kEmptyTailColumns, ';');
    l += "\r\n";
    ++parts_.back()->bookings;
    return parts_.back()->file.append(l);
}

int DatevExtfSink::writeRecord(bool& faulty) {
    faulty = false;
    if (!inFile_ || type_.empty()) {
        faulty = true;
        return 0;
    }
    ++records_;
    if (type_ == text::kDatevRecordHeader)
        faulty = !takeHeader();
    else if (type_ == text::kDatevRecordBooking)
        faulty = !appendBooking();
    return 0;
}

int DatevExtfSink::resetRecord(bool& faulty) {
    faulty = !inFile_;
    type_.clear();
    fields_.clear();
    return 0;
}

int DatevExtfSink::close(bool& faulty) {
    faulty = !inFile_ || (!parts_.empty() && parts_.back()->run == runs_ && !parts_.back()->file.finish());
    inFile_ = false;
    return 0;
}

std::string DatevExtfSink::finalName(const Part& part) const {
    int count = 0;
    for (const auto& p : parts_)
        if (p->run == part.run) ++count;
    if (count <= 1 && part.number == 1) return format(text::kDatevExtfName, part.from, part.to);
    return format(text::kDatevExtfPartName, part.from, part.to, part.number);
}

bool DatevExtfSink::finish() {
    for (const auto& p : parts_)
        if (!p->file.finish()) return false;
    return true;
}

bool DatevExtfSink::commit() {
    if (!finish()) return false;
    for (const auto& p : parts_) {
        p->file.setFinalPath(config::joinPath(context_.directory, finalName(*p)));
        if (p->file.commit()) continue;
        withdraw();
        return false;
    }
    return true;
}

void DatevExtfSink::withdraw() {
    for (const auto& p : parts_) p->file.withdraw();
}

void DatevExtfSink::discard() {
    for (const auto& p : parts_) p->file.discard();
}

std::vector<std::string> DatevExtfSink::fileNames() const {
    std::vector<std::string> names;
    for (const auto& p : parts_) names.push_back(config::joinPath(context_.directory, finalName(*p)));
    return names;
}

}  // namespace tellmark::exports
