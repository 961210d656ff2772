// Locate: key conversion, options, the first match in the current order, and its errors.
#include "QtPrinters.h"
#include "Tables.h"
#include "TempFolder.h"
#include "Throws.h"

#include <gtest/gtest.h>

namespace {

TVariant dayAndTime(TDateTime d, TDateTime t)
{
    return TVariant::array({TVariant::fromDateTime(d), TVariant::fromDateTime(t)});
}

TEST(TableLocate, EmptyTableFindsNothing)
{
    auto agenda = makeAgendaTable();
    EXPECT_FALSE(agenda->Locate("Commento", TVariant("Natale")));
    EXPECT_FALSE(agenda->Locate("Giorno;Ora", dayAndTime(day(2004, 12, 25), hm(9, 30))));
}

class DayAndTime : public ::testing::Test
{
protected:
    void SetUp() override
    {
        agenda = makeAgendaTable();
        addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "nove e mezza");
        addAppointment(*agenda, day(2004, 12, 25), hm(0, 0), "mezzanotte");
        addAppointment(*agenda, day(2004, 12, 26), hm(9, 30), "santo stefano");
        agenda->Append();
        agenda->FieldByName("Giorno").SetAsDateTime(day(2004, 12, 27));
        agenda->FieldByName("Commento").SetAsString("senza ora");
        agenda->Post();
        agenda->SortOn("Giorno;Ora", {});
    }

    // The comment of the record found, or "-" when none is.
    QString found(const TVariant& key)
    {
        if (!agenda->Locate("Giorno;Ora", key))
            return "-";
        return agenda->FieldByName("Commento").AsString();
    }

    std::unique_ptr<TMemTable> agenda;
};

TEST_F(DayAndTime, MatchesExactlyThatDayAndMillisecond)
{
    EXPECT_EQ(found(dayAndTime(day(2004, 12, 25), hm(9, 30))), "nove e mezza");
    EXPECT_EQ(found(dayAndTime(day(2004, 12, 26), hm(9, 30))), "santo stefano");
    EXPECT_EQ(found(dayAndTime(day(2004, 12, 25), hm(9, 30) + 1.0 / datetime::MSecsPerDay)), "-");
    EXPECT_EQ(found(dayAndTime(day(2004, 12, 25), hm(0, 0))), "mezzanotte");
}

TEST_F(DayAndTime, DateTimeKeysKeepTheirDateOrTimePart)
{
    const TDateTime when = day(2004, 12, 26) + hm(9, 30);
    EXPECT_EQ(found(dayAndTime(when, when)), "santo stefano");
}

TEST_F(DayAndTime, NullTimeMatchesOnlyANullKey)
{
    EXPECT_EQ(found(dayAndTime(day(2004, 12, 27), hm(9, 30))), "-");
    EXPECT_EQ(found(dayAndTime(day(2004, 12, 27), hm(0, 0))), "-");
    EXPECT_EQ(found(TVariant::array({TVariant::fromDateTime(day(2004, 12, 27)), TVariant::null()})),
              "senza ora");
    EXPECT_EQ(found(TVariant::array({TVariant::fromDateTime(day(2004, 12, 27)), TVariant()})),
              "senza ora");
}

TEST_F(DayAndTime, NotFoundLeavesTheCursorWhereItWas)
{
    agenda->First();
    agenda->Next();
    const int position = agenda->CursorPosition();
    EXPECT_EQ(found(dayAndTime(day(2005, 1, 1), hm(9, 30))), "-");
    EXPECT_EQ(agenda->CursorPosition(), position);
}

class MidnightAfterReload : public TempFolderTest
{
};

TEST_F(MidnightAfterReload, NoLongerMatchesMidnight)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(0, 0), "mezzanotte");
    auto format = makeSaveFormat();
    agenda->SaveToFileViaFormat(filePath("Agenda.dat"), format.get());
    agenda->LoadFromFileViaFormat(filePath("Agenda.dat"), format.get());
    EXPECT_FALSE(agenda->Locate("Giorno;Ora", dayAndTime(day(2004, 12, 25), hm(0, 0))));
    EXPECT_TRUE(agenda->Locate(
        "Giorno;Ora",
        TVariant::array({TVariant::fromDateTime(day(2004, 12, 25)), TVariant::null()})));
}

