#include "FileBytes.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "ToolFixtures.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QByteArray OldExport = "\"Giorno\",\r\n\"01/01/2004\",\r\n";

std::optional<QByteArray> agendaBytes()
{
    return tableFileBytes(*agendaTable());
}

// Damaged table files, each refused by the reader with its own message. "%1" is the path.
struct DamageCase
{
    const char* name;
    std::optional<QByteArray> (*bytes)(); // nothing: the file does not exist
    const char* message;
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

const DamageCase DamageCases[] = {
    {"MissingFile", [] { return std::optional<QByteArray>(); }, "Cannot open file %1"},
    {"EmptyFile", [] { return std::optional<QByteArray>(QByteArray()); }, "Stream read error"},
    {"SignatureWithoutVersion", [] { return std::optional<QByteArray>("TPF0"); },
     "Stream read error"},
    {"WrongSignature",
     [] {
         auto b = agendaBytes();
         (*b)[3] = '1';
         return b;
     },
     "Invalid stream format"},
    {"VersionWithWrongTag",
     [] {
         auto b = agendaBytes();
         (*b)[4] = '\x07';
         return b;
     },
     "Invalid property value"},
    {"UnknownFieldType",
     [] {
         auto b = agendaBytes();
         b->replace("\x06\x06String", "\x06\x06Strong");
         return b;
     },
     "Unknown field type (Strong)"},
    {"CutInTheRecords",
     [] {
         auto b = agendaBytes();
         b->chop(20);
         return b;
     },
     "Stream read error"},
    {"NoFields",
     [] {
         return std::optional<QByteArray>(
             QByteArray("TPF0\x03\xfb\x00\x01\x00\x01\x00\x01\x00", 13));
     },
     "Couldnt determine field count for load."},
    {"DuplicateKeyInUniqueIndex",
     [] {
         // Two contacts of one name, written before the unique index is declared.
         auto t = contactsTable();
         const std::vector<TIndexDef> unique = t->IndexDefs();
         t->Close();
         t->IndexDefs().clear();
         t->Open();
         for (int i = 0; i < 2; ++i) {
             t->Append();
             t->FieldByName("Denominazione").SetAsString(QStringLiteral("Rossi"));
             t->Post();
         }
         t->IndexDefs() = unique;
         return std::optional<QByteArray>(tableFileBytes(*t));
     },
     "Duplicate index value. Operation aborted."},
};

class DamagedFileTest : public TempFolderTest, public ::testing::WithParamInterface<DamageCase>
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        m_in = filePath(QStringLiteral("Agenda.dat"));
        if (const auto bytes = GetParam().bytes()) {
            ASSERT_TRUE(writeFileBytes(m_in, *bytes));
        }
        m_message = QString::fromUtf8(GetParam().message).replace("%1", m_in).toUtf8() + '\n';
    }

    QString m_in;
    QByteArray m_message;
};

TEST_P(DamagedFileTest, DumpPrintsTheErrorAndNothingElse)
{
    const ToolResult r = runTarvoTable({QStringLiteral("dump"), m_in});
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, m_message);
    EXPECT_EQ(r.out, QByteArray());
}

TEST_P(DamagedFileTest, ResaveCreatesNoFile)
{
    const QString out = filePath(QStringLiteral("Copia.dat"));
    const ToolResult r = runTarvoTable({QStringLiteral("resave"), m_in, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, m_message);
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_FALSE(QFile::exists(out));
}

TEST_P(DamagedFileTest, CsvLeavesTheOldExport)
{
    const QString out = filePath(QStringLiteral("Agenda.csv"));
    ASSERT_TRUE(writeFileBytes(out, OldExport));
    const ToolResult r = runTarvoTable({QStringLiteral("csv"), m_in, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, m_message);
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_EQ(readFileBytes(out), OldExport);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest, ::testing::ValuesIn(DamageCases),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                             return info.param.name;
                         });

// Arguments name the input "IN" (a good appointments file "Agenda.dat") and the output "OUT".
struct ArgsCase
{
    const char* name;
    QStringList args;
    const char* out;     // the output's name inside the test folder
    const char* message; // %1 is the output's path; null for wrong usage
};

void PrintTo(const ArgsCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLineTest : public TempFolderTest, public ::testing::WithParamInterface<ArgsCase>
{
protected:
    ToolResult run()
    {
        const QString in = filePath(QStringLiteral("Agenda.dat"));
        saveTable(*agendaTable(), in);
        m_out = filePath(QString::fromUtf8(GetParam().out));
        QStringList args = GetParam().args;
        for (QString& arg : args) {
            if (arg == QLatin1String("IN"))
                arg = in;
            else if (arg == QLatin1String("OUT"))
                arg = m_out;
        }
        return runTarvoTable(args);
    }

    QString m_out;
};

using RefusedTest = CommandLineTest;

TEST_P(RefusedTest, PrintsTheStoreErrorAndWritesNothing)
{
    const ToolResult r = run();
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QString::fromUtf8(GetParam().message).replace("%1", m_out).toUtf8() + '\n');
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_FALSE(QFile::exists(m_out));
}

INSTANTIATE_TEST_SUITE_P(Commands, RefusedTest,
                         ::testing::Values(ArgsCase{"SortOnUnknownField",
                                                    {"dump", "IN", "--sort", "Giorno;Orario"},
                                                    "none",
                                                    "Agenda: Field 'Orario' not found"},
                                           ArgsCase{"ResaveIntoMissingFolder",
                                                    {"resave", "IN", "OUT"},
                                                    "mancante/Copia.dat",
                                                    "Cannot create file %1"},
                                           ArgsCase{"CsvIntoMissingFolder",
                                                    {"csv", "IN", "OUT"},
                                                    "mancante/Agenda.csv",
                                                    "Cannot create file %1"}),
                         [](const ::testing::TestParamInfo<ArgsCase>& info) {
                             return info.param.name;
                         });

using UsageTest = CommandLineTest;

TEST_P(UsageTest, ShowsUsageAndDoesNothing)
{
    const ToolResult r = run();
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith("usage: tarvo-table dump FILE")) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_FALSE(QFile::exists(m_out));
}

INSTANTIATE_TEST_SUITE_P(
    WrongArguments, UsageTest,
    ::testing::Values(
        ArgsCase{"NoCommand", {}, "out", nullptr},
        ArgsCase{"UnknownCommand", {"convert", "IN", "OUT"}, "out", nullptr},
        ArgsCase{"DumpWithoutFile", {"dump"}, "out", nullptr},
        ArgsCase{"DumpOfTwoFiles", {"dump", "IN", "OUT"}, "out", nullptr},
        ArgsCase{"SortWithoutFields", {"dump", "IN", "--sort"}, "out", nullptr},
        ArgsCase{"SortTwice", {"dump", "IN", "--sort", "Giorno", "--sort", "Ora"}, "out", nullptr},
        ArgsCase{"UnknownOption", {"dump", "IN", "--reverse"}, "out", nullptr},
        ArgsCase{"IgnoringCaseWithoutSort", {"dump", "IN", "--case-insensitive"}, "out", nullptr},
        ArgsCase{"ResaveWithoutOutput", {"resave", "IN"}, "out", nullptr},
        ArgsCase{"ResaveWithExtraArgument", {"resave", "IN", "OUT", "more"}, "out", nullptr},
        ArgsCase{"CsvWithoutFiles", {"csv"}, "out", nullptr},
        ArgsCase{"CsvWithExtraArgument", {"csv", "IN", "OUT", "more"}, "out", nullptr}),
    [](const ::testing::TestParamInfo<ArgsCase>& info) { return info.param.name; });

} // namespace
