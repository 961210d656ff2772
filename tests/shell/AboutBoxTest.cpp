#include "ShellFixture.h"

#include "Aboutbox.h"
#include "FindChild.h"
#include "Main.h"
#include "Maker.h"
#include "Modal.h"
#include "QtPrinters.h"
#include "SecretPanel.h"
#include "Shell.h"
#include "UrlLabel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

TEST_F(ShellTest, AboutBoxShowsTheMakerAndTheCreditsAndFreesItselfWhenClosed)
{
    avviaEMostra();
    bool vista = false;
    answerNextModal([&](QWidget* modal) {
        vista = true;
        EXPECT_EQ(modal->objectName(), "FormAboutBox");
        EXPECT_EQ(modal->windowTitle(), "Autore");
        EXPECT_EQ(findChildNamed<QLabel>(modal, "Label1")->text(),
                  "Per eventuali segnalazioni scrivere a:");
        EXPECT_EQ(findChildNamed<QLabel>(modal, "Label2")->text(),
                  "Se si desidera fare una donazione, fare riferimento\n"
                  "all'indirizzo web sotto riportato, cliccando sull'icona \n"
                  "'Donate', in basso a sinistra nella pagina visualizzata.");
        EXPECT_TRUE(findChildNamed<QLabel>(modal, "TestoAiuto")
                        ->text()
                        .endsWith("Si può contribuire segnalando errori, o suggerendo migliorie "
                                  "e nuove funzioni, o si può incentivare il progetto "
                                  "effettuando una donazione."));

        auto* crediti = findChildNamed<platform::TSecretPanel>(modal, "SecretPanel");
        EXPECT_EQ(crediti->lines(), QStringList({"Tarvo", "Versione 0.3.0", "", "Ultima Modifica",
                                                 "21/01/2006", "", "Corvane web site", SitoWeb}));
        EXPECT_TRUE(crediti->active());

        auto* mail = findChildNamed<platform::TURLLabel>(modal, "LinkMail");
        auto* web = findChildNamed<platform::TURLLabel>(modal, "LinkWeb");
        EXPECT_EQ(mail->address(), "mailto:" + IndirizzoSupporto);
        EXPECT_EQ(web->address(), SitoWeb);
        QTest::mouseClick(mail, Qt::LeftButton);
        EXPECT_EQ(platform::ShellScript::opened(), QStringList({"mailto:" + IndirizzoSupporto}));

        findChildNamed<QPushButton>(modal, "OKButton")->click();
    });
    findChildNamed<QAction>(&principale(), "PopupItemAutore")->trigger();

    EXPECT_TRUE(vista);
    EXPECT_EQ(principale().findChild<TFormAboutBox*>(), nullptr);
}
