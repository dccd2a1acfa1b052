#include "circles/circle_list.h"

#include "circles/circle_settings_file.h"
#include "config/file_names.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_circles.h"

namespace tellmark::circles {

std::vector<CircleEntry> listCircles(const std::string& dataDirectory, int maxNumber, ui::Messages& messages) {
    std::vector<CircleEntry> circles;
    for (int number = 1; number <= maxNumber; ++number) {
        const std::string path = config::settingsFileName(dataDirectory, number);
        if (platform::probeFile(path) != platform::kProbePresent) continue;
        CIniBK ini(messages);
        ini.setPath(path);
        if (ini.open() != 1) continue;
        ini.readSettings();
        ini.close();
        circles.push_back({number, ini.settings().name});
    }
    return circles;
}

std::string overviewLine(const CircleEntry& entry) {
    return format(text::kFormatCircleOverviewLine, entry.number, entry.name.c_str());
}

}  // namespace tellmark::circles
