#pragma once
// Helpers of the desktop program's tests: a dialog runner that answers dialogs by a script and records
// every message, a temporary start directory, and booking circles made with the core.

#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/application.h"
#include "shell/dialog_runner.h"
#include "shell/main_frame.h"

namespace tellmark::shell::testing {

// Main of a test program: the application as the program makes it (numbers with a decimal point).
#define TELLMARK_SHELL_TEST_MAIN(TestClass)                                       \
    int main(int argc, char** argv) {                                             \
        auto app = tellmark::shell::createApplication(argc, argv);               \
        TestClass test;                                                           \
        return QTest::qExec(&test, argc, argv);                                   \
    }

struct SeenMessage {
    QString title;    // window title, from the icon
    QString heading;  // the caption
    QString text;
};

// Answers each dialog by the next handler queued for its object name (the handler returns the result);
// message dialogs are recorded and confirmed. A dialog without a handler is recorded and cancelled.
class ScriptedRunner : public DialogRunner {
public:
    using Handler = std::function<int(QDialog&)>;
    int run(QDialog& dialog) override;
    void on(const QString& objectName, Handler handler) { script_[objectName].push_back(std::move(handler)); }

    std::vector<QString> dialogs;        // object names in the order they were run
    std::vector<SeenMessage> messages;
    std::vector<QString> unanswered;     // dialogs that had no handler

private:
    std::map<QString, std::deque<Handler>> script_;
};

// Sets a line edit of the dialog as if typed, clicks a button of it, and gives the dialog's result
// (-1 while it is still open).
void setField(QDialog& dialog, const char* name, const QString& text);
void type(QDialog& dialog, const char* name, const QString& text);
int click(QDialog& dialog, const char* button);
// A handler that types into one field and presses "ok".
ScriptedRunner::Handler answerWith(const char* field, const QString& text);
// A handler that presses one button.
ScriptedRunner::Handler press(const char* button);

// A temporary directory that is the current directory while the object lives.
class StartDirectory {
public:
    StartDirectory();
    ~StartDirectory();
    QString path() const { return dir_.path(); }
    std::string file(const std::string& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Creates circle `number` in the current directory with the core: settings file and empty ledger files
// of the year. cashBasis picks the result statement.
void createCircle(int number, const std::string& name, int year, bool cashBasis = true);
// Creates circle `number` with settings file only (no ledger files for its year).
void createCircleSettingsOnly(int number, const std::string& name, int year);

// A main frame on the runner with circle `number` opened through the selection (null when it did not
// open); shown on the screen and exposed when `shown`.
std::unique_ptr<CMainFrame> openFrame(ScriptedRunner& runner, int number = 1, bool shown = true);

// The whole file as bytes.
std::string readAll(const std::string& path);

// What most desktop tests start from: a fresh start directory set up through tellmark-cli, and the main
// frame on circle 1 with a scripted runner. A test class derives from QObject and this.
class FrameFixture {
protected:
    // Runs each tellmark-cli command in a new start directory (one that fails, fails the test), then opens
    // the frame.
    void startWith(const std::vector<std::vector<std::string>>& commands);
    void openTheFrame();
    // Frame, runner and directory, in that order.
    void tearDown();

    std::unique_ptr<StartDirectory> dir_;
    std::unique_ptr<ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace tellmark::shell::testing
