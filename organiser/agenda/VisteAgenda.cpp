#include "VisteAgenda.h"

#include "Appuntamento.h"
#include "CalendarPanel.h"
#include "Clock.h"
#include "Datamodule.h"
#include "DayViews.h"
#include "EditingPanel.h"
#include "ImportancePicker.h"
#include "MainPanels.h"
#include "MonthCalendar.h"
#include "MonthView.h"
#include "SectionListBox.h"

TVisteAgenda::TVisteAgenda(TForms& forms, TAreaAgenda& area, QObject* parent)
    : QObject(parent), m_forms(forms), m_area(area)
{
    setObjectName(QStringLiteral("VisteAgenda"));
    TMemTable& agenda = forms.DC->TabellaAgenda;
    m_calendario = new TCalendarioAgenda(area.PannelloCalendario(), this);
    m_modifica = new TPannelloModifica(forms, area.PannelloModifica(), this);
    m_giorni = new TVisteGiorni(agenda, area, *m_modifica, this);
    m_mese = new TVistaMese(agenda, area.PannelloAgendaMensile(), this);

    m_modifica->setListaGiornaliera(m_giorni->ListaGiornaliera());
    m_modifica->setAgganci({[this] {
                                if (m_agganci.SalvaAgenda)
                                    m_agganci.SalvaAgenda();
                            },
                            [this] { AggiornaListaAppuntamenti(); },
                            [this] { AggiornaListaScadenze(); }});

    connect(m_calendario, &TCalendarioAgenda::change, this, [this] {
        agenda::eseguiProtetto(m_area.window(), [this] { GrigliaCalendarioChange(); });
    });
    connect(m_mese, &TVistaMese::meseCambiato, this, [this] {
        agenda::eseguiProtetto(m_area.window(), [this] { AggiornaListaAppuntamenti(); });
    });
    connect(m_mese, &TVistaMese::giornoScelto, this, [this](const QDate& giorno) {
        agenda::eseguiProtetto(m_area.window(),
                               [&] { CalendarioAppuntamentiMeseDblClick(giorno); });
    });
}

TVisteAgenda::~TVisteAgenda() = default;

void TVisteAgenda::SincronizzaSelettori()
{
    m_calendario->SincronizzaSelettori();
}

void TVisteAgenda::AggiornaListaAppuntamenti()
{
    // The view chosen, whether or not the window is on screen (it may sit in the tray).
    switch (m_area.vista()) {
    case TVista::Giorno:
        m_giorni->AggiornaGiorno(m_calendario->giorno());
        break;
    case TVista::SetteGiorni:
        m_giorni->AggiornaSettimana(m_calendario->giorno());
        break;
    case TVista::Mese:
        m_mese->AggiornaListaAppuntamenti();
        break;
    }
}

void TVisteAgenda::PreparaModifica()
{
    platform::TSectionListBox* lista = m_giorni->ListaGiornaliera();
    if (lista->SectionCount() > 0)
        lista->SelectSection(0);
    m_modifica->EditImportanza()->setCurrentIndex(0);
}

void TVisteAgenda::Btn1GClick()
{
    AggiornaListaAppuntamenti();
}

void TVisteAgenda::Btn7GClick()
{
    AggiornaListaAppuntamenti();
}

void TVisteAgenda::Btn1MClick()
{
    AggiornaListaAppuntamenti();
}

void TVisteAgenda::GrigliaCalendarioChange()
{
    m_calendario->SincronizzaSelettori();
    if (m_area.vista() == TVista::Mese && m_agganci.Btn1GClick)
        m_agganci.Btn1GClick();
    else
        AggiornaListaAppuntamenti();
}

void TVisteAgenda::VaiAOggi()
{
    m_calendario->GrigliaCalendario()->SetDate(platform::now().date());
}

void TVisteAgenda::AggiornaListaScadenze() {}

void TVisteAgenda::CalendarioAppuntamentiMeseDblClick(const QDate& giorno)
{
    if (m_agganci.Btn1GClick)
        m_agganci.Btn1GClick();
    {
        // The change is run once below, whether or not the day moved.
        const QSignalBlocker blocco(m_calendario->GrigliaCalendario());
        m_calendario->GrigliaCalendario()->SetDate(giorno);
    }
    GrigliaCalendarioChange();
}
