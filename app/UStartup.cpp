#include "app/UStartup.h"

#include "common/UDialogPlacement.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InitApplication(QApplication &App) {
    // The application's name also names the per-user configuration folder; the window caption
    // is set by the main window alone, so no display name is appended to it.
    QApplication::setApplicationName(QStringLiteral("pendra"));
    QApplication::setApplicationVersion(QStringLiteral("3.01"));
    QApplication::setDesktopFileName(QStringLiteral("example.pendra.TaxCalculator"));
    // Every window without an icon of its own, the main window and each dialog, shows this one.
    // Desktops that look the program up by its desktop file name take the installed scalable
    // icon instead; the 48-pixel picture needs no image plugin.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    // Dates and calendars read in Chinese whatever the system's locale. Amounts never go through
    // QLocale (they are parsed and shown by engine/UNumText), so this changes no number.
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    auto *translator = new QTranslator(&App);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    DialogPlacement::Install(App);

    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
}
