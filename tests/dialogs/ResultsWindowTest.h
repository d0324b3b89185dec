#pragma once

#include <QObject>

// The results window of an on-screen test.
class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsScoreAndWrongAnswers();
    void pickingAWrongAnswerShowsItsCorrectAnswer();
    void testOfNoProblemsShowsZeroPercent();
    void escapeAndCloseBoxClose();
};
