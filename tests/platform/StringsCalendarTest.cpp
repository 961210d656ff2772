#include "StringsCalendar.h"
#include "FakeClock.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using platform::TStringsCalendar;

namespace {

class StringsCalendarTest : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        table.resize(700, 16 + 6 * 60);
        table.SetYearMonth(2024, 5); // 1 May 2024 is a Wednesday
        table.show();
    }

    TStringsCalendar table;
};

TEST_F(StringsCalendarTest, StartsOnTheMonthOfTheProgramsClock)
{
    FakeClock clock(QDateTime(QDate(2023, 11, 20), QTime(8, 0)));
    TStringsCalendar fresh;
    EXPECT_EQ(fresh.Year(), 2023);
    EXPECT_EQ(fresh.Month(), 11);
    EXPECT_EQ(fresh.TextColor(), QColor(202, 255, 202));
}

struct FirstDayCase
{
    const char* name;
    int year;
    int month;
    int column; // 0 = Sunday
};

class FirstDayTest : public StringsCalendarTest, public ::testing::WithParamInterface<FirstDayCase>
{
};

TEST_P(FirstDayTest, TheFirstSitsInItsWeekdayColumnOfTheFirstWeek)
{
    const FirstDayCase& c = GetParam();
    table.SetYearMonth(c.year, c.month);
    const QRect first = table.DayRect(1);
    EXPECT_EQ(first.left(), c.column * table.width() / 7);
    EXPECT_EQ(first.top(), table.DayRect(7 - c.column).top()); // the first Saturday
    EXPECT_GT(table.DayRect(8 - c.column).top(), first.top()); // the first Sunday after
    EXPECT_EQ(table.DateAt(first.center()), QDate(c.year, c.month, 1));
}

INSTANTIATE_TEST_SUITE_P(Months, FirstDayTest,
                         ::testing::Values(FirstDayCase{"Wednesday", 2024, 5, 3},
                                           FirstDayCase{"Sunday", 2024, 9, 0},
                                           FirstDayCase{"Saturday", 2024, 6, 6},
                                           FirstDayCase{"Monday", 2024, 4, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DaysCase
{
    int year;
    int month;
    int days;
};

class DaysInMonthTest : public StringsCalendarTest, public ::testing::WithParamInterface<DaysCase>
{
};

TEST_P(DaysInMonthTest, CountsTheDaysOfItsMonth)
{
    table.SetYearMonth(GetParam().year, GetParam().month);
    EXPECT_EQ(table.DaysInMonth(), GetParam().days);
    EXPECT_FALSE(table.DayRect(GetParam().days).isEmpty());
    EXPECT_TRUE(table.DayRect(GetParam().days + 1).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Months, DaysInMonthTest,
                         ::testing::Values(DaysCase{2024, 2, 29}, DaysCase{2023, 2, 28},
                                           DaysCase{1900, 2, 28}, DaysCase{2000, 2, 29},
                                           DaysCase{2024, 4, 30}, DaysCase{2024, 12, 31}));

TEST_F(StringsCalendarTest, KeepsLinesPerDay)
{
    table.AppendLine(3, "2 appuntamenti.");
    table.AppendLine(3, "1 normali.");
    table.AppendLine(31, "0 appuntamenti.");
    EXPECT_EQ(table.Lines(3), QStringList({"2 appuntamenti.", "1 normali."}));
    EXPECT_EQ(table.Lines(31), QStringList({"0 appuntamenti."}));
    EXPECT_TRUE(table.Lines(4).isEmpty());

    table.DeleteLines(3);
    EXPECT_TRUE(table.Lines(3).isEmpty());
    EXPECT_EQ(table.Lines(31), QStringList({"0 appuntamenti."}));
}

TEST_F(StringsCalendarTest, DaysOutsideTheMonthAreIgnored)
{
    table.SetYearMonth(2024, 4);
    for (int day : {0, 31, 32, -1})
        table.AppendLine(day, "x");
    table.DeleteLines(0);
    table.DeleteLines(32);
    for (int day : {0, 31, 32, -1})
        EXPECT_TRUE(table.Lines(day).isEmpty()) << day;
}

TEST_F(StringsCalendarTest, ClearAllEmptiesEveryDay)
{
    for (int day = 1; day <= table.DaysInMonth(); ++day)
        table.AppendLine(day, "0 urgenti.");
    table.ClearAll();
    for (int day = 1; day <= table.DaysInMonth(); ++day)
        EXPECT_TRUE(table.Lines(day).isEmpty()) << day;
}

TEST_F(StringsCalendarTest, DoubleClickOnADayGivesItsDate)
{
    QSignalSpy doubles(&table, &TStringsCalendar::dblClick);
    QTest::mouseDClick(&table, Qt::LeftButton, {}, table.DayRect(17).center());
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(table.ClickedDate(), QDate(2024, 5, 17));
}

TEST_F(StringsCalendarTest, DoubleClickOutsideTheDaysDoesNothing)
{
    QTest::mouseDClick(&table, Qt::LeftButton, {}, table.DayRect(17).center());
    QSignalSpy doubles(&table, &TStringsCalendar::dblClick);
    const QPoint header(table.DayRect(17).center().x(), 5);
    const QPoint beforeTheFirst(5, table.DayRect(1).center().y()); // Sunday 28 April
    const QPoint lastRow(table.width() - 5, table.height() - 5);
    for (const QPoint& p : {header, beforeTheFirst, lastRow}) {
        EXPECT_FALSE(table.DateAt(p).isValid());
        QTest::mouseDClick(&table, Qt::LeftButton, {}, p);
    }
    EXPECT_EQ(doubles.count(), 0);
    EXPECT_EQ(table.ClickedDate(), QDate(2024, 5, 17));
}

struct MonthStepCase
{
    const char* name;
    std::function<void(TStringsCalendar&)> step;
    int year;
    int month;
};

class MonthStepTest : public StringsCalendarTest,
                      public ::testing::WithParamInterface<MonthStepCase>
{
};

TEST_P(MonthStepTest, MovesItsOwnMonthAndKeepsTheLines)
{
    const MonthStepCase& c = GetParam();
    table.SetYearMonth(2024, 1);
    table.AppendLine(5, "1 appuntamenti.");
    QSignalSpy moves(&table, &TStringsCalendar::monthChanged);
    c.step(table);
    EXPECT_EQ(table.Year(), c.year);
    EXPECT_EQ(table.Month(), c.month);
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(table.Lines(5), QStringList({"1 appuntamenti."}));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MonthStepTest,
    ::testing::Values(MonthStepCase{"PrevMonth", &TStringsCalendar::PrevMonth, 2023, 12},
                      MonthStepCase{"NextMonth", &TStringsCalendar::NextMonth, 2024, 2},
                      MonthStepCase{"PrevYear", &TStringsCalendar::PrevYear, 2023, 1},
                      MonthStepCase{"NextYear", &TStringsCalendar::NextYear, 2025, 1},
                      MonthStepCase{"SetYearMonth",
                                    [](TStringsCalendar& t) { t.SetYearMonth(2030, 7); }, 2030, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StringsCalendarTest, SettingTheSameMonthRaisesNothing)
{
    QSignalSpy moves(&table, &TStringsCalendar::monthChanged);
    table.SetYearMonth(2024, 5);
    table.SetYearMonth(2024, 13);
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(table.Month(), 5);
}

} // namespace
