// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeRun.h"

#include "practice/PracticeTexts.h"
#include "practice/TypingCheckSession.h"
#include "records/PackDate.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {
// The practice area as one line: problem | shown answer | box | status | title | Next button
// | shown controls (B box, b disabled box, N Next, A Space --> Answer, H happy face, T time
// bar) | focus (b box, l answer label, L Learn, R Report) | buttons with the default look.
std::string picture(const PracticeView& v) {
    const std::string shown =
        std::string(v.answerBoxVisible ? (v.answerBoxEnabled ? "B" : "b") : "") +
        (v.nextVisible ? "N" : "") + (v.showAnswerVisible ? "A" : "") +
        (v.happyVisible ? "H" : "") + (v.timeBarShown ? "T" : "");
    std::string defaults;
    for (int i = 0; i < toolbarButtonCount; ++i) {
        defaults += v.defaultLook[static_cast<std::size_t>(i)] ? numberPlain(i) : "";
    }
    return v.firstOperand + v.operatorText + v.secondOperand + v.equals + "|" + v.answerLabel +
           "|" + v.answerText + "|" + v.status + "|" + v.title + "|" + v.nextText + "|" + shown +
           "|" + "blLR"[static_cast<int>(v.focus)] + "|" + defaults;
}

struct Case {
    const char* name;
    std::function<void(PracticeRun&)> start;
    std::string keys;
    std::string picture;
    std::string log;
};

using TB = ToolbarButton;
const auto learn7 = [](PracticeRun& r) { r.start(TB::Learn, 3, 7); };
// Range 1 to 1: every problem is 1 + 1.
const auto drill1 = [](PracticeRun& r) {
    r.student = studentWithRange(1, 1);
    r.start(TB::Drill, 1);
};
const auto flash1 = [](PracticeRun& r) {
    r.student = studentWithRange(1, 1);
    r.start(TB::Drill, 1, 3);
};
const auto test1 = [](PracticeRun& r) {
    r.student = studentWithRange(1, 1);
    r.start(TB::Test, 1, 1, 12);
};
const std::string L7 = "Learning for number 7  (Mult)|Enter --> Next|";
const std::string T0 = "Test Mode - Add  (0 correct out of 0)|Enter --> Next|";
const std::string begins = "|||||Enter --> Begin|N|l|", right = "Correct answer - very good...";
const std::string done = "|||||||R|3", wrong7 = "wrong(Learning for number 7  (Mult)) ";
const std::string L72 = "7 x 2 = ||||" + L7 + "BNA|b|";

// Learn: the number's table in order, judged as typed.
const Case learnCases[] = {
    {"learn waits to begin", learn7, "", begins, ""},
    {"learn first problem", learn7, "E", "7 x 1 = ||||" + L7 + "BNA|b|", ""},
    {"right waits for Enter", learn7, "E7", "7 x 1 = ||7|" + right + "|" + L7 + "BNH|b|", ""},
    {"wrong at full length", learn7, "E7E15", "7 x 3 = ||||" + L7 + "BNA|b|", wrong7},
    {"too short not judged yet", learn7, "EE1", "7 x 2 = ||1||" + L7 + "BN|b|", ""},
    {"too short wrong on Enter", learn7, "EE1E", "7 x 3 = ||||" + L7 + "BNA|b|", wrong7},
    {"erased right answer", learn7, "E7B", "7 x 1 = ||||" + L7 + "BN|b|", ""},
    {"erased not judged", learn7, "EE1BE", "7 x 3 = ||||" + L7 + "BNA|b|", ""},
    {"same value other length", learn7, "EEp", "7 x 2 = ||014||" + L7 + "BN|b|", ""},
    {"space shows the answer", learn7, "EESS", "7 x 2 = |14|||" + L7 + "N|l|", ""},
    {"shown answer not counted", learn7, "EESE", "7 x 3 = ||||" + L7 + "BNA|b|", ""},
    {"typed: space does nothing", learn7, "EE1S", "7 x 2 = ||1||" + L7 + "BN|b|", ""},
    {"space before the first", learn7, "S", begins, ""},
    {"twelfth problem", learn7, repeat("E", 12), "7 x 12 = ||||" + L7 + "BNA|b|", ""},
    {"the table again", learn7, repeat("E", 13), "7 x 1 = ||||" + L7 + "BNA|b|", ""},
    {"escape clears", learn7, "E7X", "|||||||L|0", ""},
    {"show all answers", [](PracticeRun& r) { r.start(TB::Learn, 1, 7, 1); }, "EE",
     "7 + 2 = |9|||Learning for number 7  (Add)|Enter --> Next|N|l|", ""},
    {"empty list", [](PracticeRun& r) { r.start(TB::Learn, 2, 0); }, "E5SE",
     "||5||Learning for number 0  (Sub)|Enter --> Begin|BN|l|", ""}};

