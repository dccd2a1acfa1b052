// import: the bookings of an import file posted into the booking circle's year. With nobody to ask, a
// faulty line stops the run before anything is posted, unless --skip-faulty leaves the faulty lines out.

#include "cli/command_import.h"

#include <cstdio>

#include "cli/arguments.h"
#include "cli/open_circle.h"
#include "platform/codepage.h"
#include "resources/format.h"
#include "resources/texts_import.h"
#include "yearend/booking_import.h"

namespace tellmark::cli {

namespace {

void listLines(const std::vector<yearend::ImportFault>& lines, const char* what) {
    for (const yearend::ImportFault& fault : lines)
        std::fprintf(stderr, "tellmark-cli: line %li%s: %s\n", fault.line, what,
                     platform::cp1252ToUtf8(fault.reason).c_str());
}

// The closing dialog's status: the file and the number of bookings posted.
void printStatus(const std::string& path, long posted) {
    printRaw(platform::cp1252ToUtf8(text::kImportCloseFileName) + " " + path + "\n");
    printLine(std::string(text::kImportCloseCount) + " " +
              format(text::kImportCloseCountFormat, static_cast<double>(posted)));
}

}  // namespace

int runImport(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--delete-file", false}, {"--skip-faulty", false}});
    args.expectPositionals(1, 1);
    const std::string name = args.positional(0, "import file");
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    const std::string path = yearend::importFilePath(circle.doc.programConfig(), name);

    ui::NoDecisions nobody;
    const yearend::FaultHandling handling =
        args.has("--skip-faulty") ? yearend::FaultHandling::Skip : yearend::FaultHandling::Ask;
    const yearend::ImportResult result = yearend::importBookings(circle.doc, path, nobody, handling);
    switch (result.end) {
    case yearend::ImportEnd::Refused: return 1;
    case yearend::ImportEnd::Stopped:
        listLines(result.faults, "");
        std::fprintf(stderr,
                     "tellmark-cli: nothing was posted: correct %s, or pass --skip-faulty to post the other lines\n",
                     result.faults.size() == 1 ? "this line" : "these lines");
        return 1;
    case yearend::ImportEnd::Failed:
    case yearend::ImportEnd::Cancelled:
        printStatus(path, result.posted);
        std::fputs("tellmark-cli: the import ended early; the bookings counted above are posted\n", stderr);
        return 1;
    case yearend::ImportEnd::Done: break;
    }
    listLines(result.skipped, " skipped");
    printStatus(path, result.posted);
    if (!args.has("--delete-file")) return 0;
    if (!result.skipped.empty()) {
        // The skipped lines exist nowhere else.
        std::fprintf(stderr, "tellmark-cli: the import file is kept: %zu line%s not posted\n", result.skipped.size(),
                     result.skipped.size() == 1 ? " was" : "s were");
        return 0;
    }
    return yearend::deleteImportFile(path, ctx.messages) ? 0 : 1;
}

}  // namespace tellmark::cli
