#include "translations/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace Translations {
namespace {

const QString EnglishTranslation = QStringLiteral(":/i18n/pendra_en.qm");

struct TState {
    Language Lang = Language::Chinese;
    QPointer<QTranslator> Program;
    QPointer<QTranslator> QtOwn;
    std::optional<Language> QtFor; // the language Qt's own translation and the locale follow
};

// Only the interface thread changes the language.
TState &State() {
    static TState state;
    return state;
}

void Remove(QPointer<QTranslator> &Translator) {
    if (!Translator)
        return;
    QCoreApplication::removeTranslator(Translator);
    delete Translator;
}

QLocale LocaleOf(Language Lang) {
    return Lang == Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                     : QLocale(QLocale::Chinese, QLocale::China);
}

// Qt's own words (the standard buttons, the file dialogs) and the dates and calendars. Amounts
// never go through QLocale (engine/UNumText parses and shows them), so this changes no number.
void ApplyQt(Language Lang) {
    TState &state = State();
    if (state.QtFor == Lang)
        return;
    Remove(state.QtOwn);
    const QLocale locale = LocaleOf(Lang);
    QLocale::setDefault(locale);
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        state.QtOwn = translator.release();
    }
    state.QtFor = Lang;
}

} // namespace

QString Code(Language Lang) {
    return Lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<Language> FromCode(QStringView Code) {
    const auto named = [Code](QLatin1StringView Prefix) {
        return Code.startsWith(Prefix, Qt::CaseInsensitive) &&
               (Code.size() == Prefix.size() || !Code.at(Prefix.size()).isLetter());
    };
    if (named(QLatin1StringView("en")))
        return Language::English;
    if (named(QLatin1StringView("zh")))
        return Language::Chinese;
    return std::nullopt;
}

Language FromEnvironment() {
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.startsWith(QLatin1StringView("en")) ? Language::English
                                                             : Language::Chinese;
    }
    return Language::Chinese;
}

bool Apply(Language Lang, Scope What) {
    TState &state = State();
    bool loaded = true;
    if (Lang == Language::English && !state.Program) {
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        loaded = translator->load(EnglishTranslation);
        if (loaded) {
            translator->setObjectName(QLatin1StringView(TranslatorName));
            QCoreApplication::installTranslator(translator.get());
            state.Program = translator.release();
        }
    }
    if (!loaded)
        Lang = Language::Chinese;
    if (Lang == Language::Chinese)
        Remove(state.Program);
    state.Lang = Lang;
    if (What == Scope::Qt)
        ApplyQt(Lang);
    return loaded;
}

Language Current() {
    return State().Lang;
}

} // namespace Translations
