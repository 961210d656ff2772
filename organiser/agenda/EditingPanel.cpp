#include "EditingPanel.h"

#include "AgendaImages.h"
#include "Clock.h"
#include "Components.h"
#include "ImportancePicker.h"
#include "TimeMaskEdit.h"
#include "TitledPanel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using platform::setComponentClass;
using platform::TTimeMaskEdit;

namespace {

constexpr int AltezzaPannello = 200;
constexpr int LunghezzaDescrizione = 1024;

template <class W> W* componente(W* widget, const char* name, const char* className)
{
    widget->setObjectName(QString::fromLatin1(name));
    setComponentClass(widget, className);
    return widget;
}

QWidget* pannello(QWidget* parent, const char* name)
{
    return componente(new QWidget(parent), name, "TPanel");
}

QLabel* etichetta(QWidget* parent, const char* name, const QString& caption, QWidget* buddy)
{
    auto* label = componente(new QLabel(caption, parent), name, "TLabel");
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The presets of the notice menu: component name, caption, notice set.
const struct
{
    const char* name;
    const char* caption;
    const char* testo;
} Preavvisi[] = {{"PopupNonAvvisare", "Non avvisare", ""},
                 {"Inorario1", "In orario", "00.00"},
                 {"N15minutiprima1", "15 minuti prima", "00.15"},
                 {"N30minutiprima1", "30 minuti prima", "00.30"},
                 {"N45minutiprima1", "45 minuti prima", "00.45"},
                 {"N1oraprima1", "1 ora prima", "01.00"},
                 {"N2oreprima1", "2 ore prima", "02.00"},
                 {"N4oreprima1", "4 ore prima", "04.00"},
                 {"N8oreprima1", "8 ore prima", "08.00"},
                 {"N16oreprima1", "16 ore prima", "16.00"}};

// Return in a one-line field presses the default button, "&Aggiungi".
class TTastoInvio : public QObject
{
public:
    TTastoInvio(QPushButton* predefinito, QObject* parent)
        : QObject(parent), m_predefinito(predefinito)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_predefinito->isEnabled()) {
                m_predefinito->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* m_predefinito;
};

} // namespace

TPannelloModifica::TPannelloModifica(TForms& forms, TPannelloTitolato* pannello, QObject* parent)
    : QObject(parent), m_forms(forms), m_pannello(pannello),
      m_immagini(agenda::immaginiImportanza())
{
    setObjectName(QStringLiteral("EditingPanel"));
    QWidget* lavoro = pannello->Corpo();
    creaPulsanti(lavoro);
    creaCampi(lavoro);
    creaMenuAvvisi();
    creaShowHide(pannello);

    auto* layout = new QHBoxLayout(lavoro);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lavoro->findChild<QWidget*>(QStringLiteral("PannelloCampi")), 1);
    layout->addWidget(lavoro->findChild<QWidget*>(QStringLiteral("Panel1")));

    // Tab order of the fields, then the buttons.
    QWidget* ordine[] = {m_editOra,         m_editImportanza, m_editPreavviso, m_editCommento,
                         m_editDescrizione, m_checkMail,      m_editMail,      m_editData,
                         m_aggiungi,        m_modifica,       m_elimina};
    for (std::size_t i = 0; i + 1 < std::size(ordine); ++i)
        QWidget::setTabOrder(ordine[i], ordine[i + 1]);

    auto* invio = new TTastoInvio(m_aggiungi, this);
    const std::initializer_list<QWidget*> righe = {
        m_editOra, m_editImportanza, m_editPreavviso, m_editCommento, m_editMail, m_editData};
    for (QWidget* campo : righe)
        campo->installEventFilter(invio);

    collega();
}

void TPannelloModifica::creaPulsanti(QWidget* lavoro)
{
    QWidget* panel1 = pannello(lavoro, "Panel1");
    QWidget* panel2 = pannello(panel1, "Panel2");
    const auto pulsante = [panel2](const char* name, const QString& caption, const QString& hint) {
        auto* button = componente(new QPushButton(caption, panel2), name, "TBitBtn");
        button->setToolTip(hint);
        button->setMinimumSize(104, 30);
        return button;
    };
    m_aggiungi = pulsante("Aggiungi", QStringLiteral("&Aggiungi"),
                          QStringLiteral("Aggiunge l'appuntamento specificato nell'agenda."));
    m_modifica = pulsante(
        "Modifica", QStringLiteral("&Modifica"),
        QStringLiteral("Modifica l'appuntamento indicato con i dati specificati a fianco."));
    m_elimina = pulsante("Elimina", QStringLiteral("&Elimina"),
                         QStringLiteral("Elimina l'appuntamento in data e ora specificata a "
                                        "fianco."));
    m_aggiungi->setDefault(true);

    auto* colonna = new QVBoxLayout(panel2);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(8);
    colonna->addWidget(m_aggiungi);
    colonna->addWidget(m_modifica);
    colonna->addWidget(m_elimina);
    colonna->addStretch(1);

    auto* layout = new QVBoxLayout(panel1);
    layout->setContentsMargins(6, 10, 10, 8);
    layout->addWidget(panel2);
}

