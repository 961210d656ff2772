#include "ShellFixture.h"

#include "Anteprimastampa.h"
#include "Appunti.h"
#include "Appunticategoria.h"
#include "Calendario.h"
#include "Datamodule.h"
#include "FakeClock.h"
#include "FileBytes.h"
#include "FormPlacement.h"
#include "Impostazionimail.h"
#include "Log.h"
#include "Main.h"
#include "Nuovacategoria.h"
#include "Nuovarubrica.h"
#include "Preferenze.h"
#include "Promemoria.h"
#include "Puliziaagenda.h"
#include "QtPrinters.h"
#include "Rubrica.h"
#include "SupportDat.h"
#include "Supporto.h"

#include <QDialog>
#include <QFileInfo>
#include <QtEndian>

namespace {

const QDateTime Inizio(QDate(2024, 3, 18), QTime(9, 30, 15));

} // namespace

TEST_F(ShellTest, FirstStartInAnEmptyFolderCreatesFoldersAndSupportDatButNoAgendaFile)
{
    FakeClock clock(Inizio);
    avviaEMostra();

    EXPECT_TRUE(messaggi().isEmpty()) << testiMessaggi().join('\n').toStdString();
    EXPECT_FALSE(terminateRequested());
    EXPECT_TRUE(principale().isVisible());
    EXPECT_FALSE(principale().primaVisualizzazione());
    EXPECT_TRUE(QFileInfo(percorso("Agenda")).isDir());
    EXPECT_TRUE(QFileInfo(percorso("Config")).isDir());
    EXPECT_FALSE(QFileInfo::exists(percorso("Agenda/Agenda.dat")));
    EXPECT_EQ(forms().DC->TabellaAgenda.RecordCount(), 0);
    EXPECT_EQ(valoreIni("Generale", "Versione"), "0.2");

    const QByteArray support = readFileBytes(percorso("Support.dat"));
    ASSERT_GE(support.size(), 4096);
    EXPECT_LE(support.size(), 1535 * 4);
    EXPECT_EQ(support.size() % 4, 0);
    for (qsizetype i = 0; i < support.size(); i += 4) {
        const quint32 valore = qFromLittleEndian<quint32>(support.constData() + i);
        ASSERT_GE(valore, 50u) << "at " << i;
        ASSERT_LE(valore, 23703u) << "at " << i;
    }
    // Seeded from the clock's seconds.
    EXPECT_EQ(support, contenutoSupportDat(quint32(Inizio.toSecsSinceEpoch())));
}

TEST_F(ShellTest, SecondStartLeavesSupportDatUnchanged)
{
    FakeClock clock(Inizio);
    avviaEMostra();
    chiudi();
    const QByteArray prima = readFileBytes(percorso("Support.dat"));

    clock.advanceSecs(86400);
    avviaEMostra();
    chiudi();

    EXPECT_EQ(readFileBytes(percorso("Support.dat")), prima);
    // A new seed would have given other bytes: the file was not rewritten.
    EXPECT_NE(contenutoSupportDat(quint32(clock.now().toSecsSinceEpoch())), prima);
}

TEST_F(ShellTest, SupportDatCountsAndValuesStayInTheirRanges)
{
    for (quint32 seed : {0u, 1u, 1134000000u, 0xffffffffu}) {
        const QByteArray bytes = contenutoSupportDat(seed);
        EXPECT_GE(bytes.size(), 1024 * 4) << seed;
        EXPECT_LE(bytes.size(), 1535 * 4) << seed;
        EXPECT_EQ(bytes, contenutoSupportDat(seed)) << seed;
    }
    EXPECT_NE(contenutoSupportDat(1), contenutoSupportDat(2));
}

