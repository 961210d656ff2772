#include "Datamodule.h"
#include "QtPrinters.h"
#include "StoreErrors.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Campo
{
    const char* name;
    TFieldType type;
    int size;
};

const std::vector<Campo> CampiAgenda = {
    {"Giorno", ftDate, 0},           {"Ora", ftTime, 0},           {"Commento", ftString, 256},
    {"Descrizione", ftString, 1024}, {"Importanza", ftInteger, 0}, {"Preavviso", ftString, 5},
    {"InviaMail", ftBoolean, 0},     {"Mail", ftString, 32}};

const std::vector<Campo> CampiAppunti = {{"Data", ftDate, 0},
                                         {"Commento", ftString, 256},
                                         {"Descrizione", ftString, 1024},
                                         {"Priorita", ftInteger, 0}};

const std::vector<Campo> CampiRubrica = {{"Denominazione", ftString, 64},
                                         {"Cognome", ftString, 32},
                                         {"Nome", ftString, 32},
                                         {"CodiceFiscale", ftString, 16},
                                         {"PartitaIVA", ftString, 16},
                                         {"Indirizzo", ftString, 32},
                                         {"Citta", ftString, 32},
                                         {"Provincia", ftString, 2},
                                         {"CAP", ftString, 5},
                                         {"Nazione", ftString, 16},
                                         {"Cellulare1", ftString, 16},
                                         {"Cellulare2", ftString, 16},
                                         {"TelefonoCasa", ftString, 16},
                                         {"TelefonoUfficio", ftString, 16},
                                         {"Fax", ftString, 16},
                                         {"Mail1", ftString, 32},
                                         {"Mail2", ftString, 32},
                                         {"Grado", ftInteger, 0},
                                         {"Note", ftString, 2048}};

struct Schema
{
    const char* table;
    TMemTable TDC::*member;
    bool active;
    std::vector<Campo> fields;
};

// Failure messages name the table.
void PrintTo(const Schema& s, std::ostream* os)
{
    *os << s.table;
}

const std::vector<Schema> Schemi = {
    {"TabellaAgenda", &TDC::TabellaAgenda, true, CampiAgenda},
    {"TabellaSpostaAppuntamenti", &TDC::TabellaSpostaAppuntamenti, true, CampiAgenda},
    {"TabellaAgendaAusiliaria",
     &TDC::TabellaAgendaAusiliaria,
     true,
     {{"Ora", ftTime, 0}, {"Commento", ftString, 256}, {"Descrizione", ftString, 2048}}},
    {"TabellaAppunti", &TDC::TabellaAppunti, true, CampiAppunti},
    {"TabellaAppuntiAusiliaria", &TDC::TabellaAppuntiAusiliaria, false, CampiAppunti},
    {"TabellaRubrica", &TDC::TabellaRubrica, true, CampiRubrica},
};

std::vector<std::pair<QString, TSaveLoadFlag>> flags(const TStreamFormatSettings& s)
{
    return {{"UsingIndex", s.sfUsingIndex},
            {"Data", s.sfData},
            {"Calculated", s.sfCalculated},
            {"Lookup", s.sfLookup},
            {"NonVisible", s.sfNonVisible},
            {"Blobs", s.sfBlobs},
            {"Def", s.sfDef},
            {"IndexDef", s.sfIndexDef},
            {"Filtered", s.sfFiltered},
            {"IgnoreRange", s.sfIgnoreRange},
            {"IgnoreMasterDetail", s.sfIgnoreMasterDetail},
            {"Deltas", s.sfDeltas},
            {"DontFilterDeltas", s.sfDontFilterDeltas},
            {"Append", s.sfAppend},
            {"FieldKind", s.sfFieldKind},
            {"FromStart", s.sfFromStart},
            {"LocalFormat", s.sfLocalFormat},
            {"QuoteOnlyStrings", s.sfQuoteOnlyStrings},
            {"NoHeader", s.sfNoHeader},
            {"PlaceHolders", s.sfPlaceHolders}};
}

// "Data:SL IgnoreRange:S ..." for the flags that are set.
QString flagText(const TStreamFormatSettings& s)
{
    QStringList parts;
    for (const auto& [name, flag] : flags(s)) {
        if (flag.Save || flag.Load)
            parts << name + ':' + (flag.Save ? "S" : "") + (flag.Load ? "L" : "");
    }
    return parts.join(' ');
}

} // namespace

class TableSchemaTest : public ::testing::TestWithParam<Schema>
{
};

