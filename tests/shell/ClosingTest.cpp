#include "ShellFixture.h"

#include "FindChild.h"
#include "IniFile.h"
#include "Main.h"
#include "Preferenze.h"
#include "QtPrinters.h"
#include "Supporto.h"
#include "TrayIcon.h"

#include <QAction>
#include <QCheckBox>

namespace {

const QString Domanda = QStringLiteral("Sicuri di voler uscire dall'applicazione?");

// The user's data and settings: every file but the configuration, whose window placement
// sections may be refreshed at any time, plus the configuration's own settings.
std::map<QString, QByteArray> datiEImpostazioni(const QString& folder)
{
    auto files = contenutoCartella(folder);
    files.erase("Config/Tarvo.ini");
    const platform::TIniFile ini(folder + "/Config/Tarvo.ini");
    for (const QString section : {"Generale", "Preferenze"})
        for (const QString& key : ini.ReadSection(section))
            files[section + '/' + key] = ini.ReadString(section, key, QString()).toUtf8();
    return files;
}

} // namespace

class ClosingTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        avviaEMostra();
        platform::MessageBoxScript::clear();
    }

    void uscita() { findChildNamed<QAction>(&principale(), "PopupUscita")->trigger(); }
};

TEST_F(ClosingTest, AnsweringNoKeepsTheProgramRunningWithNothingChanged)
{
    const auto prima = datiEImpostazioni(folder());
    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::No);

    EXPECT_FALSE(principale().close());

    ASSERT_EQ(messaggi().size(), 1);
    EXPECT_EQ(messaggi()[0].text, Domanda);
    EXPECT_EQ(messaggi()[0].caption, "Conferma chiusura");
    EXPECT_EQ(messaggi()[0].icon, platform::MsgIcon::Question);
    EXPECT_EQ(messaggi()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_TRUE(principale().isVisible());
    EXPECT_FALSE(terminateRequested());
    EXPECT_EQ(datiEImpostazioni(folder()), prima);
    EXPECT_EQ(prima.at("Generale/Versione"), "0.2");
}

TEST_F(ClosingTest, AnsweringYesEndsTheProgram)
{
    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::Yes);
    EXPECT_TRUE(principale().close());
    EXPECT_EQ(messaggi().size(), 1);
    EXPECT_FALSE(principale().isVisible());
    EXPECT_TRUE(terminateRequested());
    EXPECT_EQ(terminateExitCode(), 0);
}

TEST_F(ClosingTest, UscitaAsksEvenWhenClosingShouldMinimise)
{
    forms().FormPreferenze->CheckMinimizzaChiusura()->setChecked(true);
    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::No);
    uscita();
    EXPECT_EQ(messaggi().size(), 1);
    EXPECT_TRUE(principale().isVisible());

    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::Yes);
    uscita();
    EXPECT_TRUE(terminateRequested());
}

TEST_F(ClosingTest, DisabilitaAgendaEndsWithoutAsking)
{
    principale().hide();
    findChildNamed<QAction>(&principale(), "DisabilitaAgenda1")->trigger();
    EXPECT_TRUE(messaggi().isEmpty());
    EXPECT_TRUE(terminateRequested());
    EXPECT_EQ(terminateExitCode(), 0);
}

TEST_F(ClosingTest, CloseBoxMinimisesToTheTrayOnlyWhenThereIsOne)
{
    forms().FormPreferenze->CheckMinimizzaChiusura()->setChecked(true);
    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::No);

    principale().close();

    if (platform::TCoolTrayIcon::trayAvailable()) {
        EXPECT_TRUE(messaggi().isEmpty());
        EXPECT_FALSE(principale().isVisible());
    } else {
        // Hidden with no tray to bring it back, the window would be lost: it asks instead.
        EXPECT_EQ(messaggi().size(), 1);
        EXPECT_TRUE(principale().isVisible());
    }
    EXPECT_FALSE(terminateRequested());
}
