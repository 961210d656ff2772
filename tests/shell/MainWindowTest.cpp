#include "ShellFixture.h"

#include "Components.h"
#include "DateTime.h"
#include "FindChild.h"
#include "Log.h"
#include "Main.h"
#include "MainStatusBar.h"
#include "Modal.h"
#include "QtPrinters.h"
#include "RegionalSettings.h"
#include "RxClock.h"
#include "TrayIcon.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

QStringList nomi(const QList<QAction*>& actions)
{
    QStringList list;
    for (const QAction* a : actions)
        list << a->objectName();
    return list;
}

} // namespace

class MainWindowTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        avvia();
        principale().setAgendaViews(std::make_unique<RegistroViste>(m_registro));
        principale().show();
        m_registro.clear();
    }

    QAction* voce(const char* name) { return findChildNamed<QAction>(&principale(), name); }
    QWidget* widget(const char* name) { return findChildNamed<QWidget>(&principale(), name); }
    // Clicks a tool bar button or triggers a menu entry.
    void attiva(const char* name)
    {
        if (auto* button = principale().findChild<QToolButton*>(name))
            button->click();
        else
            voce(name)->trigger();
    }

    QStringList m_registro;
};

TEST_F(MainWindowTest, MenuBarHasEveryEntryWithItsCaption)
{
    EXPECT_EQ(nomi(principale().menuBar()->actions()),
              QStringList({"Opzioni1", "Visualizza1", "PopupImpostazioni", "Aiuto1"}));
    EXPECT_EQ(nomi(findChildNamed<QMenu>(&principale(), "Opzioni1")->actions()),
              QStringList({"PopupPuliziaAgenda", "N1", "Backup1", "N3", "PopupUscita"}));
    EXPECT_EQ(nomi(findChildNamed<QMenu>(&principale(), "Backup1")->actions()),
              QStringList({"PopupEsportaArchivio", "PopupImportaArchivio"}));
    EXPECT_EQ(nomi(findChildNamed<QMenu>(&principale(), "Visualizza1")->actions()),
              QStringList({"PopupAppunti", "PopupRubrica", "MenuLog"}));
    EXPECT_EQ(nomi(findChildNamed<QMenu>(&principale(), "PopupImpostazioni")->actions()),
              QStringList({"PopupImpostaMail", "PopupPreferenze", "PopupLingua"}));
    EXPECT_EQ(nomi(findChildNamed<QMenu>(&principale(), "Aiuto1")->actions()),
              QStringList({"PopupItemAutore"}));

    const struct
    {
        const char* name;
        const char* caption;
    } voci[] = {{"Opzioni1", "&Opzioni"},
                {"PopupPuliziaAgenda", "&Pulizia agenda"},
                {"Backup1", "&Backup"},
                {"PopupEsportaArchivio", "&Esporta Archivio"},
                {"PopupImportaArchivio", "&Importa Archivio"},
                {"PopupUscita", "&Uscita"},
                {"Visualizza1", "&Visualizza"},
                {"PopupAppunti", "&Appunti"},
                {"PopupRubrica", "&Rubrica"},
                {"MenuLog", "&Log"},
                {"PopupImpostazioni", "Impostazioni"},
                {"PopupImpostaMail", "Imposta mail"},
                {"PopupPreferenze", "Preferenze"},
                {"PopupLingua", "Lingua"},
                {"Aiuto1", "&Aiuto"},
                {"PopupItemAutore", "&Autore"}};
    for (const auto& v : voci) {
        QAction* action = voce(v.name);
        EXPECT_EQ(action->text(), QString::fromUtf8(v.caption)) << v.name;
        EXPECT_STREQ(platform::componentClass(action), "TMenuItem") << v.name;
    }
    EXPECT_TRUE(voce("N1")->isSeparator());
    EXPECT_TRUE(voce("N3")->isSeparator());
}

