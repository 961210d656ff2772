#include "Impostazionimail.h"

#include "Supporto.h"

TFormImpostazioniMail::TFormImpostazioniMail(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormImpostazioniMail"));
    setWindowTitle(QStringLiteral("Impostazioni mail"));
    resize(460, 420);
    AttachPlacement(this);
}
