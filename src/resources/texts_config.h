#pragma once
// Texts of the settings files and the program configuration.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Settings-file class; "%s" is the file path.
inline constexpr std::string_view kIniCommentLine =
    cp<"; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n">();
inline constexpr std::string_view kIniCannotCreate = cp<"Konnte Datei '%s' nicht anlegen !">();
inline constexpr std::string_view kIniCannotOpen = cp<"Allgemeiner Fehler: \r\nKonnte Datei '%s' nicht öffnen !">();
inline constexpr std::string_view kIniCannotRead = cp<"Konnte aus Datei '%s' nicht lesen !">();
inline constexpr std::string_view kIniReadIncomplete = cp<"Datei '%s' konnte nicht vollständig gelesen werden !">();
inline constexpr std::string_view kIniReadNotOpen =
    cp<"Konnte aus Datei '%s' nicht lesen!\r\nDatei ist nicht geöffnet !">();
inline constexpr std::string_view kIniCannotWrite = cp<"Konnte in Datei '%s' nicht schreiben !">();
inline constexpr std::string_view kIniWriteNotOpen =
    cp<"Konnte in Datei '%s' nicht schreiben!\r\nDatei ist nicht geöffnet !">();

// Screen font dialog.
inline constexpr std::string_view kScreenFontsNextStart =
    cp<"Die geänderten Bildschirmeinstellungen werden erst beim nächsten Programmstart aktiviert !">();

}  // namespace tellmark::text
