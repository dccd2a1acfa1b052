// Import of bookings: the two file forms, the checks of a line, the correction question, and books that
// come out exactly as posting the same lines one by one.

#include <gtest/gtest.h>

#include <cerrno>

#include "config/text_helpers.h"
#include "entry/entry_circle.h"
#include "entry/typed_booking.h"
#include "ledger/journal_record.h"
#include "platform/fault_points.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_import.h"
#include "ui/decisions.h"
#include "ui/recording_progress.h"
#include "yearend/booking_import.h"
#include "yearend/import_file.h"

namespace tellmark::yearend {
namespace {

using tellmark::testing::readFile;
using tellmark::testing::writeFile;

std::string record(const std::string& date, const std::string& document, const std::string& debit,
                   const std::string& credit, const std::string& text, const std::string& amount,
                   const std::string& rate) {
    return format("%-5s%-6s%5s%5s%-25s%11s%5s\r\n", date.c_str(), document.c_str(), debit.c_str(), credit.c_str(),
                  text.c_str(), amount.c_str(), rate.c_str());
}

entry::TypedBooking typedLine(std::string date, std::string document, std::string debit, std::string credit,
                              std::string text, std::string amount, std::string rate) {
    entry::TypedBooking typed;
    typed.date = std::move(date);
    typed.document = std::move(document);
    typed.debit = std::move(debit);
    typed.credit = std::move(credit);
    typed.text = std::move(text);
    typed.amount = std::move(amount);
    typed.rate = std::move(rate);
    return typed;
}

std::string pad(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

TEST(ImportFileRead, RecordsAreCutIntoTheirFieldsAndAnIncompleteTailIsLeftOut) {
    const std::string bytes = record("05.03", "R1", "1200", "8400", "Verkauf", "119.00", "19.00") +
                              record("06.03", "", "4930", "1000", "B\xFCro", "-10.50", " 7.00") + "xy";
    ASSERT_EQ(bytes.size(), 130u);
    const ImportFile file = parseImportFile(bytes);
    EXPECT_EQ(file.format, ImportFormat::Records);
    EXPECT_TRUE(file.incomplete);
    EXPECT_EQ(file.damagedLine, 0);
    ASSERT_EQ(file.lines.size(), 2u);
    EXPECT_EQ(file.lines[0].number, 1);
    EXPECT_EQ(file.lines[0].fields, (ImportFields{"05.03", "R1    ", " 1200", " 8400", pad("Verkauf", 25),
                                                  "     119.00", "19.00"}));
    EXPECT_EQ(file.lines[1].number, 2);
    EXPECT_EQ(file.lines[1].fields, (ImportFields{"06.03", "      ", " 4930", " 1000", pad("B\xFCro", 25),
                                                  "     -10.50", " 7.00"}));
}

TEST(ImportFileRead, ARecordWithoutItsLineEndLeavesNoLineToPost) {
    std::string second = record("06.03", "", "4930", "1000", "x", "1.00", "0.00");
    second[62] = ' ';
    const ImportFile file = parseImportFile(record("05.03", "", "1200", "8400", "a", "1.00", "0.00") + second +
                                            record("07.03", "", "1200", "8400", "c", "1.00", "0.00"));
    EXPECT_EQ(file.damagedLine, 2);
    EXPECT_EQ(file.damage, text::kImportWrongLineLength);
    EXPECT_TRUE(file.lines.empty());
}

TEST(ImportFileRead, SemicolonLinesInEitherEncodingGiveTheSameFields) {
    const std::string cp1252 =
        "Datum;Beleg;Soll;Haben;Text;Betrag;Satz\r\n"
        "05.03.2009;R1;1200;8400;\"B\xFCro; \"\"A4\"\"\";119,50;19\r\n"
        "\r\n"
        "06.03;;1200;8400;ohne Satz;10;;;\n"
        "07.03;;1200;8400;ohne Satzspalte;10";
    std::string utf8 = cp1252;
    utf8.replace(utf8.find('\xFC'), 1, "\xC3\xBC");
    const std::string forms[] = {cp1252, utf8, "\xEF\xBB\xBF" + utf8};
    for (int form = 0; form < 3; ++form) {
        SCOPED_TRACE(form);
        const ImportFile file = parseImportFile(forms[form]);
        EXPECT_EQ(file.format, ImportFormat::Columns);
        EXPECT_EQ(file.utf8, form > 0);
        EXPECT_EQ(file.damagedLine, 0);
        ASSERT_EQ(file.lines.size(), 3u);
        EXPECT_EQ(file.lines[0].number, 2);
        EXPECT_EQ(file.lines[0].fields,
                  (ImportFields{"05.03.2009", "R1", "1200", "8400", "B\xFCro; \"A4\"", "119,50", "19"}));
        EXPECT_EQ(file.lines[1].number, 4);
        EXPECT_EQ(file.lines[1].fields, (ImportFields{"06.03", "", "1200", "8400", "ohne Satz", "10", ""}));
        EXPECT_EQ(file.lines[2].fields, (ImportFields{"07.03", "", "1200", "8400", "ohne Satzspalte", "10", ""}));
    }
    // A first line with a faulty date is a booking to correct, not a header.
    const ImportFile faultyFirst = parseImportFile("xx.03;;1200;8400;Datum fehlt;10;19\n");
    ASSERT_EQ(faultyFirst.lines.size(), 1u);
    EXPECT_EQ(faultyFirst.lines[0].number, 1);
    EXPECT_FALSE(looksLikeUtf8("nur ASCII"));
    EXPECT_FALSE(looksLikeUtf8("\xC3"));  // cut in the middle of a character
    EXPECT_FALSE(looksLikeUtf8("\xC0\x80"));  // overlong
}

TEST(ImportFileRead, ALineThatCannotBeReadNamesItsNumber) {
    const struct {
        const char* line;
        std::string why;
    } cases[] = {
        {"07.03;;1200;8400;\"offen;10;19", std::string(text::kImportUnclosedQuote)},
        {"07.03;;1200;8400;x;10;19;netto", std::string(text::kImportTooManyColumns)},
        {"07.03;;1200;8400;10", std::string(text::kImportTooFewColumns)},
        {"07.03;;1200;8400;Haken \xE2\x9C\x93;10;19", format(text::kImportUnmappable, "U+2713")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ImportFile file =
            parseImportFile(std::string("05.03;;1200;8400;\xC3\xA4;1;0\n06.03;;1200;8400;b;1;0\n") + c.line + "\n");
        EXPECT_EQ(file.damagedLine, 3);
        EXPECT_EQ(file.damage, format(text::kImportUnreadableLine, c.why.c_str()));
        EXPECT_TRUE(file.lines.empty());
    }
}

// A person who answers from a script and notes how many bookings the journal held at each question.
class Person : public ui::Decisions {
public:
    explicit Person(circles::CVt36Doc& doc) : doc_(doc) {}
    int ask(ui::Question& question) override {
        journalAtQuestion.push_back(doc_.journal().count());
        return script.ask(question);
    }
    ui::ScriptedDecisions script;
    std::vector<long> journalAtQuestion;

private:
    circles::CVt36Doc& doc_;
};

class BookingImport : public entry::testing::EntryCircles {
protected:
    std::string importFile(const std::string& bytes) {
        const std::string path = dir.file("buchungen.txt");
        writeFile(path, bytes);
        return path;
    }
    static std::vector<std::string> documents(circles::CVt36Doc& doc) {
        std::vector<std::string> out;
        for (long n = 1; n <= doc.journal().count(); ++n)
            out.push_back(config::trim(ledger::textsOf(*doc.journal().readParsed(n)).document));
        return out;
    }
};

TEST_F(BookingImport, PostsExactlyWhatPostingTheLinesOneByOneWould) {
    entry::testing::OpenCircle imported = open(1, "100");
    entry::testing::OpenCircle byHand = open(2, "100");
    // Every kind of posting type, negative amounts and blank document numbers.
    const struct {
        const char *debit, *credit, *rate;
    } kinds[] = {{"1200", "8400", "19.00"}, {"4930", "1000", " 7.00"}, {"10001", "8400", "19.00"},
                 {"1000", "1200", " 0.00"}};
    std::string bytes;
    std::vector<entry::TypedBooking> good;
    for (int i = 0; i < 40; ++i) {
        const auto& k = kinds[i % 4];
        const std::string date = format("%02i.%02i", 1 + i % 28, 1 + i % 12);
        const std::string document = i % 3 == 0 ? "" : format("R%i", i);
        const std::string text = format("Zeile %i", i);
        const std::string amount = format("%.2f", (i % 7 == 0 ? -1 : 1) * (1.0 + i * 0.37));
        bytes += record(date, document, k.debit, k.credit, text, amount, k.rate);
        good.push_back(typedLine(date, document, k.debit, k.credit, text, amount, k.rate));
        if (i == 20) {
            bytes += record("30.02", "", "1200", "8400", "kein Tag", "1.00", "19.00");
            bytes += record("01.03", "", "1200", " 9999", "kein Konto", "1.00", "19.00");
            bytes += record("01.03", "", "1200", "8400", "Betrag", "zehn", "19.00");
            bytes += record("01.03", "", "1200", "8400", "Null", "0.00", "19.00");
            bytes += record("01.03", "", "1200", "8400", "Zahl .# fehlt", "5.00", "19.00");
            bytes += record("01.03", "", "1000", "1200", "Satz", "5.00", "19.00");
        }
    }
    ui::NoDecisions nobody;
    const ImportResult result = importBookings(*imported.doc, importFile(bytes), nobody, FaultHandling::Skip);
    EXPECT_EQ(result.end, ImportEnd::Done);
    EXPECT_EQ(result.lines, 46);
    EXPECT_EQ(result.posted, 40);
    const std::vector<ImportFault> faulty = {
        {22, std::string(text::kImportFaultDate)},   {23, std::string(text::kImportFaultAccount)},
        {24, std::string(text::kImportFaultAmount)}, {25, std::string(text::kImportFaultAmount)},
        {26, std::string(text::kImportFaultMarker)}, {27, std::string(text::kImportFaultRate)}};
    EXPECT_EQ(result.faults, faulty);
    EXPECT_EQ(result.skipped, faulty);
    EXPECT_TRUE(messages.empty());

    for (const entry::TypedBooking& typed : good)
        ASSERT_EQ(entry::postTypedBooking(*byHand.doc, typed).result, entry::TypedResult::Saved) << typed.text;
    for (const char* file : {"jou", "sal", "jdx", "sdx"}) EXPECT_EQ(imported.file(file), byHand.file(file)) << file;
    EXPECT_EQ(imported.doc->documentNumbering().next(), byHand.doc->documentNumbering().next());
    EXPECT_EQ(imported.doc->documentNumbering().next(), 100 + 14);
}

TEST_F(BookingImport, ThousandsOfLinesArePostedInTheJournalsOwnForm) {
    entry::testing::OpenCircle circle = open(1, "1");
    // Records in the journal's own form come out of the posting unchanged.
    std::string bytes;
    for (int i = 0; i < 2345; ++i)
        bytes += record(format("%02i.%02i", 1 + i % 28, 1 + i % 12), format("B%i", i), " 1200", " 8400",
                        format("Zeile %i", i), format("%.2f", 1.0 + i), "19.00");
    ui::NoDecisions nobody;
    const ImportResult result = importBookings(*circle.doc, importFile(bytes), nobody, FaultHandling::Ask);
    EXPECT_EQ(result.end, ImportEnd::Done);
    EXPECT_EQ(result.posted, 2345);
    EXPECT_EQ(circle.file("jou"), bytes);
    EXPECT_EQ(circle.doc->documentNumbering().next(), 1);
    EXPECT_FALSE(circle.doc->books().marker.present());  // no operation left open
}

int journalWrites = 0;
int failingJournalWrite = 0;
int failOneJournalWrite(platform::Change change, const std::string& path) {
    if (change != platform::Change::Write || !path.ends_with(".jou")) return platform::kProceed;
    return ++journalWrites == failingJournalWrite ? EIO : platform::kProceed;
}

TEST_F(BookingImport, AFailedWriteTakesTheWholeRunOutSoThatImportingAgainPostsEveryLineOnce) {
    entry::testing::OpenCircle broken = open(1);
    entry::testing::OpenCircle whole = open(2);
    const std::string before = broken.file("sal");
    std::string bytes;
    for (int i = 0; i < 1500; ++i)
        bytes += record(format("%02i.03", 1 + i % 28), format("B%i", i), " 1200", " 8400", format("Zeile %i", i),
                        format("%.2f", 1.0 + i), "19.00");
    ui::NoDecisions nobody;
    journalWrites = 0;
    failingJournalWrite = 1200;
    platform::setFaultHook(failOneJournalWrite);
    const ImportResult failed = importBookings(*broken.doc, importFile(bytes), nobody, FaultHandling::Ask);
    platform::setFaultHook(nullptr);
    EXPECT_EQ(failed.end, ImportEnd::Failed);
    EXPECT_EQ(failed.posted, 0);
    EXPECT_FALSE(messages.empty());
    EXPECT_EQ(broken.file("jou"), "");
    EXPECT_EQ(broken.file("sal"), before);

    messages.entries.clear();
    EXPECT_EQ(importBookings(*broken.doc, importFile(bytes), nobody, FaultHandling::Ask).posted, 1500);
    ASSERT_EQ(importBookings(*whole.doc, importFile(bytes), nobody, FaultHandling::Ask).posted, 1500);
    EXPECT_EQ(broken.file("jou"), bytes);
    for (const char* file : {"sal", "jdx", "sdx"}) EXPECT_EQ(broken.file(file), whole.file(file)) << file;
}

TEST_F(BookingImport, TheProgressWindowStepsOncePerLine) {
    open(1);  // made with its accounts, and closed again
    ui::RecordingProgress shown;
    circles::CVt36Doc doc(messages, shown);
    ASSERT_EQ(doc.readProgramConfig(), 1);
    ASSERT_EQ(doc.openCircle(1), 1);
    shown.phases.clear();
    std::string bytes;
    for (int i = 0; i < 250; ++i) bytes += record("05.03", "", "1200", i == 7 ? "9999" : "8400", "x", "1.00", "19.00");
    ui::NoDecisions nobody;
    EXPECT_EQ(importBookings(doc, importFile(bytes), nobody, FaultHandling::Skip).posted, 249);
    ASSERT_EQ(shown.phases.size(), 1u);
    const ui::RecordingProgress::Phase& phase = shown.phases[0];
    EXPECT_EQ(phase.caption, text::kImportProgressCaption);
    EXPECT_EQ(phase.firstLine, "");
    EXPECT_EQ(phase.secondLine, text::kImportProgressText);
    EXPECT_EQ(phase.barLabel, text::kImportProgressLabel);
    EXPECT_EQ(phase.total, 250);
    EXPECT_EQ(phase.mode, ui::kBarStayFull);
    EXPECT_EQ(phase.stepped, 250);
    EXPECT_EQ(shown.polls, 2);
    EXPECT_EQ(shown.ends, 1);
}

TEST_F(BookingImport, SemicolonFilesInUtf8AndWindows1252PostTheSameBookings) {
    entry::testing::OpenCircle utf8 = open(1);
    entry::testing::OpenCircle cp1252 = open(2);
    const std::string lines =
        "Datum;Beleg;Soll;Haben;Text;Betrag;MwSt\n"
        "05.03.2009;R1;1200;8400;\"B\xFCroverkauf; bar\";1234,56;19\n"
        "2009-03-06;;4930;1200;Papier;-12,5;7\n"
        "07,03;R3;1000;1200;Einlage;100.10;\n";
    std::string utf8Lines = lines;
    utf8Lines.replace(utf8Lines.find('\xFC'), 1, "\xC3\xBC");
    ui::NoDecisions nobody;
    EXPECT_EQ(importBookings(*utf8.doc, importFile(utf8Lines), nobody, FaultHandling::Ask).posted, 3);
    EXPECT_EQ(importBookings(*cp1252.doc, importFile(lines), nobody, FaultHandling::Ask).posted, 3);
    EXPECT_EQ(utf8.file("jou"), cp1252.file("jou"));
    EXPECT_EQ(utf8.file("jou"), record("05.03", "R1", " 1200", " 8400", "B\xFCroverkauf; bar", "1234.56", "19.00") +
                                    record("06.03", "", " 4930", " 1200", "Papier", "-12.50", " 7.00") +
                                    record("07.03", "R3", " 1000", " 1200", "Einlage", "100.10", " 0.00"));
    EXPECT_EQ(utf8.file("sal"), cp1252.file("sal"));
}

TEST_F(BookingImport, WithNobodyToAskAFaultyLineStopsTheImportBeforeAnythingIsPosted) {
    entry::testing::OpenCircle circle = open(1);
    ASSERT_EQ(entry::postTypedBooking(*circle.doc, typedLine("01.01", "", "1200", "8400", "vorher", "1", "")).result,
              entry::TypedResult::Saved);
    const std::string journal = circle.file("jou");
    const std::string balances = circle.file("sal");
    const std::string path = importFile(record("05.03", "", "1200", "8400", "gut", "10.00", "19.00") +
                                        record("00.00", "", "1200", "8400", "Datum", "10.00", "19.00") +
                                        record("05.03", "", "1200", "8400", "gut", "10.00", "19.00") +
                                        record("05.03", "", "1200", "1200", "gleich", "10.00", "19.00") +
                                        record("05.03", "", "1200", "8400", "Betrag", "10,00x", "19.00"));
    ui::NoDecisions nobody;
    const ImportResult result = importBookings(*circle.doc, path, nobody, FaultHandling::Ask);
    EXPECT_EQ(result.end, ImportEnd::Stopped);
    EXPECT_EQ(result.posted, 0);
    EXPECT_EQ(result.faults, (std::vector<ImportFault>{{2, std::string(text::kImportFaultDate)},
                                                       {4, "Gleiche Kontonummer in Soll und Haben!"},
                                                       {5, std::string(text::kImportFaultAmount)}}));
    EXPECT_EQ(circle.file("jou"), journal);
    EXPECT_EQ(circle.file("sal"), balances);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readFile(path).size(), 5u * 64);  // the import file is never changed
}

TEST_F(BookingImport, TheCorrectionQuestionPostsSkipsOrCancels) {
    entry::testing::OpenCircle circle = open(1);
    Person person(*circle.doc);
    const std::string path = importFile(record("05.03", "R1", "1200", "8400", "eins", "10.00", "19.00") +
                                        record("05.03", "R2", "1200", "9999", "zwei", "20.00", "19.00") +
                                        record("05.03", "R3", "1200", "8400", "drei", "30.00", "19.00") +
                                        record("05.03", "R4", "1200", "8400", "vier", "0.00", "19.00") +
                                        record("05.03", "R5", "1200", "8400", "f\xFCnf", "50.00", "19.00") +
                                        record("32.03", "R6", "1200", "8400", "sechs", "60.00", "19.00") +
                                        record("05.03", "R7", "1200", "8400", "sieben", "70.00", "19.00"));
    const ImportFields secondLine{"05.03", "R2    ", " 1200", " 8400", pad("zwei", 25), "      20.00", "19.00"};
    person.script.push(kCorrectionPost, {secondLine.begin(), secondLine.end()});
    person.script.push(kCorrectionPost);  // the amount is still 0.00: asked again
    person.script.push(kCorrectionSkip);
    person.script.push(kCorrectionCancel);
    const ImportResult result = importBookings(*circle.doc, path, person, FaultHandling::Ask);

    EXPECT_EQ(result.end, ImportEnd::Cancelled);
    EXPECT_EQ(result.posted, 4);
    EXPECT_EQ(documents(*circle.doc), (std::vector<std::string>{"R1", "R2", "R3", "R5"}));
    // The first faulty line is asked about before anything is posted; later ones after the bookings
    // before them are on the disk.
    EXPECT_EQ(person.journalAtQuestion, (std::vector<long>{0, 3, 3, 4}));
    EXPECT_EQ(result.skipped, (std::vector<ImportFault>{{4, std::string(text::kImportFaultAmount)},
                                                        {6, std::string(text::kImportFaultDate)}}));
    ASSERT_EQ(person.script.asked.size(), 4u);
    const ui::Question& first = person.script.asked[0];
    EXPECT_EQ(first.kind, kCorrectionQuestion);
    EXPECT_EQ(first.caption, text::kImportCorrectionTitle);
    EXPECT_EQ(first.text, text::kImportFaultAccount);
    EXPECT_EQ(first.fields, (std::vector<std::string>{"05.03", "R2    ", " 1200", " 9999", pad("zwei", 25),
                                                      "      20.00", "19.00", pad("BANK", 25), ""}));
    EXPECT_EQ(first.answers,
              (std::vector<std::string>{std::string(text::kImportAnswerPost), std::string(text::kImportAnswerSkip),
                                        std::string(text::kImportAnswerCancel)}));
    EXPECT_EQ(person.script.asked[1].text, text::kImportFaultAmount);
    EXPECT_EQ(person.script.asked[2].text, text::kImportFaultAmount);
    EXPECT_EQ(person.script.asked[3].text, text::kImportFaultDate);
}

TEST_F(BookingImport, AFileThatCannotBeUsedPostsNothingAndSaysWhy) {
    entry::testing::OpenCircle circle = open(1);
    ui::NoDecisions nobody;

    EXPECT_EQ(importBookings(*circle.doc, dir.file("fehlt.txt"), nobody, FaultHandling::Ask).end, ImportEnd::Refused);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, text::kImportCannotOpen);
    EXPECT_EQ(messages.last().caption, text::kImportCaptionFileError);

    messages.entries.clear();
    std::string damaged = record("05.03", "", "1200", "8400", "a", "1.00", "0.00") +
                          record("05.03", "", "1200", "8400", "b", "1.00", "0.00");
    damaged.erase(70, 1);
    damaged += " ";  // the same length, the second record shifted by one byte
    EXPECT_EQ(importBookings(*circle.doc, importFile(damaged), nobody, FaultHandling::Skip).end, ImportEnd::Refused);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, text::kImportWrongLineLength);
    EXPECT_EQ(messages.last().caption, "Fehler in der Importdatei in Buchungszeile Nr. 2 .");
    EXPECT_EQ(circle.doc->journal().count(), 0);

