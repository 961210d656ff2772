#pragma once

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Base fixture for tests that write files: a fresh folder per test, removed afterwards.
class TempFolderTest : public ::testing::Test
{
protected:
    void SetUp() override;

    // The folder itself, without a trailing separator.
    QString folder() const { return m_dir.path(); }
    // A path inside the folder; the file need not exist.
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
