#include "cli/circle_access.h"

#include "cli/arguments.h"
#include "config/file_names.h"
#include "config/old_setup_takeover.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"

namespace tellmark::cli {

int requireCircleNumber(Context& ctx, const std::string& text) {
    auto n = parseInt(text);
    if (!n) throw UsageError("the booking circle number must be a whole number");
    if (*n < 1 || *n > config::kMaxCircles) {
        ctx.messages.show(format(text::kMsgCircleNumberRange, config::kMaxCircles), text::kCaptionError,
                          ui::kIconExclamation);
        return -1;
    }
    return *n;
}

bool CircleAccess::readProgramConfig() {
    ui::NoProgress progress;
    if (!platform::fileExists(std::string(config::kProgramConfigFileName)) &&
        config::createProgramConfigFile({}, ctx_.messages, progress) != 1)
        return false;
    return ini_.readAllSettings() == 1;
}

bool CircleAccess::readCircleSettings(int number, circles::CIniBK& settingsFile) {
    std::string path = config::settingsFileName(dataDirectory(), number);
    if (platform::probeFile(path) != platform::kProbePresent) {
        ctx_.messages.show(text::kMsgCircleOpenFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    settingsFile.setPath(path);
    if (settingsFile.open() != 1) return false;
    settingsFile.readSettings();
    settingsFile.close();
    return true;
}

}  // namespace tellmark::cli
