#include "ShellFixture.h"

#include "FileBytes.h"
#include "IniFile.h"
#include "Main.h"
#include "Supporto.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

void ShellTest::SetUp()
{
    ProgramFolderTest::SetUp();
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvo"));
    resetTerminate();
}

void ShellTest::TearDown()
{
    chiudi();
    resetTerminate();
    ProgramFolderTest::TearDown();
}

TApplicazione& ShellTest::avvia()
{
    m_app = std::make_unique<TApplicazione>();
    return *m_app;
}

void ShellTest::avviaEMostra()
{
    avvia();
    ASSERT_NE(forms().FormMainTarvo, nullptr);
    principale().show();
}

void ShellTest::chiudi()
{
    m_app.reset();
}

void ShellTest::creaFile(const QString& relative, const QByteArray& bytes)
{
    const QString path = percorso(relative);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(writeFileBytes(path, bytes)) << path.toStdString();
}

QString ShellTest::valoreIni(const QString& section, const QString& key) const
{
    const platform::TIniFile ini(percorso(QStringLiteral("Config/Tarvo.ini")));
    return ini.ReadString(section, key, QStringLiteral("<none>"));
}

void ShellTest::scriviIni(const QString& section, const QString& key, const QString& value)
{
    platform::TIniFile ini(percorso(QStringLiteral("Config/Tarvo.ini")));
    ini.WriteString(section, key, value);
}

QList<platform::RecordedMessage>& ShellTest::messaggi()
{
    return platform::MessageBoxScript::recorded();
}

QStringList ShellTest::testiMessaggi()
{
    QStringList testi;
    for (const auto& m : messaggi())
        testi << m.caption + QStringLiteral(": ") + m.text;
    return testi;
}

std::map<QString, QByteArray> contenutoCartella(const QString& folder)
{
    std::map<QString, QByteArray> files;
    const QDir base(folder);
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        files[base.relativeFilePath(path) + (info.isDir() ? QStringLiteral("/") : QString())] =
            info.isDir() ? QByteArray() : readFileBytes(path);
    }
    return files;
}
