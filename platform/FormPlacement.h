#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace platform {

// Placement saving for the whole program; a program that ends after a failed start turns it
// off first, so that nothing is written on the way out.
void setPlacementSavingEnabled(bool on);
bool placementSavingEnabled();

// Keeps a window's position, size and maximised state in a section of an INI file named after
// the window: restored when the window is first shown, saved whenever it is hidden or closed
// and when the placement is destroyed.
class TFormPlacement : public QObject
{
    Q_OBJECT
public:
    explicit TFormPlacement(QWidget* window);
    ~TFormPlacement() override;

    void setIniFileName(const QString& path) { m_iniPath = path; }
    const QString& iniFileName() const { return m_iniPath; }
    void setIniSection(const QString& section) { m_section = section; }
    const QString& iniSection() const { return m_section; }
    // Whether the window starts maximised when nothing is stored.
    void setDefaultMaximized(bool on) { m_defaultMaximized = on; }

    void restoreFormPlacement();
    void saveFormPlacement();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveQuietly();
    QWidget* m_window;
    QString m_iniPath;
    QString m_section;
    bool m_restored = false;
    bool m_defaultMaximized = false;
};

} // namespace platform
