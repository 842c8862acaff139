// The pictures compiled into the program: JPEG decoding must be there, every picture must decode,
// and the pictures whose place on screen has a fixed size must have that size.

#include "app/UFrmMain.h"

#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMap>
#include <QSize>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList CompiledPictures() {
    QStringList paths;
    QDirIterator it(QStringLiteral(":/pictures"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

TEST(Pictures, JpegDecodingIsAvailable) {
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    EXPECT_TRUE(formats.contains("jpeg") && formats.contains("jpg"))
        << "Qt's JPEG image plugin (libjpeg) is missing: no page picture could be shown";
}

TEST(Pictures, EveryCompiledPictureDecodes) {
    const QStringList paths = CompiledPictures();
    ASSERT_FALSE(paths.isEmpty()) << "no resources under :/pictures were linked into the program";
    for (const QString &path : paths) {
        QImageReader reader(path);
        const QByteArray format = reader.format();
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull())
            << qPrintable(path) << ": " << qPrintable(reader.errorString());
        if (path.endsWith(QLatin1String(".jpg"))) {
            EXPECT_EQ(format, "jpeg") << qPrintable(path);
        }
    }
}

// Places whose size the windows fix: the logo strip, the feedback window's chat buttons, the
// update window's pictures and the icon.
TEST(Pictures, FixedPlacesGetPicturesOfTheirSize) {
    const QMap<QString, QSize> fixed{
        {QStringLiteral(":/pictures/logo.jpg"), QSize(210, 70)},
        {QStringLiteral(":/pictures/feedback_qq.jpg"), QSize(74, 22)},
        {QStringLiteral(":/pictures/feedback_ww.jpg"), QSize(77, 19)},
        {QStringLiteral(":/pictures/update_side.jpg"), QSize(100, 242)},
        {QStringLiteral(":/pictures/update_strip.jpg"), QSize(337, 27)},
        {QStringLiteral(":/pictures/icon.png"), QSize(48, 48)},
    };
    for (auto it = fixed.cbegin(); it != fixed.cend(); ++it) {
        const QImage image(it.key());
        ASSERT_FALSE(image.isNull()) << qPrintable(it.key()) << " is not in the resources";
        EXPECT_EQ(image.size(), it.value()) << qPrintable(it.key());
    }
}

TEST(Pictures, MainWindowShowsTheLogo) {
    TFrmMain main;
    const QPixmap logo = main.ImgLogo->pixmap();
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(210, 70));
}

class CategoryPictures : public ::testing::TestWithParam<const char *> {};

// Each page names its pictures by its key; a missing one would leave its place empty. A method
// picture larger than the widest "计算方法" group would be cut by the group.
TEST_P(CategoryPictures, PageHasMethodAndIllustrationThatFit) {
    const QString key = QString::fromLatin1(GetParam());
    const QImage method(QStringLiteral(":/pictures/%1_method.jpg").arg(key));
    const QImage illustration(QStringLiteral(":/pictures/%1_illustration.jpg").arg(key));
    ASSERT_FALSE(method.isNull()) << "missing " << GetParam() << "_method.jpg";
    ASSERT_FALSE(illustration.isNull()) << "missing " << GetParam() << "_illustration.jpg";
    EXPECT_LE(method.width(), 404);
    EXPECT_LE(method.height(), 262);
    EXPECT_LE(illustration.width(), 380);
    EXPECT_LE(illustration.height(), 200);
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, CategoryPictures,
                         ::testing::Values("salary", "salaryold", "annualsalary", "yearaward",
                                           "makeup", "fivegolds", "laowu", "writing", "license",
                                           "interest", "chance", "others", "rent", "transfer",
                                           "personal", "company", "latefee"),
                         [](const auto &Info) { return std::string(Info.param); });

} // namespace
