#include "Cp1252.h"
#include "Memtable.h"
#include "RegionalSettings.h"

#include "Numbers.h"
#include <array>

#include <cmath>

namespace {

const std::array<const char*, FieldTypeCount> TypeNames = {
    "Unknown", "String",     "SmallInt", "Integer",     "Word",  "Boolean",
    "Float",   "Currency",   "BCD",      "Date",        "Time",  "DateTime",
    "Bytes",   "VarBytes",   "AutoInc",  "Blob",        "Memo",  "Graphic",
    "FmtMemo", "ParadoxOle", "dBaseOle", "TypedBinary", "Cursor"};

const std::array<const char*, FieldKindCount> KindNames = {"Data", "Calculated", "Lookup",
                                                           "InternalCalc", "Aggregate"};

bool isCurrencyType(TFieldType t)
{
    return t == ftCurrency || t == ftBCD;
}

QString floatText(double v)
{
    return QString::number(v, 'g', 15);
}

// Texts read as numbers or truth values, failing with the platform's wording.
int parseInteger(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return n;
}

double parseFloat(const QString& text)
{
    bool ok = false;
    QString t = text.trimmed();
    t.replace(regional::settings().DecimalSeparator, u'.');
    const double d = t.toDouble(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return d;
}

bool parseBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == QLatin1String("T"))
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t == QLatin1String("F"))
        return false;
    throw EConvertError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
}

} // namespace

QString fieldTypeName(TFieldType type)
{
    return QString::fromLatin1(TypeNames.at(type));
}

QString fieldKindName(TFieldKind kind)
{
    return QString::fromLatin1(KindNames.at(kind));
}

bool isTextType(TFieldType t)
{
    switch (t) {
    case ftString:
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary:
        return true;
    default:
        return false;
    }
}

bool isBlobType(TFieldType t)
{
    switch (t) {
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary:
        return true;
    default:
        return false;
    }
}

TStorage storageOf(TFieldType t)
{
    if (isTextType(t))
        return TStorage::Bytes;
    switch (t) {
    case ftBoolean:
        return TStorage::Bool;
    case ftFloat:
    case ftDateTime:
        return TStorage::Double;
    default:
        return TStorage::Int; // integers, day numbers, milliseconds, currency ten-thousandths
    }
}

TField::TField(TMemTable& table, int index, const TFieldDef& def)
    : m_table(table), m_index(index), m_name(def.Name), m_type(def.DataType), m_size(def.Size),
      m_required(def.Required)
{
}

int TField::DisplayWidth() const
{
    if (m_displayWidth > 0)
        return m_displayWidth;
    if (m_type == ftString)
        return m_size;
    if (m_type == ftBoolean)
        return 5; // the longer of "True" and "False"
    return 10;
}

const TFieldValue* TField::readValue() const
{
    return m_table.readFieldValue(m_index);
}

TFieldValue& TField::writeValue()
{
    return m_table.writeFieldValue(m_index);
}

bool TField::IsNull() const
{
    const TFieldValue* v = readValue();
    return !v || v->null;
}

void TField::Clear()
{
    TFieldValue& v = writeValue();
    v.null = true;
    v.i = 0;
    v.d = 0;
    v.s.clear();
}

void TField::convertText(QByteArray bytes, TFieldValue& v) const
{
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        if (m_type == ftString) {
            const qsizetype zero = bytes.indexOf('\0');
            if (zero >= 0)
                bytes.truncate(zero);
            if (m_size > 0 && bytes.size() > m_size)
                bytes.truncate(m_size);
        }
        v.null = false;
        v.s.assign(bytes.constData(), std::size_t(bytes.size()));
        return;
    default:
        break;
    }
    const QString text = cp1252::toUnicode(bytes);
    if (text.isEmpty()) {
        v = TFieldValue();
        return;
    }
    switch (m_type) {
    case ftDate:
        convertDateTime(regional::strToDate(text), v);
        return;
    case ftTime:
        convertDateTime(regional::strToTime(text), v);
        return;
    case ftDateTime: {
        const auto dt = regional::tryStrToDateTime(text);
        if (!dt)
            throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
        convertDateTime(*dt, v);
        return;
    }
    case ftBoolean:
        v.i = parseBoolean(text);
        v.null = false;
        return;
    case ftFloat:
    case ftCurrency:
    case ftBCD: {
        const double d = parseFloat(text);
        v.null = false;
        if (isCurrencyType(m_type))
            v.i = numbers::round64(d * 10000.0);
        else
            v.d = d;
        return;
    }
    default:
        v.i = parseInteger(text);
        v.null = false;
        return;
    }
}

void TField::convertDateTime(TDateTime value, TFieldValue& v) const
{
    v.null = false;
    switch (m_type) {
    case ftDate:
        v.i = datetime::dateDay(value);
        return;
    case ftTime:
        v.i = datetime::timeMsecs(value);
        return;
    case ftDateTime:
    case ftFloat:
        v.d = value;
        return;
    case ftCurrency:
    case ftBCD:
        v.i = numbers::round64(value * 10000.0);
        return;
    case ftBoolean:
        v.i = value != 0;
        return;
    default:
        if (storageOf(m_type) == TStorage::Bytes) {
            convertText(cp1252::fromUnicode(regional::dateTimeToStr(value)), v);
            return;
        }
        v.i = numbers::trunc32(value);
        return;
    }
}

