#include "RxClock.h"
#include "FakeClock.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QSignalSpy>

using platform::TRxClock;

namespace {

QDateTime at(int day, int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2024, 3, day), QTime(h, m, s, ms));
}

class RxClockTest : public ProgramFolderTest
{
};

TEST_F(RxClockTest, ShowsTheLongTimeOfTheProgramsClock)
{
    FakeClock clock(at(5, 9, 30, 0));
    TRxClock label;
    EXPECT_EQ(label.text(), "9.30.00");

    clock.set(at(5, 16, 5, 9));
    label.tick();
    EXPECT_EQ(label.text(), "16.05.09");
}

struct AlarmCase
{
    const char* name;
    QTime alarm;
    QDateTime created;
    QDateTime ticked;
    int alarms;
};

class RxClockAlarmTest : public RxClockTest, public ::testing::WithParamInterface<AlarmCase>
{
};

TEST_P(RxClockAlarmTest, FiresWhenTheAlarmTimeFallsBetweenTwoTicks)
{
    const AlarmCase c = GetParam();
    FakeClock clock(c.created);
    TRxClock label;
    label.setAlarmTime(c.alarm);
    label.setAlarmEnabled(true);
    QSignalSpy alarms(&label, &TRxClock::alarm);

    clock.set(c.ticked);
    label.tick();
    EXPECT_EQ(alarms.count(), c.alarms);
}

const QTime Midnight(0, 0);

INSTANTIATE_TEST_SUITE_P(
    Ticks, RxClockAlarmTest,
    ::testing::Values(
        AlarmCase{"CrossingMidnight", Midnight, at(5, 23, 59, 59, 600), at(6, 0, 0, 0, 600), 1},
        AlarmCase{"ReachingMidnightExactly", Midnight, at(5, 23, 59, 59), at(6, 0, 0, 0), 1},
        AlarmCase{"BeforeMidnight", Midnight, at(5, 23, 59, 58), at(5, 23, 59, 59, 999), 0},
        AlarmCase{"StartedAtMidnight", Midnight, at(6, 0, 0, 0), at(6, 0, 0, 1), 0},
        AlarmCase{"SleptOverMidnight", Midnight, at(5, 22, 0, 0), at(6, 7, 15, 0), 1},
        AlarmCase{"SleptTwoNights", Midnight, at(5, 22, 0, 0), at(7, 7, 15, 0), 1},
        AlarmCase{"ClockSetBack", Midnight, at(6, 0, 0, 5), at(5, 23, 0, 0), 0},
        AlarmCase{"Noon", QTime(12, 0), at(5, 11, 59, 59, 900), at(5, 12, 0, 0, 900), 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RxClockTest, TicksThroughMidnightGiveOneAlarmAndNoneWhenDisabled)
{
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        FakeClock clock(at(5, 23, 59, 57, 500));
        TRxClock label;
        label.setAlarmEnabled(enabled);
        QSignalSpy alarms(&label, &TRxClock::alarm);
        for (int second = 0; second < 6; ++second) {
            clock.advanceSecs(1);
            label.tick();
        }
        EXPECT_EQ(alarms.count(), enabled ? 1 : 0);
    }
}

} // namespace
