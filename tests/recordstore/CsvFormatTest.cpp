// The CSV export of the appointments and of an address book.
#include "FailingDevice.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "RegionalSettings.h"
#include "Tables.h"
#include "TempFolder.h"
#include "Throws.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray AgendaHeader =
    "\"Giorno\",\"Ora\",\"Commento\",\"Descrizione\",\"Importanza\",\"Preavviso\","
    "\"InviaMail\",\"Mail\",\r\n";
const QByteArray ContactsHeader =
    "\"Denominazione\",\"Cognome\",\"Nome\",\"CodiceFiscale\",\"PartitaIVA\",\"Indirizzo\","
    "\"Citta\",\"Provincia\",\"CAP\",\"Nazione\",\"Cellulare1\",\"Cellulare2\",\"TelefonoCasa\","
    "\"TelefonoUfficio\",\"Fax\",\"Mail1\",\"Mail2\",\"Grado\",\"Note\",\r\n";

class CsvExport : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        m_userSettings = regional::settings();
    }
    void TearDown() override { regional::setSettings(m_userSettings); }

    QByteArray exportTable(TMemTable& table)
    {
        const QString path = filePath("Esportazione.csv");
        auto format = makeCsvFormat();
        table.SaveToFileViaFormat(path, format.get());
        return readFileBytes(path);
    }

    // The appointment of the example line: Christmas at 9:30 with a two-line description.
    static void addChristmas(TMemTable& agenda)
    {
        agenda.Append();
        agenda.FieldByName("Giorno").SetAsDateTime(day(2004, 12, 25));
        agenda.FieldByName("Ora").SetAsDateTime(hm(9, 30));
        agenda.FieldByName("Commento").SetAsString("Natale");
        agenda.FieldByName("Descrizione").SetAsString("prima riga\r\nseconda riga");
        agenda.FieldByName("Importanza").SetAsInteger(2);
        agenda.FieldByName("InviaMail").SetAsBoolean(false);
        agenda.FieldByName("Mail").SetAsString("");
        agenda.Post();
    }

    TFormatSettings m_userSettings;
};

const QByteArray ChristmasLine =
    "\"25/12/2004\",\"9:30:00\",\"Natale\",\"prima riga%c%nseconda riga\",\"2\",,\"False\","
    "\"\",\r\n";

TEST_F(CsvExport, EmptyTablesGiveTheHeaderOnly)
{
    auto agenda = makeAgendaTable();
    EXPECT_EQ(exportTable(*agenda), AgendaHeader);
    auto contacts = makeContactsTable();
    EXPECT_EQ(exportTable(*contacts), ContactsHeader);
}

TEST_F(CsvExport, AppointmentLine)
{
    auto agenda = makeAgendaTable();
    addChristmas(*agenda);
    EXPECT_EQ(exportTable(*agenda), AgendaHeader + ChristmasLine);
}

TEST_F(CsvExport, FixedFormsWhateverTheUserSettings)
{
    TFormatSettings other = m_userSettings;
    other.DateSeparator = u'-';
    other.TimeSeparator = u'.';
    other.DecimalSeparator = u',';
    regional::setSettings(other);

    auto agenda = makeAgendaTable();
    addChristmas(*agenda);
    EXPECT_EQ(exportTable(*agenda), AgendaHeader + ChristmasLine);

    // The user's settings are back afterwards.
    EXPECT_EQ(regional::settings().DateSeparator, u'-');
    EXPECT_EQ(regional::settings().TimeSeparator, u'.');
    EXPECT_EQ(regional::settings().DecimalSeparator, u',');
}

TEST_F(CsvExport, HoursWithALeadingZeroWhenTheUserWritesThem)
{
    TFormatSettings other = m_userSettings;
    other.LongTimeLeadingZero = true;
    regional::setSettings(other);
    auto agenda = makeAgendaTable();
    addChristmas(*agenda);
    EXPECT_TRUE(exportTable(*agenda).contains("\"25/12/2004\",\"09:30:00\",\"Natale\""));
}

TEST_F(CsvExport, SettingsComeBackAfterAFailedExport)
{
    TFormatSettings other = m_userSettings;
    other.DateSeparator = u'-';
    regional::setSettings(other);
    auto agenda = makeAgendaTable();
    addChristmas(*agenda);
    FailingDevice device(0);
    auto format = makeCsvFormat();
    EXPECT_TRUE(failsWith<EStoreError>([&] { agenda->SaveToStreamViaFormat(device, format.get()); },
                                       "Stream write error"));
    EXPECT_EQ(regional::settings().DateSeparator, u'-');
    EXPECT_EQ(agenda->RecordCount(), 1);
}

TEST_F(CsvExport, MissingFolderCannotBeCreated)
{
    auto agenda = makeAgendaTable();
    auto format = makeCsvFormat();
    const QString path = filePath("Manca/Agenda.csv");
    EXPECT_TRUE(failsWith<EStoreError>([&] { agenda->SaveToFileViaFormat(path, format.get()); },
                                       "Cannot create file " + path));
}

// The text of one value as it stands in the line of a one-field table.
struct CsvValue
{
    const char* label;
    TFieldType type;
    std::function<void(TField&)> assign; // nothing: null
    QByteArray text;
};

class CsvValueText : public TempFolderTest, public ::testing::WithParamInterface<CsvValue>
{
};

