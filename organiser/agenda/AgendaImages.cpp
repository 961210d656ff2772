#include "AgendaImages.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The resources of a static library are registered by name, outside any namespace.
static void registraRisorseAgenda()
{
    static const bool registrate = [] {
        Q_INIT_RESOURCE(agenda);
        return true;
    }();
    (void)registrate;
}

namespace {

QByteArray disegno(const QString& name, const QColor& colour)
{
    registraRisorseAgenda();
    QFile file(QStringLiteral(":/agenda/icons/%1.svg").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray svg = file.readAll();
    svg.replace("currentColor", colour.name().toLatin1());
    return svg;
}

QPixmap immagine(const QByteArray& svg, const QSize& size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

namespace agenda {

QList<QPixmap> immaginiImportanza()
{
    // Drawn for each caller rather than kept, so no picture outlives the application.
    QList<QPixmap> list;
    for (const char* name : {"importanza-normale", "importanza-importante", "importanza-urgente"})
        list << immagine(disegno(QString::fromLatin1(name), Qt::black), QSize(14, 14));
    return list;
}

QIcon iconaAgenda(const QString& name, const QColor& colour)
{
    const QByteArray svg = disegno(name, colour);
    QIcon icon;
    for (int side : {16, 20, 24, 32})
        icon.addPixmap(immagine(svg, QSize(side, side)));
    return icon;
}

} // namespace agenda
