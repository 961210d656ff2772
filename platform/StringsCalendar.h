#pragma once

#include <QColor>
#include <QDate>
#include <QStringList>
#include <QWidget>
#include <array>

namespace platform {

// A month table: a header row of weekday names and six week rows starting on Sunday; each day
// of its month holds lines of text, and the cells that hold text are drawn in their own
// colour. The table has its own month, moved only by its four steps.
class TStringsCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit TStringsCalendar(QWidget* parent = nullptr);

    int Year() const { return m_year; }
    int Month() const { return m_month; }
    void SetYearMonth(int year, int month);
    void PrevMonth();
    void NextMonth();
    void PrevYear();
    void NextYear();
    int DaysInMonth() const;

    void ClearAll();
    void DeleteLines(int day);
    void AppendLine(int day, const QString& text);
    QStringList Lines(int day) const;

    void SetTextColor(const QColor& colour)
    {
        m_textCellColour = colour;
        update();
    }
    QColor TextColor() const { return m_textCellColour; }

    // The day under a point, or an invalid date outside the month's days.
    QDate DateAt(const QPoint& point) const;
    QRect DayRect(int day) const;
    // The day under the last double-click.
    QDate ClickedDate() const { return m_clicked; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dblClick();
    void monthChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int headerHeight() const;
    QRect cellRect(int row, int column) const; // row 0: the weekday names
    int m_year;
    int m_month;
    std::array<QStringList, 31> m_lines;
    QColor m_textCellColour = QColor(202, 255, 202);
    QDate m_clicked;
};

} // namespace platform
