#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace platform {

class EIniFileException : public std::runtime_error
{
public:
    explicit EIniFileException(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// A Windows INI file: "[Section]" headers and "Key=Value" lines, names compared without
// regard to case, Windows-1252 text and CR LF line ends. Nothing is kept open or cached:
// every read looks at the file, every write rewrites it at once (creating its folder, one
// level, when missing). A failed write raises EIniFileException.
class TIniFile
{
public:
    explicit TIniFile(const QString& path);
    const QString& FileName() const { return m_path; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSection(const QString& section) const; // its keys
    QStringList ReadSections() const;
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

private:
    QStringList loadForWriting() const;
    void save(const QStringList& lines) const;
    EIniFileException writeError() const;
    QString m_path;
};

} // namespace platform
