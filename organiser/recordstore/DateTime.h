#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstdint>

// A date-time value: whole days since 30 December 1899, the fraction is the time of day.
using TDateTime = double;

namespace datetime {

constexpr std::int32_t MSecsPerDay = 86400000;
// 1 January 100 and the day after 31 December 9999: the calendar's range.
constexpr double MinDateTime = -657434.0;
constexpr double MaxDateTime = 2958466.0;

// Day number of a calendar date (30/12/1899 is 0).
std::int32_t dayNumber(const QDate& date);
QDate dateOfDay(std::int32_t day);

TDateTime encodeDate(int year, int month, int day);
TDateTime encodeTime(int hour, int minute, int second = 0, int msec = 0);
TDateTime fromQDate(const QDate& date);
TDateTime fromQDateTime(const QDateTime& dt);
QDate toQDate(TDateTime value);
QTime toQTime(TDateTime value);

// Whole day of a date-time value (its date part).
std::int32_t dateDay(TDateTime value);
// Milliseconds after midnight of a date-time value (its time part), 0 to 86 399 999.
std::int32_t timeMsecs(TDateTime value);

TDateTime now();
TDateTime today();

} // namespace datetime
