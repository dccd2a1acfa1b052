// The fast "%11.2f" / "%12.2f" of whole cent amounts must print what printf prints, to the byte, and the
// fast reading of a stored decimal must give the double the full conversion gives.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include <charconv>

#include "config/amounts.h"
#include "ledger/account_record.h"
#include "ledger/journal_record.h"

namespace tellmark::ledger {
namespace {

std::string printed(const char* pattern, double value) {
    char text[512];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

TEST(CentsText, PrintsWhatPrintfPrints) {
    std::mt19937_64 random(20091231u);
    std::vector<double> values{0.0, -0.0, 0.01, -0.01, 0.05, 0.125, -0.125, 10.125, 99999999.99, -9999999.99,
                               123456789012.34, 1e300, -1e-300, NAN, INFINITY, 0.1 + 0.2, 1.005, 159.66};
    for (int i = 0; i < 200000; ++i) {
        const double amount = static_cast<double>(static_cast<long long>(random() % 2000000000ULL) - 1000000000LL) / 100.0;
        const double rate = static_cast<double>(random() % 2000) / 100.0;
        values.push_back(amount);
        values.push_back(config::roundToCents(amount * rate / (100.0 + rate)));
        values.push_back(amount * rate / (100.0 + rate));  // not whole cents: the printf way
    }
    for (double v : values) {
        ASSERT_EQ(centsText(v, 11), printed("%11.2f", v)) << v;
        ASSERT_EQ(centsText(v, 12), printed("%12.2f", v)) << v;
    }
}

TEST(CentsText, StoredDecimalsReadAsTheFullConversionReadsThem) {
    std::mt19937_64 random(20100101u);
    std::vector<std::string> texts{"0.00", "-0.00", "  12.5", "1234567890123.45", "99999999999999.9",
                                   "123456789012345.6", "-.5", "7.", "000000000000001.23", "0.000000000000001"};
    for (int i = 0; i < 300000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 18);
        std::string number;
        for (int d = 0; d < digits; ++d) number += static_cast<char>('0' + random() % 10);
        const std::size_t point = random() % (number.size() + 1);
        if (random() % 4 != 0) number.insert(point, ".");
        texts.push_back((random() % 2 ? "-" : "") + number);
    }
    for (const std::string& text : texts) {
        std::string plain = text;
        const bool negative = !plain.empty() && plain.find('-') != std::string::npos;
        plain.erase(0, plain.find_first_not_of(" -"));
        if (plain.front() == '.') plain.insert(plain.begin(), '0');
        if (plain.back() == '.') plain.pop_back();
        double expected = 0.0;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected, std::chars_format::fixed);
        if (negative) expected = -expected;
        const double read = parseDecimalText(text);
        ASSERT_EQ(std::signbit(read), std::signbit(expected)) << text;
        ASSERT_EQ(read, expected) << text;
    }
}

}  // namespace
}  // namespace tellmark::ledger
