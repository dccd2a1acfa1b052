#include "posting/torn_tail.h"

#include <string>

#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

bool setAsideTornTail(platform::File& file, std::size_t recordSize, ui::Messages& messages) {
    const std::int64_t length = file.length();
    if (length < 0) return false;
    const std::int64_t whole = length - length % static_cast<std::int64_t>(recordSize);
    if (whole == length) return true;
    const std::string restPath = file.path() + ".rest";
    auto refuse = [&] {
        messages.show(format(text::kTornTailNotSetAside, file.path().c_str()), text::kCaptionError, ui::kIconStop);
        return false;
    };
    std::string tail(static_cast<std::size_t>(length - whole), '\0');
    if (!file.readExact(whole, tail.data(), tail.size())) return refuse();
    // Kept first, then cut: a crash in between leaves the bytes in both places, and the next run finds
    // them already kept instead of keeping them twice.
    std::string kept;
    if (platform::probeFile(restPath) != platform::kProbeMissing && !platform::readWholeFile(restPath, kept))
        return refuse();
    if (!kept.ends_with(tail) && !platform::replaceWholeFile(restPath, kept + tail)) return refuse();
    if (!file.truncate(whole) || !file.flush()) return refuse();
    messages.show(format(text::kTornTailSetAside, file.path().c_str(), static_cast<int>(tail.size()), restPath.c_str()),
                  text::kCaptionInformation, ui::kIconInformation);
    return true;
}

}  // namespace tellmark::posting
