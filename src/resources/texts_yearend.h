#pragma once
// Booking year change, chart copy and carry-forward.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kMsgChartCopyDifferentCharts = cp<
    "Die Übernahme des Kontenplans ist nicht möglich, da in den/n Buchungskreisen verschiedene "
    "Kontenrahmen (KR03 / KR04)/n eingerichtet sind.">();
inline constexpr std::string_view kMsgChartCopySourceUnreadable =
    cp<"Der angegebene Kontenplan kann nicht gelesen werden.\nDie Datei ist nicht vorhanden oder schon geöffnet.">();
inline constexpr std::string_view kMsgChartCopyTargetUnopenable = cp<
    "Die Datei für den neuen Kontenplan kann nicht geöffnet werden.\n Eventuell ist sie schon geöffnet oder es "
    "besteht ein Schreibschutz!">();

}  // namespace tellmark::text
