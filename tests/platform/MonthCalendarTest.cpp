#include "MonthCalendar.h"
#include "FakeClock.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"
#include "StoreErrors.h"
#include "Throws.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using platform::TCCalendar;

namespace {

const QString EncodeError = "Invalid argument to date encode";

class MonthCalendarTest : public ProgramFolderTest
{
};

TEST_F(MonthCalendarTest, StartsOnTodayOfTheProgramsClock)
{
    FakeClock clock(QDateTime(QDate(2024, 3, 5), QTime(9, 30)));
    TCCalendar calendar;
    EXPECT_EQ(calendar.Date(), QDate(2024, 3, 5));
}

TEST_F(MonthCalendarTest, ChangeIsRaisedOnlyWhenTheDateChanges)
{
    TCCalendar calendar;
    calendar.SetDate(QDate(2024, 3, 15));
    QSignalSpy changes(&calendar, &TCCalendar::change);

    calendar.SetDate(QDate(2024, 3, 15));
    calendar.SetYear(2024);
    calendar.SetMonth(3);
    calendar.SetDay(15);
    EXPECT_EQ(changes.count(), 0);

    calendar.SetDate(QDate(2024, 3, 16));
    EXPECT_EQ(changes.count(), 1);
    calendar.SetDay(17);
    EXPECT_EQ(changes.count(), 2);
}

struct StepCase
{
    const char* name;
    QDate start;
    std::function<void(TCCalendar&)> step;
    QDate expected;
};

class CalendarStepTest : public MonthCalendarTest, public ::testing::WithParamInterface<StepCase>
{
};

TEST_P(CalendarStepTest, MovesToTheExpectedDayAndRaisesChangeOnce)
{
    const StepCase& c = GetParam();
    TCCalendar calendar;
    calendar.SetDate(c.start);
    QSignalSpy changes(&calendar, &TCCalendar::change);
    c.step(calendar);
    EXPECT_EQ(calendar.Date(), c.expected);
    EXPECT_EQ(changes.count(), 1);
}

const StepCase StepCases[] = {
    {"PrevMonthClipsToCommonFebruary", QDate(2023, 3, 31), &TCCalendar::PrevMonth,
     QDate(2023, 2, 28)},
    {"PrevMonthClipsToLeapFebruary", QDate(2024, 3, 31), &TCCalendar::PrevMonth,
     QDate(2024, 2, 29)},
    {"NextMonthClipsToLeapFebruary", QDate(2024, 1, 31), &TCCalendar::NextMonth,
     QDate(2024, 2, 29)},
    {"NextMonthClipsToThirtyDays", QDate(2024, 5, 31), &TCCalendar::NextMonth, QDate(2024, 6, 30)},
    {"NextMonthAcrossTheYear", QDate(2023, 12, 15), &TCCalendar::NextMonth, QDate(2024, 1, 15)},
    {"PrevMonthAcrossTheYear", QDate(2024, 1, 15), &TCCalendar::PrevMonth, QDate(2023, 12, 15)},
    {"PrevYearFromLeapDay", QDate(2024, 2, 29), &TCCalendar::PrevYear, QDate(2023, 2, 28)},
    {"NextYearFromLeapDay", QDate(2024, 2, 29), &TCCalendar::NextYear, QDate(2025, 2, 28)},
    {"NextYearKeepsTheDay", QDate(2024, 6, 15), &TCCalendar::NextYear, QDate(2025, 6, 15)},
    {"SetYearKeepsMonthAndDay", QDate(2024, 6, 15), [](TCCalendar& c) { c.SetYear(2010); },
     QDate(2010, 6, 15)},
    {"SetMonthKeepsYearAndDay", QDate(2024, 3, 28), [](TCCalendar& c) { c.SetMonth(2); },
     QDate(2024, 2, 28)},
    {"SetDayKeepsYearAndMonth", QDate(2024, 2, 10), [](TCCalendar& c) { c.SetDay(29); },
     QDate(2024, 2, 29)},
};

INSTANTIATE_TEST_SUITE_P(Steps, CalendarStepTest, ::testing::ValuesIn(StepCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadElementCase
{
    const char* name;
    QDate start;
    std::function<void(TCCalendar&)> set;
};

class CalendarBadElementTest : public MonthCalendarTest,
                               public ::testing::WithParamInterface<BadElementCase>
{
};

TEST_P(CalendarBadElementTest, RaisesTheEncodeErrorAndKeepsTheDate)
{
    const BadElementCase& c = GetParam();
    TCCalendar calendar;
    calendar.SetDate(c.start);
    QSignalSpy changes(&calendar, &TCCalendar::change);
    EXPECT_TRUE(failsWith<EConvertError>([&] { c.set(calendar); }, EncodeError));
    EXPECT_EQ(calendar.Date(), c.start);
    EXPECT_EQ(changes.count(), 0);
}

const BadElementCase BadElementCases[] = {
    {"AprilOnThe31st", QDate(2024, 3, 31), [](TCCalendar& c) { c.SetMonth(4); }},
    {"CommonYearOnLeapDay", QDate(2024, 2, 29), [](TCCalendar& c) { c.SetYear(2023); }},
    {"Day30InFebruary", QDate(2024, 2, 10), [](TCCalendar& c) { c.SetDay(30); }},
    {"DayZero", QDate(2024, 2, 10), [](TCCalendar& c) { c.SetDay(0); }},
    {"Month13", QDate(2024, 2, 10), [](TCCalendar& c) { c.SetMonth(13); }},
    {"YearZero", QDate(2024, 2, 10), [](TCCalendar& c) { c.SetYear(0); }},
};

INSTANTIATE_TEST_SUITE_P(Elements, CalendarBadElementTest, ::testing::ValuesIn(BadElementCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonthCalendarTest, ClickingADaySelectsIt)
{
    TCCalendar calendar;
    calendar.SetDate(QDate(2024, 3, 5));
    calendar.resize(calendar.sizeHint());
    calendar.show();
    QSignalSpy changes(&calendar, &TCCalendar::change);

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.DayRect(QDate(2024, 3, 20)).center());
    EXPECT_EQ(calendar.Date(), QDate(2024, 3, 20));
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.DayRect(QDate(2024, 3, 20)).center());
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(MonthCalendarTest, WeeksStartOnMonday)
{
    TCCalendar calendar;
    calendar.SetDate(QDate(2024, 4, 10)); // 1 April 2024 is a Monday
    calendar.resize(calendar.sizeHint());
    const QRect monday = calendar.DayRect(QDate(2024, 4, 1));
    const QRect sunday = calendar.DayRect(QDate(2024, 4, 7));
    EXPECT_EQ(monday.top(), sunday.top());
    EXPECT_LT(monday.left(), calendar.DayRect(QDate(2024, 4, 2)).left());
    EXPECT_LT(monday.left(), calendar.width() / 7);
    EXPECT_GT(calendar.DayRect(QDate(2024, 4, 8)).top(), monday.top());
    EXPECT_TRUE(calendar.DayRect(QDate(2024, 5, 1)).isEmpty());
}

TEST_F(MonthCalendarTest, ArrowKeysMoveByDaysAndWeeks)
{
    TCCalendar calendar;
    calendar.SetDate(QDate(2024, 2, 28));
    calendar.show();
    calendar.setFocus();
    QTest::keyClick(&calendar, Qt::Key_Right);
    EXPECT_EQ(calendar.Date(), QDate(2024, 2, 29));
    QTest::keyClick(&calendar, Qt::Key_Down);
    EXPECT_EQ(calendar.Date(), QDate(2024, 3, 7));
    QTest::keyClick(&calendar, Qt::Key_Up);
    QTest::keyClick(&calendar, Qt::Key_Left);
    EXPECT_EQ(calendar.Date(), QDate(2024, 2, 28));
}

TEST_F(MonthCalendarTest, FitsTheCalendarPanel)
{
    TCCalendar calendar;
    EXPECT_LE(calendar.sizeHint().width(), 250);
    EXPECT_GE(calendar.sizeHint().height(), 7 * calendar.fontMetrics().height());
}

} // namespace
