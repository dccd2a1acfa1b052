#pragma once
// Texts of the desktop program: menus, status-bar prompts, the toolbar, the status bar panes and the
// dialogs of the main window, the start-up dialogue and the configuration.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Window and application.
inline constexpr std::string_view kAppTitle = cp<"Tellmark">();
inline constexpr std::string_view kIdlePrompt = cp<"Bereit">();
inline constexpr std::string_view kPaneOverwrite = cp<"ÜB">();
inline constexpr std::string_view kPaneCaps = cp<"CAP">();
inline constexpr std::string_view kPaneNum = cp<"NUM">();
inline constexpr std::string_view kPaneScroll = cp<"SCRL">();
inline constexpr std::string_view kToolBarTitle = cp<"Symbolleiste">();
// The user guide, in a progdata directory.
inline constexpr std::string_view kHelpFileName = cp<"hilfe/tellmark.html">();
inline constexpr std::string_view kHelpWindowTitle = cp<"Tellmark – Hilfe">();
inline constexpr std::string_view kMsgHelpFileMissing = cp<"Die Hilfedatei '%s' wurde nicht gefunden !">();

// Status bar after the long repairs, which end without a message of their own.
inline constexpr std::string_view kStatusReindexDone =
    cp<"Neuindizierung abgeschlossen: Kontenindex und Journalindex wurden neu erstellt.">();
inline constexpr std::string_view kStatusReorgDone =
    cp<"Neuverbuchung / Reorganisation abgeschlossen. Neu verbuchte Buchungssätze: %li">();
inline constexpr std::string_view kStatusReorgUnposted =
    cp<"Neuverbuchung / Reorganisation abgeschlossen. Neu verbuchte Buchungssätze: %li, unverbucht: %li">();

// Menu titles.
inline constexpr std::string_view kMenuFile = cp<"&Datei">();
inline constexpr std::string_view kMenuBookings = cp<"&Buchungen">();
inline constexpr std::string_view kMenuStandardBookings = cp<"S&tandardbuchungen">();
inline constexpr std::string_view kMenuAccounts = cp<"&Konten">();
inline constexpr std::string_view kMenuBalances = cp<"&Salden">();
inline constexpr std::string_view kMenuOther = cp<"S&onstiges">();
inline constexpr std::string_view kMenuSettings = cp<"&Einstellungen">();
inline constexpr std::string_view kMenuView = cp<"&Anzeige">();
inline constexpr std::string_view kMenuHelp = cp<"&?">();

