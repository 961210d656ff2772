#include "Datamodule.h"

namespace {

void addAppointmentFields(TMemTable& table)
{
    table.AddFieldDef(QStringLiteral("Giorno"), ftDate);
    table.AddFieldDef(QStringLiteral("Ora"), ftTime);
    table.AddFieldDef(QStringLiteral("Commento"), ftString, 256);
    table.AddFieldDef(QStringLiteral("Descrizione"), ftString, 1024);
    table.AddFieldDef(QStringLiteral("Importanza"), ftInteger);
    table.AddFieldDef(QStringLiteral("Preavviso"), ftString, 5);
    table.AddFieldDef(QStringLiteral("InviaMail"), ftBoolean);
    table.AddFieldDef(QStringLiteral("Mail"), ftString, 32);
}

void addNoteFields(TMemTable& table)
{
    table.AddFieldDef(QStringLiteral("Data"), ftDate);
    table.AddFieldDef(QStringLiteral("Commento"), ftString, 256);
    table.AddFieldDef(QStringLiteral("Descrizione"), ftString, 1024);
    table.AddFieldDef(QStringLiteral("Priorita"), ftInteger);
}

void addContactFields(TMemTable& table)
{
    const struct
    {
        const char* name;
        int size;
    } texts[] = {{"Denominazione", 64},
                 {"Cognome", 32},
                 {"Nome", 32},
                 {"CodiceFiscale", 16},
                 {"PartitaIVA", 16},
                 {"Indirizzo", 32},
                 {"Citta", 32},
                 {"Provincia", 2},
                 {"CAP", 5},
                 {"Nazione", 16},
                 {"Cellulare1", 16},
                 {"Cellulare2", 16},
                 {"TelefonoCasa", 16},
                 {"TelefonoUfficio", 16},
                 {"Fax", 16},
                 {"Mail1", 32},
                 {"Mail2", 32}};
    for (const auto& t : texts)
        table.AddFieldDef(QString::fromLatin1(t.name), ftString, t.size);
    table.AddFieldDef(QStringLiteral("Grado"), ftInteger);
    table.AddFieldDef(QStringLiteral("Note"), ftString, 2048);
}

} // namespace

TDC::TDC(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DC"));

    addAppointmentFields(TabellaAgenda);
    TabellaAgenda.Open();

    addAppointmentFields(TabellaSpostaAppuntamenti);
    TabellaSpostaAppuntamenti.Open();

    TabellaAgendaAusiliaria.AddFieldDef(QStringLiteral("Ora"), ftTime);
    TabellaAgendaAusiliaria.AddFieldDef(QStringLiteral("Commento"), ftString, 256);
    TabellaAgendaAusiliaria.AddFieldDef(QStringLiteral("Descrizione"), ftString, 2048);
    TabellaAgendaAusiliaria.Open();

    addNoteFields(TabellaAppunti);
    TabellaAppunti.Open();

    addNoteFields(TabellaAppuntiAusiliaria);

    addContactFields(TabellaRubrica);
    TabellaRubrica.IndexDefs().push_back({QStringLiteral("TabellaRubricaIndexDenominazione"),
                                          QStringLiteral("Denominazione"),
                                          TIndexOptions{ixPrimary, ixUnique}});
    TabellaRubrica.SetSortOptions({mtcoCaseInsensitive});
    TabellaRubrica.Open();
    // SaveFormat and SaveFormatCSV get the data files' and the exports' settings from their
    // own constructors.
}

TDC::~TDC() = default;
