#include "TitledPanel.h"

#include "Components.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace colori {
QColor bordoPannello()
{
    return QColor(0x9d, 0xae, 0xc6);
}
QColor titoloChiaro()
{
    return QColor(0x5b, 0x8b, 0xc9);
}
QColor titoloScuro()
{
    return QColor(0x2f, 0x5c, 0x99);
}
QColor sfondoLavoro()
{
    return QColor(0xfb, 0xfc, 0xfe);
}
} // namespace colori

namespace {

void pittaGradiente(QWidget* widget)
{
    QPainter painter(widget);
    QLinearGradient gradiente(0, 0, 0, widget->height());
    gradiente.setColorAt(0, colori::titoloChiaro());
    gradiente.setColorAt(1, colori::titoloScuro());
    painter.fillRect(widget->rect(), gradiente);
}

void rendiBiancoGrassetto(QLabel* label)
{
    QFont grassetto = label->font();
    grassetto.setBold(true);
    label->setFont(grassetto);
    QPalette bianco = label->palette();
    bianco.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(bianco);
}

// The strip behind a panel's caption, drawn as a soft vertical gradient.
class TStrisciaTitolo : public QWidget
{
public:
    explicit TStrisciaTitolo(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override { pittaGradiente(this); }
};

} // namespace

TPannelloTitolato::TPannelloTitolato(const QString& panelName, const QString& titleName,
                                     const QString& captionName, const QString& caption,
                                     QWidget* parent)
    : QWidget(parent)
{
    setObjectName(panelName);
    platform::setComponentClass(this, "TPanel");

    m_titolo = new TStrisciaTitolo(this);
    m_titolo->setObjectName(titleName);
    platform::setComponentClass(m_titolo, "TPanel");
    m_titolo->setFixedHeight(24);

    m_caption = new QLabel(caption, m_titolo);
    m_caption->setObjectName(captionName);
    platform::setComponentClass(m_caption, "TLabel");
    rendiBiancoGrassetto(m_caption);

    m_titoloLayout = new QHBoxLayout(m_titolo);
    m_titoloLayout->setContentsMargins(8, 0, 3, 0);
    m_titoloLayout->setSpacing(2);
    m_titoloLayout->addWidget(m_caption, 1);

    m_corpo = new QWidget(this);
    m_corpo->setAutoFillBackground(true);
    QPalette sfondo = m_corpo->palette();
    sfondo.setColor(QPalette::Window, colori::sfondoLavoro());
    m_corpo->setPalette(sfondo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_titolo);
    layout->addWidget(m_corpo, 1);
}

void TPannelloTitolato::aggiungiAlTitolo(QWidget* widget)
{
    widget->setParent(m_titolo);
    m_titoloLayout->addWidget(widget);
}

void TPannelloTitolato::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(colori::bordoPannello());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TTitoloPannello::TTitoloPannello(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setObjectName(name);
    platform::setComponentClass(this, "TPanel");
    rendiBiancoGrassetto(this);
    setFixedHeight(24);
    setContentsMargins(6, 0, 6, 0);
}

void TTitoloPannello::paintEvent(QPaintEvent* event)
{
    pittaGradiente(this);
    QLabel::paintEvent(event);
}
