// Writing the table file: the worked example, value encodings, definitions and record order.
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TableFileBuilder.h"
#include "Tables.h"
#include "TempFolder.h"
#include "Throws.h"

#include <QBuffer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A table with Data, Commento and Priorita holding 25/12/2004, "Natale" and null.
const char* const WorkedExample = R"(
    0000  54 50 46 30 03 fb 00 01 06 04 44 61 74 61 06 04
    0010  44 61 74 65 02 00 06 04 44 61 74 61 06 00 02 0a
    0020  08 08 06 04 44 61 74 61 06 00 06 08 43 6f 6d 6d
    0030  65 6e 74 6f 06 06 53 74 72 69 6e 67 03 00 01 06
    0040  08 43 6f 6d 6d 65 6e 74 6f 06 00 03 00 01 08 08
    0050  06 04 44 61 74 61 06 00 06 08 50 72 69 6f 72 69
    0060  74 61 06 07 49 6e 74 65 67 65 72 02 00 06 08 50
    0070  72 69 6f 72 69 74 61 06 00 02 0a 08 08 06 04 44
    0080  61 74 61 06 00 00 01 00 01 01 02 00 08 05 00 00
    0090  00 00 00 00 ca 95 0e 40 08 06 06 4e 61 74 61 6c
    00a0  65 09 00 00
)";

QByteArray saveToBytes(TMemTable& table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    auto format = makeSaveFormat();
    table.SaveToStreamViaFormat(buffer, format.get());
    return buffer.data();
}

class BinaryFormatWrite : public TempFolderTest
{
};

TEST_F(BinaryFormatWrite, WorkedExampleByteForByte)
{
    const QByteArray expected = bytesFromDump(WorkedExample);
    ASSERT_EQ(expected.size(), 164);

    auto table = makeExampleTable();
    table->Append();
    table->FieldByName("Data").SetAsDateTime(day(2004, 12, 25));
    table->FieldByName("Commento").SetAsString("Natale");
    table->Post();

    auto format = makeSaveFormat();
    const QString path = filePath("Natale.ctg");
    table->SaveToFileViaFormat(path, format.get());
    EXPECT_EQ(hexDump(readFileBytes(path)), hexDump(expected));
    EXPECT_EQ(hexDump(saveToBytes(*table)), hexDump(expected));
}

TEST_F(BinaryFormatWrite, SavingReplacesALongerFile)
{
    const QString path = filePath("Natale.ctg");
    ASSERT_TRUE(writeFileBytes(path, QByteArray(5000, 'x')));
    auto table = makeExampleTable();
    addNote(*table, day(2004, 12, 25), "Natale");
    auto format = makeSaveFormat();
    table->SaveToFileViaFormat(path, format.get());
    EXPECT_EQ(hexDump(readFileBytes(path)), hexDump(bytesFromDump(WorkedExample)));
}

// One field, one record: the bytes of the record's value (null flag included).
struct ValueCase
{
    const char* label;
    TFieldType type;
    int size;
    std::function<void(TField&)> assign; // nothing: the value stays null
    QByteArray expected;
};

class ValueEncoding : public ::testing::TestWithParam<ValueCase>
{
};

QByteArray hex(const char* text)
{
    return bytesFromDump(text);
}

TEST_P(ValueEncoding, WrittenAs)
{
    const ValueCase& c = GetParam();
    TMemTable table("TabellaProva");
    table.AddFieldDef("Campo", c.type, c.size);
    table.Open();
    table.Append();
    if (c.assign)
        c.assign(table.FieldByName("Campo"));
    else
        table.FieldByName("Campo").Clear();
    table.Post();

    // ... end of the empty index list, start of the records, start of the record, status 0,
    // the value, end of the record, end of the records.
    const QByteArray tail = hex("01 00 01 01 02 00") + c.expected + hex("00 00");
    const QByteArray bytes = saveToBytes(table);
    EXPECT_TRUE(bytes.endsWith(tail)) << "file:\n"
                                      << hexDump(bytes) << "expected to end with:\n"
                                      << hexDump(tail);
}

QString repeated(char c, int n)
{
    return QString(n, QChar::fromLatin1(c));
}