// Drill: shuffled, with the counts in the title line.
const Case drillCases[] = {
    {"drill count line", drill1, "ER",
     "1 + 1 = ||2|" + right + "|  (1 correct out of 1)|Enter --> Next|BNH|b|", ""},
    {"drill count under the message", drill1, "EREW",
     "1 + 1 = ||||Drill Mode - Add|Enter --> Next|BNA|b|", "wrong(  (1 correct out of 2)) "},
    {"counted once", drill1, "ERBR",
     "1 + 1 = ||2|" + right + "|  (1 correct out of 1)|Enter --> Next|BNH|b|", ""},
    {"drill shows all answers as the last learn",
     [](PracticeRun& r) {
         r.start(TB::Learn, 1, 2, 1);
         r.student = studentWithRange(1, 1);
         r.start(TB::Drill, 3);
     },
     "E", "1 x 1 = |1|||Drill Mode - Mult|Enter --> Next|N|l|", ""}};

// Flash cards: the cards turn on the timer; Enter stops them.
const Case flashCases[] = {
    {"flash cards wait", flash1, "f", begins, ""},
    {"flash card", flash1, "E", "1 + 1 = |||||Stop|bN|l|", ""},
    {"flash answer", flash1, "ES", "1 + 1 = |2||||Stop|N|l|", ""},
    {"next card", flash1, "ESf", "1 + 1 = |||||Stop|bN|l|", ""},
    {"stop", flash1, "EEf", "|||||||l|", ""},
    {"cards never judged", flash1, "E9f1f", "1 + 1 = |||||Stop|bN|l|", ""},
    {"learn enables the box again",
     [](PracticeRun& r) {
         r.start(TB::Drill, 1, 2);
         r.keys("E");
         r.start(TB::Learn, 1, 3);
     },
     "ER", "3 + 1 = ||4|" + right + "|Learning for number 3  (Add)|Enter --> Next|BNH|b|", ""}};

// The on-screen test: judged on Enter, against the clock.
const Case testCases[] = {
    {"test waits", test1, "", begins, ""},
    {"test starts", test1, "E", "1 + 1 = |||Time:|" + T0 + "BNT|b|", ""},
    {"judged on Enter only", test1, "ERERERE0",
     "1 + 1 = ||0|Time:|Test Mode - Add  (3 correct out of 3)|Enter --> Next|BNT|b|", ""},
    {"wrong counted", test1, "ERERERE0E",
     "1 + 1 = |||Time:|Test Mode - Add  (3 correct out of 4)|Enter --> Next|BNT|b|", ""},
    {"space in a test", test1, "ES", "1 + 1 = |||Time:|" + T0 + "BNT|b|", ""},
    {"twelve right", test1, "E" + repeat("RE", 12), done, "beep results 12/12 w0 "},
    {"empty enter is wrong", test1, "E" + repeat("RE", 11) + "E", done, "beep results 11/12 w1 "},
    {"time up scores what was typed", test1, "E" + repeat("RE", 5) + "1" + repeat("t", 60), done,
     "say(Time's up) beep results 5/12 w1 "},
    {"not yet", test1, "E" + repeat("t", 59), "1 + 1 = |||Time:|" + T0 + "BNT|b|", ""},
    {"escape abandons", test1, "ERX" + repeat("t", 70), "|||||||L|0", ""},
    {"report abandons",
     [](PracticeRun& r) {
         test1(r);
         r.keys("ERE");
         r.engine.beforeToolbarCommand(TB::Report);
     },
     repeat("t", 70), "|||||||b|", ""},
    {"a test over midnight",
     [](PracticeRun& r) {
         r.clock.timeOfDay = 86400.0 - 20.0;
         r.start(TB::Test, 1, 1, 30);
     },
     "E" + repeat("t", 60), done, "say(Time's up) beep results 0/30 w1 "},
    {"div reshuffles past its 35", [](PracticeRun& r) { r.start(TB::Test, 4, 10, 120); },
     "E" + repeat("RE", 120), done, "beep results 120/120 w0 "},
    {"no problems", [](PracticeRun& r) { r.start(TB::Test, 5, 1, 0); }, "E", done,
     "beep results 0/0 w0 "}};

