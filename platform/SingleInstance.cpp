#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString userName()
{
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    return QStringLiteral("user");
#endif
}

QString desktopName()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("console");
}

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace

namespace platform {

TSingleInstance::TSingleInstance(const QString& programName)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    m_key = QStringList{programName, userName(), desktopName()}.join(u'-');
    m_key.replace(unsafe, QStringLiteral("_"));
}

TSingleInstance::~TSingleInstance()
{
    release();
}

bool TSingleInstance::acquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Only a dead owner makes a lock stale, however old it is.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    QLocalServer::removeServer(serverName());
    m_server = std::make_unique<QLocalServer>();
    m_server->listen(serverName());
    return true;
}

void TSingleInstance::release()
{
    m_server.reset();
    m_lock.reset();
}

QString TSingleInstance::lockPath() const
{
    return runtimeFolder() + u'/' + m_key + QStringLiteral(".lock");
}

QString TSingleInstance::serverName() const
{
    return runtimeFolder() + u'/' + m_key + QStringLiteral(".socket");
}

} // namespace platform
