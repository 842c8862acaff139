#include "common/UFileManager.h"
#include "support/ParamFolders.h"
#include "support/ReadOnlyFolder.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using TWriteResult = TFileManager::TWriteResult;
constexpr TWriteResult Written = TWriteResult::Written;

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
    ASSERT_EQ(TFileManager::WriteSetupInfo(Rates(8)), Written);
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
    ASSERT_EQ(TFileManager::WriteSetupInfo(Rates(7.5)), Written);
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
    ASSERT_EQ(TFileManager::WriteSetupInfo(Rates(8.5)), Written);
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
    EXPECT_EQ(TFileManager::WriteSetupInfo(Rates(9)), TWriteResult::Failed)
        << "a failed write is no success";
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
    EXPECT_EQ(TFileManager::WriteSetupInfo(Rates(9)), TWriteResult::TooLarge);
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
    ASSERT_EQ(TFileManager::WriteSetupInfo(Rates(3)), Written);
    const QByteArray after = ReadFile(BesideProgram());
    EXPECT_TRUE(after.startsWith(garbage)) << "the garbage is kept, the section appended";
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 3);
}

TEST_F(FileManager, UnreadableFileReadsAsZerosAndIsNotOverwritten) {
    ASSERT_TRUE(QDir(Program.path()).mkdir(QStringLiteral("init.ini")));
    const auto info = TFileManager::ReadSetupInfo();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->PPension, 0);
    EXPECT_EQ(TFileManager::WriteSetupInfo(Rates(3)), TWriteResult::NotAFile);
}

// What stands at the file's place, and what of it must survive a refused write.
struct TPlace {
    mode_t Mode = 0;
    uid_t Owner = 0;
    QByteArray Bytes; // of the file, or of the file a link points to
};

TPlace Look(const QString &Path, const QString &Target = {}) {
    TPlace place;
    struct stat seen {};
    if (::lstat(QFile::encodeName(Path).constData(), &seen) == 0) {
        place.Mode = seen.st_mode;
        place.Owner = seen.st_uid;
    }
    QFile file(Target.isEmpty() ? Path : Target);
    if ((S_ISREG(seen.st_mode) || !Target.isEmpty()) && file.open(QIODevice::ReadOnly))
        place.Bytes = file.readAll();
    return place;
}

struct RefusedCase {
    const char *Rule;
    TWriteResult Result;
};

class FileManagerRefuses : public FileManager, public ::testing::WithParamInterface<RefusedCase> {
  protected:
    // Puts the case's thing at the file's place; the file a link points to, if any.
    QString Make(TWriteResult Kind) {
        const QString path = BesideProgram();
        const QString elsewhere = QDir(Config.path()).filePath(QStringLiteral("elsewhere.txt"));
        const QByteArray content = Header() + "\nPPension=6\n";
        switch (Kind) {
        case TWriteResult::NotAFile:
            EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
            return {};
        case TWriteResult::Link:
            WriteFile(elsewhere, content);
            EXPECT_TRUE(QFile::link(elsewhere, path));
            return elsewhere;
        case TWriteResult::ReadOnly:
            WriteFile(path, content);
            EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
            return {};
        default: // another user's file, nobody's
            WriteFile(path, content);
            EXPECT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
            return {};
        }
    }
};

TEST_P(FileManagerRefuses, LeavesWhatIsThereAsItWas) {
    const RefusedCase &c = GetParam();
    if (c.Result == TWriteResult::OtherOwner && ::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user here";
    const QString target = Make(c.Result);
    const TPlace before = Look(BesideProgram(), target);
    // Reading never waits on a FIFO; the others read as the file they are or point to.
    const auto read = TFileManager::ReadSetupInfo();
    ASSERT_TRUE(read.has_value()) << c.Rule;
    EXPECT_EQ(read->PPension, c.Result == TWriteResult::NotAFile ? 0 : 6) << c.Rule;
    EXPECT_EQ(TFileManager::WriteSetupInfo(Rates(9)), c.Result) << c.Rule;
    const TPlace after = Look(BesideProgram(), target);
    EXPECT_EQ(after.Mode, before.Mode) << c.Rule;
    EXPECT_EQ(after.Owner, before.Owner) << c.Rule;
    EXPECT_EQ(after.Bytes, before.Bytes) << c.Rule;
    EXPECT_EQ(QDir(Program.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"init.ini"})
        << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Places, FileManagerRefuses,
    ::testing::Values(RefusedCase{"a FIFO", TWriteResult::NotAFile},
                      RefusedCase{"a link to a file elsewhere", TWriteResult::Link},
                      RefusedCase{"a read-only file, root's too", TWriteResult::ReadOnly},
                      RefusedCase{"another user's file", TWriteResult::OtherOwner}));

TEST_F(FileManager, LinkToNothingIsNotFollowed) {
    const QString target = QDir(Config.path()).filePath(QStringLiteral("made-by-a-write"));
    ASSERT_TRUE(QFile::link(target, BesideProgram()));
    EXPECT_FALSE(TFileManager::ReadSetupInfo().has_value());
    EXPECT_EQ(TFileManager::WriteSetupInfo(Rates(9)), TWriteResult::Link);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(FileManager, FileKeepsItsModeThroughTheRename) {
    WriteFile(BesideProgram(), Header() + "\r\nPPension=6\r\n");
    ASSERT_TRUE(QFile::setPermissions(BesideProgram(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_EQ(TFileManager::WriteSetupInfo(Rates(9)), Written);
    EXPECT_EQ(Look(BesideProgram()).Mode & 07777, 0640);
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PPension, 9);
}

} // namespace
