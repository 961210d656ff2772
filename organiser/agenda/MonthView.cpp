#include "MonthView.h"

#include "AgendaImages.h"
#include "Appuntamento.h"
#include "Clock.h"
#include "Components.h"
#include "Memtable.h"
#include "RegionalSettings.h"
#include "StringsCalendar.h"
#include "TitledPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using platform::setComponentClass;

namespace {

const char* const NomiMesi[12] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                  "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                  "Settembre", "Ottobre",  "Novembre", "Dicembre"};

const char* const Etichette[4] = {" appuntamenti.", " normali.", " importanti.", " urgenti."};

QToolButton* pulsante(QWidget* parent, const char* name, const char* icon, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    setComponentClass(button, "TFlatSpeedButton");
    button->setIcon(agenda::iconaAgenda(QString::fromLatin1(icon), Qt::white));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(20, 20);
    button->setToolTip(hint);
    return button;
}

} // namespace

TVistaMese::TVistaMese(TMemTable& agenda, TPannelloTitolato* pannello, QObject* parent)
    : QObject(parent), m_agenda(agenda), m_pannello(pannello)
{
    setObjectName(QStringLiteral("MonthView"));
    auto* panel4 = new QWidget;
    panel4->setObjectName(QStringLiteral("Panel4"));
    setComponentClass(panel4, "TPanel");
    m_btnPrevYear = pulsante(panel4, "BtnPrevYearAppuntamenti", "indietro-anno",
                             QStringLiteral("Anno precedente"));
    m_btnPrevMonth = pulsante(panel4, "BtnPrevMonthAppuntamenti", "indietro-mese",
                              QStringLiteral("Mese precedente"));
    m_btnNextMonth = pulsante(panel4, "BtnNextMonthAppuntamenti", "avanti-mese",
                              QStringLiteral("Mese successivo"));
    m_btnNextYear = pulsante(panel4, "BtnNextYearAppuntamenti", "avanti-anno",
                             QStringLiteral("Anno successivo"));
    auto* pulsanti = new QHBoxLayout(panel4);
    pulsanti->setContentsMargins(0, 0, 0, 0);
    pulsanti->setSpacing(0);
    for (QToolButton* b : {m_btnPrevYear, m_btnPrevMonth, m_btnNextMonth, m_btnNextYear})
        pulsanti->addWidget(b);
    pannello->aggiungiAlTitolo(panel4);

    m_calendario = new platform::TStringsCalendar(pannello->Corpo());
    m_calendario->setObjectName(QStringLiteral("CalendarioAppuntamentiMese"));
    setComponentClass(m_calendario, "TStringsCalendar");
    m_calendario->SetTextColor(QColor(202, 255, 202));
    const QDate oggi = platform::now().date();
    m_calendario->SetYearMonth(oggi.year(), oggi.month());
    auto* layout = new QVBoxLayout(pannello->Corpo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendario);

    connect(m_btnPrevYear, &QToolButton::clicked, this, &TVistaMese::BtnPrevYearAppuntamentiClick);
    connect(m_btnPrevMonth, &QToolButton::clicked, this,
            &TVistaMese::BtnPrevMonthAppuntamentiClick);
    connect(m_btnNextMonth, &QToolButton::clicked, this,
            &TVistaMese::BtnNextMonthAppuntamentiClick);
    connect(m_btnNextYear, &QToolButton::clicked, this, &TVistaMese::BtnNextYearAppuntamentiClick);
    using C = platform::TStringsCalendar;
    connect(m_calendario, &C::dblClick, this, [this] {
        if (m_calendario->ClickedDate().isValid())
            emit giornoScelto(m_calendario->ClickedDate());
    });

    pannello->Titolo()->installEventFilter(this);
}

QLabel* TVistaMese::CaptionMensile() const
{
    return m_pannello->Caption();
}

void TVistaMese::AggiornaListaAppuntamenti()
{
    const int anno = m_calendario->Year();
    const int mese = m_calendario->Month();
    const auto primo = regional::tryStrToDate(QStringLiteral("01/%1/%2").arg(mese).arg(anno));
    CaptionMensile()->setText(QString::fromLatin1(NomiMesi[mese - 1]) + u' ' +
                              QString::number(anno));
    m_calendario->ClearAll();
    if (!primo)
        return;
    const std::int32_t inizio = datetime::dateDay(*primo);
    for (int d = 1; d <= m_calendario->DaysInMonth(); ++d) {
        const TConteggi conti = CountAppuntamenti(inizio + d - 1);
        m_calendario->DeleteLines(d);
        for (int i = 0; i < 4; ++i)
            m_calendario->AppendLine(d,
                                     QString::number(conti[i]) + QString::fromLatin1(Etichette[i]));
    }
}

TVistaMese::TConteggi TVistaMese::CountAppuntamenti(std::int32_t giorno)
{
    TConteggi conti{};
    if (!agenda::posizionaGiorno(m_agenda, giorno))
        return conti;
    const agenda::TCampiAgenda campi(m_agenda);
    for (; !m_agenda.Eof() && campi.giorno() == giorno; m_agenda.Next()) {
        ++conti[0];
        ++conti[1 + agenda::livelloValido(campi.importanza())];
    }
    return conti;
}

void TVistaMese::BtnPrevYearAppuntamentiClick()
{
    m_calendario->PrevYear();
    emit meseCambiato();
}

void TVistaMese::BtnPrevMonthAppuntamentiClick()
{
    m_calendario->PrevMonth();
    emit meseCambiato();
}

void TVistaMese::BtnNextMonthAppuntamentiClick()
{
    m_calendario->NextMonth();
    emit meseCambiato();
}

void TVistaMese::BtnNextYearAppuntamentiClick()
{
    m_calendario->NextYear();
    emit meseCambiato();
}

void TVistaMese::PannelloAgendaMensileResize()
{
    CaptionMensile()->setMaximumWidth(qMax(0, m_pannello->Titolo()->width() - 100));
}

bool TVistaMese::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pannello->Titolo() && event->type() == QEvent::Resize)
        PannelloAgendaMensileResize();
    return QObject::eventFilter(watched, event);
}
