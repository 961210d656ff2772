#include "FailingDevice.h"

FailingDevice::FailingDevice(qint64 acceptedBytes) : m_accepted(acceptedBytes)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailingDevice::readData(char*, qint64)
{
    return -1;
}

qint64 FailingDevice::writeData(const char* data, qint64 size)
{
    if (m_written.size() + size > m_accepted) {
        ++m_refused;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    m_written.append(data, size);
    return size;
}
