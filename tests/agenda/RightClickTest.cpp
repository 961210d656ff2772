#include "AgendaFixture.h"

#include "Main.h"
#include "SectionListBox.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

class RightClickTest : public AgendaTest
{
protected:
    void SetUp() override
    {
        AgendaTest::SetUp();
        seminaAgenda({{Giovedi, QTime(9, 30), "Dentista"}, {Giovedi, QTime(11, 0), "Banca"}});
        avvia();
    }

    QAction* sposta() { return w<QAction>("PopupSpostaAppuntamento"); }
    QAction* copiaIn() { return w<QMenu>("PopupCopiaIn")->menuAction(); }
    void destro(platform::TSectionListBox* l, const QPoint& punto)
    {
        QTest::mouseClick(l->viewport(), Qt::RightButton, {}, punto);
    }
};

TEST_F(RightClickTest, OnEmptySpaceDisablesMovingAndCopying)
{
    auto* l = lista("ListaGiornaliera");
    destro(l, l->SectionRect(1).center());
    ASSERT_TRUE(sposta()->isEnabled());

    const QPoint vuoto(l->viewport()->width() / 2, l->SectionRect(1).bottom() + 20);
    ASSERT_LT(vuoto.y(), l->viewport()->height());
    w<QLineEdit>("EditCommento")->clear();
    destro(l, vuoto);

    EXPECT_FALSE(sposta()->isEnabled());
    EXPECT_FALSE(copiaIn()->isEnabled());
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "");
    EXPECT_TRUE(messaggi().isEmpty());
}

TEST_F(RightClickTest, OnAnEntryLoadsItAndEnablesMovingAndCopying)
{
    auto* l = lista("ListaGiornaliera");
    destro(l, QPoint(l->viewport()->width() / 2, l->SectionRect(0).bottom() + 200));
    destro(l, l->SectionRect(1).center());

    EXPECT_TRUE(sposta()->isEnabled());
    EXPECT_TRUE(copiaIn()->isEnabled());
    EXPECT_EQ(l->SelectedSection(), 1);
    EXPECT_EQ(l->FocusedSection(), 1);
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Banca");
    EXPECT_TRUE(messaggi().isEmpty());
}

TEST_F(RightClickTest, WorksInTheSevenDayColumnsToo)
{
    QTest::mouseClick(principale().findChild<QToolButton*>("Btn7G"), Qt::LeftButton);
    auto* giovedi = lista("ListaGiovedi");
    ASSERT_EQ(captions(giovedi).size(), 2);
    destro(giovedi, giovedi->SectionRect(0).center());
    EXPECT_EQ(w<QLineEdit>("EditCommento")->text(), "Dentista");
    EXPECT_TRUE(sposta()->isEnabled());

    auto* lunedi = lista("ListaLunedi");
    destro(lunedi, QPoint(lunedi->viewport()->width() / 2, 10));
    EXPECT_FALSE(sposta()->isEnabled());
    EXPECT_FALSE(copiaIn()->isEnabled());
}

TEST_F(RightClickTest, ListMenuHasItsEntries)
{
    auto* menu = w<QMenu>("PopupListaAppuntamenti");
    QStringList nomi;
    for (QAction* a : menu->actions())
        nomi << a->objectName();
    EXPECT_EQ(nomi, QStringList({"PopupSpostaAppuntamento", "N2", "PopupCopiaIn"}));
    EXPECT_EQ(sposta()->text(), "Sposta Appuntamento");
    EXPECT_EQ(copiaIn()->text(), "Copia In");
}
