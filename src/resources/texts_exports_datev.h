#pragma once
// DATEV export: settings dialog, account mapping, messages, record types and field names of the records.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Settings validation, in the order the fields are checked.
inline constexpr std::string_view kMsgDatevAdviserMissing = cp<"Die Steuerberaternummer fehlt noch!">();
inline constexpr std::string_view kMsgDatevClientMissing = cp<"Die Mandantennummer fehlt noch!">();
inline constexpr std::string_view kMsgDatevDfvMissing = cp<"Das Namenskürzel (DFV-Kennzeichen) fehlt.">();
inline constexpr std::string_view kMsgDatevCarrierMissing = cp<"Die Datenträgernummer fehlt noch!">();
inline constexpr std::string_view kMsgDatevAccountingMissing = cp<"Die Abrechnungsnummer fehlt noch!">();
inline constexpr std::string_view kMsgDatevFromMissing = cp<"Die Zeitraumangabe 'von' fehlt noch!">();
inline constexpr std::string_view kMsgDatevCurrencyWrong =
    cp<"Das Währungskennzeichen ist nicht korrekt eingetragen!">();
inline constexpr std::string_view kMsgDatevCurrencyInvalid = cp<"Das Währungskennzeichen ist nicht gültig!">();
inline constexpr std::string_view kMsgDatevToMissing = cp<"Die Zeitraumangabe 'bis' fehlt noch!">();
inline constexpr std::string_view kMsgDatevFromInvalid = cp<"Zeitraum \"von\" konnte nicht korrekt ermittelt werden!">();
inline constexpr std::string_view kMsgDatevToInvalid = cp<"Zeitraum \"bis\" konnte nicht korrekt ermittelt werden!">();

// Failures of the export run.
inline constexpr std::string_view kMsgDatevOpenFailed = cp<"Beim Öffnen der Exportdatei ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kMsgDatevHeaderFailed =
    cp<"Beim Schreiben des Vorlaufs (1) ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kMsgDatevVersionFailed =
    cp<"Beim Schreiben des Vorlaufs (2) ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kMsgDatevOpeningFailed =
    cp<"Beim Export der Anfangsbestände ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kMsgDatevBookingFailed =
    cp<"Beim Schreiben eines Buchungssatzes ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kMsgDatevResetFailed = cp<"Fehler beim Reset der temporären Speichers!">();
inline constexpr std::string_view kMsgDatevSumFailed = cp<"Im Summensatz ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kMsgDatevCloseFailed = cp<"Fehler beim Schließen der Export-Datei!">();
inline constexpr std::string_view kMsgDatevAborted = cp<"Der Datev-Export wurde abgebrochen!">();
inline constexpr std::string_view kMsgDatevDone = cp<"Der Datev-Export wurde erfolgreich abgeschlossen.">();
inline constexpr std::string_view kMsgDatevDoneAdvice = cp<
    "Bitte übergeben Sie Ihrem Steuerberater zusätzlich eine Saldenliste des exportierten Zeitraums, "
    "damit er die übernommenen Salden abstimmen kann.">();
// The checks of the DATEV-Format file found values it cannot take; printed with the error list.
inline constexpr std::string_view kMsgDatevErrorsFound =
    cp<"Die Exportdaten enthalten %i fehlerhafte Angaben (siehe Fehlerliste).">();
// The mapping file could not be read as the program writes it, or not be written.
inline constexpr std::string_view kMsgDatevMappingDamaged = cp<
    "Die Datei der Kontonummernzuordnung\n%s\nist beschädigt (Zeile %i) und wird nicht verwendet.">();
inline constexpr std::string_view kMsgDatevMappingNotWritten =
    cp<"Die Datei der Kontonummernzuordnung\n%s\nkonnte nicht geschrieben werden.">();
inline constexpr std::string_view kMsgDatevMappingNumber =
    cp<"Ungültige Kontonummer bzw. Kontenauswahl !">();

// Window titles and dialog texts.
inline constexpr std::string_view kTitleDatevNotes = cp<"Wichtige Hinweise zum Datev-Export">();
inline constexpr std::string_view kDatevNotes = cp<
    "Der Datev-Export übergibt die Buchungssätze eines Zeitraums des geöffneten Buchungsjahres an Ihren "
    "Steuerberater.\n\n"
    "In DATEV sind Kreditorenkonten fünfstellige Konten der Klasse 7 (70000 bis 99999). Die Lieferantenkonten "
    "20000 bis 29999 werden deshalb mit einer 7 statt einer 2 als erster Ziffer übergeben (20005 wird 70005).\n\n"
    "In der Kontonummernzuordnung können Sie jedem Konto eine eigene Kontonummer für DATEV zuordnen.\n\n"
    "Stimmen Sie Steuerberaternummer, Mandantennummer und Zeitraum vorher mit Ihrem Steuerberater ab.">();
