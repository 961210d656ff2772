#include "Memtable.h"

#include "Customstreamformat.h"
#include "MemtableRecords.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdlib>

using namespace memrecord;

// The record list, packing records into blocks, and loading and saving through formats.

// ---------------------------------------------------------------------------------------------
// Record list

TMemCommon::~TMemCommon()
{
    clear();
}

std::uint32_t TMemCommon::addRecord(char* data)
{
    std::lock_guard guard(lock);
    std::uint32_t id;
    if (!freeIds.empty()) {
        id = freeIds.back();
        freeIds.pop_back();
        records[id] = data;
    } else {
        id = std::uint32_t(records.size());
        records.push_back(data);
    }
    ++count;
    return id;
}

void TMemCommon::release(char* data)
{
    if (data && !(readU32(data) & SharedBit))
        std::free(data);
}

void TMemCommon::removeRecord(std::uint32_t id)
{
    std::lock_guard guard(lock);
    release(records[id]);
    records[id] = nullptr;
    freeIds.push_back(id);
    --count;
}

void TMemCommon::replaceRecord(std::uint32_t id, char* data)
{
    std::lock_guard guard(lock);
    release(records[id]);
    records[id] = data;
}

void TMemCommon::clear()
{
    std::lock_guard guard(lock);
    for (char* r : records)
        release(r);
    records.clear();
    freeIds.clear();
    count = 0;
    m_blocks.clear();
    m_blockUsed = m_blockSize = 0;
}

char* TMemCommon::allocate(std::size_t size, bool shared)
{
    if (!shared || size > SharedBlockSize / 4) {
        char* p = static_cast<char*>(std::malloc(size));
        if (!p)
            throw std::bad_alloc();
        return p;
    }
    size = (size + 7) & ~std::size_t(7);
    if (m_blocks.empty() || m_blockUsed + size > m_blockSize) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(SharedBlockSize));
        m_blockSize = SharedBlockSize;
        m_blockUsed = 0;
    }
    char* p = m_blocks.back().get() + m_blockUsed;
    m_blockUsed += size;
    return p;
}

char* TMemTable::packRecord(const TRecordBuffer& values, std::uint32_t sequence, bool shared)
{
    const Layout& L = *m_layout;
    std::size_t size = L.textsOffset;
    for (std::size_t f = 0; f < L.fieldSlots.size(); ++f) {
        if (L.fieldSlots[f].kind == Layout::Kind::Bytes && !values[f].null)
            size += values[f].s.size();
    }
    const bool inBlock = shared && size <= SharedBlockSize / 4;
    char* rec = m_common.allocate(size, inBlock);
    std::memset(rec, 0, L.textsOffset);
    writeU32(rec, sequence | (inBlock ? SharedBit : 0));
    std::uint32_t textPos = L.textsOffset;
    for (std::size_t f = 0; f < L.fieldSlots.size(); ++f) {
        const TFieldValue& v = values[f];
        const Layout::Slot& s = L.fieldSlots[f];
        if (v.null)
            rec[L.nullOffset + f / 8] = char(rec[L.nullOffset + f / 8] | (1 << (f % 8)));
        switch (s.kind) {
        case Layout::Kind::I32: {
            const std::int32_t x = v.null ? 0 : std::int32_t(v.i);
            std::memcpy(rec + s.offset, &x, 4);
            break;
        }
        case Layout::Kind::I64: {
            const std::int64_t x = v.null ? 0 : v.i;
            std::memcpy(rec + s.offset, &x, 8);
            break;
        }
        case Layout::Kind::Bool:
            rec[s.offset] = char(!v.null && v.i != 0);
            break;
        case Layout::Kind::Double: {
            const double x = v.null ? 0 : v.d;
            std::memcpy(rec + s.offset, &x, 8);
            break;
        }
        case Layout::Kind::Bytes: {
            const std::uint32_t len = v.null ? 0 : std::uint32_t(v.s.size());
            writeU32(rec + L.lengthsOffset + 4 * s.offset, len);
            if (len)
                std::memcpy(rec + textPos, v.s.data(), len);
            textPos += len;
            break;
        }
        }
    }
    return rec;
}

void TMemTable::unpackRecord(const char* rec, TRecordBuffer& values) const
{
    const Layout& L = *m_layout;
    values.resize(L.fieldSlots.size());
    for (std::size_t f = 0; f < L.fieldSlots.size(); ++f) {
        TFieldValue& v = values[f];
        v.null = L.isNull(rec, int(f));
        v.i = 0;
        v.d = 0;
        v.s.clear();
        if (v.null)
            continue;
        switch (L.fieldSlots[f].kind) {
        case Layout::Kind::Double:
            v.d = L.getDouble(rec, int(f));
            break;
        case Layout::Kind::Bytes:
            v.s.assign(L.getBytes(rec, int(f)));
            break;
        default:
            v.i = L.getInt(rec, int(f));
            break;
        }
    }
}

// --- access for the formats ------------------------------------------------------------------

std::size_t TMemTable::orderedCount(bool usingIndex) const
{
    if (!Active())
        return 0;
    return (usingIndex ? m_current : m_rowOrder)->ids.size();
}

std::uint32_t TMemTable::orderedId(std::size_t position, bool usingIndex) const
{
    return (usingIndex ? m_current : m_rowOrder)->ids[position];
}

bool TMemTable::valueIsNull(std::uint32_t id, int field) const
{
    return m_layout->isNull(m_common.records[id], field);
}

std::int64_t TMemTable::valueInt(std::uint32_t id, int field) const
{
    return m_layout->getInt(m_common.records[id], field);
}

double TMemTable::valueDouble(std::uint32_t id, int field) const
{
    return m_layout->getDouble(m_common.records[id], field);
}

