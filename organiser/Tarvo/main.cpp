#include "Application.h"
#include "Icons.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"

int main(int argc, char** argv)
{
    TApplicationTarvo app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvo"));
    QApplication::setWindowIcon(iconaTarvo(QStringLiteral("tarvo")));
    // The program ends when the user says so, not when its last window hides into the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::setProgramFolder(QCoreApplication::applicationDirPath());

    platform::TSingleInstance istanza(QStringLiteral("Tarvo"));
    if (!istanza.acquire()) {
        platform::messageBox(QStringLiteral("Un'istanza dell'applicazione è già attiva. E' "
                                            "possibile che l'applicazione compaia minimizzata "
                                            "nella tray bar."),
                             QStringLiteral("Applicazione già attiva"),
                             platform::MsgIcon::Information);
        return 0;
    }

    try {
        return eseguiTarvo();
    } catch (const std::exception& e) {
        platform::showException(e);
        return 1;
    }
}