// Menu items.
inline constexpr std::string_view kItemOpenCircle = cp<"Buchungskreis ö&ffnen">();
inline constexpr std::string_view kItemSwitchCircle = cp<"Buchungskreis &wechseln \tF9">();
inline constexpr std::string_view kItemCircleOverview = cp<"B&uchungskreis-Übersicht ">();
inline constexpr std::string_view kItemBackup = cp<"&Datensicherung">();
inline constexpr std::string_view kItemImport = cp<"&Import (aus externen Dateien)">();
inline constexpr std::string_view kItemExportGdpdu = cp<"&Export f. Digitale Betriebsprüfung (GDPdU)">();
inline constexpr std::string_view kItemExportDatev = cp<"E&xport für Datev (Buchungssätze)">();
inline constexpr std::string_view kItemCloseCircle = cp<"Buchungskreis s&chließen">();
inline constexpr std::string_view kItemExit = cp<"&Beenden">();
inline constexpr std::string_view kItemJournal = cp<"&Journalausgabe">();
inline constexpr std::string_view kItemJournalSort = cp<"Journal&sortierung">();
inline constexpr std::string_view kItemCashBook = cp<"K&assenbuch...">();
inline constexpr std::string_view kItemVatReturn = cp<"&Umsatzsteuervoranmeldung">();
inline constexpr std::string_view kItemSearchForward = cp<"Suchen &vorwärts\tStrg+S">();
inline constexpr std::string_view kItemSearchBackward = cp<"Suchen &rückwärts\tStrg+R">();
inline constexpr std::string_view kItemStandardEdit = cp<"&Anlegen / Ändern">();
inline constexpr std::string_view kItemStandardPrint = cp<"&Drucken / Ausgeben">();
inline constexpr std::string_view kItemStandardMark = cp<"&Markieren">();
inline constexpr std::string_view kItemStandardPostMarked = cp<"Markierung &verbuchen">();
inline constexpr std::string_view kItemStandardPostChoice = cp<"Aus&wahl verbuchen">();
inline constexpr std::string_view kItemStandardPostNumber = cp<"&Nummer verbuchen">();
inline constexpr std::string_view kItemAccounts = cp<"&Einrichten / Ändern...\tStrg+A">();
inline constexpr std::string_view kItemChartList = cp<"&Kontenplan...\tStrg+P">();
inline constexpr std::string_view kItemAccountSheets = cp<"Konten&blätter...\tF2">();
inline constexpr std::string_view kItemCollectiveAccounts = cp<"&Sammel-Konten">();
inline constexpr std::string_view kItemTrialBalance = cp<"Sal&denbilanz\tF3">();
inline constexpr std::string_view kItemResultStatement = cp<"&Einnahme-Überschuss-Rechnung\tF4">();
inline constexpr std::string_view kItemResultCashBasis = cp<"Einnahme-&Überschuss-Rechnung\tF4">();  // 1579
inline constexpr std::string_view kItemResultProfitLoss = cp<"Gewinn- und &Verlust-Rechnung\tF4">();  // 1580
inline constexpr std::string_view kItemBalanceSheet = cp<"&Bilanz\tF5">();
inline constexpr std::string_view kItemBalanceList = cp<"Salden&liste\tF6">();
inline constexpr std::string_view kItemMonthEvaluation = cp<"&Auswertung Monat\tF7">();
inline constexpr std::string_view kItemAccountHistories = cp<"&Kontenverläufe">();
inline constexpr std::string_view kItemYearChange = cp<"&Buchungsjahrwechsel \tF8">();
inline constexpr std::string_view kItemCarryForward = cp<"&Vorjahresendbestand übertragen">();
inline constexpr std::string_view kItemDeleteYears = cp<"&Löschen Buchungsjahre">();
inline constexpr std::string_view kItemReorganisation = cp<"&Neuverbuchung / Reorganisation">();
inline constexpr std::string_view kItemReindex = cp<"Neu&indizierung">();
inline constexpr std::string_view kItemCompanionOnline = cp<"Tellmark &Online">();
inline constexpr std::string_view kItemOptionalPrograms = cp<"Optionale &Zusatzprogramme">();
inline constexpr std::string_view kItemProgramManagement = cp<"&Programmverwaltung">();
inline constexpr std::string_view kItemPageSettings = cp<"S&eiteneinstellungen">();
inline constexpr std::string_view kItemScreenFonts = cp<"S&chriftgrößen Bildschirm">();
inline constexpr std::string_view kItemPrintFonts = cp<"Schrift&größen Ausdruck">();
inline constexpr std::string_view kItemCircleAdministration = cp<"&Buchungskreisverwaltung">();
inline constexpr std::string_view kItemStandardTexts = cp<"&Standardtexte">();
inline constexpr std::string_view kItemVatPresets = cp<"&Vorbelegung Mehrwertsteuersätze">();
inline constexpr std::string_view kItemBookingTechnique = cp<"&Konfiguration Buchungstechnik">();
inline constexpr std::string_view kItemToolBar = cp<"&Symbolleiste">();
inline constexpr std::string_view kItemStatusBar = cp<"Status&zeile">();
inline constexpr std::string_view kItemHelpIndex = cp<"In&dex zur Hilfe">();
inline constexpr std::string_view kItemHelpUsing = cp<"&Hilfe verwenden">();
inline constexpr std::string_view kItemAbout = cp<"&Info über Tellmark...">();

