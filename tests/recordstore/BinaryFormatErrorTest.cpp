// Damaged files, missing files and failing writes: the error texts and what is left behind.
#include "FailingDevice.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TableFileBuilder.h"
#include "Tables.h"
#include "TempFolder.h"
#include "Throws.h"

#include <QBuffer>
#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::vector<FileField> NoteFields = {
    {"Data", "Date", 0}, {"Commento", "String", 256}, {"Priorita", "Integer", 0}};

QByteArray workedExample()
{
    return tableFile(
        251, NoteFields, {},
        {{0, {FileValue::number(38346), FileValue::text("Natale"), FileValue::null()}, {}}});
}

void loadBytes(TMemTable& table, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    auto format = makeSaveFormat();
    table.LoadFromStreamViaFormat(buffer, format.get());
}

// The record list lock must be free again after a failed load or save: another thread can
// take it.
bool lockIsFree(TMemTable& table)
{
    bool taken = false;
    std::thread other([&] {
        taken = table.recordLock().try_lock();
        if (taken)
            table.recordLock().unlock();
    });
    other.join();
    return taken;
}

// A field definition group of the current version with the given type name.
QByteArray fieldDef(const QByteArray& name, const QByteArray& type, int size = 0)
{
    TagWriter w;
    w.string(name).string(type).integer(size).string(name).string({}).integer(10);
    w.boolean(false).boolean(false).string("Data").string({});
    return w.bytes();
}

QByteArray fileWithFieldDefs(const QByteArray& defs)
{
    TagWriter w;
    w.signature().integer(251).beginList().raw(defs).endList();
    w.beginList().endList().beginList().endList();
    return w.bytes();
}

// A file of the Data, Commento, Priorita table whose record list holds the given bytes.
QByteArray fileWithRecordGroup(const QByteArray& group)
{
    const QByteArray full = tableFile(251, NoteFields, {}, {});
    // Replace the empty record list (the last two bytes) by one holding the group.
    return full.left(full.size() - 2) + QByteArray(1, '\x01') + group + QByteArray(1, '\x00');
}

struct DamagedFile
{
    const char* label;
    QByteArray bytes;
    const char* message;
};

class DamagedFiles : public ::testing::TestWithParam<DamagedFile>
{
};

TEST_P(DamagedFiles, FailWithTheirText)
{
    const DamagedFile& c = GetParam();
    auto notes = makeExampleTable();
    addNote(*notes, day(2004, 1, 1), "presente");
    EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(*notes, c.bytes); }, c.message));
    EXPECT_TRUE(lockIsFree(*notes));
    EXPECT_FALSE(notes->ControlsDisabled());
}

QByteArray withSignature(const char* signature)
{
    return QByteArray(signature) + workedExample().mid(4);
}

QByteArray tagged(const char* dump)
{
    return bytesFromDump(dump);
}

INSTANTIATE_TEST_SUITE_P(
    BinaryFormatError, DamagedFiles,
    ::testing::Values(
        DamagedFile{"Empty", {}, "Stream read error"},
        DamagedFile{"ThreeBytes", "TPF", "Stream read error"},
        DamagedFile{"SignatureOnly", "TPF0", "Stream read error"},
        DamagedFile{"HalfAVersion", QByteArray("TPF0\x03\xfb", 6), "Stream read error"},
        DamagedFile{"OtherSignature", withSignature("TPF1"), "Invalid stream format"},
        DamagedFile{"LowerCaseSignature", withSignature("tpf0"), "Invalid stream format"},
        DamagedFile{"CsvText", "\"Data\",\"Commento\",\r\n", "Invalid stream format"},
        DamagedFile{"VersionAsString",
                    QByteArray("TPF0\x06\x03"
                               "251\x01\x00",
                               11),
                    "Invalid property value"},
        DamagedFile{"FieldListNotAList", QByteArray("TPF0\x03\xfb\x00\x02\x00", 9),
                    "Invalid property value"},
        DamagedFile{"FieldNameAsInteger", fileWithFieldDefs(tagged("02 07")),
                    "Invalid property value"},
        DamagedFile{"SizeAsString",
                    fileWithFieldDefs(tagged("06 01 41 06 06") + "String" + tagged("06 01 41")),
                    "Invalid property value"},
        DamagedFile{"UnknownType", fileWithFieldDefs(fieldDef("Data", "Xyz")),
                    "Unknown field type (Xyz)"},
        DamagedFile{"TypeUnknown", fileWithFieldDefs(fieldDef("Data", "Unknown")),
                    "Unknown field type (Unknown)"},
        DamagedFile{"TypeCursor", fileWithFieldDefs(fieldDef("Data", "Cursor")),
                    "Unknown field type (Cursor)"},
        DamagedFile{"TypeNameInOtherCase", fileWithFieldDefs(fieldDef("Data", "date")),
                    "Unknown field type (date)"},
        DamagedFile{"StatusAsBoolean", fileWithRecordGroup(tagged("01 08 09 09 09 00")),
                    "Invalid property value"},
        DamagedFile{"DateAsString", fileWithRecordGroup(tagged("01 02 00 08 06 01 41 09 09 00")),
                    "Invalid property value"},
        // A date outside the calendar, or not a number at all, cannot come from a saved table.
        DamagedFile{"DateBeyondTheCalendar",
                    fileWithRecordGroup(tagged("01 02 00 08 05 00 00 00 00 00 f9 02 95 20 40 "
                                               "09 09 00")),
                    "Invalid property value"},
        DamagedFile{"DateNotANumber",
                    fileWithRecordGroup(tagged("01 02 00 08 05 00 00 00 00 00 00 00 c0 ff 7f "
                                               "09 09 00")),
                    "Invalid property value"},
        DamagedFile{"IntegerAsNumber",
                    fileWithRecordGroup(tagged("01 02 00 09 09 08 05 00 00 00 00 00 00 00 80 ff "
                                               "3f 00")),
                    "Invalid property value"},
        DamagedFile{"TextAsInteger", fileWithRecordGroup(tagged("01 02 00 09 08 02 05 09 00")),
                    "Invalid property value"},
        DamagedFile{"RecordEndMissing", fileWithRecordGroup(tagged("01 02 00 09 09 09")),
                    "Stream read error"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(BinaryFormatError, EveryCutOfTheWorkedExampleIsAReadError)
{
    const QByteArray full = workedExample();
    for (qsizetype length = 0; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        TMemTable table("TabellaAppunti");
        EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(table, full.left(length)); },
                                           "Stream read error"));
    }
}

