#pragma once
// A booking circle with accounts and 100 bookings, written as files and opened, for the backup and
// restore tests.

#include <map>
#include <vector>
#include <string>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "ledger/account_record.h"
#include "resources/format.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/recording_progress.h"

namespace tellmark::testing {

inline const char* const kCircleFiles[] = {"BK000001/STAMM001.DAT", "BK000001/B2009001.sal", "BK000001/B2009001.sdx",
                                           "BK000001/B2009001.jou", "BK000001/B2009001.jdx", "BK000001/B001.stn"};

inline std::string accountLine(const char* number, const char* name, double opening) {
    ledger::AccountRecord record;
    ledger::AccountRecord::makeNew(number, name, opening, record);
    return std::string(record.bytes());
}

inline std::string bookingLine(int day, const char* text, double amount) {
    return format("%02i.03%-6s%5s%5s%-25s%11.2f%5s\r\n", day % 28 + 1, "", " 1200", " 8400", text, amount, "19.00");
}

// Keeps every bar label set while a phase runs.
class LabelledProgress : public ui::RecordingProgress {
public:
    void setBarLabel(std::string_view text) override {
        labels.emplace_back(text);
        RecordingProgress::setBarLabel(text);
    }
    std::vector<std::string> labels;
};

class BackupCircle : public ::testing::Test {
protected:
    BackupCircle() : cd(dir.path()) {
        circles::CircleCreateFields fields;
        fields.name = "Sicherung GmbH";
        fields.year = "2009";
        fields.chart = "03";
        EXPECT_EQ(circles::createCircleSettings("", 1, fields, messages), 1);
        writeFile("BK000001/B2009001.sal", accountLine(" 1200", "BANK", 1000.0) + accountLine(" 1570", "VORSTEUER", 0.0) +
                                               accountLine(" 1770", "MEHRWERTSTEUER", 0.0) +
                                               accountLine(" 8400", "ERL\xD6SE", 0.0));
        std::string journal;
        for (int i = 0; i < 100; ++i) journal += bookingLine(i, "Verkauf", 10.0 + i);
        writeFile("BK000001/B2009001.jou", journal);
    }

    bool openCircle() {
        return doc.readProgramConfig() == 1 && doc.openCircle(1) == 1;
    }

    // Every file of the circle by name.
    std::map<std::string, std::string> circleFiles(const std::string& base = "") const {
        std::map<std::string, std::string> files;
        for (const char* name : kCircleFiles) {
            const std::string path = base.empty() ? name : base + "/" + name;
            files[name] = fileExists(path) ? readFile(path) : "(fehlt)";
        }
        return files;
    }

    TempDir dir;
    ChangeDir cd;
    ui::RecordingMessages messages;
    LabelledProgress progress;
    circles::CVt36Doc doc{messages, progress};
};

}  // namespace tellmark::testing
