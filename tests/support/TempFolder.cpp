#include "TempFolder.h"

void TempFolderTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid()) << m_dir.errorString().toStdString();
}
