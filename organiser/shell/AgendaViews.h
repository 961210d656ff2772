#pragma once

// What the main window's start-up, tool bar and tray ask of the agenda: the calendar, the
// three views and the list of today's appointments with their reminders. The agenda part of
// the main window implements it; until then every operation does nothing.
class IAgendaViews
{
public:
    virtual ~IAgendaViews() = default;

    // The month and year pickers follow the calendar's day.
    virtual void SincronizzaSelettori() {}
    // Refreshes the visible view.
    virtual void AggiornaListaAppuntamenti() {}
    // The first entry of the day list selected and the importance picker on "Normale".
    virtual void PreparaModifica() {}
    // The view buttons.
    virtual void Btn1GClick() {}
    virtual void Btn7GClick() {}
    virtual void Btn1MClick() {}
    // The calendar's day changed.
    virtual void GrigliaCalendarioChange() {}
    // Moves the calendar to today.
    virtual void VaiAOggi() {}
    // Rebuilds the list of today's appointments and every reminder.
    virtual void AggiornaListaScadenze() {}
};
