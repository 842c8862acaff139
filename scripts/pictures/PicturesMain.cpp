// Writes every picture of the program into resources/: the PNG files under pictures/, the icon
// under icons/, and the Qt resource file that lists them. Run through scripts/make-pictures.
// PNG rather than JPEG: drawn text and lines keep their edges, and Qt Gui decodes PNG itself, so
// showing a picture loads neither the JPEG plugin nor libjpeg.

#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>

namespace {

void Save(const QImage &Image, const QString &Path, const char *Format, int Quality = -1) {
    if (Image.isNull() || !Image.save(Path, Format, Quality))
        throw std::runtime_error("cannot write " + Path.toStdString());
}

void WriteText(const QString &Path, const QString &Text) {
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + Path.toStdString());
    file.write(Text.toUtf8());
}

void Generate(const QDir &Resources) {
    using namespace Pictures;
    if (!QFontDatabase::families().contains(FontFamily()))
        throw std::runtime_error("font " + FontFamily().toStdString() +
                                 " is missing (Debian package fonts-wqy-microhei)");
    Resources.mkpath(QStringLiteral("pictures"));
    Resources.mkpath(QStringLiteral("icons"));
    const QDir pictures(Resources.filePath(QStringLiteral("pictures")));
    const QStringList drawn{QStringLiteral("*.png"), QStringLiteral("*.png")};
    for (const QString &old : pictures.entryList(drawn, QDir::Files))
        QFile::remove(pictures.filePath(old));

    QStringList written;
    auto png = [&](const QImage &Image, const QString &Name) {
        Save(Image, pictures.filePath(Name), "PNG");
        written << Name;
    };
    for (const auto &pictures :
         {MethodPictures(), CurrentPaymentPictures(), CurrentWagePictures()}) {
        for (const MethodPicture &picture : pictures)
            png(DrawMethod(picture), picture.Key + QStringLiteral("_method.png"));
    }
    for (const Illustration &picture : Illustrations())
        png(DrawIllustration(picture), picture.Key + QStringLiteral("_illustration.png"));
    png(DrawLogo(), QStringLiteral("logo.png"));
    png(DrawChatButton(QStringLiteral("QQ交谈"), QSize(74, 22), QColor(0x2a, 0x8c, 0xd8)),
        QStringLiteral("feedback_qq.png"));
    png(DrawChatButton(QStringLiteral("旺旺交谈"), QSize(77, 19), QColor(0xf0, 0x7c, 0x1a)),
        QStringLiteral("feedback_ww.png"));
    png(DrawUpdateSide(), QStringLiteral("update_side.png"));
    png(DrawUpdateStrip(), QStringLiteral("update_strip.png"));

    const QDir icons(Resources.filePath(QStringLiteral("icons")));
    WriteText(icons.filePath(QStringLiteral("pendra.svg")), IconSvg());
    Save(DrawIcon(48), icons.filePath(QStringLiteral("pendra-48.png")), "PNG");

    written.sort();
    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<!-- Written by scripts/make-pictures. -->\n"
                                 "<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n");
    for (const QString &name : written)
        qrc += QStringLiteral("    <file>pictures/%1</file>\n").arg(name);
    qrc += QStringLiteral("    <file alias=\"pictures/icon.png\">icons/pendra-48.png</file>\n"
                          "  </qresource>\n</RCC>\n");
    WriteText(Resources.filePath(QStringLiteral("pendra.qrc")), qrc);
    std::printf("%lld pictures written to %s\n", static_cast<long long>(written.size()),
                qPrintable(pictures.path()));
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR\n", argv[0]);
        return 2;
    }
    try {
        Generate(QDir(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pendra_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
