#include "Process.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <QFile>
#include <csignal>

using platform::startProgram;
using platform::waitForExit;

namespace {

// Generous: the programs started here end at once; this only keeps a broken wait from hanging.
constexpr int Patience = 60000;

class ProcessTest : public TempFolderTest
{
protected:
    QString makeFile(const QString& name, const QByteArray& content, bool executable)
    {
        const QString path = filePath(name);
        EXPECT_TRUE(writeFileBytes(path, content));
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        EXPECT_TRUE(QFile::setPermissions(path, permissions));
        return path;
    }
};

TEST_F(ProcessTest, StartsAProgramAndWaitsForItsEnd)
{
    QString error;
    const auto process = startProgram("/bin/true", &error);
    ASSERT_TRUE(process.has_value()) << error.toStdString();
    EXPECT_GT(process->pid, 0);
    EXPECT_TRUE(waitForExit(*process, Patience));
}

TEST_F(ProcessTest, WaitEndsEmptyHandedWhileTheProgramRuns)
{
    const QString sleeper = makeFile("Brasko", "#!/bin/sh\nexec sleep 600\n", true);
    const auto process = startProgram(sleeper, nullptr);
    ASSERT_TRUE(process.has_value());

    EXPECT_FALSE(waitForExit(*process, 0));
    ::kill(pid_t(process->pid), SIGKILL);
    EXPECT_TRUE(waitForExit(*process, Patience));
    EXPECT_FALSE(waitForExit(platform::ProcessHandle{}, 0));
}

struct FailureCase
{
    const char* label;
    const char* name;
    const char* content; // nothing: the file is not made
    bool executable;
    const char* error;
};

class ProcessFailureTest : public ProcessTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ProcessFailureTest, GivesTheSystemsTextForAProgramThatCannotStart)
{
    const FailureCase c = GetParam();
    QString path = filePath(c.name);
    if (c.content)
        path = makeFile(c.name, c.content, c.executable);
    QString error;

    EXPECT_FALSE(startProgram(path, &error).has_value());
    EXPECT_EQ(error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProcessFailureTest,
    ::testing::Values(
        FailureCase{"Missing", "Brasko", nullptr, false, "No such file or directory"},
        FailureCase{"MissingFolder", "DeViv/Brasko", nullptr, false, "No such file or directory"},
        FailureCase{"NotExecutable", "Brasko", "#!/bin/sh\n", false, "Permission denied"},
        FailureCase{"Folder", "", nullptr, false, "Permission denied"},
        // Only the spawn itself can tell that the file is no program.
        FailureCase{"NoProgram", "Brasko", "not a program\n", true, "Exec format error"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
