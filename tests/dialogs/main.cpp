#include "LearnOptionsDialogTest.h"
#include "MathTestDialogTest.h"
#include "MessageWindowTest.h"
#include "OptionDialogsTest.h"
#include "ResultsWindowTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);

    int failures = 0;
    LearnOptionsDialogTest learn;
    failures += QTest::qExec(&learn, argc, argv);
    OptionDialogsTest options;
    failures += QTest::qExec(&options, argc, argv);
    MathTestDialogTest mathTest;
    failures += QTest::qExec(&mathTest, argc, argv);
    ResultsWindowTest results;
    failures += QTest::qExec(&results, argc, argv);
    MessageWindowTest message;
    failures += QTest::qExec(&message, argc, argv);
    return failures == 0 ? 0 : 1;
}
