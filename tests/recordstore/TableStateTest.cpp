// Browse, edit and insert; open and closed.
#include "QtPrinters.h"
#include "Tables.h"
#include "Throws.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QString NotInEditMode = QStringLiteral("Dataset is not in edit mode.");
const QString ClosedDataset = QStringLiteral("Cannot perform this operation on a closed dataset");
const QString EmptyDataset = QStringLiteral("Cannot perform this operation on an empty dataset");

struct Assignment
{
    const char* label;
    std::function<void(TMemTable&)> assign;
};

class AssignmentInBrowseState : public ::testing::TestWithParam<Assignment>
{
};

TEST_P(AssignmentInBrowseState, FailsAndChangesNothing)
{
    auto agenda = makeAgendaTable();
    agenda->Append();
    agenda->FieldByName("Giorno").SetAsDateTime(day(2004, 12, 25));
    agenda->FieldByName("Ora").SetAsDateTime(hm(9, 30));
    agenda->FieldByName("Commento").SetAsString("Natale");
    agenda->FieldByName("Importanza").SetAsInteger(1);
    agenda->FieldByName("InviaMail").SetAsBoolean(false);
    agenda->Post();
    agenda->First();
    ASSERT_EQ(agenda->State(), dsBrowse);

    EXPECT_TRUE(failsWith<EMemTableError>([&] { GetParam().assign(*agenda); }, NotInEditMode));
    EXPECT_EQ(agenda->State(), dsBrowse);
    agenda->First();
    EXPECT_EQ(agenda->FieldByName("Giorno").AsDateTime(), day(2004, 12, 25));
    EXPECT_EQ(agenda->FieldByName("Commento").AsString(), "Natale");
    EXPECT_EQ(agenda->FieldByName("Importanza").AsInteger(), 1);
    EXPECT_FALSE(agenda->FieldByName("InviaMail").AsBoolean());
}

INSTANTIATE_TEST_SUITE_P(
    TableState, AssignmentInBrowseState,
    ::testing::Values(
        Assignment{"String", [](TMemTable& t) { t.FieldByName("Commento").SetAsString("x"); }},
        Assignment{"Bytes", [](TMemTable& t) { t.FieldByName("Commento").SetAsBytes("x"); }},
        Assignment{"Integer", [](TMemTable& t) { t.FieldByName("Importanza").SetAsInteger(2); }},
        Assignment{"Boolean", [](TMemTable& t) { t.FieldByName("InviaMail").SetAsBoolean(true); }},
        Assignment{"Date",
                   [](TMemTable& t) { t.FieldByName("Giorno").SetAsDateTime(day(2005, 1, 1)); }},
        Assignment{"Clear", [](TMemTable& t) { t.FieldByName("Commento").Clear(); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TableState, AppendPostsAChangedPendingRecord)
{
    auto notes = makeNotesTable();
    notes->Append();
    notes->FieldByName("Commento").SetAsString("primo");
    notes->Append();
    EXPECT_EQ(notes->State(), dsInsert);
    EXPECT_EQ(notes->RecordCount(), 1);
    notes->FieldByName("Commento").SetAsString("secondo");
    notes->Post();
    EXPECT_EQ(notes->State(), dsBrowse);
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"primo", "secondo"}));
}

TEST(TableState, AppendDropsAnUnchangedPendingRecord)
{
    auto notes = makeNotesTable();
    notes->Append();
    notes->Append();
    EXPECT_EQ(notes->State(), dsInsert);
    notes->Cancel();
    EXPECT_EQ(notes->RecordCount(), 0);
}

TEST(TableState, NewRecordHasNoPlaceUntilPosted)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "esistente");
    notes->Append();
    notes->FieldByName("Commento").SetAsString("nuovo");
    EXPECT_EQ(notes->RecordCount(), 1);
    notes->Post();
    EXPECT_EQ(notes->RecordCount(), 2);
}

TEST(TableState, EditOnAnEmptyTableStartsANewRecord)
{
    auto notes = makeNotesTable();
    notes->Edit();
    EXPECT_EQ(notes->State(), dsInsert);
    notes->FieldByName("Commento").SetAsString("nuovo");
    notes->Post();
    EXPECT_EQ(notes->RecordCount(), 1);
}

