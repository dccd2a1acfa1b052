#pragma once
// The export for the digital tax audit: the description file "index.xml" line by line, the names and
// descriptions of the tables and their columns, the progress windows, the messages and the dialogs.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// --- index.xml, each line ended by CR LF --------------------------------------------------------------
inline constexpr std::string_view kGdpduXmlLineEnd = "\r\n";
inline constexpr std::string_view kGdpduXmlDeclaration = cp<"<?xml version=\"1.0\" encoding=\"UTF-8\"?>">();
inline constexpr std::string_view kGdpduXmlDoctype = cp<"<!DOCTYPE DataSet SYSTEM \"gdpdu-01-08-2002.dtd\">">();
inline constexpr std::string_view kGdpduXmlDataSet = cp<"<DataSet>">();
inline constexpr std::string_view kGdpduXmlVersion = cp<"\t<Version>1.0</Version>">();
inline constexpr std::string_view kGdpduXmlSupplier = cp<"\t<DataSupplier>">();
inline constexpr std::string_view kGdpduXmlSupplierName = cp<"\t\t<Name>%s</Name>">();
inline constexpr std::string_view kGdpduXmlSupplierLocation = cp<"\t\t<Location>%s</Location>">();
inline constexpr std::string_view kGdpduXmlSupplierComment =
    cp<"\t\t<Comment>Datentraegerueberlassung nach GDPdU</Comment>">();
inline constexpr std::string_view kGdpduXmlSupplierEnd = cp<"\t</DataSupplier>">();
inline constexpr std::string_view kGdpduXmlMedia = cp<"\t<Media>">();
inline constexpr std::string_view kGdpduXmlMediaName = cp<"\t\t<Name>%s</Name>">();
inline constexpr std::string_view kGdpduMediaName = cp<"Datentraeger 1">();

inline constexpr std::string_view kGdpduXmlTable = cp<"\t\t<Table>">();
inline constexpr std::string_view kGdpduXmlTableUrl = cp<"\t\t\t<URL>%s</URL>">();
inline constexpr std::string_view kGdpduXmlTableName = cp<"\t\t\t<Name>%s</Name>">();
inline constexpr std::string_view kGdpduXmlTableDescription = cp<"\t\t\t<Description>%s</Description>">();
inline constexpr std::string_view kGdpduXmlDecimalSymbol = cp<"\t\t\t<DecimalSymbol>,</DecimalSymbol>">();
inline constexpr std::string_view kGdpduXmlGroupingSymbol = cp<"\t\t\t<DigitGroupingSymbol>.</DigitGroupingSymbol>">();
inline constexpr std::string_view kGdpduXmlFixedLength = cp<"\t\t\t<FixedLength>">();
inline constexpr std::string_view kGdpduXmlFixedLengthEnd = cp<"\t\t\t</FixedLength>">();
inline constexpr std::string_view kGdpduXmlTableEnd = cp<"\t\t</Table>">();

inline constexpr std::string_view kGdpduXmlColumn = cp<"\t\t\t\t<FixedColumn>">();
inline constexpr std::string_view kGdpduXmlColumnName = cp<"\t\t\t\t\t<Name>%s</Name>">();
inline constexpr std::string_view kGdpduXmlColumnDescription = cp<"\t\t\t\t\t<Description>%s</Description>">();
inline constexpr std::string_view kGdpduXmlNumeric = cp<"\t\t\t\t\t<Numeric>">();
inline constexpr std::string_view kGdpduXmlAccuracy = cp<"\t\t\t\t\t\t<Accuracy>%i</Accuracy>">();
inline constexpr std::string_view kGdpduXmlNumericEnd = cp<"\t\t\t\t\t</Numeric>">();
inline constexpr std::string_view kGdpduXmlAlphaNumeric = cp<"\t\t\t\t\t<AlphaNumeric/>">();
inline constexpr std::string_view kGdpduXmlDate = cp<"\t\t\t\t\t<Date>">();
inline constexpr std::string_view kGdpduXmlDateFormat = cp<"\t\t\t\t\t\t<Format>DD.MM.YYYY</Format>">();
inline constexpr std::string_view kGdpduXmlDateEnd = cp<"\t\t\t\t\t</Date>">();
inline constexpr std::string_view kGdpduXmlRange = cp<"\t\t\t\t\t<FixedRange>">();
inline constexpr std::string_view kGdpduXmlRangeFrom = cp<"\t\t\t\t\t\t<From>%i</From>">();
inline constexpr std::string_view kGdpduXmlRangeTo = cp<"\t\t\t\t\t\t<To>%i</To>">();
inline constexpr std::string_view kGdpduXmlRangeEnd = cp<"\t\t\t\t\t</FixedRange>">();
inline constexpr std::string_view kGdpduXmlColumnEnd = cp<"\t\t\t\t</FixedColumn>">();

