#pragma once

#include "DateTime.h"

#include <QString>
#include <optional>

// The organiser's regional conventions: Italian short date (25/12/2004), "." between
// hours, minutes and seconds, long time without a leading zero on the hours (9.30.00).
// Every date and time text of the program is made and read here.
struct TFormatSettings
{
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u'.';
    // Day, month, year order of the short date; four-digit year, two-digit day and month.
    bool LongTimeLeadingZero = false;
    bool TwelveHourClock = false;
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QChar DecimalSeparator = u',';
};

namespace regional {

const TFormatSettings& settings();
// For tests and for the rare caller that needs other conventions for a while.
void setSettings(const TFormatSettings& s);

QString dateToStr(TDateTime value);     // "25/12/2004"
QString timeToStr(TDateTime value);     // long time, "9.30.00"
QString dateTimeToStr(TDateTime value); // date, blank, time (time left out at midnight)

// Text to value; nothing when the text is not a valid date or time of day.
std::optional<TDateTime> tryStrToDate(const QString& text);
std::optional<TDateTime> tryStrToTime(const QString& text);
std::optional<TDateTime> tryStrToDateTime(const QString& text);

// As above, raising EConvertError with the platform's wording on failure.
TDateTime strToDate(const QString& text);
TDateTime strToTime(const QString& text);

} // namespace regional
