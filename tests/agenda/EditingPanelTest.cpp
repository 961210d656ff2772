#include "AgendaFixture.h"

#include "Components.h"
#include "EditingPanel.h"
#include "TimeMaskEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

TEST_F(AgendaTest, EditingPanelStartsEmptyWithItsLimits)
{
    avvia();
    auto* ora = w<platform::TTimeMaskEdit>("EditOra");
    auto* preavviso = w<platform::TTimeMaskEdit>("EditPreavviso");
    EXPECT_EQ(ora->Text(), "  .  ");
    EXPECT_EQ(preavviso->Text(), "  .  ");
    EXPECT_EQ(ora->maxLength(), 5);
    EXPECT_EQ(w<QLineEdit>("EditCommento")->maxLength(), 256);
    EXPECT_EQ(w<QLineEdit>("EditMail")->maxLength(), 32);
    EXPECT_FALSE(w<QLineEdit>("EditMail")->isEnabled());
    EXPECT_FALSE(w<QCheckBox>("CheckMail")->isChecked());
    EXPECT_EQ(w<QCheckBox>("CheckMail")->text(), "Invia Mail");
    EXPECT_EQ(w<QDateEdit>("EditData")->date(), Giovedi);
    EXPECT_EQ(w<QDateEdit>("EditData")->text(), "16/05/2024");

    auto* importanza = w<QComboBox>("EditImportanza");
    ASSERT_EQ(importanza->count(), 3);
    EXPECT_EQ(importanza->itemText(0), "Normale");
    EXPECT_EQ(importanza->itemText(1), "Importante");
    EXPECT_EQ(importanza->itemText(2), "Urgente");
    EXPECT_EQ(importanza->currentIndex(), 0);
    EXPECT_STREQ(platform::componentClass(importanza), "TComboBox");

    const struct
    {
        const char* label;
        const char* caption;
    } etichette[] = {{"Label3", "Ora"},
                     {"Label11", "Importanza"},
                     {"Label5", "Preavviso"},
                     {"Label4", "Commento"},
                     {"Label6", "Descrizione"},
                     {"Label7", "Giorno"},
                     {"CaptionModifica", "Modifica appuntamenti"}};
    for (const auto& e : etichette) {
        EXPECT_EQ(w<QLabel>(e.label)->text(), e.caption) << e.label;
        EXPECT_STREQ(platform::componentClass(w<QLabel>(e.label)), "TLabel") << e.label;
    }

    const struct
    {
        const char* name;
        const char* caption;
        const char* hint;
    } pulsanti[] = {
        {"Aggiungi", "&Aggiungi", "Aggiunge l'appuntamento specificato nell'agenda."},
        {"Modifica", "&Modifica",
         "Modifica l'appuntamento indicato con i dati specificati a fianco."},
        {"Elimina", "&Elimina", "Elimina l'appuntamento in data e ora specificata a fianco."}};
    for (const auto& p : pulsanti) {
        auto* button = w<QPushButton>(p.name);
        EXPECT_EQ(button->text(), p.caption) << p.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(p.hint)) << p.name;
        EXPECT_STREQ(platform::componentClass(button), "TBitBtn") << p.name;
    }
    EXPECT_TRUE(w<QPushButton>("Aggiungi")->isDefault());
}

TEST_F(AgendaTest, DescriptionHoldsAtMost1024Characters)
{
    avvia();
    auto* descrizione = w<QPlainTextEdit>("EditDescrizione");
    descrizione->setPlainText(QString(1020, u'a'));
    descrizione->moveCursor(QTextCursor::End);
    QTest::keyClicks(descrizione, "bcdefghi");
    EXPECT_EQ(descrizione->toPlainText(), QString(1020, u'a') + "bcde");
}

TEST_F(AgendaTest, TabGoesThroughTheFieldsInOrder)
{
    avvia();
    clicca("CheckMail"); // EditMail takes part only while enabled
    const char* ordine[] = {"EditOra",      "EditImportanza",  "EditPreavviso",
                            "EditCommento", "EditDescrizione", "CheckMail",
                            "EditMail",     "EditData",        "Aggiungi"};
    QWidget* campo = w(ordine[0]);
    for (std::size_t i = 1; i < std::size(ordine); ++i) {
        QWidget* prossimo = campo->nextInFocusChain();
        // A widget's inner parts (the date field's line edit) come right after it.
        while (prossimo->focusProxy() || !(prossimo->focusPolicy() & Qt::TabFocus) ||
               prossimo->parentWidget() == campo)
            prossimo = prossimo->nextInFocusChain();
        EXPECT_EQ(prossimo->objectName(), ordine[i]) << "after " << ordine[i - 1];
        campo = w(ordine[i]);
    }
}

TEST_F(AgendaTest, ReturnInAOneLineFieldAdds)
{
    avvia();
    w<QDateEdit>("EditData")->setDate(Giovedi);
    scriviOra("EditOra", "10.15");
    scriviTesto("EditCommento", "Con invio");
    QTest::keyClick(w("EditCommento"), Qt::Key_Return);
    EXPECT_EQ(appuntamenti(), QStringList{"16/05/2024 10.15 Con invio"});
}

TEST_F(AgendaTest, PresetNoticesSetTheNoticeField)
{
    avvia();
    const struct
    {
        const char* name;
        const char* caption;
        const char* testo;
    } voci[] = {{"Inorario1", "In orario", "00.00"},
                {"N15minutiprima1", "15 minuti prima", "00.15"},
                {"N30minutiprima1", "30 minuti prima", "00.30"},
                {"N45minutiprima1", "45 minuti prima", "00.45"},
                {"N1oraprima1", "1 ora prima", "01.00"},
                {"N2oreprima1", "2 ore prima", "02.00"},
                {"N4oreprima1", "4 ore prima", "04.00"},
                {"N8oreprima1", "8 ore prima", "08.00"},
                {"N16oreprima1", "16 ore prima", "16.00"},
                {"PopupNonAvvisare", "Non avvisare", "  .  "}};
    QMenu* menu = w<QToolButton>("BtnAvvisaPredefiniti")->menu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), int(std::size(voci)));
    for (const auto& v : voci) {
        auto* azione = w<QAction>(v.name);
        EXPECT_EQ(azione->text(), v.caption);
        azione->trigger();
        EXPECT_EQ(w<platform::TTimeMaskEdit>("EditPreavviso")->Text(), v.testo) << v.name;
    }
}

TEST_F(AgendaTest, ImportanceEntryIsDrawnWithItsImageAndText)
{
    avvia();
    for (int livello = 0; livello < 3; ++livello) {
        QImage immagine(120, 16, QImage::Format_ARGB32);
        immagine.fill(Qt::white);
        {
            QPainter painter(&immagine);
            pannello().EditImportanzaDrawItem(painter, livello, immagine.rect(), false);
        }
        const QColor base = w<QComboBox>("EditImportanza")->palette().base().color();
        // The picture one pixel in from the corner, the text from 18 pixels on.
        EXPECT_NE(immagine.pixelColor(8, 8), base) << livello;
        EXPECT_EQ(immagine.pixelColor(16, 8), base) << livello;
        bool testo = false;
        for (int x = 18; x < 120 && !testo; ++x)
            for (int y = 0; y < 16 && !testo; ++y)
                testo = immagine.pixelColor(x, y) != base;
        EXPECT_TRUE(testo) << livello;
    }
}
