#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString& folderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

namespace platform {

QString programFolder()
{
    QString folder = folderOverride();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString programPath(const QString& relative)
{
    return programFolder() + relative;
}

void setProgramFolder(const QString& folder)
{
    folderOverride() = folder;
}

bool ensureFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    // mkdir, not mkpath: a missing parent is an error, as it always was for the programs.
    return QDir().mkdir(path);
}

} // namespace platform
