#include "Memtable.h"

#include "Collation.h"
#include "Cp1252.h"
#include "Customstreamformat.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const QString RowOrderName = QStringLiteral("__MT__ROWORDER");
const QString SortIndexName = QStringLiteral("__MT__DEFSORT");

// Record block: u32 post sequence (0 = unchanged since the load; the top bit marks a record in
// a shared block), null bits, fixed slots, one u32 length per text field, then the texts one
// after another.
constexpr std::uint32_t HeaderSize = 4;
constexpr std::uint32_t SharedBit = 0x80000000u;
constexpr std::uint32_t SequenceMask = 0x7FFFFFFFu;
constexpr std::size_t SharedBlockSize = 1 << 20;

std::uint32_t readU32(const char* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void writeU32(char* p, std::uint32_t v)
{
    std::memcpy(p, &v, 4);
}

int compareBytes(std::string_view a, std::string_view b, bool caseInsensitive)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (caseInsensitive) {
            if (ca >= 'a' && ca <= 'z')
                ca -= 32;
            if (cb >= 'a' && cb <= 'z')
                cb -= 32;
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename T> int compareValues(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// A NaN read from a file sorts after every number, so the order stays total.
int compareDoubles(double a, double b)
{
    const bool na = std::isnan(a);
    const bool nb = std::isnan(b);
    if (na || nb)
        return na == nb ? 0 : (na ? 1 : -1);
    return compareValues(a, b);
}

TMemTableCompareOptions indexOptionsToCompare(TIndexOptions o)
{
    TMemTableCompareOptions r;
    if (o.contains(ixUnique))
        r << mtcoUnique;
    if (o.contains(ixCaseInsensitive))
        r << mtcoCaseInsensitive;
    if (o.contains(ixDescending))
        r << mtcoDescending;
    return r;
}

} // namespace

struct TMemTable::Layout
{
    enum class Kind : std::uint8_t
    {
        I32,
        I64,
        Bool,
        Double,
        Bytes
    };
    struct Slot
    {
        Kind kind;
        std::uint32_t offset; // fixed slot, or index among the texts
    };
    std::vector<Slot> fieldSlots;
    std::uint32_t nullOffset = HeaderSize;
    std::uint32_t lengthsOffset = 0;
    std::uint32_t textsOffset = 0;
    std::uint32_t textCount = 0;

    bool isNull(const char* rec, int f) const
    {
        return (static_cast<unsigned char>(rec[nullOffset + f / 8]) >> (f % 8)) & 1;
    }
    std::int64_t getInt(const char* rec, int f) const
    {
        const Slot& s = fieldSlots[f];
        switch (s.kind) {
        case Kind::I32: {
            std::int32_t v;
            std::memcpy(&v, rec + s.offset, 4);
            return v;
        }
        case Kind::I64: {
            std::int64_t v;
            std::memcpy(&v, rec + s.offset, 8);
            return v;
        }
        case Kind::Bool:
            return rec[s.offset] != 0;
        default:
            return 0;
        }
    }
    double getDouble(const char* rec, int f) const
    {
        double v;
        std::memcpy(&v, rec + fieldSlots[f].offset, 8);
        return v;
    }
    std::string_view getBytes(const char* rec, int f) const
    {
        const std::uint32_t k = fieldSlots[f].offset;
        std::uint32_t start = textsOffset;
        for (std::uint32_t j = 0; j < k; ++j)
            start += readU32(rec + lengthsOffset + 4 * j);
        return std::string_view(rec + start, readU32(rec + lengthsOffset + 4 * k));
    }
};

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

bool TMemFieldList::sameFields(const TMemFieldList& other) const
{
    if (items.size() != other.items.size())
        return false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].field != other.items[i].field)
            return false;
    }
    return true;
}

TMemIndex* TMemIndexes::find(const QString& name) const
{
    for (const auto& index : list) {
        if (index->Name.compare(name, Qt::CaseInsensitive) == 0)
            return index.get();
    }
    return nullptr;
}

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