inline constexpr std::string_view kGdpduXmlMediaEnd = cp<"\t</Media>">();
inline constexpr std::string_view kGdpduXmlDataSetEnd = cp<"</DataSet>">();

// The longest text a name, description, company or place may take in index.xml, escaped.
inline constexpr std::size_t kGdpduXmlTextLimit = 256;

// --- Tables ----------------------------------------------------------------------------------------------
inline constexpr std::string_view kGdpduJournalName = cp<"Buchungssaetze %04i-%04i">();
inline constexpr std::string_view kGdpduJournalDescription = cp<"Zusammenstellung aller Buchungssaetze">();
inline constexpr std::string_view kGdpduCashBookName = cp<"Kassenbuecher %04i-%04i">();
inline constexpr std::string_view kGdpduCashBookDescription = cp<"Zusammenstellung aller Kassenbuecher">();
inline constexpr std::string_view kGdpduSheetsName = cp<"Kontenblaetter %04i-%04i">();
inline constexpr std::string_view kGdpduSheetsDescription = cp<"Zusammenstellung aller Kontenblaetter">();
inline constexpr std::string_view kGdpduBalancesName = cp<"Saldenlisten %04i-%04i">();
inline constexpr std::string_view kGdpduBalancesDescription =
    cp<"Zusammenstellung aller Konten mit Anfangs- und Endbestaenden">();

// --- Columns ---------------------------------------------------------------------------------------------
inline constexpr std::string_view kGdpduColBookingNumber = cp<"Buchungssatznummer">();
inline constexpr std::string_view kGdpduColDate = cp<"Datum">();
inline constexpr std::string_view kGdpduColCashDate = cp<"Datum der Kassenbuchzeile">();
inline constexpr std::string_view kGdpduColSheetDate = cp<"Datum der Kontenblattzeile">();
inline constexpr std::string_view kGdpduColControlDate = cp<"Kontrolldatum (alphanum.)">();
inline constexpr std::string_view kGdpduColDocument = cp<"Beleg">();
inline constexpr std::string_view kGdpduColDebit = cp<"Kontonummer Soll">();
inline constexpr std::string_view kGdpduColCredit = cp<"Kontonummer Haben">();
inline constexpr std::string_view kGdpduColText = cp<"Buchungstext">();
inline constexpr std::string_view kGdpduColAmount = cp<"Betrag">();
inline constexpr std::string_view kGdpduColRate = cp<"MwSt.-Satz">();
inline constexpr std::string_view kGdpduColVat = cp<"MwSt.-Betrag">();
inline constexpr std::string_view kGdpduColCashAccount = cp<"Kontonummer des jeweiligen Kassenbuchs">();
inline constexpr std::string_view kGdpduColBefore = cp<"Bestand vor Buchung">();
inline constexpr std::string_view kGdpduColAfter = cp<"Bestand nach Buchung">();
inline constexpr std::string_view kGdpduColSheetAccount = cp<"Kontonummer des jeweiligen Kontenblattes">();
inline constexpr std::string_view kGdpduColSheetDebit = cp<"Betrag im Soll">();
inline constexpr std::string_view kGdpduColSheetCredit = cp<"Betrag im Haben">();
inline constexpr std::string_view kGdpduColAccount = cp<"Kontonummer">();
inline constexpr std::string_view kGdpduColAccountName = cp<"Kontenbezeichnung">();
inline constexpr std::string_view kGdpduColOpening = cp<"Anfangsbestand">();
inline constexpr std::string_view kGdpduColOpeningSide = cp<"Anfangsbestand Soll (S) - Haben (H)">();
inline constexpr std::string_view kGdpduColMovement = cp<"Gesamt-Zu/Abgang">();
inline constexpr std::string_view kGdpduColMovementSide = cp<"Zu/Abgang Soll (S) - Haben (H)">();
inline constexpr std::string_view kGdpduColClosing = cp<"Endbestand">();
inline constexpr std::string_view kGdpduColClosingSide = cp<"Endbestand Soll (S) - Haben (H)">();

