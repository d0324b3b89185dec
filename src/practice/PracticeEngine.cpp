#include "practice/PracticeEngine.h"

#include "common/NumberText.h"
#include "practice/PracticeTexts.h"

#include <algorithm>

namespace {
// The wrong-answer message stands this far right of and below the main window's corner.
constexpr int messageOffsetX = 350;
constexpr int messageOffsetY = 250;

bool learnOrDrill(PracticeMode mode) {
    return mode == PracticeMode::Learn || mode == PracticeMode::Drill;
}
} // namespace

PracticeEngine::PracticeEngine(PracticeScreen& screen, PracticeClock& clock, StudentRecord& student,
                               ScreenPoint mainPosition,
                               std::function<void(int command)> sendCommand)
    : screen(screen), clock(clock), student(student), mainPosition(mainPosition),
      sendCommand(std::move(sendCommand)) {}

void PracticeEngine::beforeToolbarCommand(int command) {
    if (command == PracticeCommand::test) {
        screen.setStatusLabelWidth(narrowStatusWidth);
    } else if (command == PracticeCommand::learn || command == PracticeCommand::drill) {
        screen.setStatusLabelWidth(wideStatusWidth);
    }
    if (command < PracticeCommand::learn || command > PracticeCommand::config) {
        return;
    }
    resetPractice();
    if (command > PracticeCommand::test) {
        return;
    }
    practice.flashCards = false;
    screen.setEnabled(ControlId::AnswerBox, true);
    resetPractice();
    if (command == PracticeCommand::learn) {
        practice.mode = PracticeMode::Learn;
    } else if (command == PracticeCommand::drill) {
        practice.mode = PracticeMode::Drill;
    }
}

void PracticeEngine::startRun(int kind, PracticeMode mode) {
    practice.mode = mode;
    practice.chosenKind = kind;
    const std::uint64_t seed = seedFromTimeOfDay(clock.secondsSinceMidnight());
    practice.problemList = buildProblemList(static_cast<OperationKind>(kind), mode, student,
                                            practice.learnNumber, random, seed);
    practice.startPending = true;
    cmdNext();
}

void PracticeEngine::startLearn(int operation, int number, bool showAllAnswers) {
    practice.learnNumber = number;
    practice.showAllAnswers = showAllAnswers;
    practice.flashCards = false;
    practice.timeSetting = 0;
    noteLearnChoice(student, operation, number);
    startRun(operation, PracticeMode::Learn);
}

void PracticeEngine::startDrill(int kind, int secondsPerCard) {
    practice.timeSetting = std::max(secondsPerCard, 0);
    practice.flashCards = practice.timeSetting > 0;
    startRun(kind, PracticeMode::Drill);
}

void PracticeEngine::startTest(int kind, int minutes, int problemCount) {
    // A score record holds the minutes in one byte and the problems in 16 bits.
    practice.timeSetting = std::clamp(minutes, 0, 255);
    practice.testProblemCount = std::clamp(problemCount, 0, 32767);
    practice.flashCards = false;
    startRun(kind, PracticeMode::Test);
}

void PracticeEngine::resetPractice() {
    for (ControlId id :
         {ControlId::FirstOperand, ControlId::Operator, ControlId::SecondOperand, ControlId::Equals,
          ControlId::AnswerLabel, ControlId::AnswerBox, ControlId::NextButton,
          ControlId::ShowAnswerButton, ControlId::StatusLabel, ControlId::TitleLabel}) {
        screen.setText(id, "");
    }
    screen.setVisible(ControlId::AnswerBox, false);
    screen.setVisible(ControlId::NextButton, false);
    screen.setVisible(ControlId::ShowAnswerButton, false);
    if (practice.timeBarExists) {
        screen.destroyTimeBar();
        practice.timeBarExists = false;
    }
    screen.stopTestTimer();
    screen.stopFlashTimer();
    practice.mode = PracticeMode::None;
    practice.startPending = false;
    practice.timeSetting = 0;
    practice.timing = false;
    practice.startSeconds = 0;
    practice.current = Problem{};
    practice.operatorText.clear();
}

