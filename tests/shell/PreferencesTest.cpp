#include "ShellFixture.h"

#include "FindChild.h"
#include "Hints.h"
#include "Main.h"
#include "Modal.h"
#include "Preferenze.h"
#include "QtPrinters.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

struct Segni
{
    bool promemoria;
    bool minimizza;
    bool aiuti;
    bool operator==(const Segni&) const = default;
};

Segni segni(const TFormPreferenze& p)
{
    return {p.CheckPromemoria()->isChecked(), p.CheckMinimizzaChiusura()->isChecked(),
            p.CheckAiuti()->isChecked()};
}

void PrintTo(const Segni& s, std::ostream* os)
{
    *os << "{" << s.promemoria << ", " << s.minimizza << ", " << s.aiuti << "}";
}

} // namespace

class PreferencesTest : public ShellTest
{
protected:
    TFormPreferenze& preferenze() { return *forms().FormPreferenze; }

    // Opens the dialog from the main menu and lets the action work on it.
    void conPreferenze(std::function<void(TFormPreferenze&)> action)
    {
        bool aperta = false;
        answerNextModal([&](QWidget* modal) {
            aperta = true;
            action(*static_cast<TFormPreferenze*>(modal));
        });
        findChildNamed<QAction>(&principale(), "PopupPreferenze")->trigger();
        EXPECT_TRUE(aperta);
        EXPECT_FALSE(preferenze().isVisible());
    }
};

TEST_F(PreferencesTest, DialogShowsItsCaptionTitleBoxesAndButtons)
{
    avvia();
    EXPECT_EQ(preferenze().windowTitle(), "Imposta Preferenze");
    EXPECT_EQ(findChildNamed<QLabel>(&preferenze(), "Panel1")->text(), " Preferenze");
    EXPECT_EQ(preferenze().CheckPromemoria()->text(), "Visualizza promemoria appuntamento");
    EXPECT_EQ(preferenze().CheckMinimizzaChiusura()->text(),
              "Minimizza in chiusura (non chiudere applicazione)");
    EXPECT_EQ(preferenze().CheckAiuti()->text(), "Visualizza aiuti e suggerimenti popup");
    EXPECT_EQ(findChildNamed<QPushButton>(&preferenze(), "PulsanteConferma")->text(), "Conferma");
    EXPECT_EQ(findChildNamed<QPushButton>(&preferenze(), "PulsanteAnnulla")->text(), "Annulla");
}

TEST_F(PreferencesTest, FirstStartShowsWhatLaterStartsReadForMissingKeys)
{
    avvia();
    EXPECT_EQ(segni(preferenze()), (Segni{true, true, true}));
}

TEST_F(PreferencesTest, StoredValuesMarkTheBoxes)
{
    scriviIni("Preferenze", "Promemoria", "0");
    scriviIni("Preferenze", "MinimizzaChiusura", "1");
    scriviIni("Preferenze", "Aiuti", "7");
    avvia();
    EXPECT_EQ(segni(preferenze()), (Segni{false, true, true}));
}

TEST_F(PreferencesTest, ConfermaWritesTheThreeKeysAndTurnsHintsOnAtOnce)
{
    scriviIni("Preferenze", "Aiuti", "0");
    avviaEMostra();
    ASSERT_FALSE(platform::hintsEnabled());

    conPreferenze([](TFormPreferenze& p) {
        p.CheckAiuti()->setChecked(true);
        p.CheckPromemoria()->setChecked(false);
        findChildNamed<QPushButton>(&p, "PulsanteConferma")->click();
    });

    EXPECT_TRUE(platform::hintsEnabled());
    EXPECT_EQ(valoreIni("Preferenze", "Aiuti"), "1");
    EXPECT_EQ(valoreIni("Preferenze", "Promemoria"), "0");
    EXPECT_EQ(valoreIni("Preferenze", "MinimizzaChiusura"), "1");
}

TEST_F(PreferencesTest, AnnullaWritesNothingButTheMarksStayUntilTheEnd)
{
    avviaEMostra();

    conPreferenze([](TFormPreferenze& p) {
        p.CheckPromemoria()->setChecked(false);
        p.CheckAiuti()->setChecked(false);
        findChildNamed<QPushButton>(&p, "PulsanteAnnulla")->click();
    });

    for (const char* key : {"Promemoria", "MinimizzaChiusura", "Aiuti"})
        EXPECT_EQ(valoreIni("Preferenze", key), "<none>") << key;
    EXPECT_EQ(segni(preferenze()), (Segni{false, true, false}));
    EXPECT_TRUE(platform::hintsEnabled());

    // The next start reads the stored values again.
    chiudi();
    avvia();
    EXPECT_EQ(segni(preferenze()), (Segni{true, true, true}));
}

TEST_F(PreferencesTest, ConfermaWritesNothingWhileThereIsNoConfigurationFile)
{
    avvia();
    ASSERT_FALSE(QFileInfo::exists(percorso("Config/Tarvo.ini")));
    preferenze().CheckAiuti()->setChecked(false);
    preferenze().PulsanteConfermaClick();
    EXPECT_FALSE(QFileInfo::exists(percorso("Config/Tarvo.ini")));
    EXPECT_TRUE(platform::hintsEnabled());
}
