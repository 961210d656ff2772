#include "Anteprimastampa.h"

TFormAnteprimaStampa::TFormAnteprimaStampa(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormAnteprimaStampa"));
    setWindowTitle(QStringLiteral("Anteprima Stampa"));
    resize(800, 600);
}
