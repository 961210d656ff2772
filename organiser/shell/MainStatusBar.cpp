#include "MainStatusBar.h"

#include "Components.h"
#include "Icons.h"

#include <QHBoxLayout>
#include <QLabel>

using platform::setComponentClass;

namespace {

QLabel* led(QWidget* parent, const char* name, const QString& picture)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(immagineTarvo(picture, QSize(14, 14)));
    label->setFixedSize(14, 14);
    return label;
}

} // namespace

TBarraStato::TBarraStato(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("BarraStato"));
    setComponentClass(this, "TPanel");

    auto* stato = new QWidget(this);
    stato->setObjectName(QStringLiteral("Panel7"));
    setComponentClass(stato, "TPanel");
    m_ledGreen = led(stato, "LedGreen", QStringLiteral("led-verde"));
    m_ledRed = led(stato, "LedRed", QStringLiteral("led-rosso"));
    m_ledYellow = led(stato, "LedYellow", QStringLiteral("led-giallo"));
    m_mailMessage = new QLabel(QStringLiteral("Nessuna mail inviata"), stato);
    m_mailMessage->setObjectName(QStringLiteral("MailMessage"));
    setComponentClass(m_mailMessage, "TLabel");

    auto* layout = new QHBoxLayout(stato);
    layout->setContentsMargins(6, 1, 6, 1);
    layout->setSpacing(6);
    // One slot for the three lights: whichever shows takes the same place.
    auto* luci = new QWidget(stato);
    luci->setFixedSize(14, 14);
    for (QLabel* l : {m_ledGreen, m_ledRed, m_ledYellow}) {
        l->setParent(luci);
        l->move(0, 0);
    }
    layout->addWidget(luci);
    layout->addWidget(m_mailMessage);
    addWidget(stato, 1);

    LedColor(Qt::green);
}

void TBarraStato::LedColor(const QColor& colour)
{
    m_ledGreen->setVisible(colour == QColor(Qt::green));
    m_ledRed->setVisible(colour == QColor(Qt::red));
    m_ledYellow->setVisible(colour == QColor(Qt::yellow));
}
