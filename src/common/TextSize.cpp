// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextSize.h"

#include <QSettings>

namespace {
const char* const textSizeKey = "display/textSizePercent";
double programTextScale = 1.0;
} // namespace

QList<int> textSizeChoices() {
    return {100, 125, 150, 200};
}

int readTextPercent(const QSettings& settings) {
    bool isNumber = false;
    const int percent = settings.value(QLatin1String(textSizeKey)).toInt(&isNumber);
    return isNumber && textSizeChoices().contains(percent) ? percent : defaultTextPercent;
}

void writeTextPercent(QSettings& settings, int percent) {
    settings.setValue(QLatin1String(textSizeKey), percent);
    settings.sync();
}

double textScale() {
    return programTextScale;
}

void setTextScale(double scale) {
    programTextScale = scale > 0 ? scale : 1.0;
}
