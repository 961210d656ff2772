#pragma once

#include "Forms.h"

#include <QDialog>
#include <QString>

// The mail settings as the program holds them while it runs: read from the configuration
// file at start and after every confirmation of the dialog.
struct TMailSettings
{
    QString SmtpHost;
    QString SmtpPort;
    QString SmtpUser;
    QString SmtpPass;
    QString MailFirma;
    QString MailMittente;
    // Default recipients of a notice mail, separated by ";".
    QString MailDestinatario;
    int MailOggetto = 0;
    int MailCorpo = 0;
};

// The mail settings: SMTP server, account and the shape of the notice mail.
class TFormImpostazioniMail : public QDialog
{
    Q_OBJECT
public:
    explicit TFormImpostazioniMail(TForms& forms, QWidget* parent = nullptr);

    // What the appointment editor and the mail sender read.
    TMailSettings MailSettings;

    void FormCreate();
    // Reads the server and the account again; true when both host and port are set.
    bool ReadSmtpValues();
    // Reads signature, sender, recipients and the subject and body choices; true when the
    // first three are set.
    bool ReadMailValues();

private:
    TForms& m_forms;
};
