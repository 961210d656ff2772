#include "Main.h"

#include "Aboutbox.h"
#include "Appunti.h"
#include "Components.h"
#include "Datamodule.h"
#include "FormPlacement.h"
#include "Hints.h"
#include "Icons.h"
#include "Impostazionimail.h"
#include "Log.h"
#include "MainPanels.h"
#include "MainStatusBar.h"
#include "MainToolBar.h"
#include "MessageBox.h"
#include "Preferenze.h"
#include "ProgramFolder.h"
#include "Puliziaagenda.h"
#include "Rubrica.h"
#include "RxClock.h"
#include "SupportDat.h"
#include "Supporto.h"
#include "TrayIcon.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

using namespace platform;

TFormMainTarvo::TFormMainTarvo(TForms& forms, QWidget* parent)
    : QMainWindow(parent), m_forms(forms), m_viste(std::make_unique<IAgendaViews>()),
      m_saveDialog(QStringLiteral("File CSV (*.csv)|*.CSV|Tutti i file (*.*)|*.*"))
{
    setObjectName(QStringLiteral("FormMainTarvo"));
    setWindowTitle(QStringLiteral("Tarvo"));
    setWindowIcon(iconaTarvo(QStringLiteral("tarvo")));
    resize(1100, 720);

    m_menu = creaMenuPrincipale(menuBar());

    auto* centro = new QWidget(this);
    m_pulsanti = new TPannelloPulsanti(centro);
    m_area = new TAreaAgenda(centro);
    auto* layout = new QVBoxLayout(centro);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pulsanti);
    layout->addWidget(m_area, 1);
    setCentralWidget(centro);

    m_barraStato = new TBarraStato(this);
    setStatusBar(m_barraStato);

    m_trayIcon =
        new TCoolTrayIcon(this, iconaTarvo(QStringLiteral("tarvo")), QStringLiteral("Tarvo"));
    m_trayIcon->setObjectName(QStringLiteral("TrayIcon"));
    m_visualizzaAgenda = new QAction(QStringLiteral("&Visualizza agenda..."), this);
    m_visualizzaAgenda->setObjectName(QStringLiteral("Visualizzaagenda1"));
    setComponentClass(m_visualizzaAgenda, "TMenuItem");
    m_disabilitaAgenda = new QAction(QStringLiteral("&Disabilita Agenda..."), this);
    m_disabilitaAgenda->setObjectName(QStringLiteral("DisabilitaAgenda1"));
    setComponentClass(m_disabilitaAgenda, "TMenuItem");
    m_trayIcon->menu()->addAction(m_visualizzaAgenda);
    m_trayIcon->menu()->addAction(m_disabilitaAgenda);

    collegaComandi();

    if (TFormPlacement* placement = AttachPlacement(this))
        placement->setDefaultMaximized(true);
    if (!terminateRequested())
        FormCreate();
}

TFormMainTarvo::~TFormMainTarvo() = default;

void TFormMainTarvo::collegaComandi()
{
    connect(m_menu.PopupPuliziaAgenda, &QAction::triggered, this,
            &TFormMainTarvo::PopupPuliziaAgendaClick);
    connect(m_menu.PopupUscita, &QAction::triggered, this, &TFormMainTarvo::PopupUscitaClick);
    connect(m_menu.PopupAppunti, &QAction::triggered, this, &TFormMainTarvo::BtnCategorieClick);
    connect(m_menu.PopupRubrica, &QAction::triggered, this, &TFormMainTarvo::BtnRubricaClick);
    connect(m_menu.MenuLog, &QAction::triggered, this, &TFormMainTarvo::MenuLogClick);
    connect(m_menu.PopupImpostaMail, &QAction::triggered, this,
            &TFormMainTarvo::PopupImpostaMailClick);
    connect(m_menu.PopupPreferenze, &QAction::triggered, this,
            &TFormMainTarvo::PopupPreferenzeClick);
    connect(m_menu.PopupItemAutore, &QAction::triggered, this,
            &TFormMainTarvo::PopupItemAutoreClick);

    connect(m_pulsanti->BtnCategorie(), &QToolButton::clicked, this,
            &TFormMainTarvo::BtnCategorieClick);
    connect(m_pulsanti->BtnRubrica(), &QToolButton::clicked, this,
            &TFormMainTarvo::BtnRubricaClick);
    connect(m_pulsanti->Btn1G(), &QToolButton::clicked, this, &TFormMainTarvo::Btn1GClick);
    connect(m_pulsanti->Btn7G(), &QToolButton::clicked, this, &TFormMainTarvo::Btn7GClick);
    connect(m_pulsanti->Btn1M(), &QToolButton::clicked, this, &TFormMainTarvo::Btn1MClick);
    connect(m_pulsanti->BtnEsportaCSV(), &QToolButton::clicked, this, [this] {
        try {
            BtnEsportaCSVClick();
        } catch (const std::exception& e) {
            showException(e, this);
        }
    });
    connect(m_pulsanti->BtnUpdater(), &QToolButton::clicked, this,
            &TFormMainTarvo::BtnUpdaterClick);
    connect(m_pulsanti->Clock(), &TRxClock::alarm, this,
            [this] { m_viste->AggiornaListaScadenze(); });

    connect(m_trayIcon, &TCoolTrayIcon::doubleClicked, this, &TFormMainTarvo::TrayIconDblClick);
    connect(m_visualizzaAgenda, &QAction::triggered, this,
            &TFormMainTarvo::PopupVisualizzaAgendaClick);
    connect(m_disabilitaAgenda, &QAction::triggered, this,
            &TFormMainTarvo::PopupDisabilitaAgendaClick);
}

