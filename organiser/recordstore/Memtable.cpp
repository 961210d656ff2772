#include "Memtable.h"

#include "MemtableRecords.h"

#include <algorithm>
#include <cstdlib>

using namespace memrecord;

// ---------------------------------------------------------------------------------------------
// Table

TMemTable::TMemTable(const QString& name) : m_name(name), m_layout(std::make_unique<Layout>()) {}

TMemTable::~TMemTable() = default;

void TMemTable::AddFieldDef(const QString& name, TFieldType type, int size, bool required)
{
    m_fieldDefs.push_back(TFieldDef{name, type, size, required});
}

void TMemTable::checkActive() const
{
    if (m_state == dsInactive)
        throw EMemTableError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TMemTable::rebuildFields()
{
    bool same = m_fields.size() == m_fieldDefs.size();
    for (std::size_t i = 0; same && i < m_fields.size(); ++i) {
        const TFieldDef& d = m_fieldDefs[i];
        same = m_fields[i]->FieldName() == d.Name && m_fields[i]->DataType() == d.DataType &&
               m_fields[i]->Size() == d.Size;
    }
    if (same && !m_fields.empty())
        return;
    m_fields.clear();
    for (std::size_t i = 0; i < m_fieldDefs.size(); ++i)
        m_fields.push_back(std::make_unique<TField>(*this, int(i), m_fieldDefs[i]));
    buildLayout();
}

void TMemTable::buildLayout()
{
    auto layout = std::make_unique<Layout>();
    const std::uint32_t n = std::uint32_t(m_fields.size());
    std::uint32_t offset = HeaderSize + (n + 7) / 8;
    std::uint32_t texts = 0;
    for (const auto& f : m_fields) {
        Layout::Slot slot{};
        const TFieldType t = f->DataType();
        switch (storageOf(t)) {
        case TStorage::Bytes:
            slot = {Layout::Kind::Bytes, texts++};
            break;
        case TStorage::Bool:
            slot = {Layout::Kind::Bool, offset};
            offset += 1;
            break;
        case TStorage::Double:
            slot = {Layout::Kind::Double, offset};
            offset += 8;
            break;
        case TStorage::Int:
            if (t == ftCurrency || t == ftBCD) {
                slot = {Layout::Kind::I64, offset};
                offset += 8;
            } else {
                slot = {Layout::Kind::I32, offset};
                offset += 4;
            }
            break;
        }
        layout->fieldSlots.push_back(slot);
    }
    layout->lengthsOffset = offset;
    layout->textCount = texts;
    layout->textsOffset = offset + 4 * texts;
    m_layout = std::move(layout);
}

TField* TMemTable::FindField(const QString& name)
{
    for (const auto& f : m_fields) {
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    }
    return nullptr;
}

TField& TMemTable::FieldByName(const QString& name)
{
    if (TField* f = FindField(name))
        return *f;
    throw EMemTableError(QStringLiteral("%1: Field '%2' not found").arg(m_name, name));
}

// --- opening and closing ----------------------------------------------------------------------

void TMemTable::SetActive(bool active)
{
    if (active == Active())
        return;
    if (!active) {
        Cancel();
        m_common.clear();
        m_indexes.list.clear();
        m_rowOrder = nullptr;
        m_current = nullptr;
        m_state = dsInactive;
        m_pos = -1;
        m_eof = true;
        return;
    }
    rebuildFields();
    if (!m_layout || m_layout->fieldSlots.size() != m_fields.size())
        buildLayout();
    m_indexes.list.clear();
    auto row = std::make_unique<TMemIndex>();
    row->Name = RowOrderName;
    row->IsRowOrder = true;
    m_rowOrder = row.get();
    m_current = m_rowOrder;
    m_indexes.list.push_back(std::move(row));
    m_state = dsBrowse;
    try {
        createIndexesFromDefs();
    } catch (...) {
        m_indexes.list.clear();
        m_rowOrder = m_current = nullptr;
        m_state = dsInactive;
        throw;
    }
    m_pos = -1;
    m_eof = true;
}

// --- cursor ---------------------------------------------------------------------------------

int TMemTable::RecordCount() const
{
    checkActive();
    return int(m_current->ids.size());
}

int TMemTable::CurrentRecordId() const
{
    if (!Active() || m_pos < 0 || m_pos >= int(m_current->ids.size()))
        return -1;
    return int(m_current->ids[m_pos]);
}

const char* TMemTable::currentData() const
{
    const int id = CurrentRecordId();
    return id < 0 ? nullptr : m_common.records[id];
}

const TFieldValue* TMemTable::readFieldValue(int field) const
{
    if (m_state == dsEdit || m_state == dsInsert)
        return &m_editBuffer[field];
    const char* rec = currentData();
    if (!rec)
        return nullptr;
    const Layout& L = *m_layout;
    TFieldValue& v = m_readScratch;
    v.null = L.isNull(rec, field);
    v.i = 0;
    v.d = 0;
    v.s.clear();
    if (!v.null) {
        switch (L.fieldSlots[field].kind) {
        case Layout::Kind::Double:
            v.d = L.getDouble(rec, field);
            break;
        case Layout::Kind::Bytes:
            v.s.assign(L.getBytes(rec, field));
            break;
        default:
            v.i = L.getInt(rec, field);
            break;
        }
    }
    return &v;
}

TFieldValue& TMemTable::writeFieldValue(int field)
{
    if (m_state != dsEdit && m_state != dsInsert)
        throw EMemTableError(QStringLiteral("Dataset is not in edit mode."));
    m_modified = true;
    return m_editBuffer[field];
}

void TMemTable::checkBrowseMode()
{
    if (m_state == dsEdit || m_state == dsInsert) {
        if (m_modified)
            Post();
        else
            Cancel();
    }
}

void TMemTable::First()
{
    checkActive();
    checkBrowseMode();
    if (m_current->ids.empty()) {
        m_pos = -1;
        m_eof = true;
    } else {
        m_pos = 0;
        m_eof = false;
    }
}

void TMemTable::Next()
{
    checkActive();
    checkBrowseMode();
    if (m_pos + 1 < int(m_current->ids.size())) {
        ++m_pos;
        m_eof = false;
    } else {
        m_eof = true;
    }
}

// --- editing ----------------------------------------------------------------------------------

void TMemTable::Append()
{
    checkActive();
    checkBrowseMode();
    m_editBuffer.assign(m_fields.size(), TFieldValue());
    m_state = dsInsert;
    m_modified = false;
    m_editId = -1;
}

void TMemTable::Edit()
{
    checkActive();
    if (m_state == dsEdit || m_state == dsInsert)
        return;
    if (m_current->ids.empty()) {
        Append();
        return;
    }
    if (m_pos < 0)
        First();
    unpackRecord(currentData(), m_editBuffer);
    m_editId = CurrentRecordId();
    m_state = dsEdit;
    m_modified = false;
}

void TMemTable::Cancel()
{
    if (m_state == dsEdit || m_state == dsInsert) {
        m_state = dsBrowse;
        m_modified = false;
        m_editId = -1;
    }
}

void TMemTable::Post()
{
    checkActive();
    if (m_state != dsEdit && m_state != dsInsert)
        return;
    std::lock_guard guard(m_common.lock);
    char* data = packRecord(m_editBuffer, ++m_postSequence);
    try {
        checkUnique(data, m_state == dsEdit ? m_editId : -1);
    } catch (...) {
        std::free(data);
        throw;
    }

    if (m_state == dsInsert) {
        const std::uint32_t id = m_common.addRecord(data);
        m_rowOrder->ids.push_back(id);
        std::size_t currentPos = m_rowOrder->ids.size() - 1;
        for (auto& index : m_indexes.list) {
            if (index->IsRowOrder)
                continue;
            const std::size_t p = insertPosition(*index, data);
            index->ids.insert(index->ids.begin() + std::ptrdiff_t(p), id);
            if (index.get() == m_current)
                currentPos = p;
        }
        // The new record becomes the current one.
        m_pos = int(currentPos);
        m_eof = false;
    } else {
        const std::uint32_t id = std::uint32_t(m_editId);
        const char* old = m_common.records[id];
        for (auto& index : m_indexes.list) {
            if (index->IsRowOrder || compareKeys(old, data, index->Fields) == 0)
                continue;
            const std::size_t p = findPosition(*index, id);
            index->ids.erase(index->ids.begin() + std::ptrdiff_t(p));
            // Put back after the record data is replaced, below.
            index->Valid = false;
        }
        m_common.replaceRecord(id, data);
        for (auto& index : m_indexes.list) {
            if (index->IsRowOrder || index->Valid)
                continue;
            index->Valid = true;
            const std::size_t p = insertPosition(*index, data);
            index->ids.insert(index->ids.begin() + std::ptrdiff_t(p), id);
        }
    }
    m_state = dsBrowse;
    m_modified = false;
    m_editId = -1;
}

void TMemTable::Delete()
{
    checkActive();
    if (m_state == dsInsert) {
        Cancel();
        return;
    }
    Cancel();
    if (m_current->ids.empty())
        throw EMemTableError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (m_pos < 0)
        m_pos = 0;
    std::lock_guard guard(m_common.lock);
    const std::uint32_t id = m_current->ids[m_pos];
    for (auto& index : m_indexes.list) {
        const std::size_t p =
            index.get() == m_current ? std::size_t(m_pos) : findPosition(*index, id);
        if (p < index->ids.size())
            index->ids.erase(index->ids.begin() + std::ptrdiff_t(p));
    }
    m_common.removeRecord(id);
    const int count = int(m_current->ids.size());
    if (count == 0) {
        m_pos = -1;
        m_eof = true;
    } else {
        if (m_pos >= count)
            m_pos = count - 1;
        m_eof = false;
    }
}

// --- searching and sorting -------------------------------------------------------------------

void TMemTable::EmptyTable()
{
    if (!Active())
        return;
    Cancel();
    std::lock_guard guard(m_common.lock);
    m_common.clear();
    for (auto& index : m_indexes.list) {
        index->ids.clear();
        index->Valid = true;
    }
    m_postSequence = 0;
    m_pos = -1;
    m_eof = true;
}

// --- access for the formats ------------------------------------------------------------------
