#pragma once
// Messages of the file and directory layer.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kBadDrive = cp<"Fehlerhafte Laufwerksangabe !">();
inline constexpr std::string_view kFileRenamed =
    cp<"Folgende Datei mußte umbenannt werden:\nAlt:\t%s\nNeu:\t%s">();
inline constexpr std::string_view kDirectoryBlockedByFile =
    cp<"Folgendes Verzeichnis konnte nicht angelegt werden:\n%s\n"
       "Löschen Sie manuell die schon vorhandene Datei mit gleichem Namen">();
inline constexpr std::string_view kPathNotCorrect =
    cp<"Folgender Pfadname ist nicht korrekt:\n%s\nDas neue Unterverzeichnis konnte nicht angelegt werden !">();
inline constexpr std::string_view kTextFileNotCreated =
    cp<"Die Textdatei konnte nicht geöffnet \nbzw. angelegt werden !">();

}  // namespace tellmark::text
