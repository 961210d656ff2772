#include "StringsCalendar.h"

#include "Clock.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const char* const WeekdayNames[] = {"Domenica", "Lunedì",  "Martedì", "Mercoledì",
                                    "Giovedì",  "Venerdì", "Sabato"};
constexpr int Columns = 7;
constexpr int WeekRows = 6;
constexpr int LinesPerCell = 4;
constexpr int MinPixelSize = 7;

QString weekdayName(int column, bool shortForm)
{
    const QString name = QString::fromUtf8(WeekdayNames[column]);
    return shortForm ? name.left(3) : name;
}

// Column of the first day of the month, weeks starting on Sunday.
int firstColumn(int year, int month)
{
    return QDate(year, month, 1).dayOfWeek() % Columns;
}

// The largest font, not above the widget's own, that fits the day number and four lines in a
// cell of the given height.
QFont cellFont(const QFont& base, int cellHeight)
{
    QFont font = base;
    const int largest = std::max(MinPixelSize, QFontInfo(base).pixelSize());
    for (int pixels = largest; pixels >= MinPixelSize; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() * (LinesPerCell + 1) + 3 <= cellHeight)
            break;
    }
    return font;
}

} // namespace

namespace platform {

TStringsCalendar::TStringsCalendar(QWidget* parent) : QWidget(parent)
{
    const QDate today = platform::now().date();
    m_year = today.year();
    m_month = today.month();
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TStringsCalendar::SetYearMonth(int year, int month)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        return;
    if (year == m_year && month == m_month)
        return;
    m_year = year;
    m_month = month;
    update();
    emit monthChanged();
}

void TStringsCalendar::PrevMonth()
{
    const QDate previous = QDate(m_year, m_month, 1).addMonths(-1);
    SetYearMonth(previous.year(), previous.month());
}

void TStringsCalendar::NextMonth()
{
    const QDate next = QDate(m_year, m_month, 1).addMonths(1);
    SetYearMonth(next.year(), next.month());
}

void TStringsCalendar::PrevYear()
{
    SetYearMonth(m_year - 1, m_month);
}

void TStringsCalendar::NextYear()
{
    SetYearMonth(m_year + 1, m_month);
}

int TStringsCalendar::DaysInMonth() const
{
    return QDate(m_year, m_month, 1).daysInMonth();
}

void TStringsCalendar::ClearAll()
{
    for (QStringList& lines : m_lines)
        lines.clear();
    update();
}

void TStringsCalendar::DeleteLines(int day)
{
    if (day < 1 || day > DaysInMonth())
        return;
    m_lines[day - 1].clear();
    update();
}

void TStringsCalendar::AppendLine(int day, const QString& text)
{
    if (day < 1 || day > DaysInMonth())
        return;
    m_lines[day - 1].append(text);
    update();
}

QStringList TStringsCalendar::Lines(int day) const
{
    return day >= 1 && day <= DaysInMonth() ? m_lines[day - 1] : QStringList();
}

int TStringsCalendar::headerHeight() const
{
    return std::max(16, QFontMetrics(font()).height() + 2);
}

QRect TStringsCalendar::cellRect(int row, int column) const
{
    const int left = column * width() / Columns;
    const int right = (column + 1) * width() / Columns;
    if (row == 0)
        return QRect(left, 0, right - left, headerHeight());
    const int weeks = height() - headerHeight();
    const int top = headerHeight() + (row - 1) * weeks / WeekRows;
    const int bottom = headerHeight() + row * weeks / WeekRows;
    return QRect(left, top, right - left, bottom - top);
}

QRect TStringsCalendar::DayRect(int day) const
{
    if (day < 1 || day > DaysInMonth())
        return {};
    const int cell = firstColumn(m_year, m_month) + day - 1;
    return cellRect(cell / Columns + 1, cell % Columns);
}

QDate TStringsCalendar::DateAt(const QPoint& point) const
{
    for (int day = 1; day <= DaysInMonth(); ++day) {
        if (DayRect(day).contains(point))
            return QDate(m_year, m_month, day);
    }
    return {};
}

QSize TStringsCalendar::sizeHint() const
{
    return QSize(Columns * 96, headerHeight() + WeekRows * 72);
}

QSize TStringsCalendar::minimumSizeHint() const
{
    return QSize(Columns * 40, headerHeight() + WeekRows * 30);
}

void TStringsCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QDate date = DateAt(event->position().toPoint());
    if (!date.isValid())
        return;
    m_clicked = date;
    emit dblClick();
}

void TStringsCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();

    bool shortNames = false;
    const QFontMetrics headerMetrics(font());
    for (int col = 0; col < Columns; ++col)
        shortNames |=
            headerMetrics.horizontalAdvance(weekdayName(col, false)) > cellRect(0, col).width() - 6;
    for (int col = 0; col < Columns; ++col) {
        const QRect cell = cellRect(0, col);
        painter.fillRect(cell, colours.color(QPalette::Button));
        painter.setPen(col == 0 ? QColor(170, 0, 0) : colours.color(QPalette::ButtonText));
        painter.drawText(cell, Qt::AlignCenter, weekdayName(col, shortNames));
    }

    const QFont lineFont = cellFont(font(), cellRect(1, 0).height());
    QFont numberFont = lineFont;
    numberFont.setBold(true);
    const int lineHeight = QFontMetrics(lineFont).height();
    const int first = firstColumn(m_year, m_month);
    const QDate today = platform::now().date();
    for (int row = 1; row <= WeekRows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            const QRect cell = cellRect(row, col);
            const int day = (row - 1) * Columns + col - first + 1;
            if (day < 1 || day > DaysInMonth()) {
                painter.fillRect(cell, colours.color(QPalette::Window));
                continue;
            }
            const QStringList& lines = m_lines[day - 1];
            const bool holdsText = !lines.isEmpty();
            painter.fillRect(cell, holdsText ? m_textCellColour : colours.color(QPalette::Base));
            const QColor text = holdsText ? QColor(Qt::black) : colours.color(QPalette::Text);
            const QRect inner = cell.adjusted(3, 1, -3, -1);
            painter.save();
            painter.setClipRect(cell);
            painter.setFont(numberFont);
            painter.setPen(QDate(m_year, m_month, day) == today ? QColor(200, 0, 0) : text);
            painter.drawText(QRect(inner.left(), inner.top(), inner.width(), lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::number(day));
            painter.setFont(lineFont);
            painter.setPen(text);
            const QFontMetrics metrics(lineFont);
            int top = inner.top() + lineHeight;
            for (const QString& line : lines) {
                if (top >= inner.bottom())
                    break;
                painter.drawText(QRect(inner.left(), top, inner.width(), lineHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter,
                                 metrics.elidedText(line, Qt::ElideRight, inner.width()));
                top += lineHeight;
            }
            painter.restore();
        }
    }

    painter.setPen(colours.color(QPalette::Mid));
    for (int col = 1; col < Columns; ++col) {
        const int x = cellRect(0, col).left();
        painter.drawLine(x, 0, x, height());
    }
    for (int row = 1; row <= WeekRows; ++row) {
        const int y = cellRect(row, 0).top();
        painter.drawLine(0, y, width(), y);
    }
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace platform
