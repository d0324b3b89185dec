#pragma once

// A calendar date in the local time zone.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The clocks the practice engine reads.
class PracticeClock {
public:
    virtual ~PracticeClock() = default;

    // Seconds since midnight with their fraction: seeds the shuffles.
    virtual double secondsSinceMidnight() const = 0;
    // Seconds from any fixed start that never go back: times a test, also across midnight.
    virtual double monotonicSeconds() const = 0;
    virtual CalendarDate today() const = 0;
};
