#include "Membinarystreamformat.h"

#include "BinaryStream.h"
#include "Cp1252.h"
#include "Memtable.h"

#include "Numbers.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int FileVersion = 251;

std::string bytesOf(const QString& text)
{
    return cp1252::fromUnicode(text).toStdString();
}

QString textOf(const std::string& bytes)
{
    return cp1252::toUnicode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

TFieldType typeFromName(const std::string& name)
{
    for (int t = 0; t < FieldTypeCount; ++t) {
        if (name == fieldTypeName(TFieldType(t)).toStdString())
            return TFieldType(t);
    }
    return ftUnknown;
}

TFieldKind kindFromName(const std::string& name)
{
    for (int k = 0; k < FieldKindCount; ++k) {
        if (name == fieldKindName(TFieldKind(k)).toStdString())
            return TFieldKind(k);
    }
    return fkData;
}

} // namespace

TCustomBinaryStreamFormat::TCustomBinaryStreamFormat() = default;
TCustomBinaryStreamFormat::~TCustomBinaryStreamFormat() = default;

QString TCustomBinaryStreamFormat::GetVersion() const
{
    return QStringLiteral("3.00");
}

// --- saving ----------------------------------------------------------------------------------

void TCustomBinaryStreamFormat::BeforeSave(TMemTable&, QIODevice& device)
{
    m_writer = std::make_unique<TBinaryWriter>(device, BufferSize());
    m_writer->writeRaw("TPF0", 4);
    m_writer->writeInteger(FileVersion);
}

void TCustomBinaryStreamFormat::SaveDef(TMemTable& table)
{
    TBinaryWriter& w = *m_writer;
    w.writeListBegin();
    if (Settings.sfDef.Save) {
        for (int i : m_saveFields) {
            const TField& f = table.Fields(i);
            w.writeString(bytesOf(f.FieldName()));
            w.writeString(bytesOf(fieldTypeName(f.DataType())));
            w.writeInteger(f.Size());
            w.writeString(bytesOf(f.DisplayLabel()));
            w.writeString(bytesOf(f.EditMask()));
            w.writeInteger(f.DisplayWidth());
            w.writeBoolean(f.Required());
            w.writeBoolean(f.ReadOnly());
            w.writeString(Settings.sfFieldKind.Save ? bytesOf(fieldKindName(f.FieldKind()))
                                                    : std::string());
            w.writeString({});
        }
    }
    w.writeListEnd();

    w.writeListBegin();
    if (Settings.sfIndexDef.Save) {
        for (const TIndexDef& def : table.IndexDefs()) {
            w.writeString(bytesOf(def.Name));
            w.writeString(bytesOf(def.Fields));
            w.writeString(bytesOf(def.Name));
            w.writeBoolean(def.Options.contains(ixDescending));
            w.writeBoolean(def.Options.contains(ixCaseInsensitive));
            w.writeBoolean(false);
            w.writeBoolean(def.Options.contains(ixUnique));
        }
    }
    w.writeListEnd();
}

void TCustomBinaryStreamFormat::SaveData(TMemTable& table)
{
    TBinaryWriter& w = *m_writer;
    w.writeListBegin();
    if (Settings.sfData.Save) {
        const bool usingIndex = Settings.sfUsingIndex.Save;
        const std::size_t count = table.orderedCount(usingIndex);
        for (std::size_t p = 0; p < count; ++p) {
            const std::uint32_t id = table.orderedId(p, usingIndex);
            w.writeListBegin();
            w.writeInteger(0);
            for (int i : m_saveFields) {
                if (table.valueIsNull(id, i)) {
                    w.writeBoolean(true);
                    continue;
                }
                w.writeBoolean(false);
                const TFieldType type = table.Fields(i).DataType();
                switch (type) {
                case ftBoolean:
                    w.writeBoolean(table.valueInt(id, i) != 0);
                    break;
                case ftDate:
                    w.writeNumber(double(table.valueInt(id, i)));
                    break;
                case ftTime:
                    w.writeNumber(double(table.valueInt(id, i)) / datetime::MSecsPerDay);
                    break;
                case ftFloat:
                case ftDateTime:
                    w.writeNumber(table.valueDouble(id, i));
                    break;
                case ftCurrency:
                case ftBCD:
                    w.writeNumber(double(table.valueInt(id, i)) / 10000.0);
                    break;
                default:
                    if (storageOf(type) == TStorage::Bytes)
                        w.writeString(table.valueBytes(id, i));
                    else
                        w.writeInteger(table.valueInt(id, i));
                    break;
                }
            }
            w.writeListEnd();
        }
    }
    w.writeListEnd();
}

