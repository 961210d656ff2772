#pragma once

#include <QDate>
#include <QObject>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class TAreaAgenda;
class TMemTable;
class TPannelloModifica;
class TPannelloTitolato;
namespace platform {
class TSectionListBox;
}

// The day view (ListaGiornaliera, with the detail buttons in its title) and the seven-day
// view (seven columns centred on the selected day), with the list menu of a right click.
class TVisteGiorni : public QObject
{
    Q_OBJECT
public:
    static constexpr int Colonne = 7;

    TVisteGiorni(TMemTable& agenda, TAreaAgenda& area, TPannelloModifica& modifica,
                 QObject* parent = nullptr);

    platform::TSectionListBox* ListaGiornaliera() const { return m_listaGiornaliera; }
    QLabel* CaptionGiornaliera() const;
    // ListaLunedi ... ListaDomenica and their captions, from 0.
    platform::TSectionListBox* ListaSettimana(int colonna) const { return m_liste.at(colonna); }
    QLabel* CaptionSettimana(int colonna) const;
    QToolButton* BtnEspandiTutto() const { return m_btnEspandiTutto; }
    QToolButton* BtnCollassaTutto() const { return m_btnCollassaTutto; }
    QToolButton* BtnSingoloMultiplo() const { return m_btnSingoloMultiplo; }
    QToolButton* FakeBtnEspandiSingolo() const { return m_fakeSingolo; }
    QToolButton* FakeBtnEspandiMultiplo() const { return m_fakeMultiplo; }

    // The list menu (moving an appointment, copying it into a note category).
    QMenu* PopupListaAppuntamenti() const { return m_popupLista; }
    QAction* PopupSpostaAppuntamento() const { return m_popupSposta; }
    QMenu* PopupCopiaIn() const { return m_popupCopiaIn; }
    // The menu opens on a right click only once its commands have been connected.
    void setMenuListaAttivo(bool attivo) { m_menuListaAttivo = attivo; }

    // Fills one list with the appointments of one day, in time order.
    void AggiornaListaAppuntamenti(platform::TSectionListBox* lista, QLabel* label,
                                   const QDate& giorno);
    void AggiornaGiorno(const QDate& selezionato);
    // The seven columns: from three days before the selected day to three days after.
    void AggiornaSettimana(const QDate& selezionato);

    void ListaGiornalieraSectionClick(int index);
    // ListaLunediSectionClick ... ListaDomenicaSectionClick.
    void ListaSettimanaSectionClick(int colonna, int index);
    void ListaAppuntamentiMouseUp(Qt::MouseButton button, const QPoint& point);
    // ListaLunediMouseUp ... ListaDomenicaMouseUp.
    void ListaSettimanaMouseUp(int colonna, Qt::MouseButton button, const QPoint& point);
    void AppuntamentoMouseDestro(platform::TSectionListBox* lista, int x, int y);
    void BtnEspandiTuttoClick();
    void BtnCollassaTuttoClick();
    void BtnSingoloMultiploClick();
    void PannelloAgendaSettimanaleResize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::TSectionListBox* creaLista(TPannelloTitolato* pannello, const QString& name);
    void creaPulsantiDettagli(TPannelloTitolato* pannello);
    void creaMenuLista();
    void sezioneCliccata(platform::TSectionListBox* lista, int index, QLabel* label);

    TMemTable& m_agenda;
    TAreaAgenda& m_area;
    TPannelloModifica& m_modifica;
    platform::TSectionListBox* m_listaGiornaliera;
    std::array<platform::TSectionListBox*, Colonne> m_liste{};
    QToolButton* m_btnEspandiTutto = nullptr;
    QToolButton* m_btnCollassaTutto = nullptr;
    QToolButton* m_btnSingoloMultiplo = nullptr;
    QToolButton* m_fakeSingolo = nullptr;
    QToolButton* m_fakeMultiplo = nullptr;
    QMenu* m_popupLista = nullptr;
    QAction* m_popupSposta = nullptr;
    QMenu* m_popupCopiaIn = nullptr;
    bool m_menuListaAttivo = false;
};
