#include "UrlLabel.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"
#include "Shell.h"

#include <QTest>

namespace {

class UrlLabelTest : public ProgramFolderTest
{
};

TEST_F(UrlLabelTest, LeftClickOpensTheAddress)
{
    platform::TURLLabel label("Scrivici", "mailto:supporto@example.it");
    label.show();

    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_TRUE(platform::ShellScript::opened().isEmpty());
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(platform::ShellScript::opened(), QStringList{"mailto:supporto@example.it"});
    EXPECT_TRUE(label.font().underline());
}

} // namespace
