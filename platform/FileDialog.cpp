#include "FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

struct ScriptState
{
    bool enabled = false;
    QList<platform::FileChoice> choices;
    int shown = 0;
};

ScriptState& script()
{
    static ScriptState s;
    return s;
}

// "Description (pattern pattern)": Qt's form; the parenthesised part is hidden in the dialog,
// so the user sees the description alone, as before.
QStringList qtFilters(const QList<platform::FileFilter>& filters)
{
    QStringList out;
    for (const platform::FileFilter& f : filters) {
        QString patterns = f.pattern;
        patterns.replace(u';', u' ');
        out << f.description + QStringLiteral(" (") + patterns + u')';
    }
    return out;
}

// The position (from 1) of the filter the user left selected. With the details hidden Qt
// reports the filter as shown, which is the description alone.
int chosenFilterIndex(const QList<platform::FileFilter>& filters, const QStringList& qtForms,
                      const QString& selected)
{
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (selected == qtForms[i] || selected == filters[i].description.simplified())
            return int(i) + 1;
    }
    return 1;
}

QString withDefaultExt(const QString& name, const QString& ext)
{
    if (ext.isEmpty() || name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + u'.' + ext;
}

} // namespace

namespace platform {

QList<FileFilter> parseFilter(const QString& filter)
{
    QList<FileFilter> filters;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << FileFilter{parts[i], parts[i + 1]};
    return filters;
}

FileDialog::FileDialog(const QString& filter) : m_filter(filter) {}

bool FileDialog::executeSave(QWidget* parent)
{
    return execute(parent, true);
}

bool FileDialog::executeOpen(QWidget* parent)
{
    return execute(parent, false);
}

bool FileDialog::execute(QWidget* parent, bool save)
{
    ScriptState& s = script();
    ++s.shown;
    if (s.enabled) {
        const FileChoice choice = s.choices.isEmpty() ? FileChoice{} : s.choices.takeFirst();
        if (!choice.accepted)
            return false;
        m_fileName = save ? withDefaultExt(choice.fileName, m_defaultExt) : choice.fileName;
        m_filterIndex = choice.filterIndex;
        return true;
    }

    QFileDialog dialog(parent, m_title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(m_defaultExt);
    const QList<FileFilter> parsed = parseFilter(m_filter);
    const QStringList filters = qtFilters(parsed);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(m_filterIndex - 1, filters.first()));
    }
    const QFileInfo last(m_fileName);
    if (!m_initialDir.isEmpty())
        dialog.setDirectory(m_initialDir);
    else if (!m_fileName.isEmpty() && last.dir().exists())
        dialog.setDirectory(last.absolutePath());
    if (!m_fileName.isEmpty())
        dialog.selectFile(last.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_fileName = dialog.selectedFiles().first();
    if (!filters.isEmpty())
        m_filterIndex = chosenFilterIndex(parsed, filters, dialog.selectedNameFilter());
    return true;
}

void FileDialogScript::enable(bool on)
{
    script().enabled = on;
}

bool FileDialogScript::enabled()
{
    return script().enabled;
}

void FileDialogScript::setNextChoice(const QString& fileName, int filterIndex)
{
    script().choices << FileChoice{!fileName.isEmpty(), fileName, filterIndex};
}

int FileDialogScript::shownCount()
{
    return script().shown;
}

void FileDialogScript::clear()
{
    script().choices.clear();
    script().shown = 0;
}

} // namespace platform
