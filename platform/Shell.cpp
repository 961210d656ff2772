#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

struct ShellState
{
    bool scripted = false;
    QStringList opened;
};

ShellState& state()
{
    static ShellState s;
    return s;
}

} // namespace

namespace platform {

bool shellOpen(const QString& address)
{
    if (state().scripted) {
        state().opened << address;
        return true;
    }
    // fromUserInput also takes "www.example.com" without a scheme, as the Windows shell did.
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void ShellScript::enable(bool on)
{
    state().scripted = on;
}

QStringList& ShellScript::opened()
{
    return state().opened;
}

} // namespace platform
