#include "Impostazionimail.h"

#include "IniFile.h"
#include "Supporto.h"

#include <QFileInfo>

namespace {
const QString Sezione = QStringLiteral("Generale");
}

TFormImpostazioniMail::TFormImpostazioniMail(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormImpostazioniMail"));
    setWindowTitle(QStringLiteral("Impostazioni mail"));
    resize(460, 420);
    AttachPlacement(this);
    FormCreate();
}

void TFormImpostazioniMail::FormCreate()
{
    ReadSmtpValues();
    ReadMailValues();
}

bool TFormImpostazioniMail::ReadSmtpValues()
{
    // Without a configuration file the settings keep what they hold.
    const QString file = percorsoConfigurazione();
    if (QFileInfo::exists(file)) {
        const platform::TIniFile ini(file);
        MailSettings.SmtpHost = ini.ReadString(Sezione, QStringLiteral("SmtpHost"), QString());
        MailSettings.SmtpPort = ini.ReadString(Sezione, QStringLiteral("SmtpPort"), QString());
        MailSettings.SmtpUser = ini.ReadString(Sezione, QStringLiteral("SmtpUser"), QString());
        // The stored password is enciphered; it is read together with its protection.
    }
    return !MailSettings.SmtpHost.isEmpty() && !MailSettings.SmtpPort.isEmpty();
}

bool TFormImpostazioniMail::ReadMailValues()
{
    const QString file = percorsoConfigurazione();
    if (QFileInfo::exists(file)) {
        const platform::TIniFile ini(file);
        MailSettings.MailFirma = ini.ReadString(Sezione, QStringLiteral("MailFirma"), QString());
        MailSettings.MailMittente =
            ini.ReadString(Sezione, QStringLiteral("MailMittente"), QString());
        MailSettings.MailDestinatario =
            ini.ReadString(Sezione, QStringLiteral("MailDestinatario"), QString());
        MailSettings.MailOggetto = ini.ReadInteger(Sezione, QStringLiteral("MailOggetto"), -1);
        MailSettings.MailCorpo = ini.ReadInteger(Sezione, QStringLiteral("MailCorpo"), -1);
    }
    return !MailSettings.MailFirma.isEmpty() && !MailSettings.MailMittente.isEmpty() &&
           !MailSettings.MailDestinatario.isEmpty();
}
