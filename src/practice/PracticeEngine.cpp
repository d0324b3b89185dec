// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeEngine.h"

#include "common/NumberText.h"
#include "practice/PracticeTexts.h"
#include "records/PackDate.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int millisecondsPerSecond = 1000;
constexpr int secondsPerMinute = 60;

bool learnOrDrill(PracticeMode mode) {
    return mode == PracticeMode::Learn || mode == PracticeMode::Drill;
}

std::size_t indexOf(ToolbarButton button) {
    return static_cast<std::size_t>(button);
}
} // namespace

PracticeEngine::PracticeEngine(PracticeClock& clock, StudentRecord& student)
    : clock(clock), student(student) {
    ++view_.focusMoves; // the answer label holds the focus from the start
}

std::vector<PracticeOutcome> PracticeEngine::takeOutcomes() {
    return std::exchange(outcomes, {});
}

void PracticeEngine::outcome(PracticeOutcome::Kind kind, std::string text) {
    PracticeOutcome next;
    next.kind = kind;
    next.text = std::move(text);
    outcomes.push_back(std::move(next));
}

void PracticeEngine::moveFocus(PracticeFocus target) {
    // Like a widget, the focus never moves to a hidden answer box.
    if (target == PracticeFocus::AnswerBox && !view_.answerBoxVisible) {
        return;
    }
    view_.focus = target;
    ++view_.focusMoves;
}

void PracticeEngine::beforeToolbarCommand(ToolbarButton button) {
    if (button == ToolbarButton::Test) {
        view_.statusRoom = StatusRoom::Narrow;
    } else if (button == ToolbarButton::Learn || button == ToolbarButton::Drill) {
        view_.statusRoom = StatusRoom::Wide;
    }
    if (button == ToolbarButton::Quit || button == ToolbarButton::Help) {
        return;
    }
    if (button == ToolbarButton::Learn || button == ToolbarButton::Drill ||
        button == ToolbarButton::Test) {
        flashCards = false;
        view_.answerBoxEnabled = true;
    }
    reset();
}

void PracticeEngine::reportClosed() {
    view_.defaultLook[indexOf(ToolbarButton::Learn)] = true;
}

void PracticeEngine::startRun(int kind, PracticeMode mode) {
    mode_ = mode;
    chosenKind = kind;
    const std::uint64_t seed = seedFromTimeOfDay(clock.secondsSinceMidnight());
    problemList = buildProblemList(static_cast<OperationKind>(kind), mode, student, learnNumber,
                                   random, seed);
    startPending = true;
    next();
}

void PracticeEngine::startLearn(int operation, int number, bool showAll) {
    learnNumber = number;
    showAllAnswers_ = showAll;
    flashCards = false;
    timeSetting = 0;
    noteLearnChoice(student, operation, number);
    startRun(operation, PracticeMode::Learn);
}

void PracticeEngine::startDrill(int kind, int secondsPerCard) {
    timeSetting = std::max(secondsPerCard, 0);
    flashCards = timeSetting > 0;
    startRun(kind, PracticeMode::Drill);
}

void PracticeEngine::startTest(int kind, int minutes, int problemCount) {
    // A score record holds the minutes in one byte and the problems in 16 bits.
    timeSetting = std::clamp(minutes, 0, 255);
    testProblemCount = std::clamp(problemCount, 0, 32767);
    flashCards = false;
    startRun(kind, PracticeMode::Test);
}

// Clears the practice area and stops the run; the counts and the place in the list stay.
void PracticeEngine::reset() {
    view_.firstOperand.clear();
    view_.operatorText.clear();
    view_.secondOperand.clear();
    view_.equals.clear();
    setAnswerLabel("");
    view_.spokenProblem.clear();
    typedAnswer.clear();
    view_.answerText.clear();
    judged = Judged::Nothing;
    view_.happyVisible = false;
    view_.nextText.clear();
    view_.showAnswerText.clear();
    view_.status.clear();
    view_.title.clear();
    view_.answerBoxVisible = false;
    view_.nextVisible = false;
    view_.showAnswerVisible = false;
    view_.timeBarShown = false;
    view_.testTimerRunning = false;
    view_.flashPeriodMs = 0;
    mode_ = PracticeMode::None;
    startPending = false;
    waiting = Waiting::No;
    timeSetting = 0;
    timing = false;
    startSeconds = 0;
    current = Problem{};
}

void PracticeEngine::enter(std::optional<ToolbarButton> focusedButton) {
    if (view_.nextText == PracticeText::stop) {
        reset();
        return;
    }
    // While "Enter --> Begin" waits, Enter begins the run even on a toolbar button.
    const bool buttonMayAct = mode_ == PracticeMode::None || problemIndex != 0;
    if (buttonMayAct && focusedButton) {
        view_.defaultLook[indexOf(*focusedButton)] = false;
        PracticeOutcome run;
        run.kind = PracticeOutcome::Kind::RunCommand;
        run.command = *focusedButton;
        outcomes.push_back(run);
        return;
    }
    next();
}

