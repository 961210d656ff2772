#include "MainPanels.h"

#include "Components.h"
#include "DateTime.h"
#include "RegionalSettings.h"
#include "TitledPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using platform::setComponentClass;

namespace {

QWidget* pannello(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    setComponentClass(panel, "TPanel");
    return panel;
}

TPannelloTitolato* pannelloTitolato(QWidget* parent, const QString& stem, const QString& panel,
                                    const QString& caption)
{
    auto* p = new TPannelloTitolato(panel, QStringLiteral("Titolo") + stem,
                                    QStringLiteral("Caption") + stem, caption, parent);
    return p;
}

const char* const NomiMesi[12] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                  "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                  "Settembre", "Ottobre",  "Novembre", "Dicembre"};

const char* const NomiColonne[7] = {"Lunedi",  "Martedi", "Mercoledi", "Giovedi",
                                    "Venerdi", "Sabato",  "Domenica"};

} // namespace

TAreaAgenda::TAreaAgenda(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AreaAgenda"));
    const TDateTime oggi = datetime::today();

    // Left: calendar above today's appointments.
    m_sinistro = pannello(this, "PannelloSinistro");
    m_sinistro->setFixedWidth(262);
    m_calendario =
        pannelloTitolato(m_sinistro, QStringLiteral("Calendario"),
                         QStringLiteral("PannelloCalendario"), QStringLiteral("Calendario"));
    m_calendario->setFixedHeight(268);
    m_scadenze =
        pannelloTitolato(m_sinistro, QStringLiteral("Scadenze"), QStringLiteral("PannelloScadenze"),
                         QStringLiteral("Appuntamenti di oggi"));
    auto* sinistroLayout = new QVBoxLayout(m_sinistro);
    sinistroLayout->setContentsMargins(0, 0, 0, 0);
    sinistroLayout->setSpacing(6);
    sinistroLayout->addWidget(m_calendario);
    sinistroLayout->addWidget(m_scadenze, 1);

    QWidget* divisore = pannello(this, "PannelloDivisore");
    divisore->setFixedWidth(6);

    // Right: one of the three views, the editing panel below the day and week views.
    m_destro = pannello(this, "PannelloDestro");
    m_giornaliera =
        pannelloTitolato(m_destro, QStringLiteral("Giornaliera"),
                         QStringLiteral("PannelloAgendaGiornaliera"), regional::dateToStr(oggi));

    // The seven columns have no layout: the agenda gives each a seventh of the panel's width
    // whenever the panel is resized.
    m_settimanale = pannello(m_destro, "PannelloAgendaSettimanale");
    for (int i = 0; i < 7; ++i) {
        const QString stem = QString::fromLatin1(NomiColonne[i]);
        m_colonne[i] = pannelloTitolato(m_settimanale, stem, QStringLiteral("Pannello") + stem,
                                        regional::dateToStr(oggi + i - 3));
    }

    const QDate mese = datetime::toQDate(oggi);
    m_mensile = pannelloTitolato(m_destro, QStringLiteral("Mensile"),
                                 QStringLiteral("PannelloAgendaMensile"),
                                 QStringLiteral("%1 %2")
                                     .arg(QString::fromLatin1(NomiMesi[mese.month() - 1]))
                                     .arg(mese.year()));

    m_modifica =
        pannelloTitolato(m_destro, QStringLiteral("Modifica"), QStringLiteral("PannelloModifica"),
                         QStringLiteral("Modifica appuntamenti"));
    m_modifica->Corpo()->setObjectName(QStringLiteral("LavoroModifica"));
    setComponentClass(m_modifica->Corpo(), "TPanel");
    m_modifica->setFixedHeight(200);

    auto* destroLayout = new QVBoxLayout(m_destro);
    destroLayout->setContentsMargins(0, 0, 0, 0);
    destroLayout->setSpacing(6);
    destroLayout->addWidget(m_giornaliera, 1);
    destroLayout->addWidget(m_settimanale, 1);
    destroLayout->addWidget(m_mensile, 1);
    destroLayout->addWidget(m_modifica);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);
    layout->addWidget(m_sinistro);
    layout->addWidget(divisore);
    layout->addWidget(m_destro, 1);

    mostraVista(TVista::Giorno);
}

void TAreaAgenda::mostraVista(TVista vista)
{
    m_vista = vista;
    m_giornaliera->setVisible(vista == TVista::Giorno);
    m_settimanale->setVisible(vista == TVista::SetteGiorni);
    m_mensile->setVisible(vista == TVista::Mese);
    // The month view covers the editing panel too.
    m_modifica->setVisible(vista != TVista::Mese);
}
