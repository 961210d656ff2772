#include "MainMenu.h"

#include "Components.h"

#include <QMenu>
#include <QMenuBar>

using platform::setComponentClass;

namespace {

QAction* voce(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    setComponentClass(action, "TMenuItem");
    return action;
}

QAction* separatore(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    setComponentClass(action, "TMenuItem");
    return action;
}

QMenu* sottomenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    setComponentClass(menu->menuAction(), "TMenuItem");
    return menu;
}

} // namespace

TMenuPrincipale creaMenuPrincipale(QMenuBar* bar)
{
    bar->setObjectName(QStringLiteral("MainMenu"));
    TMenuPrincipale m;

    m.Opzioni1 = sottomenu(bar, "Opzioni1", QStringLiteral("&Opzioni"));
    m.PopupPuliziaAgenda =
        voce(m.Opzioni1, "PopupPuliziaAgenda", QStringLiteral("&Pulizia agenda"));
    m.N1 = separatore(m.Opzioni1, "N1");
    m.Backup1 = sottomenu(m.Opzioni1, "Backup1", QStringLiteral("&Backup"));
    m.PopupEsportaArchivio =
        voce(m.Backup1, "PopupEsportaArchivio", QStringLiteral("&Esporta Archivio"));
    m.PopupImportaArchivio =
        voce(m.Backup1, "PopupImportaArchivio", QStringLiteral("&Importa Archivio"));
    m.Opzioni1->addMenu(m.Backup1);
    m.N3 = separatore(m.Opzioni1, "N3");
    m.PopupUscita = voce(m.Opzioni1, "PopupUscita", QStringLiteral("&Uscita"));
    bar->addMenu(m.Opzioni1);

    m.Visualizza1 = sottomenu(bar, "Visualizza1", QStringLiteral("&Visualizza"));
    m.PopupAppunti = voce(m.Visualizza1, "PopupAppunti", QStringLiteral("&Appunti"));
    m.PopupRubrica = voce(m.Visualizza1, "PopupRubrica", QStringLiteral("&Rubrica"));
    m.MenuLog = voce(m.Visualizza1, "MenuLog", QStringLiteral("&Log"));
    bar->addMenu(m.Visualizza1);

    m.PopupImpostazioni = sottomenu(bar, "PopupImpostazioni", QStringLiteral("Impostazioni"));
    m.PopupImpostaMail =
        voce(m.PopupImpostazioni, "PopupImpostaMail", QStringLiteral("Imposta mail"));
    m.PopupPreferenze = voce(m.PopupImpostazioni, "PopupPreferenze", QStringLiteral("Preferenze"));
    m.PopupLingua = sottomenu(m.PopupImpostazioni, "PopupLingua", QStringLiteral("Lingua"));
    m.PopupImpostazioni->addMenu(m.PopupLingua);
    bar->addMenu(m.PopupImpostazioni);

    m.Aiuto1 = sottomenu(bar, "Aiuto1", QStringLiteral("&Aiuto"));
    m.PopupItemAutore = voce(m.Aiuto1, "PopupItemAutore", QStringLiteral("&Autore"));
    bar->addMenu(m.Aiuto1);
    return m;
}