TEST_F(MainWindowTest, ToolBarButtonsCarryTheirToolTipsPicturesAndClasses)
{
    const struct
    {
        const char* name;
        const char* tip;
        const char* className;
    } pulsanti[] = {
        {"BtnStampa", "Stampa gli appuntamenti del giorno corrntemente selezionato.",
         "TSpeedButton"},
        {"BtnCategorie", "Visualizza la finestra di gestione delle categorie di appunti.",
         "TSpeedButton"},
        {"BtnRubrica", "Visualizza la rubrica.", "TSpeedButton"},
        {"Btn1G", "Passa alla visualizzazione per singolo giorno. ", "TSpeedButton"},
        {"Btn7G", "Passa alla visualizzazione per sette giorni.", "TSpeedButton"},
        {"Btn1M", "Passa alla visualizzazione per mese.", "TSpeedButton"},
        {"BtnEsportaCSV", "Esporta in un file CSV.", "TSpeedButton"},
        {"BtnLinguaggi", "Visualizza lista lingue.", "TRxSpeedButton"},
        {"BtnUpdater", "Visualizza aggiornamenti e novità dei programmi Corvane.",
         "TRxSpeedButton"},
    };
    QWidget* barra = widget("PannelloPulsanti");
    int x = -1;
    for (const auto& p : pulsanti) {
        auto* button = findChildNamed<QToolButton>(barra, p.name);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(p.tip)) << p.name;
        EXPECT_STREQ(platform::componentClass(button), p.className) << p.name;
        EXPECT_FALSE(button->icon().isNull()) << p.name;
        EXPECT_GT(button->x(), x) << p.name << " is out of order";
        x = button->x();
    }
    EXPECT_NE(findChildNamed<QToolButton>(barra, "BtnLinguaggi")->menu(), nullptr);

    auto* clock = findChildNamed<platform::TRxClock>(barra, "Clock");
    EXPECT_GT(clock->x(), x);
    EXPECT_TRUE(clock->alarmEnabled());
    EXPECT_EQ(clock->alarmTime(), QTime(0, 0));
}

TEST_F(MainWindowTest, PanelsTakeTheirPlacesWithTheirTitles)
{
    const struct
    {
        const char* name;
        QString text;
    } titoli[] = {{"CaptionCalendario", "Calendario"},
                  {"CaptionScadenze", "Appuntamenti di oggi"},
                  {"CaptionGiornaliera", regional::dateToStr(datetime::today())},
                  {"CaptionModifica", "Modifica appuntamenti"}};
    for (const auto& t : titoli) {
        auto* label = findChildNamed<QLabel>(&principale(), t.name);
        EXPECT_EQ(label->text(), t.text) << t.name;
        EXPECT_STREQ(platform::componentClass(label), "TLabel") << t.name;
    }
    for (const char* name : {"PannelloPulsanti",
                             "PannelloSinistro",
                             "PannelloCalendario",
                             "TitoloCalendario",
                             "PannelloScadenze",
                             "TitoloScadenze",
                             "PannelloDestro",
                             "PannelloAgendaGiornaliera",
                             "TitoloGiornaliera",
                             "PannelloAgendaSettimanale",
                             "PannelloLunedi",
                             "PannelloDomenica",
                             "PannelloAgendaMensile",
                             "TitoloMensile",
                             "PannelloModifica",
                             "TitoloModifica",
                             "LavoroModifica",
                             "PannelloDivisore",
                             "BarraStato",
                             "Panel7"})
        EXPECT_STREQ(platform::componentClass(widget(name)), "TPanel") << name;

    auto posizione = [this](const char* name) {
        QWidget* w = widget(name);
        return w->mapTo(&principale(), QPoint(0, 0));
    };
    EXPECT_LT(posizione("PannelloSinistro").x(), posizione("PannelloDestro").x());
    EXPECT_LT(posizione("PannelloCalendario").y(), posizione("PannelloScadenze").y());
    EXPECT_LT(posizione("PannelloAgendaGiornaliera").y(), posizione("PannelloModifica").y());
    EXPECT_LT(posizione("PannelloPulsanti").y(), posizione("PannelloCalendario").y());
    EXPECT_EQ(widget("PannelloModifica")->height(), 200);
}