TEST(BinaryFormatError, NoFieldsToLoadInto)
{
    TMemTable bare("TabellaVuota");
    EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(bare, fileWithFieldDefs({})); },
                                       "Couldnt determine field count for load."));
    EXPECT_TRUE(lockIsFree(bare));
}

// Nothing read: the table keeps its fields and records and goes on working.
TEST(BinaryFormatError, BadSignatureLeavesTheTableAsItWas)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "Natale");
    addAppointment(*agenda, day(2004, 12, 24), hm(20, 0), "Vigilia");
    EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(*agenda, withSignature("XXXX")); },
                                       "Invalid stream format"));
    EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(*agenda, "TP"); }, "Stream read error"));
    ASSERT_TRUE(agenda->Active());
    EXPECT_EQ(agenda->FieldCount(), 8);
    EXPECT_EQ(agenda->State(), dsBrowse);
    EXPECT_TRUE(lockIsFree(*agenda));
    EXPECT_FALSE(agenda->ControlsDisabled());

    addAppointment(*agenda, day(2004, 12, 31), hm(23, 0), "San Silvestro");
    agenda->SortOn("Giorno;Ora", {});
    EXPECT_EQ(columnText(*agenda, "Commento"), QStringList({"Vigilia", "Natale", "San Silvestro"}));
}

// Failing part way: the table is open with what was read and can be used and loaded again.
struct PartialLoad
{
    const char* label;
    QByteArray bytes;
    const char* message;
    int fieldsRead;
};

class FailedLoad : public ::testing::TestWithParam<PartialLoad>
{
};

TEST_P(FailedLoad, LeavesAUsableTable)
{
    const PartialLoad& c = GetParam();
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "Natale");
    agenda->SortOn("Giorno;Ora", {});

    EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(*agenda, c.bytes); }, c.message));
    ASSERT_TRUE(agenda->Active());
    EXPECT_EQ(agenda->FieldCount(), c.fieldsRead);
    EXPECT_TRUE(lockIsFree(*agenda));
    EXPECT_FALSE(agenda->ControlsDisabled());
    EXPECT_EQ(agenda->State(), dsBrowse);

    agenda->Append();
    agenda->FieldByName("Data").SetAsDateTime(day(2005, 1, 1));
    agenda->Post();
    EXPECT_GE(agenda->RecordCount(), 1);

    loadBytes(*agenda, workedExample());
    EXPECT_EQ(columnText(*agenda, "Commento"), QStringList({"Natale"}));
}

INSTANTIATE_TEST_SUITE_P(BinaryFormatError, FailedLoad,
                         ::testing::Values(PartialLoad{"InTheRecords", workedExample().left(150),
                                                       "Stream read error", 3},
                                           PartialLoad{"AtTheSecondField",
                                                       fileWithFieldDefs(fieldDef("Data", "Date") +
                                                                         fieldDef("Testo", "Xyz")),
                                                       "Unknown field type (Xyz)", 1}),
                         [](const auto& info) { return std::string(info.param.label); });

class FileErrors : public TempFolderTest
{
};

