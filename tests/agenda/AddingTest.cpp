#include "AgendaFixture.h"
#include "Messages.h"

#include "Datamodule.h"
#include "Memtable.h"
#include "SectionListBox.h"
#include "TimeMaskEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>

namespace {

struct CasoAggiunta
{
    const char* name;
    const char* ora;
    const char* preavviso;
    QStringList messaggi;
    bool aggiunto;
};

void PrintTo(const CasoAggiunta& c, std::ostream* os)
{
    *os << c.name;
}

} // namespace

class TimeChecksOnAddingTest : public AgendaTest, public ::testing::WithParamInterface<CasoAggiunta>
{
};

TEST_P(TimeChecksOnAddingTest, RefusesOrAddsWithTheRightMessage)
{
    const CasoAggiunta& c = GetParam();
    avvia();
    aggiungi(Giovedi, QString::fromLatin1(c.ora), "Dentista", 0, QString::fromLatin1(c.preavviso));

    EXPECT_EQ(messaggi(), c.messaggi);
    for (const auto& m : registrati())
        EXPECT_EQ(m.icon, platform::MsgIcon::Error);
    if (c.aggiunto) {
        ASSERT_EQ(tabella().RecordCount(), 1);
        tabella().First();
        EXPECT_EQ(tabella().FieldByName("Preavviso").AsString(),
                  w<platform::TTimeMaskEdit>("EditPreavviso")->Text());
        EXPECT_EQ(captions(lista("ListaGiornaliera")).size(), 1);
    } else {
        EXPECT_EQ(tabella().RecordCount(), 0);
        EXPECT_FALSE(QFileInfo::exists(filePath("Agenda/Agenda.dat")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Adding, TimeChecksOnAddingTest,
    ::testing::Values(
        CasoAggiunta{"BlankTime", "", "", {msg::FormatoOra}, false},
        CasoAggiunta{"HourOf24", "24.30", "", {msg::FormatoOra}, false},
        CasoAggiunta{"MinuteOf60", "09.60", "", {msg::FormatoOra}, false},
        CasoAggiunta{"NoticeOf2459", "10.00", "24.59", {msg::Ventiquattro}, false},
        CasoAggiunta{"NoticeOf2500", "10.00", "25.00", {msg::Ventiquattro}, false},
        // 24.00 to 24.58 pass the 24-hour bound and fail as times.
        CasoAggiunta{"NoticeOf2430", "10.00", "24.30", {msg::FormatoPreavviso}, false},
        CasoAggiunta{"NoticeOf2400", "10.00", "24.00", {msg::FormatoPreavviso}, false},
        CasoAggiunta{"NoticeOf2359", "10.00", "23.59", {}, true},
        CasoAggiunta{"BlankNoticeMeansNoReminder", "10.00", "", {}, true},
        // The 24-hour bound is looked at before the time.
        CasoAggiunta{"BlankTimeAndNoticeOf2459", "", "24.59", {msg::Ventiquattro}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AgendaTest, AddedAppointmentIsSavedAtOnceWithEveryField)
{
    avvia();
    w<QDateEdit>("EditData")->setDate(Giovedi.addDays(1));
    scriviOra("EditOra", "16.00");
    w<QComboBox>("EditImportanza")->setCurrentIndex(2);
    scriviOra("EditPreavviso", "00.30");
    scriviTesto("EditCommento", "Riunione");
    scriviTesto("EditDescrizione", "  Portare i conti\n  ");
    clicca("Aggiungi");
    ASSERT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();

    TDC letto;
    TMemTable& t = letto.TabellaAgenda;
    t.LoadFromFileViaFormat(filePath("Agenda/Agenda.dat"), &letto.SaveFormat);
    ASSERT_EQ(t.RecordCount(), 1);
    t.First();
    EXPECT_EQ(t.FieldByName("Giorno").AsString(), "17/05/2024");
    EXPECT_EQ(t.FieldByName("Ora").AsString(), "16.00.00");
    EXPECT_EQ(t.FieldByName("Commento").AsString(), "Riunione");
    EXPECT_EQ(t.FieldByName("Descrizione").AsString(), "Portare i conti");
    EXPECT_EQ(t.FieldByName("Importanza").AsInteger(), 2);
    EXPECT_EQ(t.FieldByName("Preavviso").AsString(), "00.30");
    EXPECT_FALSE(t.FieldByName("InviaMail").AsBoolean());
    EXPECT_EQ(t.FieldByName("Mail").AsString(), "");
}

TEST_F(AgendaTest, BlankNoticeIsStoredAsTheBlankTimeText)
{
    avvia();
    aggiungi(Giovedi, "10.00", "Senza avviso");
    tabella().First();
    EXPECT_EQ(tabella().FieldByName("Preavviso").AsString(), "  .  ");
}

TEST_F(AgendaTest, SecondAppointmentAtTheSameDayAndTimeIsRefused)
{
    seminaAgenda({{Giovedi, QTime(9, 30), "Dentista"}});
    avvia();
    aggiungi(Giovedi, "09.30", "Altro");

    EXPECT_EQ(messaggi(), QStringList{msg::GiaPresenti});
    EXPECT_EQ(registrati().value(0).icon, platform::MsgIcon::Error);
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 9.30 Dentista"});

    // The same time on another day is another appointment.
    prendiMessaggi();
    aggiungi(Giovedi.addDays(1), "09.30", "Altro");
    EXPECT_TRUE(messaggi().isEmpty());
    EXPECT_EQ(appuntamenti(), QStringList({"16/05/2024 9.30 Dentista", "17/05/2024 9.30 Altro"}));
}

TEST_F(AgendaTest, DayListIsInTimeOrderWhateverTheOrderOfAdding)
{
    avvia();
    aggiungi(Giovedi, "14.00", "Pomeriggio");
    // Typed as shown: the new entry is selected.
    EXPECT_EQ(lista("ListaGiornaliera")->SelectedSection(), 0);
    aggiungi(Giovedi, "09.30", "Mattina");

    EXPECT_EQ(captions(lista("ListaGiornaliera")),
              QStringList({"9.30: Mattina", "14.00: Pomeriggio"}));
    // "09.30" typed, "9.30" shown: no entry has that caption, none is selected.
    EXPECT_EQ(lista("ListaGiornaliera")->SelectedSection(), -1);
}

TEST_F(AgendaTest, AppointmentForAnotherDayIsSavedButNotListed)
{
    avvia();
    aggiungi(Giovedi.addDays(3), "08.00", "Treno");
    EXPECT_TRUE(captions(lista("ListaGiornaliera")).isEmpty());
    EXPECT_EQ(appuntamenti(), QStringList{"19/05/2024 8.00 Treno"});
}

TEST_F(AgendaTest, SaveFailureIsShownAndTheAppointmentStaysInMemory)
{
    avvia();
    // A folder where the file should be: the file cannot be created.
    ASSERT_TRUE(QDir().mkpath(filePath("Agenda/Agenda.dat")));
    aggiungi(Giovedi, "11.00", "Non salvato");

    ASSERT_EQ(registrati().size(), 1) << messaggi().join('\n').toStdString();
    EXPECT_EQ(registrati()[0].caption, "Tarvo");
    EXPECT_EQ(registrati()[0].icon, platform::MsgIcon::Error);
    EXPECT_TRUE(registrati()[0].text.startsWith("Cannot create file"))
        << registrati()[0].text.toStdString();
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 11.00 Non salvato"});
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"11.00: Non salvato"});
}
