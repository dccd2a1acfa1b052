// The exports in the desktop program: the export for the digital tax audit through its dialog (the cash
// account list edited from the keyboard's buttons) and its closing dialog; the companion online program
// from the menu and after a VAT pre-return that went to the printer.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <chrono>
#include <sys/stat.h>
#include <thread>

#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/print_preview_dialog.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

shell::testing::ScriptedRunner::Handler choose(const char* radio) {
    return [radio](QDialog& d) {
        auto* button = d.findChild<QRadioButton*>(QString::fromLatin1(radio));
        if (!button) return -2;
        button->setChecked(true);
        return shell::testing::click(d, "ok");
    };
}

}  // namespace

class ExportsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<shell::testing::StartDirectory>();
        cli({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2009", "--chart-from", "skr03"});
        cli({"post", "-k", "1", "--date", "15.04", "--debit", "1000", "--credit", "8400", "--amount", "119", "--rate",
             "19", "--text", "Barverkauf"});
        cli({"post", "-k", "1", "--date", "20.05", "--debit", "1200", "--credit", "1000", "--amount", "100"});
        // The stand-in companion program records where it runs and what it was given.
        ::mkdir(dir_->file("tmo").c_str(), 0755);
        ::mkdir(dir_->file("tmo/import").c_str(), 0755);
        tellmark::testing::writeFile(dir_->file("tmo/tmo.sh"), "#!/bin/sh\nprintf '%s|%s' \"$(pwd)\" \"$*\" > '" +
                                                                    dir_->file("record.txt") + "'\ntouch '" +
                                                                    dir_->file("record.done") + "'\n");
        ::chmod(dir_->file("tmo/tmo.sh").c_str(), 0755);
        cli({"config", "set", "TmonlineProgramm", dir_->file("tmo/tmo.sh")});
        cli({"config", "set", "TmonlineImport", dir_->file("tmo/import")});
        runner_ = std::make_unique<shell::testing::ScriptedRunner>();
        frame_ = shell::testing::openFrame(*runner_);
        QVERIFY(frame_);
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    void gdpduExportThroughItsDialogs() {
        QString presetList, directory;
        runner_->on("GdpduExportDialog", [&](QDialog& d) {
            auto* list = d.findChild<QListWidget*>(QStringLiteral("cashAccounts"));
            if (!list) return -2;
            presetList = list->item(0) ? list->item(0)->text() : QString();
            shell::testing::setField(d, "name", QStringLiteral("Müller & Co"));
            shell::testing::setField(d, "place", QStringLiteral("Köln"));
            // A second cash account is added; an account that does not exist is refused.
            shell::testing::setField(d, "account", QStringLiteral("1001"));
            shell::testing::click(d, "add");
            shell::testing::setField(d, "account", QStringLiteral("12"));
            shell::testing::click(d, "add");
            if (list->count() != 2) return -3;
            // The first is removed again.
            list->setCurrentRow(0);
            shell::testing::click(d, "remove");
            return shell::testing::click(d, "ok");
        });
        runner_->on("GdpduDoneDialog", [&](QDialog& d) {
            directory = d.findChild<QLabel*>(QStringLiteral("directory"))->text();
            return shell::testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kExportGdpdu));
        QCOMPARE(runner_->unanswered.size(), std::size_t(0));
        QCOMPARE(presetList, QStringLiteral(" 1000  Kasse"));
        QCOMPARE(runner_->messages.size(), std::size_t(1));
        QCOMPARE(runner_->messages[0].text, QStringLiteral("Kontonummer nicht zulässig oder nicht korrekt!"));
        QCOMPARE(directory, dir_->path() + QStringLiteral("/BK000001/GDPdU/2009"));
        // The cash book is the bank's alone: its one booking.
        const std::string cash = shell::testing::readAll(dir_->file("BK000001/GDPdU/2009/2009-kas.txt"));
        QCOMPARE(cash.size(), std::size_t(132));
        QCOMPARE(cash.substr(0, 16), std::string(" 1.20020.05.2009"));
        const std::string xml = shell::testing::readAll(dir_->file("BK000001/GDPdU/2009/index.xml"));
        QVERIFY(xml.find("<Name>M&#x00FC;ller &#x0026; Co</Name>") != std::string::npos);
        QVERIFY(xml.find("<Location>K&#x00F6;ln</Location>") != std::string::npos);
    }

    void companionFromTheMenu() {
        QVERIFY(frame_->runCommand(cmd::kCompanionOnline));
        QVERIFY(runner_->messages.empty());
        QCOMPARE(QString::fromStdString(record()), QString::fromStdString(dir_->file("tmo") + "|"));
    }

    // Shown on the screen the return offers nothing; printed, the hand-over is offered and done.
    void vatReturnOnPaperIsOfferedToTheCompanionProgram() {
        runner_->on("VatReturnDialog", [](QDialog& d) {
            shell::testing::setField(d, "fromMonth", QStringLiteral("04"));
            shell::testing::setField(d, "toMonth", QStringLiteral("06"));
            return shell::testing::click(d, "ok");
        });
        runner_->on("OutputDialog", choose("screen"));
        QVERIFY(frame_->runCommand(cmd::kVatReturn));
        QCOMPARE(runner_->dialogs, (std::vector<QString>{"CircleSelectionDialog", "VatReturnDialog", "OutputDialog"}));
#ifndef TELLMARK_PRINTER
        QSKIP("built without print support");
#else
        runner_->dialogs.clear();
        runner_->on("VatReturnDialog", [](QDialog& d) {
            shell::testing::setField(d, "fromMonth", QStringLiteral("04"));
            shell::testing::setField(d, "toMonth", QStringLiteral("06"));
            return shell::testing::click(d, "ok");
        });
        runner_->on("OutputDialog", choose("printer"));
        runner_->on("PrintPreviewDialog", [](QDialog& d) {
            d.show();
            QApplication::setActiveWindow(&d);
            if (!QTest::qWaitForWindowActive(&d)) return -2;
            return shell::testing::click(d, "print");
        });
        const QString pdf = QString::fromStdString(dir_->file("ustva.pdf"));
        runner_->on("PrintDialog", [pdf](QDialog& d) {
            auto* dialog = qobject_cast<QPrintDialog*>(&d);
            if (!dialog) return int(QDialog::Rejected);
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        });
        runner_->on("CompanionHandOverDialog", choose("exportAndStart"));
        QVERIFY(frame_->runCommand(cmd::kVatReturn));
        QCOMPARE(runner_->unanswered.size(), std::size_t(0));
        QCOMPARE(runner_->dialogs, (std::vector<QString>{"VatReturnDialog", "OutputDialog", "PrintPreviewDialog",
                                                         "PrintDialog", "CompanionHandOverDialog", "MessageDialog",
                                                         "MessageDialog"}));
        QCOMPARE(runner_->messages.size(), std::size_t(2));
        QCOMPARE(runner_->messages[0].text, QStringLiteral("Die Daten wurden im Importpfad von Tellmark Online \n"
                                                           "unter dem Namen '001-0942.u09' gespeichert."));
        QCOMPARE(runner_->messages[1].text, QStringLiteral("Tellmark Online wird jetzt gestartet."));
        QCOMPARE(shell::testing::readAll(dir_->file("tmo/import/001-0942.u09")),
                 shell::testing::readAll(dir_->file("BK000001/001-0942.u09")));
        QCOMPARE(QString::fromStdString(record()),
                 QString::fromStdString(dir_->file("tmo") + "|" + dir_->file("tmo/import/001-0942.u09")));
#endif
    }

private:
    void cli(const std::vector<std::string>& args) {
        const auto r = tellmark::testing::runCli(dir_->path().toStdString(), args);
        QVERIFY2(r.exitCode == 0, r.err.c_str());
    }
    std::string record() const {
        for (int i = 0; i < 500 && !tellmark::testing::fileExists(dir_->file("record.done")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return tellmark::testing::fileExists(dir_->file("record.done")) ? shell::testing::readAll(dir_->file("record.txt"))
                                                                        : "(not started)";
    }

    std::unique_ptr<shell::testing::StartDirectory> dir_;
    std::unique_ptr<shell::testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(ExportsTest)
#include "exports_test.moc"
