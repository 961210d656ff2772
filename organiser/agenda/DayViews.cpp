#include "DayViews.h"

#include "AgendaImages.h"
#include "Appuntamento.h"
#include "Components.h"
#include "EditingPanel.h"
#include "MainPanels.h"
#include "Memtable.h"
#include "RegionalSettings.h"
#include "SectionListBox.h"
#include "TitledPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

using platform::setComponentClass;
using platform::TSectionListBox;

namespace {

const char* const NomiColonne[TVisteGiorni::Colonne] = {
    "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato", "Domenica"};

QToolButton* pulsanteTitolo(QWidget* parent, const char* name, const char* icon,
                            const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    setComponentClass(button, "TSpeedButton");
    if (icon)
        button->setIcon(agenda::iconaAgenda(QString::fromLatin1(icon), Qt::white));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(22, 20);
    button->setToolTip(hint);
    return button;
}

} // namespace

TVisteGiorni::TVisteGiorni(TMemTable& agenda, TAreaAgenda& area, TPannelloModifica& modifica,
                           QObject* parent)
    : QObject(parent), m_agenda(agenda), m_area(area), m_modifica(modifica)
{
    setObjectName(QStringLiteral("DayViews"));
    TPannelloTitolato* giornaliera = area.PannelloAgendaGiornaliera();
    creaPulsantiDettagli(giornaliera);
    m_listaGiornaliera = creaLista(giornaliera, QStringLiteral("ListaGiornaliera"));
    for (int i = 0; i < Colonne; ++i)
        m_liste[i] = creaLista(area.ColonnaSettimana(i),
                               QStringLiteral("Lista") + QString::fromLatin1(NomiColonne[i]));
    creaMenuLista();

    connect(m_listaGiornaliera, &TSectionListBox::sectionClick, this,
            &TVisteGiorni::ListaGiornalieraSectionClick);
    connect(m_listaGiornaliera, &TSectionListBox::mouseUp, this,
            &TVisteGiorni::ListaAppuntamentiMouseUp);
    for (int i = 0; i < Colonne; ++i) {
        connect(m_liste[i], &TSectionListBox::sectionClick, this,
                [this, i](int index) { ListaSettimanaSectionClick(i, index); });
        connect(m_liste[i], &TSectionListBox::mouseUp, this,
                [this, i](Qt::MouseButton button, const QPoint& point) {
                    ListaSettimanaMouseUp(i, button, point);
                });
    }
    connect(m_btnEspandiTutto, &QToolButton::clicked, this, &TVisteGiorni::BtnEspandiTuttoClick);
    connect(m_btnCollassaTutto, &QToolButton::clicked, this, &TVisteGiorni::BtnCollassaTuttoClick);
    connect(m_btnSingoloMultiplo, &QToolButton::clicked, this,
            &TVisteGiorni::BtnSingoloMultiploClick);

    area.PannelloAgendaSettimanale()->installEventFilter(this);
    PannelloAgendaSettimanaleResize();
}

TSectionListBox* TVisteGiorni::creaLista(TPannelloTitolato* pannello, const QString& name)
{
    auto* lista = new TSectionListBox(pannello->Corpo());
    lista->setObjectName(name);
    setComponentClass(lista, "TSectionListBox");
    lista->SetImages(agenda::immaginiImportanza());
    lista->SetSectionHeight(24);
    lista->SetDetailHeight(14);
    lista->SetIndent(14);
    lista->SetImageSpacing(8);
    lista->SetSingleExpansion(true);
    lista->SetMarkWebAddresses(false);
    auto* layout = new QVBoxLayout(pannello->Corpo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lista);
    return lista;
}

void TVisteGiorni::creaPulsantiDettagli(TPannelloTitolato* pannello)
{
    // The two hidden buttons hold the pictures of the two expansion modes.
    m_fakeMultiplo =
        pulsanteTitolo(nullptr, "FakeBtnEspandiMultiplo", "espansione-multipla", QString());
    m_fakeSingolo =
        pulsanteTitolo(nullptr, "FakeBtnEspandiSingolo", "espansione-singola", QString());
    pannello->aggiungiAlTitolo(m_fakeMultiplo);
    pannello->aggiungiAlTitolo(m_fakeSingolo);
    m_fakeMultiplo->hide();
    m_fakeSingolo->hide();

    auto* panel6 = new QWidget;
    panel6->setObjectName(QStringLiteral("Panel6"));
    setComponentClass(panel6, "TPanel");
    m_btnEspandiTutto =
        pulsanteTitolo(panel6, "BtnEspandiTutto", "espandi-tutto",
                       QStringLiteral("Espande i dettagli di tutti gli appuntamenti."));
    m_btnCollassaTutto =
        pulsanteTitolo(panel6, "BtnCollassaTutto", "collassa-tutto",
                       QStringLiteral("Collassa i dettagli di tutti gli appuntamenti."));
    m_btnSingoloMultiplo = pulsanteTitolo(
        panel6, "BtnSingoloMultiplo", nullptr,
        QStringLiteral("Attiva/disattiva l'espansione multipla dei dettagli degli appuntamenti."));
    // Single expansion is the mode in force at start.
    m_btnSingoloMultiplo->setIcon(m_fakeSingolo->icon());
    auto* layout = new QHBoxLayout(panel6);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_btnEspandiTutto);
    layout->addWidget(m_btnCollassaTutto);
    layout->addWidget(m_btnSingoloMultiplo);
    pannello->aggiungiAlTitolo(panel6);
}

