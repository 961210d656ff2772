#pragma once

#include "Forms.h"

#include <QDialog>

// The mail log: the outcome of every notice mail of this run.
class TFormLog : public QDialog
{
    Q_OBJECT
public:
    explicit TFormLog(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
