#include "SingleInstance.h"
#include "FileBytes.h"
#include "Process.h"
#include "ProgramFolderTest.h"

#include <QLockFile>

using platform::TSingleInstance;

namespace {

// Each test gets a runtime folder and a desktop of its own.
class SingleInstanceTest : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        for (const char* name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
            m_saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("XDG_RUNTIME_DIR", folder().toLocal8Bit());
        qputenv("DISPLAY", ":7");
        qunsetenv("WAYLAND_DISPLAY");
    }

    void TearDown() override
    {
        for (const Saved& s : m_saved) {
            if (s.set)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
        ProgramFolderTest::TearDown();
    }

private:
    struct Saved
    {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> m_saved;
};

TEST_F(SingleInstanceTest, SecondInstanceIsRefusedUntilTheFirstLetsGo)
{
    TSingleInstance first("Tarvo");
    TSingleInstance second("Tarvo");

    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.lockPath().startsWith(folder() + "/"));
    EXPECT_FALSE(second.acquire());

    first.release();
    EXPECT_TRUE(second.acquire());
    EXPECT_FALSE(first.acquire());
}

TEST_F(SingleInstanceTest, EachDesktopAndProgramHasItsOwnInstance)
{
    TSingleInstance onSeven("Tarvo");
    TSingleInstance otherProgram("Brasko");
    qputenv("DISPLAY", ":8");
    TSingleInstance onEight("Tarvo");
    qunsetenv("DISPLAY");
    TSingleInstance onConsole("Tarvo");

    EXPECT_TRUE(onSeven.acquire());
    EXPECT_TRUE(otherProgram.acquire());
    EXPECT_TRUE(onEight.acquire());
    EXPECT_TRUE(onConsole.acquire());
    EXPECT_TRUE(onConsole.lockPath().contains("console"));
}

TEST_F(SingleInstanceTest, LockLeftByAProcessThatDiedIsTakenOver)
{
    TSingleInstance instance("Tarvo");
    QByteArray lockText;
    {
        QLockFile lock(instance.lockPath());
        ASSERT_TRUE(lock.tryLock(0));
        lockText = readFileBytes(instance.lockPath());
    }
    // The same lock, but owned by a process that has ended.
    const auto ended = platform::startProgram("/bin/true", nullptr);
    ASSERT_TRUE(ended.has_value());
    ASSERT_TRUE(platform::waitForExit(*ended, 60000));
    lockText = QByteArray::number(ended->pid) + lockText.mid(lockText.indexOf('\n'));
    ASSERT_TRUE(writeFileBytes(instance.lockPath(), lockText));

    EXPECT_TRUE(instance.acquire());
}

} // namespace
