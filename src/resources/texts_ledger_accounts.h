#pragma once
// Texts of the balance file and the account index.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Balance file.
inline constexpr std::string_view kSaldenWriteFailed = cp<"Konto konnte nicht in Saldendatei gespeichert werden !">();

// Names of the two standard VAT accounts the balance file always starts with.
inline constexpr std::string_view kSaldenInputVatName = cp<"VORSTEUER">();
inline constexpr std::string_view kSaldenOutputVatName = cp<"MEHRWERTSTEUER">();

// Account index.
inline constexpr std::string_view kAccountIndexReadError = cp<"Allgemeiner Fehler beim Lesen des Salden-Index !">();
inline constexpr std::string_view kAccountIndexHeaderReadError = cp<"Fehler beim Lesen des Index-Headers !">();
inline constexpr std::string_view kAccountIndexMemoryBeforeRead = cp<"Speicherfehler vor Lesen des Indexes !">();
inline constexpr std::string_view kAccountIndexCreateFailed = cp<"Salden-Indexdatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kAccountIndexWriteFailed =
    cp<"In Salden-Indexdatei konnte nicht\nfehlerfrei geschrieben werden !">();
inline constexpr std::string_view kAccountIndexNoMemory = cp<"Nicht genügend Speicher um Index zu erstellen !">();
// Shown by whoever opens the booking circle when the account index is not ready.
inline constexpr std::string_view kAccountIndexProblems = cp<"Probleme mit Salden-Index !">();

// Progress window while the account index is built from the balance file.
inline constexpr std::string_view kAccountIndexProgressCaption = cp<"Index zu den Konten">();
inline constexpr std::string_view kAccountIndexProgressLine = cp<"Der Index für die Konten wird aktualisiert.">();
inline constexpr std::string_view kAccountIndexProgressLabel = cp<"Konten...">();

}  // namespace tellmark::text
