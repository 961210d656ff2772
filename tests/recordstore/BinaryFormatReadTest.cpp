// Reading table files: every version of the layout, tag widths, and what a load replaces.
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TableFileBuilder.h"
#include "Tables.h"
#include "Throws.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const std::vector<FileField> NoteFields = {
    {"Data", "Date", 0}, {"Commento", "String", 256}, {"Priorita", "Integer", 0}};

FileRecord note(double data, const QByteArray& commento, qint64 priorita, int status = 0)
{
    return {status,
            {FileValue::number(data), FileValue::text(commento), FileValue::integer(priorita)},
            {}};
}

void loadBytes(TMemTable& table, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    auto format = makeSaveFormat();
    table.LoadFromStreamViaFormat(buffer, format.get());
}

QByteArray saveBytes(TMemTable& table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    auto format = makeSaveFormat();
    table.SaveToStreamViaFormat(buffer, format.get());
    return buffer.data();
}

TEST(BinaryFormatRead, HandWrittenFilesMatchTheWorkedExample)
{
    // The hand writer used below lays out files as the table does.
    const QByteArray example = tableFile(
        251, NoteFields, {},
        {{0, {FileValue::number(38346), FileValue::text("Natale"), FileValue::null()}, {}}});
    EXPECT_EQ(example.size(), 164);
    EXPECT_EQ(hexBytes(example.mid(0x8d, 11)), "05 00 00 00 00 00 00 ca 95 0e 40");
    EXPECT_EQ(hexBytes(extended80(hm(9, 30))), "00 a8 aa aa aa aa aa ca fd 3f");

    auto table = makeExampleTable();
    table->Append();
    table->FieldByName("Data").SetAsDateTime(day(2004, 12, 25));
    table->FieldByName("Commento").SetAsString("Natale");
    table->Post();
    EXPECT_EQ(hexDump(saveBytes(*table)), hexDump(example));
}

TEST(BinaryFormatRead, WorkedExampleReadsBack)
{
    TMemTable table("TabellaAppunti");
    loadBytes(
        table,
        tableFile(
            251, NoteFields, {},
            {{0, {FileValue::number(38346), FileValue::text("Natale"), FileValue::null()}, {}}}));
    ASSERT_TRUE(table.Active());
    ASSERT_EQ(table.FieldCount(), 3);
    EXPECT_EQ(table.Fields(0).FieldName(), "Data");
    EXPECT_EQ(table.Fields(0).DataType(), ftDate);
    EXPECT_EQ(table.Fields(1).DataType(), ftString);
    EXPECT_EQ(table.Fields(1).Size(), 256);
    EXPECT_EQ(table.Fields(2).DataType(), ftInteger);
    ASSERT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.FieldByName("Data").AsDateTime(), day(2004, 12, 25));
    EXPECT_EQ(table.FieldByName("Commento").AsString(), "Natale");
    EXPECT_TRUE(table.FieldByName("Priorita").IsNull());
}

// The same three notes written by every version of the layout, loaded into the agenda table:
// the file's fields replace the table's.
class EveryVersion : public ::testing::TestWithParam<int>
{
};

TEST_P(EveryVersion, LoadsFieldsAndRecords)
{
    const int version = GetParam();
    const QByteArray bytes =
        tableFile(version, NoteFields, {},
                  {note(38346, "Natale", 2), note(38347, "Santo Stefano", -300),
                   note(38353, "Capodanno \xe8 gi\xe0 qui", 70000)});
    if (version == 100) {
        ASSERT_EQ(bytes.at(4), '\x01');
    }

    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 1, 1), hm(8, 0), "da scartare");
    loadBytes(*agenda, bytes);

    ASSERT_TRUE(agenda->Active());
    ASSERT_EQ(agenda->FieldCount(), 3);
    EXPECT_EQ(agenda->Fields(0).FieldName(), "Data");
    EXPECT_EQ(agenda->Fields(1).Size(), 256);
    EXPECT_EQ(agenda->Fields(2).DataType(), ftInteger);
    EXPECT_EQ(agenda->Fields(1).FieldKind(), fkData);
    EXPECT_TRUE(failsWith<EMemTableError>([&] { agenda->FieldByName("Giorno"); },
                                          "TabellaAgenda: Field 'Giorno' not found"));

    // The first record of the file is current.
    EXPECT_FALSE(agenda->Eof());
    EXPECT_EQ(agenda->FieldByName("Commento").AsString(), "Natale");
    EXPECT_TRUE(agenda->CurrentIndex()->IsRowOrder);

    EXPECT_EQ(columnText(*agenda, "Commento"),
              QStringList({"Natale", "Santo Stefano", QString::fromUtf8("Capodanno è già qui")}));
    EXPECT_EQ(recordIds(*agenda), std::vector<int>({0, 1, 2}));
    QList<int> priorities;
    for (agenda->First(); !agenda->Eof(); agenda->Next())
        priorities << agenda->FieldByName("Priorita").AsInteger();
    EXPECT_EQ(priorities, QList<int>({2, -300, 70000}));
}

