#pragma once

#include "Forms.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

// The preferences dialog. Its three boxes are the live preferences that the rest of the
// organiser reads until the program ends.
class TFormPreferenze : public QDialog
{
    Q_OBJECT
public:
    explicit TFormPreferenze(TForms& forms, QWidget* parent = nullptr);

    // Marked: a firing reminder opens the reminder window.
    QCheckBox* CheckPromemoria() const { return m_checkPromemoria; }
    // Marked: the close box hides the main window to the tray instead of ending the program.
    QCheckBox* CheckMinimizzaChiusura() const { return m_checkMinimizzaChiusura; }
    // Marked: pop-up hints are shown throughout the program.
    QCheckBox* CheckAiuti() const { return m_checkAiuti; }

    void FormCreate();
    void PulsanteConfermaClick();
    void PulsanteAnnullaClick();

private:
    TForms& m_forms;
    QCheckBox* m_checkPromemoria;
    QCheckBox* m_checkMinimizzaChiusura;
    QCheckBox* m_checkAiuti;
    QPushButton* m_pulsanteConferma;
    QPushButton* m_pulsanteAnnulla;
};