// Every answer for the child's log: fact, right or wrong, milliseconds ("[3:7,1 R 2000] ").
const auto logged = [](auto start) {
    return [start](PracticeRun& r) {
        r.logAnswers = true;
        start(r);
    };
};
const Case answeredCases[] = {
    {"right at its last digit", logged(learn7), "EttR",
     "7 x 1 = ||7|" + right + "|" + L7 + "BNH|b|", "[3:7,1 R 2000] "},
    {"wrong at its last digit", logged(learn7), "EtW", L72, "[3:7,1 W 1000] " + wrong7},
    {"the first judgement counts", logged(learn7), "ERBW", L72, "[3:7,1 R 0] " + wrong7},
    {"space is wrong", logged(learn7), "EtSE", L72, "[3:7,1 W 1000] "},
    {"skips are not answers", logged(learn7), "EEE1tE", "7 x 4 = ||||" + L7 + "BNA|b|",
     "[3:7,3 W 1000] " + wrong7},
    {"shown answers are not asked", logged([](PracticeRun& r) { r.start(TB::Learn, 1, 7, 1); }),
     "EtE", "7 + 2 = |9|||Learning for number 7  (Add)|Enter --> Next|N|l|", ""},
    {"drill", logged(drill1), "EtR",
     "1 + 1 = ||2|" + right + "|  (1 correct out of 1)|Enter --> Next|BNH|b|", "[1:1,1 R 1000] "},
    {"flash cards cannot be answered", logged(flash1), "EtSff", "1 + 1 = |||||Stop|bN|l|", ""},
    {"test: judged on Enter, not at time up", logged(test1), "EtREE" + repeat("t", 59), done,
     "[1:1,1 R 1000] [1:1,1 W 0] say(Time's up) beep results 1/12 w2 "}};

// Fact practice of Mult over 2 to 3 (four facts) with a measured typing time of 1 s: 4 s limit.
const auto facts23 = [](PracticeRun& r) {
    r.student = studentWithRange(2, 3);
    r.logAnswers = true;
    r.answerLog.limits = {{LimitSource::TypingTime, 1000, 0}};
    r.engine.beforeToolbarCommand(TB::Drill);
    r.engine.startFactPractice(3, r.answerLog, 7);
    r.act();
};
const std::string F = "|Facts to learn - Mult|Enter --> Next|", F33 = "3 x 3 = |";
const std::string W33 = "[3:3,3 W 0] ", again = "[3:2,3 R 0] [3:3,2 R 0] [3:2,2 R 0] [3:3,3 R 0] ";
const Case factCases[] = {
    {"facts begin", facts23, "", "||||Facts to learn - Mult|Enter --> Begin|N|l|", ""},
    {"right within the limit", facts23, "EttttR", F33 + "|9|" + right + F + "BNH|b|",
     "[3:3,3 R 4000] "},
    {"division",
     [](PracticeRun& r) {
         facts23(r);
         r.engine.startFactPractice(4, r.answerLog, 7);
     },
     "EW", "9 / 3 = |3|0|Not quite: the answer is 3|Facts to learn - Div|Enter --> Next|N|l|",
     "[4:9,3 W 0] "},
    {"wrong shows the answer", facts23, "EW", F33 + "9|0|Not quite: the answer is 9" + F + "N|l|",
     W33},
    {"slow shows the answer", facts23, "EtttttR", F33 + "9|9|Right! Next time faster." + F + "N|l|",
     "[3:3,3 R 5000] "},
    {"space shows it as wrong", facts23, "EtS", F33 + "9||Not quite: the answer is 9" + F + "N|l|",
     "[3:3,3 W 1000] "},
    {"an empty Enter waits", facts23, "EE", F33 + "||" + F + "BA|b|", ""},
    {"Enter goes on", facts23, "EWE", "2 x 3 = |||" + F + "BA|b|", W33},
    {"asked again and learned", facts23, "EWE" + repeat("RE", 20),
     "|||You learned 3 x 3 today!|Facts to learn - Mult|||L|0",
     W33 + again + again + again + "say(You learned 3 x 3 today!) "},
    {"ten minutes", facts23, "EWE" + repeat("t", 600) + "RE",
     "|||Well done! Keep practising and you will know them all.|Facts to learn - Mult|||L|0",
     W33 + "[3:2,3 R 600000] say(Well done! Keep practising and you will know them all.) "}};

