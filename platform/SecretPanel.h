#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace platform {

// A panel whose lines scroll upwards continuously (the about box's credits).
class TSecretPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TSecretPanel(QWidget* parent = nullptr);
    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }
    void setActive(bool on);
    bool active() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_lines;
    QTimer m_timer;
    int m_offset = 0;
};

} // namespace platform
