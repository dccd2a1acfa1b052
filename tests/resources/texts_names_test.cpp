// Every text of the string table in one translation unit: two texts under one name would be a compile
// error here, where in separate units the linker silently keeps one of them for both.

#include <gtest/gtest.h>

#include "resources/texts_account_classes.h"
#include "resources/texts_accounts.h"
#include "resources/texts_backup.h"
#include "resources/texts_checks.h"
#include "resources/texts_circles.h"
#include "resources/texts_circles_templates.h"
#include "resources/texts_common.h"
#include "resources/texts_config.h"
#include "resources/texts_conversion.h"
#include "resources/texts_document.h"
#include "resources/texts_entry.h"
#include "resources/texts_files.h"
#include "resources/texts_import.h"
#include "resources/texts_input.h"
#include "resources/texts_ledger_accounts.h"
#include "resources/texts_ledger_journal.h"
#include "resources/texts_platform.h"
#include "resources/texts_posting.h"
#include "resources/texts_progress.h"
#include "resources/texts_reorganisation.h"
#include "resources/texts_reports_journal.h"
#include "resources/texts_reports_lists.h"
#include "resources/texts_reports_output.h"
#include "resources/texts_reports_sheets.h"
#include "resources/texts_reports_statements.h"
#include "resources/texts_reports_vat.h"
#include "resources/texts_safety.h"
#include "resources/texts_setup_takeover.h"
#include "resources/texts_shell.h"
#include "resources/texts_shell_journal_reports.h"
#include "resources/texts_shell_journal_tools.h"
#include "resources/texts_shell_reports.h"
#include "resources/texts_standard_bookings.h"
#include "resources/texts_yearend.h"

namespace tellmark {
namespace {

TEST(TextNames, ReportAndPickListKeepTheirOwnTexts) {
    EXPECT_EQ(text::kChartListTitle, "KONTENPLAN");
    EXPECT_EQ(text::kChartPickListTitle, "Kontenplan");
    EXPECT_EQ(text::kChartListLine, "%5s %25s   %5s %25s");
    EXPECT_EQ(text::kChartPickListLine, "  %5s    %25s");
}

}  // namespace
}  // namespace tellmark
