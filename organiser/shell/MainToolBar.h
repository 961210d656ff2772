#pragma once

#include <QWidget>

class QMenu;
class QToolButton;
namespace platform {
class TRxClock;
}

// The main window's tool bar (PannelloPulsanti): print, note categories, address book, the
// three view buttons, CSV export, languages, news viewer, and the clock at its right end.
class TPannelloPulsanti : public QWidget
{
    Q_OBJECT
public:
    explicit TPannelloPulsanti(QWidget* parent = nullptr);

    QToolButton* BtnStampa() const { return m_btnStampa; }
    QToolButton* BtnCategorie() const { return m_btnCategorie; }
    QToolButton* BtnRubrica() const { return m_btnRubrica; }
    QToolButton* Btn1G() const { return m_btn1G; }
    QToolButton* Btn7G() const { return m_btn7G; }
    QToolButton* Btn1M() const { return m_btn1M; }
    QToolButton* BtnEsportaCSV() const { return m_btnEsportaCSV; }
    QToolButton* BtnLinguaggi() const { return m_btnLinguaggi; }
    QToolButton* BtnUpdater() const { return m_btnUpdater; }
    // The drop-down menu of BtnLinguaggi.
    QMenu* PopupLinguaggi() const { return m_popupLinguaggi; }
    platform::TRxClock* Clock() const { return m_clock; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* m_btnStampa;
    QToolButton* m_btnCategorie;
    QToolButton* m_btnRubrica;
    QToolButton* m_btn1G;
    QToolButton* m_btn7G;
    QToolButton* m_btn1M;
    QToolButton* m_btnEsportaCSV;
    QToolButton* m_btnLinguaggi;
    QToolButton* m_btnUpdater;
    QMenu* m_popupLinguaggi;
    platform::TRxClock* m_clock;
};