inline constexpr std::string_view kTitleDatevSettings = cp<"Datev-Export">();
inline constexpr std::string_view kLabelDatevAdviser = cp<"&Steuerberaternummer:">();
inline constexpr std::string_view kLabelDatevClient = cp<"&Mandantennummer:">();
inline constexpr std::string_view kLabelDatevDfv = cp<"DFV-&Kennzeichen:">();
inline constexpr std::string_view kLabelDatevPassword = cp<"Datev-&Passwort:">();
inline constexpr std::string_view kLabelDatevCarrier = cp<"Daten&trägernummer:">();
inline constexpr std::string_view kLabelDatevAccounting = cp<"Ab&rechnungsnummer:">();
inline constexpr std::string_view kLabelDatevFrom = cp<"Zeitraum &von (tt.mm):">();
inline constexpr std::string_view kLabelDatevTo = cp<"Zeitraum &bis  (tt.mm):">();
inline constexpr std::string_view kLabelDatevCurrency = cp<"&Währungskennzeichen:">();
inline constexpr std::string_view kHintDatevCurrency = cp<"(3-stellig, z.B. \"EUR\", \"DEM\")">();
inline constexpr std::string_view kLabelDatevPath = cp<"&Export-Datenpfad:">();
inline constexpr std::string_view kTitleDatevMapping = cp<"Kontonummernzuordnung">();
inline constexpr std::string_view kDatevMappingIntro =
    cp<"Hier können den TELLMARK-Konten gesonderte Kontonummern für DATEV zugeordnet werden.">();
inline constexpr std::string_view kColumnDatevOwnNumber = cp<"Kontonummer Tellmark">();
inline constexpr std::string_view kColumnDatevOwnName = cp<"Kontenbezeichnung Tellmark">();
inline constexpr std::string_view kColumnDatevNumber = cp<"Kontonummer Datev">();
inline constexpr std::string_view kTitleDatevOpening = cp<"Anfangsbestände als Eröffnungsbuchungen">();
inline constexpr std::string_view kDatevOpeningQuestion = cp<
    "Der Zeitraum beginnt mit dem ersten Tag des Wirtschaftsjahres.\n\n"
    "Sollen die Anfangsbestände der Konten als Eröffnungsbuchungen exportiert werden?">();
inline constexpr std::string_view kDatevButtonYes = cp<"&Ja">();
inline constexpr std::string_view kDatevButtonNo = cp<"&Nein">();
inline constexpr std::string_view kTitleDatevErrorList = cp<"Fehlerliste des Datev-Exports">();
inline constexpr std::string_view kTitleDatevDone = cp<"Abschluss des Datev-Exports - Wichtiger Hinweis">();
inline constexpr std::string_view kProgressDatevOpeningCaption = cp<"Anfangsbestände">();
inline constexpr std::string_view kProgressDatevOpeningLine = cp<"Die Anfangsbestände werden gesucht...">();
inline constexpr std::string_view kProgressDatevCaption = cp<"Datev-Export">();
inline constexpr std::string_view kProgressDatevLine = cp<"Die Buchungssätze werden übergeben...">();

// The mapping file.
inline constexpr std::string_view kDatevMappingComment =
    cp<"; Diese Datei darf in keinem Fall manuell bearbeitet werden!">();
inline constexpr std::string_view kDatevMappingSection = cp<"[DATEVKONTOZUORDNUNG]">();
inline constexpr std::string_view kDatevMappingVersionKey = cp<"Version">();
inline constexpr std::string_view kDatevMappingVersion = cp<"W001001">();

