#include "app/UStartup.h"
#include "common/UOpenYear.h"
#include "common/UPageMemory.h"
#include "support/UiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each test starts without a parameter file, in folders of its own, whichever tests ran before
// it in the same process: a page shown when an earlier test closed its main window must not
// become the next test's first page.
class TFreshParamFolders : public ::testing::EmptyTestEventListener {
  public:
    explicit TFreshParamFolders(QString Root) : Root(std::move(Root)) {}
    void OnTestStart(const ::testing::TestInfo &) override {
        UiTest::SetDefaultParamFolders(QDir(Root).filePath(QString::number(++Count)));
    }

  private:
    QString Root;
    int Count = 0;
};

// Each test starts with pages as empty as at a start of the program, and no year open, whichever
// ran before it in the same process.
class ForgetKeptPages : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override {
        PageMemory::Forget();
        TOpenYear::Instance().Close();
    }
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    InitApplication(app);
    const QTemporaryDir params;
    UiTest::SetDefaultParamFolders(params.path());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new TFreshParamFolders(params.path()));
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetKeptPages);
    return RUN_ALL_TESTS();
}