inline constexpr std::string_view kGdpduDateDescription =
    cp<"Fuer GDPdU wird der 13.Monat auf letzten Tag im WJ konvertiert">();
inline constexpr std::string_view kGdpduControlDateDescription =
    cp<"Originaldatum kann auch 13.Monat fuer Abschlussbuchungen enthalten">();

// --- Progress windows ------------------------------------------------------------------------------------
inline constexpr std::string_view kGdpduJournalProgressCaption = cp<"Journalausgabe">();
inline constexpr std::string_view kGdpduJournalProgressLine = cp<"Die Buchungen werden gesucht...">();
inline constexpr std::string_view kGdpduJournalProgressMonth = cp<"Monat: %02i">();
inline constexpr std::string_view kGdpduCashProgressCaption = cp<"Kassenbuch">();
inline constexpr std::string_view kGdpduCashProgressLine = cp<"Das Kassenbuch wird erstellt">();
inline constexpr std::string_view kGdpduSheetsProgressCaption = cp<"Kontenblätter">();
inline constexpr std::string_view kGdpduSheetsProgressLine = cp<"Die Buchungen werden gesucht...">();
inline constexpr std::string_view kGdpduSheetsProgressAccount = cp<"Konto: %04.0f">();
inline constexpr std::string_view kGdpduIndexProgressCaption = cp<"Index.xml">();
inline constexpr std::string_view kGdpduIndexProgressLine = cp<"Die Organisationsdatei wird erstellt">();

// --- Messages (caption "FEHLER") -------------------------------------------------------------------------
inline constexpr std::string_view kGdpduFileNotCreated = cp<"Temporäre Datei konnte nicht angelegt werden !">();
inline constexpr std::string_view kGdpduFileNotOpened = cp<"Temporäre Datei konnte nicht geöffnet werden !">();
inline constexpr std::string_view kGdpduWriteFailed = cp<"Fehler beim Schreiben der temporären Datei !">();

// --- Dialogs ---------------------------------------------------------------------------------------------
inline constexpr std::string_view kGdpduDialogTitle = cp<"Export der Daten zur Datenträgerüberlassung">();
inline constexpr std::string_view kGdpduDialogYear = cp<"Buchungsjahr:">();
inline constexpr std::string_view kGdpduDialogName = cp<"&Name:">();
inline constexpr std::string_view kGdpduDialogPlace = cp<"O&rt:">();
inline constexpr std::string_view kGdpduDialogCashAccounts = cp<"Aktuelle &Kassenkonten:">();
inline constexpr std::string_view kGdpduDialogRemoveCash = cp<"Gewähltes Kassenkonto &löschen">();
inline constexpr std::string_view kGdpduDialogAddCash = cp<"Weiteres Kassenkonto &hinzufügen">();
inline constexpr std::string_view kGdpduDialogAddCashPrompt = cp<"Konto-Nu&mmer:">();
inline constexpr std::string_view kGdpduDoneTitle = cp<"Abschluss der Datenerstellung zur GDPdU">();
inline constexpr std::string_view kGdpduDoneText = cp<"Die Daten wurden erstellt im Verzeichnis:">();

}  // namespace tellmark::text
