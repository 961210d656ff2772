#pragma once

#include "TempFolder.h"

// Base fixture for tests of the programs' windows and files: a fresh program folder, message
// boxes, file dialogs and the shell scripted with empty queues; the real clock, hints and
// placement saving come back afterwards.
class ProgramFolderTest : public TempFolderTest
{
protected:
    void SetUp() override;
    void TearDown() override;
};