void PracticeEngine::cmdEnter() {
    if (screen.text(ControlId::NextButton) == PracticeText::stop) {
        resetPractice();
        return;
    }
    const ControlId focused = screen.focusedControl();
    const bool buttonMayAct = practice.mode == PracticeMode::None || practice.problemIndex != 0;
    if (buttonMayAct && isToolbarButton(focused)) {
        if (sendCommand) {
            sendCommand(static_cast<int>(focused));
        }
        screen.setDefaultLook(focused, false);
        return;
    }
    cmdNext();
}

void PracticeEngine::cmdEscape() {
    resetPractice();
    screen.setFocus(ControlId::LearnButton);
    screen.setDefaultLook(ControlId::LearnButton, true);
}

void PracticeEngine::cmdSpace() {
    if (practice.typedAnswer.empty() && screen.text(ControlId::AnswerLabel).empty()) {
        cmdShowAnswer();
    }
}

void PracticeEngine::cmdNext() {
    if (practice.mode == PracticeMode::None) {
        return;
    }
    if (practice.startPending) {
        if (practice.flashCards) {
            beginFlashCards();
        } else {
            begin();
        }
    } else if (practice.mode == PracticeMode::Test) {
        nextInTest();
    } else if (practice.mode == PracticeMode::Drill && practice.flashCards &&
               practice.timeSetting > 0) {
        nextFlashCard();
    } else if (learnOrDrill(practice.mode) && practice.timeSetting == 0) {
        nextInLearnOrDrill();
    }
}

void PracticeEngine::begin() {
    practice.startPending = false;
    screen.setVisible(ControlId::NextButton, true);
    screen.setText(ControlId::NextButton, PracticeText::begin);
    practice.problemIndex = 0;
    practice.askedCount = 0;
    practice.correctCount = 0;
    practice.problemsShown = 0;
    practice.answerState = AnswerState::Nothing;
    if (practice.mode == PracticeMode::Learn) {
        screen.setDefaultLook(ControlId::LearnButton, false);
    } else if (practice.mode == PracticeMode::Drill) {
        screen.setDefaultLook(ControlId::DrillButton, false);
    } else if (practice.mode == PracticeMode::Test) {
        screen.setDefaultLook(ControlId::TestButton, false);
    }
    screen.setFocus(ControlId::AnswerBox);
}

void PracticeEngine::nextInLearnOrDrill() {
    screen.setVisible(ControlId::AnswerBox, true);
    if (practice.answerState != AnswerState::Nothing) {
        practice.answerState = AnswerState::Nothing;
        countWrongAnswer();
    }
    showNextProblem();
}

void PracticeEngine::countWrongAnswer() {
    ++practice.askedCount;
    showCountLineInDrill();
    showWrongAnswerMessage();
}

void PracticeEngine::showCountLineInDrill() {
    if (practice.mode == PracticeMode::Drill) {
        screen.setText(ControlId::TitleLabel,
                       countLine(practice.correctCount, practice.askedCount));
    }
}

void PracticeEngine::showWrongAnswerMessage() {
    screen.showWrongAnswerMessage(wrongAnswerBody(correctAnswer(practice.current)),
                                  PracticeText::wrongCaption, mainPosition.x + messageOffsetX,
                                  mainPosition.y + messageOffsetY);
}

std::string PracticeEngine::titleLine() const {
    switch (practice.mode) {
    case PracticeMode::Learn:
        return learnTitle(practice.learnNumber, practice.chosenKind);
    case PracticeMode::Drill:
        return drillTitle(practice.chosenKind);
    case PracticeMode::Test:
        return testTitle(practice.chosenKind, practice.correctCount, practice.askedCount);
    default:
        return "";
    }
}