INSTANTIATE_TEST_SUITE_P(
    BinaryFormatWrite, ValueEncoding,
    ::testing::Values(
        ValueCase{"Date", ftDate, 0, [](TField& f) { f.SetAsDateTime(day(2004, 12, 25)); },
                  hex("08 05 00 00 00 00 00 00 ca 95 0e 40")},
        ValueCase{"Time", ftTime, 0, [](TField& f) { f.SetAsDateTime(hm(9, 30)); },
                  hex("08 05 00 a8 aa aa aa aa aa ca fd 3f")},
        ValueCase{"Midnight", ftTime, 0, [](TField& f) { f.SetAsDateTime(0); },
                  hex("08 05 00 00 00 00 00 00 00 00 00 00")},
        ValueCase{"DayZero", ftDate, 0, [](TField& f) { f.SetAsDateTime(0); },
                  hex("08 05 00 00 00 00 00 00 00 00 00 00")},
        ValueCase{"NullTime", ftTime, 0, nullptr, hex("09")},
        ValueCase{"NullText", ftString, 256, nullptr, hex("09")},
        ValueCase{"EmptyText", ftString, 256, [](TField& f) { f.SetAsString(""); },
                  hex("08 06 00")},
        ValueCase{"Text255", ftString, 1024, [](TField& f) { f.SetAsString(repeated('a', 255)); },
                  hex("08 06 ff") + QByteArray(255, 'a')},
        ValueCase{"Text256", ftString, 1024, [](TField& f) { f.SetAsString(repeated('a', 256)); },
                  hex("08 0c 00 01 00 00") + QByteArray(256, 'a')},
        ValueCase{"Text300", ftString, 1024, [](TField& f) { f.SetAsString(repeated('a', 300)); },
                  hex("08 0c 2c 01 00 00") + QByteArray(300, 'a')},
        ValueCase{"AccentedText", ftString, 32,
                  [](TField& f) { f.SetAsString(QString::fromUtf8("è già 5€")); },
                  hex("08 06 08 e8 20 67 69 e0 20 35 80")},
        ValueCase{"True", ftBoolean, 0, [](TField& f) { f.SetAsBoolean(true); }, hex("08 09")},
        ValueCase{"False", ftBoolean, 0, [](TField& f) { f.SetAsBoolean(false); }, hex("08 08")},
        ValueCase{"Int0", ftInteger, 0, [](TField& f) { f.SetAsInteger(0); }, hex("08 02 00")},
        ValueCase{"Int127", ftInteger, 0, [](TField& f) { f.SetAsInteger(127); }, hex("08 02 7f")},
        ValueCase{"IntMinus128", ftInteger, 0, [](TField& f) { f.SetAsInteger(-128); },
                  hex("08 02 80")},
        ValueCase{"Int128", ftInteger, 0, [](TField& f) { f.SetAsInteger(128); },
                  hex("08 03 80 00")},
        ValueCase{"IntMinus129", ftInteger, 0, [](TField& f) { f.SetAsInteger(-129); },
                  hex("08 03 7f ff")},
        ValueCase{"Int32767", ftInteger, 0, [](TField& f) { f.SetAsInteger(32767); },
                  hex("08 03 ff 7f")},
        ValueCase{"IntMinus32768", ftInteger, 0, [](TField& f) { f.SetAsInteger(-32768); },
                  hex("08 03 00 80")},
        ValueCase{"Int32768", ftInteger, 0, [](TField& f) { f.SetAsInteger(32768); },
                  hex("08 04 00 80 00 00")},
        ValueCase{"IntMinus32769", ftInteger, 0, [](TField& f) { f.SetAsInteger(-32769); },
                  hex("08 04 ff 7f ff ff")},
        ValueCase{"IntMax", ftInteger, 0, [](TField& f) { f.SetAsInteger(2147483647); },
                  hex("08 04 ff ff ff 7f")},
        ValueCase{"IntMin", ftInteger, 0, [](TField& f) { f.SetAsInteger(-2147483647 - 1); },
                  hex("08 04 00 00 00 80")}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(BinaryFormatWrite, MidnightAndDayZeroComeBackNull)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Giorno").SetAsDateTime(0);
    agenda->FieldByName("Ora").SetAsDateTime(hm(0, 0));
    agenda->FieldByName("Commento").SetAsString("mezzanotte");
    agenda->Post();
    ASSERT_FALSE(agenda->FieldByName("Ora").IsNull());

    auto format = makeSaveFormat();
    agenda->SaveToFileViaFormat(filePath("Agenda.dat"), format.get());
    agenda->LoadFromFileViaFormat(filePath("Agenda.dat"), format.get());
    ASSERT_EQ(agenda->RecordCount(), 1);
    EXPECT_TRUE(agenda->FieldByName("Giorno").IsNull());
    EXPECT_TRUE(agenda->FieldByName("Ora").IsNull());
    EXPECT_EQ(agenda->FieldByName("Commento").AsString(), "mezzanotte");
}

const std::vector<FileField> AgendaFields = {
    {"Giorno", "Date", 0},           {"Ora", "Time", 0},           {"Commento", "String", 256},
    {"Descrizione", "String", 1024}, {"Importanza", "Integer", 0}, {"Preavviso", "String", 5},
    {"InviaMail", "Boolean", 0},     {"Mail", "String", 32}};

TEST_F(BinaryFormatWrite, EmptyAgendaFile)
{
    auto agenda = makeAgendaTable();
    const QByteArray bytes = saveToBytes(*agenda);
    EXPECT_EQ(hexDump(bytes), hexDump(tableFile(251, AgendaFields, {}, {})));
    // A boolean field is 5 wide by default: the longer of "True" and "False".
    const QByteArray mailDef = hex("06 09") + "InviaMail" + hex("06 07") + "Boolean" +
                               hex("02 00 06 09") + "InviaMail" + hex("06 00 02 05 08 08");
    EXPECT_TRUE(bytes.contains(mailDef));
}

TEST_F(BinaryFormatWrite, DisplayLabelAndWidthAreKept)
{
    auto notes = makeNotesTable();
    notes->FieldByName("Data").SetDisplayLabel("Data nota");
    notes->FieldByName("Commento").SetDisplayWidth(40);
    const QByteArray bytes = saveToBytes(*notes);
    const QByteArray dataDef = hex("06 04") + "Data" + hex("06 04") + "Date" + hex("02 00 06 09") +
                               "Data nota" + hex("06 00 02 0a");
    const QByteArray commentoDef = hex("06 08") + "Commento" + hex("06 00 02 28");
    EXPECT_TRUE(bytes.contains(dataDef)) << hexDump(bytes);
    EXPECT_TRUE(bytes.contains(commentoDef)) << hexDump(bytes);

    auto loaded = std::make_unique<TMemTable>("TabellaAppunti");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    auto format = makeSaveFormat();
    loaded->LoadFromStreamViaFormat(buffer, format.get());
    EXPECT_EQ(loaded->FieldByName("Data").DisplayLabel(), "Data nota");
    EXPECT_EQ(loaded->FieldByName("Commento").DisplayWidth(), 40);
    EXPECT_EQ(loaded->FieldByName("Descrizione").DisplayWidth(), 1024);
    EXPECT_EQ(loaded->FieldByName("Priorita").DisplayWidth(), 10);
}

TEST_F(BinaryFormatWrite, ContactsCarryTheirIndexDefinitionWithoutPrimary)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Rossi", "Rossi", "Mario");
    const QByteArray bytes = saveToBytes(*contacts);
    // End of the field list, the index list, start of the records.
    const QByteArray indexList = hex("00 01 06 20") + "TabellaRubricaIndexDenominazione" +
                                 hex("06 0d") + "Denominazione" + hex("06 20") +
                                 "TabellaRubricaIndexDenominazione" + hex("08 08 08 09 00 01");
    EXPECT_EQ(bytes.count(indexList), 1) << hexDump(bytes);
}