TEST_F(FileErrors, MissingFileCannotBeOpened)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "Natale");
    auto format = makeSaveFormat();
    const QString path = filePath("Manca.ctg");
    EXPECT_TRUE(failsWith<EStoreError>([&] { notes->LoadFromFileViaFormat(path, format.get()); },
                                       "Cannot open file " + path));
    EXPECT_EQ(notes->FieldCount(), 4);
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"Natale"}));
    EXPECT_TRUE(lockIsFree(*notes));
}

TEST_F(FileErrors, FileInAMissingFolderCannotBeCreated)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "Natale");
    auto format = makeSaveFormat();
    const QString path = filePath("Manca/Natale.ctg");
    EXPECT_TRUE(failsWith<EStoreError>([&] { notes->SaveToFileViaFormat(path, format.get()); },
                                       "Cannot create file " + path));
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"Natale"}));
    EXPECT_TRUE(lockIsFree(*notes));
    EXPECT_FALSE(notes->ControlsDisabled());
}

TEST_F(FileErrors, ZeroByteFile)
{
    const QString path = filePath("Agenda.dat");
    ASSERT_TRUE(writeFileBytes(path, {}));
    auto agenda = makeAgendaTable();
    auto format = makeSaveFormat();
    EXPECT_TRUE(failsWith<EStoreError>([&] { agenda->LoadFromFileViaFormat(path, format.get()); },
                                       "Stream read error"));
    EXPECT_EQ(agenda->FieldCount(), 8);
}

// A table of about 400 KB.
std::unique_ptr<TMemTable> bigAgenda()
{
    auto agenda = makeAgendaTable();
    const QString description(1000, u'd');
    for (int i = 0; i < 400; ++i) {
        agenda->Append();
        agenda->FieldByName("Giorno").SetAsDateTime(day(2004, 1, 1) + i);
        agenda->FieldByName("Ora").SetAsDateTime(hm(9, 30));
        agenda->FieldByName("Commento").SetAsString(QString::number(i));
        agenda->FieldByName("Descrizione").SetAsString(description);
        agenda->Post();
    }
    return agenda;
}

class WriteFailsAfter : public ::testing::TestWithParam<int>
{
};

TEST_P(WriteFailsAfter, StreamWriteErrorAndTheTableUnchanged)
{
    auto agenda = bigAgenda();
    agenda->SortOn("Commento", {});
    agenda->First();
    agenda->Next();
    const QString current = agenda->FieldByName("Commento").AsString();

    FailingDevice device(GetParam());
    auto format = makeSaveFormat();
    EXPECT_TRUE(failsWith<EStoreError>([&] { agenda->SaveToStreamViaFormat(device, format.get()); },
                                       "Stream write error"));
    EXPECT_GT(device.refusedWrites(), 0);
    EXPECT_EQ(agenda->RecordCount(), 400);
    EXPECT_EQ(agenda->CursorPosition(), 1);
    EXPECT_EQ(agenda->FieldByName("Commento").AsString(), current);
    EXPECT_EQ(agenda->CurrentIndex()->Name, "__MT__DEFSORT");
    EXPECT_EQ(agenda->State(), dsBrowse);
    EXPECT_TRUE(lockIsFree(*agenda));
    EXPECT_FALSE(agenda->ControlsDisabled());
}

INSTANTIATE_TEST_SUITE_P(BinaryFormatError, WriteFailsAfter,
                         ::testing::Values(0, 100, 16384, 100000),
                         ::testing::PrintToStringParamName());

// The disk fills up half way through a save over an existing file: the child process gets a
// file size limit and reports the error text through a pipe.
class FailedSave : public TempFolderTest
{
};

TEST_F(FailedSave, KeepsThePreviousFileByteForByte)
{
    const QString path = filePath("Agenda.dat");
    auto format = makeSaveFormat();
    auto small = makeAgendaTable();
    addAppointment(*small, day(2004, 12, 25), hm(9, 30), "Natale");
    small->SaveToFileViaFormat(path, format.get());
    const QByteArray before = readFileBytes(path);
    ASSERT_FALSE(before.isEmpty());

    auto big = bigAgenda();
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        QByteArray outcome = "saved without error";
        try {
            big->SaveToFileViaFormat(path, format.get());
        } catch (const std::exception& e) {
            outcome = e.what();
        }
        if (big->RecordCount() != 400)
            outcome += " (table changed)";
        [[maybe_unused]] auto n = write(fds[1], outcome.constData(), size_t(outcome.size()));
        _exit(0);
    }
    close(fds[1]);
    QByteArray outcome;
    char chunk[256];
    for (ssize_t n; (n = read(fds[0], chunk, sizeof chunk)) > 0;)
        outcome.append(chunk, n);
    close(fds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);

    EXPECT_EQ(outcome, "Stream write error");
    EXPECT_EQ(hexDump(readFileBytes(path)), hexDump(before));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList({"Agenda.dat"}))
        << "a failed save leaves no other file behind";
}

} // namespace
