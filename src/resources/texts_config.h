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

// The program configuration is there but cannot be opened; "%s" is its path.
inline constexpr std::string_view kConfigLocked =
    cp<"Die Programmkonfiguration '%s'\nist schreibgeschützt oder wird von einem anderen Programm benutzt !\n"
       "Bitte die Schreibrechte für die Datei und ihr Verzeichnis prüfen.">();
inline constexpr std::string_view kConfigDiskFull =
    cp<"Die Programmkonfiguration '%s'\nkann nicht geöffnet werden: der Datenträger ist voll !\n"
       "Bitte Platz auf dem Datenträger schaffen.">();
inline constexpr std::string_view kConfigUnusable =
    cp<"Die Programmkonfiguration '%s'\nkann nicht geöffnet werden; sie ist beschädigt oder keine Datei !\n"
       "Bitte sie umbenennen oder entfernen; beim nächsten Aufruf wird sie neu angelegt.">();

// Screen font dialog.
inline constexpr std::string_view kScreenFontsNextStart =
    cp<"Die geänderten Bildschirmeinstellungen werden erst beim nächsten Programmstart aktiviert !">();

// One key of the program configuration read by the command line.
inline constexpr std::string_view kConfigFileMissing = cp<"Die Programmkonfiguration %s ist nicht vorhanden.">();
inline constexpr std::string_view kConfigKeyMissing = cp<"Der Schlüssel \"%s\" steht nicht unter [TELLMARK] in %s.">();

}  // namespace tellmark::text