void PracticeEngine::escape() {
    reset();
    moveFocus(PracticeFocus::Learn);
    view_.defaultLook[indexOf(ToolbarButton::Learn)] = true;
}

void PracticeEngine::space() {
    if (typedAnswer.empty() && view_.answerLabel.empty()) {
        showAnswer();
    }
}

void PracticeEngine::next() {
    if (mode_ == PracticeMode::None || waiting != Waiting::No) {
        return;
    }
    if (startPending) {
        flashCards ? beginFlashCards() : begin();
    } else if (mode_ == PracticeMode::Test) {
        nextInTest();
    } else if (mode_ == PracticeMode::Drill && flashCards && timeSetting > 0) {
        nextFlashCard();
    } else if (learnOrDrill(mode_) && timeSetting == 0) {
        nextInLearnOrDrill();
    }
}

void PracticeEngine::begin() {
    startPending = false;
    view_.nextVisible = true;
    view_.nextText = PracticeText::begin;
    problemIndex = 0;
    askedCount = 0;
    correctCount = 0;
    problemsShown = 0;
    judged = Judged::Nothing;
    const ToolbarButton modeButton = mode_ == PracticeMode::Learn   ? ToolbarButton::Learn
                                     : mode_ == PracticeMode::Drill ? ToolbarButton::Drill
                                                                    : ToolbarButton::Test;
    view_.defaultLook[indexOf(modeButton)] = false;
    moveFocus(PracticeFocus::AnswerBox);
}

void PracticeEngine::nextInLearnOrDrill() {
    view_.answerBoxVisible = true;
    if (judged != Judged::Nothing) {
        judged = Judged::Nothing;
        countWrongAnswer(); // the next problem follows when the message is closed
        return;
    }
    showNextProblem();
}

void PracticeEngine::countWrongAnswer() {
    ++askedCount;
    showCountLineInDrill();
    PracticeOutcome message;
    message.kind = PracticeOutcome::Kind::WrongAnswerMessage;
    message.text = wrongAnswerBody(correctAnswer(current));
    message.caption = PracticeText::wrongCaption;
    outcomes.push_back(message);
    waiting = Waiting::ForMessage;
}

void PracticeEngine::wrongAnswerMessageClosed() {
    if (waiting != Waiting::ForMessage) {
        return;
    }
    waiting = Waiting::No;
    view_.nextVisible = true;
    view_.answerBoxVisible = true;
    showNextProblem();
}

void PracticeEngine::showCountLineInDrill() {
    if (mode_ == PracticeMode::Drill) {
        view_.title = countLine(correctCount, askedCount);
    }
}

std::string PracticeEngine::titleLine() const {
    switch (mode_) {
    case PracticeMode::Learn:
        return learnTitle(learnNumber, chosenKind);
    case PracticeMode::Drill:
        return drillTitle(chosenKind);
    case PracticeMode::Test:
        return testTitle(chosenKind, correctCount, askedCount);
    default:
        return "";
    }
}

bool PracticeEngine::advanceInList() {
    const int count = static_cast<int>(problemList.size());
    if (count == 0) {
        return false; // nothing to show: the run waits for Escape or a toolbar command
    }
    if (problemIndex >= count) {
        problemIndex = 0;
        if (mode_ != PracticeMode::Learn) {
            random.seed(seedFromTimeOfDay(clock.secondsSinceMidnight()));
            shuffleProblemList(problemList, random);
        }
    }
    ++problemIndex;
    counted = false;
    current = problemList[static_cast<std::size_t>(problemIndex - 1)];
    return true;
}

void PracticeEngine::showProblem() {
    view_.firstOperand = numberPlain(current.first);
    view_.operatorText = operatorText(current.operation);
    view_.secondOperand = numberPlain(current.second);
    view_.equals = PracticeText::equals;
    setAnswerLabel("");
}

void PracticeEngine::setAnswerLabel(const std::string& text) {
    view_.answerLabel = text;
    view_.spokenProblem = problemOnScreen() ? spokenProblem(current, text) : std::string();
}

// An emptied answer box: nothing is left to judge, so a later Enter just moves on.
void PracticeEngine::clearAnswerBox() {
    typedAnswer.clear();
    view_.answerText.clear();
    if (learnOrDrill(mode_)) {
        judged = Judged::Nothing;
        view_.happyVisible = false;
        view_.status.clear();
    }
}

void PracticeEngine::showNextProblem() {
    view_.title = titleLine();
    if (!advanceInList()) {
        return;
    }
    showProblem();
    view_.nextText = PracticeText::next;
    clearAnswerBox();
    moveFocus(PracticeFocus::AnswerBox);
    if (!learnOrDrill(mode_)) {
        return;
    }
    if (showAllAnswers_) {
        showAnswer();
    } else {
        view_.showAnswerVisible = true;
        view_.showAnswerText = PracticeText::showAnswer;
    }
}

void PracticeEngine::showAnswer() {
    if (!learnOrDrill(mode_) || !problemOnScreen()) {
        return;
    }
    view_.answerBoxVisible = false;
    setAnswerLabel(numberPlain(correctAnswer(current)));
    moveFocus(PracticeFocus::AnswerLabel);
    view_.happyVisible = false;
    view_.showAnswerVisible = false;
    view_.status.clear();
}

