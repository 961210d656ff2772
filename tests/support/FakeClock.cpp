#include "FakeClock.h"

#include "Clock.h"

FakeClock::FakeClock(const QDateTime& start) : m_now(start)
{
    platform::setNowForTests([this] { return m_now; });
}

FakeClock::~FakeClock()
{
    platform::setNowForTests({});
}
