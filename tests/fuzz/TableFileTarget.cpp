#include "TableFileTarget.h"

#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"
#include "Memtable.h"

#include <QBuffer>
#include <cstring>

namespace {

QByteArray saveToBytes(TMemTable& table)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TBinaryStreamFormat format;
    table.SaveToStreamViaFormat(buffer, &format);
    return bytes;
}

void loadFromBytes(TMemTable& table, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TBinaryStreamFormat format;
    table.LoadFromStreamViaFormat(buffer, &format);
}

// Reads every value of every record as the organiser's lists do; the walk must meet exactly
// RecordCount records.
void walk(TMemTable& table)
{
    if (!table.Active())
        return;
    const int count = table.RecordCount();
    int seen = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        if (++seen > count)
            throw FuzzFinding("the walk goes past RecordCount");
        for (int f = 0; f < table.FieldCount(); ++f) {
            TField& field = table.Fields(f);
            if (!field.IsNull())
                (void)field.AsString();
        }
    }
    if (seen != count)
        throw FuzzFinding("the walk ends before RecordCount");
}

// Sorts on the first field that can be compared, as every load in the organiser is followed by a
// sort, and walks the new order.
void sortAndWalk(TMemTable& table)
{
    if (!table.Active())
        return;
    for (int f = 0; f < table.FieldCount(); ++f) {
        if (isBlobType(table.Fields(f).DataType()))
            continue;
        table.SortOn(table.Fields(f).FieldName(), table.SortOptions());
        walk(table);
        return;
    }
}

QString where(const TMemTable& table, std::size_t record, int field)
{
    return QStringLiteral(" (record %1, field %2)")
        .arg(record)
        .arg(table.Fields(field).FieldName());
}

[[noreturn]] void finding(const QString& text)
{
    throw FuzzFinding(text.toStdString());
}

// A date-time of 0 is written as the number 0, which the reader takes for null: the one change
// a value may undergo on its way through a file.
bool isZeroMoment(const TMemTable& table, std::uint32_t id, int field)
{
    switch (table.Fields(field).DataType()) {
    case ftDate:
    case ftTime:
    case ftDateTime:
        return storageOf(table.Fields(field).DataType()) == TStorage::Double
                   ? table.valueDouble(id, field) == 0
                   : table.valueInt(id, field) == 0;
    default:
        return false;
    }
}

bool sameValue(const TMemTable& a, std::uint32_t idA, const TMemTable& b, std::uint32_t idB,
               int field)
{
    switch (storageOf(a.Fields(field).DataType())) {
    case TStorage::Bytes:
        return a.valueBytes(idA, field) == b.valueBytes(idB, field);
    case TStorage::Int:
    case TStorage::Bool:
        return a.valueInt(idA, field) == b.valueInt(idB, field);
    case TStorage::Double: {
        const double x = a.valueDouble(idA, field), y = b.valueDouble(idB, field);
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    }
    return false;
}

void compareTables(const TMemTable& a, const TMemTable& b)
{
    if (a.FieldCount() != b.FieldCount())
        finding(QStringLiteral("the file written by the table has other fields"));
    for (int f = 0; f < a.FieldCount(); ++f) {
        const TField &x = a.Fields(f), &y = b.Fields(f);
        if (x.FieldName() != y.FieldName() || x.DataType() != y.DataType() || x.Size() != y.Size())
            finding(QStringLiteral("field %1 reads back otherwise").arg(x.FieldName()));
    }
    if (a.IndexDefs().size() != b.IndexDefs().size())
        finding(QStringLiteral("the file written by the table has other indexes"));
    for (std::size_t i = 0; i < a.IndexDefs().size(); ++i) {
        const TIndexDef &x = a.IndexDefs()[i], &y = b.IndexDefs()[i];
        const auto kept = [](TIndexOptions o) { return o.remove(ixPrimary).bits(); };
        if (x.Name != y.Name || x.Fields != y.Fields || kept(x.Options) != kept(y.Options))
            finding(QStringLiteral("index %1 reads back otherwise").arg(x.Name));
    }
    const std::size_t count = a.orderedCount(false);
    if (b.orderedCount(false) != count)
        finding(QStringLiteral("the file written by the table has %1 records instead of %2")
                    .arg(b.orderedCount(false))
                    .arg(count));
    for (std::size_t r = 0; r < count; ++r) {
        const std::uint32_t idA = a.orderedId(r, false), idB = b.orderedId(r, false);
        for (int f = 0; f < a.FieldCount(); ++f) {
            const bool nullA = a.valueIsNull(idA, f), nullB = b.valueIsNull(idB, f);
            if (nullA != nullB) {
                if (!nullA && isZeroMoment(a, idA, f))
                    continue;
                finding(QStringLiteral("a null flag changes through the file") + where(a, r, f));
            }
            if (!nullA && !sameValue(a, idA, b, idB, f))
                finding(QStringLiteral("a value changes through the file") + where(a, r, f));
        }
    }
}

// A table that loaded is written out and read back: it must come back the same.
void checkRoundTrip(TMemTable& table)
{
    const QByteArray bytes = saveToBytes(table);
    TMemTable again(table.Name());
    try {
        loadFromBytes(again, bytes);
    } catch (const EStoreError& e) {
        throw FuzzFinding("a file written by the table does not load: " + std::string(e.what()));
    }
    compareTables(table, again);
}

} // namespace

CheckOutcome checkTableFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TMemTable table(QStringLiteral("Fuzz"));
    CheckOutcome outcome;
    try {
        loadFromBytes(table, bytes);
        outcome.loaded = true;
    } catch (const EStoreError& e) {
        outcome.refusal = e.what();
    }
    // Whether the load succeeded or not, the table must be usable afterwards.
    try {
        walk(table);
        if (outcome.loaded && table.Active())
            checkRoundTrip(table);
        sortAndWalk(table);
        if (table.Active())
            (void)saveToBytes(table);
    } catch (const EStoreError&) {
        // Refusals after a load (a field that cannot be compared, say) are answers too.
    }
    return outcome;
}
