#include "app/MainWindow.h"
#include "app/ProgramDriver.h"
#include "records/StudentFile.h"
#include "records/StudentRecord.h"

#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;

namespace {
void createHelpFile(const fs::path& folder) {
    fs::create_directories(folder);
    writeBytes(folder / "tallyburrow.ahp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

void answerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    whenModalOpens([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        if (text != nullptr) {
            *text = box->windowTitle() + "|" + box->text();
        }
        box->button(button)->click();
    });
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void layoutMatchesTheTable();
    void newChildGetsAFileAndQuitWrites35Bytes();
    void secondRunListsTheChildAndPreselectsTheFirstName();
    void cancellingTheGreetingEndsWithoutAnyFile();
    void namesThatCannotBeFileNamesAreRefused();
    void quitAsksWhenOnlyTheHistoryChangedAndCancelKeepsTheWindow();
    void missingHelpFileIsReportedOnceAtStartUp();
};

void MainWindowTest::layoutMatchesTheTable() {
    TempFolder temp;
    createHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Ann.B"));
    MainWindow* window = run.window.get();
    QCOMPARE(window->size(), QSize(640, 400));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyburrow (ver 1.90) - Ann"));
    QWidget* client = window->centralWidget();
    const QFont base = client->font();
    const struct {
        ControlFont kind;
        int points;
        bool bold;
        bool italic;
    } fonts[] = {{ControlFont::Standard, base.pointSize(), base.bold(), base.italic()},
                 {ControlFont::Problem, 40, true, false},
                 {ControlFont::Instruction, 15, true, true}};
    for (const MainWindowControl& spec : mainWindowControls) {
        QWidget* widget = window->control(spec.id);
        QVERIFY2(widget != nullptr && widget->objectName() == QString::number(spec.id),
                 qPrintable(QString::number(spec.id)));
        QCOMPARE(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()), spec.rect);
        QCOMPARE(widget->isVisible(), spec.shownAtStart);
        QCOMPARE(widget->property("text").toString(), QString::fromUtf8(spec.text));
        const auto& font = fonts[static_cast<int>(spec.font)];
        QCOMPARE(widget->font().pointSize(), font.points);
        QCOMPARE(widget->font().bold(), font.bold);
        QCOMPARE(widget->font().italic(), font.italic);
    }
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!control<QLabel>(window, MainId::happy)->pixmap().isNull());
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget(), window->control(MainId::answerLabel));
    saveShot(window, QStringLiteral("main-window"));
}

void MainWindowTest::newChildGetsAFileAndQuitWrites35Bytes() {
    TempFolder temp;
    const fs::path folder = temp.path() / "missing" / "parents" / "Tallyburrow";
    createHelpFile(folder);
    RunningProgram run(folder, QStringLiteral("Ann.B"));
    const fs::path file = folder / "Ann.sbk";
    QVERIFY(fs::exists(file));
    QCOMPARE(fs::file_size(file), 0u);
    QCOMPARE(readText(folder / "tallyburrow.ini"), std::string(" 0 \r\n"));

    QTest::keyClick(run.window.get(), Qt::Key_Q);
    QTRY_VERIFY(!run.window->isVisible());
    const std::vector<unsigned char> expected = {
        'T', 'a', 'l', 'l', 'y', 'b', 'u', 'r', 'r', 'o', 'w', 12, 0, 0, 0, 12, 0, 0,
        0,   12,  0,   0,   0,   12,  0,   0,   0,   0,   0,   0,  0, 0, 0, 0,  0};
    QCOMPARE(readBytes(file), expected);
}

