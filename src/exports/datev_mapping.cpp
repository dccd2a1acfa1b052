#include "exports/datev_mapping.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string_view>

#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::exports {

namespace {

constexpr int kHighestOwnAccount = 29999;

bool parseNumber(std::string_view text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

void DatevMapping::assign(const std::vector<Pair>& pairs) {
    pairs_.clear();
    byOwn_.assign(kHighestOwnAccount + 1, 0);
    for (const Pair& p : pairs) {
        if (p.first == 0 || p.second == 0 || pairs_.size() == kDatevMappingCapacity) break;
        pairs_.push_back(p);
        // The first pair of an account is the one a lookup in table order finds.
        if (p.first > 0 && p.first <= kHighestOwnAccount && byOwn_[p.first] == 0) byOwn_[p.first] = p.second;
    }
}

int DatevMapping::stored(int own) const {
    if (own <= 0 || own > kHighestOwnAccount || byOwn_.empty()) return 0;
    return byOwn_[own];
}

long DatevMapping::exported(int own) const {
    const int mapped = stored(own);
    const long number = mapped != 0 ? mapped : own;
    return number >= 20000 && number <= 29999 ? number + 50000 : number;
}

long proposedDatevNumber(int own) { return own >= 20000 && own <= 29999 ? own + 50000 : own; }

MappingRead readDatevMapping(const std::string& path, DatevMapping& mapping, int& badLine) {
    mapping.assign({});
    badLine = 0;
    if (platform::probeFile(path) == platform::kProbeMissing) return MappingRead::Missing;
    std::string text;
    if (!platform::readWholeFile(path, text)) {
        badLine = 1;
        return MappingRead::Damaged;
    }
    const std::vector<std::string_view> lines = linesOf(text);
    const std::string versionLine = std::string(text::kDatevMappingVersionKey) + "=" +
                                    std::string(text::kDatevMappingVersion);
    bool inSection = false, versionSeen = false;
    std::vector<DatevMapping::Pair> pairs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        if (line.empty() || (!inSection && line.front() == ';')) continue;
        if (!inSection || !versionSeen) {
            if (line != (inSection ? std::string_view(versionLine) : text::kDatevMappingSection)) {
                badLine = lineNumber;
                return MappingRead::Damaged;
            }
            (inSection ? versionSeen : inSection) = true;
            continue;
        }
        const std::size_t eq = line.find('=');
        int own = 0, datev = 0;
        if (eq == std::string_view::npos || !parseNumber(line.substr(0, eq), own) ||
            !parseNumber(line.substr(eq + 1), datev)) {
            badLine = lineNumber;
            return MappingRead::Damaged;
        }
        pairs.emplace_back(own, datev);
    }
    if (!versionSeen) {
        badLine = static_cast<int>(lines.size()) + 1;
        return MappingRead::Damaged;
    }
    mapping.assign(pairs);
    return MappingRead::Read;
}

bool loadDatevMapping(const std::string& path, DatevMapping& mapping, ui::Messages& messages) {
    int badLine = 0;
    if (readDatevMapping(path, mapping, badLine) != MappingRead::Damaged) return true;
    messages.show(format(text::kMsgDatevMappingDamaged, path.c_str(), badLine), text::kCaptionError, ui::kIconStop);
    return false;
}

std::string datevMappingFileText(const DatevMapping& mapping) {
    std::string out(text::kDatevMappingComment);
    out += "\r\n";
    out += format("\r\n%s\r\n", text::kDatevMappingSection.data());
    out += format("%s=%s\r\n", text::kDatevMappingVersionKey.data(), text::kDatevMappingVersion.data());
    for (const DatevMapping::Pair& p : mapping.pairs()) out += format("%d=%d\r\n", p.first, p.second);
    return out;
}

bool writeDatevMapping(const std::string& path, const DatevMapping& mapping, ui::Messages& messages) {
    if (platform::replaceWholeFile(path, datevMappingFileText(mapping))) return true;
    messages.show(format(text::kMsgDatevMappingNotWritten, path.c_str()), text::kCaptionError, ui::kIconStop);
    return false;
}

DatevMapping mergedDatevMapping(const DatevMapping& stored, const std::vector<DatevMapping::Pair>& changes) {
    std::map<int, int> byOwn;
    for (const DatevMapping::Pair& p : stored.pairs()) byOwn.emplace(p.first, p.second);
    for (const DatevMapping::Pair& p : changes) byOwn[p.first] = p.second;
    std::vector<DatevMapping::Pair> pairs(byOwn.begin(), byOwn.end());
    DatevMapping merged;
    merged.assign(pairs);
    return merged;
}

}  // namespace tellmark::exports
