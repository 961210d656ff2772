#include "AgendaFixture.h"
#include "Messages.h"

#include "SectionListBox.h"
#include "TimeMaskEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

class DeletingTest : public AgendaTest
{
protected:
    void SetUp() override
    {
        AgendaTest::SetUp();
        seminaAgenda({{Giovedi, QTime(9, 30), "Dentista", 2, "Controllo", "00.15", true,
                       "studio@example.it"},
                      {Giovedi, QTime(11, 0), "Banca"}});
        avvia();
        cliccaSezione(lista("ListaGiornaliera"), 0);
        ASSERT_TRUE(prendiMessaggi().isEmpty());
    }
};

TEST_F(DeletingTest, ClearsSubjectDescriptionTimeAndMailButKeepsDayImportanceAndNotice)
{
    clicca("Elimina");

    EXPECT_EQ(messaggi(), QStringList{msg::ConfermaEliminazione});
    EXPECT_EQ(registrati().value(0).icon, platform::MsgIcon::Question);
    EXPECT_EQ(registrati().value(0).buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 11.00 Banca"});
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"11.00: Banca"});
    EXPECT_EQ(lista("ListaGiornaliera")->SelectedSection(), -1);

    EXPECT_TRUE(w<platform::TTimeMaskEdit>("EditOra")->IsBlank());
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "");
    EXPECT_EQ(w<QPlainTextEdit>("EditDescrizione")->toPlainText(), "");
    EXPECT_FALSE(w<QCheckBox>("CheckMail")->isChecked());
    EXPECT_EQ(w<QLineEdit>("EditMail")->text(), "");
    EXPECT_FALSE(w<QLineEdit>("EditMail")->isEnabled());
    EXPECT_EQ(w<QDateEdit>("EditData")->date(), Giovedi);
    EXPECT_EQ(w<QComboBox>("EditImportanza")->currentIndex(), 2);
    EXPECT_EQ(w<platform::TTimeMaskEdit>("EditPreavviso")->Text(), "00.15");
}

TEST_F(DeletingTest, AnsweringNoDeletesNothing)
{
    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::No);
    clicca("Elimina");

    EXPECT_EQ(messaggi(), QStringList{msg::ConfermaEliminazione});
    EXPECT_EQ(appuntamenti().size(), 2);
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Dentista");
}

TEST_F(DeletingTest, GoesByThePanelsDayAndTimeNotByTheListSelection)
{
    scriviOra("EditOra", "11.00");
    clicca("Elimina");

    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 9.30 Dentista"});
}

TEST_F(DeletingTest, NothingAtThePanelsDayAndTimeIsReported)
{
    for (const char* ora : {"12.00", "", "25.00"}) {
        scriviOra("EditOra", ora);
        clicca("Elimina");
        EXPECT_EQ(prendiMessaggi(),
                  QStringList({msg::ConfermaEliminazione, msg::NienteDaEliminare}))
            << ora;
    }
    EXPECT_EQ(appuntamenti().size(), 2);
}

TEST_F(DeletingTest, DeletedAppointmentCanNoLongerBeModified)
{
    clicca("Elimina");
    prendiMessaggi();
    scriviOra("EditOra", "09.30");
    scriviTesto("EditCommento", "Ritorno");
    clicca("Modifica");

    EXPECT_EQ(messaggi(), QStringList{msg::NessunaVoce});
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 11.00 Banca"});
}
