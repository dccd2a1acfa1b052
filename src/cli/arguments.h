#pragma once
// The command line of tellmark-cli: positional words and "--option [value]" pairs, checked against what
// the command accepts. Values stay UTF-8 here; commands convert texts to CP1252 where they reach files.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tellmark::cli {

// Wrong usage: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name;    // "--name" or "-k"
    bool takesValue;
};

class Arguments {
public:
    // Splits words into positionals and options; unknown options and missing values are usage errors.
    Arguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs);

    const std::vector<std::string>& positionals() const { return positionals_; }
    const std::string& positional(std::size_t i, const char* what) const;
    void expectPositionals(std::size_t min, std::size_t max) const;

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    std::optional<std::string> value(const std::string& name) const;
    std::string valueOr(const std::string& name, const std::string& fallback) const;
    std::string required(const std::string& name) const;
    std::vector<std::string> all(const std::string& name) const;
    // Integer option; usage error when it is not a whole number.
    std::optional<int> intValue(const std::string& name) const;
    int requiredInt(const std::string& name) const;

private:
    std::vector<std::string> positionals_;
    std::multimap<std::string, std::string> values_;
};

// Whole decimal number, or nullopt.
std::optional<int> parseInt(const std::string& text);

}  // namespace tellmark::cli