TEST_P(CsvValueText, WrittenAs)
{
    const CsvValue& c = GetParam();
    TMemTable table("TabellaProva");
    table.AddFieldDef("Campo", c.type, c.type == ftString ? 256 : 0);
    table.Open();
    table.Append();
    if (c.assign)
        c.assign(table.FieldByName("Campo"));
    else
        table.FieldByName("Campo").Clear();
    table.Post();

    auto format = makeCsvFormat();
    const QString path = filePath("Prova.csv");
    table.SaveToFileViaFormat(path, format.get());
    EXPECT_EQ(readFileBytes(path), "\"Campo\",\r\n" + c.text + ",\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    CsvExport, CsvValueText,
    ::testing::Values(
        CsvValue{"NullText", ftString, nullptr, ""},
        CsvValue{"EmptyText", ftString, [](TField& f) { f.SetAsString(""); }, "\"\""},
        CsvValue{"QuotesDoubled", ftString, [](TField& f) { f.SetAsString("detto \"il Rosso\""); },
                 "\"detto \"\"il Rosso\"\"\""},
        CsvValue{"PercentDoubled", ftString, [](TField& f) { f.SetAsString("sconto 10%"); },
                 "\"sconto 10%%\""},
        CsvValue{"PercentBeforeLetter", ftString, [](TField& f) { f.SetAsString("%n"); },
                 "\"%%n\""},
        CsvValue{"LineFeed", ftString, [](TField& f) { f.SetAsString("a\nb"); }, "\"a%nb\""},
        CsvValue{"CarriageReturn", ftString, [](TField& f) { f.SetAsString("a\rb"); }, "\"a%cb\""},
        CsvValue{"DelimiterInside", ftString, [](TField& f) { f.SetAsString("uno, due"); },
                 "\"uno, due\""},
        CsvValue{"TrailingBlanks", ftString, [](TField& f) { f.SetAsString("a  "); }, "\"a  \""},
        CsvValue{"Windows1252", ftString,
                 [](TField& f) { f.SetAsString(QString::fromUtf8("è già 5€")); },
                 "\"\xe8 gi\xe0 5\x80\""},
        CsvValue{"True", ftBoolean, [](TField& f) { f.SetAsBoolean(true); }, "\"True\""},
        CsvValue{"False", ftBoolean, [](TField& f) { f.SetAsBoolean(false); }, "\"False\""},
        CsvValue{"NullBoolean", ftBoolean, nullptr, ""},
        CsvValue{"Integer", ftInteger, [](TField& f) { f.SetAsInteger(1234567); }, "\"1234567\""},
        CsvValue{"NegativeInteger", ftInteger, [](TField& f) { f.SetAsInteger(-5); }, "\"-5\""},
        CsvValue{"Date", ftDate, [](TField& f) { f.SetAsDateTime(day(2005, 1, 7)); },
                 "\"07/01/2005\""},
        CsvValue{"Afternoon", ftTime, [](TField& f) { f.SetAsDateTime(hm(16, 5)); },
                 "\"16:05:00\""},
        CsvValue{"Seconds", ftTime,
                 [](TField& f) { f.SetAsDateTime(datetime::encodeTime(0, 0, 7)); }, "\"0:00:07\""},
        CsvValue{"NullTime", ftTime, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CsvExport, RecordsInTheCurrentOrder)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 26), hm(8, 0), "c");
    addAppointment(*agenda, day(2004, 12, 25), hm(16, 0), "b");
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "a");
    agenda->SortOn("Giorno;Ora", {});
    const QByteArray expected = AgendaHeader + "\"25/12/2004\",\"9:30:00\",\"a\",,,,,,\r\n" +
                                "\"25/12/2004\",\"16:00:00\",\"b\",,,,,,\r\n" +
                                "\"26/12/2004\",\"8:00:00\",\"c\",,,,,,\r\n";
    EXPECT_EQ(exportTable(*agenda), expected);
    EXPECT_EQ(agenda->CurrentIndex()->Name, "__MT__DEFSORT");
}

TEST_F(CsvExport, ContactsOfAnAddressBook)
{
    auto contacts = makeContactsTable();
    contacts->Append();
    contacts->FieldByName("Denominazione").SetAsString("Conti S.r.l.");
    contacts->FieldByName("Provincia").SetAsString("MI");
    contacts->FieldByName("Grado").SetAsInteger(3);
    contacts->FieldByName("Note").SetAsString(QString::fromUtf8("Sconto 5% sul listino \"base\""));
    contacts->Post();
    addContact(*contacts, "bianchi", "Bianchi", "Anna");
    contacts->SortOn("Denominazione;Cognome;Nome", contacts->SortOptions());

    const QByteArray expected =
        ContactsHeader + "\"bianchi\",\"Bianchi\",\"Anna\",,,,,,,,,,,,,,,,,\r\n" +
        "\"Conti S.r.l.\",,,,,,,\"MI\",,,,,,,,,,\"3\",\"Sconto 5%% sul listino \"\"base\"\"\",\r\n";
    EXPECT_EQ(exportTable(*contacts), expected);
}

TEST_F(CsvExport, HeaderUsesDisplayLabels)
{
    auto notes = makeNotesTable();
    notes->FieldByName("Data").SetDisplayLabel("Data \"nota\"");
    EXPECT_EQ(exportTable(*notes),
              "\"Data \"\"nota\"\"\",\"Commento\",\"Descrizione\",\"Priorita\",\r\n");
}

TEST_F(CsvExport, EveryLineEndsWithACommaBeforeTheLineBreak)
{
    auto agenda = makeAgendaTable();
    for (int i = 0; i < 20; ++i)
        addChristmas(*agenda);
    const QByteArray bytes = exportTable(*agenda);
    ASSERT_TRUE(bytes.endsWith(",\r\n"));
    const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
    EXPECT_EQ(lines.size(), 21);
    for (const QByteArray& line : lines)
        EXPECT_TRUE(line.endsWith(",\r") || line.endsWith(",")) << line.toStdString();
    EXPECT_EQ(bytes.count("\r\n"), 21);
}

} // namespace
