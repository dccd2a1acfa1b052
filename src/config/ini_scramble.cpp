#include "config/ini_scramble.h"

#include <cstddef>

namespace tellmark::config {

namespace {

// Byte increments modulo 256: 256 - d for decreases d between 4 and 18.
constexpr unsigned char kStep[16] = {249, 243, 252, 245, 239, 251, 247, 241,
                                     250, 244, 238, 248, 242, 246, 240, 252};

unsigned char stepAt(std::size_t position) { return kStep[position % 16]; }

}  // namespace

std::string scramblePassword(std::string_view plain) {
    std::string out;
    out.reserve(plain.size());
    for (char c : plain) {
        auto b = static_cast<unsigned char>(c);
        if (b < 32) continue;
        out.push_back(static_cast<char>(static_cast<unsigned char>(b + stepAt(out.size()))));
    }
    return out;
}

std::string unscramblePassword(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        auto b = static_cast<unsigned char>(stored[i]);
        if (b == 252) b = 92;
        out.push_back(static_cast<char>(static_cast<unsigned char>(b - stepAt(i))));
    }
    return out;
}

bool isPasswordKey(std::string_view key) { return key == "Passwort" || key == "BK-Passwort"; }

}  // namespace tellmark::config