INSTANTIATE_TEST_SUITE_P(BinaryFormatRead, EveryVersion,
                         ::testing::Values(100, 150, 200, 230, 240, 249, 250, 251),
                         ::testing::PrintToStringParamName());

const std::vector<FileField> ContactFields = {{"Denominazione", "String", 64},
                                              {"Grado", "Integer", 0}};

FileRecord contact(const QByteArray& name, qint64 grado = 1)
{
    return {0, {FileValue::text(name), FileValue::integer(grado)}, {}};
}

// Files without index definitions (written before they existed, or with an empty list) leave
// the table's own definitions in force.
class KeepsIndexDefinitions : public ::testing::TestWithParam<int>
{
};

TEST_P(KeepsIndexDefinitions, UniqueNameStillEnforced)
{
    auto contacts = makeContactsTable();
    loadBytes(*contacts,
              tableFile(GetParam(), ContactFields, {}, {contact("Rossi"), contact("Bianchi")}));
    ASSERT_EQ(contacts->FieldCount(), 2);
    ASSERT_EQ(contacts->IndexDefs().size(), 1u);
    EXPECT_EQ(contacts->IndexDefs()[0].Name, "TabellaRubricaIndexDenominazione");
    EXPECT_EQ(contacts->RecordCount(), 2);

    contacts->Append();
    contacts->FieldByName("Denominazione").SetAsString("Rossi");
    EXPECT_TRUE(failsWith<EMemTableError>([&] { contacts->Post(); },
                                          "Duplicate index value. Operation aborted."));
}

INSTANTIATE_TEST_SUITE_P(BinaryFormatRead, KeepsIndexDefinitions,
                         ::testing::Values(100, 150, 199, 251),
                         ::testing::PrintToStringParamName());

TEST(BinaryFormatRead, IndexDefinitionsOfTheFileReplaceTheTables)
{
    auto contacts = makeContactsTable();
    loadBytes(*contacts, tableFile(251, ContactFields,
                                   {{"IndiceNome", "Denominazione", false, true, true},
                                    {"IndiceGrado", "Grado;Denominazione", true, false, false}},
                                   {contact("Rossi")}));
    ASSERT_EQ(contacts->IndexDefs().size(), 2u);
    EXPECT_EQ(contacts->IndexDefs()[0].Name, "IndiceNome");
    EXPECT_TRUE(contacts->IndexDefs()[0].Options == (TIndexOptions{ixUnique, ixCaseInsensitive}));
    EXPECT_EQ(contacts->IndexDefs()[1].Fields, "Grado;Denominazione");
    EXPECT_TRUE(contacts->IndexDefs()[1].Options == TIndexOptions{ixDescending});
    EXPECT_EQ(contacts->Indexes().find("TabellaRubricaIndexDenominazione"), nullptr);
    EXPECT_NE(contacts->Indexes().find("IndiceNome"), nullptr);

    // Unique and now case-insensitive.
    contacts->Append();
    contacts->FieldByName("Denominazione").SetAsString("ROSSI");
    EXPECT_TRUE(failsWith<EMemTableError>([&] { contacts->Post(); },
                                          "Duplicate index value. Operation aborted."));
}

// Records with a non-zero status and older versions, which the organiser never writes itself:
// they load, show their current values, and a new save writes status 0 and no older versions.
class OlderRecordVersions : public ::testing::TestWithParam<int>
{
};

TEST_P(OlderRecordVersions, LoadAndAreDroppedOnSave)
{
    const int version = GetParam();
    FileRecord changed = note(38347, "Santo Stefano", 5, 2);
    changed.older.push_back(note(38340, "vecchia versione", 1, 1));
    changed.older.push_back(note(38341, "ancora piu vecchia", 0, 0));
    std::vector<FileRecord> records = {note(38346, "Natale", 2), changed,
                                       note(38353, "Capodanno", 3, 4)};
    if (version >= 249)
        records[0].values[2] = FileValue::null();

    auto notes = makeExampleTable();
    loadBytes(*notes, tableFile(version, NoteFields, {}, records));
    EXPECT_EQ(columnText(*notes, "Commento"),
              QStringList({"Natale", "Santo Stefano", "Capodanno"}));
    ASSERT_TRUE(notes->Locate("Commento", TVariant("Santo Stefano")));
    EXPECT_EQ(notes->FieldByName("Data").AsDateTime(), 38347.0);
    EXPECT_EQ(notes->FieldByName("Priorita").AsInteger(), 5);

    std::vector<FileRecord> plain = records;
    for (FileRecord& r : plain) {
        r.status = 0;
        r.older.clear();
    }
    EXPECT_EQ(hexDump(saveBytes(*notes)), hexDump(tableFile(251, NoteFields, {}, plain)));
}

INSTANTIATE_TEST_SUITE_P(BinaryFormatRead, OlderRecordVersions,
                         ::testing::Values(230, 240, 249, 250, 251),
                         ::testing::PrintToStringParamName());

// Integers are read with any of the three tags and sign-extended; numbers also from an integer
// tag, where 0 (like the number 0) makes a date null.
struct TaggedValue
{
    const char* label;
    int field; // 0 Data, 2 Priorita
    const char* tagged;
    bool null;
    double value;
};

