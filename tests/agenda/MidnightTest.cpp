#include "AgendaFixture.h"
#include "Messages.h"

#include "Memtable.h"
#include "SectionListBox.h"
#include "TimeMaskEdit.h"

#include <QDateEdit>
#include <QLineEdit>

// Midnight is written to the agenda file as an empty time. After a restart an appointment at
// 00.00 must still be the same appointment: listed, chosen, changed, deleted, and in the way of
// another one at 00.00.

TEST_F(AgendaTest, MidnightAppointmentWorksLikeAnyOtherDuringTheRun)
{
    avvia();
    aggiungi(Giovedi, "00.00", "Mezzanotte");
    ASSERT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"0.00: Mezzanotte"});

    cliccaSezione(lista("ListaGiornaliera"), 0);
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Mezzanotte");
    scriviTesto("EditCommento", "Capodanno");
    clicca("Modifica");
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 0.00 Capodanno"});

    aggiungi(Giovedi, "00.00", "Doppione");
    EXPECT_EQ(prendiMessaggi(), QStringList{msg::GiaPresenti});

    scriviOra("EditOra", "00.00");
    clicca("Elimina");
    EXPECT_EQ(prendiMessaggi(), QStringList{msg::ConfermaEliminazione});
    EXPECT_TRUE(appuntamenti().isEmpty());
}

TEST_F(AgendaTest, MidnightAppointmentAddedInThePanelSurvivesARestart)
{
    avvia();
    aggiungi(Giovedi, "00.00", "Mezzanotte");
    riavvia();

    // The file gave its time back empty; the list shows 00.00.
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 00.00 Mezzanotte"});
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"00.00: Mezzanotte"});
    cliccaSezione(lista("ListaGiornaliera"), 0);
    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(w<platform::TTimeMaskEdit>("EditOra")->Text(), "00.00");
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Mezzanotte");
}

class MidnightAfterRestartTest : public AgendaTest
{
protected:
    void SetUp() override
    {
        AgendaTest::SetUp();
        seminaAgenda({{Giovedi, std::nullopt, "Mezzanotte"}, {Giovedi, QTime(9, 0), "Colazione"}});
        avvia();
        ASSERT_EQ(captions(lista("ListaGiornaliera")),
                  QStringList({"00.00: Mezzanotte", "9.00: Colazione"}));
    }
};

TEST_F(MidnightAfterRestartTest, IsChosenAndChanged)
{
    cliccaSezione(lista("ListaGiornaliera"), 0);
    ASSERT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    scriviTesto("EditCommento", "Mezzanotte e un quarto prima");
    clicca("Modifica");

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(appuntamenti(), QStringList({"16/05/2024 0.00 Mezzanotte e un quarto prima",
                                           "16/05/2024 9.00 Colazione"}));
}

TEST_F(MidnightAfterRestartTest, IsDeletedAtMidnight)
{
    w<QDateEdit>("EditData")->setDate(Giovedi);
    scriviOra("EditOra", "00.00");
    clicca("Elimina");

    EXPECT_EQ(messaggi(), QStringList{msg::ConfermaEliminazione});
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 9.00 Colazione"});
}

TEST_F(MidnightAfterRestartTest, RefusesASecondAppointmentAtMidnight)
{
    aggiungi(Giovedi, "00.00", "Doppione");

    EXPECT_EQ(messaggi(), QStringList{msg::GiaPresenti});
    EXPECT_EQ(appuntamenti().size(), 2);
}

TEST_F(MidnightAfterRestartTest, RefusesMovingAnotherAppointmentOntoMidnight)
{
    cliccaSezione(lista("ListaGiornaliera"), 1);
    scriviOra("EditOra", "00.00");
    clicca("Modifica");

    EXPECT_EQ(messaggi(), QStringList{msg::GiaPresentiAttenzione});
    EXPECT_EQ(appuntamenti(),
              QStringList({"16/05/2024 00.00 Mezzanotte", "16/05/2024 9.00 Colazione"}));
}

TEST_F(MidnightAfterRestartTest, MovesToAnotherTimeAndLeavesMidnightFree)
{
    cliccaSezione(lista("ListaGiornaliera"), 0);
    scriviOra("EditOra", "23.30");
    clicca("Modifica");
    aggiungi(Giovedi, "00.00", "Nuova mezzanotte");

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(appuntamenti(),
              QStringList({"16/05/2024 0.00 Nuova mezzanotte", "16/05/2024 9.00 Colazione",
                           "16/05/2024 23.30 Mezzanotte"}));
}
