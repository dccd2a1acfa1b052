// The settings of the DATEV export in the order the dialog checks them, the period as dates of the
// booking year, the booking fields' rules, and the account mapping file.

#include <gtest/gtest.h>

#include <string>

#include "exports/datev_booking_fields.h"
#include "exports/datev_books.h"
#include "exports/datev_mapping.h"
#include "exports/datev_settings.h"
#include "posting/posting_types.h"
#include "support/temp_dir.h"

namespace tellmark::exports::testing {
namespace {

using tellmark::testing::readFile;
using tellmark::testing::TempDir;
using tellmark::testing::writeFile;

config::DatevData complete() {
    config::DatevData d;
    d.adviserNumber = "29098";
    d.clientNumber = "55003";
    d.dfv = "TM";
    d.carrierNumber = "001";
    d.accountingNumber = "1";
    d.from = "01.01";
    d.to = "31.12";
    d.currency = "EUR";
    return d;
}

TEST(DatevSettings, TheFirstFieldThatFailsIsReportedInTheDialogsOrder) {
    struct Case {
        void (*spoil)(config::DatevData&);
        DatevField field;
        const char* message;
    };
    const Case cases[] = {
        {[](config::DatevData& d) { d.adviserNumber.clear(); }, DatevField::Adviser,
         "Die Steuerberaternummer fehlt noch!"},
        {[](config::DatevData& d) { d.clientNumber.clear(); }, DatevField::Client, "Die Mandantennummer fehlt noch!"},
        {[](config::DatevData& d) { d.dfv = "  "; }, DatevField::Dfv, "Das Namensk\xFCrzel (DFV-Kennzeichen) fehlt."},
        {[](config::DatevData& d) { d.carrierNumber.clear(); }, DatevField::Carrier,
         "Die Datentr\xE4gernummer fehlt noch!"},
        {[](config::DatevData& d) { d.accountingNumber.clear(); }, DatevField::Accounting,
         "Die Abrechnungsnummer fehlt noch!"},
        {[](config::DatevData& d) { d.from.clear(); }, DatevField::From, "Die Zeitraumangabe 'von' fehlt noch!"},
        {[](config::DatevData& d) { d.currency = "EU"; }, DatevField::Currency,
         "Das W\xE4hrungskennzeichen ist nicht korrekt eingetragen!"},
        {[](config::DatevData& d) { d.currency = "   "; }, DatevField::Currency,
         "Das W\xE4hrungskennzeichen ist nicht korrekt eingetragen!"},
        {[](config::DatevData& d) { d.currency = "E R"; }, DatevField::Currency,
         "Das W\xE4hrungskennzeichen ist nicht g\xFCltig!"},
        {[](config::DatevData& d) { d.to.clear(); }, DatevField::To, "Die Zeitraumangabe 'bis' fehlt noch!"},
    };
    EXPECT_EQ(checkDatevSettings(complete()).field, DatevField::None);
    config::DatevData all = complete();
    for (const Case& c : cases) {
        config::DatevData d = complete();
        c.spoil(d);
        const DatevCheck check = checkDatevSettings(d);
        EXPECT_EQ(check.field, c.field) << c.message;
        EXPECT_EQ(check.message, c.message);
        c.spoil(all);
    }
    // With everything missing the adviser number comes first; the password is optional.
    EXPECT_EQ(checkDatevSettings(all).field, DatevField::Adviser);
    config::DatevData noPassword = complete();
    noPassword.password.clear();
    EXPECT_EQ(checkDatevSettings(noPassword).field, DatevField::None);
}

TEST(DatevSettings, ThePeriodIsTwoDatesOfTheBookingYearInOrder) {
    DatevBooks calendar(2009);
    DatevBooks july(2008, 7);
    DatevBooks leapJuly(2007, 7);  // February 2008 has 29 days
    struct Case {
        const DatevBooks& books;
        const char* from;
        const char* to;
        DatevField field;
    };
    const Case cases[] = {
        {calendar, "01.01", "31.13", DatevField::None},  {calendar, "1.3", "5.3", DatevField::None},
        {calendar, "31.04", "30.05", DatevField::From},  {calendar, "01.02", "29.02", DatevField::To},
        {calendar, "0103", "31.03", DatevField::From},   {calendar, "01.3x", "31.03", DatevField::From},
        {calendar, "01.14", "31.03", DatevField::From},  {calendar, "01.04", "31.03", DatevField::To},
        {july, "01.10", "31.03", DatevField::None},      {july, "01.03", "30.06", DatevField::None},
        {july, "01.03", "31.10", DatevField::To},        {july, "29.02", "30.06", DatevField::From},
        {leapJuly, "29.02", "30.06", DatevField::None},
        {july, "31.13", "31.13", DatevField::None},      {july, "01.01", "30.09", DatevField::To},
    };
    for (const Case& c : cases) {
        config::DatevData d = complete();
        d.from = c.from;
        d.to = c.to;
        DatevPeriod p;
        const DatevCheck check = checkDatevPeriod(d, c.books.settings, p);
        EXPECT_EQ(check.field, c.field) << c.from << " - " << c.to;
        if (check.field == DatevField::From) {
            EXPECT_EQ(check.message, "Zeitraum \"von\" konnte nicht korrekt ermittelt werden!");
        }
        if (check.field == DatevField::To) {
            EXPECT_EQ(check.message, "Zeitraum \"bis\" konnte nicht korrekt ermittelt werden!");
        }
    }
    DatevPeriod p{1, 7, 30, 6};
    EXPECT_TRUE(periodOpensBusinessYear(p, july.settings));
    EXPECT_FALSE(periodOpensBusinessYear(p, calendar.settings));
}

TEST(DatevBookingFields, AmountsDocumentsTextsAndDates) {
    EXPECT_EQ(datevAmountText(datevCents(0.50)), "50");
    EXPECT_EQ(datevAmountText(datevCents(-123.45)), "-12345");
    EXPECT_EQ(datevAmountText(datevCents(-0.50)), "-50");
    EXPECT_EQ(datevAmountText(datevCents(99999999.99)), "9999999999");
    EXPECT_EQ(datevDocumentText("  Re-12/b "), "Re-12/b");
    EXPECT_EQ(datevDocumentText("R#1 \xE4"), "R*1**");
    EXPECT_EQ(datevDocumentText("$%&*+-/"), "$%&*+-/");
    EXPECT_EQ(datevBookingText("  M\xFCller\tund\r\nSohn  "), "M\xFCller.und..Sohn");
    DatevBooks calendar(2009), july(2008, 7), february(2011, 3);
    EXPECT_EQ(datevDateText(5, 3, calendar.settings), "503");
    EXPECT_EQ(datevDateText(31, 12, calendar.settings), "3112");
    EXPECT_EQ(datevDateText(31, 13, calendar.settings), "3112");
    EXPECT_EQ(datevDateText(1, 13, july.settings), "3006");
    EXPECT_EQ(datevDateText(31, 13, february.settings), "2902");  // 2012 is a leap year
}

TEST(DatevBookingFields, TheVatKeyFollowsPostingTypeRateAndYear) {
    using namespace posting;
    struct Case {
        int type;
        double rate;
        int year;
        const char* key;
    };
    const Case cases[] = {
        {kPostingInputVatOnCredit, 19, 2007, "09"},  {kPostingInputVatOnDebit, 19.004, 2009, "09"},
        {kPostingOutputVatOnCredit, 19, 2009, "03"}, {kPostingOutputVatOnDebit, 18.996, 2009, "03"},
        {kPostingInputVatOnDebit, 19, 2006, ""},     {kPostingOutputVatOnCredit, 19, 2006, ""},
        {kPostingInputVatOnDebit, 16, 2006, "09"},   {kPostingOutputVatOnCredit, 16, 2006, "03"},
        {kPostingInputVatOnDebit, 16, 2009, "07"},   {kPostingOutputVatOnCredit, 16, 2009, "05"},
        {kPostingInputVatOnCredit, 7, 2006, "08"},   {kPostingOutputVatOnDebit, 7, 2009, "02"},
        {kPostingPlain, 19, 2009, ""},               {kPostingEuPair, 19, 2009, ""},
        {kPostingSpecialOutputVatOnCredit, 19, 2009, ""}, {kPostingInputVatOnDebit, 0, 2009, ""},
        {kPostingInputVatOnDebit, 19.01, 2009, ""},  {kPostingOutputVatOnCredit, 5, 2020, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(datevVatKey(c.type, c.rate, c.year), c.key) << c.type << " " << c.rate << " " << c.year;
}

TEST(DatevMapping, NumbersAsTheExportSendsThemAndAsTheDialogProposesThem) {
    DatevMapping m;
    m.assign({{1200, 1210}, {20006, 71000}, {20007, 20010}, {4930, 0}, {8400, 8401}});
    EXPECT_EQ(m.exported(1200), 1210);
    EXPECT_EQ(m.exported(1000), 1000);
    EXPECT_EQ(m.exported(20005), 70005);
    EXPECT_EQ(m.exported(20006), 71000);
    EXPECT_EQ(m.exported(20007), 70010);
    EXPECT_EQ(m.exported(8400), 8400);  // the table ended at the pair with 0
    EXPECT_EQ(m.pairs().size(), 3u);
    EXPECT_EQ(proposedDatevNumber(20005), 70005);
    EXPECT_EQ(proposedDatevNumber(10005), 10005);
}

TEST(DatevMapping, TheFileIsWrittenWholeAndReadBack) {
    TempDir dir;
    const std::string path = dir.file("DATEV001.DAT");
    ui::RecordingMessages messages;
    DatevMapping stored;
    stored.assign({{20005, 70005}, {1200, 1210}});
    const DatevMapping merged = mergedDatevMapping(stored, {{1200, 1220}, {8400, 8410}});
    ASSERT_TRUE(writeDatevMapping(path, merged, messages));
    EXPECT_EQ(readFile(path),
              "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[DATEVKONTOZUORDNUNG]\r\n"
              "Version=W001001\r\n1200=1220\r\n8400=8410\r\n20005=70005\r\n");
    DatevMapping read;
    int bad = -1;
    EXPECT_EQ(readDatevMapping(path, read, bad), MappingRead::Read);
    EXPECT_EQ(read.pairs(), merged.pairs());
    EXPECT_EQ(readDatevMapping(dir.file("DATEV002.DAT"), read, bad), MappingRead::Missing);
    EXPECT_TRUE(read.pairs().empty());

    writeFile(path, "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[DATEVKONTOZUORDNUNG]\r\n"
                    "Version=W001001\r\n1200=1220\r\n8400=84x0\r\n");
    EXPECT_EQ(readDatevMapping(path, read, bad), MappingRead::Damaged);
    EXPECT_EQ(bad, 6);
    EXPECT_FALSE(loadDatevMapping(path, read, messages));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.last().text, "Die Datei der Kontonummernzuordnung\n" + path +
                                        "\nist besch\xE4" "digt (Zeile 6) und wird nicht verwendet.");
    writeFile(path, "[DATEVKONTOZUORDNUNG]\r\nVersion=W001002\r\n");
    EXPECT_EQ(readDatevMapping(path, read, bad), MappingRead::Damaged);
    EXPECT_EQ(bad, 2);
}

}  // namespace
}  // namespace tellmark::exports::testing
