// The fast "%11.2f" / "%12.2f" of whole cent amounts must print what printf prints, to the byte.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "config/amounts.h"
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

}  // namespace
}  // namespace tellmark::ledger