class TaggedValues : public ::testing::TestWithParam<TaggedValue>
{
};

TEST_P(TaggedValues, ReadAs)
{
    const TaggedValue& c = GetParam();
    FileRecord r = note(38346, "x", 1);
    r.values[c.field] = FileValue::raw(bytesFromDump(c.tagged));
    auto notes = makeExampleTable();
    loadBytes(*notes, tableFile(251, NoteFields, {}, {r}));
    ASSERT_EQ(notes->RecordCount(), 1);
    const TField& f = notes->Fields(c.field);
    EXPECT_EQ(f.IsNull(), c.null);
    if (!c.null && c.field == 0) {
        EXPECT_EQ(f.AsDateTime(), c.value);
    }
    if (!c.null && c.field == 2) {
        EXPECT_EQ(f.AsInteger(), int(c.value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    BinaryFormatRead, TaggedValues,
    ::testing::Values(TaggedValue{"Int8", 2, "02 ff", false, -1},
                      TaggedValue{"Int16", 2, "03 ff ff", false, -1},
                      TaggedValue{"Int32", 2, "04 ff ff ff ff", false, -1},
                      TaggedValue{"SmallValueInWideTag", 2, "04 05 00 00 00", false, 5},
                      TaggedValue{"Int16Min", 2, "03 00 80", false, -32768},
                      TaggedValue{"Int32Min", 2, "04 00 00 00 80", false, -2147483648.0},
                      TaggedValue{"DateFromInt16", 0, "03 30 75", false, 30000},
                      TaggedValue{"DateFromInt32", 0, "04 ca 95 00 00", false, 38346},
                      TaggedValue{"DateFromIntZero", 0, "02 00", true, 0},
                      TaggedValue{"DateFromNumberZero", 0, "05 00 00 00 00 00 00 00 00 00 00", true,
                                  0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(BinaryFormatRead, TimeFromTheFile)
{
    const std::vector<FileField> fields = {{"Ora", "Time", 0}};
    auto table = std::make_unique<TMemTable>("TabellaAgendaAusiliaria");
    loadBytes(
        *table,
        tableFile(251, fields, {},
                  {{0, {FileValue::number(hm(9, 30))}, {}},
                   {0, {FileValue::raw(bytesFromDump("05 00 a8 aa aa aa aa aa ca fd 3f"))}, {}}}));
    for (table->First(); !table->Eof(); table->Next()) {
        EXPECT_EQ(datetime::timeMsecs(table->FieldByName("Ora").AsDateTime()), 34200000);
        EXPECT_EQ(table->FieldByName("Ora").AsString(), "9.30.00");
    }
}

TEST(BinaryFormatRead, LoadReplacesTheRecordsAndRestartsIds)
{
    auto notes = makeExampleTable();
    for (int i = 0; i < 5; ++i)
        addNote(*notes, day(2004, 1, 1), "vecchia");
    notes->SortOn("Data", {});
    loadBytes(*notes, tableFile(251, NoteFields, {}, {note(38346, "b", 1), note(38345, "a", 2)}));
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"b", "a"}));
    EXPECT_EQ(recordIds(*notes), std::vector<int>({0, 1}));
    EXPECT_TRUE(notes->CurrentIndex()->IsRowOrder);
    EXPECT_EQ(notes->Indexes().find("__MT__DEFSORT"), nullptr);
}

TEST(BinaryFormatRead, FileWithoutFieldDefinitionsAddsToTheTable)
{
    // An empty definition list keeps the table's fields and records; the file's records are
    // read into those fields after the records already present.
    auto notes = makeExampleTable();
    addNote(*notes, day(2004, 1, 1), "presente");
    TagWriter w;
    w.signature().integer(251).beginList().endList().beginList().endList().beginList();
    w.beginList().integer(0);
    w.boolean(false).number(38346).boolean(false).string("letta").boolean(true);
    w.endList().endList();
    loadBytes(*notes, w.bytes());
    EXPECT_EQ(notes->FieldCount(), 3);
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"presente", "letta"}));
}

TEST(BinaryFormatRead, DuplicateKeysInAUniqueIndexFailTheLoad)
{
    auto contacts = makeContactsTable();
    const QByteArray bytes =
        tableFile(251, ContactFields,
                  {{"TabellaRubricaIndexDenominazione", "Denominazione", false, false, true}},
                  {contact("Rossi", 1), contact("Bianchi", 2), contact("Rossi", 3)});
    EXPECT_TRUE(failsWith<EStoreError>([&] { loadBytes(*contacts, bytes); },
                                       "Duplicate index value. Operation aborted."));
    // The records were read; the table stays usable.
    ASSERT_TRUE(contacts->Active());
    EXPECT_EQ(contacts->RecordCount(), 3);
    EXPECT_FALSE(contacts->ControlsDisabled());
    contacts->EmptyTable();
    addContact(*contacts, "Verdi");
    EXPECT_EQ(columnText(*contacts, "Denominazione"), QStringList({"Verdi"}));
}

} // namespace
