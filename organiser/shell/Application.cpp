#include "Application.h"

#include "Anteprimastampa.h"
#include "Appunti.h"
#include "Appunticategoria.h"
#include "Calendario.h"
#include "Datamodule.h"
#include "Impostazionimail.h"
#include "Log.h"
#include "Main.h"
#include "MainPanels.h"
#include "MessageBox.h"
#include "Nuovacategoria.h"
#include "Nuovarubrica.h"
#include "Preferenze.h"
#include "Promemoria.h"
#include "Puliziaagenda.h"
#include "Rubrica.h"
#include "Supporto.h"
#include "VisteAgenda.h"

#include <QApplication>
#include <vector>

struct TApplicazione::Finestre
{
    std::unique_ptr<TDC> dc;
    // Windows in creation order; destroyed from the last.
    std::vector<std::unique_ptr<QWidget>> finestre;

    ~Finestre()
    {
        while (!finestre.empty())
            finestre.pop_back();
    }
};

namespace {

// Creates one window, records it and hands it to the registry; false when the program is
// ending and nothing more should be made.
template <typename Window>
bool crea(std::vector<std::unique_ptr<QWidget>>& finestre, TForms& forms, Window*& slot,
          QWidget* parent)
{
    auto window = std::make_unique<Window>(forms, parent);
    slot = window.get();
    finestre.push_back(std::move(window));
    return !terminateRequested();
}

} // namespace

TApplicazione::TApplicazione() : m_finestre(std::make_unique<Finestre>())
{
    try {
        creaTutto();
    } catch (...) {
        // A start that failed writes nothing, not even the placement of the windows made.
        stopPlacementSaving();
        throw;
    }
}

void TApplicazione::creaTutto()
{
    m_finestre->dc = std::make_unique<TDC>();
    m_forms.DC = m_finestre->dc.get();

    auto& f = m_finestre->finestre;
    if (!crea(f, m_forms, m_forms.FormMainTarvo, nullptr))
        return;
    installaAgenda();
    // The other windows belong to the main window, so that they stay above it and centre on
    // it; they are still destroyed here, before it.
    QWidget* main = m_forms.FormMainTarvo;
    if (!crea(f, m_forms, m_forms.FormRubrica, main))
        return;
    if (!crea(f, m_forms, m_forms.FormAnteprimaStampa, main))
        return;
    if (!crea(f, m_forms, m_forms.FormAppunti, main))
        return;
    if (!crea(f, m_forms, m_forms.FormAppuntiCategoria, main))
        return;
    if (!crea(f, m_forms, m_forms.FormCalendario, main))
        return;
    if (!crea(f, m_forms, m_forms.FormImpostazioniMail, main))
        return;
    if (!crea(f, m_forms, m_forms.FormLog, main))
        return;
    if (!crea(f, m_forms, m_forms.FormNuovaCategoria, main))
        return;
    if (!crea(f, m_forms, m_forms.FormNuovaRubrica, main))
        return;
    if (!crea(f, m_forms, m_forms.FormPreferenze, main))
        return;
    if (!crea(f, m_forms, m_forms.FormPromemoria, main))
        return;
    crea(f, m_forms, m_forms.FormPuliziaAgenda, main);
}

// The agenda fills the main window's panels and answers its views, tool bar and tray.
void TApplicazione::installaAgenda()
{
    TFormMainTarvo* main = m_forms.FormMainTarvo;
    auto viste = std::make_unique<TVisteAgenda>(m_forms, *main->AreaAgenda());
    viste->setAgganci({[main] { main->SalvaAgenda(); }, [main] { main->Btn1GClick(); }});
    main->setAgendaViews(std::move(viste));
}

TApplicazione::~TApplicazione()
{
    m_finestre.reset();
}

int eseguiTarvo()
{
    TApplicazione applicazione;
    if (terminateRequested())
        return terminateExitCode();

    applicazione.forms().FormMainTarvo->show();
    if (terminateRequested())
        return terminateExitCode();

    setTerminateHandler([](int exitCode) { QCoreApplication::exit(exitCode); });
    const int codice = QApplication::exec();
    setTerminateHandler({});
    return terminateRequested() ? terminateExitCode() : codice;
}

TApplicationTarvo::TApplicationTarvo(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplicationTarvo::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        platform::showException(e);
        return false;
    }
}
