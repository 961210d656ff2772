#include "FileBytes.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "ToolFixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class DumpTest : public TempFolderTest
{
protected:
    // Saves the table, dumps it and parses the output. The file's path goes where the
    // arguments say "FILE", or first.
    QJsonObject dump(TMemTable& table, QStringList args = {})
    {
        const QString path = filePath(QStringLiteral("Agenda.dat"));
        saveTable(table, path);
        const qsizetype at = args.indexOf(QStringLiteral("FILE"));
        if (at >= 0)
            args[at] = path;
        else
            args.prepend(path);
        const ToolResult r = runTarvoTable(QStringList{QStringLiteral("dump")} + args);
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QByteArray());
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << error.errorString().toStdString() << " at " << error.offset;
        return doc.object();
    }
};

QJsonDocument json(const char* text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << "expected text: " << text;
    return doc;
}

TEST_F(DumpTest, AgendaShowsFieldsAndEveryValueInFileOrder)
{
    const auto table = agendaTable();
    const QJsonObject got = dump(*table);
    // 25/12/2004 is day 38346; times are milliseconds after midnight.
    const QJsonDocument expected = json(R"({
      "fields": [
        {"name": "Giorno", "type": "Date", "size": 0},
        {"name": "Ora", "type": "Time", "size": 0},
        {"name": "Commento", "type": "String", "size": 256},
        {"name": "Descrizione", "type": "String", "size": 1024},
        {"name": "Importanza", "type": "Integer", "size": 0},
        {"name": "Preavviso", "type": "String", "size": 5},
        {"name": "InviaMail", "type": "Boolean", "size": 0},
        {"name": "Mail", "type": "String", "size": 32}
      ],
      "indexes": [],
      "records": [
        [38347, 63930000, "Saldi in centro",
         "Sconto del 50% sul \"cappotto\"\r\nseconda riga\tfine \\ ok", 0, null, false, null],
        [38346, 34200000, "Natale", "Pranzo dalla nonna: \u00e8 tradizione, costa 20 \u20ac",
         2, "00.15", true, "mario.rossi@example.it"],
        [38346, 29100000, "", "a\u0001z", 1, "", false, ""],
        [null, null, "Senza data", null, null, null, null, null]
      ]
    })");
    EXPECT_EQ(QJsonDocument(got).toJson().toStdString(), expected.toJson().toStdString());
}

TEST_F(DumpTest, AccentsComeOutAsUtf8)
{
    const auto table = agendaTable();
    const QString path = filePath(QStringLiteral("Agenda.dat"));
    saveTable(*table, path);
    const ToolResult r = runTarvoTable({QStringLiteral("dump"), path});
    EXPECT_TRUE(r.out.contains("nonna: \xc3\xa8 tradizione, costa 20 \xe2\x82\xac\""));
}

TEST_F(DumpTest, ContactsShowTheirIndexDefinition)
{
    const auto table = contactsTable();
    const QJsonObject got = dump(*table);
    // The primary flag is not kept in the file; unique is.
    const QJsonDocument expected = json(R"([{"name": "TabellaRubricaIndexDenominazione",
      "fields": "Denominazione", "descending": false, "caseInsensitive": false,
      "unique": true}])");
    EXPECT_EQ(QJsonDocument(got.value("indexes").toArray()).toJson().toStdString(),
              expected.toJson().toStdString());
    EXPECT_EQ(got.value("fields").toArray().size(), 19);
    EXPECT_EQ(got.value("records").toArray().size(), 4);
}

TEST_F(DumpTest, OtherTypesKeepTheirValues)
{
    const auto table = otherTypesTable();
    const QJsonObject got = dump(*table);
    const QJsonDocument expected = json(R"({
      "fields": [
        {"name": "Prezzo", "type": "Currency", "size": 0},
        {"name": "Peso", "type": "Float", "size": 0},
        {"name": "Quando", "type": "DateTime", "size": 0},
        {"name": "Quantita", "type": "SmallInt", "size": 0},
        {"name": "Testo", "type": "Memo", "size": 0}
      ],
      "indexes": [],
      "records": [
        [12.3456, 0.3333333333333333, 38346.5, -5, "riga uno\nriga due"],
        [-0.5, 1e300, null, null, null]
      ]
    })");
    EXPECT_EQ(QJsonDocument(got).toJson().toStdString(), expected.toJson().toStdString());
}

TEST_F(DumpTest, NumbersReadBackExactly)
{
    const auto table = otherTypesTable();
    const QString path = filePath(QStringLiteral("Altro.dat"));
    saveTable(*table, path);
    const ToolResult r = runTarvoTable({QStringLiteral("dump"), path});
    // Amounts are exact decimals; floats the shortest text of the same double.
    EXPECT_TRUE(r.out.contains("[12.3456,0.3333333333333333,38346.5,-5,")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("[-0.5,1e+300,null,null,null]")) << r.out.toStdString();
}

struct SortCase
{
    const char* name;
    bool contacts;
    QStringList args;
    int column;
    QStringList expected; // the column's values, top to bottom
};

void PrintTo(const SortCase& c, std::ostream* os)
{
    *os << c.name;
}

class DumpSortTest : public DumpTest, public ::testing::WithParamInterface<SortCase>
{
};

TEST_P(DumpSortTest, ListsRecordsInTheAskedOrder)
{
    const SortCase& c = GetParam();
    const auto table = c.contacts ? contactsTable() : agendaTable();
    const QJsonArray records = dump(*table, c.args).value("records").toArray();
    QStringList got;
    for (const QJsonValue& record : records) {
        const QJsonValue v = record.toArray().at(c.column);
        got << (v.isNull() ? QStringLiteral("null") : v.toVariant().toString());
    }
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, DumpSortTest,
    ::testing::Values(
        SortCase{
            "FileOrderWithoutSort", false, {}, 2, {"Saldi in centro", "Natale", "", "Senza data"}},
        SortCase{"DayAndTimeNullsFirst",
                 false,
                 {"--sort", "Giorno;Ora"},
                 2,
                 {"Senza data", "", "Natale", "Saldi in centro"}},
        SortCase{"Integer", false, {"--sort=Importanza"}, 4, {"null", "0", "1", "2"}},
        SortCase{"OptionsBeforeFile",
                 false,
                 {"--sort", "Importanza", "FILE"},
                 2,
                 {"Senza data", "Saldi in centro", "", "Natale"}},
        SortCase{"EmptyFieldListKeepsFileOrder",
                 false,
                 {"--sort", ""},
                 2,
                 {"Saldi in centro", "Natale", "", "Senza data"}},
        // Names equal but for case keep their file order.
        SortCase{"IgnoringCase",
                 true,
                 {"--sort", "Denominazione", "--case-insensitive"},
                 0,
                 {"alfa", "BETA", "beta", "Zeta"}},
        SortCase{"SeveralFieldsIgnoringCase",
                 true,
                 {"--case-insensitive", "--sort", "Cognome;Nome"},
                 0,
                 {"beta", "BETA", "alfa", "Zeta"}}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return info.param.name; });

} // namespace
