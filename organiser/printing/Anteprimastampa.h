#pragma once

#include "Forms.h"

#include <QDialog>

// The print preview, shown modally for every print.
class TFormAnteprimaStampa : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAnteprimaStampa(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
