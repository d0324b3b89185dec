#include "PracticeRun.h"

#include "practice/PracticeTexts.h"
#include "records/PackDate.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {
// The practice area as one line: problem | shown answer | box | status | title | Next button
// | shown controls (B box, b disabled box, N Next, A Space --> Answer, H happy face, T time
// bar) | focus (b box, l answer label, L Learn, R Report) | buttons with the default look.
std::string picture(const PracticeView& v) {
    std::string shown;
    const std::pair<bool, char> flags[] = {{v.answerBoxVisible, v.answerBoxEnabled ? 'B' : 'b'},
                                           {v.nextVisible, 'N'},
                                           {v.showAnswerVisible, 'A'},
                                           {v.happyVisible, 'H'},
                                           {v.timeBarShown, 'T'}};
    for (const auto& [on, letter] : flags) {
        if (on) {
            shown += letter;
        }
    }
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

const char learn7[] = "Learning for number 7  (Mult)";
const auto learnSeven = [](PracticeRun& r) { r.learn(3, 7); };
const auto drillOnes = [](PracticeRun& r) { // range 1 to 1: every problem is 1 + 1
    r.student = studentWithRange(1, 1);
    r.drill(1);
};
const auto flashOnes = [](PracticeRun& r) {
    r.student = studentWithRange(1, 1);
    r.drill(1, 3);
};
const auto testOnes = [](PracticeRun& r) {
    r.student = studentWithRange(1, 1);
    r.test(1, 1, 12);
};
const std::string next = "|Enter --> Next|";
const std::string test0 = "Test Mode - Add  (0 correct out of 0)";

const Case cases[] = {
    {"learn waits to begin", learnSeven, "", "|||||Enter --> Begin|N|l|", ""},
    {"learn first problem", learnSeven, "E", "7 x 1 = ||||" + std::string(learn7) + next + "BNA|b|",
     ""},
    {"right answer waits for Enter", learnSeven, "E7",
     "7 x 1 = ||7|Correct answer - very good...|" + std::string(learn7) + next + "BNH|b|", ""},
    {"wrong at full length", learnSeven, "E7E15",
     "7 x 3 = ||||" + std::string(learn7) + next + "BNA|b|", "wrong(" + std::string(learn7) + ") "},
    {"too short is not judged yet", learnSeven, "EE1",
     "7 x 2 = ||1||" + std::string(learn7) + next + "BN|b|", ""},
    {"too short is wrong on Enter", learnSeven, "EE1E",
     "7 x 3 = ||||" + std::string(learn7) + next + "BNA|b|", "wrong(" + std::string(learn7) + ") "},
    {"erased is not judged", learnSeven, "EE1BE",
     "7 x 3 = ||||" + std::string(learn7) + next + "BNA|b|", ""},
    {"same value other length", learnSeven, "EEp",
     "7 x 2 = ||014||" + std::string(learn7) + next + "BN|b|", ""},
    {"space shows the answer", learnSeven, "EES",
     "7 x 2 = |14|||" + std::string(learn7) + next + "N|l|", ""},
    {"space twice", learnSeven, "EESS", "7 x 2 = |14|||" + std::string(learn7) + next + "N|l|", ""},
    {"shown answer is not counted", learnSeven, "EESSE",
     "7 x 3 = ||||" + std::string(learn7) + next + "BNA|b|", ""},
    {"typed: space does nothing", learnSeven, "EE1S",
     "7 x 2 = ||1||" + std::string(learn7) + next + "BN|b|", ""},
    {"space before the first", learnSeven, "S", "|||||Enter --> Begin|N|l|", ""},
    {"twelfth problem", learnSeven, repeat("E", 12),
     "7 x 12 = ||||" + std::string(learn7) + next + "BNA|b|", ""},
    {"the table again", learnSeven, repeat("E", 13),
     "7 x 1 = ||||" + std::string(learn7) + next + "BNA|b|", ""},
    {"escape clears", learnSeven, "E7X", "|||||||L|0", ""},
    {"show all answers", [](PracticeRun& r) { r.learn(1, 7, true); }, "EE",
     "7 + 2 = |9|||Learning for number 7  (Add)" + next + "N|l|", ""},
    {"empty list", [](PracticeRun& r) { r.learn(2, 0); }, "E5SE",
     "||5||Learning for number 0  (Sub)|Enter --> Begin|BN|l|", ""},
    {"drill count line", drillOnes, "ER",
     "1 + 1 = ||2|Correct answer - very good...|  (1 correct out of 1)" + next + "BNH|b|", ""},
    {"drill count while the message is open", drillOnes, "EREW",
     "1 + 1 = ||||Drill Mode - Add" + next + "BNA|b|", "wrong(  (1 correct out of 2)) "},
    {"counted once", drillOnes, "ERBR",
     "1 + 1 = ||2|Correct answer - very good...|  (1 correct out of 1)" + next + "BNH|b|", ""},
    {"show all answers of the last learn",
     [](PracticeRun& r) {
         r.learn(1, 2, true);
         r.student = studentWithRange(1, 1);
         r.drill(3);
     },
     "E", "1 x 1 = |1|||Drill Mode - Mult" + next + "N|l|", ""},
    {"flash cards wait", flashOnes, "f", "|||||Enter --> Begin|N|l|", ""},
    {"flash card", flashOnes, "E", "1 + 1 = |||||Stop|bN|l|", ""},
    {"flash answer", flashOnes, "ES", "1 + 1 = |2||||Stop|N|l|", ""},
    {"next card", flashOnes, "ESf", "1 + 1 = |||||Stop|bN|l|", ""},
    {"answer on every card", flashOnes, "ESfS", "1 + 1 = |2||||Stop|N|l|", ""},
    {"stop", flashOnes, "EEf", "|||||||l|", ""},
    {"cards are never judged", flashOnes, "E9f1f", "1 + 1 = |||||Stop|bN|l|", ""},
    {"learn enables the box again",
     [](PracticeRun& r) {
         r.drill(1, 2);
         r.keys("E");
         r.learn(1, 3);
     },
     "ER",
     "3 + 1 = ||4|Correct answer - very good...|Learning for number 3  (Add)" + next + "BNH|b|",
     ""},
    {"test waits", testOnes, "", "|||||Enter --> Begin|N|l|", ""},
    {"test starts", testOnes, "E", "1 + 1 = |||Time:|" + test0 + next + "BNT|b|", ""},
    {"judged on Enter only", testOnes, "ERERERE0",
     "1 + 1 = ||0|Time:|Test Mode - Add  (3 correct out of 3)" + next + "BNT|b|", ""},
    {"wrong counted", testOnes, "ERERERE0E",
     "1 + 1 = |||Time:|Test Mode - Add  (3 correct out of 4)" + next + "BNT|b|", ""},
    {"space in a test", testOnes, "ES", "1 + 1 = |||Time:|" + test0 + next + "BNT|b|", ""},
    {"twelve right", testOnes, "E" + repeat("RE", 12), "|||||||R|3", "beep results 12/12 w0 "},
    {"empty enter is wrong", testOnes, "E" + repeat("RE", 11) + "E", "|||||||R|3",
     "beep results 11/12 w1 "},
    {"time up scores what was typed", testOnes, "E" + repeat("RE", 5) + "1" + repeat("t", 60),
     "|||||||R|3", "say(Time's up) beep results 5/12 w1 "},
    {"not yet", testOnes, "E" + repeat("t", 59), "1 + 1 = |||Time:|" + test0 + next + "BNT|b|", ""},
    {"escape abandons", testOnes, "ERX" + repeat("t", 70), "|||||||L|0", ""},
    {"a test over midnight",
     [](PracticeRun& r) {
         r.clock.timeOfDay = 86400.0 - 20.0;
         r.test(1, 1, 30);
     },
     "E" + repeat("t", 60), "|||||||R|3", "say(Time's up) beep results 0/30 w1 "},
    {"div test reshuffles past its 35 problems", [](PracticeRun& r) { r.test(4, 10, 120); },
     "E" + repeat("RE", 120), "|||||||R|3", "beep results 120/120 w0 "},
    {"no problems", [](PracticeRun& r) { r.test(5, 1, 0); }, "EE", "|||||||R|3",
     "beep results 0/0 w0 "},
};

class Engine : public ::testing::TestWithParam<Case> {};
} // namespace

