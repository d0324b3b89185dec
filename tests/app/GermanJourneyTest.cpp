// SPDX-License-Identifier: GPL-3.0-or-later
// A child's journey in German: every window it opens speaks German, the problem is read in
// German, and the windows grow with their German texts.

#include "ProgramDriver.h"
#include "common/TextFit.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

class GermanJourneyTest : public QObject {
    Q_OBJECT

    QTranslator german;

private slots:
    void initTestCase() {
        QVERIFY(german.load(":/i18n/tallyburrow_de.qm"));
        QCoreApplication::installTranslator(&german);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        setTextsAsDrawn(false);
    }

    void learnAndPractiseInGerman() {
        TempFolder temp;
        RunningProgram run(temp.path(), QStringLiteral("Lou"));
        MainWindow* window = run.window;
        QStringList seen;
        for (const int id : {MainId::learn, MainId::report, MainId::quit, MainId::help}) {
            seen << control<QPushButton>(window, id)->text();
        }
        whenModalOpens([&seen](QWidget* dialog) {
            seen << dialog->windowTitle()
                 << dialog->findChild<QLabel*>(QStringLiteral("learnNumberLabel"))->text();
            control<QComboBox>(dialog, 317)->setCurrentText(QStringLiteral(" 7"));
            QTest::mouseClick(control<QWidget>(dialog, 343), Qt::LeftButton);
            keys("\r");
        });
        keys("l");
        seen << control<QPushButton>(window, MainId::next)->text();
        keys("\r");
        seen << control<QLabel>(window, MainId::title)->text()
             << window->control(MainId::answerBox)->accessibleDescription();
        whenModalOpens([&seen](QWidget* message) {
            seen << message->windowTitle();
            keys("\r");
        });
        keys("7\r15"); // 7 x 1 right, then 7 x 2 wrong the moment the 5 is typed
        QTRY_COMPARE(seen.size(), 10);
        QCOMPARE(seen, (QStringList{"&Lernen", "&Bericht", "&Ende", "&Hilfe", "Rechenreihen lernen",
                                    "Lernen mit der Zahl:", "Enter --> Start",
                                    "Lernen mit der Zahl 7  (Mal)", "7 mal 1 ist",
                                    "*** FALSCHE ANTWORT ***"}));
    }
};

QTEST_MAIN(GermanJourneyTest)
#include "GermanJourneyTest.moc"
