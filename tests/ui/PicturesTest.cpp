// The pictures compiled into the program: every picture must decode, as PNG, which Qt Gui reads
// without a plugin, and the pictures whose place on screen has a fixed size must have that size.

#include "app/UFrmMain.h"
#include "ui/EveryWindow.h"

#include <QDirIterator>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMap>
#include <QSize>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList CompiledPictures() {
    QStringList paths;
    QDirIterator it(QStringLiteral(":/pictures"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
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
        EXPECT_EQ(format, "png") << qPrintable(path);
    }
}

// Places whose size the windows fix: the logo strip, the feedback window's chat buttons, the
// update window's pictures and the icon.
TEST(Pictures, FixedPlacesGetPicturesOfTheirSize) {
    const QMap<QString, QSize> fixed{
        {QStringLiteral(":/pictures/logo.png"), QSize(210, 70)},
        {QStringLiteral(":/pictures/feedback_qq.png"), QSize(74, 22)},
        {QStringLiteral(":/pictures/feedback_ww.png"), QSize(77, 19)},
        {QStringLiteral(":/pictures/update_side.png"), QSize(100, 242)},
        {QStringLiteral(":/pictures/update_strip.png"), QSize(337, 27)},
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

// Each page names its pictures by its key; a missing one would leave its place empty.
TEST_P(CategoryPictures, MethodAndIllustrationExist) {
    const QString key = QString::fromLatin1(GetParam());
    EXPECT_FALSE(QImage(QStringLiteral(":/pictures/%1_method.png").arg(key)).isNull())
        << "missing " << GetParam() << "_method.png";
    EXPECT_FALSE(QImage(QStringLiteral(":/pictures/%1_illustration.png").arg(key)).isNull())
        << "missing " << GetParam() << "_illustration.png";
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, CategoryPictures,
                         ::testing::Values("salary", "salaryold", "annualsalary", "yearaward",
                                           "makeup", "fivegolds", "laowu", "writing", "license",
                                           "interest", "chance", "others", "rent", "transfer",
                                           "personal", "company", "latefee"),
                         [](const auto &Info) { return std::string(Info.param); });

// A picture by its name, or by the group that holds it.
std::string Where(const QLabel *Picture) {
    if (!Picture->objectName().isEmpty())
        return Picture->objectName().toStdString();
    if (const auto *group = qobject_cast<const QGroupBox *>(Picture->parentWidget()))
        return "the picture of \"" + group->title().toStdString() + "\"";
    return "a picture";
}

class PicturesInPlace : public ::testing::TestWithParam<EveryWindow::Entry> {};

// A picture larger than the place a page or window gives it is cut at its edges: the pictures
// are drawn for their places, and every one shows whole.
TEST_P(PicturesInPlace, EveryPictureShowsWhole) {
    const std::unique_ptr<QWidget> window(GetParam().Create());
    window->show();
    QCoreApplication::processEvents();
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QPixmap picture = label->pixmap();
        if (picture.isNull() || !label->isVisibleTo(window.get()))
            continue;
        const QSize place = label->contentsRect().size();
        EXPECT_TRUE(picture.width() <= place.width() && picture.height() <= place.height())
            << Where(label) << ": a picture of " << picture.width() << "x" << picture.height()
            << " in a place of " << place.width() << "x" << place.height();
    }
}

INSTANTIATE_TEST_SUITE_P(PagesAndWindows, PicturesInPlace, ::testing::ValuesIn(EveryWindow::All()),
                         EveryWindow::NameOf);

} // namespace