void TCustomBinaryStreamFormat::AfterSave(TMemTable&)
{
    if (!m_writer)
        return;
    const std::unique_ptr<TBinaryWriter> writer = std::move(m_writer);
    writer->flush();
}

// --- loading ---------------------------------------------------------------------------------

void TCustomBinaryStreamFormat::BeforeLoad(TMemTable&, QIODevice& device)
{
    m_reader = std::make_unique<TBinaryReader>(device, BufferSize());
    m_fieldDefsReplaced = false;
    m_indexDefsRead = false;
    char signature[4];
    m_reader->readRaw(signature, 4);
    if (std::memcmp(signature, "TPF0", 4) != 0)
        throw EStreamError(QStringLiteral("Invalid stream format"));
    m_fileVersion = m_reader->peekTag() == tag::List ? 100 : int(m_reader->readInteger());
    m_fileSize = m_reader->remaining();
}

void TCustomBinaryStreamFormat::LoadDef(TMemTable& table)
{
    TBinaryReader& r = *m_reader;
    const bool replace = Settings.sfDef.Load;
    std::string name, typeName, displayName, editMask, kindName, reserved;

    r.readListBegin();
    try {
        while (!r.endOfList()) {
            if (replace && !m_fieldDefsReplaced) {
                table.loadReplaceFieldDefs();
                m_fieldDefsReplaced = true;
            }
            r.readString(name);
            r.readString(typeName);
            const int size = int(r.readInteger());
            r.readString(displayName);
            r.readString(editMask);
            const int displayWidth = int(r.readInteger());
            const bool required = r.readBoolean();
            const bool readOnly = r.readBoolean();
            kindName = "Data";
            if (m_fileVersion >= 250)
                r.readString(kindName);
            if (m_fileVersion >= 251)
                r.readString(reserved);

            const TFieldType type = typeFromName(typeName);
            if (type == ftUnknown || type == ftCursor)
                throw EStreamError(QStringLiteral("Unknown field type (%1)").arg(textOf(typeName)));
            if (!replace)
                continue;
            TField& field = table.loadAddField(TFieldDef{textOf(name), type, size, required});
            field.SetFieldKind(kindFromName(kindName));
            field.SetDisplayLabel(textOf(displayName));
            field.SetEditMask(textOf(editMask));
            field.SetReadOnly(readOnly);
            field.SetDisplayWidth(displayWidth);
        }
        r.readListEnd();
    } catch (...) {
        if (m_fieldDefsReplaced)
            table.loadReopen();
        throw;
    }
    if (m_fieldDefsReplaced)
        table.loadReopen();

    if (m_fileVersion >= 200) {
        std::string indexName, fields, display;
        r.readListBegin();
        while (!r.endOfList()) {
            if (Settings.sfIndexDef.Load && !m_indexDefsRead) {
                table.loadReplaceIndexDefs();
                m_indexDefsRead = true;
            }
            r.readString(indexName);
            r.readString(fields);
            r.readString(display);
            TIndexOptions options;
            if (r.readBoolean())
                options << ixDescending;
            if (r.readBoolean())
                options << ixCaseInsensitive;
            r.readBoolean();
            if (r.readBoolean())
                options << ixUnique;
            if (Settings.sfIndexDef.Load)
                table.loadAddIndexDef(TIndexDef{textOf(indexName), textOf(fields), options});
        }
        r.readListEnd();
    }

    if (table.FieldCount() == 0)
        throw EStreamError(QStringLiteral("Couldnt determine field count for load."));
}

