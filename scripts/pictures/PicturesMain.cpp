// Writes every picture of the program into resources/: the PNG files under pictures/, the icon
// under icons/, and the Qt resource files that list them. Run through scripts/make-pictures. With
// --check it writes nothing and fails when what it draws now differs from what resources/ holds.
// PNG rather than JPEG: drawn text and lines keep their edges, and Qt Gui decodes PNG itself, so
// showing a picture loads neither the JPEG plugin nor libjpeg.

#include "Pictures.h"

#include "translations/Language.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace {

// Everything the generator makes: the pictures by file name, the icon in both forms and the
// resource file that lists the pictures.
struct Drawn {
    std::map<QString, QImage> Pictures;
    QString IconSvg;
    QImage Icon;
    QString Qrc, QrcEnglish, QrcWindows;
};

// Every picture that carries words, in the language in use; the English ones are named with
// "_en" before ".png", beside the Chinese, as the pages look them up.
void DrawWords(Drawn &Drawn, const QString &Suffix) {
    using namespace Pictures;
    const auto name = [&Suffix](const QString &Base) {
        return Base + Suffix + QStringLiteral(".png");
    };
    for (const auto &pictures :
         {MethodPictures(), CurrentPaymentPictures(), CurrentWagePictures()}) {
        for (const MethodPicture &picture : pictures)
            Drawn.Pictures[name(picture.Key + QStringLiteral("_method"))] = DrawMethod(picture);
    }
    for (const Illustration &picture : Illustrations())
        Drawn.Pictures[name(picture.Key + QStringLiteral("_illustration"))] =
            DrawIllustration(picture);
    Drawn.Pictures[name(QStringLiteral("logo"))] = DrawLogo();
    Drawn.Pictures[name(QStringLiteral("feedback_qq"))] = DrawChatButton(
        QCoreApplication::translate("Pictures", "QQ交谈"), QSize(74, 22), QColor(0x2a, 0x8c, 0xd8));
    Drawn.Pictures[name(QStringLiteral("feedback_ww"))] =
        DrawChatButton(QCoreApplication::translate("Pictures", "旺旺交谈"), QSize(77, 19),
                       QColor(0xf0, 0x7c, 0x1a));
    Drawn.Pictures[name(QStringLiteral("update_side"))] = DrawUpdateSide();
    Drawn.Pictures[name(QStringLiteral("update_strip"))] = DrawUpdateStrip();
}

Drawn DrawAll() {
    using namespace Pictures;
    using Translations::Language;
    if (!QFontDatabase::families().contains(FontFamily()))
        throw std::runtime_error("font " + FontFamily().toStdString() +
                                 " is missing (Debian package fonts-wqy-microhei)");
    Drawn drawn;
    // The sources are Chinese: without a translator the words are the Chinese ones.
    DrawWords(drawn, QString());
    if (!Translations::Apply(Language::English))
        throw std::runtime_error("the English translation cannot be loaded");
    DrawWords(drawn, QStringLiteral("_en"));
    Translations::Apply(Language::Chinese);
    drawn.IconSvg = IconSvg();
    drawn.Icon = DrawIcon(48);

    // The English pictures in a resource file of their own, so that their data lies in one block
    // of the program file, apart from the Chinese ones: a Chinese start, reading its pictures,
    // brings none of the English pages of the file into memory with them. The windows' own
    // Chinese pictures (the logo, the icon, those of the small windows made at start) in a third:
    // all of them are read in the first second, and the kernel maps a file's pages in windows of
    // 64 KiB around each read, which among the pages' pictures would bring in a window of those
    // for each of them.
    const QString head =
        QStringLiteral("<!DOCTYPE RCC>\n<!-- Written by scripts/make-pictures. -->\n"
                       "<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n");
    const QString tail = QStringLiteral("  </qresource>\n</RCC>\n");
    drawn.Qrc = head;
    drawn.QrcEnglish = head;
    drawn.QrcWindows = head;
    for (const auto &picture : drawn.Pictures) {
        const QString &name = picture.first;
        const bool ofAPage = name.endsWith(QStringLiteral("_method.png")) ||
                             name.endsWith(QStringLiteral("_illustration.png"));
        QString &qrc = name.endsWith(QStringLiteral("_en.png")) ? drawn.QrcEnglish
                       : ofAPage                                ? drawn.Qrc
                                                                : drawn.QrcWindows;
        qrc += QStringLiteral("    <file>pictures/%1</file>\n").arg(name);
    }
    drawn.Qrc += tail;
    drawn.QrcWindows +=
        QStringLiteral("    <file alias=\"pictures/icon.png\">icons/pendra-48.png</file>\n") + tail;
    drawn.QrcEnglish += tail;
    return drawn;
}

void Save(const QImage &Image, const QString &Path) {
    if (Image.isNull() || !Image.save(Path, "PNG"))
        throw std::runtime_error("cannot write " + Path.toStdString());
}

