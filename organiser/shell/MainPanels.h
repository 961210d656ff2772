#pragma once

#include <QWidget>
#include <array>

class TPannelloTitolato;

enum class TVista
{
    Giorno,
    SetteGiorni,
    Mese
};

// The working area of the main window: on the left the calendar above the list of today's
// appointments; on the right the day or seven-day view above the editing panel, or the month
// view covering both. The agenda fills the panels; this frame only lays them out.
class TAreaAgenda : public QWidget
{
    Q_OBJECT
public:
    explicit TAreaAgenda(QWidget* parent = nullptr);

    QWidget* PannelloSinistro() const { return m_sinistro; }
    TPannelloTitolato* PannelloCalendario() const { return m_calendario; }
    TPannelloTitolato* PannelloScadenze() const { return m_scadenze; }
    QWidget* PannelloDestro() const { return m_destro; }
    TPannelloTitolato* PannelloAgendaGiornaliera() const { return m_giornaliera; }
    QWidget* PannelloAgendaSettimanale() const { return m_settimanale; }
    // The seven columns, PannelloLunedi to PannelloDomenica.
    TPannelloTitolato* ColonnaSettimana(int index) const { return m_colonne.at(index); }
    TPannelloTitolato* PannelloAgendaMensile() const { return m_mensile; }
    TPannelloTitolato* PannelloModifica() const { return m_modifica; }

    // Shows the panel of a view where it belongs and hides the other two.
    void mostraVista(TVista vista);
    TVista vista() const { return m_vista; }

private:
    QWidget* m_sinistro;
    TPannelloTitolato* m_calendario;
    TPannelloTitolato* m_scadenze;
    QWidget* m_destro;
    TPannelloTitolato* m_giornaliera;
    QWidget* m_settimanale;
    std::array<TPannelloTitolato*, 7> m_colonne{};
    TPannelloTitolato* m_mensile;
    TPannelloTitolato* m_modifica;
    TVista m_vista = TVista::Giorno;
};
