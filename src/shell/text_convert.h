#pragma once
// The core keeps CP1252 bytes; Qt speaks UTF-16. Every text crosses here.

#include <QString>
#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace tellmark::shell {

inline QString qt(std::string_view cp1252) {
    return QString::fromStdString(platform::cp1252ToUtf8(cp1252));
}

// A report line as it is shown or printed: the ruler byte 0xAD (a soft hyphen, which fonts draw as
// nothing) becomes a visible '-'.
inline QString qtReportLine(std::string_view cp1252) {
    QString line = qt(cp1252);
    line.replace(QChar(0x00AD), QChar('-'));
    return line;
}

inline std::string cp(const QString& text) { return platform::utf8ToCp1252(text.toStdString()); }

}  // namespace tellmark::shell