// Status-bar prompts, one per command.
inline constexpr std::string_view kPromptOpenCircle = cp<"Öffnet einen Buchungskreis">();
inline constexpr std::string_view kPromptSwitchCircle =
    cp<"Wechsel zu einem anderen Buchungskreis (Buchungskreis muß schon angelegt sein)">();
inline constexpr std::string_view kPromptCircleOverview = cp<"Druckt eine Übersicht über alle angelegten Buchungskreise">();
inline constexpr std::string_view kPromptBackup = cp<"Sichert die Dateien des geöffneten Buchungskreises und Buchungsjahres">();
inline constexpr std::string_view kPromptImport = cp<"Übernimmt Buchungssätze aus externen Dateien">();
inline constexpr std::string_view kPromptExportGdpdu = cp<"Datenüberlassung zur digitalen Betriebsprüfung (GDPdU)">();
inline constexpr std::string_view kPromptExportDatev = cp<"Übergibt die Buchungssätze an die Datev-Schnittstelle">();
inline constexpr std::string_view kPromptCloseCircle = cp<"Schließt den geöffneten Buchungskreis">();
inline constexpr std::string_view kPromptExit = cp<"Beendet das Programm">();
inline constexpr std::string_view kPromptJournal = cp<"Gibt das Journal aus">();
inline constexpr std::string_view kPromptJournalSort = cp<"Sortiert das Journal nach dem Buchungsdatum">();
inline constexpr std::string_view kPromptCashBook = cp<"Gibt das Kassenbuch aus">();
inline constexpr std::string_view kPromptVatReturn = cp<"Erstellt die Umsatzsteuervoranmeldung">();
inline constexpr std::string_view kPromptSearchForward = cp<"Sucht im Journal vorwärts">();
inline constexpr std::string_view kPromptSearchBackward = cp<"Sucht im Journal rückwärts">();
inline constexpr std::string_view kPromptStandardEdit = cp<"Legt Standardbuchungen an oder ändert sie">();
inline constexpr std::string_view kPromptStandardPrint = cp<"Druckt die Standardbuchungen oder gibt sie aus">();
inline constexpr std::string_view kPromptStandardMark = cp<"Markiert Standardbuchungen zum Verbuchen">();
inline constexpr std::string_view kPromptStandardPostMarked = cp<"Verbucht die markierten Standardbuchungen">();
inline constexpr std::string_view kPromptStandardPostChoice = cp<"Verbucht ausgewählte Standardbuchungen">();
inline constexpr std::string_view kPromptStandardPostNumber = cp<"Verbucht eine Standardbuchung über ihre Nummer">();
inline constexpr std::string_view kPromptAccounts = cp<"Einrichten / Ändern / Löschen von Konten">();
inline constexpr std::string_view kPromptChartList = cp<"Gibt den Kontenplan aus">();
inline constexpr std::string_view kPromptAccountSheets = cp<"Gibt Kontenblätter aus">();
inline constexpr std::string_view kPromptCollectiveAccounts = cp<"Gibt Sammel-Kontenblätter aus">();
inline constexpr std::string_view kPromptTrialBalance = cp<"Gibt die Saldenbilanz aus">();
inline constexpr std::string_view kPromptResultStatement =
    cp<"Gibt die Einnahme-Überschuss-Rechnung bzw. die Gewinn- und Verlust-Rechnung aus">();
inline constexpr std::string_view kPromptBalanceSheet = cp<"Gibt die Bilanz aus">();
inline constexpr std::string_view kPromptBalanceList = cp<"Gibt die Saldenliste aus">();
inline constexpr std::string_view kPromptMonthEvaluation = cp<"Gibt die Auswertung eines Monats aus">();
inline constexpr std::string_view kPromptAccountHistories = cp<"Kontenverläufe">();
inline constexpr std::string_view kPromptYearChange = cp<"Wechsel in ein anderes Buchungsjahr des gleichen Buchungskreises">();
inline constexpr std::string_view kPromptCarryForward = cp<"Überträgt die Endbestände des Vorjahres als Anfangsbestände">();
inline constexpr std::string_view kPromptDeleteYears = cp<"Löscht die Dateien früherer Buchungsjahre">();
inline constexpr std::string_view kPromptReorganisation =
    cp<"Verbucht das Journal neu und baut Salden und Indizes wieder auf">();
