#include "Nuovacategoria.h"

#include "Supporto.h"

TFormNuovaCategoria::TFormNuovaCategoria(TForms& forms, QWidget* parent)
    : QDialog(parent), m_forms(forms)
{
    setObjectName(QStringLiteral("FormNuovaCategoria"));
    setWindowTitle(QStringLiteral("Nuova Categoria"));
    resize(380, 220);
    AttachPlacement(this);
}