TEST_F(BinaryFormatWrite, ContactsRoundTrip)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, QString::fromUtf8("Società Rossi & C."), "Rossi", "Mario");
    addContact(*contacts, "bianchi", "Bianchi");
    contacts->Append();
    contacts->FieldByName("Denominazione").SetAsString("Conti");
    contacts->FieldByName("Provincia").SetAsString("MI");
    contacts->FieldByName("Grado").SetAsInteger(3);
    contacts->FieldByName("Note").SetAsString(QString(2000, u'n') + QString::fromUtf8("€"));
    contacts->FieldByName("Mail1").SetAsString("");
    contacts->Post();
    contacts->SortOn("Denominazione;Cognome;Nome", contacts->SortOptions());

    auto format = makeSaveFormat();
    const QString path = filePath("Predefinita.rbr");
    contacts->SaveToFileViaFormat(path, format.get());

    // Into a closed table without fields: the file opens it.
    TMemTable loaded("TabellaRubrica");
    loaded.LoadFromFileViaFormat(path, format.get());
    ASSERT_TRUE(loaded.Active());
    ASSERT_EQ(loaded.FieldCount(), contacts->FieldCount());
    for (int i = 0; i < loaded.FieldCount(); ++i) {
        EXPECT_EQ(loaded.Fields(i).FieldName(), contacts->Fields(i).FieldName());
        EXPECT_EQ(loaded.Fields(i).DataType(), contacts->Fields(i).DataType());
        EXPECT_EQ(loaded.Fields(i).Size(), contacts->Fields(i).Size());
    }
    ASSERT_EQ(loaded.IndexDefs().size(), 1u);
    EXPECT_EQ(loaded.IndexDefs()[0].Name, "TabellaRubricaIndexDenominazione");
    EXPECT_EQ(loaded.IndexDefs()[0].Fields, "Denominazione");
    EXPECT_TRUE(loaded.IndexDefs()[0].Options == TIndexOptions{ixUnique});

    // Same records, in the order they were saved.
    EXPECT_EQ(columnText(loaded, "Denominazione"),
              QStringList({"bianchi", "Conti", QString::fromUtf8("Società Rossi & C.")}));
    contacts->First();
    for (loaded.First(); !loaded.Eof(); loaded.Next(), contacts->Next()) {
        for (int i = 0; i < loaded.FieldCount(); ++i) {
            SCOPED_TRACE(loaded.Fields(i).FieldName().toStdString());
            EXPECT_EQ(loaded.Fields(i).IsNull(), contacts->Fields(i).IsNull());
            EXPECT_EQ(loaded.Fields(i).AsString(), contacts->Fields(i).AsString());
        }
    }

    loaded.Append();
    loaded.FieldByName("Denominazione").SetAsString("Conti");
    EXPECT_TRUE(failsWith<EMemTableError>([&] { loaded.Post(); },
                                          "Duplicate index value. Operation aborted."));
}