bool PracticeEngine::advanceInList() {
    const int count = static_cast<int>(practice.problemList.size());
    if (count == 0) {
        return false; // nothing to show: the run waits for Escape or a toolbar command
    }
    if (practice.problemIndex >= count) {
        practice.problemIndex = 0;
        if (practice.mode != PracticeMode::Learn) {
            random.seed(seedFromTimeOfDay(clock.secondsSinceMidnight()));
            shuffleProblemList(practice.problemList, random);
        }
    }
    ++practice.problemIndex;
    practice.counted = false;
    practice.current = practice.problemList[static_cast<std::size_t>(practice.problemIndex - 1)];
    practice.operatorText = operatorText(practice.current.operation);
    return true;
}

void PracticeEngine::showProblem() {
    screen.setText(ControlId::FirstOperand, numberPlain(practice.current.first));
    screen.setText(ControlId::Operator, practice.operatorText);
    screen.setText(ControlId::SecondOperand, numberPlain(practice.current.second));
    screen.setText(ControlId::Equals, PracticeText::equals);
    screen.setText(ControlId::AnswerLabel, "");
}

void PracticeEngine::showNextProblem() {
    screen.repaintAnswerArea();
    screen.setText(ControlId::TitleLabel, titleLine());
    if (!advanceInList()) {
        return;
    }
    showProblem();
    screen.setText(ControlId::NextButton, PracticeText::next);
    screen.setText(ControlId::AnswerBox, "");
    screen.setFocus(ControlId::AnswerBox);
    if (!learnOrDrill(practice.mode)) {
        return;
    }
    if (practice.showAllAnswers) {
        cmdShowAnswer();
    } else {
        screen.setVisible(ControlId::ShowAnswerButton, true);
        screen.setText(ControlId::ShowAnswerButton, PracticeText::showAnswer);
    }
}

void PracticeEngine::cmdShowAnswer() {
    if (!learnOrDrill(practice.mode) || !practice.problemOnScreen()) {
        return;
    }
    screen.setVisible(ControlId::AnswerBox, false);
    screen.setText(ControlId::AnswerLabel, numberPlain(correctAnswer(practice.current)));
    screen.setFocus(ControlId::AnswerLabel);
    screen.setVisible(ControlId::HappyImage, false);
    screen.setVisible(ControlId::ShowAnswerButton, false);
    screen.setText(ControlId::StatusLabel, "");
    screen.repaintAnswerArea();
}

void PracticeEngine::answerChanged() {
    practice.typedAnswer = screen.text(ControlId::AnswerBox);
    if (practice.mode == PracticeMode::Test || practice.mode == PracticeMode::PrintedTest) {
        return;
    }
    if (practice.typedAnswer.empty()) {
        // An emptied box leaves nothing to judge, so a later Enter just moves on.
        practice.answerState = AnswerState::Nothing;
        screen.setVisible(ControlId::HappyImage, false);
        screen.setText(ControlId::StatusLabel, "");
        return;
    }
    if (!practice.problemOnScreen()) {
        return;
    }
    judgeTypedAnswer();
    screen.setVisible(ControlId::ShowAnswerButton, false);
    if (practice.answerState == AnswerState::WrongFull) {
        practice.answerState = AnswerState::Nothing;
        countWrongAnswer();
        screen.setVisible(ControlId::NextButton, true);
        cmdNext();
    }
}

void PracticeEngine::judgeTypedAnswer() {
    const int answer = correctAnswer(practice.current);
    const bool sameLength = practice.typedAnswer.size() == numberPlain(answer).size();
    const bool sameValue = textToNumber(practice.typedAnswer) == answer;
    if (sameLength && sameValue) {
        practice.answerState = AnswerState::Nothing;
        if (!practice.counted) {
            ++practice.correctCount;
            ++practice.askedCount;
            practice.counted = true;
        }
        screen.setVisible(ControlId::HappyImage, true);
        screen.setText(ControlId::StatusLabel, PracticeText::correct);
        showCountLineInDrill();
    } else if (sameLength) {
        practice.answerState = AnswerState::WrongFull;
        screen.setVisible(ControlId::HappyImage, false);
        screen.setText(ControlId::StatusLabel, "");
        screen.setVisible(ControlId::NextButton, false);
    } else if (!sameValue) {
        practice.answerState = AnswerState::WrongLength;
    }
}