// The typing check comes first while the log holds no typing time.
const auto factsUnmeasured = [](PracticeRun& r) {
    r.logAnswers = true;
    r.engine.startFactPractice(3, r.answerLog, 7);
    r.act();
};
const std::string typeFive = "E" + std::string("tn") + "ttn" + "tttn" + "tn" + "tttttn";
const Case typingCases[] = {
    {"check first", factsUnmeasured, "",
     "|||Type the number you see|Typing check|Enter --> Begin|N|l|", ""},
    {"a number", factsUnmeasured, "Et", "57|||Type the number you see|Typing check||B|b|", ""},
    {"median, then the facts", factsUnmeasured, typeFive,
     "|||All typed - thank you!|Facts to learn - Mult|Enter --> Begin|N|b|", "[limit 2000] "},
    {"with the widened limit", factsUnmeasured, typeFive + "EttttR",
     "4 x 4 = ||16|" + right + F + "BNH|b|", "[limit 2000] [3:4,4 R 4000] "},
    {"check alone",
     [](PracticeRun& r) {
         r.logAnswers = true;
         r.engine.startTypingCheck();
     },
     typeFive, "|||All typed - thank you!|Typing check|||L|0", "[limit 2000] "},
    {"a typo is not timed", factsUnmeasured, "E99" + repeat("tn", 5),
     "|||All typed - thank you!|Facts to learn - Mult|Enter --> Begin|N|b|", "[limit 1000] "}};

class Engine : public ::testing::TestWithParam<Case> {};
} // namespace

TEST_P(Engine, KeysGiveTheViewAndOutcomes) {
    PracticeRun run;
    GetParam().start(run);
    run.keys(GetParam().keys);
    EXPECT_EQ(picture(run.view()), GetParam().picture);
    EXPECT_EQ(run.log, GetParam().log);
    EXPECT_EQ(run.student.history.size(), run.results.size());
}

const auto caseName = [](const auto& info) {
    std::string name = info.param.name;
    std::erase_if(name, [](char c) { return !std::isalnum(c); });
    return name;
};
INSTANTIATE_TEST_SUITE_P(Learn, Engine, ::testing::ValuesIn(learnCases), caseName);
INSTANTIATE_TEST_SUITE_P(Drill, Engine, ::testing::ValuesIn(drillCases), caseName);
INSTANTIATE_TEST_SUITE_P(FlashCards, Engine, ::testing::ValuesIn(flashCases), caseName);
INSTANTIATE_TEST_SUITE_P(Test, Engine, ::testing::ValuesIn(testCases), caseName);
INSTANTIATE_TEST_SUITE_P(Answered, Engine, ::testing::ValuesIn(answeredCases), caseName);
INSTANTIATE_TEST_SUITE_P(Facts, Engine, ::testing::ValuesIn(factCases), caseName);
INSTANTIATE_TEST_SUITE_P(TypingCheck, Engine, ::testing::ValuesIn(typingCases), caseName);

// The typing allowance is the median time; limits and answers are dated today.
TEST(EngineOutcomes, TheMedianTypingTimeAndTheDates) {
    const std::pair<std::vector<std::uint32_t>, std::uint32_t> medians[] = {
        {{}, 0}, {{5}, 5}, {{3, 1}, 2}, {{9, 1, 4}, 4}, {{8000, 1000, 4000, 2000}, 3000}};
    for (const auto& [times, median] : medians) {
        EXPECT_EQ(medianMs(times), median);
    }
    PracticeRun run;
    factsUnmeasured(run);
    run.keys(typeFive + "ER");
    const std::uint16_t today = packDate("03-15-2026");
    EXPECT_EQ(run.answerLog.limits.at(0), (LimitSetting{LimitSource::TypingTime, 2000, today}));
    EXPECT_EQ(run.answerLog.answers.at(0).date, today);
    EXPECT_EQ(run.view().statusRoom, StatusRoom::Long); // room for the facts learned
}

