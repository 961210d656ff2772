// SortOn, keeping sort indexes up to date, and the order of equal keys.
#include "QtPrinters.h"
#include "Tables.h"
#include "TempFolder.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(TableSort, WalksInTheOrderOfTheFields)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 26), hm(8, 0), "d");
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "b");
    addAppointment(*agenda, day(2004, 12, 25), hm(16, 0), "c");
    addAppointment(*agenda, day(2004, 12, 25), hm(0, 0), "a");
    agenda->SortOn("Giorno;Ora", agenda->SortOptions());
    EXPECT_EQ(columnText(*agenda, "Commento"), QStringList({"a", "b", "c", "d"}));
    ASSERT_NE(agenda->CurrentIndex(), nullptr);
    EXPECT_EQ(agenda->CurrentIndex()->Name, "__MT__DEFSORT");
}

TEST(TableSort, BlanksAroundFieldNamesAreIgnored)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(16, 0), "b");
    addAppointment(*agenda, day(2004, 12, 25), hm(9, 30), "a");
    agenda->SortOn(" Giorno ; Ora ", {});
    EXPECT_EQ(columnText(*agenda, "Commento"), QStringList({"a", "b"}));
}

TEST(TableSort, NullsComeFirstThenValuesByType)
{
    auto agenda = makeAgendaTable();
    const struct
    {
        const char* comment;
        int importance; // -1000: null
        bool mail;
    } rows[] = {{"duecento", 200, true},
                {"nullo", -1000, false},
                {"meno", -5, true},
                {"tre", 3, false},
                {"zero", 0, true}};
    for (const auto& r : rows) {
        agenda->Append();
        agenda->FieldByName("Commento").SetAsString(r.comment);
        if (r.importance != -1000)
            agenda->FieldByName("Importanza").SetAsInteger(r.importance);
        agenda->FieldByName("InviaMail").SetAsBoolean(r.mail);
        agenda->Post();
    }
    agenda->SortOn("Importanza", {});
    EXPECT_EQ(columnText(*agenda, "Commento"),
              QStringList({"nullo", "meno", "zero", "tre", "duecento"}));
    agenda->SortOn("InviaMail;Importanza", {});
    EXPECT_EQ(columnText(*agenda, "Commento"),
              QStringList({"nullo", "tre", "meno", "zero", "duecento"}));
}

TEST(TableSort, NullTimeComesBeforeMidnight)
{
    auto agenda = makeAgendaTable();
    addAppointment(*agenda, day(2004, 12, 25), hm(0, 0), "mezzanotte");
    agenda->Append();
    agenda->FieldByName("Giorno").SetAsDateTime(day(2004, 12, 25));
    agenda->FieldByName("Commento").SetAsString("senza ora");
    agenda->Post();
    agenda->SortOn("Giorno;Ora", {});
    EXPECT_EQ(columnText(*agenda, "Commento"), QStringList({"senza ora", "mezzanotte"}));
}

// Contacts sorted as the address book does, and with a case-sensitive comparison. Texts are
// compared by collation, not by bytes: lower case does not follow all capitals and accented
// letters stand beside their plain ones.
struct CollationCase
{
    const char* label;
    TMemTableCompareOptions options;
    QStringList expected; // Denominazione/Cognome
};

class ContactsSort : public ::testing::TestWithParam<CollationCase>
{
};