TEST_F(ShellTest, EveryWindowIsCreatedOnceInOrderWithItsNameAndCaption)
{
    avvia();
    const TForms& f = forms();
    ASSERT_NE(f.DC, nullptr);
    EXPECT_EQ(f.DC->objectName(), "DC");
    EXPECT_EQ(principale().objectName(), "FormMainTarvo");
    EXPECT_EQ(principale().windowTitle(), "Tarvo");

    const struct
    {
        QWidget* window;
        const char* name;
        const char* caption;
    } windows[] = {
        {f.FormRubrica, "FormRubrica", "Rubrica"},
        {f.FormAnteprimaStampa, "FormAnteprimaStampa", "Anteprima Stampa"},
        {f.FormAppunti, "FormAppunti", "Categorie Appunti"},
        {f.FormAppuntiCategoria, "FormAppuntiCategoria", "Appunti:"},
        {f.FormCalendario, "FormCalendario", "Selezionare la data"},
        {f.FormImpostazioniMail, "FormImpostazioniMail", "Impostazioni mail"},
        {f.FormLog, "FormLog", "Log Tarvo"},
        {f.FormNuovaCategoria, "FormNuovaCategoria", "Nuova Categoria"},
        {f.FormNuovaRubrica, "FormNuovaRubrica", "Nuova rubrica"},
        {f.FormPreferenze, "FormPreferenze", "Imposta Preferenze"},
        {f.FormPromemoria, "FormPromemoria", "Promemoria"},
        {f.FormPuliziaAgenda, "FormPuliziaAgenda", "Pulizia agenda"},
    };
    QStringList attesi;
    for (const auto& w : windows) {
        ASSERT_NE(w.window, nullptr) << w.name;
        EXPECT_EQ(w.window->objectName(), w.name);
        EXPECT_EQ(w.window->windowTitle(), QString::fromUtf8(w.caption)) << w.name;
        EXPECT_FALSE(w.window->isVisible()) << w.name;
        attesi << w.name;
    }
    // The dialogs belong to the main window in the order they were made.
    QStringList creati;
    for (QObject* child : principale().children())
        if (qobject_cast<QDialog*>(child))
            creati << child->objectName();
    EXPECT_EQ(creati, attesi);
}

TEST_F(ShellTest, PlacementIsBoundToTheConfigurationFileForTheListedWindowsOnly)
{
    avvia();
    const QString config = percorso("Config/Tarvo.ini");
    const struct
    {
        const char* name;
        bool placement;
    } windows[] = {{"FormMainTarvo", true},        {"FormRubrica", true},
                   {"FormAnteprimaStampa", false}, {"FormAppunti", true},
                   {"FormAppuntiCategoria", true}, {"FormCalendario", true},
                   {"FormImpostazioniMail", true}, {"FormLog", true},
                   {"FormNuovaCategoria", true},   {"FormNuovaRubrica", true},
                   {"FormPreferenze", true},       {"FormPromemoria", false},
                   {"FormPuliziaAgenda", true}};
    for (const auto& w : windows) {
        QWidget* window = principale().objectName() == w.name
                              ? static_cast<QWidget*>(&principale())
                              : principale().findChild<QWidget*>(w.name);
        ASSERT_NE(window, nullptr) << w.name;
        const auto placements =
            window->findChildren<platform::TFormPlacement*>(Qt::FindDirectChildrenOnly);
        if (!w.placement) {
            EXPECT_TRUE(placements.isEmpty()) << w.name;
            continue;
        }
        ASSERT_EQ(placements.size(), 1) << w.name;
        EXPECT_EQ(QFileInfo(placements[0]->iniFileName()).absoluteFilePath(),
                  QFileInfo(config).absoluteFilePath())
            << w.name;
        EXPECT_EQ(placements[0]->iniSection(), w.name);
    }
}

TEST_F(ShellTest, MainWindowPlacementIsSavedInItsSectionWhenTheProgramEnds)
{
    avviaEMostra();
    chiudi();
    EXPECT_NE(valoreIni("FormMainTarvo", "Maximized"), "<none>");
}
