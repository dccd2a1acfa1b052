#include "config/file_names.h"

#include <gtest/gtest.h>

namespace tellmark::config {
namespace {

TEST(FileNames, ChartLetterAndYearFiles) {
    EXPECT_EQ(balanceFileName("", 4, 2010, 12), "BK000012/A2010012.sal");
    EXPECT_EQ(balanceFileName("", 3, 2010, 12), "BK000012/B2010012.sal");
    // A missing "Kontenrahmen" reads 0 and, like any value but 4, names chart 03 files.
    EXPECT_EQ(balanceFileName("", 0, 2010, 12), "BK000012/B2010012.sal");
    EXPECT_EQ(balanceFileName("", 40, 2010, 12), "BK000012/B2010012.sal");

    EXPECT_EQ(balanceIndexFileName("/data", 3, 2009, 1), "/data/BK000001/B2009001.sdx");
    EXPECT_EQ(journalFileName("/data", 3, 2009, 1), "/data/BK000001/B2009001.jou");
    EXPECT_EQ(journalIndexFileName("/data", 4, 2009, 999), "/data/BK000999/A2009999.jdx");
    // A business year across two calendar years keeps its leading zero.
    EXPECT_EQ(journalFileName("", 3, 809, 3), "BK000003/B0809003.jou");
}

TEST(FileNames, SettingsFileWithAndWithoutDataDirectory) {
    EXPECT_EQ(settingsFileName("", 7), "BK000007/STAMM007.DAT");
    EXPECT_EQ(settingsFileName("/home/buch", 7), "/home/buch/BK000007/STAMM007.DAT");
    EXPECT_EQ(circleDirectoryName("", 7), "BK000007");
    EXPECT_EQ(circleDirectoryName("/home/buch", 123), "/home/buch/BK000123");
}

TEST(FileNames, CircleFilesWithoutYear) {
    EXPECT_EQ(standardBookingsFileName("", 3, 1), "BK000001/B001.stn");
    EXPECT_EQ(standardBookingsFileName("/d", 4, 12), "/d/BK000012/A012.stn");
    EXPECT_EQ(printFileName("", 1), "BK000001/~print~.tmp");
    EXPECT_EQ(vatWorkFileName("/d", 1), "/d/BK000001/~ustva~.tmp");
    EXPECT_EQ(datevMappingFileName("", 42), "BK000042/DATEV042.DAT");
}

TEST(FileNames, OldFormatNamesHaveTwoDigitCircleNumbers) {
    EXPECT_EQ(oldBalanceFileName("", 3, 2009, 1), "B200901s.buc");
    EXPECT_EQ(oldBalanceIndexFileName("", 3, 2009, 1), "B200901s.ndx");
    EXPECT_EQ(oldJournalFileName("", 4, 2009, 1), "A200901j.buc");
    EXPECT_EQ(oldJournalIndexFileName("/d", 3, 2009, 12), "/d/B200912j.ndx");
    EXPECT_EQ(oldStandardBookingsFileName("", 3, 1), "B01j.buc");
    EXPECT_EQ(oldStandardBookingsFileName("/d", 4, 7), "/d/A07j.buc");
}

TEST(FileNames, GdpduExport) {
    EXPECT_EQ(gdpduRootDirectory("/d", 1), "/d/BK000001/GDPdU");
    EXPECT_EQ(gdpduYearDirectory("/d", 1, 2009), "/d/BK000001/GDPdU/2009");
    EXPECT_EQ(gdpduDescriptionFileName("/d", 1, 2009), "/d/BK000001/GDPdU/2009/index.xml");
    EXPECT_EQ(gdpduDtdFileName("", 1, 2009), "BK000001/GDPdU/2009/gdpdu-01-08-2002.dtd");
    EXPECT_EQ(gdpduJournalTableFileName("/d", 1, 2009), "/d/BK000001/GDPdU/2009/2009-jou.txt");
    EXPECT_EQ(gdpduCashBookTableFileName("/d", 1, 809), "/d/BK000001/GDPdU/0809/0809-kas.txt");
    EXPECT_EQ(gdpduAccountSheetTableFileName("", 2, 2010), "BK000002/GDPdU/2010/2010-kto.txt");
    EXPECT_EQ(gdpduBalanceTableFileName("", 2, 2010), "BK000002/GDPdU/2010/2010-sal.txt");
    EXPECT_EQ(gdpduJournalTableName(809), "0809-jou.txt");
    EXPECT_EQ(gdpduCashBookTableName(2009), "2009-kas.txt");
    EXPECT_EQ(gdpduAccountSheetTableName(2009), "2009-kto.txt");
    EXPECT_EQ(gdpduBalanceTableName(2009), "2009-sal.txt");
    EXPECT_EQ(gdpduDtdSourceFileName(""), "progdata/gdpdu-01-08-2002.dtd");
    EXPECT_EQ(gdpduDtdSourceFileName("/opt/tm"), "/opt/tm/progdata/gdpdu-01-08-2002.dtd");
}

TEST(FileNames, VatTransferName) {
    EXPECT_EQ(vatTransferName(1, 9, 41), "001-0941.u09");
    EXPECT_EQ(vatTransferName(123, 10, 3), "123-1003.u10");
    // A four-digit year still gives the two-digit name.
    EXPECT_EQ(vatTransferName(1, 2009, 12), "001-0912.u09");
}

}  // namespace
}  // namespace tellmark::config
