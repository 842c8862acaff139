#pragma once
// Temporary folders taken for the program's folder and the user's configuration folder, so that
// tests read and write their own parameter files.

#include "common/UFileManager.h"
#include "support/UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class ParamFolders : public ::testing::Test {
  public:
    // "[五险一金]" in GBK.
    static QByteArray Header() { return QByteArray("[\xCE\xE5\xCF\xD5\xD2\xBB\xBD\xF0]"); }
    static void WriteFile(const QString &Path, const QByteArray &Bytes) {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(Bytes), Bytes.size());
    }
    static QByteArray ReadFile(const QString &Path) {
        QFile file(Path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  protected:
    void SetUp() override { TFileManager::SetFoldersForTesting(Program.path(), Config.path()); }
    void TearDown() override { UiTest::UseDefaultParamFolders(); }

    QString BesideProgram() const {
        return QDir(Program.path()).filePath(QStringLiteral("init.ini"));
    }
    QString InConfig() const { return QDir(Config.path()).filePath(QStringLiteral("init.ini")); }

    QTemporaryDir Program;
    QTemporaryDir Config;
};
