#include "app/UStartup.h"

#include "app/PageRegistry.h"
#include "common/UDialogPlacement.h"
#include "common/UFileManager.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

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

    // Standard buttons read "确定", dates and calendars read in Chinese whatever the system's
    // locale, until the start's own language is known.
    Translations::Apply(Translations::Language::Chinese, Translations::Scope::Qt);

    DialogPlacement::Install(App);
    // Each page finds its title and its rules in its row of the registry.
    PageRow::SetLookUp(&PageRegistry::RowOf);

    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
}

Translations::Language StartLanguage() {
    return TFileManager::ReadLanguage().value_or(Translations::FromEnvironment());
}

void UseStartLanguage() {
    Translations::Apply(StartLanguage(), Translations::Scope::Qt);
}
