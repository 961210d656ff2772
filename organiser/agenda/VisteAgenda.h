#pragma once

#include "AgendaViews.h"
#include "Forms.h"

#include <QObject>
#include <functional>

class TAreaAgenda;
class TCalendarioAgenda;
class TPannelloModifica;
class TVisteGiorni;
class TVistaMese;

// The agenda part of the main window: the calendar, the three views and the editing panel,
// built into the main window's panels and tied together. The main window reaches it through
// IAgendaViews; it reaches the main window through the hooks below.
class TVisteAgenda : public QObject, public IAgendaViews
{
    Q_OBJECT
public:
    struct TAgganci
    {
        // Writes TabellaAgenda to its file (the main window's SalvaAgenda).
        std::function<void()> SalvaAgenda;
        // The day view button: shows the day panel, puts the button down and refreshes.
        std::function<void()> Btn1GClick;
    };

    TVisteAgenda(TForms& forms, TAreaAgenda& area, QObject* parent = nullptr);
    ~TVisteAgenda() override;

    void setAgganci(TAgganci agganci) { m_agganci = std::move(agganci); }

    TCalendarioAgenda& Calendario() const { return *m_calendario; }
    TVisteGiorni& Giorni() const { return *m_giorni; }
    TVistaMese& Mese() const { return *m_mese; }
    TPannelloModifica& Modifica() const { return *m_modifica; }

    void SincronizzaSelettori() override;
    void AggiornaListaAppuntamenti() override;
    void PreparaModifica() override;
    void Btn1GClick() override;
    void Btn7GClick() override;
    void Btn1MClick() override;
    void GrigliaCalendarioChange() override;
    void VaiAOggi() override;
    // The list of today's appointments and the reminders are built by their own part; until
    // it is plugged in here, nothing is rebuilt.
    void AggiornaListaScadenze() override;

    void CalendarioAppuntamentiMeseDblClick(const QDate& giorno);

private:
    TForms& m_forms;
    TAreaAgenda& m_area;
    TAgganci m_agganci;
    TCalendarioAgenda* m_calendario;
    TPannelloModifica* m_modifica;
    TVisteGiorni* m_giorni;
    TVistaMese* m_mese;
};
