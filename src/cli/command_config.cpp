// init, config get, config set: the program configuration "tellmark.ini" in the start directory.

#include "cli/arguments.h"
#include "cli/commands.h"
#include "config/old_setup_takeover.h"
#include "config/program_config.h"
#include "config/program_config_dialogs.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_config.h"

namespace tellmark::cli {

int runInit(Context& ctx, const Words& words) {
    Arguments args(words, {});
    args.expectPositionals(0, 0);
    config::CIniSB ini(ctx.messages);
    if (platform::probeFile(std::string(config::kProgramConfigFileName)) == platform::kProbePresent) {
        // An existing configuration is kept and brought up to date, as at every start of the program.
        return ini.upgrade() == 1 ? 0 : 1;
    }
    // Made from the setup files of the earlier DOS generation when they are there.
    ui::NoProgress progress;
    return config::createProgramConfigFile({}, ctx.messages, progress) == 1 ? 0 : 1;
}

int runConfig(Context& ctx, const Words& words) {
    Arguments args(words, {});
    const std::string& action = args.positional(0, "config action (get or set)");
    config::CIniSB ini(ctx.messages);
    ini.setPath(std::string(config::kProgramConfigFileName));
    if (action == "get") {
        args.expectPositionals(2, 2);
        std::string key = fromTerminal(args.positional(1, "key"));
        if (platform::probeFile(ini.path()) == platform::kProbeMissing) {
            ctx.messages.show(format(text::kConfigFileMissing, ini.path().c_str()), text::kCaptionError, ui::kIconStop);
            return 1;
        }
        if (ini.open() != 1) return 1;
        std::string value;
        int found = ini.get(config::kProgramConfigSection, key, value);
        ini.close();
        if (!found) {
            ctx.messages.show(format(text::kConfigKeyMissing, key.c_str(), ini.path().c_str()), text::kCaptionError,
                              ui::kIconStop);
            return 1;
        }
        printLine(value);
        return 0;
    }
    if (action == "set") {
        args.expectPositionals(3, 3);
        std::string key = fromTerminal(args.positional(1, "key"));
        std::string value = fromTerminal(args.positional(2, "value"));
        if (key.empty() || key.find_first_of("=\r\n") != std::string::npos ||
            value.find_first_of("\r\n") != std::string::npos)
            throw UsageError("a key may not be empty or hold '=' or a line break; a value may not hold a line break");
        // The page settings have the limits of their dialog: reports lay out their pages from them.
        if (const config::PageSettingLimits* limits = config::pageSettingLimits(key))
            if (!config::pageSettingTextHolds(*limits, value, ctx.messages)) return 1;
        if (ini.open() != 1) return 1;
        ini.set(config::kProgramConfigSection, key, value);
        int saved = ini.save();
        ini.close();
        return saved == 1 ? 0 : 1;
    }
    throw UsageError("config action must be get or set");
}

}  // namespace tellmark::cli
