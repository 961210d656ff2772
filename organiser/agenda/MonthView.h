#pragma once

#include <QDate>
#include <QObject>
#include <array>
#include <cstdint>

class QLabel;
class QToolButton;
class TMemTable;
class TPannelloTitolato;
namespace platform {
class TStringsCalendar;
}

// The month view: a month table with four count lines per day (all appointments, then the
// normal, important and urgent ones). The table has its own month, moved by its own four
// buttons and independent of the selected day.
class TVistaMese : public QObject
{
    Q_OBJECT
public:
    // Total, level 0, level 1, level 2.
    using TConteggi = std::array<int, 4>;

    TVistaMese(TMemTable& agenda, TPannelloTitolato* pannello, QObject* parent = nullptr);

    platform::TStringsCalendar* CalendarioAppuntamentiMese() const { return m_calendario; }
    QLabel* CaptionMensile() const;
    QToolButton* BtnPrevYearAppuntamenti() const { return m_btnPrevYear; }
    QToolButton* BtnPrevMonthAppuntamenti() const { return m_btnPrevMonth; }
    QToolButton* BtnNextMonthAppuntamenti() const { return m_btnNextMonth; }
    QToolButton* BtnNextYearAppuntamenti() const { return m_btnNextYear; }

    // Fills the month table and its caption.
    void AggiornaListaAppuntamenti();
    TConteggi CountAppuntamenti(std::int32_t giorno);
    // The four buttons move the table by a year or a month; the view is then refreshed.
    void BtnPrevYearAppuntamentiClick();
    void BtnPrevMonthAppuntamentiClick();
    void BtnNextMonthAppuntamentiClick();
    void BtnNextYearAppuntamentiClick();
    void PannelloAgendaMensileResize();

signals:
    // A day of the table was double-clicked (CalendarioAppuntamentiMeseDblClick).
    void giornoScelto(const QDate& giorno);
    // One of the four buttons moved the table: the view is to be refreshed.
    void meseCambiato();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMemTable& m_agenda;
    TPannelloTitolato* m_pannello;
    platform::TStringsCalendar* m_calendario;
    QToolButton* m_btnPrevYear;
    QToolButton* m_btnPrevMonth;
    QToolButton* m_btnNextMonth;
    QToolButton* m_btnNextYear;
};