TEST_F(MainWindowTest, ViewButtonsShowOneViewAndTellTheAgenda)
{
    const struct
    {
        const char* button;
        const char* visible;
        bool editing;
    } viste[] = {{"Btn7G", "PannelloAgendaSettimanale", true},
                 {"Btn1M", "PannelloAgendaMensile", false},
                 {"Btn1G", "PannelloAgendaGiornaliera", true}};
    const QStringList pannelli = {"PannelloAgendaGiornaliera", "PannelloAgendaSettimanale",
                                  "PannelloAgendaMensile"};
    for (const auto& v : viste) {
        attiva(v.button);
        for (const QString& p : pannelli)
            EXPECT_EQ(widget(qPrintable(p))->isVisible(), p == v.visible)
                << v.button << " " << p.toStdString();
        EXPECT_EQ(widget("PannelloModifica")->isVisible(), v.editing) << v.button;
        for (const char* b : {"Btn1G", "Btn7G", "Btn1M"})
            EXPECT_EQ(findChildNamed<QToolButton>(&principale(), b)->isChecked(),
                      QByteArray(b) == v.button)
                << v.button;
    }
    EXPECT_EQ(m_registro, QStringList({"Btn7GClick", "Btn1MClick", "Btn1GClick"}));
}

TEST_F(MainWindowTest, StatusBarStartsGreenWithNoMailSent)
{
    TBarraStato* barra = principale().BarraStato();
    EXPECT_EQ(findChildNamed<QLabel>(barra, "MailMessage")->text(), "Nessuna mail inviata");
    const struct
    {
        QColor colour;
        const char* shown; // nullptr: none
    } luci[] = {{Qt::green, "LedGreen"},
                {Qt::red, "LedRed"},
                {Qt::yellow, "LedYellow"},
                {Qt::blue, nullptr}};
    for (const auto& l : luci) {
        if (l.colour != QColor(Qt::green))
            barra->LedColor(l.colour);
        for (const char* led : {"LedGreen", "LedRed", "LedYellow"})
            EXPECT_EQ(findChildNamed<QLabel>(barra, led)->isVisible(),
                      l.shown && QByteArray(led) == l.shown)
                << led << " for " << l.colour.name().toStdString();
    }
}

TEST_F(MainWindowTest, TrayMenuHasItsTwoEntries)
{
    QMenu* menu = principale().TrayIcon()->menu();
    EXPECT_EQ(nomi(menu->actions()), QStringList({"Visualizzaagenda1", "DisabilitaAgenda1"}));
    EXPECT_EQ(voce("Visualizzaagenda1")->text(), "&Visualizza agenda...");
    EXPECT_EQ(voce("DisabilitaAgenda1")->text(), "&Disabilita Agenda...");
}

TEST_F(MainWindowTest, TrayBringsTheWindowBack)
{
    principale().hide();
    voce("Visualizzaagenda1")->trigger();
    EXPECT_TRUE(principale().isVisible());
    EXPECT_TRUE(m_registro.isEmpty());

    principale().hide();
    emit principale().TrayIcon()->doubleClicked();
    EXPECT_TRUE(principale().isVisible());
    EXPECT_EQ(m_registro, QStringList({"VaiAOggi", "AggiornaListaAppuntamenti"}));
}

TEST_F(MainWindowTest, MenuEntriesAndButtonsOpenTheirWindowsModally)
{
    const struct
    {
        const char* comando;
        const char* finestra;
    } casi[] = {{"PopupPuliziaAgenda", "FormPuliziaAgenda"},
                {"PopupAppunti", "FormAppunti"},
                {"BtnCategorie", "FormAppunti"},
                {"PopupRubrica", "FormRubrica"},
                {"BtnRubrica", "FormRubrica"},
                {"PopupImpostaMail", "FormImpostazioniMail"},
                {"PopupPreferenze", "FormPreferenze"}};
    for (const auto& c : casi) {
        QString aperta;
        answerNextModal([&aperta](QWidget* modal) {
            aperta = modal->objectName();
            static_cast<QDialog*>(modal)->reject();
        });
        attiva(c.comando);
        EXPECT_EQ(aperta, c.finestra) << c.comando;
    }
}

TEST_F(MainWindowTest, MailLogOpensWithoutBlocking)
{
    attiva("MenuLog");
    auto* log = findChildNamed<QWidget>(&principale(), "FormLog");
    EXPECT_TRUE(log->isVisible());
    EXPECT_FALSE(log->isModal());
    log->hide();
}

TEST_F(MainWindowTest, CommandsOfLaterPartsDoNothingYet)
{
    for (const char* comando : {"BtnStampa", "PopupEsportaArchivio", "PopupImportaArchivio"})
        attiva(comando);
    EXPECT_TRUE(messaggi().isEmpty());
    EXPECT_TRUE(principale().isVisible());
}
