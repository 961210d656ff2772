#pragma once

#include "Forms.h"

#include <QDialog>

// Creates an address book.
class TFormNuovaRubrica : public QDialog
{
    Q_OBJECT
public:
    explicit TFormNuovaRubrica(TForms& forms, QWidget* parent = nullptr);

private:
    TForms& m_forms;
};
