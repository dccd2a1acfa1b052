// "config set" takes the page settings only within the limits of the "Seiteneinstellungen" dialog:
// reports lay out their pages from them.

#include <gtest/gtest.h>

#include <tuple>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

TEST(CliPageSettings, ConfigSetKeepsTheLimitsOfTheDialog) {
    TempDir dir;
    auto cli = [&](const std::vector<std::string>& args) { return runCli(dir.path(), args); };
    ASSERT_EQ(cli({"init"}).exitCode, 0);
    const std::string ini = readFile(dir.file("tellmark.ini"));
    const std::string lines = "FEHLER: Der Wert für \"Zeilen pro Seite\" muss eine ganze Zahl von 35 bis 90 sein !\n";
    const std::string margin = "FEHLER: Der Wert für \"Rand oben\" muss eine ganze Zahl von 0 bis 3 sein !\n";
    for (const auto& [key, value, err] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"Zeilen pro Seite", "99999999", lines},
             {"Zeilen pro Seite", "34", lines},
             {"Zeilen pro Seite", "60x", lines},
             {"Zeilen pro Seite", "", lines},
             {"Rand oben", "4", margin},
             {"Rand oben", "-1", margin},
         }) {
        auto r = cli({"config", "set", key, value});
        EXPECT_EQ(r.exitCode, 1) << key << "=" << value;
        EXPECT_EQ(r.err, err);
    }
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), ini);
    EXPECT_EQ(cli({"config", "set", "Zeilen pro Seite", "90"}).exitCode, 0);
    EXPECT_EQ(cli({"config", "set", "Rand oben", "0"}).exitCode, 0);
    EXPECT_EQ(cli({"config", "get", "Zeilen pro Seite"}).out, "90\n");
}

}  // namespace
}  // namespace tellmark::testing