    // An incomplete record at the end is told about, and the whole ones are posted.
    messages.entries.clear();
    const ImportResult tail = importBookings(
        *circle.doc, importFile(record("05.03", "", "1200", "8400", "a", "1.00", "0.00") + "05.03"), nobody,
        FaultHandling::Ask);
    EXPECT_EQ(tail.end, ImportEnd::Done);
    EXPECT_EQ(tail.posted, 1);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, text::kImportIncompleteRecord);
    EXPECT_EQ(messages.last().caption, text::kCaptionInformation);
}

TEST_F(BookingImport, AccountNumbersAreTakenExactly) {
    entry::testing::OpenCircle circle = open(1);
    addAccount(circle, 480, "BGA");
    addAccount(circle, 4800, "ANDERES");
    ui::NoDecisions nobody;
    const ImportResult result =
        importBookings(*circle.doc,
                       importFile("05.03;;480;1200;Stuhl;100;0\n05.03;;12;1200;kurz;1;0\n05.03;;BANK;1200;Name;1;0\n"),
                       nobody, FaultHandling::Skip);
    EXPECT_EQ(result.posted, 1);
    EXPECT_EQ(result.skipped, (std::vector<ImportFault>{{2, std::string(text::kImportFaultAccount)},
                                                        {3, std::string(text::kImportFaultAccount)}}));
    EXPECT_EQ(circle.file("jou"), record("05.03", "", " 0480", " 1200", "Stuhl", "100.00", " 0.00"));
}

TEST(ImportFilePlace, ABareNameLiesInTheImportDirectory) {
    config::ProgramConfig config;
    EXPECT_EQ(importFilePath(config, "a.txt"), "a.txt");
    config.importDirectory = "/daten/import/";
    EXPECT_EQ(importFilePath(config, "a.txt"), "/daten/import/a.txt");
    EXPECT_EQ(importFilePath(config, "./a.txt"), "./a.txt");
    config.importDirectory = "/daten/import";
    EXPECT_EQ(importFilePath(config, "a.txt"), "/daten/import/a.txt");

    tellmark::testing::TempDir dir;
    ui::RecordingMessages messages;
    writeFile(dir.file("a.txt"), "x");
    EXPECT_TRUE(deleteImportFile(dir.file("a.txt"), messages));
    EXPECT_FALSE(tellmark::testing::fileExists(dir.file("a.txt")));
    EXPECT_FALSE(deleteImportFile(dir.file("a.txt"), messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, text::kImportDeleteFailed);
    EXPECT_EQ(messages.last().caption, text::kImportCaptionFileError);
}

}  // namespace
}  // namespace tellmark::yearend
