#pragma once
// Labels drawn inside the progress bar.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kBarStageStart = cp<"Stufe %i">();    // with 0
inline constexpr std::string_view kBarStage = cp<"Stufe %.0f">();       // with the stage as a double
inline constexpr std::string_view kBarPercent = cp<"%i%%">();

}  // namespace tellmark::text
