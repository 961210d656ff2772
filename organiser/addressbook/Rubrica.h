#pragma once

#include "Forms.h"

#include <QDialog>

// The address book window: the contacts of the open book.
class TFormRubrica : public QDialog
{
    Q_OBJECT
public:
    explicit TFormRubrica(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