TEST_P(Engine, KeysGiveTheViewAndOutcomes) {
    PracticeRun run;
    GetParam().start(run);
    run.keys(GetParam().keys);
    EXPECT_EQ(picture(run.view()), GetParam().picture);
    EXPECT_EQ(run.log, GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(Practice, Engine, ::testing::ValuesIn(cases), [](const auto& info) {
    std::string name = info.param.name;
    std::erase_if(name, [](char c) { return !std::isalnum(c); });
    return name;
});

TEST(EngineMessages, WrongAnswerTextAndTheRecordOfATest) {
    PracticeRun run;
    run.learn(3, 7);
    run.keys("EE");
    run.engine.answerTyped("15");
    auto outcomes = run.engine.takeOutcomes();
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].text, "\r\n  Correct answer is:  14");
    EXPECT_EQ(outcomes[0].caption, "*** WRONG ANSWER ***");
    run.engine.wrongAnswerMessageClosed();

    run.student = studentWithRange(10, 12); // three-digit products: "1" is half typed
    run.student.history.resize(3);
    run.test(3, 2, 20);
    run.keys("ERE1");
    const Problem second = run.currentProblem();
    run.keys(repeat("t", 120));
    ASSERT_EQ(run.results.size(), 1u);
    EXPECT_EQ(run.results[0].recordCount, 3);
    ASSERT_EQ(run.results[0].wrongList.size(), 1u);
    EXPECT_EQ(run.results[0].wrongList[0].problemText, wrongAnswerEntry(second, "1").problemText);
    ASSERT_EQ(run.student.history.size(), 4u);
    EXPECT_EQ(run.student.history[3], (ScoreRecord{packDate("03-15-2026"), 3, 2, 20, 1}));
}