std::string_view TMemTable::valueBytes(std::uint32_t id, int field) const
{
    return m_layout->getBytes(m_common.records[id], field);
}

void TMemTable::loadBegin()
{
    Cancel();
    m_loadFieldsReplaced = false;
    m_firstLoadedId = -1;
    m_maintenanceSuspended = true;
}

void TMemTable::loadReplaceFieldDefs()
{
    SetActive(false);
    m_fieldDefs.clear();
    m_fields.clear();
    m_loadFieldsReplaced = true;
}

TField& TMemTable::loadAddField(const TFieldDef& def)
{
    m_fieldDefs.push_back(def);
    m_fields.push_back(std::make_unique<TField>(*this, int(m_fields.size()), def));
    return *m_fields.back();
}

void TMemTable::loadReopen()
{
    // Only the row order for now: the defined indexes are made when the load finishes.
    buildLayout();
    m_indexes.list.clear();
    auto row = std::make_unique<TMemIndex>();
    row->Name = RowOrderName;
    row->IsRowOrder = true;
    m_rowOrder = m_current = row.get();
    m_indexes.list.push_back(std::move(row));
    m_state = dsBrowse;
    m_pos = -1;
    m_eof = true;
}

void TMemTable::loadReplaceIndexDefs()
{
    if (Active())
        dropAllIndexesButRowOrder();
    m_indexDefs.clear();
}

void TMemTable::loadAddIndexDef(const TIndexDef& def)
{
    m_indexDefs.push_back(def);
}

void TMemTable::loadReserve(std::size_t expectedRecords)
{
    if (!Active())
        Open();
    m_common.records.reserve(m_common.records.size() + expectedRecords);
    m_rowOrder->ids.reserve(m_rowOrder->ids.size() + expectedRecords);
}

void TMemTable::loadAppendRecord()
{
    char* data = packRecord(m_loadBuffer, 0, true);
    const std::uint32_t id = m_common.addRecord(data);
    m_rowOrder->ids.push_back(id);
    for (auto& index : m_indexes.list) {
        if (!index->IsRowOrder) {
            index->ids.push_back(id);
            index->Valid = false;
        }
    }
    if (m_firstLoadedId < 0)
        m_firstLoadedId = int(id);
}

void TMemTable::loadFinish(bool indexDefsRead)
{
    m_maintenanceSuspended = false;
    const bool recreate = indexDefsRead || m_loadFieldsReplaced;
    m_loadFieldsReplaced = false;
    if (!Active())
        return;
    for (auto& index : m_indexes.list) {
        if (!index->IsRowOrder && !index->Valid)
            fullBuild(*index);
    }
    struct CursorToFirstLoaded
    {
        TMemTable& t;
        ~CursorToFirstLoaded()
        {
            const auto& ids = t.m_current->ids;
            if (ids.empty()) {
                t.m_pos = -1;
                t.m_eof = true;
                return;
            }
            const std::uint32_t first = t.m_firstLoadedId >= 0 ? std::uint32_t(t.m_firstLoadedId)
                                                               : t.m_rowOrder->ids.front();
            const auto it = std::find(ids.begin(), ids.end(), first);
            t.m_pos = it == ids.end() ? 0 : int(it - ids.begin());
            t.m_eof = false;
        }
    } cursor{*this};

    if (recreate)
        createIndexesFromDefs();
    for (auto& index : m_indexes.list) {
        if (index->IsRowOrder || !index->Options.contains(mtcoUnique))
            continue;
        for (std::size_t p = 1; p < index->ids.size(); ++p) {
            if (compareKeys(m_common.records[index->ids[p - 1]], m_common.records[index->ids[p]],
                            index->Fields) == 0)
                throw EMemTableError(QStringLiteral("Duplicate index value. Operation aborted."));
        }
    }
}

std::size_t TMemTable::estimatedFileRecordSize() const
{
    std::size_t size = 4; // list marks and status
    for (const auto& f : m_fields) {
        size += 1;
        switch (storageOf(f->DataType())) {
        case TStorage::Bytes:
            size += 2 + std::size_t(std::clamp(f->Size() / 4, 4, 256));
            break;
        case TStorage::Bool:
            size += 1;
            break;
        case TStorage::Double:
            size += 11;
            break;
        case TStorage::Int:
            size += f->DataType() == ftDate || f->DataType() == ftTime ? 11 : 3;
            break;
        }
    }
    return size;
}

// --- files ------------------------------------------------------------------------------------

void TMemTable::SaveToStreamViaFormat(QIODevice& device, TCustomStreamFormat* format)
{
    if (!format)
        throw EMemTableError(QStringLiteral("No format specified."));
    checkActive();
    checkBrowseMode();
    format->Save(*this, device);
}

void TMemTable::LoadFromStreamViaFormat(QIODevice& device, TCustomStreamFormat* format)
{
    if (!format)
        throw EMemTableError(QStringLiteral("No format specified."));
    format->Load(*this, device);
}

void TMemTable::SaveToFileViaFormat(const QString& path, TCustomStreamFormat* format)
{
    if (!format)
        throw EMemTableError(QStringLiteral("No format specified."));
    checkActive();
    // Written beside the target and renamed over it only when complete, so a failed save
    // leaves the previous file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError(QStringLiteral("Cannot create file %1").arg(path));
    SaveToStreamViaFormat(file, format);
    if (!file.commit())
        throw EStreamError(QStringLiteral("Stream write error"));
}

void TMemTable::LoadFromFileViaFormat(const QString& path, TCustomStreamFormat* format)
{
    if (!format)
        throw EMemTableError(QStringLiteral("No format specified."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError(QStringLiteral("Cannot open file %1").arg(path));
    LoadFromStreamViaFormat(file, format);
}
