#include "AgendaFixture.h"

#include "FileBytes.h"
#include "FileDialog.h"
#include "Main.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>

namespace {

const QByteArray Intestazione =
    "\"Giorno\",\"Ora\",\"Commento\",\"Descrizione\",\"Importanza\",\"Preavviso\",\"InviaMail\","
    "\"Mail\",\r\n";

} // namespace

class CsvExportTest : public AgendaTest
{
protected:
    void esporta(const QString& nome, int filtro)
    {
        platform::FileDialogScript::setNextChoice(nome, filtro);
        QTest::mouseClick(principale().findChild<QToolButton*>("BtnEsportaCSV"), Qt::LeftButton);
    }
};

TEST_F(CsvExportTest, WritesEveryAppointmentInTheDocumentedForm)
{
    // A null notice, a two-line description and an empty address.
    seminaAgenda({{QDate(2004, 12, 25), QTime(9, 30), "Natale", 2, "prima riga\r\nseconda riga",
                   nullptr, false, ""}});
    avvia();
    esporta(filePath("natale"), 1);

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_EQ(readFileBytes(filePath("natale.csv")),
              Intestazione + "\"25/12/2004\",\"9:30:00\",\"Natale\","
                             "\"prima riga%c%nseconda riga\",\"2\",,\"False\",\"\",\r\n");
}

TEST_F(CsvExportTest, EmptyAgendaGivesTheHeaderAlone)
{
    avvia();
    esporta(filePath("vuota.csv"), 1);
    EXPECT_EQ(readFileBytes(filePath("vuota.csv")), Intestazione);
}

TEST_F(CsvExportTest, ExtensionIsAddedOnlyForTheCsvFilterAndOnlyWhenMissing)
{
    avvia();
    const struct
    {
        const char* scelto;
        int filtro;
        const char* scritto;
    } casi[] = {{"agenda", 1, "agenda.csv"},
                {"senza", 2, "senza"},
                {"testo.txt", 1, "testo.txt"},
                {"cartella.v2/agenda", 1, "cartella.v2/agenda.csv"}};
    QDir().mkpath(filePath("cartella.v2"));
    for (const auto& c : casi) {
        esporta(filePath(c.scelto), c.filtro);
        EXPECT_TRUE(QFileInfo::exists(filePath(c.scritto))) << c.scelto;
        EXPECT_EQ(principale().SaveDialog().fileName(), filePath(c.scritto)) << c.scelto;
    }
    EXPECT_FALSE(QFileInfo::exists(filePath("senza.csv")));
    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
}

TEST_F(CsvExportTest, CancellingWritesNothing)
{
    avvia();
    esporta(QString(), 1);
    EXPECT_EQ(platform::FileDialogScript::shownCount(), 1);
    EXPECT_TRUE(messaggi().isEmpty());
    EXPECT_TRUE(QDir(folder()).entryList({"*.csv"}).isEmpty());
}

TEST_F(CsvExportTest, FileThatCannotBeCreatedIsReported)
{
    avvia();
    esporta(filePath("manca/agenda.csv"), 1);

    ASSERT_EQ(registrati().size(), 1);
    EXPECT_EQ(registrati()[0].caption, "Tarvo");
    EXPECT_EQ(registrati()[0].icon, platform::MsgIcon::Error);
    EXPECT_TRUE(registrati()[0].text.startsWith("Cannot create file"))
        << registrati()[0].text.toStdString();
    EXPECT_TRUE(principale().isVisible());
}
