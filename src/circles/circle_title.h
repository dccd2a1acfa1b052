#pragma once
// Window title of the open booking circle, also the caption of the frame around the booking form.

#include <string>

#include "config/circle_settings.h"

namespace tellmark::circles {

// "Nr: 3 - Muster GmbH - 2009", or for a business year across two calendar years
// "Nr: 3 - Muster GmbH - 07.08-06.09" (first month.first year - last month.second year).
std::string circleTitle(int number, const config::CircleSettings& settings);

}  // namespace tellmark::circles
