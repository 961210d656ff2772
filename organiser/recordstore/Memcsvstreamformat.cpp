#include "Memcsvstreamformat.h"

#include "Cp1252.h"
#include "Memtable.h"
#include "RegionalSettings.h"

#include <QIODevice>

namespace {

QByteArray pad2(int n)
{
    return QByteArray::number(n).rightJustified(2, '0');
}

// Fixed date form of the export, whatever the user's settings: dd/mm/yyyy.
QByteArray csvDate(std::int64_t day)
{
    const QDate d = datetime::dateOfDay(std::int32_t(day));
    return pad2(d.day()) + '/' + pad2(d.month()) + '/' +
           QByteArray::number(d.year()).rightJustified(4, '0');
}

// The user's long time form with ":" between its parts.
QByteArray csvTime(std::int64_t msecs)
{
    const TFormatSettings& s = regional::settings();
    const QTime t = QTime::fromMSecsSinceStartOfDay(int(msecs));
    int hour = t.hour();
    QByteArray marker;
    if (s.TwelveHourClock) {
        marker = ' ' + cp1252::fromUnicode(hour < 12 ? s.TimeAMString : s.TimePMString);
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    const QByteArray h = s.LongTimeLeadingZero ? pad2(hour) : QByteArray::number(hour);
    return h + ':' + pad2(t.minute()) + ':' + pad2(t.second()) + marker;
}

QByteArray csvNumber(double v)
{
    return QByteArray::number(v, 'g', 15);
}

} // namespace

TCustomCSVStreamFormat::TCustomCSVStreamFormat() = default;

QString TCustomCSVStreamFormat::GetVersion() const
{
    return QStringLiteral("3.00");
}

void TCustomCSVStreamFormat::appendQuoted(QByteArray& line, const QByteArray& text) const
{
    const char quote = cp1252::fromUnicode(QString(CSVQuote)).at(0);
    line += quote;
    for (char c : text) {
        if (c == quote)
            line += quote;
        line += c;
    }
    line += quote;
}

QByteArray TCustomCSVStreamFormat::valueText(TMemTable& table, std::uint32_t id, int field) const
{
    const TFieldType type = table.Fields(field).DataType();
    switch (type) {
    case ftBoolean:
        return cp1252::fromUnicode(table.valueInt(id, field) ? CSVTrueString : CSVFalseString);
    case ftDate:
        if (Settings.sfLocalFormat.Save)
            return cp1252::fromUnicode(regional::dateToStr(double(table.valueInt(id, field))));
        return csvDate(table.valueInt(id, field));
    case ftTime:
        if (Settings.sfLocalFormat.Save)
            return cp1252::fromUnicode(
                regional::timeToStr(double(table.valueInt(id, field)) / datetime::MSecsPerDay));
        return csvTime(table.valueInt(id, field));
    case ftDateTime: {
        const double v = table.valueDouble(id, field);
        if (Settings.sfLocalFormat.Save)
            return cp1252::fromUnicode(regional::dateTimeToStr(v));
        QByteArray text = csvDate(datetime::dateDay(v));
        if (datetime::timeMsecs(v) != 0)
            text += ' ' + csvTime(datetime::timeMsecs(v));
        return text;
    }
    case ftFloat:
        return csvNumber(table.valueDouble(id, field));
    case ftCurrency:
    case ftBCD:
        return csvNumber(double(table.valueInt(id, field)) / 10000.0);
    default:
        break;
    }
    if (storageOf(type) != TStorage::Bytes)
        return QByteArray::number(qlonglong(table.valueInt(id, field)));

    // Text: the characters that would break a line or the codes themselves get codes.
    const std::string_view raw = table.valueBytes(id, field);
    QByteArray text;
    text.reserve(qsizetype(raw.size()));
    for (char c : raw) {
        switch (c) {
        case '\0':
            text += "%0";
            break;
        case '\n':
            text += "%n";
            break;
        case '\r':
            text += "%c";
            break;
        case '%':
            text += "%%";
            break;
        default:
            text += c;
        }
    }
    return text;
}

void TCustomCSVStreamFormat::writeLine(QByteArray& line)
{
    line += cp1252::fromUnicode(QString(CSVRecordDelimiter));
    line += "\r\n";
    if (m_device->write(line) != line.size())
        throw EStreamError(QStringLiteral("Stream write error"));
}

void TCustomCSVStreamFormat::BeforeSave(TMemTable&, QIODevice& device)
{
    m_device = &device;
}

void TCustomCSVStreamFormat::SaveDef(TMemTable& table)
{
    if (Settings.sfNoHeader.Save)
        return;
    const QByteArray delimiter = cp1252::fromUnicode(QString(CSVFieldDelimiter));
    QByteArray line;
    bool first = true;
    for (int i : m_saveFields) {
        if (!first)
            line += delimiter;
        first = false;
        appendQuoted(line, cp1252::fromUnicode(table.Fields(i).DisplayLabel()));
    }
    writeLine(line);
}

void TCustomCSVStreamFormat::SaveData(TMemTable& table)
{
    const QByteArray delimiter = cp1252::fromUnicode(QString(CSVFieldDelimiter));
    const std::size_t count = table.orderedCount(true);
    QByteArray line;
    for (std::size_t p = 0; p < count; ++p) {
        const std::uint32_t id = table.orderedId(p, true);
        line.clear();
        bool first = true;
        for (int i : m_saveFields) {
            if (!first)
                line += delimiter;
            first = false;
            if (table.valueIsNull(id, i))
                continue;
            const QByteArray text = valueText(table, id, i);
            const bool isText = storageOf(table.Fields(i).DataType()) == TStorage::Bytes;
            if (Settings.sfQuoteOnlyStrings.Save && !isText)
                line += text;
            else
                appendQuoted(line, text);
        }
        writeLine(line);
    }
}

void TCustomCSVStreamFormat::AfterSave(TMemTable&)
{
    m_device = nullptr;
}

void TCustomCSVStreamFormat::DetermineLoadFieldIDs(TMemTable&) {}
void TCustomCSVStreamFormat::DetermineLoadFieldIndex(TMemTable&) {}

void TCustomCSVStreamFormat::BeforeLoad(TMemTable&, QIODevice&)
{
    throw EStreamError(QStringLiteral("Loading CSV is not supported"));
}

void TCustomCSVStreamFormat::LoadDef(TMemTable&) {}
void TCustomCSVStreamFormat::LoadData(TMemTable&) {}
void TCustomCSVStreamFormat::AfterLoad(TMemTable&) {}

TCSVStreamFormat::TCSVStreamFormat()
{
    // The settings of the organiser's exports: data fields, a header, every value quoted.
    Settings.sfData = {true, true};
    Settings.sfNonVisible = {true, true};
    Settings.sfIgnoreRange = {true, false};
    Settings.sfIgnoreMasterDetail = {true, false};
    Settings.sfFromStart = {false, true};
}
