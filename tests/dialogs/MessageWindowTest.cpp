#include "dialogs/MessageWindow.h"
#include "DialogTestSupport.h"

namespace {
constexpr int information = 64;

// Runs showMessage with `answer` answering the window; returns its result.
int answeredMessage(const std::string& text, int style, int x, int y,
                    std::function<void(QWidget*)> answer) {
    answerModal(std::move(answer));
    return showMessage(text, style, "Question", 0, x, y);
}

QPushButton* button(QWidget* window, int id) {
    return control<QPushButton>(window, id);
}
} // namespace

// The program's own message window.
class MessageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void wrongAnswerMessageIsRedOnWhite() {
        bool answered = false;
        answerModal([&answered](QWidget* window) {
            saveShot(window, "wrong_answer_message");
            QCOMPARE(window->windowTitle(), QString("*** WRONG ANSWER ***"));
            const Qt::WindowFlags flags = window->windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QCOMPARE(window->frameGeometry(), QRect(350, 250, 220, 120)); // frame included
            QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
            auto* label = control<QLabel>(window, 9990);
            QCOMPARE(label->text(), QString("\n  Correct answer is:  14"));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(label->pos(), QPoint(50, 5));
            QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
            checkControls(window, {{"9994", "&Ok", {30, 50, 80, 30}}});
            QVERIFY(button(window, 9994)->isDefault());
            QCOMPARE(button(window, 9991), nullptr);
            answered = true;
            pressKey(window, Qt::Key_Return);
        });
        const int result = showMessage("\r\n  Correct answer is:  14", information,
                                       "*** WRONG ANSWER ***", 1, 350, 250, QColor(Qt::red));
        QVERIFY(answered);
        QCOMPARE(result, 1);
    }

    void buttonSetsOnScreen() {
        bool checked = false;
        QCOMPARE(answeredMessage("Save it?", 32 + 3, 10, 10,
                                 [&checked](QWidget* window) {
                                     checkControls(window, {{"9991", "&Yes", {10, 50, 60, 30}},
                                                            {"9992", "&No", {75, 50, 60, 30}},
                                                            {"9993", "Cancel", {140, 50, 60, 30}}});
                                     QVERIFY(button(window, 9991)->isDefault());
                                     QCOMPARE(QApplication::focusWidget(), button(window, 9991));
                                     QCOMPARE(control<QLabel>(window, 9990)->x(), 50);
                                     saveShot(window, "message_yes_no_cancel");
                                     checked = true;
                                     pressKey(window, Qt::Key_Return);
                                 }),
                 6);
        QVERIFY(checked);
        QCOMPARE(answeredMessage("Sure?", 4, 10, 10,
                                 [](QWidget* window) {
                                     QCOMPARE(button(window, 9993), nullptr);
                                     QCOMPARE(control<QLabel>(window, 9990)->x(), 10);
                                     click(button(window, 9991));
                                 }),
                 6);
        QCOMPARE(answeredMessage("Sure?", 1, 10, 10,
                                 [](QWidget* window) {
                                     checkControls(window, {{"9991", "&Ok", {10, 50, 60, 30}},
                                                            {"9992", "&Cancel", {75, 50, 60, 30}}});
                                     click(button(window, 9991));
                                 }),
                 1);
    }

    // What each button and Esc return.
    void results() {
        struct Case {
            int style;
            int button; // 0: Esc
            int result;
        };
        for (const Case c : {Case{35, 9992, 7}, Case{35, 9993, 2}, Case{35, 0, 7}, Case{1, 9992, 2},
                             Case{1, 0, 2}}) {
            const int result = answeredMessage("Sure?", c.style, 10, 10, [c](QWidget* window) {
                c.button == 0 ? pressKey(window, Qt::Key_Escape) : click(button(window, c.button));
            });
            QCOMPARE(result, c.result);
        }
    }

    void placedAtThePointHeldOnTheScreenOrCentredOverTheActiveWindow() {
        QPoint corner;
        answeredMessage("Here", information, -20, 40, [&corner](QWidget* window) {
            corner = window->frameGeometry().topLeft();
            pressKey(window, Qt::Key_Escape);
        });
        QCOMPARE(corner, QPoint(0, 40));

        QWidget owner;
        owner.setGeometry(100, 100, 600, 400);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        QRect placed;
        QWidget* parent = nullptr;
        answeredMessage("Centred", information, 0, 0, [&](QWidget* window) {
            placed = window->frameGeometry();
            parent = window->parentWidget();
            pressKey(window, Qt::Key_Return);
        });
        QCOMPARE(parent, &owner);
        QCOMPARE(placed.center(), owner.frameGeometry().center());
    }

    void longTextIsNotCutOff() {
        const std::string wide(70, 'W');
        answeredMessage(wide + "\r\nsecond\r\nthird", information, 5, 5, [&wide](QWidget* window) {
            auto* label = control<QLabel>(window, 9990);
            const QFontMetrics metrics(label->font());
            QVERIFY(label->width() >= metrics.horizontalAdvance(QString::fromStdString(wide)));
            QVERIFY(label->height() >= 3 * metrics.lineSpacing());
            QVERIFY(window->width() >= label->x() + label->width());
            QVERIFY(label->geometry().bottom() < button(window, 9994)->y());
            saveShot(window, "message_long");
            pressKey(window, Qt::Key_Return);
        });
    }
};

static const bool registered = registerWidgetTest<MessageWindowTest>();

#include "MessageWindowTest.moc"
