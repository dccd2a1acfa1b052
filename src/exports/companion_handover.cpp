#include "exports/companion_handover.h"

#include <climits>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "config/file_names.h"
#include "platform/file.h"
#include "platform/process.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_companion.h"
#include "resources/texts_platform.h"

namespace tellmark::exports {

namespace {

constexpr int kFirstTakenYear = 5;
constexpr int kLastTakenYear = 9;

std::string WithSlashes(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The program runs in its own directory, so every path it is given and the program itself are made
// absolute against the directory this program runs in.
std::string Absolute(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    std::string cwd(PATH_MAX, '\0');
    if (::getcwd(cwd.data(), cwd.size()) == nullptr) return path;
    cwd.resize(std::strlen(cwd.c_str()));
    return config::joinPath(cwd, path);
}

// The transfer file as the import directory holds it.
std::string ImportedPath(const config::ProgramConfig& config, const VatHandOver& handOver) {
    return config::joinPath(WithSlashes(config.companionImport), FileNameOf(handOver.transferPath));
}

int Start(const config::ProgramConfig& config, const std::vector<std::string>& args, ui::Messages& messages) {
    const std::string program = Absolute(WithSlashes(config.companionProgram));
    const std::string directory = Absolute(CompanionDirectory(config.companionProgram));
    if (platform::startDetached(program, args, directory)) return 1;
    messages.show(format(text::kCompanionStartFailed, config.companionProgram.c_str()), text::kCaptionError,
                  ui::kIconStop);
    return 0;
}

}  // namespace

VatHandOver VatHandOverOf(const reports::VatReturnOptions& options, const reports::BookingYear& year) {
    VatHandOver handOver;
    handOver.transferPath = reports::VatTransferPath(options, year);
    handOver.transferYear = reports::VatReturnYear(options.fromMonth, year);
    return handOver;
}

bool CompanionTakesYear(int twoDigitYear) { return twoDigitYear >= kFirstTakenYear && twoDigitYear <= kLastTakenYear; }

std::string CompanionDirectory(const std::string& programPath) {
    const std::string path = WithSlashes(programPath);
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

int StartCompanion(const config::ProgramConfig& config, ui::Messages& messages) {
    // Nothing to start: said as the hand-over says it, not left to a silent nothing.
    if (config.companionProgram.empty()) {
        messages.show(text::kCompanionNoProgram, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    return Start(config, {}, messages);
}

int CopyTransferFile(const config::ProgramConfig& config, const VatHandOver& handOver, ui::Messages& messages) {
    if (!CompanionTakesYear(handOver.transferYear)) {
        messages.show(text::kCompanionYearNotSupported, text::kCaptionInformation, ui::kIconInformation);
        return 0;
    }
    // Written beside its name and renamed, so the companion program never picks up half a file.
    std::string bytes;
    if (handOver.transferPath.empty() || !platform::readWholeFile(handOver.transferPath, bytes) ||
        !platform::replaceWholeFile(ImportedPath(config, handOver), bytes)) {
        messages.show(text::kTextFileNotCreated, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    messages.show(format(text::kCompanionCopied, FileNameOf(handOver.transferPath).c_str()),
                  text::kCaptionInformation, ui::kIconInformation);
    return 1;
}

int StartCompanionWithTransfer(const config::ProgramConfig& config, const VatHandOver& handOver,
                               ui::Messages& messages) {
    if (config.companionProgram.empty()) {
        messages.show(text::kCompanionNoProgram, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    std::vector<std::string> args;
    if (CompanionTakesYear(handOver.transferYear) && !handOver.transferPath.empty())
        args.push_back(Absolute(ImportedPath(config, handOver)));
    messages.show(text::kCompanionStarting, text::kCaptionInformation, ui::kIconInformation);
    return Start(config, args, messages);
}

int HandOverVatData(const config::ProgramConfig& config, const VatHandOver& handOver, HandOverChoice choice,
                    ui::Messages& messages) {
    switch (choice) {
    case HandOverChoice::ExportOnly: return CopyTransferFile(config, handOver, messages);
    case HandOverChoice::ExportAndStart: {
        const int copied = CopyTransferFile(config, handOver, messages);
        const int started = StartCompanionWithTransfer(config, handOver, messages);
        return copied == 1 && started == 1 ? 1 : 0;
    }
    case HandOverChoice::None: break;
    }
    return 0;
}

}  // namespace tellmark::exports
