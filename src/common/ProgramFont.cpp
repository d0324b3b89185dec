// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgramFont.h"

#include "common/TextFit.h"
#include "common/TextSize.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {
constexpr int drawnFontPoints = 10;
// The screen resolution the windows were drawn at.
constexpr double drawnDotsPerInch = 96.0;

bool speaksTranslation = false;
QFont desktopFont;

bool screenAsDrawn() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr || screen->logicalDotsPerInchY() <= drawnDotsPerInch + 0.5;
}

void applyTextPercent(int percent) {
    const double desktopPoints = std::max<double>(drawnFontPoints, desktopFont.pointSizeF());
    const double points = desktopPoints * percent / 100.0;
    QFont font = desktopFont;
    font.setPointSizeF(points);
    setTextScale(points / drawnFontPoints);
    setTextsAsDrawn(!speaksTranslation && points == drawnFontPoints && screenAsDrawn());
    QApplication::setFont(font);
}

// Both programs, Tallyburrow and its class overview, read the one choice of Tallyburrow.
QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillbyte"),
                     QStringLiteral("Tallyburrow"));
}
} // namespace

void setUpProgramFont(bool translated) {
    speaksTranslation = translated;
    desktopFont = QApplication::font();
    applyTextPercent(chosenTextPercent());
}

int chosenTextPercent() {
    return readTextPercent(userSettings());
}

void changeTextSize(int percent) {
    QSettings settings = userSettings();
    writeTextPercent(settings, percent);
    applyTextPercent(readTextPercent(settings));
}
