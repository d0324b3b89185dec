#include "dialogs/MessageWindow.h"
#include "DialogTestSupport.h"
#include "dialogs/MessageLayout.h"

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
            QCOMPARE(button(window, 9994)->geometry(), messageButtons(information, 120)[0].rect);
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

    // The button sets and their results are laid out by MessageLayoutTest; here the window
    // follows that layout and Escape gives the set's escape result.
    void buttonSetFollowsTheLayoutAndEscapeAnswers() {
        QCOMPARE(answeredMessage(
                     "Save it?", 32 + 3, 10, 10,
                     [](QWidget* window) {
                         for (const MessageButton& b : messageButtons(32 + 3, 120)) {
                             QCOMPARE(button(window, static_cast<int>(b.id))->geometry(), b.rect);
                             QCOMPARE(button(window, static_cast<int>(b.id))->text(),
                                      QString::fromStdString(b.text));
                         }
                         QCOMPARE(QApplication::focusWidget(), button(window, 9991));
                         saveShot(window, "message_yes_no_cancel");
                         pressKey(window, Qt::Key_Escape);
                     }),
                 7);
    }

    void centredOverTheActiveWindow() {
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
            QVERIFY(label->width() >=
                    label->fontMetrics().horizontalAdvance(QString::fromStdString(wide)));
            QVERIFY(label->geometry().bottom() < button(window, 9994)->y());
            saveShot(window, "message_long");
            pressKey(window, Qt::Key_Return);
        });
    }
};

static const bool registered = registerWidgetTest<MessageWindowTest>();

#include "MessageWindowTest.moc"
