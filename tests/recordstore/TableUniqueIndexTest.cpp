// The unique index of the contacts table.
#include "QtPrinters.h"
#include "Tables.h"
#include "Throws.h"

#include <gtest/gtest.h>

namespace {

const QString Duplicate = QStringLiteral("Duplicate index value. Operation aborted.");

TEST(TableUniqueIndex, SecondContactWithTheSameNameIsRefused)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Rossi", "Mario");

    contacts->Append();
    contacts->FieldByName("Denominazione").SetAsString("Rossi");
    contacts->FieldByName("Cognome").SetAsString("Luigi");
    EXPECT_TRUE(failsWith<EMemTableError>([&] { contacts->Post(); }, Duplicate));

    // Still inserting, with the values entered; nothing stored.
    EXPECT_EQ(contacts->State(), dsInsert);
    EXPECT_EQ(contacts->FieldByName("Cognome").AsString(), "Luigi");
    EXPECT_EQ(contacts->RecordCount(), 1);

    contacts->FieldByName("Denominazione").SetAsString("Rossi Luigi");
    contacts->Post();
    EXPECT_EQ(contacts->RecordCount(), 2);
}

TEST(TableUniqueIndex, NamesDifferingOnlyInCaseAreDistinct)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Rossi");
    EXPECT_NO_THROW(addContact(*contacts, "rossi"));
    EXPECT_NO_THROW(addContact(*contacts, "ROSSI"));
    EXPECT_EQ(contacts->RecordCount(), 3);
}

TEST(TableUniqueIndex, NamesDifferingOnlyInAccentsAreDistinct)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, QString::fromUtf8("Società"));
    EXPECT_NO_THROW(addContact(*contacts, "Societa"));
    EXPECT_EQ(contacts->RecordCount(), 2);
}

TEST(TableUniqueIndex, EditingKeepsOrTakesAName)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Bianchi");
    addContact(*contacts, "Conti");

    // A record keeping its own name is no duplicate of itself.
    ASSERT_TRUE(contacts->Locate("Denominazione", TVariant("Conti")));
    contacts->Edit();
    contacts->FieldByName("Citta").SetAsString("Milano");
    EXPECT_NO_THROW(contacts->Post());

    ASSERT_TRUE(contacts->Locate("Denominazione", TVariant("Conti")));
    contacts->Edit();
    contacts->FieldByName("Denominazione").SetAsString("Bianchi");
    EXPECT_TRUE(failsWith<EMemTableError>([&] { contacts->Post(); }, Duplicate));
    EXPECT_EQ(contacts->State(), dsEdit);
    EXPECT_EQ(contacts->FieldByName("Denominazione").AsString(), "Bianchi");
    contacts->Cancel();
    EXPECT_TRUE(contacts->Locate("Denominazione", TVariant("Conti")));
    EXPECT_EQ(contacts->FieldByName("Citta").AsString(), "Milano");
}

TEST(TableUniqueIndex, FreedNameCanBeUsedAgain)
{
    auto contacts = makeContactsTable();
    addContact(*contacts, "Rossi");
    contacts->First();
    contacts->Delete();
    EXPECT_NO_THROW(addContact(*contacts, "Rossi"));
    contacts->EmptyTable();
    EXPECT_NO_THROW(addContact(*contacts, "Rossi"));
}

TEST(TableUniqueIndex, HoldsInASortedTable)
{
    auto contacts = makeContactsTable();
    for (const char* n : {"Conti", "bianchi", "Rossi"})
        addContact(*contacts, n);
    contacts->SortOn("Denominazione;Cognome;Nome", contacts->SortOptions());
    EXPECT_TRUE(failsWith<EMemTableError>([&] { addContact(*contacts, "Conti"); }, Duplicate));
    contacts->Cancel();
    EXPECT_EQ(columnText(*contacts, "Denominazione"), QStringList({"bianchi", "Conti", "Rossi"}));
}

TEST(TableUniqueIndex, CaseInsensitiveDefinitionRefusesCaseVariants)
{
    TMemTable table("TabellaCategorie");
    table.AddFieldDef("Nome", ftString, 32);
    table.IndexDefs().push_back(
        {"TabellaCategorieIndexNome", "Nome", TIndexOptions{ixUnique, ixCaseInsensitive}});
    table.Open();
    table.Append();
    table.FieldByName("Nome").SetAsString("Lavoro");
    table.Post();
    table.Append();
    table.FieldByName("Nome").SetAsString("LAVORO");
    EXPECT_TRUE(failsWith<EMemTableError>([&] { table.Post(); }, Duplicate));
}

} // namespace
