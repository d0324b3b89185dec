#include "common/NumberText.h"
#include "common/OperationKind.h"

#include <clocale>
#include <gtest/gtest.h>

TEST(NumberText, SignPlaceIsABlankOrAMinus) {
    EXPECT_EQ(numberWithSign(12), " 12");
    EXPECT_EQ(numberWithSign(0), " 0");
    EXPECT_EQ(numberWithSign(-3), "-3");
    EXPECT_EQ(numberPlain(12), "12");
    EXPECT_EQ(numberPlain(-3), "-3");
}

TEST(NumberText, TextToNumberReadsTheNumberAtTheStart) {
    EXPECT_EQ(textToNumber(" 12"), 12);
    EXPECT_EQ(textToNumber("   7 apples"), 7);
    EXPECT_EQ(textToNumber("-4"), -4);
    EXPECT_EQ(textToNumber("abc"), 0);
    EXPECT_EQ(textToNumber(""), 0);
    EXPECT_EQ(textToNumber("  "), 0);
    EXPECT_EQ(textToNumber("x12"), 0);
    EXPECT_EQ(textToNumber(".5"), 0); // a half goes to the even neighbour 0
}

TEST(NumberText, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(textToNumber("2.5"), 2);
    EXPECT_EQ(textToNumber("3.5"), 4);
    EXPECT_EQ(textToNumber("7.5"), 8);
    EXPECT_EQ(textToNumber("6.5"), 6);
    EXPECT_EQ(textToNumber("6.51"), 7);
    EXPECT_EQ(textToNumber("-2.5"), -2);
    EXPECT_EQ(roundHalfEven(12.5), 12.0);
    EXPECT_EQ(roundHalfEven(37.5), 38.0);
}

TEST(NumberText, HugeNumbersAreHeldAtThe32BitEnds) {
    EXPECT_EQ(textToNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(textToNumber("-99999999999999999999"), -2147483647 - 1);
}

TEST(NumberText, PercentMaskHasTwoDecimals) {
    EXPECT_EQ(percentText(17, 20), "85.00");
    EXPECT_EQ(percentText(2, 3), "66.67");
    EXPECT_EQ(percentText(10, 10), "100.00");
    EXPECT_EQ(percentText(70, 65), "107.69");
    EXPECT_EQ(percentText(0, 5), "0.00");
    EXPECT_EQ(percentText(3, 0), "0.00");
    EXPECT_EQ(formatPercent(0.5), "0.50");
}

TEST(NumberText, WholeNumbersAreDigitsOnly) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {{" 12", 12},
                                                                         {"-4 ", -4},
                                                                         {"0", 0},
                                                                         {"2147483647", 2147483647},
                                                                         {"", {}},
                                                                         {"  ", {}},
                                                                         {"7.5", {}},
                                                                         {"12a", {}},
                                                                         {"a12", {}},
                                                                         {"2147483648", {}},
                                                                         {"99999999999", {}},
                                                                         {"1 2", {}}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(wholeNumber(text), value) << '"' << text << '"';
    }
}

// The mask writes a full stop in every locale (printf follows LC_NUMERIC and wrote 71,43).
TEST(NumberText, PercentIsTheSameInEveryLocale) {
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, locale) == nullptr) {
            std::setlocale(LC_ALL, "C");
            GTEST_SKIP() << locale << " is not installed (localedef -i de_DE -f UTF-8 ...)";
        }
        EXPECT_EQ(percentText(5, 7), "71.43") << locale;
        EXPECT_EQ(formatPercent(1234.5), "1234.50") << locale;
        EXPECT_EQ(textToNumber("7.5"), 8) << locale;
    }
    std::setlocale(LC_ALL, "C");
}

TEST(OperationKind, NamesOfTheSevenKinds) {
    EXPECT_EQ(opName(OperationKind::Add), "Add");
    EXPECT_EQ(opName(OperationKind::Mixed), "Mixed");
    EXPECT_EQ(opName(OperationKind::AddSub), "Add/Sub");
    EXPECT_EQ(opName(OperationKind::MultDiv), "Mult/Div");
    EXPECT_EQ(opName(0), "");
    EXPECT_EQ(opName(8), "");
    EXPECT_FALSE(isOperationKind(0));
    EXPECT_TRUE(isOperationKind(7));
}