void PracticeEngine::answerTyped(const std::string& text) {
    if (text.empty()) {
        clearAnswerBox();
        return;
    }
    typedAnswer = text;
    view_.answerText = text;
    if (!learnOrDrill(mode_) || !problemOnScreen() || waiting != Waiting::No) {
        return;
    }
    judgeTypedAnswer();
    view_.showAnswerVisible = false;
    if (judged == Judged::WrongFull) {
        judged = Judged::Nothing;
        countWrongAnswer();
    }
}

void PracticeEngine::judgeTypedAnswer() {
    const int answer = correctAnswer(current);
    const bool sameLength = typedAnswer.size() == numberPlain(answer).size();
    const bool sameValue = textToNumber(typedAnswer) == answer;
    if (sameLength && sameValue) {
        judged = Judged::Nothing;
        if (!counted) {
            ++correctCount;
            ++askedCount;
            counted = true;
        }
        view_.happyVisible = true;
        view_.status = PracticeText::correct;
        showCountLineInDrill();
    } else if (sameLength) {
        judged = Judged::WrongFull;
        view_.happyVisible = false;
        view_.status.clear();
        view_.nextVisible = false;
    } else if (!sameValue) {
        judged = Judged::WrongLength;
    }
}

// Flash cards: the cards turn by themselves and nothing is judged.

void PracticeEngine::beginFlashCards() {
    startPending = false;
    view_.nextVisible = true;
    view_.nextText = PracticeText::begin;
    view_.answerBoxEnabled = false;
    problemIndex = 0; // the cards start from the first slot
}

void PracticeEngine::nextFlashCard() {
    view_.answerBoxVisible = true;
    view_.nextText = PracticeText::stop;
    view_.flashPeriodMs = timeSetting * millisecondsPerSecond;
    timing = true;
    startSeconds = clock.monotonicSeconds();
    if (advanceInList()) {
        showProblem();
    }
}

void PracticeEngine::flashTick() {
    if (timing && flashCards && mode_ == PracticeMode::Drill) {
        next();
    }
}

// The on-screen test: answers are judged on Enter, against the clock.

void PracticeEngine::nextInTest() {
    view_.answerBoxVisible = true;
    if (problemsShown == 0) {
        startTestClock();
    }
    if (problemOnScreen()) {
        scoreTestAnswer();
    }
    if (problemsShown >= testProblemCount || timeUp) {
        finishTest();
        return;
    }
    showNextProblem();
    ++problemsShown;
}

void PracticeEngine::startTestClock() {
    timeLimit = secondsPerMinute * timeSetting;
    timeUp = false;
    view_.nextText = PracticeText::next;
    view_.status = PracticeText::time;
    view_.timeBarShown = true;
    view_.timeBarMaximum = std::max(timeLimit, 0);
    view_.timeBarPosition = 0;
    view_.testTimerRunning = true;
    timing = true;
    startSeconds = clock.monotonicSeconds();
    wrongList.clear();
}

void PracticeEngine::scoreTestAnswer() {
    ++askedCount;
    const bool right = !typedAnswer.empty() && textToNumber(typedAnswer) == correctAnswer(current);
    if (right) {
        ++correctCount;
    } else {
        wrongList.push_back(wrongAnswerEntry(current, typedAnswer));
    }
}

void PracticeEngine::finishTest() {
    outcome(PracticeOutcome::Kind::Beep);
    view_.testTimerRunning = false;
    timing = false; // no tick may score again while the results are open
    PracticeOutcome finished;
    finished.kind = PracticeOutcome::Kind::TestFinished;
    finished.text = testOverText(correctCount, testProblemCount);
    finished.summary = {testProblemCount, correctCount, static_cast<int>(student.history.size()),
                        wrongList};
    const QDate today = clock.today();
    finished.record = {packDate(today), static_cast<std::uint8_t>(chosenKind),
                       static_cast<std::uint8_t>(timeSetting),
                       static_cast<std::int16_t>(testProblemCount),
                       static_cast<std::int16_t>(correctCount)};
    outcomes.push_back(finished);
    waiting = Waiting::ForResults;
}

void PracticeEngine::resultsClosed() {
    if (waiting != Waiting::ForResults) {
        return;
    }
    reset();
    view_.defaultLook[indexOf(ToolbarButton::Report)] = true;
    moveFocus(PracticeFocus::Report);
}

void PracticeEngine::tick() {
    if (!timing || mode_ != PracticeMode::Test) {
        return;
    }
    const double elapsed = roundHalfEven(clock.monotonicSeconds() - startSeconds);
    // A late tick shows a full bar.
    view_.timeBarPosition = static_cast<int>(std::clamp(elapsed, 0.0, double(timeLimit)));
    if (timeLimit <= elapsed) {
        timeUp = true;
        outcome(PracticeOutcome::Kind::Announce, PracticeText::timeUp);
        next();
        view_.testTimerRunning = false;
    }
}