TEST_F(BinaryFormatWrite, RecordsAreWrittenInTheCurrentOrder)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 26), hm(8, 0), "c");
    addAppointment(*agenda, day(2004, 12, 25), hm(16, 0), "b");
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "a");
    auto format = makeSaveFormat();

    agenda->SaveToFileViaFormat(filePath("righe.dat"), format.get());
    agenda->SortOn("Giorno;Ora", {});
    agenda->SaveToFileViaFormat(filePath("ordinato.dat"), format.get());

    auto loaded = makeAgendaTable();
    loaded->LoadFromFileViaFormat(filePath("righe.dat"), format.get());
    EXPECT_EQ(columnText(*loaded, "Commento"), QStringList({"c", "b", "a"}));
    loaded->LoadFromFileViaFormat(filePath("ordinato.dat"), format.get());
    EXPECT_EQ(columnText(*loaded, "Commento"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(recordIds(*loaded), std::vector<int>({0, 1, 2}));
}

TEST_F(BinaryFormatWrite, SavingLeavesTheTableAsItWas)
{
    auto agenda = makeAgendaTable();
    for (int i = 0; i < 5; ++i)
        addAppointment(*agenda, day(2004, 12, 30 - i), hm(9, 30), QString::number(i));
    agenda->SortOn("Giorno;Ora", {});
    agenda->First();
    agenda->Next();
    agenda->Next();
    const QString current = agenda->FieldByName("Commento").AsString();

    auto format = makeSaveFormat();
    agenda->SaveToFileViaFormat(filePath("Agenda.dat"), format.get());
    EXPECT_EQ(agenda->CursorPosition(), 2);
    EXPECT_EQ(agenda->FieldByName("Commento").AsString(), current);
    EXPECT_EQ(agenda->CurrentIndex()->Name, "__MT__DEFSORT");
    EXPECT_EQ(agenda->State(), dsBrowse);
    EXPECT_EQ(agenda->RecordCount(), 5);
    EXPECT_FALSE(agenda->ControlsDisabled());
}

TEST_F(BinaryFormatWrite, AccentedTextRoundTrip)
{
    auto notes = makeNotesTable();
    const QString text = QString::fromUtf8("Perché è già l'ora? Costa 5 € più IVA");
    addNote(*notes, day(2004, 12, 25), text);
    auto format = makeSaveFormat();
    notes->SaveToFileViaFormat(filePath("Note.ctg"), format.get());
    const QByteArray cp1252 = "Perch\xe9 \xe8 gi\xe0 l'ora? Costa 5 \x80 pi\xf9 IVA";
    EXPECT_TRUE(readFileBytes(filePath("Note.ctg")).contains(char(cp1252.size()) + cp1252));

    auto loaded = makeNotesTable();
    loaded->LoadFromFileViaFormat(filePath("Note.ctg"), format.get());
    EXPECT_EQ(loaded->FieldByName("Commento").AsString(), text);
}

TEST_F(BinaryFormatWrite, WithoutAFormatNothingIsWritten)
{
    auto notes = makeNotesTable();
    EXPECT_TRUE(
        failsWith<EStoreError>([&] { notes->SaveToFileViaFormat(filePath("Note.ctg"), nullptr); },
                               "No format specified."));
}

// The programs and tools use the format objects as constructed: they must start with the
// settings the organiser's data files and exports are written with.
TEST(FormatObjects, StartWithTheOrganisersSettings)
{
    using Flag = TSaveLoadFlag TStreamFormatSettings::*;
    const std::pair<const char*, Flag> flags[] = {
        {"sfUsingIndex", &TStreamFormatSettings::sfUsingIndex},
        {"sfData", &TStreamFormatSettings::sfData},
        {"sfCalculated", &TStreamFormatSettings::sfCalculated},
        {"sfLookup", &TStreamFormatSettings::sfLookup},
        {"sfNonVisible", &TStreamFormatSettings::sfNonVisible},
        {"sfBlobs", &TStreamFormatSettings::sfBlobs},
        {"sfDef", &TStreamFormatSettings::sfDef},
        {"sfIndexDef", &TStreamFormatSettings::sfIndexDef},
        {"sfFiltered", &TStreamFormatSettings::sfFiltered},
        {"sfIgnoreRange", &TStreamFormatSettings::sfIgnoreRange},
        {"sfIgnoreMasterDetail", &TStreamFormatSettings::sfIgnoreMasterDetail},
        {"sfDeltas", &TStreamFormatSettings::sfDeltas},
        {"sfDontFilterDeltas", &TStreamFormatSettings::sfDontFilterDeltas},
        {"sfAppend", &TStreamFormatSettings::sfAppend},
        {"sfFieldKind", &TStreamFormatSettings::sfFieldKind},
        {"sfFromStart", &TStreamFormatSettings::sfFromStart},
        {"sfLocalFormat", &TStreamFormatSettings::sfLocalFormat},
        {"sfQuoteOnlyStrings", &TStreamFormatSettings::sfQuoteOnlyStrings},
        {"sfNoHeader", &TStreamFormatSettings::sfNoHeader},
        {"sfPlaceHolders", &TStreamFormatSettings::sfPlaceHolders},
    };
    const TBinaryStreamFormat binary;
    const TCSVStreamFormat csv;
    const auto wantedBinary = makeSaveFormat();
    const auto wantedCsv = makeCsvFormat();
    for (const auto& [name, flag] : flags) {
        SCOPED_TRACE(name);
        EXPECT_EQ((binary.Settings.*flag).Save, (wantedBinary->Settings.*flag).Save);
        EXPECT_EQ((binary.Settings.*flag).Load, (wantedBinary->Settings.*flag).Load);
        EXPECT_EQ((csv.Settings.*flag).Save, (wantedCsv->Settings.*flag).Save);
        EXPECT_EQ((csv.Settings.*flag).Load, (wantedCsv->Settings.*flag).Load);
    }
    EXPECT_EQ(binary.BufferSize(), 16384);
    EXPECT_EQ(csv.CSVQuote, wantedCsv->CSVQuote);
    EXPECT_EQ(csv.CSVFieldDelimiter, wantedCsv->CSVFieldDelimiter);
    EXPECT_EQ(csv.CSVRecordDelimiter, wantedCsv->CSVRecordDelimiter);
    EXPECT_EQ(csv.CSVTrueString, wantedCsv->CSVTrueString);
    EXPECT_EQ(csv.CSVFalseString, wantedCsv->CSVFalseString);
}

} // namespace
