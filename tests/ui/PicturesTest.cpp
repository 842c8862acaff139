// The pictures compiled into the program: every picture must decode, as PNG, which Qt Gui reads
// without a plugin, and the pictures whose place on screen has a fixed size must have that size.

#include "app/UFrmMain.h"
#include "pages/UFrmSalary.h"
#include "translations/Language.h"
#include "ui/EveryWindow.h"

#include <QDirIterator>
#include <QFile>
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

QString EnglishOf(const QString &Path) {
    return QString(Path).insert(Path.size() - 4, QStringLiteral("_en"));
}

QImage Comparable(const QImage &Image) {
    return Image.convertToFormat(QImage::Format_ARGB32);
}

// Every picture but the icon carries words, so every one has an English picture beside it for the
// same place: of the same size, and saying something else.
TEST(Pictures, EveryPictureWithWordsHasAnEnglishOneOfItsSize) {
    int pairs = 0;
    for (const QString &path : CompiledPictures()) {
        if (path.endsWith(QStringLiteral("_en.png")) || path.endsWith(QStringLiteral("/icon.png")))
            continue;
        const QImage chinese(path), english(EnglishOf(path));
        ASSERT_FALSE(english.isNull()) << "no English picture beside " << qPrintable(path);
        EXPECT_EQ(english.size(), chinese.size()) << qPrintable(path);
        EXPECT_NE(Comparable(english), Comparable(chinese))
            << qPrintable(path) << ": the English picture is the Chinese one";
        ++pairs;
    }
    EXPECT_GT(pairs, 30);
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

// The Chinese pictures that have an English one, by their pixels.
QList<QImage> ChineseWithEnglish() {
    QList<QImage> pictures;
    for (const QString &path : CompiledPictures()) {
        if (!path.endsWith(QStringLiteral("_en.png")) && QFile::exists(EnglishOf(path)))
            pictures << Comparable(QImage(path));
    }
    return pictures;
}

QImage Shown(const QLabel *Label) {
    return Comparable(Label->pixmap().toImage());
}

class EnglishPictures : public ::testing::TestWithParam<EveryWindow::Entry> {
  protected:
    void SetUp() override { ASSERT_TRUE(Translations::Apply(Translations::Language::English)); }
    void TearDown() override { Translations::Apply(Translations::Language::Chinese); }
};

// A window made in English shows no picture in Chinese where an English one was drawn.
TEST_P(EnglishPictures, NoPictureOfAWindowMadeInEnglishIsChinese) {
    static const QList<QImage> chinese = ChineseWithEnglish();
    const std::unique_ptr<QWidget> window(GetParam().Create());
    window->show();
    QCoreApplication::processEvents();
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull() && label->isVisibleTo(window.get())) {
            EXPECT_FALSE(chinese.contains(Shown(label))) << Where(label) << " is in Chinese";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PagesAndWindows, EnglishPictures, ::testing::ValuesIn(EveryWindow::All()),
                         EveryWindow::NameOf);

// A page that stays open while the language changes shows the pictures of the new language.
TEST(Pictures, APageFollowsTheLanguage) {
    TFrmSalary page;
    page.show();
    const auto *method = page.findChild<QGroupBox *>()->findChild<QLabel *>();
    ASSERT_NE(method, nullptr);
    const QImage chinese = Comparable(QImage(QStringLiteral(":/pictures/salary_method.png")));
    const QImage english = Comparable(QImage(QStringLiteral(":/pictures/salary_method_en.png")));
    EXPECT_EQ(Shown(method), chinese);
    ASSERT_TRUE(Translations::Apply(Translations::Language::English));
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(method), english);
    Translations::Apply(Translations::Language::Chinese);
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(method), chinese);
}

} // namespace
