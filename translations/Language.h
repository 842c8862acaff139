#pragma once
// The language of the interface. The sources are Chinese, so Chinese needs no translator at all;
// English comes from translations/pendra_en.ts, compiled into the resources of this library.
// Qt Core only: the window and pendra-cli take their English from the same translation.

#include <QString>
#include <QStringView>
#include <optional>

namespace Translations {

enum class Language { Chinese, English };

// "zh" or "en", as --lang and the parameter file write it.
QString Code(Language Lang);
// "zh" or "en", or a locale name that begins with either ("en_US.UTF-8", "zh_CN"); none for
// anything else.
std::optional<Language> FromCode(QStringView Code);
// What the environment asks for: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty decides, English for any name that begins with "en", Chinese for every other (also when
// none is set), since the program is made for China first.
Language FromEnvironment();

// What Apply changes besides the program's own words.
enum class Scope {
    Program, // only the program's translator: the command line
    Qt,      // also Qt's own translation of the standard buttons and dialogs, and the default
             // locale of dates and calendars: the window
};

// Makes Lang the language of every text translated from now on. English installs the program's
// translator, loaded once from the resources; Chinese removes it, so a Chinese start loads no
// translation of the program at all. Every change of a translator sends the widgets a
// QEvent::LanguageChange. False when the English translation cannot be loaded: the interface then
// stays Chinese.
bool Apply(Language Lang, Scope What = Scope::Program);
Language Current();

// The objectName of the program's translator while it is installed (a child of the application).
inline constexpr char TranslatorName[] = "PendraTranslator";

} // namespace Translations
