#include "AgendaFixture.h"

#include "DayViews.h"
#include "Main.h"
#include "MainPanels.h"
#include "MonthCalendar.h"
#include "SectionListBox.h"
#include "StringsCalendar.h"
#include "VisteAgenda.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

const char* const Colonne[7] = {"Lunedi",  "Martedi", "Mercoledi", "Giovedi",
                                "Venerdi", "Sabato",  "Domenica"};

QString testo(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

class ViewsTest : public AgendaTest
{
protected:
    // One appointment a day from Monday 13 to Monday 20 May 2024, named after its day.
    void SetUp() override
    {
        AgendaTest::SetUp();
        std::vector<Appuntamento> settimana;
        for (int i = 0; i < 8; ++i)
            settimana.push_back({QDate(2024, 5, 13 + i), QTime(8, 0), Giorni[i]});
        settimana.push_back({QDate(2024, 5, 16), QTime(12, 0), "Pranzo", 1, "Con Paola", "00.30",
                             true, "paola@example.it"});
        settimana.push_back({QDate(2024, 5, 16), QTime(18, 0), "Palestra", 2});
        seminaAgenda(settimana);
        avvia();
    }

    QString caption(const char* name) { return w<QLabel>(name)->text(); }
    QToolButton* pulsante(const char* name)
    {
        return principale().findChild<QToolButton*>(QString::fromLatin1(name));
    }
    void vista(const char* button) { QTest::mouseClick(pulsante(button), Qt::LeftButton); }

    static constexpr const char* Giorni[8] = {"lun 13", "mar 14", "mer 15", "gio 16",
                                              "ven 17", "sab 18", "dom 19", "lun 20"};
};

TEST_F(ViewsTest, DayListShowsEveryPartOfAnEntry)
{
    auto* giornaliera = lista("ListaGiornaliera");
    ASSERT_EQ(captions(giornaliera),
              QStringList({"8.00: gio 16", "12.00: Pranzo", "18.00: Palestra"}));
    EXPECT_EQ(caption("CaptionGiornaliera"), "16/05/2024");
    EXPECT_EQ(giornaliera->SectionImage(1), 1);
    EXPECT_EQ(giornaliera->SectionColor(0), QColor(202, 255, 202));
    EXPECT_EQ(giornaliera->SectionColor(1), QColor(255, 255, 196));
    EXPECT_EQ(giornaliera->SectionColor(2), QColor(255, 202, 202));
    EXPECT_EQ(giornaliera->SectionDetails(1),
              QStringList({"<B>Descrizione:</B> Con Paola",
                           "<B>Importanza:</B> Importante, <B>Prevviso:</B> 00.30, <B>Invia "
                           "mail:</B> Si, <B>Indirizzo:</B> paola@example.it"}));
    EXPECT_EQ(giornaliera->SectionDetails(2).value(1),
              "<B>Importanza:</B> Urgente, <B>Prevviso:</B>   .  , <B>Invia mail:</B> No, "
              "<B>Indirizzo:</B> ");
}

struct CasoSettimana
{
    const char* name;
    QDate selezionato;
    QDate primo; // shown in the Monday column
};

void PrintTo(const CasoSettimana& c, std::ostream* os)
{
    *os << c.name;
}

class SevenColumnsTest : public ViewsTest, public ::testing::WithParamInterface<CasoSettimana>
{
};

TEST_P(SevenColumnsTest, AreCentredOnTheSelectedDay)
{
    const CasoSettimana& c = GetParam();
    vista("Btn7G");
    cliccaGiorno(c.selezionato);

    for (int i = 0; i < 7; ++i) {
        const QDate giorno = c.primo.addDays(i);
        const QString nome = QString::fromLatin1(Colonne[i]);
        EXPECT_EQ(caption(qPrintable("Caption" + nome)), testo(giorno)) << Colonne[i];
        const QStringList voci = captions(lista(qPrintable("Lista" + nome)));
        const int indice = int(c.primo.daysTo(giorno)) + int(QDate(2024, 5, 13).daysTo(c.primo));
        if (indice >= 0 && indice < 8)
            EXPECT_EQ(voci.value(0), QStringLiteral("8.00: ") + Giorni[indice]) << Colonne[i];
        else
            EXPECT_TRUE(voci.isEmpty()) << Colonne[i];
    }
    EXPECT_TRUE(w("PannelloAgendaSettimanale")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Views, SevenColumnsTest,
    ::testing::Values(CasoSettimana{"Thursday", QDate(2024, 5, 16), QDate(2024, 5, 13)},
                      CasoSettimana{"Monday", QDate(2024, 5, 20), QDate(2024, 5, 17)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewsTest, SevenColumnsShareThePanelWidth)
{
    vista("Btn7G");
    QWidget* pannello = w("PannelloAgendaSettimanale");
    pannello->resize(703, 300);
    for (int i = 0; i < 7; ++i) {
        QWidget* colonna = w(qPrintable(QStringLiteral("Pannello") + Colonne[i]));
        EXPECT_EQ(colonna->width(), 100) << Colonne[i];
        EXPECT_EQ(colonna->x(), i * 100) << Colonne[i];
    }
}

TEST_F(ViewsTest, MonthTableCountsEveryDayByImportance)
{
    vista("Btn1M");
    auto* mese = w<platform::TStringsCalendar>("CalendarioAppuntamentiMese");
    EXPECT_EQ(caption("CaptionMensile"), "Maggio 2024");
    EXPECT_EQ(mese->Lines(16),
              QStringList({"3 appuntamenti.", "1 normali.", "1 importanti.", "1 urgenti."}));
    EXPECT_EQ(mese->Lines(13),
              QStringList({"1 appuntamenti.", "1 normali.", "0 importanti.", "0 urgenti."}));
    for (int giorno : {1, 31})
        EXPECT_EQ(mese->Lines(giorno),
                  QStringList({"0 appuntamenti.", "0 normali.", "0 importanti.", "0 urgenti."}))
            << giorno;
    EXPECT_FALSE(w("PannelloModifica")->isVisible());
}

TEST_F(ViewsTest, MonthTableMovesOnlyWithItsOwnButtons)
{
    vista("Btn1M");
    QTest::mouseClick(pulsante("BtnNextMonthAppuntamenti"), Qt::LeftButton);
    auto* mese = w<platform::TStringsCalendar>("CalendarioAppuntamentiMese");
    EXPECT_EQ(caption("CaptionMensile"), "Giugno 2024");
    EXPECT_EQ(mese->Lines(16).value(0), "0 appuntamenti.");
    EXPECT_EQ(mese->Lines(30).size(), 4);
    EXPECT_EQ(w<platform::TCCalendar>("GrigliaCalendario")->Date(), Giovedi);

    for (const auto& [button, atteso] : {std::pair{"BtnPrevYearAppuntamenti", "Giugno 2023"},
                                         std::pair{"BtnNextYearAppuntamenti", "Giugno 2024"},
                                         std::pair{"BtnPrevMonthAppuntamenti", "Maggio 2024"}}) {
        QTest::mouseClick(pulsante(button), Qt::LeftButton);
        EXPECT_EQ(caption("CaptionMensile"), atteso) << button;
    }

    // A new selected day leaves the table on its month.
    QTest::mouseClick(pulsante("BtnNextMonthAppuntamenti"), Qt::LeftButton);
    cliccaGiorno(QDate(2024, 5, 14));
    vista("Btn1M");
    EXPECT_EQ(caption("CaptionMensile"), "Giugno 2024");
}

TEST_F(ViewsTest, DoubleClickInTheMonthTableShowsThatDay)
{
    vista("Btn1M");
    auto* mese = w<platform::TStringsCalendar>("CalendarioAppuntamentiMese");
    QTest::mouseDClick(mese, Qt::LeftButton, {}, mese->DayRect(14).center());

    EXPECT_TRUE(pulsante("Btn1G")->isChecked());
    EXPECT_TRUE(w("PannelloAgendaGiornaliera")->isVisible());
    EXPECT_EQ(w<platform::TCCalendar>("GrigliaCalendario")->Date(), QDate(2024, 5, 14));
    EXPECT_EQ(caption("CaptionGiornaliera"), "14/05/2024");
    EXPECT_EQ(caption("LabelMeseAnno"), "14/05/2024");
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"8.00: mar 14"});
}

TEST_F(ViewsTest, DoubleClickOnTheSelectedDayStillShowsIt)
{
    vista("Btn1M");
    auto* mese = w<platform::TStringsCalendar>("CalendarioAppuntamentiMese");
    QTest::mouseDClick(mese, Qt::LeftButton, {}, mese->DayRect(16).center());
    EXPECT_TRUE(w("PannelloAgendaGiornaliera")->isVisible());
    EXPECT_EQ(captions(lista("ListaGiornaliera")).size(), 3);
}

// Every way of moving the calendar switches the month view back to the day view.
enum class Mossa
{
    Pulsante,
    Mese,
    Anno,
    Giorno
};

struct CasoSpostamento
{
    const char* name;
    Mossa mossa;
    const char* oggetto; // the button, or the picker's entry
    QDate atteso;
};

void PrintTo(const CasoSpostamento& c, std::ostream* os)
{
    *os << c.name;
}

class CalendarMoveTest : public ViewsTest, public ::testing::WithParamInterface<CasoSpostamento>
{
protected:
    void scegli(const char* picker, const QString& voce)
    {
        auto* combo = w<QComboBox>(picker);
        const int indice = combo->findText(voce);
        ASSERT_GE(indice, 0) << voce.toStdString();
        combo->setCurrentIndex(indice);
        emit combo->activated(indice);
    }
};

TEST_P(CalendarMoveTest, SwitchesTheMonthViewToTheDayOfTheNewDay)
{
    const CasoSpostamento& c = GetParam();
    vista("Btn1M");
    switch (c.mossa) {
    case Mossa::Pulsante:
        QTest::mouseClick(pulsante(c.oggetto), Qt::LeftButton);
        break;
    case Mossa::Mese:
        scegli("Mese", QString::fromLatin1(c.oggetto));
        break;
    case Mossa::Anno:
        scegli("Anno", QString::fromLatin1(c.oggetto));
        break;
    case Mossa::Giorno:
        cliccaGiorno(c.atteso);
        break;
    }

    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
    EXPECT_TRUE(pulsante("Btn1G")->isChecked());
    EXPECT_TRUE(w("PannelloAgendaGiornaliera")->isVisible());
    EXPECT_FALSE(w("PannelloAgendaMensile")->isVisible());
    EXPECT_TRUE(w("PannelloModifica")->isVisible());
    EXPECT_EQ(caption("CaptionGiornaliera"), testo(c.atteso));
    EXPECT_EQ(caption("LabelMeseAnno"), testo(c.atteso));
    EXPECT_EQ(w<QComboBox>("Mese")->currentIndex(), c.atteso.month() - 1);
    EXPECT_EQ(w<QComboBox>("Anno")->currentText(), QString::number(c.atteso.year()));
}

INSTANTIATE_TEST_SUITE_P(
    Views, CalendarMoveTest,
    ::testing::Values(
        CasoSpostamento{"NextMonth", Mossa::Pulsante, "BtnAvantiMese", QDate(2024, 6, 16)},
        CasoSpostamento{"PreviousMonth", Mossa::Pulsante, "BtnIndietroMese", QDate(2024, 4, 16)},
        CasoSpostamento{"NextYear", Mossa::Pulsante, "BtnAvantiAnno", QDate(2025, 5, 16)},
        CasoSpostamento{"PreviousYear", Mossa::Pulsante, "BtnIndietroAnno", QDate(2023, 5, 16)},
        CasoSpostamento{"MonthPicker", Mossa::Mese, "Settembre", QDate(2024, 9, 16)},
        CasoSpostamento{"YearPicker", Mossa::Anno, "2030", QDate(2030, 5, 16)},
        CasoSpostamento{"DayClicked", Mossa::Giorno, "", QDate(2024, 5, 20)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewsTest, CalendarMoveInTheSevenDayViewStaysThere)
{
    vista("Btn7G");
    QTest::mouseClick(pulsante("BtnAvantiMese"), Qt::LeftButton);
    EXPECT_TRUE(pulsante("Btn7G")->isChecked());
    EXPECT_EQ(caption("CaptionGiovedi"), "16/06/2024");
}

TEST_F(ViewsTest, ExpandingAllOpensOnlyTheDayList)
{
    vista("Btn7G");
    vista("Btn1G");
    QTest::mouseClick(pulsante("BtnEspandiTutto"), Qt::LeftButton);
    auto* giornaliera = lista("ListaGiornaliera");
    for (int i = 0; i < giornaliera->SectionCount(); ++i)
        EXPECT_TRUE(giornaliera->IsExpanded(i)) << i;
    auto* giovedi = lista("ListaGiovedi");
    ASSERT_EQ(giovedi->SectionCount(), 3);
    for (int i = 0; i < giovedi->SectionCount(); ++i)
        EXPECT_FALSE(giovedi->IsExpanded(i)) << i;

    QTest::mouseClick(pulsante("BtnCollassaTutto"), Qt::LeftButton);
    for (int i = 0; i < giornaliera->SectionCount(); ++i)
        EXPECT_FALSE(giornaliera->IsExpanded(i)) << i;
}

TEST_F(ViewsTest, ExpansionToggleChangesTheDayAndWeekListsTogether)
{
    auto* toggle = pulsante("BtnSingoloMultiplo");
    const auto picture = [](QToolButton* b) { return b->icon().pixmap(16).toImage(); };
    EXPECT_EQ(picture(toggle), picture(pulsante("FakeBtnEspandiSingolo")));
    QStringList liste = {"ListaGiornaliera"};
    for (const char* c : Colonne)
        liste << QStringLiteral("Lista") + c;

    for (bool singola : {false, true}) {
        QTest::mouseClick(toggle, Qt::LeftButton);
        for (const QString& l : liste)
            EXPECT_EQ(lista(qPrintable(l))->SingleExpansion(), singola) << l.toStdString();
        EXPECT_EQ(picture(toggle),
                  picture(pulsante(singola ? "FakeBtnEspandiSingolo" : "FakeBtnEspandiMultiplo")));
    }
}

TEST_F(ViewsTest, EditingPanelCollapsesToItsTitleAndBack)
{
    QWidget* pannello = w("PannelloModifica");
    const int titolo = w("TitoloModifica")->height();
    QTest::mouseClick(pulsante("BtnShowHideModifica"), Qt::LeftButton);
    EXPECT_FALSE(w("LavoroModifica")->isVisible());
    EXPECT_LE(pannello->height(), titolo + 2);
    EXPECT_GE(pannello->height(), titolo);

    QTest::mouseClick(pulsante("BtnShowHideModifica"), Qt::LeftButton);
    EXPECT_TRUE(w("LavoroModifica")->isVisible());
    EXPECT_EQ(pannello->height(), 200);
}

TEST_F(ViewsTest, TrayDoubleClickBringsTheCalendarBackToToday)
{
    cliccaGiorno(QDate(2024, 5, 20));
    principale().TrayIconDblClick();
    EXPECT_EQ(w<platform::TCCalendar>("GrigliaCalendario")->Date(), Giovedi);
    EXPECT_EQ(captions(lista("ListaGiornaliera")).size(), 3);
}
