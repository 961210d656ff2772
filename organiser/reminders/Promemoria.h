#pragma once

#include "Forms.h"

#include <QDialog>

// The reminder window: an appointment that is due.
class TFormPromemoria : public QDialog
{
    Q_OBJECT
public:
    explicit TFormPromemoria(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