void WriteText(const QString &Path, const QString &Text) {
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + Path.toStdString());
    file.write(Text.toUtf8());
}

QString ReadText(const QString &Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const Drawn &Drawn, const QDir &Resources) {
    Resources.mkpath(QStringLiteral("pictures"));
    Resources.mkpath(QStringLiteral("icons"));
    const QDir pictures(Resources.filePath(QStringLiteral("pictures")));
    // Whatever picture is there and no longer drawn goes, a JPEG of an earlier generator too.
    for (const QString &old :
         pictures.entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg")}, QDir::Files))
        QFile::remove(pictures.filePath(old));
    for (const auto &[name, image] : Drawn.Pictures)
        Save(image, pictures.filePath(name));
    const QDir icons(Resources.filePath(QStringLiteral("icons")));
    WriteText(icons.filePath(QStringLiteral("pendra.svg")), Drawn.IconSvg);
    Save(Drawn.Icon, icons.filePath(QStringLiteral("pendra-48.png")));
    WriteText(Resources.filePath(QStringLiteral("pendra.qrc")), Drawn.Qrc);
    WriteText(Resources.filePath(QStringLiteral("pendra_en.qrc")), Drawn.QrcEnglish);
    WriteText(Resources.filePath(QStringLiteral("pendra_windows.qrc")), Drawn.QrcWindows);
    std::printf("%zu pictures written to %s\n", Drawn.Pictures.size(), qPrintable(pictures.path()));
}

// Pixels as the generator draws them: the same size, and each channel within a step or two. The
// blending of an edge's partly covered pixels rounds by the processor's vector instructions, so
// one machine may give a channel one less than another; a changed rule moves far more than that.
bool SameImage(const QImage &Drawn, const QImage &Committed) {
    if (Committed.isNull() || Drawn.size() != Committed.size())
        return false;
    const QImage a = Drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage b = Committed.convertToFormat(QImage::Format_ARGB32);
    constexpr int Step = 2;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qRed(p[x]) - qRed(q[x])) > Step ||
                std::abs(qGreen(p[x]) - qGreen(q[x])) > Step ||
                std::abs(qBlue(p[x]) - qBlue(q[x])) > Step ||
                std::abs(qAlpha(p[x]) - qAlpha(q[x])) > Step)
                return false;
        }
    }
    return true;
}

// What differs between what the generator draws now and what Resources holds; one line each.
QStringList Differences(const Drawn &Drawn, const QDir &Resources) {
    QStringList differences;
    const QDir pictures(Resources.filePath(QStringLiteral("pictures")));
    for (const auto &[name, image] : Drawn.Pictures) {
        if (!SameImage(image, QImage(pictures.filePath(name))))
            differences << QStringLiteral("pictures/") + name;
    }
    for (const QString &name : pictures.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        if (!Drawn.Pictures.count(name))
            differences << QStringLiteral("pictures/%1 (no longer drawn)").arg(name);
    }
    const QDir icons(Resources.filePath(QStringLiteral("icons")));
    if (!SameImage(Drawn.Icon, QImage(icons.filePath(QStringLiteral("pendra-48.png")))))
        differences << QStringLiteral("icons/pendra-48.png");
    if (ReadText(icons.filePath(QStringLiteral("pendra.svg"))) != Drawn.IconSvg)
        differences << QStringLiteral("icons/pendra.svg");
    if (ReadText(Resources.filePath(QStringLiteral("pendra.qrc"))) != Drawn.Qrc)
        differences << QStringLiteral("pendra.qrc");
    if (ReadText(Resources.filePath(QStringLiteral("pendra_en.qrc"))) != Drawn.QrcEnglish)
        differences << QStringLiteral("pendra_en.qrc");
    if (ReadText(Resources.filePath(QStringLiteral("pendra_windows.qrc"))) != Drawn.QrcWindows)
        differences << QStringLiteral("pendra_windows.qrc");
    return differences;
}

int Usage(const char *Program) {
    std::fprintf(stderr, "usage: %s [--check] RESOURCES_DIR\n", Program);
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool check = argc == 3 && qstrcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check)
        return Usage(argv[0]);
    const QDir resources(QString::fromLocal8Bit(argv[argc - 1]));
    try {
        const Drawn drawn = DrawAll();
        if (!check) {
            Write(drawn, resources);
            return 0;
        }
        const QStringList differences = Differences(drawn, resources);
        for (const QString &difference : differences)
            std::fprintf(stderr, "differs from what the engines give now: %s\n",
                         qPrintable(difference));
        if (!differences.isEmpty())
            std::fprintf(stderr, "run scripts/make-pictures and commit the pictures\n");
        return differences.isEmpty() ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pendra_pictures: %s\n", error.what());
        return 1;
    }
}