int TMemTable::compareKeys(const char* key, const char* rec, const TMemFieldList& fields,
                           bool* partial) const
{
    const Layout& L = *m_layout;
    for (const TMemFieldListItem& item : fields.items) {
        const int f = item.field;
        const bool nk = L.isNull(key, f);
        const bool nr = L.isNull(rec, f);
        int c = 0;
        bool cut = false;
        if (nk || nr) {
            c = (nk && nr) ? 0 : (nk ? -1 : 1);
        } else {
            switch (L.fieldSlots[f].kind) {
            case Layout::Kind::Double:
                c = compareDoubles(L.getDouble(key, f), L.getDouble(rec, f));
                break;
            case Layout::Kind::Bytes: {
                const std::string_view k = L.getBytes(key, f);
                std::string_view r = L.getBytes(rec, f);
                if (item.options.contains(mtcoPartialKey) && r.size() != k.size()) {
                    cut = true;
                    if (r.size() > k.size())
                        r = r.substr(0, k.size());
                }
                const bool ci = item.options.contains(mtcoCaseInsensitive);
                c = item.options.contains(mtcoIgnoreLocale) ? compareBytes(k, r, ci)
                                                            : collation::compare(k, r, ci);
                break;
            }
            default:
                c = compareValues(L.getInt(key, f), L.getInt(rec, f));
                break;
            }
        }
        if (item.options.contains(mtcoDescending))
            c = -c;
        if (c != 0)
            return c;
        if (cut) {
            if (partial)
                *partial = true;
            return 0;
        }
    }
    return 0;
}

TMemFieldList TMemTable::parseFieldList(const QString& fields,
                                        TMemTableCompareOptions options) const
{
    TMemFieldList list;
    const QStringList names = fields.split(u';');
    for (const QString& raw : names) {
        const QString name = raw.trimmed();
        if (name.isEmpty())
            continue;
        int found = -1;
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (m_fields[i]->FieldName().compare(name, Qt::CaseInsensitive) == 0) {
                found = int(i);
                break;
            }
        }
        if (found < 0)
            throw EMemTableError(QStringLiteral("%1: Field '%2' not found").arg(m_name, name));
        if (isBlobType(m_fields[found]->DataType()))
            throw EMemTableError(QStringLiteral("Can't index on field %1").arg(name));
        list.items.push_back({found, options});
    }
    return list;
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

void TMemTable::dropAllIndexesButRowOrder()
{
    auto& list = m_indexes.list;
    list.erase(
        std::remove_if(list.begin(), list.end(), [](const auto& i) { return !i->IsRowOrder; }),
        list.end());
    if (m_current && !m_current->IsRowOrder)
        m_current = m_rowOrder;
}

void TMemTable::createIndexesFromDefs()
{
    // Every definition is checked before anything changes.
    std::vector<std::unique_ptr<TMemIndex>> built;
    for (const TIndexDef& def : m_indexDefs) {
        auto index = std::make_unique<TMemIndex>();
        index->Name = def.Name;
        index->Options = indexOptionsToCompare(def.Options);
        index->Fields = parseFieldList(def.Fields, index->Options);
        built.push_back(std::move(index));
    }
    auto& list = m_indexes.list;
    list.erase(
        std::remove_if(list.begin(), list.end(),
                       [](const auto& i) { return !i->IsRowOrder && i->Name != SortIndexName; }),
        list.end());
    // Row order first, then the defined indexes, then the sort index.
    auto at = std::find_if(list.begin(), list.end(),
                           [](const auto& i) { return i->Name == SortIndexName; });
    for (auto& index : built) {
        index->ids = m_rowOrder->ids;
        fullBuild(*index);
        at = list.insert(at, std::move(index)) + 1;
    }
}

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

