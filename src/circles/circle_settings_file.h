#pragma once
// CIniBK: the settings file of one booking circle (section "[BUCHUNGSKREIS]") and its settings record.
// Like every settings file it is opened and closed around each sequence of reads and writes.

#include <string>

#include "config/circle_settings.h"
#include "config/ini_file.h"

namespace tellmark::circles {

// The record lives below the folders that read it; the circle's own code names it as its own.
using config::CircleSettings;
using config::DatevData;
using config::ElsterData;
using config::kCircleNameLength;
using config::kCurrencyLength;
using config::kDocumentNumberLength;
using config::kPathLength;

class CIniBK : public config::CIniDatei {
public:
    explicit CIniBK(ui::Messages& messages);

    // For the path already set: 64 for a blank path, else the open failure code or the result of save.
    // Rewrites the first twelve keys with their defaults; the Elster and DATEV keys are added empty only
    // where they are missing, so their values survive.
    int createDefaults();

    // Fills the settings record from the text in memory (open and read the file first). Always 1.
    int readSettings();

    // The automatic document number counter. Each does nothing (result 0) while numbering is off;
    // otherwise it opens the file when it is not open, stores the new counter, saves, closes what it
    // opened and reads the settings again. Result 1 when the counter was stored.
    int advanceDocumentNumber();
    int resetDocumentNumber();
    // Stores this number as the next automatic document number (the counter set anew from the journal).
    int setDocumentNumber(double next);
    // Only for a blank document field: puts the next number "%06.f" into it and advances the counter.
    // The field stays blank (result 0) when numbering is off or the counter could not be stored.
    int takeDocumentNumber(std::string& documentField);

    const CircleSettings& settings() const { return settings_; }

    // "Kontenrahmen" as read by readSettings: "03" or "04" ("3", "4"), or blank, which counts as "03".
    // Books under any other chart would be posted and reported by rules that do not fit them.
    bool chartValid() const { return chartValid_; }
    // 1 when the chart is valid; otherwise the message naming the settings file and 0.
    int verifyChart() const;

private:
    // Opens when needed and reads the counter as the file holds it; false when the file cannot be opened.
    bool beginCounterChange(bool& openedHere);
    int storeCounter(double nextNumber, bool openedHere);

    CircleSettings settings_;
    bool chartValid_ = true;
    std::string chartText_;
};

// Value of a document number text; numbering is on from 1.
double documentNumberValue(const std::string& text);
// The counter after n: past 999999 it starts again at 1, since a document number holds six digits.
double followingDocumentNumber(double n);

}  // namespace tellmark::circles
