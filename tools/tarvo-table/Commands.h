#pragma once

#include <QString>

// The commands of tarvo-table. Each raises the record store's errors (EStoreError) unchanged;
// none writes anything before the table file has been read whole.

struct DumpRequest
{
    QString file;
    bool sort = false;
    QString sortFields; // names separated by ";"
    bool caseInsensitive = false;
};

// Prints the table as JSON on standard output; false when the output could not be written.
bool dumpTable(const DumpRequest& request);
// Reads the table file and writes the same table to another file in the table file format.
void resaveTable(const QString& in, const QString& out);
// Reads the table file and writes it as the organiser's CSV export.
void exportCsv(const QString& in, const QString& out);
