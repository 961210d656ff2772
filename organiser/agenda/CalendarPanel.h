#pragma once

#include <QDate>
#include <QObject>

class QComboBox;
class QLabel;
class QToolButton;
class TPannelloTitolato;
namespace platform {
class TCCalendar;
}

// The calendar of the main window ("Calendario"): the month grid whose day is the selected
// day of the whole window, the label of that day between the four step buttons, and the
// month and year pickers below.
class TCalendarioAgenda : public QObject
{
    Q_OBJECT
public:
    // The first year the year picker offers; the last is ten years after the current one.
    static constexpr int PrimoAnno = 2003;

    explicit TCalendarioAgenda(TPannelloTitolato* pannello, QObject* parent = nullptr);

    platform::TCCalendar* GrigliaCalendario() const { return m_griglia; }
    QComboBox* Mese() const { return m_mese; }
    QComboBox* Anno() const { return m_anno; }
    QLabel* LabelMeseAnno() const { return m_labelMeseAnno; }
    QToolButton* BtnIndietroAnno() const { return m_btnIndietroAnno; }
    QToolButton* BtnIndietroMese() const { return m_btnIndietroMese; }
    QToolButton* BtnAvantiMese() const { return m_btnAvantiMese; }
    QToolButton* BtnAvantiAnno() const { return m_btnAvantiAnno; }

    QDate giorno() const;

    // The label and the pickers follow the calendar's day; a year the picker does not offer
    // leaves it empty.
    void SincronizzaSelettori();
    void MeseChange(int index);
    void AnnoChange(int index);
    void BtnIndietroAnnoClick();
    void BtnIndietroMeseClick();
    void BtnAvantiMeseClick();
    void BtnAvantiAnnoClick();

signals:
    // The calendar's day changed, by a click, a picker, a button or the program.
    void change();

private:
    platform::TCCalendar* m_griglia;
    QComboBox* m_mese;
    QComboBox* m_anno;
    QLabel* m_labelMeseAnno;
    QToolButton* m_btnIndietroAnno;
    QToolButton* m_btnIndietroMese;
    QToolButton* m_btnAvantiMese;
    QToolButton* m_btnAvantiAnno;
};