TEST(TableLocate, TextAndIntegerKeys)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "Natale");
    agenda->Append();
    agenda->FieldByName("Commento").SetAsString("");
    agenda->FieldByName("Importanza").SetAsInteger(2);
    agenda->FieldByName("Preavviso").SetAsString("00.15");
    agenda->Post();
    agenda->Append();
    agenda->FieldByName("Importanza").SetAsInteger(-1);
    agenda->Post();

    EXPECT_TRUE(agenda->Locate("Importanza", TVariant(2)));
    EXPECT_EQ(agenda->FieldByName("Preavviso").AsString(), "00.15");
    EXPECT_TRUE(agenda->Locate("Importanza", TVariant(-1)));
    EXPECT_TRUE(agenda->FieldByName("Commento").IsNull());

    // An empty text is a value: it finds the empty comment, not the null one.
    ASSERT_TRUE(agenda->Locate("Commento", TVariant("")));
    EXPECT_EQ(agenda->FieldByName("Importanza").AsInteger(), 2);

    EXPECT_FALSE(agenda->Locate("Commento", TVariant("natale")));
    EXPECT_TRUE(agenda->Locate("Commento", TVariant("natale"), {loCaseInsensitive}));
    EXPECT_TRUE(agenda->Locate("Commento", TVariant("Nat"), {loPartialKey}));
    EXPECT_FALSE(agenda->Locate("Commento", TVariant("Nat")));
}

TEST(TableLocate, TextLongerThanTheFieldNeverMatches)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Preavviso").SetAsString("00.15");
    agenda->Post();
    EXPECT_FALSE(agenda->Locate("Preavviso", TVariant("00.15x")));
    EXPECT_FALSE(agenda->Locate("Preavviso", TVariant("00.15x"), {loPartialKey}));
    EXPECT_TRUE(agenda->Locate("Preavviso", TVariant("00.15")));
}

// A proper prefix settles the comparison: the fields after it are not looked at.
TEST(TableLocate, PartialMatchStopsAtThePrefixField)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Bianchi", "Anna");
    addContact(*contacts, "Rossi", "Mario");
    auto nameAndSurname = [](const char* name, const char* surname) {
        return TVariant::array({TVariant(name), TVariant(surname)});
    };
    EXPECT_TRUE(
        contacts->Locate("Denominazione;Cognome", nameAndSurname("Ro", "Verdi"), {loPartialKey}));
    EXPECT_EQ(contacts->FieldByName("Denominazione").AsString(), "Rossi");
    EXPECT_FALSE(contacts->Locate("Denominazione;Cognome", nameAndSurname("Rossi", "Verdi"),
                                  {loPartialKey}));
    EXPECT_TRUE(
        contacts->Locate("Denominazione;Cognome", nameAndSurname("Rossi", "Ma"), {loPartialKey}));
    EXPECT_FALSE(contacts->Locate("Denominazione;Cognome", nameAndSurname("Rossi", "Ma")));
}

TEST(TableLocate, IgnoresTheSortOptionsOfTheTable)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Rossi");
    contacts->SortOn("Denominazione;Cognome;Nome", contacts->SortOptions());
    EXPECT_FALSE(contacts->Locate("Denominazione", TVariant("ROSSI")));
    EXPECT_TRUE(contacts->Locate("Denominazione", TVariant("ROSSI"), {loCaseInsensitive}));
}

TEST(TableLocate, PostsAPendingRecordFirst)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "vecchia");
    notes->Append();
    notes->FieldByName("Commento").SetAsString("nuova");
    EXPECT_TRUE(notes->Locate("Commento", TVariant("nuova")));
    EXPECT_EQ(notes->State(), dsBrowse);
    EXPECT_EQ(notes->RecordCount(), 2);
}

