#pragma once

#include <QObject>

// The Math Test dialog: minutes, kind and the number of problems.
class MathTestDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTenMinutesOfAdd();
    void countFollowsMinutesAndKind();
    void multUsesTheMultDivRate();
    void escapeGivesNothing();
};
