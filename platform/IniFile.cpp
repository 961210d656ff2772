#include "IniFile.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>
#include <optional>

namespace {

// The file as lines, line ends removed. A missing file has none; a file that exists but
// cannot be read gives nothing either, and `readable` tells the writers not to replace it.
QStringList readLines(const QString& path, bool* readable = nullptr)
{
    QFile file(path);
    if (readable)
        *readable = true;
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (readable)
            *readable = false;
        return {};
    }
    QStringList lines = cp1252::toUnicode(file.readAll()).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the final line end
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

std::optional<QString> sectionName(const QString& line)
{
    const QString text = line.trimmed();
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    return text.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

struct Entry
{
    QString key;
    QString value;
};

std::optional<Entry> entryOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0 || line.trimmed().startsWith(u';'))
        return std::nullopt;
    Entry entry{line.left(eq).trimmed(), line.mid(eq + 1).trimmed()};
    if (entry.key.isEmpty())
        return std::nullopt;
    return entry;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines of a section: its header and the lines up to the next header (exclusive).
struct Range
{
    qsizetype header = -1;
    qsizetype end = -1;
};

std::optional<Range> findSection(const QStringList& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionName(lines[end]))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

qsizetype findKey(const QStringList& lines, const Range& range, const QString& key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto entry = entryOf(lines[i]);
        if (entry && sameName(entry->key, key))
            return i;
    }
    return -1;
}

std::optional<QString> readValue(const QString& path, const QString& section, const QString& key)
{
    const QStringList lines = readLines(path);
    const auto range = findSection(lines, section);
    if (!range)
        return std::nullopt;
    const qsizetype at = findKey(lines, *range, key);
    if (at < 0)
        return std::nullopt;
    return entryOf(lines[at])->value;
}

void appendUnique(QStringList& names, const QString& name)
{
    if (!names.contains(name, Qt::CaseInsensitive))
        names << name;
}

// A whole number as the Delphi run time reads one: an optional sign, decimal digits, or hex
// digits after "$" or "0x"; hex covers the 32 bits, so "$FFFFFFFF" is -1.
std::optional<int> wholeNumber(QString text)
{
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        text = u'$' + text.mid(2);
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text[0] == u'-';
        text.remove(0, 1);
    }
    bool ok = false;
    qint64 value = 0;
    if (text.startsWith(u'$')) {
        const QString digits = text.mid(1);
        if (digits.size() > 8)
            return std::nullopt;
        value = qint32(digits.toUInt(&ok, 16));
    } else {
        value = text.toLongLong(&ok, 10);
    }
    // toUInt and toLongLong accept their own signs and blanks; a whole number has neither.
    if (!ok || text.contains(u'+') || text.contains(u'-') || text.contains(u' '))
        return std::nullopt;
    value = negative ? -value : value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return int(value);
}

} // namespace

namespace platform {

EIniFileException::EIniFileException(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

TIniFile::TIniFile(const QString& path) : m_path(path) {}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    return readValue(m_path, section, key).value_or(def);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const auto text = readValue(m_path, section, key);
    if (!text)
        return def;
    return wholeNumber(*text).value_or(def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QStringList lines = loadForWriting();
    const auto range = findSection(lines, section);
    if (!range) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << u'[' + section + u']' << key + u'=' + value;
    } else if (const qsizetype at = findKey(lines, *range, key); at >= 0) {
        // The name keeps the case it was first written with.
        lines[at] = entryOf(lines[at])->key + u'=' + value;
    } else {
        qsizetype after = range->end - 1;
        while (after > range->header && lines[after].trimmed().isEmpty())
            --after;
        lines.insert(after + 1, key + u'=' + value);
    }
    save(lines);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::SectionExists(const QString& section) const
{
    // As the Delphi run time decides it: a section exists when it has keys.
    return !ReadSection(section).isEmpty();
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return readValue(m_path, section, key).has_value();
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    const QStringList lines = readLines(m_path);
    QStringList keys;
    if (const auto range = findSection(lines, section)) {
        for (qsizetype i = range->header + 1; i < range->end; ++i) {
            if (const auto entry = entryOf(lines[i]))
                appendUnique(keys, entry->key);
        }
    }
    return keys;
}

QStringList TIniFile::ReadSections() const
{
    QStringList sections;
    for (const QString& line : readLines(m_path)) {
        if (const auto name = sectionName(line))
            appendUnique(sections, *name);
    }
    return sections;
}

void TIniFile::EraseSection(const QString& section)
{
    QStringList lines = loadForWriting();
    bool erased = false;
    while (const auto range = findSection(lines, section)) {
        lines.remove(range->header, range->end - range->header);
        erased = true;
    }
    if (erased)
        save(lines);
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    QStringList lines = loadForWriting();
    const auto range = findSection(lines, section);
    const qsizetype at = range ? findKey(lines, *range, key) : -1;
    if (at < 0)
        return;
    lines.remove(at);
    save(lines);
}

QStringList TIniFile::loadForWriting() const
{
    bool readable = true;
    QStringList lines = readLines(m_path, &readable);
    // Rewriting a file we could not read would lose it.
    if (!readable)
        throw writeError();
    return lines;
}

void TIniFile::save(const QStringList& lines) const
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo(folder).isDir())
        QDir().mkdir(folder); // one level; a missing parent makes the write fail below

    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp1252::fromUnicode(line) + "\r\n";
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw writeError();
}

EIniFileException TIniFile::writeError() const
{
    return EIniFileException(QStringLiteral("Unable to write to ") +
                             QDir::toNativeSeparators(m_path));
}

} // namespace platform