void TVisteGiorni::creaMenuLista()
{
    m_popupLista = new QMenu(m_area.PannelloDestro());
    m_popupLista->setObjectName(QStringLiteral("PopupListaAppuntamenti"));
    m_popupSposta = m_popupLista->addAction(QStringLiteral("Sposta Appuntamento"));
    m_popupSposta->setObjectName(QStringLiteral("PopupSpostaAppuntamento"));
    setComponentClass(m_popupSposta, "TMenuItem");
    QAction* n2 = m_popupLista->addSeparator();
    n2->setObjectName(QStringLiteral("N2"));
    setComponentClass(n2, "TMenuItem");
    m_popupCopiaIn = new QMenu(QStringLiteral("Copia In"), m_popupLista);
    m_popupCopiaIn->setObjectName(QStringLiteral("PopupCopiaIn"));
    m_popupCopiaIn->menuAction()->setObjectName(QStringLiteral("PopupCopiaIn"));
    setComponentClass(m_popupCopiaIn->menuAction(), "TMenuItem");
    m_popupLista->addMenu(m_popupCopiaIn);
}

QLabel* TVisteGiorni::CaptionGiornaliera() const
{
    return m_area.PannelloAgendaGiornaliera()->Caption();
}

QLabel* TVisteGiorni::CaptionSettimana(int colonna) const
{
    return m_area.ColonnaSettimana(colonna)->Caption();
}

void TVisteGiorni::AggiornaListaAppuntamenti(TSectionListBox* lista, QLabel* label,
                                             const QDate& giorno)
{
    label->setText(regional::dateToStr(datetime::fromQDate(giorno)));
    lista->Clear();
    // One positioned scan of the table sorted on "Giorno;Ora": from the day's first
    // appointment to the first of another day.
    const std::int32_t numero = datetime::dayNumber(giorno);
    if (!agenda::posizionaGiorno(m_agenda, numero))
        return;
    const agenda::TCampiAgenda campi(m_agenda);
    for (; !m_agenda.Eof() && campi.giorno() == numero; m_agenda.Next()) {
        const agenda::TVoce voce = campi.voce(true);
        lista->AddSection(voce.caption, voce.immagine, voce.colore, voce.dettagli);
    }
}

void TVisteGiorni::AggiornaGiorno(const QDate& selezionato)
{
    AggiornaListaAppuntamenti(m_listaGiornaliera, CaptionGiornaliera(), selezionato);
}

void TVisteGiorni::AggiornaSettimana(const QDate& selezionato)
{
    for (int i = 0; i < Colonne; ++i)
        AggiornaListaAppuntamenti(m_liste[i], CaptionSettimana(i), selezionato.addDays(i - 3));
}

void TVisteGiorni::sezioneCliccata(TSectionListBox* lista, int index, QLabel* label)
{
    agenda::eseguiProtetto(lista->window(),
                           [&] { m_modifica.AppuntamentoSelezionato(lista, index, label); });
}

void TVisteGiorni::ListaGiornalieraSectionClick(int index)
{
    sezioneCliccata(m_listaGiornaliera, index, CaptionGiornaliera());
}

void TVisteGiorni::ListaSettimanaSectionClick(int colonna, int index)
{
    sezioneCliccata(m_liste.at(colonna), index, CaptionSettimana(colonna));
}

void TVisteGiorni::ListaAppuntamentiMouseUp(Qt::MouseButton button, const QPoint& point)
{
    if (button == Qt::RightButton)
        AppuntamentoMouseDestro(m_listaGiornaliera, point.x(), point.y());
}

void TVisteGiorni::ListaSettimanaMouseUp(int colonna, Qt::MouseButton button, const QPoint& point)
{
    if (button == Qt::RightButton)
        AppuntamentoMouseDestro(m_liste.at(colonna), point.x(), point.y());
}

void TVisteGiorni::AppuntamentoMouseDestro(TSectionListBox* lista, int x, int y)
{
    const TSectionListBox::THit hit = lista->SectionAt(QPoint(x, y));
    const bool suVoce = hit.section >= 0;
    m_popupSposta->setEnabled(suVoce);
    m_popupCopiaIn->menuAction()->setEnabled(suVoce);
    if (suVoce) {
        lista->SelectSection(hit.section, hit.detail);
        lista->FocusSection(lista->SelectedSection());
        if (lista == m_listaGiornaliera) {
            ListaGiornalieraSectionClick(hit.section);
        } else {
            for (int i = 0; i < Colonne; ++i)
                if (m_liste[i] == lista)
                    ListaSettimanaSectionClick(i, hit.section);
        }
    }
    if (m_menuListaAttivo)
        m_popupLista->popup(lista->viewport()->mapToGlobal(QPoint(x, y)));
}

void TVisteGiorni::BtnEspandiTuttoClick()
{
    m_listaGiornaliera->ExpandAll();
}

void TVisteGiorni::BtnCollassaTuttoClick()
{
    m_listaGiornaliera->CollapseAll();
}

void TVisteGiorni::BtnSingoloMultiploClick()
{
    const bool singola = !m_listaGiornaliera->SingleExpansion();
    m_listaGiornaliera->SetSingleExpansion(singola);
    for (TSectionListBox* lista : m_liste)
        lista->SetSingleExpansion(singola);
    m_btnSingoloMultiplo->setIcon(singola ? m_fakeSingolo->icon() : m_fakeMultiplo->icon());
}

void TVisteGiorni::PannelloAgendaSettimanaleResize()
{
    QWidget* pannello = m_area.PannelloAgendaSettimanale();
    // Each column a seventh of the width; the few pixels left over stay empty.
    const int larghezza = pannello->width() / Colonne;
    for (int i = 0; i < Colonne; ++i)
        m_area.ColonnaSettimana(i)->setGeometry(i * larghezza, 0, larghezza, pannello->height());
}

bool TVisteGiorni::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area.PannelloAgendaSettimanale() && event->type() == QEvent::Resize)
        PannelloAgendaSettimanaleResize();
    return QObject::eventFilter(watched, event);
}
