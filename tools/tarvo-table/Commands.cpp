#include "Commands.h"

#include "JsonDump.h"
#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"
#include "Memtable.h"

#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace {

// A fresh, closed table filled from the file: the file brings its own fields and indexes.
// The table is named after the file, so that errors name it as the user knows it.
std::unique_ptr<TMemTable> loadTable(const QString& path)
{
    auto table = std::make_unique<TMemTable>(QFileInfo(path).completeBaseName());
    TBinaryStreamFormat format;
    table->LoadFromFileViaFormat(path, &format);
    return table;
}

} // namespace

bool dumpTable(const DumpRequest& request)
{
    const auto table = loadTable(request.file);
    if (request.sort) {
        TMemTableCompareOptions options;
        if (request.caseInsensitive)
            options << mtcoCaseInsensitive;
        table->SortOn(request.sortFields, options);
    }
    return writeTableJson(*table, stdout);
}

void resaveTable(const QString& in, const QString& out)
{
    const auto table = loadTable(in);
    TBinaryStreamFormat format;
    table->SaveToFileViaFormat(out, &format);
}

void exportCsv(const QString& in, const QString& out)
{
    const auto table = loadTable(in);
    TCSVStreamFormat format;
    table->SaveToFileViaFormat(out, &format);
}
