#include "Promemoria.h"

TFormPromemoria::TFormPromemoria(TForms& forms, QWidget* parent) : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormPromemoria"));
    setWindowTitle(QStringLiteral("Promemoria"));
    setWindowFlag(Qt::FramelessWindowHint);
    resize(360, 200);
}