namespace {

void readFieldValues(TBinaryReader& r, TMemTable& table, int version, TRecordBuffer& values)
{
    const int count = table.FieldCount();
    values.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        TFieldValue& v = values[std::size_t(i)];
        const bool null = version >= 249 ? r.readBoolean() : false;
        v.null = null;
        if (null)
            continue;
        const TField& field = table.Fields(i);
        const TFieldType type = field.DataType();
        switch (type) {
        case ftBoolean:
            v.i = r.readBoolean();
            break;
        case ftFloat:
            v.d = r.readNumber();
            break;
        case ftCurrency:
        case ftBCD:
            v.i = numbers::round64(r.readNumber() * 10000.0);
            break;
        case ftDate:
        case ftTime:
        case ftDateTime: {
            const double n = r.readNumber();
            if (n == 0) {
                v.null = true;
                break;
            }
            // Outside the first to the last day of the calendar the file is damaged.
            if (!(n >= datetime::MinDateTime && n < datetime::MaxDateTime))
                throw EStreamError(QStringLiteral("Invalid property value"));
            if (type == ftDate)
                v.i = datetime::dateDay(n);
            else if (type == ftTime)
                v.i = datetime::timeMsecs(n);
            else
                v.d = n;
            break;
        }
        case ftSmallint:
        case ftInteger:
        case ftWord:
            v.i = r.readInteger();
            break;
        case ftAutoInc:
            v.i = r.readInteger();
            table.raiseAutoInc(v.i);
            break;
        default: {
            r.readString(v.s);
            if (type == ftString) {
                const auto zero = v.s.find('\0');
                if (zero != std::string::npos)
                    v.s.resize(zero);
                if (field.Size() > 0 && v.s.size() > std::size_t(field.Size()))
                    v.s.resize(std::size_t(field.Size()));
            }
            break;
        }
        }
    }
}

} // namespace

void TCustomBinaryStreamFormat::LoadData(TMemTable& table)
{
    TBinaryReader& r = *m_reader;
    if (m_fileSize > 0) {
        const std::size_t estimate = std::size_t(m_fileSize) / table.estimatedFileRecordSize();
        table.loadReserve(estimate + estimate / 50);
    } else {
        table.loadReserve(0);
    }
    TRecordBuffer& values = table.loadBuffer();
    TRecordBuffer older;
    const bool grouped = m_fileVersion >= 230;

    r.readListBegin();
    while (!r.endOfList()) {
        if (grouped) {
            r.readListBegin();
            r.readInteger(); // update status
        }
        readFieldValues(r, table, m_fileVersion, values);
        if (grouped) {
            // Older versions of the same record: read past, never shown, never written again.
            while (!r.endOfList()) {
                r.readInteger();
                readFieldValues(r, table, m_fileVersion, older);
            }
            r.readListEnd();
        }
        if (Settings.sfData.Load)
            table.loadAppendRecord();
    }
    r.readListEnd();
}

void TCustomBinaryStreamFormat::AfterLoad(TMemTable& table)
{
    m_reader.reset();
    table.loadFinish(m_indexDefsRead);
}

TBinaryStreamFormat::TBinaryStreamFormat()
{
    // The settings every data file of the organiser is written and read with.
    Settings.sfUsingIndex = {true, false};
    Settings.sfData = {true, true};
    Settings.sfNonVisible = {true, true};
    Settings.sfBlobs = {true, true};
    Settings.sfDef = {true, true};
    Settings.sfIndexDef = {true, true};
    Settings.sfFiltered = {true, false};
    Settings.sfIgnoreRange = {true, false};
    Settings.sfIgnoreMasterDetail = {true, false};
    Settings.sfFieldKind = {true, false};
    Settings.sfFromStart = {false, true};
}
