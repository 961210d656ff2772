#include "Aboutbox.h"

#include "Components.h"
#include "Icons.h"
#include "Maker.h"
#include "SecretPanel.h"
#include "Supporto.h"
#include "TitledPanel.h"
#include "UrlLabel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using platform::setComponentClass;

namespace {

QWidget* pannello(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    setComponentClass(panel, "TPanel");
    return panel;
}

QLabel* etichetta(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    setComponentClass(label, "TLabel");
    return label;
}

} // namespace

TFormAboutBox::TFormAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAboutBox"));
    setWindowTitle(QStringLiteral("Autore"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    // How to reach the maker.
    QWidget* contatti = pannello(this, "Panel1");
    QLabel* label1 =
        etichetta(contatti, "Label1", QStringLiteral("Per eventuali segnalazioni scrivere a:"));
    m_linkMail = new platform::TURLLabel(IndirizzoSupporto,
                                         QStringLiteral("mailto:") + IndirizzoSupporto, contatti);
    m_linkMail->setObjectName(QStringLiteral("LinkMail"));
    QLabel* label2 =
        etichetta(contatti, "Label2",
                  QStringLiteral("Se si desidera fare una donazione, fare riferimento\n"
                                 "all'indirizzo web sotto riportato, cliccando sull'icona \n"
                                 "'Donate', in basso a sinistra nella pagina visualizzata."));
    m_linkWeb = new platform::TURLLabel(SitoWeb, SitoWeb, contatti);
    m_linkWeb->setObjectName(QStringLiteral("LinkWeb"));
    auto* contattiLayout = new QVBoxLayout(contatti);
    contattiLayout->setContentsMargins(14, 12, 14, 6);
    contattiLayout->setSpacing(4);
    contattiLayout->addWidget(label1);
    contattiLayout->addWidget(m_linkMail);
    contattiLayout->addSpacing(8);
    contattiLayout->addWidget(label2);
    contattiLayout->addWidget(m_linkWeb);

    // The picture beside the scrolling credits.
    QWidget* crediti = pannello(this, "Panel2");
    auto* immagine = new QLabel(crediti);
    immagine->setObjectName(QStringLiteral("Immagine"));
    immagine->setPixmap(immagineTarvo(QStringLiteral("tarvo"), QSize(96, 96)));
    immagine->setFixedSize(104, 104);
    immagine->setAlignment(Qt::AlignCenter);
    auto* cornice = new QFrame(crediti);
    cornice->setObjectName(QStringLiteral("Panel3"));
    setComponentClass(cornice, "TPanel");
    cornice->setFrameShape(QFrame::StyledPanel);
    cornice->setFrameShadow(QFrame::Sunken);
    cornice->setAutoFillBackground(true);
    QPalette sfondo = cornice->palette();
    sfondo.setColor(QPalette::Window, Qt::white);
    sfondo.setColor(QPalette::WindowText, colori::titoloScuro());
    cornice->setPalette(sfondo);
    m_crediti = new platform::TSecretPanel(cornice);
    QFont grassetto = m_crediti->font();
    grassetto.setBold(true);
    m_crediti->setFont(grassetto);
    m_crediti->setObjectName(QStringLiteral("SecretPanel"));
    m_crediti->setLines({QStringLiteral("Tarvo"), QStringLiteral("Versione ") + VersioneProgramma,
                         QString(), QStringLiteral("Ultima Modifica"), QStringLiteral("21/01/2006"),
                         QString(), QStringLiteral("Corvane web site"), SitoWeb});
    m_crediti->setFixedHeight(104);
    auto* corniceLayout = new QVBoxLayout(cornice);
    corniceLayout->setContentsMargins(2, 2, 2, 2);
    corniceLayout->addWidget(m_crediti);
    auto* creditiLayout = new QHBoxLayout(crediti);
    creditiLayout->setContentsMargins(14, 6, 14, 6);
    creditiLayout->setSpacing(10);
    creditiLayout->addWidget(immagine);
    creditiLayout->addWidget(cornice, 1);

    // How to help.
    QWidget* aiuto = pannello(this, "PannelloAiuto");
    QWidget* html = pannello(aiuto, "PannelloHtml");
    QWidget* hint = pannello(html, "PannelloHint");
    auto* testoAiuto = new QLabel(QStringLiteral("\nSi può contribuire segnalando errori, o "
                                                 "suggerendo migliorie e nuove funzioni, o si può "
                                                 "incentivare il progetto effettuando una "
                                                 "donazione."),
                                  hint);
    testoAiuto->setObjectName(QStringLiteral("TestoAiuto"));
    testoAiuto->setWordWrap(true);
    testoAiuto->setFixedWidth(392);
    auto* hintLayout = new QVBoxLayout(hint);
    hintLayout->setContentsMargins(0, 0, 0, 0);
    hintLayout->addWidget(testoAiuto);
    auto* htmlLayout = new QVBoxLayout(html);
    htmlLayout->setContentsMargins(0, 0, 0, 0);
    htmlLayout->addWidget(hint);
    auto* aiutoLayout = new QVBoxLayout(aiuto);
    aiutoLayout->setContentsMargins(14, 0, 14, 6);
    aiutoLayout->addWidget(html);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->setContentsMargins(14, 4, 14, 12);
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(contatti);
    layout->addWidget(crediti);
    layout->addWidget(aiuto);
    layout->addLayout(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = frameGeometry();
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
    m_crediti->setActive(true);
}

void TFormAboutBox::hideEvent(QHideEvent* event)
{
    m_crediti->setActive(false);
    QDialog::hideEvent(event);
}
