#pragma once

#include <QByteArray>
#include <vector>

// Table files written by hand, tag by tag: files of older versions, files with unusual tags and
// damaged files, which the table itself never writes.

// The 10 bytes of a double widened to the x87 80-bit format, little-endian.
QByteArray extended80(double value);

class TagWriter
{
public:
    TagWriter& raw(const QByteArray& bytes);
    TagWriter& signature() { return raw("TPF0"); }
    // With the smallest integer tag that holds the value.
    TagWriter& integer(qint64 value);
    TagWriter& int8(qint8 value);
    TagWriter& int16(qint16 value);
    TagWriter& int32(qint32 value);
    TagWriter& number(double value);
    // Short or long string tag by length.
    TagWriter& string(const QByteArray& text);
    TagWriter& longString(const QByteArray& text);
    TagWriter& boolean(bool value);
    TagWriter& beginList();
    TagWriter& endList();

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct FileField
{
    QByteArray name;
    QByteArray type; // type name as written: "String", "Date", ...
    int size = 0;
};

// One field value of a record, written with the tag of its kind whatever the field's type.
struct FileValue
{
    enum Kind
    {
        Null,
        Integer,
        Number,
        Text,
        Boolean,
        Raw
    } kind = Null;
    qint64 i = 0;
    double d = 0;
    QByteArray s;

    static FileValue null() { return {}; }
    static FileValue integer(qint64 v) { return {Integer, v, 0, {}}; }
    static FileValue number(double v) { return {Number, 0, v, {}}; }
    static FileValue text(const QByteArray& v) { return {Text, 0, 0, v}; }
    static FileValue boolean(bool v) { return {Boolean, v, 0, {}}; }
    // Tag and payload exactly as given (after the null flag).
    static FileValue raw(const QByteArray& tagged) { return {Raw, 0, 0, tagged}; }
};

struct FileRecord
{
    int status = 0;
    std::vector<FileValue> values;
    // Older versions of the record, kept in the record group after the current one.
    std::vector<FileRecord> older;
};

struct FileIndexDef
{
    QByteArray name;
    QByteArray fields;
    bool descending = false;
    bool caseInsensitive = false;
    bool unique = false;
};

// A whole table file laid out as a writer of the given version did: version 100 has no version
// number, no kind names, no reserved strings, no index list, no record lists and no null flags;
// 200 adds the index list, 230 the record lists with a status, 249 the null flags, 250 the kind
// names and 251 the reserved strings. Null values of versions without null flags are written
// as the empty value of the field's type (0 for dates and times).
QByteArray tableFile(int version, const std::vector<FileField>& fields,
                     const std::vector<FileIndexDef>& indexes,
                     const std::vector<FileRecord>& records);
