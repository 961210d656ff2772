#include "Nuovarubrica.h"

#include "Supporto.h"

TFormNuovaRubrica::TFormNuovaRubrica(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormNuovaRubrica"));
    setWindowTitle(QStringLiteral("Nuova rubrica"));
    resize(320, 140);
    AttachPlacement(this);
}