inline constexpr std::string_view kPromptReindex = cp<"Baut die Indexdateien neu auf">();
inline constexpr std::string_view kPromptCompanionOnline = cp<"Übergibt die Umsatzsteuervoranmeldung an Tellmark Online">();
inline constexpr std::string_view kPromptOptionalPrograms = cp<"Optionale Zusatzprogramme">();
inline constexpr std::string_view kPromptProgramManagement = cp<"Datenverzeichnis und Pfade für Tellmark Online">();
inline constexpr std::string_view kPromptPageSettings = cp<"Zeilen pro Seite und oberer Rand des Ausdrucks">();
inline constexpr std::string_view kPromptScreenFonts = cp<"Schriftgrößen für die Bildschirmanzeige">();
inline constexpr std::string_view kPromptPrintFonts = cp<"Schriftgrößen für den Ausdruck">();
inline constexpr std::string_view kPromptCircleAdministration = cp<"Buchungskreise anlegen oder ändern">();
inline constexpr std::string_view kPromptStandardTexts = cp<"Standardtexte für die Buchungserfassung einrichten oder ändern">();
inline constexpr std::string_view kPromptVatPresets = cp<"Mehrwertsteuersätze für die Tasten F7 und F8 vorbelegen">();
inline constexpr std::string_view kPromptBookingTechnique = cp<"Programmpasswort und Anzahl der Buchungsmonate">();
inline constexpr std::string_view kPromptToolBar = cp<"Blendet die Symbolleiste ein oder aus">();
inline constexpr std::string_view kPromptStatusBar = cp<"Blendet die Statuszeile ein oder aus">();
inline constexpr std::string_view kPromptHelp = cp<"Öffnet die Hilfe">();
inline constexpr std::string_view kPromptAbout = cp<"Zeigt Programminformationen an">();

// Info box.
inline constexpr std::string_view kAboutTitle = cp<"Info über Tellmark">();
inline constexpr std::string_view kAboutText =
    cp<"Tellmark\nDoppelte Buchführung für kleine Betriebe, Selbständige und Vereine">();

// Buttons shared by the dialogs.
inline constexpr std::string_view kButtonOk = cp<"&OK">();
inline constexpr std::string_view kButtonCancel = cp<"&Abbruch">();

// Progress window.
inline constexpr std::string_view kProgressTemplateCaption = cp<"Progress 1">();

// Program password at start-up.
inline constexpr std::string_view kPasswordDialogTitle = cp<"Passwort-Eingabe">();
inline constexpr std::string_view kPasswordDialogText =
    cp<"Das Programm ist mit einem \nPasswort geschützt.\nBitte geben Sie das &Passwort ein.">();
inline constexpr std::string_view kMsgPasswordWrong = cp<"Das eingebene Passwort ist leider falsch!">();
inline constexpr std::string_view kPasswordWaitCaption = cp<"Falsche Passworteingabe">();
inline constexpr std::string_view kPasswordWaitFirstLine = cp<"Die Passworteingabe war falsch.">();
inline constexpr std::string_view kPasswordWaitSecondLine =
    cp<"%i. Versuch\nDas Programm wird vorübergehend gesperrt...">();
inline constexpr std::string_view kPasswordWaitBarLabel = cp<"Wartezeit bis zur Freigabe...">();

// Selection of a booking circle.
inline constexpr std::string_view kSelectionDialogTitle = cp<"Buchungskreis wählen">();
inline constexpr std::string_view kSelectionNumberLabel = cp<"&Nummer des Buchungskreises (1-%i):">();
inline constexpr std::string_view kSelectionAdminHint =
    cp<"Nummer eines bestehenden Buchungskreises zum Ändern\noder eine neue Nummer zum Anlegen eingeben.">();
inline constexpr std::string_view kSelectionNewHint =
    cp<"Eine Nummer ohne Buchungskreis legt einen neuen Buchungskreis an.">();
