#include "reports/standard_bookings_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/circle_settings.h"
#include "resources/cp1252_literal.h"
#include "resources/format.h"
#include "support/temp_dir.h"

namespace tellmark::reports {
namespace {

constexpr std::size_t kWidth = 110;

std::string pad(std::string_view text) {
    std::string line(text);
    line.resize(kWidth, ' ');
    return line + "\r\n";
}
std::string lr(std::string_view left, std::string_view right) {
    std::string line(left);
    line.resize(kWidth, ' ');
    line.replace(kWidth - right.size(), right.size(), right);
    return line + "\r\n";
}

std::string header(const char* sheet) {
    return lr("STANDARDBUCHUNGEN", "03.02.2010") + lr("-----------------", sheet) + pad("") +
           pad("Buchungsjahr 2009") + pad("") + pad("Muster GmbH") + pad("") +
           pad("Nr.   Mark.    BELEG         S       H      BUCHUNGSTEXT                   BETRAG EUR   MWST.(%)     "
               "MWST. EUR") +
           pad(std::string(kWidth, '\xAD'));
}

TEST(StandardBookingsList, OneLinePerRecordAndPagesByTheBudget) {
    testing::TempDir dir;
    ui::RecordingMessages messages;
    PrintFile printFile(dir.file("~print~.tmp"), messages);
    config::CircleSettings settings;
    settings.name = "Muster GmbH";
    settings.year = 2009;
    settings.firstYear4 = 2009;
    settings.secondYear4 = 2009;
    settings.currency1 = "EUR";
    ReportRequest request;
    request.printDay = 3;
    request.printMonth = 2;
    request.printYear = 2010;
    request.linesPerPage = 35;  // 14 body lines a page

    std::vector<ledger::StandardBookingRecord> records;
    for (int i = 0; i < 15; ++i)
        records.push_back(ledger::makeStandardBooking(i % 2 == 0, "R1", " 1200", " 8400", "Miete", "    1190.00", "19.00"));
    records.push_back(ledger::makeStandardBooking(false, "", "10001", " 8400", std::string(cp<"Gebühr .#">()),
                                                  "       0.00", " 0.00"));
    ASSERT_EQ(GenerateStandardBookingsList(printFile, request, records, settings), 1);
    EXPECT_EQ(request.pageCount, 2);

    auto line = [](const char* number, const char* mark) {
        return pad(std::string(number) + "     " + mark +
                   "      R1          1200    8400     Miete                             1190.00      19.00        190.00");
    };
    std::string expected = header("Blatt 01");
    for (int i = 0; i < 14; ++i) expected += line(format("%03i", i + 1).c_str(), i % 2 == 0 ? "X" : " ");
    expected += pad("") + pad("") + lr("", "Blatt 01+") + header("Blatt 02") + line("015", "X") +
                pad("016" + std::string(23, ' ') + "10001    8400     " + std::string(cp<"Gebühr .#">()) +
                    std::string(16, ' ') + "     " + "       0.00" + "      " + " 0.00" + "   " + "       0.00");
    EXPECT_EQ(testing::readFile(printFile.path()), expected);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tellmark::reports