TEST(EngineCommands, EnterOnAToolbarButtonAndTheStepsBeforeEachCommand) {
    PracticeRun run;
    run.engine.enter(ToolbarButton::Report); // nothing runs: the button is pressed
    run.act();
    EXPECT_EQ(run.log, "run3 ");
    run.learn(3, 7);
    run.engine.enter(ToolbarButton::Help); // "Enter --> Begin" waits: Enter begins
    run.act();
    EXPECT_EQ(run.view().firstOperand, "7");
    run.engine.enter(ToolbarButton::Test);
    run.act();
    EXPECT_EQ(run.log, "run3 run2 ");
    EXPECT_EQ(run.view().secondOperand, "1");

    const std::pair<ToolbarButton, StatusRoom> rooms[] = {
        {ToolbarButton::Help, StatusRoom::Wide},
        {ToolbarButton::Test, StatusRoom::Narrow},
        {ToolbarButton::Report, StatusRoom::Narrow},
        {ToolbarButton::Drill, StatusRoom::Wide}};
    for (const auto& [button, room] : rooms) {
        run.engine.beforeToolbarCommand(button);
        EXPECT_EQ(run.view().statusRoom, room);
        // Help leaves the practice as it was; the others clear it.
        EXPECT_EQ(run.view().firstOperand, button == ToolbarButton::Help ? "7" : "");
    }
    run.drill(1, 2);
    run.engine.beforeToolbarCommand(ToolbarButton::Config);
    EXPECT_FALSE(run.view().answerBoxEnabled);
    run.engine.beforeToolbarCommand(ToolbarButton::Test);
    EXPECT_TRUE(run.view().answerBoxEnabled);
    run.engine.reportClosed();
    EXPECT_TRUE(run.view().defaultLook[0]);
    run.learn(1, 1); // begin takes the default look from the mode's button
    EXPECT_FALSE(run.view().defaultLook[0]);
}

TEST(EngineRuns, NewOrdersEachRoundAndEachDrillAndNothingRecordedOutsideATest) {
    PracticeRun run;
    run.drill(1);
    std::vector<std::string> rounds[2];
    for (auto& round : rounds) {
        for (int i = 0; i < 144; ++i) {
            run.keys("RE");
            round.push_back(run.view().firstOperand + run.view().operatorText +
                            run.view().secondOperand);
            run.clock.advance(0.37);
        }
        EXPECT_EQ(std::set(round.begin(), round.end()).size(), 144u);
    }
    EXPECT_NE(rounds[0], rounds[1]);
    const std::string first = run.view().firstOperand + run.view().secondOperand;
    run.drill(1);
    run.keys("E");
    run.keys("E");
    EXPECT_NE(run.view().firstOperand + run.view().secondOperand, first);
    EXPECT_TRUE(run.student.history.empty());
    EXPECT_EQ(run.log, "");
}

TEST(EngineSpoken, TheProblemAsASentenceWithItsAnswerOnceShown) {
    PracticeRun run;
    run.learn(4, 12);
    run.keys("EE");
    EXPECT_EQ(run.view().spokenProblem, "12 divided by 2 equals");
    run.keys("S");
    EXPECT_EQ(run.view().spokenProblem, "12 divided by 2 equals 6");
    run.keys("X");
    EXPECT_EQ(run.view().spokenProblem, "");
}
