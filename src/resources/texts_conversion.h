#pragma once
// Conversion of the data files of the earlier DOS generation.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kMsgConvertNoNewBalance = cp<"Konnte keine neue Saldendatei anlegen !">();
inline constexpr std::string_view kMsgConvertOldBalanceUnopenable = cp<"Konnte alte Saldendatei nicht öffnen !">();
inline constexpr std::string_view kMsgConvertNoNewJournal = cp<"Konnte keine neue Journaldatei anlegen !">();
inline constexpr std::string_view kMsgConvertOldJournalUnopenable = cp<"Konnte alte Journaldatei nicht öffnen !">();
inline constexpr std::string_view kMsgConvertNoNewStandard = cp<"Konnte keine neue Standardbuchungsdatei anlegen !">();
inline constexpr std::string_view kMsgConvertOldStandardUnopenable =
    cp<"Konnte alte Standardbuchungsdatei nicht öffnen !">();
inline constexpr std::string_view kMsgConvertOldIndexNotDeleted = cp<"Alte Index-Datei konnte nicht gelöscht werden !">();
// A damaged old file: nothing is converted, so that no half of the books reaches the new files.
inline constexpr std::string_view kMsgConvertOldFileDamaged =
    cp<"Die alte Datei\n%s\nist beschädigt (unbekanntes Format oder falsche Satzlänge).\n"
       "Es wurde nichts konvertiert !">();

inline constexpr std::string_view kProgressConvertBalanceCaption = cp<"Saldendatei">();
inline constexpr std::string_view kProgressConvertBalanceText = cp<"Die Saldendatei wird konvertiert">();
inline constexpr std::string_view kProgressConvertJournalCaption = cp<"Journaldatei">();
inline constexpr std::string_view kProgressConvertJournalText = cp<"Die Journaldatei wird konvertiert">();
inline constexpr std::string_view kProgressConvertStandardCaption = cp<"Standardbuchungsdatei">();
inline constexpr std::string_view kProgressConvertStandardText = cp<"Die Standardbuchungen werden konvertiert">();
inline constexpr std::string_view kProgressConvertLabel = cp<"Konvertierung...">();

}  // namespace tellmark::text
