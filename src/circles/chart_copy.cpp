#include "circles/chart_copy.h"

#include "circles/circle_settings_file.h"
#include "config/file_names.h"
#include "ledger/account_index.h"
#include "ledger/account_record.h"
#include "ledger/salden.h"
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

    // The target is created empty, but a balance file that already holds accounts is kept: copying a
    // chart must never wipe out books.
    std::string targetPath =
        config::balanceFileName(request.dataDirectory, chart, request.targetYear, request.targetNumber);
    platform::File target;
    bool targetReady = false;
    if (platform::probeFile(targetPath) == platform::kProbePresent) {
        targetReady = target.open(targetPath, platform::Share::DenyWrite) && target.length() < static_cast<std::int64_t>(ledger::kAccountRecordSize);
        if (targetReady) targetReady = target.truncate(0);
    } else {
        targetReady = target.create(targetPath);
        if (targetReady) {
            target.close();
            targetReady = target.open(targetPath, platform::Share::DenyWrite);
        }
    }
    if (!targetReady) {
        messages.show(text::kMsgChartCopyTargetUnopenable, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    ledger::CSalden from(messages);
    from.attach(source, 0, 1, chart);
    std::string image;
    // The whole chart is written at once: one write instead of one per account.
    if (!carriedForwardImage(from, chart, request.takeBalances, request.privateExcluded, image) ||
        !target.writeAt(0, image.data(), image.size()) || !target.flush()) {
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
