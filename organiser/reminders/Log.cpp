#include "Log.h"

#include "Supporto.h"

TFormLog::TFormLog(TForms& forms, QWidget* parent) : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormLog"));
    setWindowTitle(QStringLiteral("Log Tarvo"));
    resize(480, 320);
    AttachPlacement(this);
}
