// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeClock.h"

#include <QElapsedTimer>

// The system's clocks: the local time of day and date, and a monotonic timer.
class QtPracticeClock : public PracticeClock {
public:
    QtPracticeClock();

    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
    QDate today() const override;

private:
    QElapsedTimer sinceStart;
};
