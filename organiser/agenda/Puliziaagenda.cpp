#include "Puliziaagenda.h"

#include "Supporto.h"

TFormPuliziaAgenda::TFormPuliziaAgenda(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormPuliziaAgenda"));
    setWindowTitle(QStringLiteral("Pulizia agenda"));
    setFixedSize(400, 260);
    AttachPlacement(this);
}
