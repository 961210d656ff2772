#include "ShellFixture.h"

#include "Datamodule.h"
#include "DateTime.h"
#include "FileBytes.h"
#include "Hints.h"
#include "Main.h"
#include "QtPrinters.h"
#include "StoreErrors.h"
#include "Supporto.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

namespace {

struct Appuntamento
{
    QDate giorno;
    QTime ora;
    const char* commento;
};

QByteArray fileAgenda(const std::vector<Appuntamento>& appuntamenti)
{
    TDC dc;
    TMemTable& t = dc.TabellaAgenda;
    for (const auto& a : appuntamenti) {
        t.Append();
        t.FieldByName("Giorno").SetAsDateTime(datetime::fromQDate(a.giorno));
        t.FieldByName("Ora").SetAsDateTime(datetime::encodeTime(a.ora.hour(), a.ora.minute()));
        t.FieldByName("Commento").SetAsString(QString::fromUtf8(a.commento));
        t.FieldByName("Importanza").SetAsInteger(0);
        t.Post();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    t.SaveToStreamViaFormat(buffer, &dc.SaveFormat);
    return buffer.data();
}

QStringList commenti(TMemTable& table)
{
    QStringList list;
    for (table.First(); !table.Eof(); table.Next())
        list << table.FieldByName("Commento").AsString();
    return list;
}

// The record store's own error for these bytes.
QString erroreCaricamento(const QByteArray& bytes)
{
    TDC dc;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        dc.TabellaAgenda.LoadFromStreamViaFormat(buffer, &dc.SaveFormat);
    } catch (const EStoreError& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

TEST_F(ShellTest, AgendaFileIsLoadedAndSortedByDayAndTime)
{
    const QByteArray bytes = fileAgenda({{QDate(2024, 5, 2), QTime(14, 0), "pomeriggio"},
                                         {QDate(2024, 5, 1), QTime(9, 0), "primo"},
                                         {QDate(2024, 5, 2), QTime(9, 30), "mattina"}});
    creaFile("Agenda/Agenda.dat", bytes);
    avviaEMostra();

    EXPECT_TRUE(messaggi().isEmpty()) << testiMessaggi().join('\n').toStdString();
    EXPECT_EQ(commenti(forms().DC->TabellaAgenda), QStringList({"primo", "mattina", "pomeriggio"}));
    // Starting reads the agenda; it never writes it.
    EXPECT_EQ(readFileBytes(percorso("Agenda/Agenda.dat")), bytes);
}

TEST_F(ShellTest, SalvaAgendaWritesTheWholeTableAndRecreatesItsFolder)
{
    avviaEMostra();
    TMemTable& agenda = forms().DC->TabellaAgenda;
    agenda.Append();
    agenda.FieldByName("Giorno").SetAsDateTime(datetime::encodeDate(2024, 6, 1));
    agenda.FieldByName("Commento").SetAsString("dentista");
    agenda.Post();
    ASSERT_TRUE(QDir(percorso("Agenda")).removeRecursively());

    principale().SalvaAgenda();

    TDC letto;
    letto.TabellaAgenda.LoadFromFileViaFormat(percorso("Agenda/Agenda.dat"), &letto.SaveFormat);
    EXPECT_EQ(commenti(letto.TabellaAgenda), QStringList({"dentista"}));
}

struct FileDanneggiato
{
    const char* name;
    QByteArray bytes;
};

// Failure messages name the case.
inline void PrintTo(const FileDanneggiato& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedAgendaTest : public ShellTest, public ::testing::WithParamInterface<FileDanneggiato>
{
};

TEST_P(DamagedAgendaTest, IsRefusedWithTheStoreErrorAndNothingIsWritten)
{
    const QByteArray bytes = GetParam().bytes;
    const QString errore = erroreCaricamento(bytes);
    ASSERT_FALSE(errore.isEmpty());
    creaFile("Agenda/Agenda.dat", bytes);

    avviaEMostra();

    ASSERT_EQ(messaggi().size(), 1) << testiMessaggi().join('\n').toStdString();
    EXPECT_TRUE(messaggi()[0].text.startsWith(errore)) << messaggi()[0].text.toStdString();
    EXPECT_LE(messaggi()[0].text.size(), errore.size() + 1);
    EXPECT_EQ(messaggi()[0].caption, "Tarvo");
    EXPECT_EQ(messaggi()[0].icon, platform::MsgIcon::Error);
    EXPECT_TRUE(terminateRequested());
    EXPECT_NE(terminateExitCode(), 0);

    // Whatever a later save would find in memory, the file that failed to load stays.
    principale().SalvaAgenda();
    chiudi();
    EXPECT_EQ(readFileBytes(percorso("Agenda/Agenda.dat")), bytes);
    EXPECT_EQ(valoreIni("FormMainTarvo", "Maximized"), "<none>");
}

INSTANTIATE_TEST_SUITE_P(
    Startup, DamagedAgendaTest,
    ::testing::Values(FileDanneggiato{"NotATable", QByteArray("questo non e' un file di tabella")},
                      FileDanneggiato{"Truncated",
                                      fileAgenda({{QDate(2024, 5, 1), QTime(9, 0), "primo"},
                                                  {QDate(2024, 5, 2), QTime(10, 0), "secondo"}})
                                          .chopped(9)},
                      FileDanneggiato{"Empty", QByteArray()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, FirstShowingAsksTheAgendaForItsViewsInOrder)
{
    QStringList registro;
    avvia();
    principale().setAgendaViews(std::make_unique<RegistroViste>(registro));
    principale().show();

    EXPECT_EQ(registro,
              QStringList({"SincronizzaSelettori", "AggiornaListaAppuntamenti", "PreparaModifica",
                           "Btn1GClick", "GrigliaCalendarioChange", "AggiornaListaScadenze"}));
}

TEST_F(ShellTest, LaterShowingsReloadNothing)
{
    QStringList registro;
    avvia();
    principale().setAgendaViews(std::make_unique<RegistroViste>(registro));
    principale().show();
    registro.clear();
    creaFile("Agenda/Agenda.dat", fileAgenda({{QDate(2024, 5, 1), QTime(9, 0), "nuovo"}}));

    principale().hide();
    principale().show();

    EXPECT_TRUE(registro.isEmpty()) << registro.join(' ').toStdString();
    EXPECT_EQ(forms().DC->TabellaAgenda.RecordCount(), 0);
}

TEST_F(ShellTest, HintsFollowTheStoredHelpPreference)
{
    for (const char* aiuti : {"0", "1"}) {
        scriviIni("Generale", "Versione", "0.2");
        scriviIni("Preferenze", "Aiuti", aiuti);
        platform::setHintsEnabled(QByteArray(aiuti) == "0");
        avviaEMostra();
        EXPECT_EQ(platform::hintsEnabled(), QByteArray(aiuti) == "1") << aiuti;
        chiudi();
    }
}
