#include "ProgramFolderTest.h"

#include "Clock.h"
#include "FileDialog.h"
#include "FormPlacement.h"
#include "Hints.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "Shell.h"

namespace {

void resetScripts()
{
    platform::MessageBoxScript::clear();
    platform::FileDialogScript::clear();
    platform::ShellScript::opened().clear();
}

} // namespace

void ProgramFolderTest::SetUp()
{
    TempFolderTest::SetUp();
    platform::setProgramFolder(folder());
    platform::MessageBoxScript::enable();
    platform::FileDialogScript::enable();
    platform::ShellScript::enable();
    resetScripts();
}

void ProgramFolderTest::TearDown()
{
    resetScripts();
    platform::setNowForTests({});
    platform::setHintsEnabled(true);
    platform::setPlacementSavingEnabled(true);
    platform::setProgramFolder(QString());
    TempFolderTest::TearDown();
}
