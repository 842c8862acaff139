// The pictures decoded ahead at start-up: the first frame takes every one of them, and each is
// the picture the resource holds, as decoding it on the spot gives.

#include "app/UFrmMain.h"
#include "common/UStartAhead.h"

#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

QSize DecodedSize(const QString &Resource) {
    return QImageReader(Resource).read().size();
}

// What a label shows, or a null pixmap.
QSize Shown(const QLabel *Label) {
    return Label ? Label->pixmap().size() : QSize();
}

TEST(StartAhead, FirstFrameTakesEveryPictureDecodedAhead) {
    const QStringList pictures = TFrmMain::FirstPictures();
    ASSERT_EQ(pictures.size(), 3);
    StartAhead::Begin(pictures);
    StartAhead::Ready();
    TFrmMain main;
    EXPECT_EQ(StartAhead::Untaken(), 0)
        << "a picture decoded ahead that the first frame never took";

    const QWidget *page = main.CurrentPage();
    ASSERT_NE(page, nullptr);
    const auto *method = page->findChild<QGroupBox *>()->findChild<QLabel *>();
    const QList<std::pair<QString, QSize>> shown = {
        {pictures[0], Shown(main.ImgLogo)},
        {pictures[1], Shown(page->findChild<QLabel *>(QStringLiteral("ImgIllustration")))},
        {pictures[2], Shown(method)},
    };
    for (const auto &[resource, size] : shown) {
        EXPECT_FALSE(size.isEmpty()) << qPrintable(resource);
        EXPECT_EQ(size, DecodedSize(resource)) << qPrintable(resource);
    }

    // A second main window, as when the first is gone, decodes its pictures itself.
    TFrmMain again;
    EXPECT_EQ(Shown(again.ImgLogo), DecodedSize(pictures[0]));
}

TEST(StartAhead, PictureNotDecodedAheadIsDecodedOnTheSpot) {
    const QString logo = QStringLiteral(":/pictures/logo.png");
    EXPECT_EQ(StartAhead::Picture(logo).size(), DecodedSize(logo));
    EXPECT_TRUE(StartAhead::Picture(QStringLiteral(":/pictures/none.png")).isNull());
    EXPECT_EQ(StartAhead::Untaken(), 0);
}

} // namespace
