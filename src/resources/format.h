#pragma once
// printf-style formatting into std::string, for the program's templates ("%04i", "%12.2f", "%-60s", ...).
// Templates from the string table are NUL-terminated string_views.

#include <cstdio>
#include <string>
#include <string_view>

namespace tellmark {

template <typename... Args>
std::string format(std::string_view templ, Args... args) {
    const char* f = templ.data();
    char small[256];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    int n = std::snprintf(small, sizeof small, f, args...);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), f, args...);
#pragma GCC diagnostic pop
    out.resize(static_cast<std::size_t>(n));
    return out;
}

}  // namespace tellmark
