#pragma once
// Captions of the message dialog.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kCaptionError = cp<"FEHLER">();
inline constexpr std::string_view kCaptionInformation = cp<"INFORMATION">();
inline constexpr std::string_view kCaptionWarning = cp<"ACHTUNG">();

}  // namespace tellmark::text
