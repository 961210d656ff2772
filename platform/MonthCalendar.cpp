#include "MonthCalendar.h"

#include "Clock.h"
#include "StoreErrors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const char* const WeekdayNames[] = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
constexpr int Columns = 7;
constexpr int WeekRows = 6;

QDate encodeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (year < 1 || year > 9999 || !date.isValid())
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return date;
}

// Column of the first day of the month, weeks starting on Monday.
int firstColumn(const QDate& date)
{
    return QDate(date.year(), date.month(), 1).dayOfWeek() - 1;
}

} // namespace

namespace platform {

TCCalendar::TCCalendar(QWidget* parent) : QWidget(parent), m_date(platform::now().date())
{
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TCCalendar::SetDate(const QDate& date)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    update();
    emit change();
}

void TCCalendar::SetYear(int year)
{
    SetDate(encodeDate(year, Month(), Day()));
}

void TCCalendar::SetMonth(int month)
{
    SetDate(encodeDate(Year(), month, Day()));
}

void TCCalendar::SetDay(int day)
{
    SetDate(encodeDate(Year(), Month(), day));
}

// QDate clips the day to the length of the target month, as these steps want.
void TCCalendar::PrevMonth()
{
    SetDate(m_date.addMonths(-1));
}

void TCCalendar::NextMonth()
{
    SetDate(m_date.addMonths(1));
}

void TCCalendar::PrevYear()
{
    SetDate(m_date.addYears(-1));
}

void TCCalendar::NextYear()
{
    SetDate(m_date.addYears(1));
}

// Cells as wide as the widest weekday name with a little air, so the calendar fits a narrow
// side panel.
QSize TCCalendar::sizeHint() const
{
    const QFontMetrics metrics(font());
    int cellWidth = metrics.horizontalAdvance(QStringLiteral("30")) + 10;
    for (const char* name : WeekdayNames)
        cellWidth = std::max(cellWidth, metrics.horizontalAdvance(QString::fromLatin1(name)) + 4);
    const int cellHeight = metrics.height() + 6;
    return QSize(cellWidth * Columns + 2, cellHeight * (WeekRows + 1) + 2);
}

QSize TCCalendar::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    int cellWidth = 0;
    for (const char* name : WeekdayNames)
        cellWidth = std::max(cellWidth, metrics.horizontalAdvance(QString::fromLatin1(name)));
    return QSize(cellWidth * Columns + 2, sizeHint().height());
}

QRect TCCalendar::DayRect(const QDate& date) const
{
    if (!date.isValid() || date.year() != Year() || date.month() != Month())
        return {};
    const int cell = firstColumn(m_date) + date.day() - 1;
    const int col = cell % Columns;
    const int row = cell / Columns + 1;
    const int left = 1 + col * (width() - 2) / Columns;
    const int right = 1 + (col + 1) * (width() - 2) / Columns;
    const int top = 1 + row * (height() - 2) / (WeekRows + 1);
    const int bottom = 1 + (row + 1) * (height() - 2) / (WeekRows + 1);
    return QRect(left, top, right - left, bottom - top);
}

void TCCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect header(1, 1, width() - 2, (height() - 2) / (WeekRows + 1));
    painter.fillRect(header, colours.color(QPalette::Button));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    painter.setPen(colours.color(QPalette::ButtonText));
    for (int col = 0; col < Columns; ++col) {
        const int left = 1 + col * header.width() / Columns;
        const int right = 1 + (col + 1) * header.width() / Columns;
        painter.drawText(QRect(left, header.top(), right - left, header.height()), Qt::AlignCenter,
                         QString::fromLatin1(WeekdayNames[col]));
    }

    const QDate today = platform::now().date();
    for (int day = 1; day <= m_date.daysInMonth(); ++day) {
        const QDate date(Year(), Month(), day);
        const QRect cell = DayRect(date);
        QColor text = date.dayOfWeek() == 7 ? QColor(190, 0, 0) : colours.color(QPalette::Text);
        if (date == m_date) {
            painter.fillRect(cell.adjusted(1, 1, -1, -1), colours.color(QPalette::Highlight));
            text = colours.color(QPalette::HighlightedText);
            if (hasFocus()) {
                painter.setPen(QPen(text, 1, Qt::DotLine));
                painter.drawRect(cell.adjusted(2, 2, -3, -3));
            }
        }
        if (date == today) {
            painter.setPen(QPen(QColor(200, 0, 0), 1));
            painter.drawRect(cell.adjusted(1, 1, -2, -2));
        }
        painter.setPen(text);
        painter.drawText(cell, Qt::AlignCenter, QString::number(day));
    }
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TCCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    for (int day = 1; day <= m_date.daysInMonth(); ++day) {
        const QDate date(Year(), Month(), day);
        if (DayRect(date).contains(event->position().toPoint())) {
            SetDate(date);
            return;
        }
    }
}

void TCCalendar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        SetDate(m_date.addDays(-1));
        break;
    case Qt::Key_Right:
        SetDate(m_date.addDays(1));
        break;
    case Qt::Key_Up:
        SetDate(m_date.addDays(-7));
        break;
    case Qt::Key_Down:
        SetDate(m_date.addDays(7));
        break;
    case Qt::Key_PageUp:
        PrevMonth();
        break;
    case Qt::Key_PageDown:
        NextMonth();
        break;
    case Qt::Key_Home:
        SetDate(QDate(Year(), Month(), 1));
        break;
    case Qt::Key_End:
        SetDate(QDate(Year(), Month(), m_date.daysInMonth()));
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace platform
