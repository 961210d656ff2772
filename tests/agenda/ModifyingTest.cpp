#include "AgendaFixture.h"
#include "Messages.h"

#include "Memtable.h"
#include "SectionListBox.h"
#include "TimeMaskEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

struct CasoModifica
{
    const char* name;
    const char* ora;
    const char* preavviso;
    QStringList messaggi;
    bool modificato;
};

void PrintTo(const CasoModifica& c, std::ostream* os)
{
    *os << c.name;
}

} // namespace

class ModifyingTest : public AgendaTest
{
protected:
    void SetUp() override
    {
        AgendaTest::SetUp();
        seminaAgenda({{Giovedi, QTime(9, 30), "Dentista", 1, "Controllo", "00.15"},
                      {Giovedi.addDays(1), QTime(9, 30), "Banca"}});
        avvia();
        cliccaSezione(lista("ListaGiornaliera"), 0);
        ASSERT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    }
};

class TimeChecksOnModifyingTest : public ModifyingTest,
                                  public ::testing::WithParamInterface<CasoModifica>
{
};

TEST_P(TimeChecksOnModifyingTest, RefusesOrChangesWithTheRightMessage)
{
    const CasoModifica& c = GetParam();
    scriviOra("EditOra", QString::fromLatin1(c.ora));
    scriviOra("EditPreavviso", QString::fromLatin1(c.preavviso));
    scriviTesto("EditCommento", "Dentista, nuovo orario");
    clicca("Modifica");

    EXPECT_EQ(messaggi(), c.messaggi);
    for (const auto& m : registrati())
        EXPECT_EQ(m.icon, platform::MsgIcon::Error);
    tabella().First();
    EXPECT_EQ(tabella().FieldByName("Commento").AsString(),
              c.modificato ? "Dentista, nuovo orario" : "Dentista");
    EXPECT_EQ(tabella().FieldByName("Preavviso").AsString(),
              c.modificato ? QString::fromLatin1(c.preavviso) : "00.15");
}

INSTANTIATE_TEST_SUITE_P(
    Modifying, TimeChecksOnModifyingTest,
    ::testing::Values(
        CasoModifica{"BlankTime", "", "00.15", {msg::FormatoOra}, false},
        // No 24-hour message here: every notice of 24 hours or more is a bad time.
        CasoModifica{"NoticeOf2459", "09.30", "24.59", {msg::FormatoPreavviso}, false},
        CasoModifica{"NoticeOf2430", "09.30", "24.30", {msg::FormatoPreavviso}, false},
        CasoModifica{"NoticeOf2359", "09.30", "23.59", {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModifyingTest, OnlyTheSubjectKeepsDayAndTimeWithoutAClash)
{
    scriviTesto("EditCommento", "Dentista (studio nuovo)");
    clicca("Modifica");

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(appuntamenti(),
              QStringList({"16/05/2024 9.30 Dentista (studio nuovo)", "17/05/2024 9.30 Banca"}));
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"9.30: Dentista (studio nuovo)"});
    EXPECT_EQ(lista("ListaGiornaliera")->SelectedSection(), 0);
}

TEST_F(ModifyingTest, ChangingTheDayOntoAnotherAppointmentIsRefusedAndBothStay)
{
    w<QDateEdit>("EditData")->setDate(Giovedi.addDays(1));
    clicca("Modifica");

    EXPECT_EQ(messaggi(), QStringList{msg::GiaPresentiAttenzione});
    EXPECT_EQ(registrati().value(0).icon, platform::MsgIcon::Warning);
    EXPECT_EQ(appuntamenti(), QStringList({"16/05/2024 9.30 Dentista", "17/05/2024 9.30 Banca"}));
}

TEST_F(ModifyingTest, ChangingDayAndTimeMovesTheAppointment)
{
    w<QDateEdit>("EditData")->setDate(Giovedi.addDays(1));
    scriviOra("EditOra", "11.00");
    clicca("Modifica");

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(appuntamenti(), QStringList({"17/05/2024 9.30 Banca", "17/05/2024 11.00 Dentista"}));
    // The view still shows the selected day, which no longer has it.
    EXPECT_TRUE(captions(lista("ListaGiornaliera")).isEmpty());
}

TEST_F(ModifyingTest, ChangesTheChosenAppointmentAfterTheViewsWalkedTheTable)
{
    // Showing Friday walks the table onto Banca; the chosen appointment is still Dentista.
    cliccaGiorno(Giovedi.addDays(1));
    ASSERT_EQ(captions(lista("ListaGiornaliera")), QStringList{"9.30: Banca"});
    scriviTesto("EditCommento", "Dentista, confermato");
    clicca("Modifica");

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(appuntamenti(),
              QStringList({"16/05/2024 9.30 Dentista, confermato", "17/05/2024 9.30 Banca"}));
}

TEST_F(AgendaTest, ModifyingBeforeChoosingAnAppointmentChangesNothing)
{
    seminaAgenda({{Giovedi, QTime(9, 30), "Dentista"}});
    avvia();
    scriviOra("EditOra", "09.30");
    scriviTesto("EditCommento", "Sovrascritto");
    clicca("Modifica");

    EXPECT_EQ(messaggi(), QStringList{msg::NessunaVoce});
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 9.30 Dentista"});
}

TEST_F(ModifyingTest, ChoosingAnEntryLoadsEveryField)
{
    EXPECT_EQ(w<QDateEdit>("EditData")->date(), Giovedi);
    EXPECT_EQ(w<platform::TTimeMaskEdit>("EditOra")->Text(), " 9.30");
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Dentista");
    EXPECT_EQ(w<QPlainTextEdit>("EditDescrizione")->toPlainText(), "Controllo");
    EXPECT_EQ(w<QComboBox>("EditImportanza")->currentIndex(), 1);
    EXPECT_EQ(w<platform::TTimeMaskEdit>("EditPreavviso")->Text(), "00.15");
    EXPECT_FALSE(w<QCheckBox>("CheckMail")->isChecked());
    EXPECT_FALSE(w<QLineEdit>("EditMail")->isEnabled());
}

TEST_F(ModifyingTest, EntryNoLongerInTheTableIsReportedAndThePanelKept)
{
    // Another part of the program removed the appointment after the list was filled.
    auto* giornaliera = lista("ListaGiornaliera");
    cliccaGiorno(Giovedi.addDays(1));
    tabella().First();
    tabella().Next();
    tabella().Delete();
    cliccaSezione(giornaliera, 0);

    EXPECT_EQ(messaggi(), QStringList{msg::NessunaVoce});
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Dentista");
}
