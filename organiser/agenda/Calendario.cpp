#include "Calendario.h"

#include "Supporto.h"

TFormCalendario::TFormCalendario(TForms& forms, QWidget* parent) : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormCalendario"));
    setWindowTitle(QStringLiteral("Selezionare la data"));
    setFixedSize(330, 330);
    AttachPlacement(this);
}
