#include "FileBytes.h"
#include "ProgramFolder.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QFileInfo>

namespace {

class ProgramPathTest : public ProgramFolderTest
{
};

TEST_F(ProgramPathTest, PathsAreBuiltUnderTheProgramFolder)
{
    EXPECT_EQ(platform::programFolder(), folder() + "/");
    EXPECT_EQ(platform::programPath("Agenda/Agenda.dat"), folder() + "/Agenda/Agenda.dat");
}

struct FolderCase
{
    const char* path;
    bool made;
};

class EnsureFolderTest : public ProgramPathTest, public ::testing::WithParamInterface<FolderCase>
{
};

TEST_P(EnsureFolderTest, MakesOneMissingLevelAndNoMore)
{
    const FolderCase c = GetParam();
    ASSERT_TRUE(platform::ensureFolder(platform::programPath("Appunti")));
    ASSERT_TRUE(writeFileBytes(platform::programPath("Support.dat"), "x"));
    const QString path = platform::programPath(c.path);

    EXPECT_EQ(platform::ensureFolder(path), c.made);
    EXPECT_EQ(QFileInfo(path).isDir(), c.made);
}

INSTANTIATE_TEST_SUITE_P(Folders, EnsureFolderTest,
                         ::testing::Values(FolderCase{"Agenda", true}, FolderCase{"Appunti", true},
                                           FolderCase{"Rubrica/Vecchie", false},
                                           FolderCase{"Support.dat", false}));

} // namespace
