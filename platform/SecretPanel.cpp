#include "SecretPanel.h"

#include <QPainter>

namespace platform {

TSecretPanel::TSecretPanel(QWidget* parent) : QWidget(parent)
{
    m_timer.setInterval(40);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // The lines come in at the bottom, leave at the top, and start again.
        const int travel = height() + fontMetrics().lineSpacing() * int(m_lines.size());
        m_offset = m_offset >= travel ? 0 : m_offset + 1;
        update();
    });
}

void TSecretPanel::setLines(const QStringList& lines)
{
    m_lines = lines;
    update();
}

void TSecretPanel::setActive(bool on)
{
    if (on == m_timer.isActive())
        return;
    if (on) {
        m_offset = 0;
        m_timer.start();
    } else {
        m_timer.stop();
    }
    update();
}

void TSecretPanel::paintEvent(QPaintEvent*)
{
    if (!active())
        return;
    QPainter painter(this);
    const int lineHeight = fontMetrics().lineSpacing();
    int top = height() - m_offset;
    for (const QString& line : m_lines) {
        painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop, line);
        top += lineHeight;
    }
}

} // namespace platform
