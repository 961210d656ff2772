#pragma once

#include "Forms.h"

#include <QDialog>

// The mail settings: SMTP server, account and the shape of the notice mail.
class TFormImpostazioniMail : public QDialog
{
    Q_OBJECT
public:
    explicit TFormImpostazioniMail(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
