// The pictures decoded ahead at start-up: the first frame takes every one of them, and each is
// the picture the resource holds, as decoding it on the spot gives.

#include "app/UFrmMain.h"
#include "common/UStartAhead.h"
#include "support/UiTestSupport.h"

#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QSize DecodedSize(const QString &Resource) {
    return QImageReader(Resource).read().size();
}

// What a label shows, or a null pixmap.
QSize Shown(const QLabel *Label) {
    return Label ? Label->pixmap().size() : QSize();
}

// The logo and the pictures the page the program starts on shows at once (the wage page's
// method is on a tab made later).
TEST(StartAhead, FirstFrameTakesEveryPictureDecodedAhead) {
    const QStringList pictures = TFrmMain::FirstPictures();
    ASSERT_EQ(pictures, QStringList{QStringLiteral(":/pictures/logo.png")});
    StartAhead::Begin();
    StartAhead::Ready(pictures);
    TFrmMain main;
    EXPECT_EQ(StartAhead::Untaken(), 0)
        << "a picture decoded ahead that the first frame never took";

    QList<QImage> shown;
    for (const QLabel *label : main.findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            shown << label->pixmap().toImage();
    }
    for (const QString &resource : pictures) {
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
                                [&resource](const QImage &Image) {
                                    return UiTest::SamePicture(Image, QImage(resource));
                                }))
            << qPrintable(resource) << " is not on screen";
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
