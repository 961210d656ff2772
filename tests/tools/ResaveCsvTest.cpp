#include "FileBytes.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "ToolFixtures.h"

#include <gtest/gtest.h>

namespace {

struct ResaveCase
{
    const char* name;
    std::unique_ptr<TMemTable> (*make)();
    const char* sortBeforeSaving; // the order the file is written in; null for row order
};

void PrintTo(const ResaveCase& c, std::ostream* os)
{
    *os << c.name;
}

std::unique_ptr<TMemTable> emptyAgenda()
{
    auto t = agendaTable();
    t->EmptyTable();
    return t;
}

class ResaveTest : public TempFolderTest, public ::testing::WithParamInterface<ResaveCase>
{
};

TEST_P(ResaveTest, WritesTheSameBytes)
{
    const ResaveCase& c = GetParam();
    const auto table = c.make();
    if (c.sortBeforeSaving)
        table->SortOn(QString::fromUtf8(c.sortBeforeSaving), table->SortOptions());
    const QString in = filePath(QStringLiteral("in.dat"));
    const QString out = filePath(QStringLiteral("out.dat"));
    saveTable(*table, in);

    const ToolResult r = runTarvoTable({QStringLiteral("resave"), in, out});
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out + r.err, QByteArray());
    const QByteArray original = readFileBytes(in);
    ASSERT_FALSE(original.isEmpty());
    EXPECT_EQ(hexDump(readFileBytes(out)), hexDump(original));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ResaveTest,
    ::testing::Values(ResaveCase{"Agenda", agendaTable, nullptr},
                      ResaveCase{"AgendaSortedOnDayAndTime", agendaTable, "Giorno;Ora"},
                      ResaveCase{"ContactsWithIndex", contactsTable, "Denominazione;Cognome;Nome"},
                      ResaveCase{"OtherTypes", otherTypesTable, nullptr},
                      ResaveCase{"EmptyAgenda", emptyAgenda, nullptr}),
    [](const ::testing::TestParamInfo<ResaveCase>& info) { return info.param.name; });

class ResaveOntoItselfTest : public TempFolderTest
{
};

TEST_F(ResaveOntoItselfTest, KeepsTheFile)
{
    const auto table = contactsTable();
    const QString path = filePath(QStringLiteral("Predefinita.rbr"));
    saveTable(*table, path);
    const QByteArray before = readFileBytes(path);

    const ToolResult r = runTarvoTable({QStringLiteral("resave"), path, path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(hexDump(readFileBytes(path)), hexDump(before));
}

class CsvTest : public TempFolderTest
{
};

TEST_F(CsvTest, IsTheOrganisersExport)
{
    const auto table = agendaTable();
    const QString in = filePath(QStringLiteral("Agenda.dat"));
    const QString out = filePath(QStringLiteral("Agenda.csv"));
    saveTable(*table, in);

    const ToolResult r = runTarvoTable({QStringLiteral("csv"), in, out});
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out + r.err, QByteArray());
    // Windows-1252 bytes, file order, every value quoted, nulls empty, "%" codes for line breaks.
    const QByteArray expected =
        "\"Giorno\",\"Ora\",\"Commento\",\"Descrizione\",\"Importanza\",\"Preavviso\","
        "\"InviaMail\",\"Mail\",\r\n"
        "\"26/12/2004\",\"17:45:30\",\"Saldi in centro\","
        "\"Sconto del 50%% sul \"\"cappotto\"\"%c%nseconda riga\tfine \\ ok\",\"0\",,\"False\",,"
        "\r\n"
        "\"25/12/2004\",\"9:30:00\",\"Natale\",\"Pranzo dalla nonna: \xe8 tradizione, costa 20 "
        "\x80\",\"2\",\"00.15\",\"True\",\"mario.rossi@example.it\",\r\n"
        "\"25/12/2004\",\"8:05:00\",\"\",\"a\x01z\",\"1\",\"\",\"False\",\"\",\r\n"
        ",,\"Senza data\",,,,,,\r\n";
    EXPECT_EQ(readFileBytes(out), expected);
}

TEST_F(CsvTest, OfAnEmptyTableIsTheHeaderAlone)
{
    const auto table = contactsTable();
    table->EmptyTable();
    const QString in = filePath(QStringLiteral("Vuota.rbr"));
    const QString out = filePath(QStringLiteral("Vuota.csv"));
    saveTable(*table, in);

    const ToolResult r = runTarvoTable({QStringLiteral("csv"), in, out});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readFileBytes(out),
              QByteArray("\"Denominazione\",\"Cognome\",\"Nome\",\"CodiceFiscale\",\"PartitaIVA\","
                         "\"Indirizzo\",\"Citta\",\"Provincia\",\"CAP\",\"Nazione\",\"Cellulare1\","
                         "\"Cellulare2\",\"TelefonoCasa\",\"TelefonoUfficio\",\"Fax\",\"Mail1\","
                         "\"Mail2\",\"Grado\",\"Note\",\r\n"));
}

} // namespace