// Records and fields handed to the interface.
inline constexpr std::string_view kDatevFileFormat = cp<"Datev-FBOP-BW-KNE">();
// Lines of the record protocol: the file opened, one line per record written (type, then the fields in
// the order they were set, each "name=value", separated by tabs), the file closed.
inline constexpr std::string_view kDatevProtocolOpen = cp<"Datei: %s\r\n">();
inline constexpr std::string_view kDatevProtocolClose = cp<"Ende\r\n">();
inline constexpr std::string_view kDatevRecordHeader = cp<"Datev-FBOP-Vollvorlauf-KNE">();
inline constexpr std::string_view kDatevRecordVersion = cp<"Datev-FBOP-Versionssatz">();
inline constexpr std::string_view kDatevRecordBooking = cp<"Datev-FBOP-Buchungssatz-KNE">();
inline constexpr std::string_view kDatevRecordGroupSum = cp<"Datev-FIBU-KNE-Gruppensumme">();
inline constexpr std::string_view kDatevRecordClientEnd = cp<"Datev-Mandantenende">();
inline constexpr std::string_view kDatevFieldCarrier = cp<"Datentraegernummer">();
inline constexpr std::string_view kDatevFieldDfv = cp<"DFV-Kennzeichen">();
inline constexpr std::string_view kDatevFieldAdviser = cp<"Berater">();
inline constexpr std::string_view kDatevFieldClient = cp<"Mandant">();
inline constexpr std::string_view kDatevFieldAccounting = cp<"Abrechnungsnummer">();
inline constexpr std::string_view kDatevFieldFrom = cp<"Datum-von">();
inline constexpr std::string_view kDatevFieldTo = cp<"Datum-bis">();
inline constexpr std::string_view kDatevFieldPage = cp<"PN-Seite">();
inline constexpr std::string_view kDatevFieldPassword = cp<"Passwort">();
inline constexpr std::string_view kDatevFieldVersion = cp<"Versionskennzeichen">();
inline constexpr std::string_view kDatevFieldAmount = cp<"Umsatz">();
inline constexpr std::string_view kDatevFieldContra = cp<"Gegenkonto">();
inline constexpr std::string_view kDatevFieldDocument1 = cp<"Belegfeld1">();
inline constexpr std::string_view kDatevFieldDocument2 = cp<"Belegfeld2">();
inline constexpr std::string_view kDatevFieldDate = cp<"Datum">();
inline constexpr std::string_view kDatevFieldAccount = cp<"Konto">();
inline constexpr std::string_view kDatevFieldText = cp<"Text">();
inline constexpr std::string_view kDatevFieldVatKey = cp<"BU-Schluessel">();
inline constexpr std::string_view kDatevFieldCurrency = cp<"Waehrungskennung">();
inline constexpr std::string_view kDatevFieldSum = cp<"Summe">();
inline constexpr std::string_view kDatevPageValue = cp<"001">();
inline constexpr std::string_view kDatevVersionValue = cp<"1,4,4,SELF">();
inline constexpr std::string_view kDatevSumValue = cp<"-400000">();
inline constexpr std::string_view kDatevClosingDocument2 = cp<"Abschl">();
inline constexpr std::string_view kDatevOpeningText = cp<"Saldovortrag">();
inline constexpr std::string_view kDatevOpeningContra = cp<" 9000">();

// The error list, one block per entry.
inline constexpr std::string_view kDatevErrorNumber = cp<"Fehlernummer : %d\n">();
inline constexpr std::string_view kDatevErrorRecord = cp<"Satznummer : %d\n">();
inline constexpr std::string_view kDatevErrorCategory = cp<"Kategorie : %d\n">();
inline constexpr std::string_view kDatevErrorCorrected = cp<"Korrigiert : %s\n">();
inline constexpr std::string_view kDatevErrorField = cp<"Feldname : %s\n">();
inline constexpr std::string_view kDatevErrorDescription = cp<"Beschreibung : %s\n">();
inline constexpr std::string_view kDatevErrorContent = cp<"Feldinhalt : %s\n">();
inline constexpr std::string_view kDatevErrorCorrectedContent = cp<"Inhalt korrigiert : %s\n\n">();
inline constexpr std::string_view kDatevYes = cp<"Ja">();
inline constexpr std::string_view kDatevNo = cp<"Nein">();
inline constexpr std::string_view kDatevErrorAdviser = cp<"Beraternummer: 4 bis 7 Ziffern (1001 bis 9999999)">();
inline constexpr std::string_view kDatevErrorClient = cp<"Mandantennummer: 1 bis 5 Ziffern (1 bis 99999)">();
inline constexpr std::string_view kDatevErrorCurrency = cp<"Währungskennzeichen: drei Großbuchstaben">();