std::size_t TMemTable::insertPosition(const TMemIndex& index, const char* data) const
{
    // The first record whose key is not less than the new one.
    const auto& ids = index.ids;
    std::size_t lo = 0, hi = ids.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (compareKeys(data, m_common.records[ids[mid]], index.Fields) > 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

std::size_t TMemTable::findPosition(const TMemIndex& index, std::uint32_t id) const
{
    const auto& ids = index.ids;
    if (!index.IsRowOrder && index.Valid && !m_maintenanceSuspended) {
        const char* data = m_common.records[id];
        for (std::size_t p = insertPosition(index, data); p < ids.size(); ++p) {
            if (ids[p] == id)
                return p;
            if (compareKeys(data, m_common.records[ids[p]], index.Fields) != 0)
                break;
        }
    }
    return std::size_t(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

void TMemTable::checkUnique(const char* data, int selfId) const
{
    for (const auto& index : m_indexes.list) {
        if (index->IsRowOrder || !index->Options.contains(mtcoUnique))
            continue;
        for (std::size_t p = insertPosition(*index, data); p < index->ids.size(); ++p) {
            const std::uint32_t other = index->ids[p];
            if (compareKeys(data, m_common.records[other], index->Fields) != 0)
                break;
            if (int(other) != selfId)
                throw EMemTableError(QStringLiteral("Duplicate index value. Operation aborted."));
        }
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

bool TMemTable::Locate(const QString& fields, const TVariant& values, TLocateOptions options)
{
    checkActive();
    checkBrowseMode();

    TMemTableCompareOptions compare;
    if (options.contains(loCaseInsensitive))
        compare << mtcoCaseInsensitive;
    if (options.contains(loPartialKey))
        compare << mtcoPartialKey;
    const TMemFieldList search = parseFieldList(fields, compare);

    std::vector<TVariant> single;
    const std::vector<TVariant>* items = &single;
    if (values.isArray()) {
        if (values.dimensions() != 1)
            throw EMemTableError(
                QStringLiteral("Values variant array has invalid dimension count"));
        items = &values.items();
    } else {
        single.push_back(values);
    }
    if (items->size() < search.items.size())
        throw EMemTableError(QStringLiteral("More fields than values"));

    TRecordBuffer key(m_fields.size());
    for (std::size_t i = 0; i < search.items.size(); ++i) {
        const TVariant& v = (*items)[i];
        const TField& field = *m_fields[search.items[i].field];
        TFieldValue& kv = key[search.items[i].field];
        switch (v.kind()) {
        case TVariant::Kind::Unassigned:
        case TVariant::Kind::Null:
            kv = TFieldValue();
            break;
        case TVariant::Kind::String: {
            QByteArray text = cp1252::fromUnicode(v.toStringValue());
            if (storageOf(field.DataType()) == TStorage::Bytes) {
                const qsizetype zero = text.indexOf('\0');
                if (zero >= 0)
                    text.truncate(zero);
                // One byte more than the field holds, so a longer text never matches.
                if (field.DataType() == ftString && text.size() > field.Size() + 1)
                    text.truncate(field.Size() + 1);
                kv.null = false;
                kv.s.assign(text.constData(), std::size_t(text.size()));
            } else {
                field.convertText(text, kv);
            }
            break;
        }
        case TVariant::Kind::DateTime:
        case TVariant::Kind::Float:
            field.convertDateTime(v.toFloat(), kv);
            if (field.DataType() == ftFloat || field.DataType() == ftDateTime)
                kv.d = v.toFloat();
            break;
        case TVariant::Kind::Boolean:
        case TVariant::Kind::Integer:
            if (storageOf(field.DataType()) == TStorage::Bytes) {
                field.convertText(v.kind() == TVariant::Kind::Boolean
                                      ? QByteArray(v.toBool() ? "True" : "False")
                                      : QByteArray::number(qlonglong(v.toInt())),
                                  kv);
            } else if (storageOf(field.DataType()) == TStorage::Double) {
                kv.null = false;
                kv.d = double(v.toInt());
            } else {
                kv.null = false;
                const bool money = field.DataType() == ftCurrency || field.DataType() == ftBCD;
                kv.i = money ? v.toInt() * 10000 : v.toInt();
                if (field.DataType() == ftBoolean)
                    kv.i = kv.i != 0;
            }
            break;
        case TVariant::Kind::Array:
            throw EMemTableError(
                QStringLiteral("Values variant array has invalid dimension count"));
        }
    }

    std::lock_guard guard(m_common.lock);
    char* keyData = packRecord(key, 0);
    const auto& ids = m_current->ids;
    std::ptrdiff_t found = -1;

    bool binary = !m_current->IsRowOrder && m_current->Valid && ids.size() > 20;
    if (binary && !m_current->Fields.sameFields(search)) {
        // A leading part of the index's fields with the same comparison gives the same first
        // match as a scan, so it may be searched the same way.
        const auto& idx = m_current->Fields.items;
        binary = search.items.size() < idx.size();
        for (std::size_t i = 0; binary && i < search.items.size(); ++i) {
            TMemTableCompareOptions indexOptions = idx[i].options;
            indexOptions.remove(mtcoUnique);
            binary =
                idx[i].field == search.items[i].field && indexOptions == search.items[i].options;
        }
    }
    if (binary) {
        std::size_t lo = 0, hi = ids.size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (compareKeys(keyData, m_common.records[ids[mid]], search) > 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo < ids.size() && compareKeys(keyData, m_common.records[ids[lo]], search) == 0)
            found = std::ptrdiff_t(lo);
    } else {
        for (std::size_t p = 0; p < ids.size(); ++p) {
            if (compareKeys(keyData, m_common.records[ids[p]], search) == 0) {
                found = std::ptrdiff_t(p);
                break;
            }
        }
    }
    std::free(keyData);
    if (found < 0)
        return false;
    m_pos = int(found);
    m_eof = false;
    return true;
}

void TMemTable::fullBuild(TMemIndex& index)
{
    const auto& recs = m_common.records;
    const auto less = [&](std::uint32_t a, std::uint32_t b) {
        const char* ra = recs[a];
        const char* rb = recs[b];
        const int c = compareKeys(ra, rb, index.Fields);
        if (c != 0)
            return c < 0;
        // Equal keys: records unchanged since the load first, in id order; then the ones
        // added or changed since, in the order they were posted.
        const std::uint32_t sa = readU32(ra) & SequenceMask;
        const std::uint32_t sb = readU32(rb) & SequenceMask;
        if ((sa == 0) != (sb == 0))
            return sa == 0;
        if (sa != sb)
            return sa < sb;
        return a < b;
    };
    // Files are saved in their sort order, so after a load the records usually stand in it
    // already; one pass finds that out.
    if (!std::is_sorted(index.ids.begin(), index.ids.end(), less))
        std::sort(index.ids.begin(), index.ids.end(), less);
    index.Valid = true;
}

void TMemTable::SortOn(const QString& fields, TMemTableCompareOptions options)
{
    if (!Active())
        return;
    checkBrowseMode();
    const TMemFieldList list = parseFieldList(fields, options);
    const bool none = list.items.empty();

    std::lock_guard guard(m_common.lock);
    const int currentId = CurrentRecordId();
    auto& indexes = m_indexes.list;
    indexes.erase(std::remove_if(indexes.begin(), indexes.end(),
                                 [](const auto& i) { return i->Name == SortIndexName; }),
                  indexes.end());
    m_current = m_rowOrder;
    if (!none) {
        auto index = std::make_unique<TMemIndex>();
        index->Name = SortIndexName;
        index->Fields = list;
        index->Options = options;
        index->ids = m_rowOrder->ids;
        fullBuild(*index);
        m_current = index.get();
        indexes.push_back(std::move(index));
    }
    const auto& ids = m_current->ids;
    const auto it =
        currentId < 0 ? ids.end() : std::find(ids.begin(), ids.end(), std::uint32_t(currentId));
    if (it != ids.end()) {
        m_pos = int(it - ids.begin());
        m_eof = false;
    } else {
        m_pos = ids.empty() ? -1 : 0;
        m_eof = ids.empty();
    }
}

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
