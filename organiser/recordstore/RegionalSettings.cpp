#include "RegionalSettings.h"

#include "StoreErrors.h"

#include <QStringList>

namespace {

TFormatSettings g_settings;

QString pad2(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

// A whole number made of digits only, blanks around it ignored.
std::optional<int> number(QStringView part, int maxDigits)
{
    part = part.trimmed();
    if (part.isEmpty() || part.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

namespace regional {

const TFormatSettings& settings()
{
    return g_settings;
}

void setSettings(const TFormatSettings& s)
{
    g_settings = s;
}

QString dateToStr(TDateTime value)
{
    const QDate d = datetime::toQDate(value);
    const QChar sep = g_settings.DateSeparator;
    return pad2(d.day()) + sep + pad2(d.month()) + sep +
           QString::number(d.year()).rightJustified(4, u'0');
}

QString timeToStr(TDateTime value)
{
    const QTime t = datetime::toQTime(value);
    int hour = t.hour();
    QString suffix;
    if (g_settings.TwelveHourClock) {
        suffix = u' ' + (hour < 12 ? g_settings.TimeAMString : g_settings.TimePMString);
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    const QChar sep = g_settings.TimeSeparator;
    const QString h = g_settings.LongTimeLeadingZero ? pad2(hour) : QString::number(hour);
    return h + sep + pad2(t.minute()) + sep + pad2(t.second()) + suffix;
}

QString dateTimeToStr(TDateTime value)
{
    QString text = dateToStr(value);
    if (datetime::timeMsecs(value) != 0)
        text += u' ' + timeToStr(value);
    return text;
}

std::optional<TDateTime> tryStrToDate(const QString& text)
{
    const QStringList parts = text.trimmed().split(g_settings.DateSeparator);
    if (parts.size() != 3)
        return std::nullopt;
    const auto day = number(parts[0], 2);
    const auto month = number(parts[1], 2);
    const QStringView yearText = QStringView(parts[2]).trimmed();
    auto year = number(yearText, 4);
    if (!day || !month || !year)
        return std::nullopt;
    if (yearText.size() <= 2)
        *year += *year < 50 ? 2000 : 1900;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return datetime::fromQDate(date);
}

std::optional<TDateTime> tryStrToTime(const QString& text)
{
    QString body = text.trimmed();
    int pmShift = -1; // -1: 24-hour text; 0: morning marker; 12: afternoon marker
    const auto stripMarker = [&](const QString& marker, int shift) {
        if (!marker.isEmpty() && body.endsWith(marker, Qt::CaseInsensitive)) {
            body.chop(marker.size());
            body = body.trimmed();
            pmShift = shift;
        }
    };
    stripMarker(g_settings.TimeAMString, 0);
    if (pmShift < 0)
        stripMarker(g_settings.TimePMString, 12);

    const QStringList parts = body.split(g_settings.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    auto hour = number(parts[0], 2);
    const auto minute = number(parts[1], 2);
    const auto second = parts.size() > 2 ? number(parts[2], 2) : std::optional<int>(0);
    if (!hour || !minute || !second || *minute > 59 || *second > 59)
        return std::nullopt;
    if (pmShift >= 0) {
        if (*hour < 1 || *hour > 12)
            return std::nullopt;
        *hour = *hour % 12 + pmShift;
    }
    if (*hour > 23)
        return std::nullopt;
    return datetime::encodeTime(*hour, *minute, *second);
}

std::optional<TDateTime> tryStrToDateTime(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype blank = t.indexOf(u' ');
    if (blank < 0)
        return tryStrToDate(t);
    const auto date = tryStrToDate(t.left(blank));
    const auto time = tryStrToTime(t.mid(blank + 1));
    if (!date || !time)
        return std::nullopt;
    return *date + *time;
}

TDateTime strToDate(const QString& text)
{
    if (const auto v = tryStrToDate(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
}

TDateTime strToTime(const QString& text)
{
    if (const auto v = tryStrToTime(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(text));
}

} // namespace regional
