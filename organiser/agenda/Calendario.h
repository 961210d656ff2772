#pragma once

#include "Forms.h"

#include <QDialog>

// The date dialog: a day and a time for moving or copying appointments.
class TFormCalendario : public QDialog
{
    Q_OBJECT
public:
    explicit TFormCalendario(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
