#pragma once
// Fields the report dialogs share: month fields and the print date, with the checks made on OK.

#include <QLineEdit>
#include <string>

#include "reports/report_request.h"

namespace tellmark::shell {

// A two-character month field preset with "%02i" of month.
QLineEdit* makeMonthField(QWidget* parent, const char* objectName, int month);
// A print-date field ("DD.MM.YY") preset with today.
QLineEdit* makePrintDateField(QWidget* parent, const std::string& today);

// The month of the field: empty is the current month, values outside 0..highest are bounded. A bounded
// value is written back and the field selected, so the user sees the correction: false then.
bool takeMonth(QLineEdit* field, int highest, int& month);
// The print date "DD.MM.YY" (year expanded to four digits) into the request; a date that is no date puts
// the preset back, selects the field and answers false.
bool takePrintDate(QLineEdit* field, const std::string& preset, reports::ReportRequest& request);

// A day-and-month field ("DD.MM") preset with the text given.
QLineEdit* makeDayMonthField(QWidget* parent, const char* objectName, const std::string& preset);
// The day and month of the field ("DD.MM" or a day alone, which keeps the preset's month); month 13 only
// with allowThirteen. A text that is no such date puts the preset back, selects the field and answers
// false.
bool takeDayMonth(QLineEdit* field, const std::string& preset, bool allowThirteen, int& day, int& month);

// The current calendar month, 1 to 12.
int currentCalendarMonth();

}  // namespace tellmark::shell
