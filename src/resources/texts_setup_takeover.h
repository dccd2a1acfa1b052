#pragma once
// Take-over of the setup files of the earlier DOS generation into tellmark.ini.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kProgressSetupTakeOverCaption = cp<"Stammdatenkonvertierung">();
inline constexpr std::string_view kProgressSetupTakeOverText =
    cp<"Stammdaten und Programmkonfiguration wird konvertiert">();
inline constexpr std::string_view kMsgSetupTakeOverNoOldFile = cp<"Konnte keine alte Initialisierungsdatei gefunden !">();
inline constexpr std::string_view kMsgSetupTakeOverKwsetupUnopenable =
    cp<"Konnte alte Initialisierungsdatei KWSETUP.INI nicht öffnen !">();
inline constexpr std::string_view kMsgSetupTakeOverInstallUnopenable =
    cp<"Konnte alte Installationsdatei install.buc nicht öffnen !">();
// A value the new program would not accept in its dialog keeps the default; the user is told which.
inline constexpr std::string_view kMsgSetupTakeOverValueRejected =
    cp<"Der Wert '%s' für '%s' aus der alten Initialisierungsdatei ist ungültig\n"
       "und wurde nicht übernommen !">();

}  // namespace tellmark::text
