#include "AgendaFixture.h"

#include "MonthCalendar.h"
#include "SectionListBox.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

void scegli(QComboBox* combo, const QString& voce)
{
    const int indice = combo->findText(voce);
    ASSERT_GE(indice, 0) << voce.toStdString();
    combo->setCurrentIndex(indice);
    emit combo->activated(indice);
}

} // namespace

class CalendarTest : public AgendaTest
{
protected:
    void SetUp() override
    {
        AgendaTest::SetUp();
        seminaAgenda({{QDate(2002, 3, 4), QTime(10, 0), "Vecchio"}});
        avvia();
    }
    platform::TCCalendar* griglia() { return w<platform::TCCalendar>("GrigliaCalendario"); }
    QComboBox* mese() { return w<QComboBox>("Mese"); }
    QComboBox* anno() { return w<QComboBox>("Anno"); }
};

TEST_F(CalendarTest, StartsOnTodayWithThePickersOnItsMonthAndYear)
{
    EXPECT_EQ(griglia()->Date(), Giovedi);
    EXPECT_EQ(w<QLabel>("LabelMeseAnno")->text(), "16/05/2024");
    EXPECT_EQ(mese()->currentText(), "Maggio");
    EXPECT_EQ(anno()->currentText(), "2024");
    EXPECT_EQ(w<QLabel>("Label2")->text(), "Mese:");
    EXPECT_EQ(w<QLabel>("Label1")->text(), "Anno:");
    QStringList mesi;
    for (int i = 0; i < mese()->count(); ++i)
        mesi << mese()->itemText(i);
    EXPECT_EQ(mesi,
              QStringList({"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio",
                           "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"}));
}

TEST_F(CalendarTest, YearPickerRunsFrom2003ToTenYearsAhead)
{
    ASSERT_EQ(anno()->count(), 2034 - 2003 + 1);
    EXPECT_EQ(anno()->itemText(0), "2003");
    EXPECT_EQ(anno()->itemText(anno()->count() - 1), "2034");
}

TEST_F(CalendarTest, YearOutsideThePickerLeavesItEmptyWhileTheViewsWork)
{
    for (const QDate& giorno : {QDate(2002, 3, 4), QDate(2035, 1, 1)}) {
        griglia()->SetDate(giorno);
        EXPECT_EQ(anno()->currentIndex(), -1) << giorno.year();
        EXPECT_EQ(anno()->currentText(), "") << giorno.year();
        EXPECT_EQ(mese()->currentIndex(), giorno.month() - 1);
        EXPECT_EQ(w<QLabel>("CaptionGiornaliera")->text(),
                  giorno.toString(QStringLiteral("dd/MM/yyyy")));
    }
    griglia()->SetDate(QDate(2002, 3, 4));
    EXPECT_EQ(captions(lista("ListaGiornaliera")), QStringList{"10.00: Vecchio"});
}

TEST_F(CalendarTest, PickersChangeOnlyTheirPartOfTheDay)
{
    scegli(mese(), "Febbraio");
    EXPECT_EQ(griglia()->Date(), QDate(2024, 2, 16));
    scegli(anno(), "2011");
    EXPECT_EQ(griglia()->Date(), QDate(2011, 2, 16));
    EXPECT_TRUE(messaggi().isEmpty());
}

struct CasoImpossibile
{
    const char* name;
    QDate giorno;
    const char* picker;
    const char* voce;
};

void PrintTo(const CasoImpossibile& c, std::ostream* os)
{
    *os << c.name;
}

class ImpossibleDayTest : public CalendarTest, public ::testing::WithParamInterface<CasoImpossibile>
{
};

TEST_P(ImpossibleDayTest, IsReportedAndTheCalendarKeepsItsDay)
{
    const CasoImpossibile& c = GetParam();
    griglia()->SetDate(c.giorno);
    scegli(w<QComboBox>(c.picker), QString::fromLatin1(c.voce));

    ASSERT_EQ(registrati().size(), 1);
    EXPECT_EQ(registrati()[0].text, "Invalid argument to date encode.");
    EXPECT_EQ(registrati()[0].caption, "Tarvo");
    EXPECT_EQ(registrati()[0].icon, platform::MsgIcon::Error);
    EXPECT_EQ(griglia()->Date(), c.giorno);
    EXPECT_EQ(mese()->currentIndex(), c.giorno.month() - 1);
    EXPECT_EQ(anno()->currentText(), QString::number(c.giorno.year()));
}

INSTANTIATE_TEST_SUITE_P(Calendar, ImpossibleDayTest,
                         ::testing::Values(CasoImpossibile{"ThirtyFirstOfApril", QDate(2024, 5, 31),
                                                           "Mese", "Aprile"},
                                           CasoImpossibile{"TwentyNinthOfFebruaryInACommonYear",
                                                           QDate(2024, 2, 29), "Anno", "2023"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarTest, StepButtonsKeepTheDayClippedToTheMonth)
{
    griglia()->SetDate(QDate(2024, 1, 31));
    const struct
    {
        const char* button;
        QDate atteso;
    } passi[] = {{"BtnAvantiMese", QDate(2024, 2, 29)},
                 {"BtnAvantiAnno", QDate(2025, 2, 28)},
                 {"BtnIndietroMese", QDate(2025, 1, 28)},
                 {"BtnIndietroAnno", QDate(2024, 1, 28)}};
    for (const auto& p : passi) {
        QTest::mouseClick(w<QToolButton>(p.button), Qt::LeftButton);
        EXPECT_EQ(griglia()->Date(), p.atteso) << p.button;
        EXPECT_EQ(w<QLabel>("LabelMeseAnno")->text(), p.atteso.toString("dd/MM/yyyy"));
        EXPECT_EQ(mese()->currentIndex(), p.atteso.month() - 1) << p.button;
    }
}