TEST_P(ContactsSort, FollowsTheCollation)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Conti", "A");
    addContact(*contacts, "zebra", "A");
    addContact(*contacts, "Rossi", "A");
    addContact(*contacts, QString::fromUtf8("èlite"), "A");
    addContact(*contacts, "bianchi", "A");
    addContact(*contacts, "rossi", "B");
    addContact(*contacts, "elica", "A");
    contacts->SortOn("Denominazione;Cognome;Nome", GetParam().options);

    QStringList got;
    for (contacts->First(); !contacts->Eof(); contacts->Next())
        got << contacts->FieldByName("Denominazione").AsString() + "/" +
                   contacts->FieldByName("Cognome").AsString();
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TableSort, ContactsSort,
                         ::testing::Values(CollationCase{"CaseInsensitive",
                                                         {mtcoCaseInsensitive},
                                                         {"bianchi/A", "Conti/A", "elica/A",
                                                          QString::fromUtf8("èlite/A"), "Rossi/A",
                                                          "rossi/B", "zebra/A"}},
                                           CollationCase{"CaseSensitive",
                                                         {},
                                                         {"bianchi/A", "Conti/A", "elica/A",
                                                          QString::fromUtf8("èlite/A"), "rossi/B",
                                                          "Rossi/A", "zebra/A"}}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(TableSort, CurrentRecordStaysCurrent)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 3), "c");
    addNote(*notes, day(2004, 12, 1), "a");
    addNote(*notes, day(2004, 12, 2), "b");
    notes->First();
    notes->Next();
    ASSERT_EQ(notes->FieldByName("Commento").AsString(), "a");
    notes->SortOn("Data", {});
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), "a");
    EXPECT_EQ(notes->CursorPosition(), 0);

    notes->Next();
    notes->Next();
    ASSERT_EQ(notes->FieldByName("Commento").AsString(), "c");
    notes->SortOn("Commento", {mtcoDescending});
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), "c");
    EXPECT_EQ(notes->CursorPosition(), 0);
}

TEST(TableSort, EmptyFieldListGoesBackToRowOrder)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 3), "c");
    addNote(*notes, day(2004, 12, 1), "a");
    notes->SortOn("Data", {});
    notes->SortOn("  ", {});
    ASSERT_NE(notes->CurrentIndex(), nullptr);
    EXPECT_TRUE(notes->CurrentIndex()->IsRowOrder);
    EXPECT_EQ(notes->Indexes().find("__MT__DEFSORT"), nullptr);
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"c", "a"}));
}

TEST(TableSort, NewRecordGoesBeforeEqualKeysUntilTheNextSort)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 1), "a");
    addNote(*notes, day(2004, 12, 2), "b1");
    addNote(*notes, day(2004, 12, 2), "b2");
    addNote(*notes, day(2004, 12, 3), "c");
    notes->SortOn("Data", {});
    addNote(*notes, day(2004, 12, 2), "nuovo");
    addNote(*notes, day(2004, 12, 9), "ultimo");
    EXPECT_EQ(columnText(*notes, "Commento"),
              QStringList({"a", "nuovo", "b1", "b2", "c", "ultimo"}));
    notes->SortOn("Data", {});
    EXPECT_EQ(columnText(*notes, "Commento"),
              QStringList({"a", "b1", "b2", "nuovo", "c", "ultimo"}));
}

TEST(TableSort, EditedRecordMovesOnlyWhenItsKeyChanged)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 1), "a");
    addNote(*notes, day(2004, 12, 2), "c");
    addNote(*notes, day(2004, 12, 2), "d");
    addNote(*notes, day(2004, 12, 3), "e");
    notes->SortOn("Data", {});

    ASSERT_TRUE(notes->Locate("Commento", TVariant("c")));
    notes->Edit();
    notes->FieldByName("Descrizione").SetAsString("solo la descrizione");
    notes->Post();
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"a", "c", "d", "e"}));

    ASSERT_TRUE(notes->Locate("Commento", TVariant("e")));
    notes->Edit();
    notes->FieldByName("Data").SetAsDateTime(day(2004, 12, 2));
    notes->Post();
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"a", "e", "c", "d"}));
}

TEST(TableSort, EmptiedSortedTableKeepsItsOrder)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 5), "vecchia");
    notes->SortOn("Data", {});
    notes->EmptyTable();
    EXPECT_TRUE(notes->Active());
    EXPECT_EQ(notes->RecordCount(), 0);
    addNote(*notes, day(2004, 12, 3), "c");
    addNote(*notes, day(2004, 12, 1), "a");
    addNote(*notes, day(2004, 12, 2), "b");
    ASSERT_NE(notes->CurrentIndex(), nullptr);
    EXPECT_EQ(notes->CurrentIndex()->Name, "__MT__DEFSORT");
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"a", "b", "c"}));
}

