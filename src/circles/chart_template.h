#pragma once
// Chart-of-accounts templates: the common accounts of chart 03 or 04 that a new booking circle can start
// with instead of the two VAT accounts alone. The program ships them as progdata/skr03.txt and
// progdata/skr04.txt.
//
// A template is CP1252 text, one entry per line (LF or CR LF):
//   ; ...                  a comment; comment lines and blank lines are skipped
//   KONTENRAHMEN 03        the first other line: the chart the template is made for ("03" or "04")
//   NNNNN Name             one account: the number (1 to 29999, leading zeros allowed), one blank and the
//   NNNNN Name|R           name (1 to 25 characters; trailing blanks are dropped); "|R" gives the VAT
//                          preset R (0 to 99.99, '.' or ',' as decimal point), written as " R%" into the
//                          end of the 25-character name as the account maintenance writes it
// Account numbers ascend strictly. Every account must belong to the chart (an account kind other than
// 1), a preset is allowed only where the account maintenance allows one and must not cover the name, and
// the discount accounts take their fixed names. A template that breaks any rule is refused as a whole.

#include <string>
#include <string_view>
#include <vector>

#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "ui/messages.h"

namespace tellmark::circles {

struct TemplateAccount {
    int number = 0;
    std::string name;  // 25 characters, as the balance file holds it (preset included)
};

enum class TemplateStatus {
    Sound,
    Damaged,     // faultLine names the first line that is wrong
    OtherChart,  // made for the other chart
};

struct ChartTemplate {
    TemplateStatus status = TemplateStatus::Damaged;
    int faultLine = 0;  // 1-based; for a template without accounts the line after the last
    std::vector<TemplateAccount> accounts;
};

// "skr03" gives 3, "skr04" gives 4 (in any case); 0 for any other text.
int chartOfTemplateName(std::string_view name);
// "skr03.txt" for chart 3, "skr04.txt" for any other chart.
std::string chartTemplateFileName(int chart);

// The directories searched for a template, in this order: progdata below the start directory ("progdata"
// for an empty start directory, which is the current one); then progdata in the directory of the running
// program and in each of its parents up to three levels up, so that a program started from an installed
// or a build directory finds the progdata of its installation or of its source tree, and <prefix>/share/
// tellmark beside the <prefix>/bin of an installed program. Each directory is listed once.
std::vector<std::string> chartTemplateSearchDirectories(const std::string& startDirectory);
// The template of the chart in the first directory that holds one. When none does, the path in the first
// directory, so that the message about the missing file names the place where it is expected.
std::string chartTemplatePath(int chart, const std::vector<std::string>& searchDirectories);

// Parses the text of a template for chart 3 or 4 (any chart but 4 counts as 03).
ChartTemplate parseChartTemplate(std::string_view text, int chart);

// Reads and parses a template. 1 sound; 0 after a message: "Die Kontenrahmen-Vorlage ... konnte nicht
// gelesen werden" or "... ist in Zeile %i fehlerhaft" (caption "FEHLER"), or for a template of the other
// chart "Der gewählte Buchungskreis hat einen \nanderen Kontenrahmen." (caption "INFORMATION").
int readChartTemplate(const std::string& templatePath, int chart, ChartTemplate& out, ui::Messages& messages);

// Appends every account of a sound template that the balance file does not hold yet, with opening
// balance 0.00, and rebuilds the account index once at the end when anything was added. Accounts already
// there (the two standard VAT accounts, or everything after an earlier run) stay as they are. 1 done; 0
// after a failed write, with the index rebuilt over what was written.
int appendTemplateAccounts(const ChartTemplate& chartTemplate, ledger::CSalden& cursor, ledger::CSIndex& index,
                           ui::Messages& messages);

// readChartTemplate, then appendTemplateAccounts. Nothing is changed unless the whole template is sound.
int applyChartTemplate(const std::string& templatePath, ledger::CSalden& cursor, ledger::CSIndex& index, int chart,
                       ui::Messages& messages);

}  // namespace tellmark::circles