void TPannelloModifica::creaCampi(QWidget* lavoro)
{
    QWidget* campi = pannello(lavoro, "PannelloCampi");

    m_editOra = componente(new TTimeMaskEdit(campi), "EditOra", "TMaskEdit");
    m_editImportanza = componente(new TEditImportanza(campi), "EditImportanza", "TComboBox");
    m_editPreavviso = componente(new TTimeMaskEdit(campi), "EditPreavviso", "TMaskEdit");
    m_editCommento = componente(new QLineEdit(campi), "EditCommento", "TEdit");
    m_editDescrizione = componente(new QPlainTextEdit(campi), "EditDescrizione", "TMemo");
    m_checkMail =
        componente(new QCheckBox(QStringLiteral("Invia Mail"), campi), "CheckMail", "TCheckBox");
    m_editMail = componente(new QLineEdit(campi), "EditMail", "TEdit");
    m_editData = componente(new QDateEdit(campi), "EditData", "TDateEdit");

    for (TTimeMaskEdit* ora : {m_editOra, m_editPreavviso}) {
        ora->setFixedWidth(ora->fontMetrics().horizontalAdvance(QStringLiteral("00.00")) + 24);
        ora->setAlignment(Qt::AlignCenter);
    }
    for (int livello = 0; livello < agenda::LivelliImportanza; ++livello)
        m_editImportanza->addItem(agenda::testoImportanza(livello));
    // The picker may outlive the panel object (the main window's parts can be replaced).
    m_editImportanza->setDisegnaVoce(
        [pannello = QPointer<TPannelloModifica>(this)](QPainter& p, int i, const QRect& r, bool s) {
            if (pannello)
                pannello->EditImportanzaDrawItem(p, i, r, s);
        });
    m_editImportanza->setCurrentIndex(0);
    m_editCommento->setMaxLength(256);
    m_editDescrizione->setTabChangesFocus(true);
    m_editMail->setMaxLength(32);
    m_editMail->setEnabled(false);
    m_editData->setCalendarPopup(true);
    m_editData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_editData->setDate(platform::now().date());

    m_btnAvvisaPredefiniti =
        componente(new QToolButton(campi), "BtnAvvisaPredefiniti", "TRxSpeedButton");
    m_btnAvvisaPredefiniti->setIcon(
        agenda::iconaAgenda(QStringLiteral("preavvisi"), QColor(0x2f, 0x5c, 0x99)));
    m_btnAvvisaPredefiniti->setToolTip(QStringLiteral("Preavvisi predefiniti"));
    m_btnAvvisaPredefiniti->setPopupMode(QToolButton::InstantPopup);
    m_btnAvvisaPredefiniti->setFocusPolicy(Qt::NoFocus);

    auto* preavviso = new QHBoxLayout;
    preavviso->setSpacing(1);
    preavviso->addWidget(m_editPreavviso);
    preavviso->addWidget(m_btnAvvisaPredefiniti);
    preavviso->addStretch(1);

    auto* grid = new QGridLayout(campi);
    grid->setContentsMargins(10, 10, 6, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(etichetta(campi, "Label3", QStringLiteral("Ora"), m_editOra), 0, 0);
    grid->addWidget(m_editOra, 0, 1);
    grid->addWidget(etichetta(campi, "Label11", QStringLiteral("Importanza"), m_editImportanza), 0,
                    2);
    grid->addWidget(m_editImportanza, 0, 3);
    grid->addWidget(etichetta(campi, "Label5", QStringLiteral("Preavviso"), m_editPreavviso), 0, 4);
    grid->addLayout(preavviso, 0, 5);
    grid->addWidget(etichetta(campi, "Label7", QStringLiteral("Giorno"), m_editData), 0, 6);
    grid->addWidget(m_editData, 0, 7);
    grid->addWidget(etichetta(campi, "Label4", QStringLiteral("Commento"), m_editCommento), 1, 0);
    grid->addWidget(m_editCommento, 1, 1, 1, 7);
    QLabel* descrizione =
        etichetta(campi, "Label6", QStringLiteral("Descrizione"), m_editDescrizione);
    descrizione->setAlignment(Qt::AlignRight | Qt::AlignTop);
    descrizione->setContentsMargins(0, 4, 0, 0);
    grid->addWidget(descrizione, 2, 0);
    grid->addWidget(m_editDescrizione, 2, 1, 1, 7);
    grid->addWidget(m_checkMail, 3, 0, Qt::AlignRight);
    grid->addWidget(m_editMail, 3, 1, 1, 7);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(5, 1);
}

void TPannelloModifica::creaMenuAvvisi()
{
    m_popupAvvisi = new QMenu(m_btnAvvisaPredefiniti);
    m_popupAvvisi->setObjectName(QStringLiteral("PopupAvvisi"));
    for (const auto& p : Preavvisi) {
        QAction* voce = m_popupAvvisi->addAction(QString::fromUtf8(p.caption));
        voce->setObjectName(QString::fromLatin1(p.name));
        setComponentClass(voce, "TMenuItem");
        const QString testo = QString::fromLatin1(p.testo);
        connect(voce, &QAction::triggered, this,
                [this, testo] { PreavvisoPredefinitoClick(testo); });
    }
    m_btnAvvisaPredefiniti->setMenu(m_popupAvvisi);
}

void TPannelloModifica::creaShowHide(TPannelloTitolato* titolato)
{
    // The two hidden buttons hold the pictures that the show/hide button takes in turn.
    const QColor bianco(Qt::white);
    const auto pulsante = [](const char* name) {
        auto* button = componente(new QToolButton, name, "TSpeedButton");
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(22, 20);
        return button;
    };
    m_fakeBtnHide = pulsante("FakeBtnHide");
    m_fakeBtnHide->setIcon(agenda::iconaAgenda(QStringLiteral("nascondi"), bianco));
    m_fakeBtnShow = pulsante("FakeBtnShow");
    m_fakeBtnShow->setIcon(agenda::iconaAgenda(QStringLiteral("mostra"), bianco));
    titolato->aggiungiAlTitolo(m_fakeBtnHide);
    titolato->aggiungiAlTitolo(m_fakeBtnShow);
    m_fakeBtnHide->hide();
    m_fakeBtnShow->hide();

    QWidget* panel9 = pannello(nullptr, "Panel9");
    m_btnShowHide = pulsante("BtnShowHideModifica");
    m_btnShowHide->setParent(panel9);
    m_btnShowHide->setIcon(m_fakeBtnHide->icon());
    m_btnShowHide->setToolTip(QStringLiteral("Mostra o nasconde il pannello di modifica."));
    auto* layout = new QHBoxLayout(panel9);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_btnShowHide);
    titolato->aggiungiAlTitolo(panel9);
}

