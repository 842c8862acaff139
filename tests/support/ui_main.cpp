#include "app/UStartup.h"
#include "common/UPageMemory.h"
#include "support/UiTestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each test starts with pages as empty as at a start of the program, whichever ran before it in
// the same process.
class ForgetKeptPages : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { PageMemory::Forget(); }
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
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetKeptPages);
    return RUN_ALL_TESTS();
}
