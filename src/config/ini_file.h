#pragma once
// CIniDatei: the settings-file class. Loads a whole settings file ("[SECTION]" lines and "key=value"
// lines, CR LF, CP1252) into memory, finds and replaces lines by plain text search and writes the whole
// text back. Files are kept open only for one sequence of open, read, get/set, save, close.
//
// The text is held in a growing string: a file longer than 2047 bytes is read, changed and saved whole,
// never cut and never overrun.

#include <string>
#include <string_view>

#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::config {

// Result codes besides 1 (success) and 0 (failure).
inline constexpr int kIniNotOpen = 32;
inline constexpr int kIniBlankPath = 64;
inline constexpr int kIniSetDone = 3000;

// Values are read up to this many characters.
inline constexpr std::size_t kIniMaxValue = 128;
// Longest path taken by setPath.
inline constexpr std::size_t kIniMaxPath = 259;

class CIniDatei {
public:
    explicit CIniDatei(ui::Messages& messages);
    virtual ~CIniDatei();
    CIniDatei(const CIniDatei&) = delete;
    CIniDatei& operator=(const CIniDatei&) = delete;

    void setPath(const std::string& path);
    const std::string& path() const { return path_; }

    // 1 open; 0 failed; 64 blank path; else the probe code (4 locked, 16 disk full, 0 other).
    // Creates a missing file with the comment line first. Reads the whole file on success.
    // Exclusive opens for reading only, nobody else may open the file meanwhile.
    int open(bool exclusive = false);
    // 1; 0 on a read error; 32 when not open.
    int readAll();
    // 1 found; 0 not found (value empty). The key may be found in a later section too.
    int get(std::string_view section, std::string_view key, std::string& value) const;
    // 3000; 0 when section or key is empty. Changes only the text in memory.
    int set(std::string_view section, std::string_view key, std::string_view value);
    // 1; 0 on a write error; 32 when not open. Writes the text and cuts the file to its length.
    int save();
    void close();
    bool isOpen() const { return file_.isOpen(); }

    // The file's text as held in memory.
    const std::string& text() const { return text_; }

protected:
    // What the last open met when it opened the file (a probe code; kProbePresent when it opened).
    int lastProbe() const { return lastProbe_; }
    ui::Messages& messages_;

private:
    void report(std::string_view templ) const;

    std::string path_;
    int lastProbe_ = 1;
    std::string text_;
    platform::File file_;
    // False after a failed read: the text is not the file's, so saving it would lose lines.
    bool textComplete_ = true;
    bool exclusive_ = false;
};

}  // namespace tellmark::config