// The happy face goes as a wrong answer replaces a right one, before its message is closed.
TEST(EngineOutcomes, TheHappyFaceAndTheRecordOfATest) {
    PracticeRun run;
    run.start(TB::Learn, 3, 7);
    run.keys("EE14");
    run.engine.answerTyped("15");
    EXPECT_FALSE(run.view().happyVisible);

    run.student = studentWithRange(10, 12); // three-digit products: "1" is half typed
    run.student.history.resize(3);
    run.start(TB::Test, 3, 2, 20);
    run.keys("ERE1");
    const Problem second = run.currentProblem();
    EXPECT_EQ(run.view().timeBarPosition, 0); // an empty bar at the start
    run.keys(repeat("t", 30));
    EXPECT_EQ(run.view().timeBarMaximum, 120);
    EXPECT_EQ(run.view().timeBarPosition, 30);
    EXPECT_TRUE(run.view().testTimerRunning);
    run.keys(repeat("t", 90));
    EXPECT_FALSE(run.view().testTimerRunning);
    ASSERT_EQ(run.results.size(), 1u);
    EXPECT_EQ(run.results[0].recordCount, 3); // the records held before this test's
    ASSERT_EQ(run.results[0].wrongList.size(), 1u);
    EXPECT_EQ(run.results[0].wrongList[0].problemText, wrongAnswerEntry(second, "1").problemText);
    EXPECT_EQ(run.student.history.back(), (ScoreRecord{packDate("03-15-2026"), 3, 2, 20, 1}));
    run.start(TB::Test, 1, 1, 2); // a new test empties the wrong list when it starts
    run.keys("ERE" + repeat("RE", 1));
    EXPECT_TRUE(run.results.back().wrongList.empty());
}

TEST(EngineCommands, EnterOnAToolbarButtonAndTheStepsBeforeEachCommand) {
    PracticeRun run;
    EXPECT_FALSE(run.engine.keepsEnter()); // nothing runs: Enter presses the focused button
    run.engine.beforeToolbarCommand(TB::Test);
    run.engine.startTest(3, 1, 2);
    EXPECT_TRUE(run.engine.keepsEnter()); // Enter begins while "Enter --> Begin" waits
    run.keys("E");
    EXPECT_FALSE(run.engine.keepsEnter());
    run.engine.enterPressed(TB::Report);
    EXPECT_FALSE(run.view().defaultLook[static_cast<std::size_t>(TB::Report)]);
    run.start(TB::Drill, 3, 2); // flash cards: Enter stops them, also on a toolbar button
    run.keys("E");
    EXPECT_TRUE(run.engine.keepsEnter());
    run.keys("E");
    EXPECT_FALSE(run.engine.keepsEnter());
    run.start(TB::Learn, 3, 7);
    run.keys("E");
    EXPECT_EQ(run.view().firstOperand + run.view().secondOperand, "71");
    const std::pair<TB, StatusRoom> rooms[] = {{TB::Help, StatusRoom::Wide},
                                               {TB::Test, StatusRoom::Narrow},
                                               {TB::Report, StatusRoom::Narrow},
                                               {TB::Drill, StatusRoom::Wide}};
    for (const auto& [button, room] : rooms) {
        run.engine.beforeToolbarCommand(button);
        EXPECT_EQ(run.view().statusRoom, room);
        EXPECT_EQ(run.view().firstOperand, button == TB::Help ? "7" : ""); // Help keeps the run
    }
    run.start(TB::Drill, 1, 2);
    run.keys("E");
    EXPECT_EQ(run.view().flashPeriodMs, 2000);
    run.engine.beforeToolbarCommand(TB::Config);
    EXPECT_FALSE(run.view().answerBoxEnabled);
    run.engine.reportClosed();
    EXPECT_TRUE(run.view().defaultLook[0]);
    run.student.changeState = ChangeState::Unchanged;
    run.start(TB::Learn, 4, 6); // begin takes the default look from the mode's button
    EXPECT_FALSE(run.view().defaultLook[0]);
    // The choice is noted by the record's owner acting on the outcome.
    EXPECT_EQ(std::pair(run.student.lastLearnOp, run.student.lastLearnNumber), std::pair(4, 6));
    EXPECT_EQ(run.student.changeState, ChangeState::LearnChoiceChanged);
}

TEST(EngineRuns, NewOrdersEachRoundAndEachDrill) {
    PracticeRun run;
    run.start(TB::Drill, 1);
    std::vector<std::string> rounds[2];
    for (auto& round : rounds) {
        for (int i = 0; i < 144; ++i) {
            run.keys("RE");
            round.push_back(run.view().firstOperand + "+" + run.view().secondOperand);
            run.clock.advance(0.37);
        }
        EXPECT_EQ(std::set(round.begin(), round.end()).size(), 144u);
    }
    EXPECT_NE(rounds[0], rounds[1]);
    run.start(TB::Drill, 1);
    run.keys("EE");
    EXPECT_NE(run.view().firstOperand + "+" + run.view().secondOperand, rounds[1][1]);
}