TEST(TableSort, LargeTableComesOutOrdered)
{
    auto notes = makeNotesTable();
    unsigned seed = 12345;
    for (int i = 0; i < 500; ++i) {
        seed = seed * 1103515245u + 12345u;
        addNote(*notes, day(2004, 1, 1) + (seed >> 16) % 40,
                QString::number(i).rightJustified(4, '0'));
    }
    notes->SortOn("Data;Commento", {});
    ASSERT_EQ(notes->RecordCount(), 500);
    QSet<QString> seen;
    TDateTime lastDay = -1;
    QString lastComment;
    for (notes->First(); !notes->Eof(); notes->Next()) {
        const TDateTime d = notes->FieldByName("Data").AsDateTime();
        const QString c = notes->FieldByName("Commento").AsString();
        ASSERT_TRUE(d > lastDay || (d == lastDay && c > lastComment)) << c.toStdString();
        lastDay = d;
        lastComment = c;
        seen.insert(c);
    }
    EXPECT_EQ(seen.size(), 500);
}

class TableSortAfterLoad : public TempFolderTest
{
protected:
    // Saves the table in its current order and loads the file into a fresh notes table.
    std::unique_ptr<TMemTable> reload(TMemTable& table)
    {
        auto format = makeSaveFormat();
        const QString path = filePath("Categoria.ctg");
        table.SaveToFileViaFormat(path, format.get());
        auto loaded = makeNotesTable();
        loaded->LoadFromFileViaFormat(path, format.get());
        return loaded;
    }
};

TEST_F(TableSortAfterLoad, EqualKeysKeepFileOrderThenChangedRecordsFollow)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 2), "x");
    addNote(*notes, day(2004, 12, 1), "c");
    addNote(*notes, day(2004, 12, 1), "a");
    addNote(*notes, day(2004, 12, 1), "b");
    addNote(*notes, day(2004, 12, 3), "y");

    auto loaded = reload(*notes);
    EXPECT_EQ(recordIds(*loaded), std::vector<int>({0, 1, 2, 3, 4}));
    loaded->SortOn("Data", {});
    EXPECT_EQ(columnText(*loaded, "Commento"), QStringList({"c", "a", "b", "x", "y"}));

    ASSERT_TRUE(loaded->Locate("Commento", TVariant("c")));
    loaded->Edit();
    loaded->FieldByName("Descrizione").SetAsString("cambiata");
    loaded->Post();
    addNote(*loaded, day(2004, 12, 1), "n");
    loaded->SortOn("Data", {});

    const QStringList order = columnText(*loaded, "Commento");
    ASSERT_EQ(order.size(), 6);
    EXPECT_EQ(order.mid(0, 2), QStringList({"a", "b"}));
    EXPECT_EQ(QSet<QString>(order.begin() + 2, order.begin() + 4), QSet<QString>({"c", "n"}));
    EXPECT_EQ(order.mid(4), QStringList({"x", "y"}));
}

TEST_F(TableSortAfterLoad, ManyEqualKeysStayInFileOrder)
{
    auto notes = makeNotesTable();
    unsigned seed = 777;
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        addNote(*notes, day(2004, 12, 1) + (seed >> 16) % 5, QString::number(i));
    }
    auto loaded = reload(*notes);
    loaded->SortOn("Data", {});

    TDateTime lastDay = -1;
    int lastId = -1;
    int count = 0;
    for (loaded->First(); !loaded->Eof(); loaded->Next(), ++count) {
        const TDateTime d = loaded->FieldByName("Data").AsDateTime();
        const int id = loaded->CurrentRecordId();
        // Ids follow the file order, and so do the comments of this table.
        EXPECT_EQ(loaded->FieldByName("Commento").AsString(), QString::number(id));
        if (d == lastDay) {
            ASSERT_GT(id, lastId) << "at position " << count;
        } else {
            ASSERT_GT(d, lastDay);
        }
        lastDay = d;
        lastId = id;
    }
    EXPECT_EQ(count, 300);
}

} // namespace
