#include "Icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The resources of a static library are registered by name, outside any namespace.
static void registraRisorse()
{
    static const bool registrate = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    (void)registrate;
}

QPixmap immagineTarvo(const QString& name, const QSize& size)
{
    registraRisorse();
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/tarvo/icons/%1.svg").arg(name));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon iconaTarvo(const QString& name)
{
    // Drawn at each size rather than scaled, so thin lines stay crisp.
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(immagineTarvo(name, QSize(side, side)));
    return icon;
}
