#pragma once

#include <QLabel>

namespace platform {

// A label that opens its address through the desktop's handler when clicked.
class TURLLabel : public QLabel
{
    Q_OBJECT
public:
    TURLLabel(const QString& caption, const QString& address, QWidget* parent = nullptr);
    const QString& address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_address;
};

} // namespace platform
