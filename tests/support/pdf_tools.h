#pragma once
// What the PDF tools of the system (pdfinfo, pdftotext) read from a PDF file the program wrote.

#include <string>

namespace tellmark::testing {

// The output of pdfinfo for the file.
std::string pdfInfo(const std::string& path);
// The text of the file as pdftotext -layout extracts it: UTF-8, the pages ended by form feeds.
std::string pdfText(const std::string& path);

}  // namespace tellmark::testing
