#include "circles/chart_template.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "ledger/account_record.h"
#include "platform/file.h"
#include "posting/account_maintenance.h"
#include "posting/vat_preset.h"
#include "chart/account_classes.h"
#include "resources/format.h"
#include "resources/texts_circles_templates.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_files.h"

namespace tellmark::circles {

namespace {

constexpr std::size_t kNameWidth = ledger::kAccountNameWidth;
constexpr std::size_t kMostNumberDigits = 5;
constexpr int kHighestAccount = 29999;
constexpr std::size_t kMostRateCharacters = 5;  // as the rate field of the account dialogs
constexpr double kHighestRate = 99.99;
constexpr int kParentLevels = 3;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmedBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string padded(std::string_view name) {
    std::string out(name.substr(0, std::min(name.size(), kNameWidth)));
    out.resize(kNameWidth, ' ');
    return out;
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string withProgramData(const std::string& directory) {
    std::string out = directory;
    if (out.empty() || out.back() != '/') out += '/';
    return out + std::string(text::kNameProgramData);
}

// The directory of the running program; empty when the system does not tell.
std::string programDirectory() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return {};
    buffer.resize(static_cast<std::size_t>(n));
    return directoryOf(buffer);
}

// The rate after '|': digits with at most one '.' or ',', at most five characters, 0 to 99.99.
bool rateIsValid(std::string_view rate) {
    if (rate.empty() || rate.size() > kMostRateCharacters) return false;
    int points = 0, digits = 0;
    for (char c : rate) {
        if (isDigit(c)) ++digits;
        else if (c == '.' || c == ',') ++points;
        else return false;
    }
    if (digits == 0 || points > 1) return false;
    std::string decimal(rate);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    return ledger::parseDecimalText(decimal) <= kHighestRate;
}

// One account line; nothing when the line breaks a rule.
std::optional<TemplateAccount> parseAccountLine(std::string_view line, int chart) {
    std::size_t digits = 0;
    while (digits < line.size() && isDigit(line[digits])) ++digits;
    if (digits == 0 || digits > kMostNumberDigits || digits >= line.size() || line[digits] != ' ') return std::nullopt;
    const int number = ledger::parseLeadingInt(line.substr(0, digits));
    if (number < 1 || number > kHighestAccount) return std::nullopt;
    if (chart::AccountKindOf(number, chart) == chart::AccountKind::Other) return std::nullopt;

    std::string_view rest = line.substr(digits);
    std::optional<std::string_view> rate;
    if (const std::size_t bar = rest.find('|'); bar != std::string_view::npos) {
        rate = trimmedBlanks(rest.substr(bar + 1));
        rest = rest.substr(0, bar);
    }
    const std::string_view name = trimmedBlanks(rest);
    if (name.empty() || name.size() > kNameWidth) return std::nullopt;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;

    TemplateAccount account;
    account.number = number;
    if (rate) {
        // The preset goes where the account maintenance allows one and must leave the name whole.
        if (!rateIsValid(*rate) || !posting::vatPresetAllowed(number, chart)) return std::nullopt;
        if (name.size() + rate->size() + 2 > kNameWidth) return std::nullopt;
        account.name = posting::withVatPreset(name, *rate);
        if (!posting::presetRateOfName(account.name)) return std::nullopt;
    } else {
        account.name = padded(name);
        // A name that fills all 25 characters and ends like a preset would be read as one.
        if (posting::presetRateOfName(account.name)) return std::nullopt;
    }
    if (const std::string_view fixed = posting::fixedAccountName(number, chart); !fixed.empty())
        account.name = padded(fixed);
    return account;
}

}  // namespace

int chartOfTemplateName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == text::kChartTemplateName03) return 3;
    if (lower == text::kChartTemplateName04) return 4;
    return 0;
}

std::string chartTemplateFileName(int chart) {
    return std::string(chart == 3 ? text::kChartTemplateFile03 : text::kChartTemplateFile04);
}

std::vector<std::string> chartTemplateSearchDirectories(const std::string& startDirectory) {
    std::vector<std::string> directories;
    auto add = [&directories](std::string directory) {
        if (std::find(directories.begin(), directories.end(), directory) == directories.end())
            directories.push_back(std::move(directory));
    };
    add(startDirectory.empty() ? std::string(text::kNameProgramData) : withProgramData(startDirectory));
    std::string directory = programDirectory();
    if (directory.empty()) return directories;
    for (int level = 0; level <= kParentLevels; ++level) {
        add(withProgramData(directory));
        // An installed program: <prefix>/bin/tellmark finds <prefix>/share/tellmark.
        if (level == 1) add((directory == "/" ? std::string() : directory) + "/share/tellmark");
        if (directory == "/") break;
        directory = directoryOf(directory);
    }
    return directories;
}

