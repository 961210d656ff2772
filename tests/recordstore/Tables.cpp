#include "Tables.h"

std::unique_ptr<TMemTable> makeAgendaTable(const QString& name)
{
    auto table = std::make_unique<TMemTable>(name);
    table->AddFieldDef("Giorno", ftDate);
    table->AddFieldDef("Ora", ftTime);
    table->AddFieldDef("Commento", ftString, 256);
    table->AddFieldDef("Descrizione", ftString, 1024);
    table->AddFieldDef("Importanza", ftInteger);
    table->AddFieldDef("Preavviso", ftString, 5);
    table->AddFieldDef("InviaMail", ftBoolean);
    table->AddFieldDef("Mail", ftString, 32);
    table->Open();
    return table;
}

std::unique_ptr<TMemTable> makeNotesTable(const QString& name)
{
    auto table = std::make_unique<TMemTable>(name);
    table->AddFieldDef("Data", ftDate);
    table->AddFieldDef("Commento", ftString, 256);
    table->AddFieldDef("Descrizione", ftString, 1024);
    table->AddFieldDef("Priorita", ftInteger);
    table->Open();
    return table;
}

std::unique_ptr<TMemTable> makeContactsTable()
{
    auto table = std::make_unique<TMemTable>("TabellaRubrica");
    const struct
    {
        const char* name;
        int size;
    } strings[] = {{"Denominazione", 64},
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
    for (const auto& s : strings)
        table->AddFieldDef(s.name, ftString, s.size);
    table->AddFieldDef("Grado", ftInteger);
    table->AddFieldDef("Note", ftString, 2048);
    table->IndexDefs().push_back(
        {"TabellaRubricaIndexDenominazione", "Denominazione", TIndexOptions{ixPrimary, ixUnique}});
    table->SetSortOptions({mtcoCaseInsensitive});
    table->Open();
    return table;
}

std::unique_ptr<TMemTable> makeExampleTable()
{
    auto table = std::make_unique<TMemTable>("TabellaAppunti");
    table->AddFieldDef("Data", ftDate);
    table->AddFieldDef("Commento", ftString, 256);
    table->AddFieldDef("Priorita", ftInteger);
    table->Open();
    return table;
}

std::unique_ptr<TBinaryStreamFormat> makeSaveFormat()
{
    auto format = std::make_unique<TBinaryStreamFormat>();
    TStreamFormatSettings s;
    s.sfUsingIndex = {true, false};
    s.sfData = {true, true};
    s.sfNonVisible = {true, true};
    s.sfBlobs = {true, true};
    s.sfDef = {true, true};
    s.sfIndexDef = {true, true};
    s.sfFiltered = {true, false};
    s.sfIgnoreRange = {true, false};
    s.sfIgnoreMasterDetail = {true, false};
    s.sfFieldKind = {true, false};
    s.sfFromStart = {false, true};
    format->Settings = s;
    format->SetBufferSize(16384);
    return format;
}

std::unique_ptr<TCSVStreamFormat> makeCsvFormat()
{
    auto format = std::make_unique<TCSVStreamFormat>();
    TStreamFormatSettings s;
    s.sfData = {true, true};
    s.sfNonVisible = {true, true};
    s.sfIgnoreRange = {true, false};
    s.sfIgnoreMasterDetail = {true, false};
    s.sfFromStart = {false, true};
    format->Settings = s;
    format->CSVQuote = u'"';
    format->CSVFieldDelimiter = u',';
    format->CSVRecordDelimiter = u',';
    format->CSVTrueString = QStringLiteral("True");
    format->CSVFalseString = QStringLiteral("False");
    return format;
}

void addAppointment(TMemTable& table, TDateTime giorno, TDateTime ora, const QString& commento)
{
    table.Append();
    table.FieldByName("Giorno").SetAsDateTime(giorno);
    table.FieldByName("Ora").SetAsDateTime(ora);
    table.FieldByName("Commento").SetAsString(commento);
    table.Post();
}

void addNote(TMemTable& table, TDateTime data, const QString& commento)
{
    table.Append();
    table.FieldByName("Data").SetAsDateTime(data);
    table.FieldByName("Commento").SetAsString(commento);
    table.Post();
}

void addContact(TMemTable& table, const QString& denominazione, const QString& cognome,
                const QString& nome)
{
    table.Append();
    table.FieldByName("Denominazione").SetAsString(denominazione);
    if (!cognome.isEmpty())
        table.FieldByName("Cognome").SetAsString(cognome);
    if (!nome.isEmpty())
        table.FieldByName("Nome").SetAsString(nome);
    table.Post();
}

QStringList columnText(TMemTable& table, const QString& field)
{
    QStringList out;
    for (table.First(); !table.Eof(); table.Next())
        out << table.FieldByName(field).AsString();
    return out;
}

std::vector<int> recordIds(TMemTable& table)
{
    std::vector<int> out;
    for (table.First(); !table.Eof(); table.Next())
        out.push_back(table.CurrentRecordId());
    return out;
}
