#pragma once

#include "Forms.h"

#include <QDialog>

// The note categories: one file per category in the notes folder.
class TFormAppunti : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAppunti(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