TEST(TableState, EditAndPostChangesTheCurrentRecord)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "prima");
    addNote(*notes, day(2004, 12, 26), "seconda");
    notes->First();
    notes->Next();
    notes->Edit();
    EXPECT_EQ(notes->State(), dsEdit);
    notes->FieldByName("Commento").SetAsString("cambiata");
    notes->Post();
    EXPECT_EQ(notes->State(), dsBrowse);
    EXPECT_EQ(notes->RecordCount(), 2);
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"prima", "cambiata"}));
}

TEST(TableState, CancelDropsPendingValues)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "prima");

    notes->First();
    notes->Edit();
    notes->FieldByName("Commento").SetAsString("cambiata");
    notes->Cancel();
    EXPECT_EQ(notes->State(), dsBrowse);
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), "prima");

    notes->Append();
    notes->FieldByName("Commento").SetAsString("nuova");
    notes->Cancel();
    EXPECT_EQ(notes->State(), dsBrowse);
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"prima"}));
}

TEST(TableState, PostInBrowseStateDoesNothing)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "prima");
    notes->First();
    notes->Post();
    EXPECT_EQ(notes->State(), dsBrowse);
    EXPECT_EQ(notes->RecordCount(), 1);
}

TEST(TableState, DeleteOnAnEmptyTableFails)
{
    auto notes = makeNotesTable();
    EXPECT_TRUE(failsWith<EMemTableError>([&] { notes->Delete(); }, EmptyDataset));
    EXPECT_EQ(notes->RecordCount(), 0);
    EXPECT_TRUE(notes->Active());
}

// The scratch notes table starts closed until its first load.
std::unique_ptr<TMemTable> closedNotesTable()
{
    auto table = std::make_unique<TMemTable>("TabellaAppuntiAusiliaria");
    table->AddFieldDef("Data", ftDate);
    table->AddFieldDef("Commento", ftString, 256);
    table->AddFieldDef("Descrizione", ftString, 1024);
    table->AddFieldDef("Priorita", ftInteger);
    return table;
}

TEST(TableState, OperationsOnAClosedTableFail)
{
    auto closed = closedNotesTable();
    ASSERT_FALSE(closed->Active());
    EXPECT_TRUE(failsWith<EMemTableError>([&] { closed->RecordCount(); }, ClosedDataset));
    EXPECT_TRUE(failsWith<EMemTableError>([&] { closed->Append(); }, ClosedDataset));
    EXPECT_TRUE(failsWith<EMemTableError>([&] { closed->Locate("Commento", TVariant("x")); },
                                          ClosedDataset));
    EXPECT_FALSE(closed->Active());
}

TEST(TableState, SortOnAClosedTableDoesNothing)
{
    auto closed = closedNotesTable();
    EXPECT_NO_THROW(closed->SortOn("Data", {}));
    EXPECT_FALSE(closed->Active());
}

TEST(TableState, ClosingDiscardsRecordsAndKeepsFields)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 25), "prima");
    notes->SortOn("Data", {});
    notes->Close();
    EXPECT_FALSE(notes->Active());
    notes->Open();
    EXPECT_EQ(notes->RecordCount(), 0);
    EXPECT_EQ(notes->FieldCount(), 4);
    ASSERT_NE(notes->CurrentIndex(), nullptr);
    EXPECT_TRUE(notes->CurrentIndex()->IsRowOrder);
    notes->First();
    EXPECT_TRUE(notes->Eof());
}

TEST(TableState, OpeningBuildsAnIndexPerDefinition)
{
    auto contacts = makeContactsTable();
    EXPECT_NE(contacts->Indexes().find("TabellaRubricaIndexDenominazione"), nullptr);
    EXPECT_NE(contacts->Indexes().find("__MT__ROWORDER"), nullptr);
    ASSERT_NE(contacts->CurrentIndex(), nullptr);
    EXPECT_TRUE(contacts->CurrentIndex()->IsRowOrder);
}

} // namespace