TEST_P(TableSchemaTest, HasItsFieldsTypesSizesAndState)
{
    TDC dc;
    const Schema& schema = GetParam();
    const TMemTable& table = dc.*schema.member;
    EXPECT_EQ(table.Name(), schema.table);
    EXPECT_EQ(table.Active(), schema.active);
    ASSERT_EQ(table.FieldDefs().size(), schema.fields.size());
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
        const TFieldDef& def = table.FieldDefs()[i];
        EXPECT_EQ(def.Name, schema.fields[i].name) << i;
        EXPECT_EQ(def.DataType, schema.fields[i].type) << def.Name.toStdString();
        EXPECT_EQ(def.Size, schema.fields[i].size) << def.Name.toStdString();
        EXPECT_FALSE(def.Required) << def.Name.toStdString();
    }
    if (schema.active) {
        EXPECT_EQ(table.FieldCount(), int(schema.fields.size()));
        EXPECT_EQ(table.RecordCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(DataModule, TableSchemaTest, ::testing::ValuesIn(Schemi),
                         [](const auto& info) { return std::string(info.param.table); });

TEST(DataModuleTest, OnlyTheContactsTableHasAnIndexAndSortOptions)
{
    TDC dc;
    for (const Schema& schema : Schemi) {
        const TMemTable& table = dc.*schema.member;
        if (schema.member == &TDC::TabellaRubrica)
            continue;
        EXPECT_TRUE(table.IndexDefs().empty()) << schema.table;
        EXPECT_TRUE(table.SortOptions().empty()) << schema.table;
    }
    const TMemTable& rubrica = dc.TabellaRubrica;
    ASSERT_EQ(rubrica.IndexDefs().size(), 1u);
    EXPECT_EQ(rubrica.IndexDefs()[0].Name, "TabellaRubricaIndexDenominazione");
    EXPECT_EQ(rubrica.IndexDefs()[0].Fields, "Denominazione");
    EXPECT_TRUE(rubrica.IndexDefs()[0].Options == (TIndexOptions{ixPrimary, ixUnique}));
    EXPECT_TRUE(rubrica.SortOptions() == TMemTableCompareOptions{mtcoCaseInsensitive});
}

TEST(DataModuleTest, ContactsTableRefusesASecondContactOfTheSameName)
{
    TDC dc;
    TMemTable& rubrica = dc.TabellaRubrica;
    rubrica.Append();
    rubrica.FieldByName("Denominazione").SetAsString("Rossi Mario");
    rubrica.Post();
    rubrica.Append();
    rubrica.FieldByName("Denominazione").SetAsString("Rossi Mario");
    EXPECT_THROW(rubrica.Post(), EMemTableError);
    rubrica.Cancel();
    EXPECT_EQ(rubrica.RecordCount(), 1);
}

TEST(DataModuleTest, SaveFormatHasTheDataFilesSettings)
{
    TDC dc;
    EXPECT_EQ(flagText(dc.SaveFormat.Settings),
              "UsingIndex:S Data:SL NonVisible:SL Blobs:SL Def:SL IndexDef:SL Filtered:S "
              "IgnoreRange:S IgnoreMasterDetail:S FieldKind:S FromStart:L");
    EXPECT_EQ(dc.SaveFormat.BufferSize(), 16384);
}

TEST(DataModuleTest, CsvFormatHasTheExportSettings)
{
    TDC dc;
    EXPECT_EQ(flagText(dc.SaveFormatCSV.Settings),
              "Data:SL NonVisible:SL IgnoreRange:S IgnoreMasterDetail:S FromStart:L");
    EXPECT_EQ(dc.SaveFormatCSV.CSVQuote, u'"');
    EXPECT_EQ(dc.SaveFormatCSV.CSVFieldDelimiter, u',');
    EXPECT_EQ(dc.SaveFormatCSV.CSVRecordDelimiter, u',');
    EXPECT_EQ(dc.SaveFormatCSV.CSVTrueString, "True");
    EXPECT_EQ(dc.SaveFormatCSV.CSVFalseString, "False");
}

TEST(DataModuleTest, DataSourcesBindTheirTables)
{
    TDC dc;
    EXPECT_EQ(dc.SourceAgendaAusiliaria.DataSet, &dc.TabellaAgendaAusiliaria);
    EXPECT_EQ(dc.SourceAppunti.DataSet, &dc.TabellaAppunti);
    EXPECT_EQ(dc.SourceRubrica.DataSet, &dc.TabellaRubrica);
    EXPECT_EQ(dc.SourceRubrica.Name, "SourceRubrica");
}
