#include "Appunti.h"

#include "Supporto.h"

TFormAppunti::TFormAppunti(TForms& forms, QWidget* parent) : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormAppunti"));
    setWindowTitle(QStringLiteral("Categorie Appunti"));
    resize(320, 380);
    AttachPlacement(this);
}