void TFormMainTarvo::setAgendaViews(std::unique_ptr<IAgendaViews> views)
{
    m_viste = views ? std::move(views) : std::make_unique<IAgendaViews>();
}

void TFormMainTarvo::FormCreate()
{
    CreaSupportDat();
}

void TFormMainTarvo::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TFormMainTarvo::FormShow()
{
    if (!m_primaVisualizzazione)
        return;
    // Runs inside the window system's show event: every error is answered here.
    try {
        if (ReadVersionState() != 0) {
            if (!UpgradeFromOldVersion()) {
                // The user chose to quit: the old notes stay, and so does everything else.
                stopPlacementSaving();
                m_primaVisualizzazione = false;
                return;
            }
            WriteVersion();
            if (terminateRequested()) {
                stopPlacementSaving();
                return;
            }
        }

        caricaAgenda();

        m_viste->SincronizzaSelettori();
        m_viste->AggiornaListaAppuntamenti();
        m_primaVisualizzazione = false;

        m_viste->PreparaModifica();
        Btn1GClick();
        m_viste->GrigliaCalendarioChange();
        m_viste->AggiornaListaScadenze();

        if (m_forms.FormPreferenze)
            setHintsEnabled(m_forms.FormPreferenze->CheckAiuti()->isChecked());
    } catch (const std::exception& e) {
        showException(e, this);
        avvioFallito(1);
    }
}

void TFormMainTarvo::caricaAgenda()
{
    TDC& dc = *m_forms.DC;
    // A folder that cannot be made shows up as the error of the first save.
    ensureFolder(percorsoProgramma(QStringLiteral("Agenda")));
    const QString file = percorsoProgramma(QStringLiteral("Agenda/Agenda.dat"));
    if (QFileInfo::exists(file)) {
        m_agendaNonCaricata = true;
        dc.TabellaAgenda.EmptyTable();
        dc.TabellaAgenda.LoadFromFileViaFormat(file, &dc.SaveFormat);
        m_agendaNonCaricata = false;
    }
    dc.TabellaAgenda.SortOn(QStringLiteral("Giorno;Ora"), dc.TabellaAgenda.SortOptions());
    dc.TabellaAgendaAusiliaria.SortOn(QStringLiteral("Ora"), dc.TabellaAgenda.SortOptions());
}

void TFormMainTarvo::avvioFallito(int exitCode)
{
    stopPlacementSaving();
    Terminate(exitCode);
}

void TFormMainTarvo::SalvaAgenda()
{
    // Whatever is in memory after a failed load is not the user's agenda: the file on disk
    // stays as it is.
    if (m_agendaNonCaricata)
        return;
    TDC& dc = *m_forms.DC;
    ensureFolder(percorsoProgramma(QStringLiteral("Agenda")));
    dc.TabellaAgenda.SaveToFileViaFormat(percorsoProgramma(QStringLiteral("Agenda/Agenda.dat")),
                                         &dc.SaveFormat);
}

bool TFormMainTarvo::FormCloseQuery()
{
    return messageBox(QStringLiteral("Sicuri di voler uscire dall'applicazione?"),
                      QStringLiteral("Conferma chiusura"), MsgIcon::Question, MsgButtons::YesNo,
                      this) == MsgResult::Yes;
}

void TFormMainTarvo::FormClose() {}

