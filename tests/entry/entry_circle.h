#pragma once
// Booking circles for the entry form tests: created and opened the way the program does it, in the
// start directory of a temporary directory, with a few accounts of chart 03.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "entry/entry_form.h"
#include "posting/account_maintenance.h"
#include "resources/format.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::entry::testing {

using tellmark::testing::readFile;

struct OpenCircle {
    std::unique_ptr<circles::CVt36Doc> doc;
    int number = 0;

    std::string file(const char* extension) const {
        return readFile(format("BK%06i/B2009%03i.%s", number, number, extension));
    }
    std::string settingsFile() const { return readFile(format("BK%06i/STAMM%03i.DAT", number, number)); }
};

class EntryCircles : public ::testing::Test {
protected:
    EntryCircles() : cd(dir.path()) {}

    // Circle n of the year 2009 with VAT, chart 03, and the usual accounts.
    OpenCircle open(int n, const std::string& nextDocument = {}) {
        circles::CircleCreateFields fields;
        fields.name = "Muster GmbH";
        fields.year = "2009";
        fields.automaticNumbering = !nextDocument.empty();
        fields.nextDocumentNumber = nextDocument;
        EXPECT_EQ(circles::createCircleSettings("", n, fields, messages), 1);
        OpenCircle circle{std::make_unique<circles::CVt36Doc>(messages, progress), n};
        EXPECT_EQ(circle.doc->readProgramConfig(), 1);
        EXPECT_EQ(circle.doc->openCircle(n, circles::MissingLedger::CreateNew), 1);
        addAccount(circle, 1000, "KASSE");
        addAccount(circle, 1200, "BANK");
        addAccount(circle, 3425, "INNERGEM. ERWERB");
        addAccount(circle, 4930, "BUEROBEDARF", "19");
        addAccount(circle, 8400, "ERLOESE", "19");
        addAccount(circle, 10001, "MUELLER GMBH");
        messages.entries.clear();
        return circle;
    }

    void addAccount(OpenCircle& circle, int number, const std::string& name, const std::string& rate = {}) {
        circles::CVt36Doc& doc = *circle.doc;
        posting::AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), doc.settings().chart,
                                    messages};
        posting::NewAccount account;
        account.number = number;
        account.name = name;
        if (!rate.empty()) account.rate = rate;
        EXPECT_EQ(posting::createAccount(files, account), posting::MaintenanceResult::Done);
    }

    tellmark::testing::TempDir dir;
    tellmark::testing::ChangeDir cd;
    ui::RecordingMessages messages;
    ui::NoProgress progress;
};

// Key helpers.
inline void type(EntryFormModel& form, const std::string& text) {
    for (char c : text) form.handleKey(KeyPress::typed(c));
}
inline FormRequest press(EntryFormModel& form, Key key, unsigned modifiers = kNoModifier) {
    return form.handleKey(KeyPress::of(key, modifiers));
}
inline FormRequest pressF(EntryFormModel& form, int n, unsigned modifiers = kNoModifier) {
    return form.handleKey(KeyPress::function(n, modifiers));
}
inline FormRequest control(EntryFormModel& form, char letter) { return form.handleKey(KeyPress::control(letter)); }
// Types a field's text and leaves it with Tab.
inline void field(EntryFormModel& form, const std::string& text) {
    type(form, text);
    press(form, Key::Tab);
}
// The field under the cursor emptied (selected whole and deleted).
inline void clearField(EntryFormModel& form) {
    const int f = form.currentField();
    form.selectColumns(fieldStart(f), fieldEnd(f));
    press(form, Key::Delete);
}

inline std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

}  // namespace tellmark::entry::testing
