#pragma once

#include <QObject>

// The Drill options dialog and the three-button Test Options dialog.
class OptionDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void drillOpensWithAddAndTwoSeconds();
    void drillOkUntouchedIsAnUntimedAdd();
    void drillTimerBoxUsesTheSelectedSeconds();
    void drillClearedTimerBoxIsUntimed();
    void drillEscapeGivesNothing();
    void testOptionsShowsThreeButtons();
    void testOptionsButtonsReturnTheirChoice();
    void testOptionsEscapeIsClosed();
    void dialogsBlockOnlyTheirOwnerAndAreCentred();
};
