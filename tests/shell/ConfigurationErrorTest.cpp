#include "ShellFixture.h"

#include "FileBytes.h"
#include "Main.h"
#include "QtPrinters.h"
#include "Supporto.h"

#include <QDir>
#include <QFileInfo>

struct ConfigurazioneGuasta
{
    const char* name;
    void (*prepara)(const QString& folder);
};

// Failure messages name the case.
inline void PrintTo(const ConfigurazioneGuasta& c, std::ostream* os)
{
    *os << c.name;
}

class ConfigurationErrorTest : public ShellTest,
                               public ::testing::WithParamInterface<ConfigurazioneGuasta>
{
};

TEST_P(ConfigurationErrorTest, EndsTheProgramWithOneMessageAndMakesNothingMore)
{
    GetParam().prepara(folder());
    const auto prima = contenutoCartella(folder());

    avvia();

    ASSERT_EQ(messaggi().size(), 1) << testiMessaggi().join('\n').toStdString();
    EXPECT_EQ(messaggi()[0].text, "Impossibile caricare i file di configurazione");
    EXPECT_EQ(messaggi()[0].caption, "Errore inizializzazione");
    EXPECT_EQ(messaggi()[0].icon, platform::MsgIcon::Error);
    EXPECT_TRUE(terminateRequested());
    EXPECT_NE(terminateExitCode(), 0);
    // The windows after the main window are not made, and nothing is written.
    EXPECT_EQ(forms().FormRubrica, nullptr);
    EXPECT_EQ(forms().FormPreferenze, nullptr);
    chiudi();
    EXPECT_EQ(contenutoCartella(folder()), prima);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, ConfigurationErrorTest,
    ::testing::Values(ConfigurazioneGuasta{"ConfigIsAFile",
                                           [](const QString& folder) {
                                               writeFileBytes(folder + "/Config",
                                                              "non una cartella");
                                           }},
                      ConfigurazioneGuasta{"ConfigurationFileIsUnreadable",
                                           [](const QString& folder) {
                                               QDir().mkpath(folder + "/Config/Tarvo.ini");
                                           }}),
    [](const auto& info) { return std::string(info.param.name); });
