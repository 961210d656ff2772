#include "Supporto.h"

#include "FormPlacement.h"
#include "IniFile.h"
#include "MessageBox.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

using namespace platform;

namespace {

const QString SezioneGenerale = QStringLiteral("Generale");
const QString ChiaveVersione = QStringLiteral("Versione");
const QString NessunaVersione = QStringLiteral("0.0.0");

struct TerminateState
{
    bool requested = false;
    int exitCode = 0;
    std::function<void(int)> handler;
};

TerminateState& terminateState()
{
    static TerminateState state;
    return state;
}

// A configuration file that exists must also be readable; a missing one is created by the
// first write.
bool configurazioneLeggibile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

QString percorsoProgramma(const QString& relative)
{
    return programPath(relative);
}

QString percorsoConfigurazione()
{
    return percorsoProgramma(QStringLiteral("Config/Tarvo.ini"));
}

void ErroreConfigurazione()
{
    messageBox(QStringLiteral("Impossibile caricare i file di configurazione"),
               QStringLiteral("Errore inizializzazione"), MsgIcon::Error);
    Terminate(1);
}

TFormPlacement* AttachPlacement(QWidget* window)
{
    const QString config = percorsoConfigurazione();
    if (!ensureFolder(percorsoProgramma(QStringLiteral("Config"))) ||
        !configurazioneLeggibile(config)) {
        ErroreConfigurazione();
        return nullptr;
    }
    auto* placement = new TFormPlacement(window);
    placement->setObjectName(QStringLiteral("FormPlacement"));
    placement->setIniFileName(config);
    placement->setIniSection(window->objectName());
    return placement;
}

int ReadVersionState()
{
    const TIniFile ini(percorsoConfigurazione());
    const QString versione = ini.ReadString(SezioneGenerale, ChiaveVersione, NessunaVersione);
    if (versione == VersioneDati)
        return 0;
    if (versione == NessunaVersione)
        return 1;
    return 2;
}

bool UpgradeFromOldVersion()
{
    TIniFile ini(percorsoConfigurazione());
    if (ini.SectionExists(QStringLiteral("FormAboutBox")))
        ini.EraseSection(QStringLiteral("FormAboutBox"));

    // Only note files of an older release are in the way; a new installation has none, and
    // asking a new user to delete what does not exist (or quit) would make no sense.
    const QDir appunti(percorsoProgramma(QStringLiteral("Appunti")));
    if (!appunti.exists())
        return true;
    const QStringList vecchi = appunti.entryList({QStringLiteral("*.ctg")}, QDir::Files);
    if (vecchi.isEmpty())
        return true;

    const MsgResult risposta =
        messageBox(QStringLiteral("I file appunti della versione precedente non sono "
                                  "compatibili. E' necessario eliminarli."),
                   QStringLiteral("Aggiorna versione"), MsgIcon::Warning, MsgButtons::OkCancel);
    if (risposta != MsgResult::Ok) {
        Terminate(0);
        return false;
    }
    for (const QString& nome : vecchi)
        QFile::remove(appunti.filePath(nome));
    return true;
}

void WriteVersion()
{
    try {
        TIniFile ini(percorsoConfigurazione());
        ini.WriteString(SezioneGenerale, ChiaveVersione, VersioneDati);
    } catch (const std::exception&) {
        ErroreConfigurazione();
    }
}

std::optional<ProcessHandle> RunProgram(const QString& commandLine)
{
    QString errore;
    auto process = startProgram(commandLine, &errore);
    if (!process)
        messageBox(QStringLiteral("Trying to open \"%1\"\n%2").arg(commandLine, errore),
                   QStringLiteral("Error executing command"), MsgIcon::Warning);
    return process;
}

void Wait(const std::optional<ProcessHandle>& process, QWidget* window)
{
    if (!process || process->pid <= 0)
        return;
    QPointer<QWidget> finestra(window);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (finestra)
        finestra->setEnabled(false);
    // Reminders and redrawing go on while the other program runs; ending the organiser
    // meanwhile (from the tray) stops waiting.
    while (!waitForExit(*process, 50) && !terminateRequested())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (finestra)
        finestra->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void Terminate(int exitCode)
{
    TerminateState& state = terminateState();
    if (!state.requested) {
        state.requested = true;
        state.exitCode = exitCode;
    }
    if (state.handler)
        state.handler(state.exitCode);
}

bool terminateRequested()
{
    return terminateState().requested;
}

int terminateExitCode()
{
    return terminateState().exitCode;
}

void setTerminateHandler(std::function<void(int)> handler)
{
    terminateState().handler = std::move(handler);
}

void resetTerminate()
{
    TerminateState& state = terminateState();
    state.requested = false;
    state.exitCode = 0;
}

void stopPlacementSaving()
{
    setPlacementSavingEnabled(false);
}
