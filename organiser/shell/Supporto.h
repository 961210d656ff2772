#pragma once

#include "Process.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;
namespace platform {
class TFormPlacement;
}

// Paths, configuration file and the small services around it that the whole organiser uses.

// The program folder followed by a relative path written with "/" ("Agenda/Agenda.dat"):
// the one way the organiser names its files.
QString percorsoProgramma(const QString& relative);
// Config/Tarvo.ini under the program folder.
QString percorsoConfigurazione();

// The data layout this organiser writes into "Versione" of "Generale".
inline const QString VersioneDati = QStringLiteral("0.2");
// The release shown by the about box.
inline const QString VersioneProgramma = QStringLiteral("0.3.0");

// Binds the window's saved placement to the section named after the window in the
// configuration file. On failure shows the configuration error, ends the program and returns
// nothing.
platform::TFormPlacement* AttachPlacement(QWidget* window);

// 0: the stamp is this program's; 1: there is no stamp; 2: another program's stamp.
int ReadVersionState();
// Clears what older versions left behind; false when the user chose to quit instead.
bool UpgradeFromOldVersion();
// Stamps the configuration with VersioneDati; on failure the configuration error ends the
// program.
void WriteVersion();

// Starts a program; on failure shows why and returns nothing.
std::optional<platform::ProcessHandle> RunProgram(const QString& commandLine);
// Waits for the program to end with the window disabled and the busy pointer, keeping the
// message loop (timers, redrawing) running.
void Wait(const std::optional<platform::ProcessHandle>& process, QWidget* window);

// "Impossibile caricare i file di configurazione", then the program ends.
void ErroreConfigurazione();

// Ending the program: the request is recorded (start-up checks it before the message loop
// starts) and handed to the handler that the running application installs.
void Terminate(int exitCode = 0);
bool terminateRequested();
int terminateExitCode();
void setTerminateHandler(std::function<void(int)> handler);
void resetTerminate();

// After a failed start nothing may be written: window placements stop saving.
void stopPlacementSaving();