inline constexpr std::string_view kSelectionExit = cp<"B&eenden">();
inline constexpr std::string_view kSelectionOverview = cp<"Über&sicht">();

// Administration dialog: labels of its fields (titles and messages are with the circle settings).
inline constexpr std::string_view kAdminNumberLabel = cp<"Buchungskreis-Nr.:">();
inline constexpr std::string_view kAdminYearLabel = cp<"Buchungs&jahr:">();
inline constexpr std::string_view kAdminMonthLabel = cp<"Beginn des Geschäftsjahres (&Monat):">();
inline constexpr std::string_view kAdminNameLabel = cp<"&Name / Anschrift:">();
inline constexpr std::string_view kAdminChartLabel = cp<"&Kontenrahmen (03 / 04):">();
inline constexpr std::string_view kAdminCurrencyLabel = cp<"&Währung:">();
inline constexpr std::string_view kAdminVatCheck = cp<"&Umsatzsteuerpflichtig (MwSt)">();
inline constexpr std::string_view kAdminCashBasisCheck = cp<"&Einnahme-Überschuss-Rechnung">();
inline constexpr std::string_view kAdminAutoNumberCheck = cp<"Automatische Belegnummer&vergabe">();

// Elster data.
inline constexpr std::string_view kElsterTaxNumberLabel = cp<"&Steuernummer:">();
inline constexpr std::string_view kElsterTaxOfficeLabel = cp<"&Finanzamtsnummer:">();
inline constexpr std::string_view kElsterNameLabel = cp<"&Name:">();
inline constexpr std::string_view kElsterStreetLabel = cp<"St&raße:">();
inline constexpr std::string_view kElsterPostcodeLabel = cp<"&PLZ:">();
inline constexpr std::string_view kElsterTownLabel = cp<"&Ort:">();
inline constexpr std::string_view kElsterPhoneLabel = cp<"&Telefon:">();
inline constexpr std::string_view kElsterEmailLabel = cp<"&E-Mail:">();

// Balance file and journal missing.
inline constexpr std::string_view kMissingLedgerText =
    cp<"Für das Buchungsjahr dieses Buchungskreises gibt es noch keine Saldendatei.\n\n"
       "Neu anlegen: leere Saldendatei und leeres Journal anlegen.\n"
       "Übernehmen: den Kontenplan eines anderen Buchungskreises übernehmen.">();
inline constexpr std::string_view kMissingLedgerCreate = cp<"Neu &anlegen">();
inline constexpr std::string_view kMissingLedgerTakeOver = cp<"Ü&bernehmen">();
inline constexpr std::string_view kTakeOverDialogTitle = cp<"Kontenplan übernehmen">();
inline constexpr std::string_view kTakeOverTemplateButton = cp<"&Vorlage des Kontenrahmens">();
inline constexpr std::string_view kTakeOverTemplateHint =
    cp<"Oder: die mitgelieferte Vorlage des Kontenrahmens (SKR 03 bzw. SKR 04) übernehmen.">();
inline constexpr std::string_view kTakeOverDialogText =
    cp<"Von welchem &Buchungskreis soll der Kontenplan übernommen werden (1-999).">();

// Overview of all booking circles.
inline constexpr std::string_view kOverviewDialogTitle = cp<"Übersicht über alle angelegten Buchungskreise">();
inline constexpr std::string_view kOverviewProgressCaption = cp<"Übersicht Buchungskreise">();
inline constexpr std::string_view kOverviewProgressText = cp<"Die Übersicht wird erstellt">();
inline constexpr std::string_view kOverviewProgressLabel = cp<"Buchungskreise">();
inline constexpr std::string_view kOverviewHint =
    cp<"Die Liste mit weiteren Details kann nach Öffnen eines Buchungskreises unter \"Datei / BK-Übersicht\" "
       "auch gedruckt werden.">();

// "Programmverwaltung".
inline constexpr std::string_view kProgramManagementTitle = cp<"Programmverwaltung">();
inline constexpr std::string_view kProgramManagementShared =
    cp<" &Programm und Daten in gemeinsamen Verzeichis ( Empfehlung ! )">();
