#pragma once

#include <QByteArray>
#include <QIODevice>

// A write-only device that accepts a given number of bytes and then fails every write, as a
// full disk would. Writes that would cross the limit fail as a whole.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 acceptedBytes);

    // The bytes accepted before the failure.
    const QByteArray& written() const { return m_written; }
    // How many writes were refused.
    int refusedWrites() const { return m_refused; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 m_accepted;
    QByteArray m_written;
    int m_refused = 0;
};