QString TField::AsString() const
{
    return cp1252::toUnicode(AsBytes());
}

QByteArray TField::AsBytes() const
{
    const TFieldValue* v = readValue();
    if (!v || v->null)
        return QByteArray();
    switch (m_type) {
    case ftDate:
        return cp1252::fromUnicode(regional::dateToStr(v->i));
    case ftTime:
        return cp1252::fromUnicode(regional::timeToStr(double(v->i) / datetime::MSecsPerDay));
    case ftDateTime:
        return cp1252::fromUnicode(regional::dateTimeToStr(v->d));
    case ftBoolean:
        return v->i ? QByteArrayLiteral("True") : QByteArrayLiteral("False");
    case ftFloat:
        return floatText(v->d).toLatin1();
    case ftCurrency:
    case ftBCD:
        return floatText(double(v->i) / 10000.0).toLatin1();
    default:
        if (storageOf(m_type) == TStorage::Bytes)
            return QByteArray(v->s.data(), qsizetype(v->s.size()));
        return QByteArray::number(qlonglong(v->i));
    }
}

void TField::SetAsString(const QString& text)
{
    SetAsBytes(cp1252::fromUnicode(text));
}

void TField::SetAsBytes(const QByteArray& bytes)
{
    TFieldValue value;
    convertText(bytes, value);
    writeValue() = std::move(value);
}

TDateTime TField::AsDateTime() const
{
    const TFieldValue* v = readValue();
    if (!v || v->null)
        return 0;
    switch (m_type) {
    case ftDate:
        return double(v->i);
    case ftTime:
        return double(v->i) / datetime::MSecsPerDay;
    case ftDateTime:
    case ftFloat:
        return v->d;
    case ftCurrency:
    case ftBCD:
        return double(v->i) / 10000.0;
    default:
        if (storageOf(m_type) == TStorage::Bytes) {
            const QString text = AsString();
            if (const auto dt = regional::tryStrToDateTime(text))
                return *dt;
            throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
        }
        return double(v->i);
    }
}

void TField::SetAsDateTime(TDateTime value)
{
    TFieldValue v;
    convertDateTime(value, v);
    writeValue() = std::move(v);
}

int TField::AsInteger() const
{
    const TFieldValue* v = readValue();
    if (!v || v->null)
        return 0;
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        return parseInteger(AsString());
    case TStorage::Double:
        return numbers::round32(v->d);
    default:
        if (isCurrencyType(m_type))
            return numbers::round32(double(v->i) / 10000.0);
        return int(v->i);
    }
}

void TField::SetAsInteger(int value)
{
    TFieldValue v;
    v.null = false;
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        convertText(QByteArray::number(value), v);
        break;
    case TStorage::Double:
        v.d = value;
        break;
    case TStorage::Bool:
        v.i = value != 0;
        break;
    default:
        v.i = isCurrencyType(m_type) ? std::int64_t(value) * 10000 : value;
        break;
    }
    writeValue() = std::move(v);
}

bool TField::AsBoolean() const
{
    const TFieldValue* v = readValue();
    if (!v || v->null)
        return false;
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        return parseBoolean(AsString());
    case TStorage::Double:
        return v->d != 0;
    default:
        return v->i != 0;
    }
}

void TField::SetAsBoolean(bool value)
{
    TFieldValue v;
    v.null = false;
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        convertText(value ? QByteArrayLiteral("True") : QByteArrayLiteral("False"), v);
        break;
    case TStorage::Double:
        v.d = value ? 1 : 0;
        break;
    default:
        v.i = value ? 1 : 0;
        break;
    }
    writeValue() = std::move(v);
}

double TField::AsFloat() const
{
    const TFieldValue* v = readValue();
    if (!v || v->null)
        return 0;
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        return parseFloat(AsString());
    case TStorage::Double:
        return v->d;
    default:
        if (isCurrencyType(m_type))
            return double(v->i) / 10000.0;
        if (m_type == ftTime)
            return double(v->i) / datetime::MSecsPerDay;
        return double(v->i);
    }
}

void TField::SetAsFloat(double value)
{
    TFieldValue v;
    v.null = false;
    switch (storageOf(m_type)) {
    case TStorage::Bytes:
        convertText(floatText(value).toLatin1(), v);
        break;
    case TStorage::Double:
        v.d = value;
        break;
    case TStorage::Bool:
        v.i = value != 0;
        break;
    default:
        if (m_type == ftDate || m_type == ftTime) {
            convertDateTime(value, v);
            break;
        }
        v.i = isCurrencyType(m_type) ? numbers::round64(value * 10000.0) : numbers::round32(value);
        break;
    }
    writeValue() = std::move(v);
}
