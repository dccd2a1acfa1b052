#pragma once
// Output of a finished report into a text file: the name the user types, where it goes, and the copy of
// the print file. Names follow the program's DOS-style rules; '\' separators are written '/'.

#include <string>
#include <string_view>

#include "ui/messages.h"

namespace tellmark::reports {

// Copy block and buffer of the text-file output.
inline constexpr std::size_t kTextFileBlock = 32768;
inline constexpr std::size_t kTextFileBuffer = 33000;

// Letters a-z and A-Z, digits and "-_~\:." (on this platform '/' as well, the native separator); a colon
// only as the second character after a letter. An empty name is refused too.
bool IsValidTextFileName(std::string_view name);
// As above; a refused name shows the 8.3 message, and the dialog asks again.
bool CheckTextFileName(std::string_view name, ui::Messages& messages);

// Where a checked name is written:
//   "A:NAME" (drive letter) or a name beginning with '\' or '/' (absolute) - as given;
//   ".\NAME" - in the data directory (without one, the ".\" is dropped);
//   any other name - in the booking circle's directory "BKnnnnnn" below the data directory.
// A drive letter means nothing on this platform: "A:TM.TXT" stays a name relative to the current directory.
std::string ResolveTextFileName(std::string_view name, const std::string& dataDirectory, int circleNumber);

// Creates (truncates) target and copies the print file into it in blocks of 32,768 bytes. 1 on
// success; 0 after a message. The print file itself is never a target: copying it onto itself would
// empty it.
int CopyPrintFileToTextFile(const std::string& printFile, const std::string& target, ui::Messages& messages);

// Check, resolve and copy: 1 written, 0 failed (copy messages shown), 2 name refused (8.3 message shown;
// ask again).
int WriteTextFile(std::string_view name, const std::string& printFile, const std::string& dataDirectory,
                  int circleNumber, ui::Messages& messages);

}  // namespace tellmark::reports
