// Qt takes the C locale from the environment when the application starts; the amounts of the data files
// must keep their decimal point under a German environment all the same.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/field_checks.h"
#include "shell/application.h"
#include "ui/messages.h"

class LocaleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amountsKeepTheirDecimalPointUnderGermanSettings() {
        // A German locale compiled into a directory of our own, so the test does not depend on the
        // locales installed on the machine.
        QTemporaryDir locales;
        const QString target = locales.filePath(QStringLiteral("de_DE.UTF-8"));
        if (QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), target}) != 0)
            QSKIP("localedef cannot build de_DE.UTF-8 here");
        qputenv("LOCPATH", locales.path().toLocal8Bit());
        qputenv("LC_ALL", "de_DE.UTF-8");
        qputenv("LANG", "de_DE.UTF-8");

        // The environment really gives a decimal comma: the test would catch a missing reset.
        QVERIFY(std::setlocale(LC_ALL, "") != nullptr);
        char probe[32];
        std::snprintf(probe, sizeof probe, "%.2f", 1.5);
        QCOMPARE(QByteArray(probe), QByteArray("1,50"));
        std::setlocale(LC_ALL, "C");

        int argc = 1;
        char name[] = "tests_shell_locale_test";
        char* argv[] = {name, nullptr};
        auto app = tellmark::shell::createApplication(argc, argv);
        QCOMPARE(QByteArray(std::setlocale(LC_MESSAGES, nullptr)), QByteArray("de_DE.UTF-8"));

        char amount[32];
        std::snprintf(amount, sizeof amount, "%12.2f", -1234.5);
        QCOMPARE(QByteArray(amount), QByteArray("    -1234.50"));
        // Reading typed amounts with the C library as the field checks do.
        QCOMPARE(std::strtod("19.5", nullptr), 19.5);
        tellmark::ui::RecordingMessages messages;
        std::string rate = "19.5";
        int caret = 4;
        QCOMPARE(tellmark::config::checkVatRate(rate, caret, true, messages), 1);
        QCOMPARE(QByteArray::fromStdString(rate), QByteArray("19.50"));
        QVERIFY(messages.empty());
    }
};

QTEST_APPLESS_MAIN(LocaleTest)
#include "locale_test.moc"
