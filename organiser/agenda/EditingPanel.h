#pragma once

#include "Appuntamento.h"
#include "Forms.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <functional>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TEditImportanza;
class TMemTable;
class TPannelloTitolato;
namespace platform {
class TSectionListBox;
class TTimeMaskEdit;
} // namespace platform

// The editing panel of the main window ("Modifica appuntamenti"): the fields of one
// appointment and the buttons that add, change and delete it. Every change is saved at once,
// refreshes the views and, when it concerns today, the list of today's appointments.
class TPannelloModifica : public QObject
{
    Q_OBJECT
public:
    // What the panel asks of the rest of the main window.
    struct TAgganci
    {
        std::function<void()> SalvaAgenda;
        std::function<void()> AggiornaListaAppuntamenti;
        std::function<void()> AggiornaListaScadenze;
    };

    // Fills the working area of `pannello` (PannelloModifica) and puts the show/hide button
    // in its title strip.
    TPannelloModifica(TForms& forms, TPannelloTitolato* pannello, QObject* parent = nullptr);

    void setAgganci(TAgganci agganci) { m_agganci = std::move(agganci); }
    // The day list, whose entry follows the appointment added or changed.
    void setListaGiornaliera(platform::TSectionListBox* lista) { m_listaGiornaliera = lista; }

    platform::TTimeMaskEdit* EditOra() const { return m_editOra; }
    TEditImportanza* EditImportanza() const { return m_editImportanza; }
    platform::TTimeMaskEdit* EditPreavviso() const { return m_editPreavviso; }
    QLineEdit* EditCommento() const { return m_editCommento; }
    QPlainTextEdit* EditDescrizione() const { return m_editDescrizione; }
    QCheckBox* CheckMail() const { return m_checkMail; }
    QLineEdit* EditMail() const { return m_editMail; }
    QDateEdit* EditData() const { return m_editData; }
    QPushButton* Aggiungi() const { return m_aggiungi; }
    QPushButton* Modifica() const { return m_modifica; }
    QPushButton* Elimina() const { return m_elimina; }
    QToolButton* BtnAvvisaPredefiniti() const { return m_btnAvvisaPredefiniti; }
    QMenu* PopupAvvisi() const { return m_popupAvvisi; }
    QToolButton* BtnShowHideModifica() const { return m_btnShowHide; }

    // The appointment that "&Modifica" changes: the one last chosen, added or changed.
    std::optional<agenda::TChiave> appuntamentoCorrente() const { return m_corrente; }

    void AggiungiClick();
    void ModificaClick();
    void EliminaClick();
    void CheckMailClick();
    // Whether the field holds a time of day; when not, and `show`, says so.
    bool IsTimeValid(platform::TTimeMaskEdit* field, bool show);
    // Loads the appointment of entry `index` of `lista` (whose day is the text of `label`).
    void AppuntamentoSelezionato(platform::TSectionListBox* lista, int index, QLabel* label);
    void EditImportanzaDrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
    // A preset of the notice menu: PopupNonAvvisare, Inorario1, N15minutiprima1 ...
    void PreavvisoPredefinitoClick(const QString& testo);
    void BtnShowHideModificaClick();

private:
    void creaCampi(QWidget* lavoro);
    void creaPulsanti(QWidget* lavoro);
    void creaMenuAvvisi();
    void creaShowHide(TPannelloTitolato* pannello);
    void collega();
    QWidget* finestra() const;

    bool preavvisoValido();
    bool superaVentiquattroOre();
    void scriviCampi(std::int32_t giorno, std::int32_t msecs);
    void salvaERinfresca();
    void dopoLaModifica(std::int32_t giorno, std::int32_t msecs);
    std::int32_t giornoScelto() const;
    std::int32_t oraScelta() const;
    TMemTable& tabella() const;

    TForms& m_forms;
    TAgganci m_agganci;
    platform::TSectionListBox* m_listaGiornaliera = nullptr;
    TPannelloTitolato* m_pannello;
    QList<QPixmap> m_immagini;
    std::optional<agenda::TChiave> m_corrente;
    bool m_mostrato = true;

    platform::TTimeMaskEdit* m_editOra = nullptr;
    TEditImportanza* m_editImportanza = nullptr;
    platform::TTimeMaskEdit* m_editPreavviso = nullptr;
    QLineEdit* m_editCommento = nullptr;
    QPlainTextEdit* m_editDescrizione = nullptr;
    QCheckBox* m_checkMail = nullptr;
    QLineEdit* m_editMail = nullptr;
    QDateEdit* m_editData = nullptr;
    QPushButton* m_aggiungi = nullptr;
    QPushButton* m_modifica = nullptr;
    QPushButton* m_elimina = nullptr;
    QToolButton* m_btnAvvisaPredefiniti = nullptr;
    QMenu* m_popupAvvisi = nullptr;
    QToolButton* m_btnShowHide = nullptr;
    QToolButton* m_fakeBtnHide = nullptr;
    QToolButton* m_fakeBtnShow = nullptr;
};
