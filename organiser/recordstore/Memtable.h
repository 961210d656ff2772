#pragma once

#include "DateTime.h"
#include "Set.h"
#include "StoreErrors.h"
#include "Variant.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QIODevice;
class TCustomStreamFormat;
class TMemTable;

// Field types, in the order of their ordinals (the type names of the table file follow it).
enum TFieldType
{
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor
};
constexpr int FieldTypeCount = ftCursor + 1;

enum TFieldKind
{
    fkData,
    fkCalculated,
    fkLookup,
    fkInternalCalc,
    fkAggregate
};
constexpr int FieldKindCount = fkAggregate + 1;

enum TIndexOption
{
    ixPrimary,
    ixUnique,
    ixDescending,
    ixCaseInsensitive
};
using TIndexOptions = TSet<TIndexOption>;

enum TMemTableCompareOption
{
    mtcoDescending,
    mtcoCaseInsensitive,
    mtcoPartialKey,
    mtcoIgnoreNullKey,
    mtcoIgnoreLocale,
    mtcoUnique,
    mtcoNonMaintained
};
using TMemTableCompareOptions = TSet<TMemTableCompareOption>;

enum TLocateOption
{
    loCaseInsensitive,
    loPartialKey
};
using TLocateOptions = TSet<TLocateOption>;

enum TDataSetState
{
    dsInactive,
    dsBrowse,
    dsEdit,
    dsInsert
};

struct TFieldDef
{
    QString Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;
    bool Required = false;
};

struct TIndexDef
{
    QString Name;
    QString Fields; // names separated by ";"
    TIndexOptions Options;
};

// Type names as the table file writes them ("String", "Date", ...), indexed by TFieldType.
QString fieldTypeName(TFieldType type);
// Field kind names ("Data", "Calculated", ...), indexed by TFieldKind.
QString fieldKindName(TFieldKind kind);

// How a value of each type is held: bytes, a 64-bit integer (integers, booleans, day numbers,
// milliseconds, currency in ten-thousandths) or a double.
enum class TStorage : std::uint8_t
{
    Bytes,
    Int,
    Bool,
    Double
};
TStorage storageOf(TFieldType type);
bool isTextType(TFieldType type);
bool isBlobType(TFieldType type); // types that cannot be compared or indexed

// One field value outside the table: the edit buffer and the loader use it.
struct TFieldValue
{
    bool null = true;
    std::int64_t i = 0;
    double d = 0;
    std::string s;
};
using TRecordBuffer = std::vector<TFieldValue>;

// A field of a table: reads and writes the value of the table's current record.
class TField
{
public:
    TField(TMemTable& table, int index, const TFieldDef& def);

    const QString& FieldName() const { return m_name; }
    TFieldType DataType() const { return m_type; }
    int Size() const { return m_size; }
    int Index() const { return m_index; }
    bool Required() const { return m_required; }

    QString DisplayLabel() const { return m_displayLabel.isEmpty() ? m_name : m_displayLabel; }
    void SetDisplayLabel(const QString& label) { m_displayLabel = label; }
    const QString& EditMask() const { return m_editMask; }
    void SetEditMask(const QString& mask) { m_editMask = mask; }
    // The width set on the field, or the default of its type when none is set.
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool ro) { m_readOnly = ro; }
    TFieldKind FieldKind() const { return m_kind; }
    void SetFieldKind(TFieldKind kind) { m_kind = kind; }

    bool IsNull() const;
    void Clear();

    QString AsString() const;
    void SetAsString(const QString& text);
    // The stored Windows-1252 bytes of a text field.
    QByteArray AsBytes() const;
    void SetAsBytes(const QByteArray& bytes);
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime value);
    int AsInteger() const;
    void SetAsInteger(int value);
    bool AsBoolean() const;
    void SetAsBoolean(bool value);
    double AsFloat() const;
    void SetAsFloat(double value);

    // Stores a value of this field's type into v, converting as an assignment would.
    void convertText(QByteArray bytes, TFieldValue& v) const;
    void convertDateTime(TDateTime value, TFieldValue& v) const;

