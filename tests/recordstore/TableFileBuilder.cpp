#include "TableFileBuilder.h"

#include <cmath>
#include <cstdint>

QByteArray extended80(double value)
{
    QByteArray out(10, '\0');
    if (value == 0)
        return out;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // in [0.5, 1)
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int biased = exponent - 1 + 16383;
    for (int i = 0; i < 8; ++i)
        out[i] = char((significand >> (8 * i)) & 0xff);
    out[8] = char(biased & 0xff);
    out[9] = char(((biased >> 8) & 0x7f) | (value < 0 ? 0x80 : 0));
    return out;
}

TagWriter& TagWriter::raw(const QByteArray& bytes)
{
    m_bytes += bytes;
    return *this;
}

TagWriter& TagWriter::integer(qint64 value)
{
    if (value >= -128 && value <= 127)
        return int8(qint8(value));
    if (value >= -32768 && value <= 32767)
        return int16(qint16(value));
    return int32(qint32(value));
}

static void appendLittleEndian(QByteArray& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xff);
}

TagWriter& TagWriter::int8(qint8 value)
{
    m_bytes += char(0x02);
    appendLittleEndian(m_bytes, std::uint8_t(value), 1);
    return *this;
}

TagWriter& TagWriter::int16(qint16 value)
{
    m_bytes += char(0x03);
    appendLittleEndian(m_bytes, std::uint16_t(value), 2);
    return *this;
}

TagWriter& TagWriter::int32(qint32 value)
{
    m_bytes += char(0x04);
    appendLittleEndian(m_bytes, std::uint32_t(value), 4);
    return *this;
}

TagWriter& TagWriter::number(double value)
{
    m_bytes += char(0x05);
    m_bytes += extended80(value);
    return *this;
}

TagWriter& TagWriter::string(const QByteArray& text)
{
    if (text.size() > 255)
        return longString(text);
    m_bytes += char(0x06);
    m_bytes += char(text.size());
    m_bytes += text;
    return *this;
}

TagWriter& TagWriter::longString(const QByteArray& text)
{
    m_bytes += char(0x0C);
    appendLittleEndian(m_bytes, std::uint32_t(text.size()), 4);
    m_bytes += text;
    return *this;
}

TagWriter& TagWriter::boolean(bool value)
{
    m_bytes += char(value ? 0x09 : 0x08);
    return *this;
}

TagWriter& TagWriter::beginList()
{
    m_bytes += char(0x01);
    return *this;
}

TagWriter& TagWriter::endList()
{
    m_bytes += char(0x00);
    return *this;
}

static int defaultDisplayWidth(const FileField& field)
{
    if (field.type == "String")
        return field.size;
    if (field.type == "Boolean")
        return 5;
    return 10;
}

static void writeValue(TagWriter& w, const FileValue& v)
{
    switch (v.kind) {
    case FileValue::Null:
        break;
    case FileValue::Integer:
        w.integer(v.i);
        break;
    case FileValue::Number:
        w.number(v.d);
        break;
    case FileValue::Text:
        w.string(v.s);
        break;
    case FileValue::Boolean:
        w.boolean(v.i != 0);
        break;
    case FileValue::Raw:
        w.raw(v.s);
        break;
    }
}

static void writeEmptyValue(TagWriter& w, const FileField& field)
{
    if (field.type == "String")
        w.string({});
    else if (field.type == "Boolean")
        w.boolean(false);
    else if (field.type == "Date" || field.type == "Time" || field.type == "DateTime")
        w.number(0);
    else
        w.integer(0);
}

static void writeFields(TagWriter& w, int version, const std::vector<FileField>& fields,
                        const FileRecord& record)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FileValue& v = record.values.at(i);
        if (version >= 249) {
            w.boolean(v.kind == FileValue::Null);
            writeValue(w, v);
        } else if (v.kind == FileValue::Null) {
            writeEmptyValue(w, fields[i]);
        } else {
            writeValue(w, v);
        }
    }
}

QByteArray tableFile(int version, const std::vector<FileField>& fields,
                     const std::vector<FileIndexDef>& indexes,
                     const std::vector<FileRecord>& records)
{
    TagWriter w;
    w.signature();
    if (version != 100)
        w.integer(version);

    w.beginList();
    for (const FileField& f : fields) {
        w.string(f.name).string(f.type).integer(f.size).string(f.name).string({});
        w.integer(defaultDisplayWidth(f)).boolean(false).boolean(false);
        if (version >= 250)
            w.string("Data");
        if (version >= 251)
            w.string({});
    }
    w.endList();

    if (version >= 200) {
        w.beginList();
        for (const FileIndexDef& ix : indexes) {
            w.string(ix.name).string(ix.fields).string(ix.name);
            w.boolean(ix.descending).boolean(ix.caseInsensitive).boolean(false).boolean(ix.unique);
        }
        w.endList();
    }

    w.beginList();
    for (const FileRecord& r : records) {
        if (version >= 230)
            w.beginList().integer(r.status);
        writeFields(w, version, fields, r);
        if (version >= 230) {
            for (const FileRecord& old : r.older) {
                w.integer(old.status);
                writeFields(w, version, fields, old);
            }
            w.endList();
        }
    }
    w.endList();
    return w.bytes();
}
