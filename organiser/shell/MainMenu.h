#pragma once

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar. Sub-menus carry their name both on the menu and on the entry
// that opens it.
struct TMenuPrincipale
{
    QMenu* Opzioni1 = nullptr;
    QAction* PopupPuliziaAgenda = nullptr;
    QAction* N1 = nullptr;
    QMenu* Backup1 = nullptr;
    QAction* PopupEsportaArchivio = nullptr;
    QAction* PopupImportaArchivio = nullptr;
    QAction* N3 = nullptr;
    QAction* PopupUscita = nullptr;

    QMenu* Visualizza1 = nullptr;
    QAction* PopupAppunti = nullptr;
    QAction* PopupRubrica = nullptr;
    QAction* MenuLog = nullptr;

    QMenu* PopupImpostazioni = nullptr;
    QAction* PopupImpostaMail = nullptr;
    QAction* PopupPreferenze = nullptr;
    QMenu* PopupLingua = nullptr;

    QMenu* Aiuto1 = nullptr;
    QAction* PopupItemAutore = nullptr;
};

TMenuPrincipale creaMenuPrincipale(QMenuBar* bar);
