#include "app/UStartup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

void InitApplication(QApplication &App) {
    // The application's name also names the per-user configuration folder; the window caption
    // is set by the main window alone, so no display name is appended to it.
    QApplication::setApplicationName(QStringLiteral("pendra"));
    QApplication::setApplicationVersion(QStringLiteral("3.01"));
    QApplication::setDesktopFileName(QStringLiteral("example.pendra.TaxCalculator"));

    auto *translator = new QTranslator(&App);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
}
