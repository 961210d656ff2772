#pragma once

#include "Forms.h"

#include <QDialog>

// Creates a note category.
class TFormNuovaCategoria : public QDialog
{
    Q_OBJECT
public:
    explicit TFormNuovaCategoria(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
