#pragma once

#include <QObject>

// The Learn options dialog driven by keys and clicks.
class LearnOptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void newChildSeesAddAndNoNumber();
    void pickingSevenAndMultReturnsThem();
    void remembersTheLastChoice();
    void okWithoutANumberGivesZero();
    void cancelAndEscapeGiveNothing();
};
