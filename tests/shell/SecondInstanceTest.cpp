#include "ShellFixture.h"

#include "QtPrinters.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The organiser's folder is its executable's: each run gets a copy of the program.
class CopiaDiTarvo
{
public:
    CopiaDiTarvo()
    {
        m_programma = m_cartella.filePath("Tarvo");
        m_pronta = QFile::copy(TARVO_EXECUTABLE, m_programma) &&
                   QFile(m_programma)
                       .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner) &&
                   QFile(m_runtime.path())
                       .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        m_ambiente = QProcessEnvironment::systemEnvironment();
        m_ambiente.insert("QT_QPA_PLATFORM", "offscreen");
        m_ambiente.insert("XDG_RUNTIME_DIR", m_runtime.path());
        m_ambiente.insert("TARVO_AUTO_ANSWER", "1");
        m_ambiente.insert("ASAN_OPTIONS", "detect_leaks=0");
    }

    bool pronta() const { return m_pronta; }
    QString cartella() const { return m_cartella.path(); }

    void avvia(QProcess& process) const
    {
        process.setProcessEnvironment(m_ambiente);
        process.setWorkingDirectory(m_cartella.path());
        process.start(m_programma, {});
    }

private:
    QTemporaryDir m_cartella;
    QTemporaryDir m_runtime;
    QString m_programma;
    QProcessEnvironment m_ambiente;
    bool m_pronta = false;
};

} // namespace

TEST(SecondInstanceTest, IsRefusedWithExitCodeZeroAndChangesNothingOnDisk)
{
    CopiaDiTarvo tarvo;
    ASSERT_TRUE(tarvo.pronta());

    QProcess primo;
    tarvo.avvia(primo);
    ASSERT_TRUE(primo.waitForStarted());
    // The first instance is up once its first showing has stamped the configuration.
    const QString config = tarvo.cartella() + "/Config/Tarvo.ini";
    QDeadlineTimer limite(120000);
    while (!QFileInfo::exists(config) && primo.state() == QProcess::Running && !limite.hasExpired())
        primo.waitForFinished(50);
    ASSERT_EQ(primo.state(), QProcess::Running) << primo.readAllStandardError().toStdString();
    ASSERT_TRUE(QFileInfo::exists(config));
    const auto prima = contenutoCartella(tarvo.cartella());

    QProcess secondo;
    tarvo.avvia(secondo);
    ASSERT_TRUE(secondo.waitForFinished(120000));
    const QString errori = QString::fromUtf8(secondo.readAllStandardError());

    EXPECT_EQ(secondo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(secondo.exitCode(), 0);
    EXPECT_TRUE(errori.contains("Applicazione già attiva: Un'istanza dell'applicazione è già "
                                "attiva. E' possibile che l'applicazione compaia minimizzata "
                                "nella tray bar."))
        << errori.toStdString();
    EXPECT_EQ(contenutoCartella(tarvo.cartella()), prima);
    EXPECT_EQ(primo.state(), QProcess::Running);

    primo.kill();
    primo.waitForFinished();
}
