#pragma once

#include <QDateTime>

// A clock the test sets by hand; platform::now() reads it while the object lives.
class FakeClock
{
public:
    explicit FakeClock(const QDateTime& start);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void set(const QDateTime& time) { m_now = time; }
    void advanceSecs(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    void advanceMSecs(qint64 msecs) { m_now = m_now.addMSecs(msecs); }
    const QDateTime& now() const { return m_now; }

private:
    QDateTime m_now;
};
