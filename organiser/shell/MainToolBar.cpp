#include "MainToolBar.h"

#include "Components.h"
#include "Icons.h"
#include "RxClock.h"
#include "TitledPanel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

using platform::setComponentClass;

namespace {

QToolButton* pulsante(QWidget* parent, const char* name, const char* className, const QString& icon,
                      const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    setComponentClass(button, className);
    button->setIcon(iconaTarvo(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setFixedSize(36, 34);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A thin engraved line between groups of buttons.
class TSeparatore : public QWidget
{
public:
    TSeparatore(QWidget* parent, const char* name) : QWidget(parent)
    {
        setObjectName(QString::fromLatin1(name));
        setComponentClass(this, "TPanel");
        setFixedSize(9, 28);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(4, 2, 4, height() - 3);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(5, 2, 5, height() - 3);
    }
};

} // namespace

TPannelloPulsanti::TPannelloPulsanti(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PannelloPulsanti"));
    setComponentClass(this, "TPanel");

    m_btnStampa = pulsante(this, "BtnStampa", "TSpeedButton", QStringLiteral("stampa"),
                           QStringLiteral("Stampa gli appuntamenti del giorno corrntemente "
                                          "selezionato."));
    m_btnCategorie = pulsante(this, "BtnCategorie", "TSpeedButton", QStringLiteral("categorie"),
                              QStringLiteral("Visualizza la finestra di gestione delle "
                                             "categorie di appunti."));
    m_btnRubrica = pulsante(this, "BtnRubrica", "TSpeedButton", QStringLiteral("rubrica"),
                            QStringLiteral("Visualizza la rubrica."));
    m_btn1G = pulsante(this, "Btn1G", "TSpeedButton", QStringLiteral("giorno"),
                       QStringLiteral("Passa alla visualizzazione per singolo giorno. "));
    m_btn7G = pulsante(this, "Btn7G", "TSpeedButton", QStringLiteral("settimana"),
                       QStringLiteral("Passa alla visualizzazione per sette giorni."));
    m_btn1M = pulsante(this, "Btn1M", "TSpeedButton", QStringLiteral("mese"),
                       QStringLiteral("Passa alla visualizzazione per mese."));
    m_btnEsportaCSV = pulsante(this, "BtnEsportaCSV", "TSpeedButton", QStringLiteral("esportacsv"),
                               QStringLiteral("Esporta in un file CSV."));
    m_btnLinguaggi = pulsante(this, "BtnLinguaggi", "TRxSpeedButton", QStringLiteral("lingue"),
                              QStringLiteral("Visualizza lista lingue."));
    m_btnUpdater = pulsante(this, "BtnUpdater", "TRxSpeedButton", QStringLiteral("updater"),
                            QStringLiteral("Visualizza aggiornamenti e novità dei programmi "
                                           "Corvane."));

    // One view button is always down.
    auto* viste = new QButtonGroup(this);
    viste->setExclusive(true);
    for (QToolButton* button : {m_btn1G, m_btn7G, m_btn1M}) {
        button->setCheckable(true);
        viste->addButton(button);
    }
    m_btn1G->setChecked(true);

    m_popupLinguaggi = new QMenu(m_btnLinguaggi);
    m_popupLinguaggi->setObjectName(QStringLiteral("PopupLinguaggi"));
    m_btnLinguaggi->setMenu(m_popupLinguaggi);
    m_btnLinguaggi->setPopupMode(QToolButton::InstantPopup);
    m_btnLinguaggi->setFixedSize(46, 34);

    m_clock = new platform::TRxClock(this);
    m_clock->setObjectName(QStringLiteral("Clock"));
    m_clock->setAlarmTime(QTime(0, 0));
    m_clock->setAlarmEnabled(true);
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setMinimumWidth(90);
    QFont grande = m_clock->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.35);
    grande.setBold(true);
    m_clock->setFont(grande);
    QPalette colore = m_clock->palette();
    colore.setColor(QPalette::WindowText, colori::titoloScuro());
    m_clock->setPalette(colore);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 10, 3);
    layout->setSpacing(1);
    layout->addWidget(m_btnStampa);
    layout->addWidget(new TSeparatore(this, "Panel5"));
    layout->addWidget(m_btnCategorie);
    layout->addWidget(m_btnRubrica);
    layout->addWidget(new TSeparatore(this, "Panel10"));
    layout->addWidget(m_btn1G);
    layout->addWidget(m_btn7G);
    layout->addWidget(m_btn1M);
    layout->addWidget(new TSeparatore(this, "Panel11"));
    layout->addWidget(m_btnEsportaCSV);
    layout->addWidget(new TSeparatore(this, "Panel12"));
    layout->addWidget(m_btnLinguaggi);
    layout->addWidget(m_btnUpdater);
    layout->addStretch(1);
    layout->addWidget(m_clock);
}

void TPannelloPulsanti::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
