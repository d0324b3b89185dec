// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/QtPracticeClock.h"

#include <QDate>
#include <QTime>

QtPracticeClock::QtPracticeClock() {
    sinceStart.start();
}

double QtPracticeClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double QtPracticeClock::monotonicSeconds() const {
    return static_cast<double>(sinceStart.nsecsElapsed()) / 1e9;
}

QDate QtPracticeClock::today() const {
    return QDate::currentDate();
}
