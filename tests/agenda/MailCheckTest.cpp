#include "AgendaFixture.h"
#include "Messages.h"

#include "Memtable.h"
#include "Modal.h"
#include "SectionListBox.h"
#include "TimeMaskEdit.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>

namespace {
const QString DomandaSmtp =
    QStringLiteral("Impostare server SMTP: Non è stato ancora definito il server SMTP "
                   "attraverso il quale inviare le mail. Impostare ora?");
}

class MailCheckTest : public AgendaTest
{
protected:
    void avviaConDestinatario(bool smtp)
    {
        scriviIni("Generale", "MailDestinatario", "mario.rossi@example.it");
        avvia(smtp);
    }
    platform::TTimeMaskEdit* preavviso() { return w<platform::TTimeMaskEdit>("EditPreavviso"); }
    QLineEdit* mail() { return w<QLineEdit>("EditMail"); }
};

TEST_F(MailCheckTest, TickingWithABlankNoticeSetsItToMidnightAndFillsTheAddress)
{
    avviaConDestinatario(true);
    ASSERT_TRUE(preavviso()->IsBlank());
    clicca("CheckMail");

    EXPECT_EQ(preavviso()->Text(), "00.00");
    EXPECT_TRUE(mail()->isEnabled());
    EXPECT_EQ(mail()->text(), "mario.rossi@example.it");
    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();

    clicca("CheckMail");
    EXPECT_FALSE(mail()->isEnabled());
    EXPECT_EQ(mail()->text(), "");
    EXPECT_EQ(preavviso()->Text(), "00.00");
}

TEST_F(MailCheckTest, TickingKeepsANoticeAlreadySet)
{
    avviaConDestinatario(true);
    scriviOra("EditPreavviso", "00.30");
    clicca("CheckMail");
    EXPECT_EQ(preavviso()->Text(), "00.30");
}

TEST_F(MailCheckTest, WithoutServerAsksAndNoLeavesTheSettingsClosed)
{
    avviaConDestinatario(false);
    platform::MessageBoxScript::setNextAnswer(platform::MsgResult::No);
    clicca("CheckMail");

    EXPECT_EQ(messaggi(), QStringList{DomandaSmtp});
    EXPECT_EQ(registrati().value(0).icon, platform::MsgIcon::Question);
    EXPECT_EQ(registrati().value(0).buttons, platform::MsgButtons::YesNo);
    EXPECT_TRUE(w<QCheckBox>("CheckMail")->isChecked());
    EXPECT_EQ(mail()->text(), "mario.rossi@example.it");
}

TEST_F(MailCheckTest, WithoutServerYesOpensTheMailSettings)
{
    avviaConDestinatario(false);
    QString aperta;
    answerNextModal([&aperta](QWidget* modal) {
        aperta = modal->objectName();
        static_cast<QDialog*>(modal)->reject();
    });
    clicca("CheckMail");

    EXPECT_EQ(messaggi(), QStringList{DomandaSmtp});
    EXPECT_EQ(aperta, "FormImpostazioniMail");
}

TEST_F(MailCheckTest, ServerSetInTheFileMeanwhileIsNoLongerAskedFor)
{
    avviaConDestinatario(false);
    scriviIni("Generale", "SmtpHost", "posta.example.it");
    scriviIni("Generale", "SmtpPort", "587");
    clicca("CheckMail");
    EXPECT_TRUE(messaggi().isEmpty()) << messaggi().join('\n').toStdString();
}

TEST_F(MailCheckTest, BlankNoticeWithMailIsReportedAndTheAppointmentAddedAnyway)
{
    avviaConDestinatario(true);
    clicca("CheckMail");
    scriviOra("EditPreavviso", "");
    aggiungi(Giovedi, "10.00", "Con mail", 0, "");

    EXPECT_EQ(messaggi(), QStringList{msg::FormatoPreavviso});
    ASSERT_EQ(tabella().RecordCount(), 1);
    tabella().First();
    EXPECT_EQ(tabella().FieldByName("Preavviso").AsString(), "  .  ");
    EXPECT_TRUE(tabella().FieldByName("InviaMail").AsBoolean());
    EXPECT_EQ(tabella().FieldByName("Mail").AsString(), "mario.rossi@example.it");
}

TEST_F(MailCheckTest, BadNoticeWithMailIsReportedOnce)
{
    avviaConDestinatario(true);
    clicca("CheckMail");
    aggiungi(Giovedi, "10.00", "Con mail", 0, "24.30");

    EXPECT_EQ(messaggi(), QStringList{msg::FormatoPreavviso});
    EXPECT_EQ(tabella().RecordCount(), 0);
}

TEST_F(MailCheckTest, ChoosingAnAppointmentWithMailShowsItsOwnAddress)
{
    seminaAgenda({{Giovedi, QTime(9, 30), "Dentista", 0, "", "00.15", true, "studio@example.it"},
                  {Giovedi, QTime(11, 0), "Banca"}});
    avviaConDestinatario(true);
    cliccaSezione(lista("ListaGiornaliera"), 0);

    EXPECT_TRUE(w<QCheckBox>("CheckMail")->isChecked());
    EXPECT_TRUE(mail()->isEnabled());
    EXPECT_EQ(mail()->text(), "studio@example.it");
    EXPECT_EQ(preavviso()->Text(), "00.15");

    cliccaSezione(lista("ListaGiornaliera"), 1);
    EXPECT_FALSE(w<QCheckBox>("CheckMail")->isChecked());
    EXPECT_FALSE(mail()->isEnabled());
    EXPECT_EQ(mail()->text(), "");
}