private:
    const TFieldValue* readValue() const;
    TFieldValue& writeValue();

    TMemTable& m_table;
    int m_index;
    QString m_name;
    TFieldType m_type;
    int m_size;
    bool m_required;
    QString m_displayLabel;
    QString m_editMask;
    int m_displayWidth = 0;
    bool m_readOnly = false;
    TFieldKind m_kind = fkData;
};

// One field of an index or a search, with its comparison options.
struct TMemFieldListItem
{
    int field;
    TMemTableCompareOptions options;
};

// An ordered list of fields, each with its own comparison options.
class TMemFieldList
{
public:
    std::vector<TMemFieldListItem> items;
    bool sameFields(const TMemFieldList& other) const;
};

// One ordering of a table's records (their ids).
class TMemIndex
{
public:
    QString Name;
    TMemFieldList Fields;
    bool IsRowOrder = false;
    bool Valid = true;
    TMemTableCompareOptions Options;
    std::vector<std::uint32_t> ids;
};

// The set of orderings of a table: the row order first, then one per index definition,
// then at most one sort index.
class TMemIndexes
{
public:
    std::vector<std::unique_ptr<TMemIndex>> list;
    TMemIndex* find(const QString& name) const;
};

// The record list shared by the cursor and the indexes; a record is one block of memory.
// Records read from a file are packed into large shared blocks (freed with the list); records
// posted later have blocks of their own.
class TMemCommon
{
public:
    ~TMemCommon();
    std::recursive_mutex lock;
    std::vector<char*> records;         // by record id; null where the id is free
    std::vector<std::uint32_t> freeIds; // last freed on top
    std::size_t count = 0;
    std::uint32_t addRecord(char* data);
    void removeRecord(std::uint32_t id);
    void replaceRecord(std::uint32_t id, char* data);
    void clear();
    char* allocate(std::size_t size, bool shared);
    static void release(char* data);

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_blockUsed = 0;
    std::size_t m_blockSize = 0;
};

// A record table: fields by name, a cursor over the current index, sorting, searching and
// unique indexes, loaded and saved whole through a format object.
class TMemTable
{
public:
    explicit TMemTable(const QString& name = QString());
    ~TMemTable();
    TMemTable(const TMemTable&) = delete;
    TMemTable& operator=(const TMemTable&) = delete;

    const QString& Name() const { return m_name; }

    std::vector<TFieldDef>& FieldDefs() { return m_fieldDefs; }
    const std::vector<TFieldDef>& FieldDefs() const { return m_fieldDefs; }
    void AddFieldDef(const QString& name, TFieldType type, int size = 0, bool required = false);
    std::vector<TIndexDef>& IndexDefs() { return m_indexDefs; }
    const std::vector<TIndexDef>& IndexDefs() const { return m_indexDefs; }
    TMemTableCompareOptions SortOptions() const { return m_sortOptions; }
    void SetSortOptions(TMemTableCompareOptions options) { m_sortOptions = options; }
    int LocaleID() const { return 1024; }

    bool Active() const { return m_state != dsInactive; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return m_state; }
    bool Modified() const { return m_modified; }

    int FieldCount() const { return int(m_fields.size()); }
    TField& Fields(int index) { return *m_fields.at(index); }
    const TField& Fields(int index) const { return *m_fields.at(index); }
    TField& FieldByName(const QString& name);
    TField* FindField(const QString& name);

    void First();
    void Next();
    bool Eof() const { return m_eof; }
    int RecordCount() const;
    // Position of the cursor in the current index, -1 when there is no current record.
    int CursorPosition() const { return m_pos; }
    // Record id of the current record, or -1.
    int CurrentRecordId() const;

    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    bool Locate(const QString& fields, const TVariant& values, TLocateOptions options = {});
    void SortOn(const QString& fields, TMemTableCompareOptions options);
    void EmptyTable();

    void LoadFromFileViaFormat(const QString& path, TCustomStreamFormat* format);
    void SaveToFileViaFormat(const QString& path, TCustomStreamFormat* format);
    void LoadFromStreamViaFormat(QIODevice& device, TCustomStreamFormat* format);
    void SaveToStreamViaFormat(QIODevice& device, TCustomStreamFormat* format);

