#include "Appunticategoria.h"

#include "Supporto.h"

TFormAppuntiCategoria::TFormAppuntiCategoria(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormAppuntiCategoria"));
    setWindowTitle(QStringLiteral("Appunti:"));
    resize(640, 480);
    AttachPlacement(this);
}
