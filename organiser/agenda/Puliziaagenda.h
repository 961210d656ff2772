#pragma once

#include "Forms.h"

#include <QDialog>

// The clean-up dialog: deletes every appointment before a chosen day.
class TFormPuliziaAgenda : public QDialog
{
    Q_OBJECT
public:
    explicit TFormPuliziaAgenda(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
