#pragma once
// All booking circles of a data directory: every number whose settings file is present.

#include <string>
#include <vector>

#include "ui/messages.h"

namespace tellmark::circles {

struct CircleEntry {
    int number = 0;
    std::string name;
};

// Tries the numbers 1..maxNumber in order.
std::vector<CircleEntry> listCircles(const std::string& dataDirectory, int maxNumber, ui::Messages& messages);

// "  %03i   %-60s": number and name, one line of the overview.
std::string overviewLine(const CircleEntry& entry);

}  // namespace tellmark::circles
