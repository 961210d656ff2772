#include "UrlLabel.h"

#include "Shell.h"

#include <QMouseEvent>

namespace platform {

TURLLabel::TURLLabel(const QString& caption, const QString& address, QWidget* parent)
    : QLabel(caption, parent), m_address(address)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette linkColours = palette();
    linkColours.setColor(QPalette::WindowText, linkColours.color(QPalette::Link));
    setPalette(linkColours);
    setCursor(Qt::PointingHandCursor);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        shellOpen(m_address);
    QLabel::mouseReleaseEvent(event);
}

} // namespace platform
