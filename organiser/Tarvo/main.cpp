#include "Application.h"
#include "Icons.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"

#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    TApplicationTarvo app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvo"));
    QApplication::setWindowIcon(iconaTarvo(QStringLiteral("tarvo")));
    // The program ends when the user says so, not when its last window hides into the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::setProgramFolder(QCoreApplication::applicationDirPath());
    // Qt's own texts (message box buttons, file dialogs, the date picker's calendar) in
    // Italian, like the rest of the organiser; without the translation they stay in English.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduzioneQt);

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
