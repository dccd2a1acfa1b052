#include "shell/command_table.h"

#include <map>

#include "resources/texts_backup.h"
#include "resources/texts_shell.h"
#include "shell/command_ids.h"

namespace tellmark::shell {

using namespace text;

const std::vector<MenuDefinition>& documentMenus() {
    static const std::vector<MenuDefinition> menus = {
        {kMenuFile,
         {{cmd::kOpenCircle, kItemOpenCircle},
          {cmd::kSwitchCircle, kItemSwitchCircle},
          {cmd::kCircleOverview, kItemCircleOverview},
          {0, {}},
          {cmd::kBackup, kItemBackup},
          {cmd::kRestore, kRestoreCommand},
          {cmd::kImport, kItemImport},
          {cmd::kExportGdpdu, kItemExportGdpdu},
          {cmd::kExportDatev, kItemExportDatev},
          {0, {}},
          {cmd::kCloseCircle, kItemCloseCircle},
          {cmd::kExit, kItemExit}}},
        {kMenuBookings,
         {{cmd::kJournal, kItemJournal},
          {cmd::kJournalSort, kItemJournalSort},
          {cmd::kCashBook, kItemCashBook},
          {cmd::kVatReturn, kItemVatReturn},
          {0, {}},
          {cmd::kSearchForward, kItemSearchForward},
          {cmd::kSearchBackward, kItemSearchBackward}}},
        {kMenuStandardBookings,
         {{cmd::kStandardEdit, kItemStandardEdit},
          {cmd::kStandardPrint, kItemStandardPrint},
          {0, {}},
          {cmd::kStandardMark, kItemStandardMark},
          {cmd::kStandardPostMarked, kItemStandardPostMarked},
          {cmd::kStandardPostChoice, kItemStandardPostChoice},
          {cmd::kStandardPostNumber, kItemStandardPostNumber}}},
        {kMenuAccounts,
         {{cmd::kAccounts, kItemAccounts},
          {cmd::kChartList, kItemChartList},
          {0, {}},
          {cmd::kAccountSheets, kItemAccountSheets},
          {cmd::kCollectiveAccounts, kItemCollectiveAccounts}}},
        {kMenuBalances,
         {{cmd::kTrialBalance, kItemTrialBalance},
          {cmd::kResultStatement, kItemResultStatement},
          {cmd::kBalanceSheet, kItemBalanceSheet},
          {cmd::kBalanceList, kItemBalanceList},
          {cmd::kMonthEvaluation, kItemMonthEvaluation},
          {cmd::kAccountHistories, kItemAccountHistories}}},
        {kMenuOther,
         {{cmd::kYearChange, kItemYearChange},
          {cmd::kCarryForward, kItemCarryForward},
          {cmd::kDeleteYears, kItemDeleteYears},
          {0, {}},
          {cmd::kReorganisation, kItemReorganisation},
          {cmd::kReindex, kItemReindex},
          {0, {}},
          {cmd::kCompanionOnline, kItemCompanionOnline},
          {cmd::kOptionalPrograms, kItemOptionalPrograms}}},
        {kMenuSettings,
         {{cmd::kProgramManagement, kItemProgramManagement},
          {cmd::kPageSettings, kItemPageSettings},
          {cmd::kScreenFonts, kItemScreenFonts},
          {cmd::kPrintFonts, kItemPrintFonts},
          {0, {}},
          {cmd::kCircleAdministration, kItemCircleAdministration},
          {cmd::kStandardTexts, kItemStandardTexts},
          {cmd::kVatPresets, kItemVatPresets},
          {cmd::kBookingTechnique, kItemBookingTechnique}}},
        {kMenuView, {{cmd::kViewToolBar, kItemToolBar}, {cmd::kViewStatusBar, kItemStatusBar}}},
        {kMenuHelp,
         {{cmd::kHelpIndex, kItemHelpIndex}, {cmd::kHelpUsing, kItemHelpUsing}, {0, {}}, {cmd::kAbout, kItemAbout}}},
    };
    return menus;
}

const std::vector<MenuDefinition>& emptyMenus() {
    static const std::vector<MenuDefinition> menus = {
        {kMenuFile, {{cmd::kNewDocument, kItemOpenCircle}, {0, {}}, {cmd::kExit, kItemExit}}},
        {kMenuView, {{cmd::kViewToolBar, kItemToolBar}, {cmd::kViewStatusBar, kItemStatusBar}}},
        {kMenuHelp,
         {{cmd::kHelpIndex, kItemHelpIndex}, {cmd::kHelpUsing, kItemHelpUsing}, {0, {}}, {cmd::kAbout, kItemAbout}}},
    };
    return menus;
}

const std::vector<int>& toolBarCommands() {
    static const std::vector<int> commands = {cmd::kSwitchCircle, cmd::kCircleOverview, 0, cmd::kBackup, 0,
                                              cmd::kSearchForward, cmd::kSearchBackward, 0, cmd::kAbout,
                                              cmd::kHelpFile};
    return commands;
}

std::string_view commandPrompt(int id) {
    static const std::map<int, std::string_view> prompts = {
        {cmd::kNewDocument, kPromptOpenCircle},
        {cmd::kOpenCircle, kPromptOpenCircle},
        {cmd::kSwitchCircle, kPromptSwitchCircle},
        {cmd::kCircleOverview, kPromptCircleOverview},
        {cmd::kBackup, kPromptBackup},
        {cmd::kRestore, kPromptRestore},
        {cmd::kImport, kPromptImport},
        {cmd::kExportGdpdu, kPromptExportGdpdu},
        {cmd::kExportDatev, kPromptExportDatev},
        {cmd::kCloseCircle, kPromptCloseCircle},
        {cmd::kExit, kPromptExit},
        {cmd::kJournal, kPromptJournal},
        {cmd::kJournalSort, kPromptJournalSort},
        {cmd::kCashBook, kPromptCashBook},
        {cmd::kVatReturn, kPromptVatReturn},
        {cmd::kSearchForward, kPromptSearchForward},
        {cmd::kSearchBackward, kPromptSearchBackward},
        {cmd::kStandardEdit, kPromptStandardEdit},
        {cmd::kStandardPrint, kPromptStandardPrint},
        {cmd::kStandardMark, kPromptStandardMark},
        {cmd::kStandardPostMarked, kPromptStandardPostMarked},
        {cmd::kStandardPostChoice, kPromptStandardPostChoice},
        {cmd::kStandardPostNumber, kPromptStandardPostNumber},
        {cmd::kAccounts, kPromptAccounts},
        {cmd::kChartList, kPromptChartList},
        {cmd::kAccountSheets, kPromptAccountSheets},
        {cmd::kCollectiveAccounts, kPromptCollectiveAccounts},
        {cmd::kTrialBalance, kPromptTrialBalance},
        {cmd::kResultStatement, kPromptResultStatement},
        {cmd::kBalanceSheet, kPromptBalanceSheet},
        {cmd::kBalanceList, kPromptBalanceList},
        {cmd::kMonthEvaluation, kPromptMonthEvaluation},
        {cmd::kAccountHistories, kPromptAccountHistories},
        {cmd::kYearChange, kPromptYearChange},
        {cmd::kCarryForward, kPromptCarryForward},
        {cmd::kDeleteYears, kPromptDeleteYears},
        {cmd::kReorganisation, kPromptReorganisation},
        {cmd::kReindex, kPromptReindex},
        {cmd::kCompanionOnline, kPromptCompanionOnline},
        {cmd::kOptionalPrograms, kPromptOptionalPrograms},
        {cmd::kProgramManagement, kPromptProgramManagement},
        {cmd::kPageSettings, kPromptPageSettings},
        {cmd::kScreenFonts, kPromptScreenFonts},
        {cmd::kPrintFonts, kPromptPrintFonts},
        {cmd::kCircleAdministration, kPromptCircleAdministration},
        {cmd::kStandardTexts, kPromptStandardTexts},
        {cmd::kVatPresets, kPromptVatPresets},
        {cmd::kBookingTechnique, kPromptBookingTechnique},
        {cmd::kViewToolBar, kPromptToolBar},
        {cmd::kViewStatusBar, kPromptStatusBar},
        {cmd::kHelpIndex, kPromptHelp},
        {cmd::kHelpUsing, kPromptHelp},
        {cmd::kHelpFile, kPromptHelp},
        {cmd::kHelpContext, kPromptHelp},
        {cmd::kAbout, kPromptAbout},
    };
    const auto it = prompts.find(id);
    return it == prompts.end() ? std::string_view() : it->second;
}

std::string_view commandText(int id) {
    for (const auto* menus : {&documentMenus(), &emptyMenus()})
        for (const MenuDefinition& menu : *menus)
            for (const MenuEntry& entry : menu.entries)
                if (entry.id == id) return entry.text;
    return {};
}

bool needsOpenCircle(int id) {
    if (id == 0) return false;
    for (const MenuDefinition& menu : emptyMenus())
        for (const MenuEntry& entry : menu.entries)
            if (entry.id == id) return false;
    switch (id) {
    case cmd::kHelpFile:
    case cmd::kHelpContext:
    case cmd::kNextPane:
    case cmd::kPreviousPane:
    case cmd::kInsertToggle: return false;
    default: return true;
    }
}

}  // namespace tellmark::shell
