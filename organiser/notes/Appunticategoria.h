#pragma once

#include "Forms.h"

#include <QDialog>

// The notes editor of one category.
class TFormAppuntiCategoria : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAppuntiCategoria(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
