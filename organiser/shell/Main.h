#pragma once

#include "AgendaViews.h"
#include "FileDialog.h"
#include "Forms.h"
#include "MainMenu.h"

#include <QMainWindow>
#include <memory>

class QAction;
class TAreaAgenda;
class TBarraStato;
class TPannelloPulsanti;
enum class TVista;
namespace platform {
class TCoolTrayIcon;
}

// The main window: a frame that owns its parts (tool bar, agenda area, status bar, tray
// icon), runs the real start on its first showing and ends the program when it closes.
class TFormMainTarvo : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFormMainTarvo(TForms& forms, QWidget* parent = nullptr);
    ~TFormMainTarvo() override;

    TPannelloPulsanti* PannelloPulsanti() const { return m_pulsanti; }
    TAreaAgenda* AreaAgenda() const { return m_area; }
    TBarraStato* BarraStato() const { return m_barraStato; }
    platform::TCoolTrayIcon* TrayIcon() const { return m_trayIcon; }
    const TMenuPrincipale& MainMenu() const { return m_menu; }
    QAction* Visualizzaagenda1() const { return m_visualizzaAgenda; }
    QAction* DisabilitaAgenda1() const { return m_disabilitaAgenda; }

    // The agenda's views and deadlines list; until they are set, nothing happens there.
    void setAgendaViews(std::unique_ptr<IAgendaViews> views);
    IAgendaViews& agendaViews() const { return *m_viste; }

    // True from construction until the first showing has run.
    bool primaVisualizzazione() const { return m_primaVisualizzazione; }

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void PopupUscitaClick();
    void TrayIconDblClick();
    void PopupVisualizzaAgendaClick();
    void PopupDisabilitaAgendaClick();
    // Saves TabellaAgenda to Agenda/Agenda.dat, replacing the file.
    void SalvaAgenda();
    void BtnUpdaterClick();
    void PopupItemAutoreClick();

    void Btn1GClick();
    void Btn7GClick();
    void Btn1MClick();
    // Writes every appointment to a CSV file chosen in SaveDialog.
    void BtnEsportaCSVClick();
    // The export's save dialog, kept for the window's life with the last name and filter.
    platform::FileDialog& SaveDialog() { return m_saveDialog; }
    void BtnCategorieClick();
    void BtnRubricaClick();
    void PopupPuliziaAgendaClick();
    void MenuLogClick();
    void PopupImpostaMailClick();
    void PopupPreferenzeClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void collegaComandi();
    void caricaAgenda();
    void mostraVista(TVista vista);
    bool chiusuraNelTray() const;
    // A start that cannot go on: nothing more is written and the program ends.
    void avvioFallito(int exitCode);

    TForms& m_forms;
    std::unique_ptr<IAgendaViews> m_viste;
    TMenuPrincipale m_menu;
    TPannelloPulsanti* m_pulsanti;
    TAreaAgenda* m_area;
    TBarraStato* m_barraStato;
    platform::TCoolTrayIcon* m_trayIcon;
    QAction* m_visualizzaAgenda;
    QAction* m_disabilitaAgenda;
    platform::FileDialog m_saveDialog;
    bool m_primaVisualizzazione = true;
    bool m_agendaNonCaricata = false;
    bool m_uscitaRichiesta = false;
    bool m_chiusuraForzata = false;
};
