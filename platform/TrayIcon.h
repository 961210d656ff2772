#pragma once

#include <QIcon>
#include <QObject>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace platform {

// The tray icon with its own menu. Minimising the owner hides it to the tray, but only when
// the desktop has a tray: without one the window just minimises and can never be lost.
class TCoolTrayIcon : public QObject
{
    Q_OBJECT
public:
    TCoolTrayIcon(QWidget* owner, const QIcon& icon, const QString& tip);
    ~TCoolTrayIcon() override;

    QMenu* menu() const { return m_menu; }
    static bool trayAvailable();
    bool visible() const;
    // Hides the owner into the tray (when a tray exists); false when it did nothing.
    bool hideToTray();
    void restoreOwner();

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_owner;
    QMenu* m_menu;
    QSystemTrayIcon* m_tray = nullptr;
    bool m_wasMaximized = false;
};

} // namespace platform
