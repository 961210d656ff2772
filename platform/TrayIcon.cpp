#include "TrayIcon.h"

#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace platform {

TCoolTrayIcon::TCoolTrayIcon(QWidget* owner, const QIcon& icon, const QString& tip)
    : QObject(owner), m_owner(owner), m_menu(new QMenu)
{
    if (trayAvailable()) {
        m_tray = new QSystemTrayIcon(icon, this);
        m_tray->setToolTip(tip);
        m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::DoubleClick)
                        emit doubleClicked();
                });
        m_tray->show();
    }
    m_owner->installEventFilter(this);
}

TCoolTrayIcon::~TCoolTrayIcon()
{
    delete m_tray;
    delete m_menu;
}

bool TCoolTrayIcon::trayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TCoolTrayIcon::visible() const
{
    return m_tray && m_tray->isVisible();
}

bool TCoolTrayIcon::hideToTray()
{
    if (!m_tray || !trayAvailable())
        return false;
    m_owner->hide();
    return true;
}

void TCoolTrayIcon::restoreOwner()
{
    if (m_wasMaximized)
        m_owner->showMaximized();
    else
        m_owner->showNormal();
    m_owner->raise();
    m_owner->activateWindow();
}

bool TCoolTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner && event->type() == QEvent::WindowStateChange &&
        m_owner->isMinimized()) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        m_wasMaximized = (change->oldState() & Qt::WindowMaximized) ||
                         (m_owner->windowState() & Qt::WindowMaximized);
        // Hiding while the window manager is still minimising the window confuses some of
        // them: do it once this event is over.
        if (m_tray && trayAvailable())
            QTimer::singleShot(0, this, [this] {
                if (m_owner->isMinimized())
                    hideToTray();
            });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
