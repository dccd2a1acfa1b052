#pragma once
// Chart-of-accounts templates: the file names in progdata/, the line that names the chart, and the
// messages of reading a template.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Names of the templates as typed ("skr03", "skr04") and their files in progdata/.
inline constexpr std::string_view kChartTemplateName03 = cp<"skr03">();
inline constexpr std::string_view kChartTemplateName04 = cp<"skr04">();
inline constexpr std::string_view kChartTemplateFile03 = cp<"skr03.txt">();
inline constexpr std::string_view kChartTemplateFile04 = cp<"skr04.txt">();
// First line of a template that is not a comment: the chart it is made for.
inline constexpr std::string_view kChartTemplateHeader03 = cp<"KONTENRAHMEN 03">();
inline constexpr std::string_view kChartTemplateHeader04 = cp<"KONTENRAHMEN 04">();

// %s: the path of the template.
inline constexpr std::string_view kMsgChartTemplateMissing =
    cp<"Die Kontenrahmen-Vorlage\n%s\nkonnte nicht gelesen werden;\nes wurden keine Konten angelegt.">();
// %s: the path, %i: the line that is wrong.
inline constexpr std::string_view kMsgChartTemplateDamaged =
    cp<"Die Kontenrahmen-Vorlage\n%s\nist in Zeile %i fehlerhaft;\nes wurden keine Konten angelegt.">();

}  // namespace tellmark::text
