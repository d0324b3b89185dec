#pragma once

#include <QObject>

// The program's own message window.
class MessageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void wrongAnswerMessageIsRedOnWhite();
    void yesNoCancelResults();
    void yesNoAndOkCancelResults();
    void pointIsHeldOnTheScreen();
    void centresOverTheActiveWindow();
    void longTextIsNotCutOff();
};
