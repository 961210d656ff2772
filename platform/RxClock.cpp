#include "RxClock.h"

#include "Clock.h"
#include "DateTime.h"
#include "RegionalSettings.h"

namespace {

// The next tick just after the next whole second, so the seconds shown change in step.
int msecsToNextSecond()
{
    return 1000 - QTime::currentTime().msec() + 10;
}

// Whether the alarm time of day falls in (from, to]: the first moment at the alarm time after
// `from` is not later than `to`. Any number of days in between still gives one alarm.
bool alarmPassed(const QDateTime& from, const QDateTime& to, const QTime& alarm)
{
    QDateTime first(from.date(), alarm);
    if (first <= from)
        first = QDateTime(from.date().addDays(1), alarm);
    return first <= to;
}

} // namespace

namespace platform {

TRxClock::TRxClock(QWidget* parent) : QLabel(parent), m_lastTick(platform::now())
{
    setAlignment(Qt::AlignCenter);
    setText(regional::timeToStr(datetime::fromQDateTime(m_lastTick)));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        tick();
        m_timer.start(msecsToNextSecond());
    });
    m_timer.start(msecsToNextSecond());
}

void TRxClock::tick()
{
    const QDateTime current = platform::now();
    setText(regional::timeToStr(datetime::fromQDateTime(current)));
    const bool fire = m_alarmEnabled && alarmPassed(m_lastTick, current, m_alarmTime);
    m_lastTick = current;
    if (fire)
        emit alarm();
}

} // namespace platform
