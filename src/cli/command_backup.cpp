// backup, restore: the files of a booking circle's open year copied to the backup directory, and a
// backup copied back into a circle that nobody has open.

#include <algorithm>

#include "cli/arguments.h"
#include "cli/circle_access.h"
#include "cli/commands.h"
#include "cli/open_circle.h"
#include "config/program_config.h"
#include "resources/format.h"
#include "resources/texts_backup.h"
#include "yearend/backup.h"
#include "yearend/restore.h"

namespace tellmark::cli {

namespace {

// A directory as typed: it is stored under "Sicherung", so it must fit the field and one line.
std::optional<std::string> typedDirectory(Context& ctx, const std::string& typed) {
    std::optional<std::string> directory = fromTerminalChecked(typed, ctx.messages);
    if (directory && (directory->size() > config::kPathChars || directory->find_first_of("\r\n") != std::string::npos))
        throw UsageError("the backup directory must be one line of at most 259 characters");
    return directory;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text;
}

void printOverview(const yearend::BackupOverview& overview) {
    std::size_t width = text::kBackupOverviewColumnName.size() + 2;
    for (const yearend::BackupRow& row : overview)
        if (row.made) width = std::max(width, yearend::backupRowName(row).size());
    printLine(text::kBackupOverviewTitle);
    printLine(text::kBackupOverviewIntro);
    printLine("    " + padded(" " + std::string(text::kBackupOverviewColumnName), width) +
              format("%8s ", std::string(text::kBackupOverviewColumnBytes).c_str()) + " " +
              std::string(text::kBackupOverviewColumnTime));
    for (std::size_t i = 0; i < overview.size(); ++i) {
        const yearend::BackupRow& row = overview[i];
        std::string line = padded(format(text::kBackupOverviewRowNumber, static_cast<int>(i + 1)), 4);
        if (row.made)
            line += padded(yearend::backupRowName(row), width) + yearend::backupRowSize(row) + yearend::backupRowTime(row);
        printLine(line);
    }
    printLine(text::kBackupOverviewLegend);
    printLine(text::kBackupOverviewEmptyStandardHint);
    printLine(text::kBackupOverviewCheckAdvice);
}

}  // namespace

int runBackup(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}});
    args.expectPositionals(0, 1);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    std::string directory = circle.doc.programConfig().backupDirectory;
    if (!args.positionals().empty()) {
        std::optional<std::string> typed = typedDirectory(ctx, args.positional(0, "backup directory"));
        if (!typed) return 1;
        directory = *typed;
    }
    yearend::BackupOverview overview;
    const int result = yearend::backupCircle(circle.doc, directory, overview);
    if (result == yearend::kBackupStopped) return 1;
    printOverview(overview);
    return result == yearend::kBackupComplete ? 0 : 1;
}

int runRestore(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}});
    args.expectPositionals(1, 1);
    const int number = requireCircleNumber(ctx, args.required("-k"));
    if (number < 1) return 1;
    std::optional<std::string> directory = typedDirectory(ctx, args.positional(0, "backup directory"));
    if (!directory) return 1;
    CircleAccess access(ctx);
    if (!access.readProgramConfig()) return 1;
    ui::NoProgress progress;
    return yearend::restoreCircle(access.dataDirectory(), number, *directory, ctx.messages, progress) == 1 ? 0 : 1;
}

}  // namespace tellmark::cli
