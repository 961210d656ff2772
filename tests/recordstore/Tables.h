#pragma once

#include "DateTime.h"
#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"
#include "Memtable.h"

#include <QStringList>
#include <memory>

// The organiser's tables, open and empty, with the fields, indexes and sort options that the
// data module gives them.
std::unique_ptr<TMemTable> makeAgendaTable(const QString& name = QStringLiteral("TabellaAgenda"));
std::unique_ptr<TMemTable> makeNotesTable(const QString& name = QStringLiteral("TabellaAppunti"));
std::unique_ptr<TMemTable> makeContactsTable();
// Data, Commento, Priorita: the table of the worked example of the table file.
std::unique_ptr<TMemTable> makeExampleTable();

// The two format objects of the data module, with its settings.
std::unique_ptr<TBinaryStreamFormat> makeSaveFormat();
std::unique_ptr<TCSVStreamFormat> makeCsvFormat();

inline TDateTime day(int year, int month, int dayOfMonth)
{
    return datetime::encodeDate(year, month, dayOfMonth);
}
inline TDateTime hm(int hour, int minute)
{
    return datetime::encodeTime(hour, minute);
}

// Append, assign, Post. Fields not named stay null.
void addAppointment(TMemTable& table, TDateTime giorno, TDateTime ora, const QString& commento);
void addNote(TMemTable& table, TDateTime data, const QString& commento);
void addContact(TMemTable& table, const QString& denominazione, const QString& cognome = {},
                const QString& nome = {});

// Walks the table from the first record with Next until Eof, collecting one field as text.
QStringList columnText(TMemTable& table, const QString& field);
// The same walk collecting record ids.
std::vector<int> recordIds(TMemTable& table);