// The files of the export.
inline constexpr std::string_view kDatevProtocolName = cp<"DATEV-Protokoll.txt">();
inline constexpr std::string_view kDatevExtfName = cp<"EXTF_Buchungsstapel_%08i_%08i.csv">();
inline constexpr std::string_view kDatevExtfPartName = cp<"EXTF_Buchungsstapel_%08i_%08i_%i.csv">();
// Line 2 of the DATEV-Format file: the 120 column headings of a booking batch.
inline constexpr std::string_view kDatevExtfHeadings = cp<
    "Umsatz (ohne Soll/Haben-Kz);Soll/Haben-Kennzeichen;WKZ Umsatz;Kurs;Basis-Umsatz;WKZ Basis-Umsatz;"
    "Konto;Gegenkonto (ohne BU-Schlüssel);BU-Schlüssel;Belegdatum;Belegfeld 1;Belegfeld 2;Skonto;"
    "Buchungstext;Postensperre;Diverse Adressnummer;Geschäftspartnerbank;Sachverhalt;Zinssperre;"
    "Beleglink;Beleginfo - Art 1;Beleginfo - Inhalt 1;Beleginfo - Art 2;Beleginfo - Inhalt 2;"
    "Beleginfo - Art 3;Beleginfo - Inhalt 3;Beleginfo - Art 4;Beleginfo - Inhalt 4;Beleginfo - Art 5;"
    "Beleginfo - Inhalt 5;Beleginfo - Art 6;Beleginfo - Inhalt 6;Beleginfo - Art 7;Beleginfo - Inhalt 7;"
    "Beleginfo - Art 8;Beleginfo - Inhalt 8;KOST1 - Kostenstelle;KOST2 - Kostenstelle;KOST-Menge;"
    "EU-Mitgliedstaat u. USt-IdNr.;EU-Steuersatz;Abw. Versteuerungsart;Sachverhalt L+L;"
    "Funktionsergänzung L+L;BU 49 Hauptfunktionstyp;BU 49 Hauptfunktionsnummer;BU 49 Funktionsergänzung;"
    "Zusatzinformation - Art 1;Zusatzinformation - Inhalt 1;Zusatzinformation - Art 2;"
    "Zusatzinformation - Inhalt 2;Zusatzinformation - Art 3;Zusatzinformation - Inhalt 3;"
    "Zusatzinformation - Art 4;Zusatzinformation - Inhalt 4;Zusatzinformation - Art 5;"
    "Zusatzinformation - Inhalt 5;Zusatzinformation - Art 6;Zusatzinformation - Inhalt 6;"
    "Zusatzinformation - Art 7;Zusatzinformation - Inhalt 7;Zusatzinformation - Art 8;"
    "Zusatzinformation - Inhalt 8;Zusatzinformation - Art 9;Zusatzinformation - Inhalt 9;"
    "Zusatzinformation - Art 10;Zusatzinformation - Inhalt 10;Zusatzinformation - Art 11;"
    "Zusatzinformation - Inhalt 11;Zusatzinformation - Art 12;Zusatzinformation - Inhalt 12;"
    "Zusatzinformation - Art 13;Zusatzinformation - Inhalt 13;Zusatzinformation - Art 14;"
    "Zusatzinformation - Inhalt 14;Zusatzinformation - Art 15;Zusatzinformation - Inhalt 15;"
    "Zusatzinformation - Art 16;Zusatzinformation - Inhalt 16;Zusatzinformation - Art 17;"
    "Zusatzinformation - Inhalt 17;Zusatzinformation - Art 18;Zusatzinformation - Inhalt 18;"
    "Zusatzinformation - Art 19;Zusatzinformation - Inhalt 19;Zusatzinformation - Art 20;"
    "Zusatzinformation - Inhalt 20;Stück;Gewicht;Zahlweise;Forderungsart;Veranlagungsjahr;"
    "Zugeordnete Fälligkeit;Skontotyp;Auftragsnummer;Buchungstyp;USt-Schlüssel (Anzahlungen);"
    "EU-Mitgliedstaat (Anzahlungen);Sachverhalt L+L (Anzahlungen);EU-Steuersatz (Anzahlungen);"
    "Erlöskonto (Anzahlungen);Herkunft-Kz;Leerfeld;KOST-Datum;SEPA-Mandatsreferenz;Skontosperre;"
    "Gesellschaftername;Beteiligtennummer;Identifikationsnummer;Zeichnernummer;Postensperre bis;"
    "Bezeichnung SoBil-Sachverhalt;Kennzeichen SoBil-Buchung;Festschreibung;Leistungsdatum;"
    "Datum Zuord. Steuerperiode;Fälligkeit;Generalumkehr (GU);Steuersatz;Land">();
inline constexpr std::string_view kDatevExtfOrigin = cp<"TM">();
inline constexpr std::string_view kDatevExtfExporter = cp<"Tellmark">();
inline constexpr std::string_view kDatevExtfBatchName = cp<"Buchungen %02i.%02i.-%02i.%02i.%04i">();

}  // namespace tellmark::text
