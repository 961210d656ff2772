#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// A file filter in the "Description|*.ext|Description|*.*" form of the organiser's dialogs.
struct FileFilter
{
    QString description;
    QString pattern;
};
QList<FileFilter> parseFilter(const QString& filter);

struct FileChoice
{
    bool accepted = false;
    QString fileName;
    int filterIndex = 1; // position of the chosen filter, from 1
};

// A save or open dialog that remembers the last name and filter, like one dialog object
// kept for the life of its window.
class FileDialog
{
public:
    explicit FileDialog(const QString& filter = QString());
    void setFilter(const QString& filter) { m_filter = filter; }
    void setTitle(const QString& title) { m_title = title; }
    void setDefaultExt(const QString& ext) { m_defaultExt = ext; }
    void setInitialDir(const QString& dir) { m_initialDir = dir; }
    void setFileName(const QString& name) { m_fileName = name; }
    QString fileName() const { return m_fileName; }
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }

    bool executeSave(QWidget* parent = nullptr);
    bool executeOpen(QWidget* parent = nullptr);

private:
    bool execute(QWidget* parent, bool save);
    QString m_filter;
    QString m_title;
    QString m_defaultExt;
    QString m_initialDir;
    QString m_fileName;
    int m_filterIndex = 1;
};

// Test scripting: queued choices answer the dialogs instead of showing them.
class FileDialogScript
{
public:
    static void enable(bool on = true);
    static bool enabled();
    // An empty name cancels.
    static void setNextChoice(const QString& fileName, int filterIndex = 1);
    static int shownCount();
    static void clear();
};

} // namespace platform
