#include "Memtable.h"

#include "Collation.h"
#include "Cp1252.h"
#include "MemtableRecords.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace memrecord;

// Comparing keys, the order of indexes, searching and sorting.

namespace {

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
