#include "TrayIcon.h"
#include "ProgramFolderTest.h"

#include <QApplication>
#include <QMenu>
#include <QWidget>

using platform::TCoolTrayIcon;

namespace {

class TrayIconTest : public ProgramFolderTest
{
};

// The offscreen platform has no tray, like a desktop without one: minimising must not lose
// the window.
TEST_F(TrayIconTest, WithoutATrayTheWindowJustMinimisesAndComesBack)
{
    ASSERT_FALSE(TCoolTrayIcon::trayAvailable());
    for (bool maximised : {false, true}) {
        SCOPED_TRACE(maximised);
        QWidget window;
        auto* tray = new TCoolTrayIcon(&window, QIcon(), "Tarvo");
        tray->menu()->addAction("&Visualizza agenda...");
        maximised ? window.showMaximized() : window.show();

        window.showMinimized();
        QApplication::processEvents();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isMinimized());
        EXPECT_FALSE(tray->visible());
        EXPECT_FALSE(tray->hideToTray());

        tray->restoreOwner();
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.isMinimized());
        EXPECT_EQ(window.isMaximized(), maximised);
    }
}

} // namespace