TEST(TableLocate, FirstOfEqualKeysInTheCurrentOrder)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 3), "doppia");
    addNote(*notes, day(2004, 12, 1), "doppia");
    addNote(*notes, day(2004, 12, 2), "doppia");

    ASSERT_TRUE(notes->Locate("Commento", TVariant("doppia")));
    EXPECT_EQ(notes->FieldByName("Data").AsDateTime(), day(2004, 12, 3));
    notes->SortOn("Data", {});
    ASSERT_TRUE(notes->Locate("Commento", TVariant("doppia")));
    EXPECT_EQ(notes->FieldByName("Data").AsDateTime(), day(2004, 12, 1));
    EXPECT_EQ(notes->CursorPosition(), 0);
}

struct LocateError
{
    const char* label;
    const char* fields;
    TVariant values;
    const char* message;
};

class LocateFails : public ::testing::TestWithParam<LocateError>
{
};

TEST_P(LocateFails, WithItsTextAndLeavesTheCursor)
{
    const LocateError& c = GetParam();
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "Natale");
    addAppointment(*agenda, day(2004, 12, 26), hm(9, 30), "Santo Stefano");
    agenda->First();
    agenda->Next();
    EXPECT_TRUE(failsWith<EMemTableError>([&] { agenda->Locate(c.fields, c.values); },
                                          QString::fromUtf8(c.message)));
    EXPECT_EQ(agenda->CursorPosition(), 1);
    EXPECT_EQ(agenda->State(), dsBrowse);
}

INSTANTIATE_TEST_SUITE_P(
    TableLocate, LocateFails,
    ::testing::Values(LocateError{"UnknownField", "Pippo", TVariant("x"),
                                  "TabellaAgenda: Field 'Pippo' not found"},
                      LocateError{"UnknownSecondField", "Commento;Pippo",
                                  TVariant::array({TVariant("Natale"), TVariant("x")}),
                                  "TabellaAgenda: Field 'Pippo' not found"},
                      LocateError{"MoreFieldsThanValues", "Giorno;Ora",
                                  TVariant::fromDateTime(38346.0), "More fields than values"},
                      LocateError{"ArrayOfTwoDimensions", "Giorno;Ora",
                                  TVariant::array({TVariant::fromDateTime(38346.0),
                                                   TVariant::fromDateTime(0.5)},
                                                  2),
                                  "Values variant array has invalid dimension count"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TableLocate, SortOnAnUnknownFieldFails)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "Natale");
    agenda->SortOn("Giorno", {});
    EXPECT_TRUE(failsWith<EMemTableError>([&] { agenda->SortOn("Giorno;Pippo", {}); },
                                          "TabellaAgenda: Field 'Pippo' not found"));
    EXPECT_EQ(agenda->RecordCount(), 1);
}

TEST(TableLocate, BlobFieldsCannotBeSearchedOrSorted)
{
    TMemTable table("TabellaTesti");
    table.AddFieldDef("Titolo", ftString, 32);
    table.AddFieldDef("Testo", ftMemo);
    table.Open();
    table.Append();
    table.FieldByName("Titolo").SetAsString("uno");
    table.Post();
    EXPECT_TRUE(failsWith<EMemTableError>([&] { table.Locate("Testo", TVariant("x")); },
                                          "Can't index on field Testo"));
    EXPECT_TRUE(failsWith<EMemTableError>([&] { table.SortOn("Titolo;Testo", {}); },
                                          "Can't index on field Testo"));
}

// Position of the first record, in the current order, that passes the test; -1 when none.
template <typename Pred> int firstPositionWhere(TMemTable& table, Pred pred)
{
    int position = 0;
    for (table.First(); !table.Eof(); table.Next(), ++position)
        if (pred(table))
            return position;
    return -1;
}

// Over more than 20 records sorted on exactly the searched fields the search may bisect the
// order; otherwise it scans. Either way it must stop on the first match of the current order.
class FirstMatchOfManyRecords : public ::testing::TestWithParam<const char*>
{
};