    // Bound controls (grids, reports) are not told of changes while disabled.
    void DisableControls() { ++m_controlsDisabled; }
    void EnableControls()
    {
        if (m_controlsDisabled > 0)
            --m_controlsDisabled;
    }
    bool ControlsDisabled() const { return m_controlsDisabled > 0; }

    const TMemIndexes& Indexes() const { return m_indexes; }
    const TMemIndex* CurrentIndex() const { return m_current; }

    // --- Used by the stream formats -------------------------------------------------------
    std::recursive_mutex& recordLock() { return m_common.lock; }
    // Records in save order: the current index, or the row order.
    std::size_t orderedCount(bool usingIndex) const;
    std::uint32_t orderedId(std::size_t position, bool usingIndex) const;
    bool valueIsNull(std::uint32_t id, int field) const;
    std::int64_t valueInt(std::uint32_t id, int field) const;
    double valueDouble(std::uint32_t id, int field) const;
    std::string_view valueBytes(std::uint32_t id, int field) const;

    // Loading: definitions replaced, records appended with index maintenance suspended,
    // then every index rebuilt once.
    void loadReplaceFieldDefs();
    TField& loadAddField(const TFieldDef& def);
    void loadReopen();
    void loadReplaceIndexDefs();
    void loadAddIndexDef(const TIndexDef& def);
    // A load starts once the signature and version were read, and always ends with loadFinish.
    void loadBegin();
    void loadReserve(std::size_t expectedRecords);
    TRecordBuffer& loadBuffer() { return m_loadBuffer; }
    void loadAppendRecord();
    // Rebuilds every index (throws on a duplicate key in a unique index).
    void loadFinish(bool indexDefsRead);
    std::int64_t autoIncValue() const { return m_autoInc; }
    void raiseAutoInc(std::int64_t value)
    {
        if (value > m_autoInc)
            m_autoInc = value;
    }
    // Estimated bytes of one record in a table file, to size the record list before a load.
    std::size_t estimatedFileRecordSize() const;

private:
    friend class TField;
    struct Layout;

    void checkActive() const;
    void checkBrowseMode(); // posts a changed pending record, drops an unchanged one
    void rebuildFields();
    void buildLayout();
    void createIndexesFromDefs();
    void dropAllIndexesButRowOrder();
    TMemFieldList parseFieldList(const QString& fields, TMemTableCompareOptions options) const;
    char* packRecord(const TRecordBuffer& values, std::uint32_t sequence, bool shared = false);
    void unpackRecord(const char* data, TRecordBuffer& values) const;
    void fullBuild(TMemIndex& index);
    std::size_t insertPosition(const TMemIndex& index, const char* data) const;
    std::size_t findPosition(const TMemIndex& index, std::uint32_t id) const;
    void checkUnique(const char* data, int selfId) const;
    int compareKeys(const char* key, const char* rec, const TMemFieldList& fields,
                    bool* partial = nullptr) const;
    const char* currentData() const;
    const TFieldValue* readFieldValue(int field) const;
    TFieldValue& writeFieldValue(int field);

    QString m_name;
    std::vector<TFieldDef> m_fieldDefs;
    std::vector<TIndexDef> m_indexDefs;
    TMemTableCompareOptions m_sortOptions;
    std::vector<std::unique_ptr<TField>> m_fields;
    std::unique_ptr<Layout> m_layout;

    TMemCommon m_common;
    TMemIndexes m_indexes;
    TMemIndex* m_rowOrder = nullptr;
    TMemIndex* m_current = nullptr;

    TDataSetState m_state = dsInactive;
    int m_pos = -1;
    bool m_eof = true;
    TRecordBuffer m_editBuffer;
    bool m_modified = false;
    int m_editId = -1;
    std::uint32_t m_postSequence = 0;
    int m_controlsDisabled = 0;
    bool m_maintenanceSuspended = false;
    TRecordBuffer m_loadBuffer;
    mutable TFieldValue m_readScratch;
    bool m_loadFieldsReplaced = false;
    int m_firstLoadedId = -1;
    std::int64_t m_autoInc = 0;
};
