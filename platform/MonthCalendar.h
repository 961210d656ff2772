#pragma once

#include <QDate>
#include <QWidget>

namespace platform {

// A month calendar: a grid of the days of one month; clicking a day selects it. Every change
// of its date, also one made by the program, raises change().
class TCCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit TCCalendar(QWidget* parent = nullptr);

    QDate Date() const { return m_date; }
    void SetDate(const QDate& date);
    int Year() const { return m_date.year(); }
    int Month() const { return m_date.month(); }
    int Day() const { return m_date.day(); }
    // Change one element keeping the others; a day the month does not have raises
    // EConvertError "Invalid argument to date encode" and leaves the date unchanged.
    void SetYear(int year);
    void SetMonth(int month);
    void SetDay(int day);
    // Step by a month or a year keeping the day, clipped to the length of the target month.
    void PrevMonth();
    void NextMonth();
    void PrevYear();
    void NextYear();

    // The rectangle of a day of the shown month (for clicks), empty when not shown.
    QRect DayRect(const QDate& date) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate m_date;
};

} // namespace platform