TEST_P(FirstMatchOfManyRecords, SameAsAWalk)
{
    auto notes = makeNotesTable();
    unsigned seed = 4242;
    for (int i = 0; i < 60; ++i) {
        seed = seed * 1103515245u + 12345u;
        addNote(*notes, day(2004, 12, 1) + 2 * ((seed >> 16) % 10), QString::number(i % 7));
    }
    notes->SortOn(GetParam(), {});

    auto checkEveryDay = [&] {
        for (int offset = -1; offset <= 20; ++offset) {
            const TDateTime sought = day(2004, 12, 1) + offset;
            SCOPED_TRACE(offset);
            const int expected = firstPositionWhere(
                *notes, [&](TMemTable& t) { return t.FieldByName("Data").AsDateTime() == sought; });
            notes->First();
            notes->Next();
            const bool found = notes->Locate("Data", TVariant::fromDateTime(sought));
            EXPECT_EQ(found, expected >= 0);
            EXPECT_EQ(notes->CursorPosition(), found ? expected : 1);
        }
    };
    checkEveryDay();
    // Posted records join the order without a full sort.
    for (int i = 0; i < 10; ++i)
        addNote(*notes, day(2004, 12, 1) + 2 * i, "nuova");
    checkEveryDay();
}

INSTANTIATE_TEST_SUITE_P(TableLocate, FirstMatchOfManyRecords,
                         ::testing::Values("Data", "Data;Commento", "Commento;Data", ""),
                         [](const auto& info) {
                             QString name = QString::fromUtf8(info.param).remove(';');
                             return name.isEmpty() ? std::string("RowOrder") : name.toStdString();
                         });

// The address book's letter tabs: a case-insensitive prefix search on the name.
struct LetterTab
{
    const char* label;
    const char* sortFields;
    TMemTableCompareOptions sortOptions;
};

class ContactsLetterTab : public ::testing::TestWithParam<LetterTab>
{
};

TEST_P(ContactsLetterTab, FindsTheFirstNameWithThatPrefix)
{
    auto contacts = makeContactsTable();
    const char* names[] = {"Zanetti",  "marco",    "Bianchi",  "Mario",    "Ferri",  "mirtillo",
                           "Conti",    "MORETTI",  "Alberti",  "Mela",     "Neri",   "Martini",
                           "Galli",    "Lombardi", "monti",    "Esposito", "Ricci",  "Gallo",
                           "Romano",   "Colombo",  "Bruno",    "Greco",    "Marino", "Costa",
                           "Giordano", "Rizzo",    "Lombardo", "Moretto"};
    for (const char* n : names)
        addContact(*contacts, n, "Cognome", "Nome");
    contacts->SortOn(GetParam().sortFields, GetParam().sortOptions);
    ASSERT_GT(contacts->RecordCount(), 20);

    for (const char* prefix : {"m", "M", "ma", "mo", "g", "z", "Lomb", "q"}) {
        SCOPED_TRACE(prefix);
        const int expected = firstPositionWhere(*contacts, [&](TMemTable& t) {
            return t.FieldByName("Denominazione")
                .AsString()
                .startsWith(QString::fromUtf8(prefix), Qt::CaseInsensitive);
        });
        contacts->First();
        const bool found =
            contacts->Locate("Denominazione", TVariant(prefix), {loCaseInsensitive, loPartialKey});
        EXPECT_EQ(found, expected >= 0);
        EXPECT_EQ(contacts->CursorPosition(), found ? expected : 0);
    }

    contacts->First();
    contacts->Next();
    EXPECT_TRUE(contacts->Locate("Denominazione", TVariant(""), {loCaseInsensitive, loPartialKey}));
    EXPECT_EQ(contacts->CursorPosition(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    TableLocate, ContactsLetterTab,
    ::testing::Values(
        LetterTab{"AddressBookOrder", "Denominazione;Cognome;Nome", {mtcoCaseInsensitive}},
        LetterTab{"NameOnly", "Denominazione", {mtcoCaseInsensitive}},
        LetterTab{"NameOnlyCaseSensitive", "Denominazione", {}}, LetterTab{"RowOrder", "", {}}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
