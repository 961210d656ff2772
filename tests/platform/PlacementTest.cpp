#include "FileBytes.h"
#include "FormPlacement.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "ProgramFolderTest.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <memory>

using platform::TFormPlacement;
using platform::TIniFile;

namespace {

const QString Section = QStringLiteral("FormRubrica");

class PlacementTest : public ProgramFolderTest
{
protected:
    QString iniPath() const { return filePath("Config/Tarvo.ini"); }

    // A window bound to the section, as a window's constructor binds it.
    std::unique_ptr<QWidget> makeWindow(bool defaultMaximized = false)
    {
        auto window = std::make_unique<QWidget>();
        auto* placement = new TFormPlacement(window.get());
        placement->setIniFileName(iniPath());
        placement->setIniSection(Section);
        placement->setDefaultMaximized(defaultMaximized);
        return window;
    }

    int stored(const QString& key) const
    {
        return TIniFile(iniPath()).ReadInteger(Section, key, -1);
    }
};

TEST_F(PlacementTest, PlaceSavedOnHidingIsRestoredByTheNextWindow)
{
    const QRect place(100, 120, 300, 200);
    {
        auto window = makeWindow();
        window->show();
        window->setGeometry(place);
        window->hide();
        EXPECT_EQ(stored("Left"), 100);
        EXPECT_EQ(stored("Top"), 120);
        EXPECT_EQ(stored("Width"), 300);
        EXPECT_EQ(stored("Height"), 200);
        EXPECT_EQ(stored("Maximized"), 0);
    }
    auto next = makeWindow();
    next->show();
    EXPECT_EQ(next->geometry(), place);
    EXPECT_FALSE(next->isMaximized());
}

TEST_F(PlacementTest, MaximisedWindowKeepsItsNormalPlaceAndComesBackMaximised)
{
    const QRect place(50, 60, 320, 240);
    {
        auto window = makeWindow();
        window->show();
        window->setGeometry(place);
        window->showMaximized();
        window->close();
        EXPECT_EQ(stored("Maximized"), 1);
        EXPECT_EQ(stored("Width"), 320);
    }
    auto next = makeWindow();
    next->show();
    EXPECT_TRUE(next->isMaximized());
    next->showNormal();
    EXPECT_EQ(next->geometry(), place);
}

struct DefaultCase
{
    const char* storedSection;
    bool defaultMaximized;
    bool maximized;
};

class PlacementDefaultTest : public PlacementTest, public ::testing::WithParamInterface<DefaultCase>
{
};

TEST_P(PlacementDefaultTest, DefaultMaximisedAppliesOnlyWhenNothingIsStored)
{
    const DefaultCase c = GetParam();
    ASSERT_TRUE(platform::ensureFolder(filePath("Config")));
    ASSERT_TRUE(writeFileBytes(iniPath(), c.storedSection));
    auto window = makeWindow(c.defaultMaximized);
    window->show();
    EXPECT_EQ(window->isMaximized(), c.maximized);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, PlacementDefaultTest,
    ::testing::Values(DefaultCase{"", true, true}, DefaultCase{"", false, false},
                      DefaultCase{"[FormRubrica]\r\nMaximized=0\r\n", true, false},
                      DefaultCase{"[FormRubrica]\r\nMaximized=1\r\n", false, true},
                      DefaultCase{"[FormAltro]\r\nMaximized=0\r\n", true, true}));

TEST_F(PlacementTest, PlaceOffEveryScreenIsBroughtBack)
{
    TIniFile ini(iniPath());
    ini.WriteInteger(Section, "Left", -5000);
    ini.WriteInteger(Section, "Top", 9000);
    ini.WriteInteger(Section, "Width", 300);
    ini.WriteInteger(Section, "Height", 200);
    auto window = makeWindow();
    window->show();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->geometry()))
        << window->geometry().x() << "," << window->geometry().y();
    EXPECT_EQ(window->size(), QSize(300, 200));
}

TEST_F(PlacementTest, NothingIsWrittenWhenSavingIsOffOrTheWindowWasNeverShown)
{
    makeWindow().reset();
    EXPECT_FALSE(QFileInfo::exists(iniPath()));

    platform::setPlacementSavingEnabled(false);
    auto window = makeWindow();
    window->show();
    window->hide();
    window.reset();
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

} // namespace
