#include "Rubrica.h"

#include "Supporto.h"

TFormRubrica::TFormRubrica(TForms& forms, QWidget* parent) : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormRubrica"));
    setWindowTitle(QStringLiteral("Rubrica"));
    resize(720, 520);
    AttachPlacement(this);
}
