#include "cli/arguments.h"

#include <cerrno>
#include <cstdlib>

namespace tellmark::cli {

std::optional<int> parseInt(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < -2147483647L || v > 2147483647L) return std::nullopt;
    return static_cast<int>(v);
}

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        bool looksLikeOption = w.size() > 1 && w[0] == '-' && !(w[1] >= '0' && w[1] <= '9') && w[1] != '.';
        if (!looksLikeOption) {
            positionals_.push_back(w);
            continue;
        }
        std::string name = w, inlineValue;
        bool hasInline = false;
        if (auto eq = w.find('='); eq != std::string::npos && w.rfind("--", 0) == 0) {
            name = w.substr(0, eq);
            inlineValue = w.substr(eq + 1);
            hasInline = true;
        }
        const OptionSpec* spec = nullptr;
        for (const auto& s : specs)
            if (s.name == name) spec = &s;
        if (!spec) throw UsageError("unknown option " + name);
        if (!spec->takesValue) {
            if (hasInline) throw UsageError("option " + name + " takes no value");
            values_.emplace(name, "");
        } else if (hasInline) {
            values_.emplace(name, inlineValue);
        } else {
            if (i + 1 >= words.size()) throw UsageError("option " + name + " needs a value");
            values_.emplace(name, words[++i]);
        }
    }
}

const std::string& Arguments::positional(std::size_t i, const char* what) const {
    if (i >= positionals_.size()) throw UsageError(std::string("missing ") + what);
    return positionals_[i];
}

void Arguments::expectPositionals(std::size_t min, std::size_t max) const {
    if (positionals_.size() < min) throw UsageError("too few arguments");
    if (positionals_.size() > max) throw UsageError("unexpected argument " + positionals_[max]);
}

std::optional<std::string> Arguments::value(const std::string& name) const {
    auto range = values_.equal_range(name);
    if (range.first == range.second) return std::nullopt;
    return std::prev(range.second)->second;  // the last one given wins
}

std::string Arguments::valueOr(const std::string& name, const std::string& fallback) const {
    auto v = value(name);
    return v ? *v : fallback;
}

std::string Arguments::required(const std::string& name) const {
    auto v = value(name);
    if (!v) throw UsageError("missing option " + name);
    return *v;
}

std::vector<std::string> Arguments::all(const std::string& name) const {
    std::vector<std::string> out;
    auto range = values_.equal_range(name);
    for (auto it = range.first; it != range.second; ++it) out.push_back(it->second);
    return out;
}

std::optional<int> Arguments::intValue(const std::string& name) const {
    auto v = value(name);
    if (!v) return std::nullopt;
    auto n = parseInt(*v);
    if (!n) throw UsageError("option " + name + " needs a whole number");
    return n;
}

int Arguments::requiredInt(const std::string& name) const {
    auto v = intValue(name);
    if (!v) throw UsageError("missing option " + name);
    return *v;
}

}  // namespace tellmark::cli
