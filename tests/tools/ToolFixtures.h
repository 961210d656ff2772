#pragma once

#include "Memtable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

struct ToolResult
{
    bool finished = false; // ran to its end without crashing or hanging
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built tarvo-table with the arguments and waits for it.
ToolResult runTarvoTable(const QStringList& args);

// Fixture tables, open and filled; records are deliberately not in key order.

// The appointments schema with four appointments: one with nulls and a tab, quote, backslash
// and line break in its text; one with "è" and "€" and every field set; one with empty texts
// and a control character; one with nothing but a comment.
std::unique_ptr<TMemTable> agendaTable();
// The contacts schema with its unique index on Denominazione: "Zeta", "BETA", "alfa", "beta".
std::unique_ptr<TMemTable> contactsTable();
// Types the organiser does not use itself: currency, float, date-time, small integer, memo.
std::unique_ptr<TMemTable> otherTypesTable();

// Writes the table as the organiser's data module does, to a file or to bytes.
void saveTable(TMemTable& table, const QString& path);
QByteArray tableFileBytes(TMemTable& table);
