#include "Customstreamformat.h"

#include "Memtable.h"

TCustomStreamFormat::TCustomStreamFormat() = default;
TCustomStreamFormat::~TCustomStreamFormat() = default;

QString TCustomStreamFormat::GetVersion() const
{
    return QStringLiteral("3.00");
}

void TCustomStreamFormat::DetermineSaveFields(TMemTable& table)
{
    m_saveFields.clear();
    for (int i = 0; i < table.FieldCount(); ++i) {
        const TFieldKind kind = table.Fields(i).FieldKind();
        const bool wanted = (kind == fkData && Settings.sfData.Save) ||
                            (kind == fkCalculated && Settings.sfCalculated.Save) ||
                            (kind == fkLookup && Settings.sfLookup.Save);
        if (wanted && (Settings.sfBlobs.Save || !isBlobType(table.Fields(i).DataType())))
            m_saveFields.push_back(i);
    }
}

void TCustomStreamFormat::BeforeSave(TMemTable&, QIODevice&) {}
void TCustomStreamFormat::SaveDef(TMemTable&) {}
void TCustomStreamFormat::SaveData(TMemTable&) {}
void TCustomStreamFormat::AfterSave(TMemTable&) {}
void TCustomStreamFormat::DetermineLoadFieldIDs(TMemTable&) {}
void TCustomStreamFormat::DetermineLoadFields(TMemTable&) {}
void TCustomStreamFormat::DetermineLoadFieldIndex(TMemTable&) {}
void TCustomStreamFormat::BeforeLoad(TMemTable&, QIODevice&) {}
void TCustomStreamFormat::LoadDef(TMemTable&) {}
void TCustomStreamFormat::LoadData(TMemTable&) {}
void TCustomStreamFormat::AfterLoad(TMemTable&) {}

namespace {

// Bound controls are held still and the record list locked for a whole save or load.
class TableHold
{
public:
    explicit TableHold(TMemTable& table) : m_table(table), m_lock(table.recordLock())
    {
        m_table.DisableControls();
    }
    ~TableHold() { m_table.EnableControls(); }

private:
    TMemTable& m_table;
    std::lock_guard<std::recursive_mutex> m_lock;
};

} // namespace

void TCustomStreamFormat::Save(TMemTable& table, QIODevice& device)
{
    TableHold hold(table);
    try {
        DetermineSaveFields(table);
        BeforeSave(table, device);
        SaveDef(table);
        SaveData(table);
    } catch (...) {
        try {
            AfterSave(table);
        } catch (...) {
        }
        throw;
    }
    AfterSave(table);
}

void TCustomStreamFormat::Load(TMemTable& table, QIODevice& device)
{
    TableHold hold(table);
    // A signature or version that cannot be read leaves the table untouched.
    BeforeLoad(table, device);
    table.loadBegin();
    try {
        DetermineLoadFieldIDs(table);
        LoadDef(table);
        DetermineLoadFields(table);
        DetermineLoadFieldIndex(table);
        LoadData(table);
    } catch (...) {
        try {
            AfterLoad(table);
        } catch (...) {
        }
        throw;
    }
    AfterLoad(table);
}