void TPannelloModifica::collega()
{
    connect(m_aggiungi, &QPushButton::clicked, this,
            [this] { agenda::eseguiProtetto(finestra(), [this] { AggiungiClick(); }); });
    connect(m_modifica, &QPushButton::clicked, this,
            [this] { agenda::eseguiProtetto(finestra(), [this] { ModificaClick(); }); });
    connect(m_elimina, &QPushButton::clicked, this,
            [this] { agenda::eseguiProtetto(finestra(), [this] { EliminaClick(); }); });
    connect(m_checkMail, &QCheckBox::toggled, this,
            [this] { agenda::eseguiProtetto(finestra(), [this] { CheckMailClick(); }); });
    connect(m_btnShowHide, &QToolButton::clicked, this,
            &TPannelloModifica::BtnShowHideModificaClick);
    // A description holds at most 1024 characters, as the table's field does.
    connect(m_editDescrizione, &QPlainTextEdit::textChanged, this, [this] {
        const QString testo = m_editDescrizione->toPlainText();
        if (testo.size() <= LunghezzaDescrizione)
            return;
        const QSignalBlocker blocco(m_editDescrizione);
        m_editDescrizione->setPlainText(testo.left(LunghezzaDescrizione));
        m_editDescrizione->moveCursor(QTextCursor::End);
    });
}

QWidget* TPannelloModifica::finestra() const
{
    return m_pannello->window();
}

void TPannelloModifica::EditImportanzaDrawItem(QPainter& painter, int index, const QRect& rect,
                                               bool selected)
{
    const QPalette& colori = m_editImportanza->palette();
    painter.fillRect(rect, selected ? colori.highlight() : colori.base());
    if (index >= 0 && index < m_immagini.size()) {
        // One pixel in from the corner in the list; centred in the taller closed field.
        const int y = rect.top() + qMax(1, (rect.height() - 14) / 2);
        painter.drawPixmap(rect.left() + 1, y, m_immagini[index]);
    }
    painter.setPen(selected ? colori.highlightedText().color() : colori.text().color());
    painter.drawText(rect.adjusted(18, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_editImportanza->itemText(index));
}

void TPannelloModifica::PreavvisoPredefinitoClick(const QString& testo)
{
    m_editPreavviso->SetText(testo);
}

void TPannelloModifica::BtnShowHideModificaClick()
{
    m_mostrato = !m_mostrato;
    m_pannello->Corpo()->setVisible(m_mostrato);
    const QMargins bordo = m_pannello->contentsMargins();
    m_pannello->setFixedHeight(m_mostrato
                                   ? AltezzaPannello
                                   : m_pannello->Titolo()->height() + bordo.top() + bordo.bottom());
    m_btnShowHide->setIcon(m_mostrato ? m_fakeBtnHide->icon() : m_fakeBtnShow->icon());
}