std::string chartTemplatePath(int chart, const std::vector<std::string>& searchDirectories) {
    const std::string fileName = chartTemplateFileName(chart);
    for (const std::string& directory : searchDirectories) {
        const std::string path = directory + "/" + fileName;
        if (isRegularFile(path)) return path;
    }
    if (searchDirectories.empty()) return fileName;
    return searchDirectories.front() + "/" + fileName;
}

ChartTemplate parseChartTemplate(std::string_view text, int chart) {
    chart = chart == 4 ? 4 : 3;
    const std::string_view ownHeader = chart == 3 ? text::kChartTemplateHeader03 : text::kChartTemplateHeader04;
    const std::string_view otherHeader = chart == 3 ? text::kChartTemplateHeader04 : text::kChartTemplateHeader03;

    ChartTemplate result;
    bool headerSeen = false;
    int lineNumber = 0;
    std::size_t pos = 0;
    auto fail = [&result](TemplateStatus status, int line) {
        result.status = status;
        result.faultLine = line;
        result.accounts.clear();
        return result;
    };
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trimmedBlanks(line).empty() || line.front() == ';') continue;

        if (!headerSeen) {
            const std::string_view header = trimmedBlanks(line);
            if (header == otherHeader) return fail(TemplateStatus::OtherChart, lineNumber);
            if (header != ownHeader) return fail(TemplateStatus::Damaged, lineNumber);
            headerSeen = true;
            continue;
        }
        std::optional<TemplateAccount> account = parseAccountLine(line, chart);
        if (!account || (!result.accounts.empty() && account->number <= result.accounts.back().number))
            return fail(TemplateStatus::Damaged, lineNumber);
        result.accounts.push_back(std::move(*account));
    }
    // A template without accounts is a cut-off file.
    if (result.accounts.empty()) return fail(TemplateStatus::Damaged, lineNumber + 1);
    result.status = TemplateStatus::Sound;
    return result;
}

int readChartTemplate(const std::string& templatePath, int chart, ChartTemplate& out, ui::Messages& messages) {
    std::string content;
    if (!platform::readWholeFile(templatePath, content)) {
        messages.show(format(text::kMsgChartTemplateMissing, templatePath.c_str()), text::kCaptionError, ui::kIconStop);
        return 0;
    }
    out = parseChartTemplate(content, chart);
    switch (out.status) {
    case TemplateStatus::Sound:
        return 1;
    case TemplateStatus::OtherChart:
        messages.show(text::kMsgTakeOverOtherChart, text::kCaptionInformation, ui::kIconInformation);
        return 0;
    case TemplateStatus::Damaged:
        break;
    }
    messages.show(format(text::kMsgChartTemplateDamaged, templatePath.c_str(), out.faultLine), text::kCaptionError,
                  ui::kIconStop);
    return 0;
}

int appendTemplateAccounts(const ChartTemplate& chartTemplate, ledger::CSalden& cursor, ledger::CSIndex& index,
                           ui::Messages&) {
    if (chartTemplate.status != TemplateStatus::Sound) return 0;
    // One pass over the balance file tells which numbers are there already.
    std::vector<bool> present(kHighestAccount + 1, false);
    const int count = cursor.count();
    for (int record = 0; record < count; ++record) {
        const int number = cursor.read(record);
        if (number > 0 && number <= kHighestAccount) present[static_cast<std::size_t>(number)] = true;
    }
    int added = 0;
    int result = 1;
    for (const TemplateAccount& account : chartTemplate.accounts) {
        if (present[static_cast<std::size_t>(account.number)]) continue;
        // createAccount shows the write message itself.
        if (cursor.createAccount(posting::accountNumberText(account.number), account.name, 0.0) != 1) {
            result = 0;
            break;
        }
        ++added;
    }
    if (added > 0 && index.rebuild() != 1) return 0;
    return result;
}

int applyChartTemplate(const std::string& templatePath, ledger::CSalden& cursor, ledger::CSIndex& index, int chart,
                       ui::Messages& messages) {
    ChartTemplate chartTemplate;
    if (readChartTemplate(templatePath, chart, chartTemplate, messages) != 1) return 0;
    return appendTemplateAccounts(chartTemplate, cursor, index, messages);
}

}  // namespace tellmark::circles
