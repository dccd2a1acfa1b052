#include "support/pdf_tools.h"

#include <cstdio>

namespace tellmark::testing {

namespace {

std::string outputOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

std::string pdfInfo(const std::string& path) { return outputOf("pdfinfo " + quoted(path) + " 2>&1"); }

std::string pdfText(const std::string& path) { return outputOf("pdftotext -layout " + quoted(path) + " - 2>&1"); }

}  // namespace tellmark::testing
