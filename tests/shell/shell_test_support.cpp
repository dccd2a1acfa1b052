#include "shell_test_support.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "shell/message_dialog.h"
#include "support/cli_runner.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::shell::testing {

int ScriptedRunner::run(QDialog& dialog) {
    dialog.setResult(-1);
    dialogs.push_back(dialog.objectName());
    if (auto* message = qobject_cast<MessageDialog*>(&dialog)) {
        messages.push_back({message->windowTitle(), message->heading(), message->text()});
        return QDialog::Accepted;
    }
    auto it = script_.find(dialog.objectName());
    if (it == script_.end() || it->second.empty()) {
        unanswered.push_back(dialog.objectName());
        return QDialog::Rejected;
    }
    Handler handler = std::move(it->second.front());
    it->second.pop_front();
    return handler(dialog);
}

void setField(QDialog& dialog, const char* name, const QString& text) {
    auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(field, name);
    field->setText(text);
}

void type(QDialog& dialog, const char* name, const QString& text) {
    auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(field, name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

int click(QDialog& dialog, const char* button) {
    auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
    if (!b) {
        qWarning("no button %s in %s", button, qPrintable(dialog.objectName()));
        return -1;
    }
    dialog.setResult(-1);
    b->click();
    return dialog.result();
}

ScriptedRunner::Handler answerWith(const char* field, const QString& text) {
    return [field, text](QDialog& d) {
        setField(d, field, text);
        return click(d, "ok");
    };
}

ScriptedRunner::Handler press(const char* button) {
    return [button](QDialog& d) { return click(d, button); };
}

StartDirectory::StartDirectory() : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
}

StartDirectory::~StartDirectory() { QDir::setCurrent(previous_); }

std::string StartDirectory::file(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }

namespace {

void writeSettings(int number, const std::string& name, int year, bool cashBasis) {
    ui::SilentMessages messages;
    circles::CircleCreateFields fields;
    fields.year = std::to_string(year);
    fields.name = name;
    fields.cashBasis = cashBasis;
    QCOMPARE(circles::createCircleSettings("", number, fields, messages), 1);
}

}  // namespace

void createCircle(int number, const std::string& name, int year, bool cashBasis) {
    writeSettings(number, name, year, cashBasis);
    ui::SilentMessages messages;
    ui::NoProgress progress;
    circles::CVt36Doc doc(messages, progress);
    doc.readProgramConfig();
    QCOMPARE(doc.openCircle(number, circles::MissingLedger::CreateNew), 1);
    doc.closeCircle();
}

void createCircleSettingsOnly(int number, const std::string& name, int year) {
    writeSettings(number, name, year, true);
}

std::unique_ptr<CMainFrame> openFrame(ScriptedRunner& runner, int number, bool shown) {
    runner.on("CircleSelectionDialog", answerWith("number", QString::number(number)));
    auto frame = std::make_unique<CMainFrame>(&runner);
    if (!frame->newDocument()) return nullptr;
    if (shown) {
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get())) return nullptr;
    }
    return frame;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void FrameFixture::startWith(const std::vector<std::vector<std::string>>& commands) {
    dir_ = std::make_unique<StartDirectory>();
    for (const std::vector<std::string>& args : commands) {
        const tellmark::testing::CliResult r = tellmark::testing::runCli(dir_->path().toStdString(), args);
        QVERIFY2(r.exitCode == 0, r.err.c_str());
    }
    openTheFrame();
}

void FrameFixture::openTheFrame() {
    runner_ = std::make_unique<ScriptedRunner>();
    frame_ = openFrame(*runner_);
    QVERIFY(frame_);
}

void FrameFixture::tearDown() {
    frame_.reset();
    runner_.reset();
    dir_.reset();
}

}  // namespace tellmark::shell::testing
