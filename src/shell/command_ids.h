#pragma once
// Command ids of menus, toolbar and accelerators. They are the program's own numbers: the booking form
// and the frame send some of them to each other.

namespace tellmark::shell::cmd {

enum : int {
    // "&Datei"
    kNewDocument = 57600,  // "Buchungskreis öffnen" while no circle is open
    kOpenCircle = 32817,   // the same text while a circle is open; no handler
    kSwitchCircle = 32821,
    kCircleOverview = 32849,
    kBackup = 32809,
    kRestore = 32859,  // beside the backup: its restore
    kImport = 32847,
    kExportGdpdu = 32854,
    kExportDatev = 32857,
    kCloseCircle = 57602,
    kExit = 57665,
    // "&Buchungen"
    kJournal = 32796,
    kJournalSort = 32837,
    kCashBook = 32806,
    kVatReturn = 32808,
    kSearchForward = 1148,
    kSearchBackward = 1149,
    // "S&tandardbuchungen"
    kStandardEdit = 32839,
    kStandardPrint = 32840,
    kStandardMark = 32841,
    kStandardPostMarked = 32842,
    kStandardPostChoice = 32851,
    kStandardPostNumber = 32856,
    // "&Konten"
    kAccounts = 32773,
    kChartList = 32814,
    kAccountSheets = 32805,
    kCollectiveAccounts = 32826,
    // "&Salden"
    kTrialBalance = 32813,
    kResultStatement = 32833,
    kBalanceSheet = 32791,
    kBalanceList = 32811,
    kMonthEvaluation = 32804,
    kAccountHistories = 32812,
    // "S&onstiges"
    kYearChange = 32819,
    kCarryForward = 32820,
    kDeleteYears = 32822,
    kReorganisation = 32823,
    kReindex = 32848,
    kCompanionOnline = 32855,
    kOptionalPrograms = 32824,
    // "&Einstellungen"
    kProgramManagement = 32790,
    kPageSettings = 32789,
    kScreenFonts = 32853,
    kPrintFonts = 32836,
    kCircleAdministration = 32825,
    kStandardTexts = 32785,
    kVatPresets = 32787,
    kBookingTechnique = 32788,
    // "&Anzeige" and help
    kViewToolBar = 59392,
    kViewStatusBar = 59393,
    kHelpIndex = 57666,
    kHelpUsing = 57668,
    kHelpContext = 57669,
    kHelpFile = 57670,
    kAbout = 57664,
    kNextPane = 57680,
    kPreviousPane = 57681,
    // Accelerators of the booking form.
    kNextLine = 1011,
    kPreviousLine = 1012,
    kPageDown = 32816,
    kPageUp = 32815,
    kNextField = 1063,
    kPreviousField = 1064,
    kInsertToggle = 32858,
    kDeleteBooking = 32834,
    kKeyF10 = 32844,
    // Messages between frame and form.
    kFrameResized = 2102,
    kCircleOpened = 1724,
    kMenuCashBasis = 1579,
    kMenuProfitAndLoss = 1580,
};

}  // namespace tellmark::shell::cmd
