// Field values: what each type keeps of an assignment and how it reads back.
#include "QtPrinters.h"
#include "Tables.h"
#include "Throws.h"

#include <gtest/gtest.h>

namespace {

TEST(TableFields, FieldByNameIgnoresCase)
{
    auto agenda = makeAgendaTable();
    EXPECT_EQ(agenda->FieldByName("commento").FieldName(), "Commento");
    EXPECT_EQ(agenda->FieldByName("GIORNO").DataType(), ftDate);
    EXPECT_EQ(agenda->FieldByName("Descrizione").Size(), 1024);
}

TEST(TableFields, UnknownFieldNamesTableAndField)
{
    auto agenda = makeAgendaTable();
    EXPECT_TRUE(failsWith<EMemTableError>([&] { agenda->FieldByName("Pippo"); },
                                          "TabellaAgenda: Field 'Pippo' not found"));
    EXPECT_EQ(agenda->FindField("Pippo"), nullptr);
}

TEST(TableFields, NewRecordHasEveryFieldNull)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    for (int i = 0; i < agenda->FieldCount(); ++i)
        EXPECT_TRUE(agenda->Fields(i).IsNull()) << agenda->Fields(i).FieldName().toStdString();
    agenda->FieldByName("Commento").SetAsString("x");
    agenda->Post();
    agenda->First();
    EXPECT_TRUE(agenda->FieldByName("Giorno").IsNull());
    EXPECT_TRUE(agenda->FieldByName("Importanza").IsNull());
    EXPECT_FALSE(agenda->FieldByName("Commento").IsNull());
}

// What a string field stores of a text: at most its size in Windows-1252 bytes, up to the
// first zero byte; an empty text is a value, not null.
struct StoredText
{
    const char* label;
    const char* field;
    QByteArray assigned; // Windows-1252 bytes given to SetAsBytes
    QByteArray stored;
};

class TextStorage : public ::testing::TestWithParam<StoredText>
{
};

TEST_P(TextStorage, KeepsWhatTheFieldHolds)
{
    const StoredText& c = GetParam();
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName(c.field).SetAsBytes(c.assigned);
    agenda->Post();
    agenda->First();
    const TField& f = agenda->FieldByName(c.field);
    EXPECT_FALSE(f.IsNull());
    EXPECT_EQ(f.AsBytes(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TableFields, TextStorage,
    ::testing::Values(StoredText{"LongTextCutToSize", "Commento", QByteArray(300, 'x'),
                                 QByteArray(256, 'x')},
                      StoredText{"AccentedTextCutInBytes", "Commento", QByteArray(300, '\xe8'),
                                 QByteArray(256, '\xe8')},
                      StoredText{"ExactlyTheSize", "Preavviso", "00.15", "00.15"},
                      StoredText{"OneByteTooMany", "Preavviso", "00.150", "00.15"},
                      StoredText{"EmptyTextIsNotNull", "Commento", "", ""},
                      StoredText{"TrailingBlanksKept", "Commento", "Natale  ", "Natale  "},
                      StoredText{"EndsAtZeroByte", "Commento", QByteArray("ab\0cd", 5), "ab"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TableFields, UnicodeTextIsStoredAsWindows1252)
{
    auto agenda = makeAgendaTable();
    const QString text = QString::fromUtf8("Caffè già pagato: 5 €");
    agenda->Append();
    agenda->FieldByName("Commento").SetAsString(text);
    agenda->Post();
    agenda->First();
    EXPECT_EQ(agenda->FieldByName("Commento").AsBytes(),
              QByteArray("Caff\xe8 gi\xe0 pagato: 5 \x80"));
    EXPECT_EQ(agenda->FieldByName("Commento").AsString(), text);
}

TEST(TableFields, SizeCountsBytesOfAccentedText)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Preavviso").SetAsString(QString::fromUtf8("èàèàèà"));
    agenda->Post();
    agenda->First();
    EXPECT_EQ(agenda->FieldByName("Preavviso").AsString(), QString::fromUtf8("èàèàè"));
}

TEST(TableFields, DateKeepsTheDayTimeKeepsTheTimeOfDay)
{
    auto agenda = makeAgendaTable();
    const TDateTime christmasMorning = day(2004, 12, 25) + hm(9, 30);
    agenda->Append();
    agenda->FieldByName("Giorno").SetAsDateTime(christmasMorning);
    agenda->FieldByName("Ora").SetAsDateTime(christmasMorning);
    agenda->Post();
    agenda->First();

    EXPECT_EQ(agenda->FieldByName("Giorno").AsDateTime(), 38346.0);
    const TDateTime time = agenda->FieldByName("Ora").AsDateTime();
    EXPECT_EQ(datetime::dateDay(time), 0);
    EXPECT_EQ(datetime::timeMsecs(time), 34200000);
}

TEST(TableFields, TimeIsRoundedToTheMillisecond)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Ora").SetAsDateTime(hm(9, 30) + 0.7 / datetime::MSecsPerDay);
    agenda->Post();
    agenda->First();
    EXPECT_EQ(datetime::timeMsecs(agenda->FieldByName("Ora").AsDateTime()), 34200001);
}

TEST(TableFields, DateAndTimeTextsUseTheOrganiserConventions)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Giorno").SetAsString("25/12/2004");
    agenda->FieldByName("Ora").SetAsString("9.30.00");
    agenda->Post();
    agenda->First();
    EXPECT_EQ(agenda->FieldByName("Giorno").AsDateTime(), day(2004, 12, 25));
    EXPECT_EQ(agenda->FieldByName("Giorno").AsString(), "25/12/2004");
    EXPECT_EQ(datetime::timeMsecs(agenda->FieldByName("Ora").AsDateTime()), 34200000);
    EXPECT_EQ(agenda->FieldByName("Ora").AsString(), "9.30.00");
}

TEST(TableFields, EmptyTextMakesDateAndTimeNull)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Giorno").SetAsDateTime(day(2004, 12, 25));
    agenda->FieldByName("Ora").SetAsDateTime(hm(9, 30));
    agenda->FieldByName("Giorno").SetAsString("");
    agenda->FieldByName("Ora").SetAsString("");
    agenda->Post();
    agenda->First();
    EXPECT_TRUE(agenda->FieldByName("Giorno").IsNull());
    EXPECT_TRUE(agenda->FieldByName("Ora").IsNull());
}

TEST(TableFields, IntegerBooleanAndClear)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Importanza").SetAsInteger(-2147483647 - 1);
    agenda->FieldByName("InviaMail").SetAsBoolean(true);
    agenda->FieldByName("Mail").SetAsString("a@b.it");
    agenda->FieldByName("Mail").Clear();
    agenda->Post();
    agenda->First();
    EXPECT_EQ(agenda->FieldByName("Importanza").AsInteger(), -2147483647 - 1);
    EXPECT_TRUE(agenda->FieldByName("InviaMail").AsBoolean());
    EXPECT_TRUE(agenda->FieldByName("Mail").IsNull());
}

} // namespace