void MainWindowTest::secondRunListsTheChildAndPreselectsTheFirstName() {
    TempFolder temp;
    createHelpFile(temp.path());
    for (const char* name : {"zed.sbk", "Ann.sbk", "bob.sbk"}) {
        writeBytes(temp.path() / name, {});
    }
    QStringList listed;
    QString selected;
    whenModalOpens([&](QWidget* greeting) {
        auto* list = greeting->findChild<QListWidget*>(QStringLiteral("250"));
        for (int i = 0; i < list->count(); ++i) {
            listed << list->item(i)->text();
        }
        selected = list->currentItem() ? list->currentItem()->text() : QString();
        QTest::keyClick(greeting, Qt::Key_Return);
    });
    AppContext context;
    MainWindow window(context, temp.path());
    window.show();
    QTRY_VERIFY(!context.student.studentName.empty());
    QCOMPARE(listed, (QStringList{"Ann", "bob", "zed"}));
    QCOMPARE(selected, QStringLiteral("Ann"));
    QCOMPARE(QString::fromStdString(context.student.studentName), QStringLiteral("Ann"));
}

void MainWindowTest::cancellingTheGreetingEndsWithoutAnyFile() {
    TempFolder temp;
    createHelpFile(temp.path());
    whenModalOpens([](QWidget* greeting) {
        QTest::keyClicks(greeting->findChild<QLineEdit*>(QStringLiteral("251")), "Newkid");
        QTest::keyClick(greeting, Qt::Key_Escape);
    });
    AppContext context;
    MainWindow window(context, temp.path());
    window.show();
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(!fs::exists(temp.path() / "Newkid.sbk"));
    QVERIFY(context.student.studentName.empty());
}

void MainWindowTest::namesThatCannotBeFileNamesAreRefused() {
    TempFolder temp;
    createHelpFile(temp.path());
    QString warning;
    bool stayedOpen = false;
    whenModalOpens([&](QWidget* greeting) {
        auto* box = greeting->findChild<QLineEdit*>(QStringLiteral("251"));
        QTest::keyClicks(box, "sub/evil");
        whenModalOpens(
            [&, greeting, box](QWidget* message) {
                warning = qobject_cast<QMessageBox*>(message)->text();
                qobject_cast<QMessageBox*>(message)->accept();
                QTimer::singleShot(0, [&, greeting, box]() {
                    stayedOpen = greeting->isVisible();
                    box->clear();
                    QTest::keyClicks(box, "Eve");
                    QTest::keyClick(greeting, Qt::Key_Return);
                });
            },
            greeting);
        QTest::keyClick(greeting, Qt::Key_Return);
    });
    AppContext context;
    MainWindow window(context, temp.path());
    window.show();
    QTRY_VERIFY(!context.student.studentName.empty());
    QVERIFY(stayedOpen);
    QVERIFY(warning.contains(QStringLiteral("cannot contain")));
    QCOMPARE(context.student.studentName, std::string("Eve"));
    QVERIFY(!fs::exists(temp.path() / "sub"));
    QVERIFY(fs::exists(temp.path() / "Eve.sbk"));
}

void MainWindowTest::quitAsksWhenOnlyTheHistoryChangedAndCancelKeepsTheWindow() {
    TempFolder temp;
    createHelpFile(temp.path());
    {
        StudentRecord existing;
        loadStudentFile(existing, temp.path(), "Lee");
        saveStudentFile(existing);
    }
    RunningProgram run(temp.path(), QStringLiteral("Lee"));
    appendScore(run.context.student, 13423, 1, 1, 12, 10);

    QString asked;
    answerNextMessageBox(QMessageBox::Cancel, &asked);
    QTest::keyClick(run.window.get(), Qt::Key_Q);
    QTRY_COMPARE(asked, QStringLiteral("Quit Program|Data has changed... Save it before quiting?"));
    QVERIFY(run.window->isVisible());

    run.window->show();
    answerNextMessageBox(QMessageBox::Yes);
    run.window->close();
    QTRY_VERIFY(!run.window->isVisible());
    QCOMPARE(readBytes(temp.path() / "Lee.sbk").size(), 35u + 4u + 8u);
}

void MainWindowTest::missingHelpFileIsReportedOnceAtStartUp() {
    TempFolder temp;
    QStringList boxes;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        boxes << box->windowTitle() + "|" + box->text();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    RunningProgram run(temp.path(), QStringLiteral("Sam"));
    QCOMPARE(boxes, (QStringList{"Helpfile not found|Help is unavailable"}));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
