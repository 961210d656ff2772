#include "FormPlacement.h"

#include "IniFile.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

bool g_savingEnabled = true;

const QString KeyLeft = QStringLiteral("Left");
const QString KeyTop = QStringLiteral("Top");
const QString KeyWidth = QStringLiteral("Width");
const QString KeyHeight = QStringLiteral("Height");
const QString KeyMaximized = QStringLiteral("Maximized");

// A stored place may lie on a screen that is gone: bring it back onto one that is there.
QRect onVisibleScreen(QRect rect)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return rect;
    for (const QScreen* screen : screens) {
        const QRect common = screen->availableGeometry().intersected(rect);
        // Enough of the top edge to grab the window by its title bar.
        if (common.width() >= 48 && common.top() == rect.top())
            return rect;
    }
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveLeft(qBound(area.left(), rect.left(), area.right() - rect.width() + 1));
    rect.moveTop(qBound(area.top(), rect.top(), area.bottom() - rect.height() + 1));
    return rect;
}

} // namespace

namespace platform {

void setPlacementSavingEnabled(bool on)
{
    g_savingEnabled = on;
}

bool placementSavingEnabled()
{
    return g_savingEnabled;
}

TFormPlacement::TFormPlacement(QWidget* window) : QObject(window), m_window(window)
{
    m_window->installEventFilter(this);
}

TFormPlacement::~TFormPlacement()
{
    saveQuietly();
}

void TFormPlacement::restoreFormPlacement()
{
    m_restored = true;
    if (m_iniPath.isEmpty() || m_section.isEmpty())
        return;
    const TIniFile ini(m_iniPath);
    const QStringList keys = ini.ReadSection(m_section);
    auto has = [&keys](const QString& key) { return keys.contains(key, Qt::CaseInsensitive); };

    if (has(KeyLeft) && has(KeyTop) && has(KeyWidth) && has(KeyHeight)) {
        const QRect stored(
            ini.ReadInteger(m_section, KeyLeft, 0), ini.ReadInteger(m_section, KeyTop, 0),
            ini.ReadInteger(m_section, KeyWidth, 0), ini.ReadInteger(m_section, KeyHeight, 0));
        if (stored.width() > 0 && stored.height() > 0)
            m_window->setGeometry(onVisibleScreen(stored));
    }
    const bool maximized =
        has(KeyMaximized) ? ini.ReadBool(m_section, KeyMaximized, false) : m_defaultMaximized;
    if (maximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
    else if (has(KeyMaximized))
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMaximized);
}

void TFormPlacement::saveFormPlacement()
{
    // A window never shown has no place of its own yet.
    if (!g_savingEnabled || !m_restored || m_iniPath.isEmpty() || m_section.isEmpty())
        return;
    const bool maximized = m_window->windowState() & Qt::WindowMaximized;
    const QRect place =
        maximized || m_window->isMinimized() ? m_window->normalGeometry() : m_window->geometry();
    TIniFile ini(m_iniPath);
    if (place.isValid()) {
        ini.WriteInteger(m_section, KeyLeft, place.left());
        ini.WriteInteger(m_section, KeyTop, place.top());
        ini.WriteInteger(m_section, KeyWidth, place.width());
        ini.WriteInteger(m_section, KeyHeight, place.height());
    }
    ini.WriteBool(m_section, KeyMaximized, maximized);
}

void TFormPlacement::saveQuietly()
{
    // Hiding, closing and destruction have nobody to report to.
    try {
        saveFormPlacement();
    } catch (const std::exception&) {
    }
}

bool TFormPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
            if (!m_restored)
                restoreFormPlacement();
            break;
        case QEvent::Hide:
        case QEvent::Close:
            saveQuietly();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
