#pragma once

#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"
#include "Memtable.h"

#include <QObject>

// A table as seen by viewers (grids, reports): the data source of a data-aware control.
struct TDataSource
{
    QString Name;
    TMemTable* DataSet = nullptr;
};

// The data module: every table of the organiser and the two format objects, created first
// and living until the program ends. Windows work directly on these shared tables.
class TDC : public QObject
{
    Q_OBJECT
public:
    explicit TDC(QObject* parent = nullptr);
    ~TDC() override;

    // The appointments, kept whole in memory from the first showing of the main window.
    TMemTable TabellaAgenda{QStringLiteral("TabellaAgenda")};
    // Scratch table for moving every appointment of one day.
    TMemTable TabellaSpostaAppuntamenti{QStringLiteral("TabellaSpostaAppuntamenti")};
    // The appointments of the day being printed.
    TMemTable TabellaAgendaAusiliaria{QStringLiteral("TabellaAgendaAusiliaria")};
    // One note category at a time.
    TMemTable TabellaAppunti{QStringLiteral("TabellaAppunti")};
    // Scratch table of the notes editor; closed until it is needed.
    TMemTable TabellaAppuntiAusiliaria{QStringLiteral("TabellaAppuntiAusiliaria")};
    // One address book at a time.
    TMemTable TabellaRubrica{QStringLiteral("TabellaRubrica")};

    TBinaryStreamFormat SaveFormat;
    TCSVStreamFormat SaveFormatCSV;

    TDataSource SourceAgendaAusiliaria{QStringLiteral("SourceAgendaAusiliaria"),
                                       &TabellaAgendaAusiliaria};
    TDataSource SourceAppunti{QStringLiteral("SourceAppunti"), &TabellaAppunti};
    TDataSource SourceRubrica{QStringLiteral("SourceRubrica"), &TabellaRubrica};
};
