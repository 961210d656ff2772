#include "ShellFixture.h"

#include "FindChild.h"
#include "Main.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <cstring>

class NewsViewerTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        avviaEMostra();
        platform::MessageBoxScript::clear();
    }

    void clickUpdater() { findChildNamed<QToolButton>(&principale(), "BtnUpdater")->click(); }
    QString comando() const { return percorso("DeViv/Brasko"); }
};

TEST_F(NewsViewerTest, MissingViewerGivesTheWarningAndLeavesTheWindowEnabled)
{
    clickUpdater();

    ASSERT_EQ(messaggi().size(), 1);
    EXPECT_EQ(messaggi()[0].caption, "Error executing command");
    EXPECT_EQ(messaggi()[0].icon, platform::MsgIcon::Warning);
    EXPECT_EQ(messaggi()[0].text, "Trying to open \"" + comando() + "\"\n" +
                                      QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_TRUE(principale().isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(NewsViewerTest, WindowWaitsDisabledWithTheBusyPointerWhileTheViewerRuns)
{
    // A viewer that runs until the test lets it go.
    creaFile("DeViv/Brasko", "#!/bin/sh\nwhile [ ! -e \"$0.fine\" ]; do sleep 0.01; done\n");
    QFile(comando()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner);

    bool abilitataDurante = true;
    bool occupato = false;
    QTimer::singleShot(0, [&] {
        abilitataDurante = principale().isEnabled();
        occupato = QApplication::overrideCursor() &&
                   QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        creaFile("DeViv/Brasko.fine");
    });
    clickUpdater();

    EXPECT_TRUE(messaggi().isEmpty()) << testiMessaggi().join('\n').toStdString();
    EXPECT_FALSE(abilitataDurante);
    EXPECT_TRUE(occupato);
    EXPECT_TRUE(principale().isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
