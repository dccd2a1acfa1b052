#include "shell/window_size.h"

#include <algorithm>
#include <string>

#include "config/program_config.h"
#include "platform/file.h"

namespace tellmark::shell {

namespace {
constexpr int kCellsWide = 112;
constexpr int kExtraWidth = 64;
constexpr int kCellsHigh = 30;
constexpr int kExtraHeight = 48;
constexpr int kTaskBarAllowance = 24;
constexpr int kTaskBarDesktopMinimum = 510;
constexpr int kSnapWidth = 640;
constexpr int kSnapHeight = 480;
constexpr int kSnapBelowWidth = 632;
constexpr int kSnapBelowHeight = 432;
constexpr std::string_view kDefaultCell = "25,08";
}  // namespace

WindowPlacement mainWindowPlacement(const config::ScreenCell& cell, int desktopWidth, int desktopHeight) {
    WindowPlacement p;
    p.width = std::min(cell.width * kCellsWide + kExtraWidth, desktopWidth);
    int height = cell.height * kCellsHigh + kExtraHeight;
    bool lowered = false;
    if (height > desktopHeight) {
        height = desktopHeight;
        lowered = desktopHeight > kTaskBarDesktopMinimum;
    }
    p.x = (desktopWidth - p.width) / 2;
    p.y = (desktopHeight - height) / 2;
    p.height = lowered ? height - kTaskBarAllowance : height;
    return p;
}

bool snapToSmallestSize(int& width, int& height) {
    if (width >= kSnapBelowWidth && height >= kSnapBelowHeight) return false;
    width = kSnapWidth;
    height = kSnapHeight;
    return true;
}

config::ScreenCell startScreenCell(ui::Messages& messages) {
    if (platform::probeFile(std::string(config::kProgramConfigFileName)) == platform::kProbeMissing)
        return config::parseScreenCell(kDefaultCell);
    config::CIniSB ini(messages);
    ini.upgrade();
    std::string value;
    if (ini.open() == 1) {
        ini.get(config::kProgramConfigSection, config::kKeyScreenCell, value);
        ini.close();
    }
    return config::parseScreenCell(value.size() < kDefaultCell.size() ? kDefaultCell : std::string_view(value));
}

}  // namespace tellmark::shell
