#include "common/UFileManager.h"
#include "support/ParamFolders.h"
#include "support/ReadOnlyFolder.h"

#include <QTemporaryDir>

namespace {

class FileManager : public ParamFolders {
  protected:
    static TGoldsSetupInfo Rates(double Pension) {
        TGoldsSetupInfo info;
        info.PPension = Pension;
        return info;
    }
};

TEST_F(FileManager, NoFileIsNoRecord) {
    EXPECT_FALSE(TFileManager::ReadSetupInfo().has_value());
    EXPECT_EQ(TFileManager::FilePath(), BesideProgram());
}

TEST_F(FileManager, WritableProgramFolderHoldsTheFile) {
    ASSERT_TRUE(TFileManager::WriteSetupInfo(Rates(8)));
    EXPECT_TRUE(QFile::exists(BesideProgram()));
    EXPECT_FALSE(QFile::exists(InConfig()));
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 8);
}

TEST_F(FileManager, UnwritableProgramFolderFallsBackToTheConfigFolder) {
    const QString config = QDir(Config.path()).filePath(QStringLiteral("not/yet/made"));
    TFileManager::SetFoldersForTesting(Program.path(), config);
    ReadOnlyFolder readOnly(Program.path());
    if (!readOnly.Active())
        GTEST_SKIP() << "this machine cannot make a folder unwritable for this process";
    EXPECT_FALSE(TFileManager::ReadSetupInfo().has_value());
    ASSERT_TRUE(TFileManager::WriteSetupInfo(Rates(7.5)));
    EXPECT_TRUE(QFile::exists(QDir(config).filePath(QStringLiteral("init.ini"))));
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 7.5);
}

// XDG_CONFIG_HOME taken for a folder of the test while it lives.
class ConfigHome {
  public:
    ConfigHome() : Saved(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Home.path()));
    }
    ~ConfigHome() {
        if (Saved.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", Saved);
    }
    ConfigHome(const ConfigHome &) = delete;
    ConfigHome &operator=(const ConfigHome &) = delete;
    QString Path() const { return Home.path(); }

  private:
    QTemporaryDir Home;
    QByteArray Saved;
};

// What an installed program does: /usr/bin cannot be written by the user, so the file is the
// user's own, in the folder named after the application under the XDG configuration home.
TEST_F(FileManager, UnwritableProgramFolderMeansThePerUserConfigurationFolder) {
    const ConfigHome home;
    TFileManager::SetFoldersForTesting(Program.path(), {});
    ReadOnlyFolder readOnly(Program.path());
    if (!readOnly.Active())
        GTEST_SKIP() << "this machine cannot make a folder unwritable for this process";
    const QString expected = QDir(home.Path()).filePath(QStringLiteral("pendra/init.ini"));
    EXPECT_EQ(TFileManager::FilePath(), expected);
    ASSERT_TRUE(TFileManager::WriteSetupInfo(Rates(8.5)));
    EXPECT_TRUE(QFile::exists(expected));
    EXPECT_FALSE(QFile::exists(BesideProgram()));
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 8.5);
}

TEST_F(FileManager, FileBesideAnUnwritableProgramIsStillReadThere) {
    WriteFile(BesideProgram(), Header() + "\r\nPPension=6\r\n");
    ReadOnlyFolder readOnly(Program.path());
    if (!readOnly.Active())
        GTEST_SKIP() << "this machine cannot make a folder unwritable for this process";
    EXPECT_EQ(TFileManager::FilePath(), BesideProgram());
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 6);
    EXPECT_FALSE(TFileManager::WriteSetupInfo(Rates(9))) << "a failed write is no success";
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 6);
}

TEST_F(FileManager, HugeFileIsReadInPartAndNeverRewritten) {
    // PMedical=25 straddles the reading limit: it must not read as 2.
    QByteArray bytes = Header() + "\r\nPPension=5\r\n";
    const QByteArray cut = "\r\nPMedical=2";
    bytes += QByteArray(TFileManager::MaxFileSize - bytes.size() - cut.size(), 'x') + cut;
    bytes += "5\r\nPLostJob=1\r\n";
    WriteFile(BesideProgram(), bytes);
    const auto info = TFileManager::ReadSetupInfo();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->PPension, 5);
    EXPECT_EQ(info->PMedical, 0) << "cut at the limit";
    EXPECT_EQ(info->PLostJob, 0) << "beyond what is read";
    EXPECT_FALSE(TFileManager::WriteSetupInfo(Rates(9)));
    EXPECT_EQ(ReadFile(BesideProgram()), bytes);
}

TEST_F(FileManager, GarbageReadsAsZerosAndSurvivesAWrite) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    WriteFile(BesideProgram(), garbage);
    const auto info = TFileManager::ReadSetupInfo();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->PMin, 0);
    EXPECT_EQ(info->GiveBirth, 0);
    ASSERT_TRUE(TFileManager::WriteSetupInfo(Rates(3)));
    const QByteArray after = ReadFile(BesideProgram());
    EXPECT_TRUE(after.startsWith(garbage)) << "the garbage is kept, the section appended";
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 3);
}

TEST_F(FileManager, UnreadableFileReadsAsZerosAndIsNotOverwritten) {
    ASSERT_TRUE(QDir(Program.path()).mkdir(QStringLiteral("init.ini")));
    const auto info = TFileManager::ReadSetupInfo();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->PPension, 0);
    EXPECT_FALSE(TFileManager::WriteSetupInfo(Rates(3)));
}

} // namespace
