// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextSize.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Only an offered size is kept; anything else in the settings file gives the default.
TEST(TextSize, TheKeptSizeIsOneOfTheChoices) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("user.conf"), QSettings::IniFormat);
    EXPECT_EQ(readTextPercent(settings), defaultTextPercent);
    const std::pair<QVariant, int> cases[] = {{150, 150},     {"200", 200}, {130, 100},
                                              {"large", 100}, {-150, 100},  {QVariant(), 100}};
    for (const auto& [stored, read] : cases) {
        settings.setValue("display/textSizePercent", stored);
        EXPECT_EQ(readTextPercent(settings), read) << stored.toString().toStdString();
    }
    writeTextPercent(settings, 125);
    EXPECT_EQ(readTextPercent(QSettings(folder.filePath("user.conf"), QSettings::IniFormat)), 125);
}
