#include "ShellFixture.h"

#include "IniFile.h"
#include "Main.h"
#include "QtPrinters.h"
#include "Supporto.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Domanda = QStringLiteral(
    "I file appunti della versione precedente non sono compatibili. E' necessario eliminarli.");

QStringList fileAppunti(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

struct CasoAggiornamento
{
    const char* name;
    const char* versione; // nullptr: no stamp at all
    platform::MsgResult risposta;
};

// Failure messages name the case.
inline void PrintTo(const CasoAggiornamento& c, std::ostream* os)
{
    *os << c.name;
}

class UpgradeQuestionTest : public ShellTest,
                            public ::testing::WithParamInterface<CasoAggiornamento>
{
};

TEST_P(UpgradeQuestionTest, AsksOnceWhenOldNoteFilesExist)
{
    const CasoAggiornamento caso = GetParam();
    if (caso.versione)
        scriviIni("Generale", "Versione", caso.versione);
    creaFile("Appunti/lavoro.ctg", "vecchio");
    creaFile("Appunti/Casa.CTG", "vecchio");
    creaFile("Appunti/leggimi.txt", "resta");
    platform::MessageBoxScript::setNextAnswer(caso.risposta);

    avviaEMostra();

    ASSERT_EQ(messaggi().size(), 1) << testiMessaggi().join('\n').toStdString();
    EXPECT_EQ(messaggi()[0].text, Domanda);
    EXPECT_EQ(messaggi()[0].caption, "Aggiorna versione");
    EXPECT_EQ(messaggi()[0].buttons, platform::MsgButtons::OkCancel);

    const QString versioneAttesa = caso.versione ? caso.versione : "<none>";
    if (caso.risposta == platform::MsgResult::Ok) {
        EXPECT_EQ(fileAppunti(percorso("Appunti")), QStringList({"leggimi.txt"}));
        EXPECT_EQ(valoreIni("Generale", "Versione"), "0.2");
        EXPECT_FALSE(terminateRequested());
        // Asked once: the next start goes straight on.
        chiudi();
        platform::MessageBoxScript::clear();
        avviaEMostra();
        EXPECT_TRUE(messaggi().isEmpty()) << testiMessaggi().join('\n').toStdString();
    } else {
        EXPECT_EQ(fileAppunti(percorso("Appunti")),
                  QStringList({"Casa.CTG", "lavoro.ctg", "leggimi.txt"}));
        EXPECT_TRUE(terminateRequested());
        EXPECT_EQ(terminateExitCode(), 0);
        chiudi();
        // Nothing written: the question comes again at the next start.
        EXPECT_EQ(valoreIni("Generale", "Versione"), versioneAttesa);
        EXPECT_EQ(valoreIni("FormMainTarvo", "Maximized"), "<none>");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Startup, UpgradeQuestionTest,
    ::testing::Values(CasoAggiornamento{"NoStampOk", nullptr, platform::MsgResult::Ok},
                      CasoAggiornamento{"NoStampCancel", nullptr, platform::MsgResult::Cancel},
                      CasoAggiornamento{"OtherStampOk", "0.1", platform::MsgResult::Ok},
                      CasoAggiornamento{"OtherStampCancel", "0.1", platform::MsgResult::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, NewInstallationWithoutNoteFilesIsNotAsked)
{
    for (bool conCartella : {false, true}) {
        if (conCartella)
            creaFile("Appunti/leggimi.txt", "non e' una categoria");
        avviaEMostra();
        EXPECT_TRUE(messaggi().isEmpty()) << testiMessaggi().join('\n').toStdString();
        EXPECT_FALSE(terminateRequested());
        EXPECT_EQ(valoreIni("Generale", "Versione"), "0.2");
        chiudi();
        QFile::remove(percorso("Config/Tarvo.ini"));
    }
}

TEST_F(ShellTest, CurrentStampIsNotAskedAndKeepsTheNotes)
{
    scriviIni("Generale", "Versione", "0.2");
    creaFile("Appunti/lavoro.ctg", "attuale");
    avviaEMostra();
    EXPECT_TRUE(messaggi().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(percorso("Appunti/lavoro.ctg")));
}

TEST_F(ShellTest, UpgradeErasesTheSectionLeftByOlderAboutBoxes)
{
    scriviIni("FormAboutBox", "Left", "10");
    scriviIni("FormAboutBox", "Top", "20");
    scriviIni("Preferenze", "Aiuti", "1");
    avviaEMostra();
    const platform::TIniFile ini(percorso("Config/Tarvo.ini"));
    EXPECT_FALSE(ini.SectionExists("FormAboutBox"));
    EXPECT_EQ(valoreIni("Preferenze", "Aiuti"), "1");
    EXPECT_EQ(valoreIni("Generale", "Versione"), "0.2");
}

TEST_F(ShellTest, VersionStateTellsOwnMissingAndOtherStamps)
{
    const struct
    {
        const char* versione;
        int stato;
    } casi[] = {{nullptr, 1}, {"0.0.0", 1}, {"0.2", 0}, {"0.1", 2}, {"", 2}, {"0.2.0", 2}};
    for (const auto& caso : casi) {
        QFile::remove(percorso("Config/Tarvo.ini"));
        if (caso.versione)
            scriviIni("Generale", "Versione", caso.versione);
        EXPECT_EQ(ReadVersionState(), caso.stato) << (caso.versione ? caso.versione : "none");
    }
}
