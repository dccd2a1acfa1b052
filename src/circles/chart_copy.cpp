#include "circles/chart_copy.h"

#include "circles/circle_settings_file.h"
#include "config/file_names.h"
#include "ledger/account_index.h"
#include "ledger/account_record.h"
#include "ledger/salden.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "chart/account_classes.h"
#include "resources/texts_common.h"
#include "resources/texts_yearend.h"

namespace tellmark::circles {

int chartOfCircle(const std::string& dataDirectory, int number, ui::Messages& messages) {
    std::string path = config::settingsFileName(dataDirectory, number);
    if (platform::probeFile(path) != platform::kProbePresent) return 3;
    circles::CIniBK settings(messages);
    settings.setPath(path);
    if (settings.open() != 1) return 3;
    settings.readSettings();
    settings.close();
    return settings.settings().chart == 4 ? 4 : 3;
}

bool carriedForwardImage(ledger::CSalden& from, int chart, bool takeBalances, bool privateExcluded,
                         std::string& image) {
    image.clear();
    const int count = from.count();
    image.reserve(static_cast<std::size_t>(count) * ledger::kAccountRecordSize);
    for (int r = 0; r < count; ++r) {
        // An account that cannot be read would be missing from the new year without a word.
        if (from.read(r) < 0) return false;
        double opening = 0.0;
        if (takeBalances && chart::IsCarriedForward(from.numberValue(), privateExcluded, chart)) opening = from.balance();
        ledger::AccountRecord record;
        if (!ledger::AccountRecord::makeNew(from.numberText(), from.name(), opening, record)) return false;
        image.append(record.bytes());
    }
    return true;
}

int copyChartOfAccounts(const ChartCopyRequest& request, ui::Messages& messages, ui::Progress& progress) {
    int chart = chartOfCircle(request.dataDirectory, request.sourceNumber, messages);
    if (request.targetNumber != request.sourceNumber &&
        chartOfCircle(request.dataDirectory, request.targetNumber, messages) != chart) {
        messages.show(text::kMsgChartCopyDifferentCharts, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    std::string sourcePath =
        config::balanceFileName(request.dataDirectory, chart, request.sourceYear, request.sourceNumber);
    platform::File source;
    if (!source.openForReading(sourcePath)) {
        messages.show(text::kMsgChartCopySourceUnreadable, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    // A balance file that already holds accounts is kept: copying a chart must never wipe out books. An
    // empty or torn one left by an earlier attempt is replaced.
    std::string targetPath =
        config::balanceFileName(request.dataDirectory, chart, request.targetYear, request.targetNumber);
    const int probe = platform::probeFile(targetPath);
    bool targetFree = probe == platform::kProbeMissing;
    if (probe == platform::kProbePresent) {
        platform::File existing;
        targetFree = existing.openForReading(targetPath) &&
                     existing.length() < static_cast<std::int64_t>(ledger::kAccountRecordSize);
    }
    ledger::CSalden from(messages);
    from.attach(source, 0, 1, chart);
    std::string image;
    if (!targetFree || !carriedForwardImage(from, chart, request.takeBalances, request.privateExcluded, image)) {
        messages.show(text::kMsgChartCopyTargetUnopenable, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    // Written whole beside its place and renamed in: a crash leaves no half chart under the real name.
    const std::string beside = platform::replacementName(targetPath);
    platform::File target;
    bool written = target.create(beside) && target.writeAt(0, image.data(), image.size()) && target.flush();
    target.close();
    written = written && platform::replaceFile(beside, targetPath) &&
              target.open(targetPath, platform::Share::DenyWrite);
    if (!written) {
        platform::removeFile(beside);
        messages.show(text::kMsgChartCopyTargetUnopenable, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    ledger::CSIndex index(messages, progress);
    index.attach(config::balanceIndexFileName(request.dataDirectory, chart, request.targetYear, request.targetNumber),
                 target);
    int built = index.rebuild();
    index.close();
    return built == 1 ? 1 : 0;
}

}  // namespace tellmark::circles
