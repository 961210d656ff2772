// The cursor, Eof and record ids.
#include "QtPrinters.h"
#include "Tables.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TMemTable> notesNamed(const QStringList& comments)
{
    auto notes = makeNotesTable();
    for (const QString& c : comments)
        addNote(*notes, day(2004, 12, 25), c);
    return notes;
}

int idOf(TMemTable& table, const QString& comment)
{
    if (!table.Locate("Commento", TVariant(comment)))
        return -2;
    return table.CurrentRecordId();
}

TEST(TableCursor, FirstOnAnEmptyTableSetsEof)
{
    auto notes = makeNotesTable();
    notes->First();
    EXPECT_TRUE(notes->Eof());
    EXPECT_EQ(notes->RecordCount(), 0);
}

TEST(TableCursor, NextPastTheEndSetsEofAndKeepsTheLastRecord)
{
    auto notes = notesNamed({"a", "b", "c"});
    notes->First();
    EXPECT_FALSE(notes->Eof());
    notes->Next();
    notes->Next();
    EXPECT_FALSE(notes->Eof());
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), "c");
    notes->Next();
    EXPECT_TRUE(notes->Eof());
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), "c");
}

struct DeleteCase
{
    const char* label;
    QStringList initial;
    int deletePosition;
    QString currentAfter; // empty: the table is empty afterwards
    QStringList remaining;
};

class DeleteKeepsPosition : public ::testing::TestWithParam<DeleteCase>
{
};

TEST_P(DeleteKeepsPosition, FollowingRecordBecomesCurrent)
{
    const DeleteCase& c = GetParam();
    auto notes = notesNamed(c.initial);
    notes->First();
    for (int i = 0; i < c.deletePosition; ++i)
        notes->Next();
    notes->Delete();

    if (c.currentAfter.isEmpty()) {
        EXPECT_TRUE(notes->Eof());
        EXPECT_EQ(notes->RecordCount(), 0);
        return;
    }
    EXPECT_FALSE(notes->Eof());
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), c.currentAfter);
    EXPECT_EQ(columnText(*notes, "Commento"), c.remaining);
}

INSTANTIATE_TEST_SUITE_P(TableCursor, DeleteKeepsPosition,
                         ::testing::Values(DeleteCase{"First", {"a", "b", "c"}, 0, "b", {"b", "c"}},
                                           DeleteCase{
                                               "Middle", {"a", "b", "c"}, 1, "c", {"a", "c"}},
                                           DeleteCase{"Last", {"a", "b", "c"}, 2, "b", {"a", "b"}},
                                           DeleteCase{"Only", {"a"}, 0, "", {}}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(TableCursor, AfterDeletingTheLastRecordNextSetsEof)
{
    auto notes = notesNamed({"a", "b", "c"});
    notes->First();
    notes->Next();
    notes->Next();
    notes->Delete();
    EXPECT_FALSE(notes->Eof());
    EXPECT_EQ(notes->CursorPosition(), 1);
    notes->Next();
    EXPECT_TRUE(notes->Eof());
}

// The organiser's clean-up loop: Delete instead of Next for a removed record. Deleting the last
// record puts the cursor on the new last one without Eof, so that one is seen a second time.
TEST(TableCursor, WalkThatDeletesSomeRecords)
{
    auto notes = makeNotesTable();
    const int priorities[] = {1, 0, 0, 1, 0, 1, 1};
    for (int i = 0; i < 7; ++i) {
        notes->Append();
        notes->FieldByName("Commento").SetAsString(QString::number(i));
        notes->FieldByName("Priorita").SetAsInteger(priorities[i]);
        notes->Post();
    }
    QStringList visited;
    notes->First();
    while (!notes->Eof()) {
        visited << notes->FieldByName("Commento").AsString();
        if (notes->FieldByName("Priorita").AsInteger() == 1)
            notes->Delete();
        else
            notes->Next();
        ASSERT_LT(visited.size(), 20) << "the walk does not end";
    }
    EXPECT_EQ(visited, QStringList({"0", "1", "2", "3", "4", "5", "6", "4"}));
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"1", "2", "4"}));
}

TEST(TableCursor, PostOfAnEditedRecordKeepsThePositionNumber)
{
    auto notes = makeNotesTable();
    addNote(*notes, day(2004, 12, 1), "a");
    addNote(*notes, day(2004, 12, 2), "b");
    addNote(*notes, day(2004, 12, 3), "c");
    notes->SortOn("Data", {});
    notes->First();
    notes->Edit();
    notes->FieldByName("Data").SetAsDateTime(day(2004, 12, 31));
    notes->Post();
    EXPECT_EQ(notes->CursorPosition(), 0);
    EXPECT_EQ(notes->FieldByName("Commento").AsString(), "b");
    EXPECT_EQ(columnText(*notes, "Commento"), QStringList({"b", "c", "a"}));
}

TEST(TableCursor, RecordIdsCountFromZero)
{
    auto notes = notesNamed({"a", "b", "c"});
    EXPECT_EQ(recordIds(*notes), std::vector<int>({0, 1, 2}));
}

TEST(TableCursor, FreedIdsAreReusedLastFreedFirst)
{
    auto notes = notesNamed({"a", "b", "c", "d", "e"});
    ASSERT_TRUE(notes->Locate("Commento", TVariant("b")));
    notes->Delete();
    ASSERT_TRUE(notes->Locate("Commento", TVariant("d")));
    notes->Delete();

    addNote(*notes, day(2004, 12, 25), "f");
    addNote(*notes, day(2004, 12, 25), "g");
    addNote(*notes, day(2004, 12, 25), "h");
    EXPECT_EQ(idOf(*notes, "f"), 3);
    EXPECT_EQ(idOf(*notes, "g"), 1);
    EXPECT_EQ(idOf(*notes, "h"), 5);
}

TEST(TableCursor, EmptyTableStartsIdsAgainFromZero)
{
    auto notes = notesNamed({"a", "b", "c"});
    notes->First();
    notes->Delete();
    notes->EmptyTable();
    EXPECT_EQ(notes->RecordCount(), 0);
    addNote(*notes, day(2004, 12, 25), "x");
    addNote(*notes, day(2004, 12, 25), "y");
    EXPECT_EQ(idOf(*notes, "x"), 0);
    EXPECT_EQ(idOf(*notes, "y"), 1);
}

} // namespace
