#include "DateTime.h"

#include "Numbers.h"

#include <cmath>

namespace {
const qint64 DayZero = QDate(1899, 12, 30).toJulianDay();
}

namespace datetime {

std::int32_t dayNumber(const QDate& date)
{
    return std::int32_t(date.toJulianDay() - DayZero);
}

QDate dateOfDay(std::int32_t day)
{
    return QDate::fromJulianDay(DayZero + day);
}

TDateTime encodeDate(int year, int month, int day)
{
    return dayNumber(QDate(year, month, day));
}

TDateTime encodeTime(int hour, int minute, int second, int msec)
{
    return double(((hour * 60 + minute) * 60 + second) * 1000 + msec) / MSecsPerDay;
}

TDateTime fromQDate(const QDate& date)
{
    return dayNumber(date);
}

TDateTime fromQDateTime(const QDateTime& dt)
{
    return dayNumber(dt.date()) + double(dt.time().msecsSinceStartOfDay()) / MSecsPerDay;
}

std::int32_t dateDay(TDateTime value)
{
    return numbers::trunc32(value);
}

std::int32_t timeMsecs(TDateTime value)
{
    if (!std::isfinite(value))
        return 0;
    const double frac = std::fabs(value - std::trunc(value));
    auto ms = numbers::round64(frac * MSecsPerDay);
    if (ms >= MSecsPerDay)
        ms = 0;
    return std::int32_t(ms);
}

QDate toQDate(TDateTime value)
{
    return dateOfDay(dateDay(value));
}

QTime toQTime(TDateTime value)
{
    return QTime::fromMSecsSinceStartOfDay(timeMsecs(value));
}

TDateTime now()
{
    return fromQDateTime(QDateTime::currentDateTime());
}

TDateTime today()
{
    return fromQDate(QDate::currentDate());
}

} // namespace datetime
