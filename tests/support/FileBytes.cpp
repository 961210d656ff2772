#include "FileBytes.h"

#include <QFile>
#include <QList>

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

std::string hexDump(const QByteArray& bytes)
{
    std::string out;
    for (qsizetype line = 0; line < bytes.size(); line += 16) {
        out += QByteArray::number(line, 16).rightJustified(4, '0').toStdString();
        out += ' ';
        for (qsizetype i = line; i < line + 16 && i < bytes.size(); ++i) {
            out += ' ';
            out += bytes.mid(i, 1).toHex().toStdString();
        }
        out += '\n';
    }
    return out;
}

std::string hexBytes(const QByteArray& bytes)
{
    return bytes.toHex(' ').toStdString();
}

QByteArray bytesFromDump(const char* dump)
{
    QByteArray out;
    for (const QByteArray& rawLine : QByteArray(dump).split('\n')) {
        QByteArray line = rawLine.trimmed();
        // An offset column is separated from the bytes by two blanks.
        const qsizetype gap = line.indexOf("  ");
        if (gap > 0)
            line = line.mid(gap);
        out += QByteArray::fromHex(line.simplified().replace(' ', QByteArray()));
    }
    return out;
}
