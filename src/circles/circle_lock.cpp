#include "circles/circle_lock.h"

#include "circles/circle_settings_file.h"
#include "config/file_names.h"
#include "ui/messages.h"

namespace tellmark::circles {

int CircleLock::hold(const std::string& path) {
    // A second lock of our own would be refused by the first.
    for (const platform::File& file : files_)
        if (file.path() == path) return 1;
    const int probe = platform::probeFile(path);
    if (probe == platform::kProbeMissing) return 1;
    if (probe != platform::kProbePresent) return probe;
    platform::File file;
    if (!file.open(path, platform::Share::DenyWrite)) {
        // Another copy took the file between the probe and the open.
        const int again = platform::probeFile(path);
        return again == platform::kProbePresent ? platform::kProbeOther : again;
    }
    files_.push_back(std::move(file));
    return 1;
}

int CircleLock::add(const std::string& dataDirectory, int number, const CircleSettings& settings) {
    for (const std::string& path : {config::balanceFileName(dataDirectory, settings.chart, settings.year, number),
                                    config::journalFileName(dataDirectory, settings.chart, settings.year, number)}) {
        const int result = hold(path);
        if (result != 1) {
            release();
            return result;
        }
    }
    return 1;
}

int CircleLock::acquire(const std::string& dataDirectory, int number, const CircleSettings& settings) {
    release();
    return add(dataDirectory, number, settings);
}

int probeCircleFiles(const std::string& dataDirectory, int number) {
    ui::SilentMessages silent;
    CIniBK ini(silent);
    ini.setPath(config::settingsFileName(dataDirectory, number));
    if (ini.open() != 1) return 1;
    ini.readSettings();
    ini.close();
    const CircleSettings& s = ini.settings();
    for (const std::string& path : {config::balanceFileName(dataDirectory, s.chart, s.year, number),
                                    config::journalFileName(dataDirectory, s.chart, s.year, number)})
        if (platform::probeFile(path) == platform::kProbeLocked) return platform::kProbeLocked;
    return 1;
}

}  // namespace tellmark::circles
