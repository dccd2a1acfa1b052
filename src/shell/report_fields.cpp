#include "shell/report_fields.h"

#include <cstdio>
#include <cstdlib>

#include "config/dates.h"
#include "resources/format.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

void selectField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

}  // namespace

QLineEdit* makeMonthField(QWidget* parent, const char* objectName, int month) {
    QLineEdit* field = makeField(parent, 2, objectName);
    field->setText(qt(format("%02i", month)));
    return field;
}

QLineEdit* makePrintDateField(QWidget* parent, const std::string& today) {
    QLineEdit* field = makeField(parent, 8, "printDate");
    field->setText(qt(today));
    return field;
}

bool takeMonth(QLineEdit* field, int highest, int& month) {
    std::string text = fieldText(field);
    const int bounded = config::parseMonth(text, highest, currentCalendarMonth());
    field->setText(qt(text));
    if (bounded) {
        selectField(field);
        return false;
    }
    month = std::atoi(text.c_str());
    return true;
}

bool takePrintDate(QLineEdit* field, const std::string& preset, reports::ReportRequest& request) {
    std::string previous = preset;
    std::string result;
    int day = 0, month = 0, year = 0;
    if (config::parseDayMonthYear(fieldText(field), previous, result) != 0 ||
        std::sscanf(result.c_str(), "%2d.%2d.%2d", &day, &month, &year) != 3 || month < 1 || month > 12 ||
        day < 1 || day > config::lastDayOfMonth(month, config::fourDigitYear(year))) {
        field->setText(qt(preset));
        selectField(field);
        return false;
    }
    field->setText(qt(result));
    request.printDay = day;
    request.printMonth = month;
    request.printYear = config::fourDigitYear(year);
    return true;
}

QLineEdit* makeDayMonthField(QWidget* parent, const char* objectName, const std::string& preset) {
    QLineEdit* field = makeField(parent, 5, objectName);
    field->setText(qt(preset));
    return field;
}

bool takeDayMonth(QLineEdit* field, const std::string& preset, bool allowThirteen, int& day, int& month) {
    std::string previous = preset;
    std::string result;
    int d = 0, m = 0;
    if (config::parseDayMonth(fieldText(field), previous, result) != 0 ||
        std::sscanf(result.c_str(), "%2d.%2d", &d, &m) != 2 || m < 1 || m > (allowThirteen ? 13 : 12) || d < 1 ||
        d > (m == 13 ? 31 : config::lastDayOfMonth(m, 2000))) {
        field->setText(qt(preset));
        selectField(field);
        return false;
    }
    field->setText(qt(result));
    day = d;
    month = m;
    return true;
}

int currentCalendarMonth() { return std::stoi(config::today().month); }

}  // namespace tellmark::shell
