#pragma once
// Holds a booking circle's balance file and journal with writing denied to others, as an open circle
// holds them, so that no other copy of the program opens the circle while its settings are rewritten.
// A circle that another copy has open cannot be held: its settings stay as they are.

#include <string>
#include <vector>

#include "config/circle_settings.h"
#include "platform/file.h"

namespace tellmark::circles {

class CircleLock {
public:
    // 1 when held (files of the year that do not exist yet are left alone); the probe code 4 when another
    // copy has the circle open or its files are write-protected; 0 for any other failure. Nothing is held
    // unless the result is 1.
    int acquire(const std::string& dataDirectory, int number, const config::CircleSettings& settings);
    // Adds the files of another year or chart (the circle's settings after a change); on a failure
    // nothing stays held.
    int add(const std::string& dataDirectory, int number, const config::CircleSettings& settings);
    void release() { files_.clear(); }

private:
    int hold(const std::string& path);

    std::vector<platform::File> files_;
};

// Whether another copy has the circle open now, from the settings file's year and chart: the probe code 4
// when it has (or the files are write-protected), 1 otherwise.
int probeCircleFiles(const std::string& dataDirectory, int number);

}  // namespace tellmark::circles
