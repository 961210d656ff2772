#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar (BarraStato): the mail sender's light and its status text.
// The three lights sit at the same place; at most one of them shows.
class TBarraStato : public QStatusBar
{
    Q_OBJECT
public:
    explicit TBarraStato(QWidget* parent = nullptr);

    QLabel* LedGreen() const { return m_ledGreen; }
    QLabel* LedRed() const { return m_ledRed; }
    QLabel* LedYellow() const { return m_ledYellow; }
    QLabel* MailMessage() const { return m_mailMessage; }

    // Hides the three lights, then shows the one of the colour (red, green or yellow); any
    // other colour leaves them all hidden.
    void LedColor(const QColor& colour);

private:
    QLabel* m_ledGreen;
    QLabel* m_ledRed;
    QLabel* m_ledYellow;
    QLabel* m_mailMessage;
};
