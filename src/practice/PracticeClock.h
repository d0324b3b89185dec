// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

// The clocks the practice engine reads.
class PracticeClock {
public:
    virtual ~PracticeClock() = default;

    // Seconds since midnight with their fraction: seeds the shuffles.
    virtual double secondsSinceMidnight() const = 0;
    // Seconds from any fixed start that never go back: times a test, also across midnight.
    virtual double monotonicSeconds() const = 0;
    virtual QDate today() const = 0; // in the local time zone
};
