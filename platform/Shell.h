#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Hands an address (web page, "mailto:") to the desktop's own handler.
bool shellOpen(const QString& address);

// Tests record the addresses instead of opening them.
class ShellScript
{
public:
    static void enable(bool on = true);
    static QStringList& opened();
};

} // namespace platform
