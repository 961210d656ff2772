#pragma once

#include <QString>
#include <memory>

class QLockFile;
class QLocalServer;

namespace platform {

// One running instance per desktop: a lock file in the user's runtime folder, named after the
// program and the desktop (display), held for the life of the process. Taking the lock is
// atomic, so two instances started together cannot both win; a lock left by a crashed
// process is taken over. A local socket of the same name lets others see the instance.
class TSingleInstance
{
public:
    explicit TSingleInstance(const QString& programName);
    ~TSingleInstance();
    // True when this process is the only instance (and now holds the lock).
    bool acquire();
    // Gives the lock up (the destructor does it too).
    void release();
    QString lockPath() const;
    // The local socket's full name, beside the lock.
    QString serverName() const;

private:
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace platform
