#pragma once

#include <QLabel>
#include <QTime>
#include <QTimer>

namespace platform {

// The tool bar clock: shows the time every second and raises alarm() once a day when the
// alarm time is reached (crossed between two ticks, so a late tick never misses it).
class TRxClock : public QLabel
{
    Q_OBJECT
public:
    explicit TRxClock(QWidget* parent = nullptr);

    void setAlarmEnabled(bool on) { m_alarmEnabled = on; }
    bool alarmEnabled() const { return m_alarmEnabled; }
    void setAlarmTime(const QTime& time) { m_alarmTime = time; }
    QTime alarmTime() const { return m_alarmTime; }

    // One tick: redraw and check the alarm. The timer calls it; tests may call it directly.
    void tick();

signals:
    void alarm();

private:
    QTimer m_timer;
    bool m_alarmEnabled = false;
    QTime m_alarmTime = QTime(0, 0);
    QDateTime m_lastTick;
};

} // namespace platform