inline constexpr std::string_view kProgramManagementSeparate =
    cp<" Daten in gesondertem Verzeichnis ( siehe Handbuch ! )">();
inline constexpr std::string_view kProgramManagementPathLabel = cp<"&Datenpfad:">();
inline constexpr std::string_view kProgramManagementBrowse = cp<"Daten&verzeichnis...">();
inline constexpr std::string_view kMsgNoPathSelector = cp<"Path Selector Box steht nicht zur Verfügung !">();
inline constexpr std::string_view kProgramManagementCompanionLabel = cp<"Programm &Tellmark Online:">();
inline constexpr std::string_view kProgramManagementImportLabel = cp<"&Importverzeichnis Tellmark Online:">();

// "Seiteneinstellungen".
inline constexpr std::string_view kPageSettingsTitle = cp<"Seiteneinstellungen">();
inline constexpr std::string_view kPageSettingsLinesLabel = cp<"&Zeilen pro Seite (35-90):">();
inline constexpr std::string_view kPageSettingsMarginLabel = cp<"&Rand oben (0-3 Zeilen):">();

// "Vorbelegung der Mehrwertsteuersätze".
inline constexpr std::string_view kVatPresetsTitle = cp<"Vorbelegung der Mehrwertsteuersätze">();
inline constexpr std::string_view kVatPresetF7Label = cp<"MwSt-Satz Taste F&7:">();
inline constexpr std::string_view kVatPresetF8Label = cp<"MwSt-Satz Taste F&8:">();

// "Standardtexte Einrichten / Ändern".
inline constexpr std::string_view kStandardTextsTitle = cp<"Standardtexte Einrichten / Ändern">();
inline constexpr std::string_view kStandardTextLabel = cp<"Text F&%i:">();

// "Konfiguration für Buchungstechnik" and "Nachträgliche Buchungsänderungen".
inline constexpr std::string_view kBookingTechniqueTitle = cp<"Konfiguration für Buchungstechnik">();
inline constexpr std::string_view kBookingTechniqueUsePassword = cp<"Passwort verwenden">();
inline constexpr std::string_view kBookingTechniquePasswordLabel = cp<"Pass&wort:">();
inline constexpr std::string_view kBookingTechnique12Months = cp<"12 &Buchungsmonate pro Buchungsjahr">();
inline constexpr std::string_view kBookingTechnique13Months = cp<"13. Buchungsmonat für &Abschlußbuchungen zulassen">();
inline constexpr std::string_view kBookingTechniqueExtended = cp<"&Erweitert">();
inline constexpr std::string_view kLaterChangesTitle = cp<"Nachträgliche Buchungsänderungen">();
inline constexpr std::string_view kLaterChangesCheck = cp<"  &Nachträgliche Buchungsänderungen zulassen">();

// "Schriftgrößen für Bildschirmanzeige" and "Schriftgrößen für Ausdruck".
inline constexpr std::string_view kScreenFontsTitle = cp<"Schriftgrößen für Bildschirmanzeige">();
inline constexpr std::string_view kScreenFontsBookingLabel = cp<"Schrift der &Buchungserfassung (Breite x Höhe):">();
inline constexpr std::string_view kScreenFontsScreenLabel = cp<"Schrift der Bildschirm&listen (Breite x Höhe):">();
inline constexpr std::string_view kScreenFontsBold = cp<"&Fett">();
inline constexpr std::string_view kScreenFontsBoldScreen = cp<"F&ett">();
inline constexpr std::string_view kScreenFontsDefault = cp<"&Standard">();
inline constexpr std::string_view kPrintFontsTitle = cp<"Schriftgrößen für Ausdruck">();
inline constexpr std::string_view kPrintFontsNormalLabel = cp<"Schrift &normal (1/20 Punkt):">();
inline constexpr std::string_view kPrintFontsNarrowLabel = cp<"Schrift &schmal (1/20 Punkt):">();

}  // namespace tellmark::text
