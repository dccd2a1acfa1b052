// Every fuzz target of fuzz/, compiled into the test suite and fed a few thousand inputs made from its
// seed corpus the way a fuzzer makes them: bytes flipped, cut, repeated, spliced, numbers and line ends
// put in. The inputs follow from fixed seeds, so a failure comes back on every run, printed with the
// input that caused it. A crash fails the test program; a broken invariant fails the target's test.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tellmark::fuzz_smoke {

struct Broken {
    std::string where;
    std::string what;
};

std::vector<Broken>& broken() {
    static std::vector<Broken> list;
    return list;
}

void noteBroken(const char* what, const char* file, int line) {
    broken().push_back({std::string(file) + ":" + std::to_string(line), what});
}

}  // namespace tellmark::fuzz_smoke

// The targets report here instead of aborting.
#define TELLMARK_FUZZ_REPORT(what) ::tellmark::fuzz_smoke::noteBroken(what, __FILE__, __LINE__)

#define LLVMFuzzerTestOneInput FuzzIniFile
#include "../../fuzz/ini_file_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzProgramConfig
#include "../../fuzz/program_config_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzCircleSettings
#include "../../fuzz/circle_settings_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzFonts
#include "../../fuzz/fonts_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzSalden
#include "../../fuzz/salden_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzAccountIndex
#include "../../fuzz/account_index_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzJournalRecord
#include "../../fuzz/journal_record_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzJournal
#include "../../fuzz/journal_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzJournalIndex
#include "../../fuzz/journal_index_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzDates
#include "../../fuzz/dates_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzAmounts
#include "../../fuzz/amounts_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzFieldChecks
#include "../../fuzz/field_checks_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzStandardBookingFile
#include "../../fuzz/standard_booking_file_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzImportFile
#include "../../fuzz/import_file_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzDatevMapping
#include "../../fuzz/datev_mapping_fuzz.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput FuzzOldData
#include "../../fuzz/old_data_fuzz.cpp"
#undef LLVMFuzzerTestOneInput

namespace tellmark::fuzz_smoke {
namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);

std::vector<std::string> seedCorpus(const std::string& name) {
    const std::string dir = std::string(TELLMARK_SOURCE_DIR) + "/fuzz/corpus/" + name;
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file()) paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> seeds;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

// Inputs as a fuzzer makes them. std::mt19937 gives the same numbers on every platform; the
// distributions of <random> would not, so the numbers are cut down by hand.
class InputMaker {
public:
    InputMaker(std::uint32_t seed, const std::vector<std::string>& seeds) : rng_(seed), seeds_(seeds) {}

    std::string random(std::size_t maxSize) {
        std::string out(below(maxSize + 1), '\0');
        for (char& c : out) c = static_cast<char>(below(256));
        return out;
    }

    std::string mutated(std::size_t base) {
        std::string input = seeds_[base % seeds_.size()];
        const std::uint32_t rounds = 1 + below(4);
        for (std::uint32_t r = 0; r < rounds; ++r) mutate(input);
        return input;
    }

private:
    std::uint32_t below(std::size_t bound) {
        return bound == 0 ? 0 : static_cast<std::uint32_t>(rng_() % bound);
    }

    std::size_t at(const std::string& s) { return below(s.size() + 1); }

