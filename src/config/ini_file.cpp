#include "config/ini_file.h"

#include <algorithm>
#include <cstdint>

#include "config/ini_scramble.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_config.h"

namespace tellmark::config {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool isBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// A value ends at the line's end; a CR, LF or NUL inside it would start a line of its own.
std::string_view oneLine(std::string_view value) {
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace

CIniDatei::CIniDatei(ui::Messages& messages) : messages_(messages) {}

CIniDatei::~CIniDatei() { close(); }

void CIniDatei::setPath(const std::string& path) { path_ = path.substr(0, kIniMaxPath); }

void CIniDatei::report(std::string_view templ) const {
    messages_.show(format(templ, path_.c_str()), text::kCaptionError, ui::kIconStop);
}

int CIniDatei::open(bool exclusive) {
    close();
    if (isBlank(path_)) return kIniBlankPath;
    const platform::Share share = exclusive ? platform::Share::Exclusive : platform::Share::Shared;
    int probe = file_.openProbed(path_, share);
    lastProbe_ = probe;
    if (probe == platform::kProbeMissing) {
        platform::File created;
        if (!created.create(path_) ||
            !created.writeAt(0, text::kIniCommentLine.data(), text::kIniCommentLine.size())) {
            report(text::kIniCannotCreate);
            return 0;
        }
        created.close();
        probe = file_.openProbed(path_, share) == platform::kProbePresent ? platform::kProbePresent : 0;
        if (probe != platform::kProbePresent) {
            report(text::kIniCannotOpen);
            return 0;
        }
    } else if (probe != platform::kProbePresent) {
        // Refused to an exclusive open only because someone else reads it: that holder does not deny
        // writing, so it is no lock but a file that cannot be opened now.
        if (exclusive && probe == platform::kProbeLocked && platform::probeFile(path_) == platform::kProbePresent) {
            report(text::kIniCannotOpen);
            return 0;
        }
        return probe;  // opened elsewhere with writing denied, or not to be opened at all: the code tells
    }
    exclusive_ = exclusive;
    if (readAll() != 1) {
        close();
        return 0;
    }
    return 1;
}

namespace {

// Lines are found by "\r\n" + key: a file whose lines end in a lone LF or CR (saved by an editor of
// another system) would read as empty and collect duplicate keys on every save. Such line ends are read as
// CR LF, which the next save writes.
void normaliseLineEnds(std::string& text) {
    if (text.find_first_of("\r\n") == std::string::npos) return;
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (c == '\r' || c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    text.swap(out);
}

}  // namespace

int CIniDatei::readAll() {
    text_.clear();
    if (!file_.isOpen()) {
        report(text::kIniReadNotOpen);
        return kIniNotOpen;
    }
    textComplete_ = false;
    std::int64_t length = file_.length();
    if (length < 0) {
        report(text::kIniCannotRead);
        return 0;
    }
    text_.resize(static_cast<std::size_t>(length));
    std::int64_t got = file_.readAt(0, text_.data(), text_.size());
    if (got < 0) {
        text_.clear();
        report(text::kIniCannotRead);
        return 0;
    }
    if (got < length) {
        text_.resize(static_cast<std::size_t>(got));
        report(text::kIniReadIncomplete);
        return 0;
    }
    normaliseLineEnds(text_);
    textComplete_ = true;
    return 1;
}

int CIniDatei::get(std::string_view section, std::string_view key, std::string& value) const {
    value.clear();
    if (section.empty() || key.empty()) return 0;
    std::size_t at = text_.find(section);
    if (at == std::string::npos) return 0;
    std::string needle = std::string(kCrLf) + std::string(key) + "=";
    at = text_.find(needle, at);
    if (at == std::string::npos) return 0;
    std::size_t begin = at + needle.size();
    std::size_t end = text_.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = text_.size();
    std::string_view stored = std::string_view(text_).substr(begin, std::min(end - begin, kIniMaxValue));
    value = isPasswordKey(key) ? unscramblePassword(stored) : std::string(stored);
    return 1;
}

int CIniDatei::set(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty()) return 0;
    value = oneLine(value);
    std::string line(key);
    line += '=';
    line += isPasswordKey(key) ? scramblePassword(value) : std::string(value);
    line += kCrLf;

    std::size_t from = text_.find(section);
    if (from == std::string::npos) {
        from = text_.size();
        text_ += kCrLf;
        text_ += section;
        text_ += kCrLf;
    }
    std::string needle = std::string(kCrLf) + std::string(key) + "=";
    std::size_t at = text_.find(needle, from);
    if (at != std::string::npos) {
        std::size_t begin = at + kCrLf.size();
        std::size_t end = text_.find_first_of("\r\n", begin);
        if (end == std::string::npos) end = text_.size();
        else end += text_.compare(end, 2, kCrLf) == 0 ? 2 : 1;
        text_.replace(begin, end - begin, line);
    } else {
        // A last line without its CR LF would swallow the new key.
        if (!text_.ends_with(kCrLf)) text_ += kCrLf;
        text_ += line;
    }
    return kIniSetDone;
}

int CIniDatei::save() {
    if (!file_.isOpen()) {
        report(text::kIniWriteNotOpen);
        return kIniNotOpen;
    }
    // Written beside the file and renamed over it: a crash leaves the old settings or the new ones, never
    // a file cut in the middle. The open file is then the new one.
    // An exclusive open is for reading: nobody else may open the file, and it is not written either.
    if (!textComplete_ || exclusive_ || !platform::replaceWholeFile(path_, text_)) {
        report(text::kIniCannotWrite);
        return 0;
    }
    file_.close();
    if (!file_.open(path_, exclusive_ ? platform::Share::Exclusive : platform::Share::Shared)) {
        report(text::kIniCannotOpen);
        return 0;
    }
    return 1;
}

void CIniDatei::close() { file_.close(); }

}  // namespace tellmark::config