bool TFormMainTarvo::chiusuraNelTray() const
{
    return m_forms.FormPreferenze &&
           m_forms.FormPreferenze->CheckMinimizzaChiusura()->isChecked() &&
           TCoolTrayIcon::trayAvailable();
}

void TFormMainTarvo::closeEvent(QCloseEvent* event)
{
    const bool forzata = std::exchange(m_chiusuraForzata, false);
    const bool uscita = std::exchange(m_uscitaRichiesta, false);
    if (!forzata) {
        // The close box keeps the program in the tray when the user asked for it; "&Uscita"
        // always ends it. Without a tray the window could not be found again, so it closes.
        if (!uscita && chiusuraNelTray()) {
            event->ignore();
            m_trayIcon->hideToTray();
            return;
        }
        if (!FormCloseQuery()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    FormClose();
    Terminate(0);
}

void TFormMainTarvo::PopupUscitaClick()
{
    m_uscitaRichiesta = true;
    close();
}

void TFormMainTarvo::PopupDisabilitaAgendaClick()
{
    m_chiusuraForzata = true;
    close();
}

void TFormMainTarvo::TrayIconDblClick()
{
    m_viste->VaiAOggi();
    m_viste->AggiornaListaAppuntamenti();
    m_trayIcon->restoreOwner();
}

void TFormMainTarvo::PopupVisualizzaAgendaClick()
{
    m_trayIcon->restoreOwner();
}

void TFormMainTarvo::BtnUpdaterClick()
{
#ifdef Q_OS_WIN
    const QString comando = percorsoProgramma(QStringLiteral("DeViv/Brasko.exe"));
#else
    const QString comando = percorsoProgramma(QStringLiteral("DeViv/Brasko"));
#endif
    Wait(RunProgram(comando), this);
}

void TFormMainTarvo::PopupItemAutoreClick()
{
    TFormAboutBox box(this);
    box.exec();
}

void TFormMainTarvo::mostraVista(TVista vista)
{
    m_area->mostraVista(vista);
    QToolButton* giu = vista == TVista::Giorno        ? m_pulsanti->Btn1G()
                       : vista == TVista::SetteGiorni ? m_pulsanti->Btn7G()
                                                      : m_pulsanti->Btn1M();
    giu->setChecked(true);
}

void TFormMainTarvo::Btn1GClick()
{
    mostraVista(TVista::Giorno);
    m_viste->Btn1GClick();
}

void TFormMainTarvo::Btn7GClick()
{
    mostraVista(TVista::SetteGiorni);
    m_viste->Btn7GClick();
}

void TFormMainTarvo::Btn1MClick()
{
    mostraVista(TVista::Mese);
    m_viste->Btn1MClick();
}

namespace {

// Whether the file name part of a path has an extension (a point anywhere in it).
bool haEstensione(const QString& path)
{
    const qsizetype separatore = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.lastIndexOf(u'.') > separatore;
}

} // namespace

void TFormMainTarvo::BtnEsportaCSVClick()
{
    if (!m_saveDialog.executeSave(this))
        return;
    // The extension of each filter, by position: "File CSV (*.csv)", "Tutti i file (*.*)".
    const QString estensione = m_saveDialog.filterIndex() == 1 ? QStringLiteral("csv") : QString();
    QString nome = m_saveDialog.fileName();
    if (!haEstensione(nome) && !estensione.isEmpty()) {
        nome += u'.' + estensione;
        m_saveDialog.setFileName(nome);
    }
    TDC& dc = *m_forms.DC;
    dc.TabellaAgenda.SaveToFileViaFormat(nome, &dc.SaveFormatCSV);
}

void TFormMainTarvo::BtnCategorieClick()
{
    if (m_forms.FormAppunti)
        m_forms.FormAppunti->exec();
}

void TFormMainTarvo::BtnRubricaClick()
{
    if (m_forms.FormRubrica)
        m_forms.FormRubrica->exec();
}

void TFormMainTarvo::PopupPuliziaAgendaClick()
{
    if (m_forms.FormPuliziaAgenda)
        m_forms.FormPuliziaAgenda->exec();
}

void TFormMainTarvo::MenuLogClick()
{
    if (m_forms.FormLog)
        m_forms.FormLog->show();
}

void TFormMainTarvo::PopupImpostaMailClick()
{
    if (m_forms.FormImpostazioniMail)
        m_forms.FormImpostazioniMail->exec();
}

void TFormMainTarvo::PopupPreferenzeClick()
{
    if (m_forms.FormPreferenze)
        m_forms.FormPreferenze->exec();
}