    void mutate(std::string& s) {
        static const char kBytes[] = {'\0', '\xFF', '\r', '\n', '.', ',', '-', '+', ' ', '=', '[', ']',
                                      '\x80', '\xFC', '9', '0', '?', '!', ':', '\\'};
        static const char* const kTokens[] = {
            "\r\n", "=", "[TELLMARK]", "[BUCHUNGSKREIS]", "Passwort=", "BK-Passwort=", "Version=W001001\r\n",
            "Jahr=", "1.Monat=", "Auto-Beleg=", "Font Buchung=", "Aufl\xF6sung=", "W001001", "W001002",
            "-2147483648", "2147483647", "99999999999.99", "0809", "31.12", "29.02", "31.13", "  1.",
            "        0.00", "*\r\n", " 1200", "10000", "19.00"};
        static const std::int32_t kNumbers[] = {0, 1, -1, 2, 7, 13, 64, 112, 202, 65534, 2147483647, -2147483647 - 1};

        switch (below(9)) {
        case 0:  // flip a bit
            if (!s.empty()) s[below(s.size())] ^= static_cast<char>(1u << below(8));
            break;
        case 1:  // a byte that means something to the parsers
            if (!s.empty()) s[below(s.size())] = kBytes[below(sizeof kBytes)];
            break;
        case 2: {  // random bytes in
            std::string bytes(1 + below(8), '\0');
            for (char& c : bytes) c = static_cast<char>(below(256));
            s.insert(at(s), bytes);
            break;
        }
        case 3:  // a piece out
            if (!s.empty()) {
                const std::size_t from = below(s.size());
                s.erase(from, 1 + below(16));
            }
            break;
        case 4:  // a piece repeated elsewhere
            if (!s.empty()) {
                const std::size_t from = below(s.size());
                const std::string piece = s.substr(from, 1 + below(64));
                s.insert(at(s), piece);
            }
            break;
        case 5: {  // head of this one, tail of another
            const std::string& other = seeds_[below(seeds_.size())];
            const std::size_t head = at(s);
            const std::size_t tail = below(other.size() + 1);
            s = s.substr(0, head) + other.substr(tail);
            break;
        }
        case 6:  // a word of the formats
            s.insert(at(s), kTokens[below(std::size(kTokens))]);
            break;
        case 7:  // a 32-bit number over four bytes, as the index files hold them
            if (s.size() >= 4) {
                const auto u = static_cast<std::uint32_t>(kNumbers[below(std::size(kNumbers))]);
                const std::size_t pos = below(s.size() - 3);
                for (int i = 0; i < 4; ++i) s[pos + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
            }
            break;
        default:  // cut short
            s.resize(at(s));
            break;
        }
    }

    std::mt19937 rng_;
    const std::vector<std::string>& seeds_;
};

std::string printable(const std::string& input) {
    std::string out;
    for (unsigned char c : input.substr(0, 2000)) {
        if (c >= 32 && c < 127 && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// The seeds as they are, then inputs made from them and some made of nothing but random bytes.
void smoke(Target target, const std::string& corpus, int inputs, std::uint32_t seed) {
    const std::vector<std::string> seeds = seedCorpus(corpus);
    ASSERT_FALSE(seeds.empty()) << "no seed corpus for " << corpus;
    broken().clear();
    auto runOne = [&](const std::string& input) {
        target(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        if (broken().empty()) return true;
        ADD_FAILURE() << broken().front().where << ": " << broken().front().what << "\n  input (" << input.size()
                      << " bytes): \"" << printable(input) << "\"";
        broken().clear();
        return false;
    };
    for (const std::string& s : seeds)
        if (!runOne(s)) return;
    InputMaker maker(seed, seeds);
    for (int i = 0; i < inputs; ++i) {
        const std::string input = i % 8 == 7 ? maker.random(300) : maker.mutated(static_cast<std::size_t>(i));
        if (!runOne(input)) return;
    }
}

TEST(FuzzSmoke, SettingsFile) { smoke(FuzzIniFile, "ini_file", 2000, 11); }
TEST(FuzzSmoke, ProgramConfiguration) { smoke(FuzzProgramConfig, "program_config", 1000, 12); }
TEST(FuzzSmoke, CircleSettings) { smoke(FuzzCircleSettings, "circle_settings", 1500, 13); }
TEST(FuzzSmoke, Fonts) { smoke(FuzzFonts, "fonts", 4000, 14); }
TEST(FuzzSmoke, BalanceFile) { smoke(FuzzSalden, "salden", 1500, 15); }
TEST(FuzzSmoke, AccountIndex) { smoke(FuzzAccountIndex, "account_index", 1500, 16); }
TEST(FuzzSmoke, JournalRecords) { smoke(FuzzJournalRecord, "journal_record", 4000, 17); }
TEST(FuzzSmoke, Journal) { smoke(FuzzJournal, "journal", 1500, 18); }
TEST(FuzzSmoke, JournalIndex) { smoke(FuzzJournalIndex, "journal_index", 1500, 19); }
TEST(FuzzSmoke, Dates) { smoke(FuzzDates, "dates", 3000, 20); }
TEST(FuzzSmoke, Amounts) { smoke(FuzzAmounts, "amounts", 3000, 21); }
TEST(FuzzSmoke, FieldChecks) { smoke(FuzzFieldChecks, "field_checks", 3000, 22); }
TEST(FuzzSmoke, StandardBookingFile) { smoke(FuzzStandardBookingFile, "standard_booking_file", 1500, 23); }
TEST(FuzzSmoke, DatevMappingFile) { smoke(FuzzDatevMapping, "datev_mapping", 2000, 31); }
TEST(FuzzSmoke, ImportFile) { smoke(FuzzImportFile, "import_file", 1500, 24); }
TEST(FuzzSmoke, OldData) { smoke(FuzzOldData, "old_data", 2000, 25); }

}  // namespace
}  // namespace tellmark::fuzz_smoke
