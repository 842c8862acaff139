// The English translation: its terms are the glossary's, and lupdate finds no text without
// English and none left over.

#include "formats/Vocabulary.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Term {
    QString Chinese;
    QString English;
};

struct Message {
    QString Context;
    QString Source;
    QString Translation;
    QString Type;         // "unfinished", "vanished", "obsolete" or empty
    QString Comment = {}; // what tells a text apart from the same text elsewhere in its context
};

QString ReadText(const QString &Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The rows of the glossary's table: | 中文 | English |.
QList<Term> ReadGlossary(const QString &Path) {
    QList<Term> terms;
    static const QRegularExpression row(
        QStringLiteral("^\\|\\s*([^|]+?)\\s*\\|\\s*([^|]+?)\\s*\\|$"));
    for (const QString &line : ReadText(Path).split(u'\n')) {
        const QRegularExpressionMatch match = row.match(line.trimmed());
        if (match.hasMatch() && !match.captured(1).startsWith(u'-') &&
            match.captured(1) != QStringLiteral("中文"))
            terms.append({match.captured(1), match.captured(2)});
    }
    return terms;
}

QList<Message> ReadTs(const QString &Path) {
    QFile file(Path);
    QList<Message> messages;
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << Path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1StringView("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1StringView("message")) {
            message = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1StringView("source")) {
            message.Source = xml.readElementText();
        } else if (name == QLatin1StringView("comment")) {
            message.Comment = xml.readElementText();
        } else if (name == QLatin1StringView("translation")) {
            message.Type = xml.attributes().value(QLatin1StringView("type")).toString();
            message.Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.append(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << Path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The English terms a translation lacks: at each place of the source the longest Chinese term
// that matches there counts, so 非居民个人 asks for its own term and not for 居民个人's.
QStringList MissingTerms(const QString &Source, const QString &English, const QList<Term> &Terms) {
    QString text = English;
    text.replace(u'’', u'\'');
    QStringList missing;
    for (qsizetype at = 0; at < Source.size();) {
        const Term *longest = nullptr;
        for (const Term &term : Terms) {
            if (Source.mid(at).startsWith(term.Chinese) &&
                (!longest || term.Chinese.size() > longest->Chinese.size()))
                longest = &term;
        }
        if (!longest) {
            ++at;
            continue;
        }
        if (!text.contains(longest->English, Qt::CaseInsensitive))
            missing.append(longest->Chinese + QStringLiteral(" → ") + longest->English);
        at += longest->Chinese.size();
    }
    return missing;
}

bool Finished(const Message &M) {
    return M.Type.isEmpty() && !M.Translation.isEmpty();
}

TEST(Glossary, TheCheckTakesTheLongestTermAtEachPlace) {
    const QList<Term> terms{
        {QStringLiteral("非居民个人"), QStringLiteral("non-resident individual")},
        {QStringLiteral("居民个人"), QStringLiteral("resident individual")},
        {QStringLiteral("专项附加扣除"), QStringLiteral("special additional deductions")},
        {QStringLiteral("专项扣除"), QStringLiteral("special deductions")}};
    const struct {
        const char *Source;
        const char *English;
        int Missing;
    } cases[] = {
        {"非居民个人的税额", "tax of a Non-Resident Individual", 0},
        {"非居民个人的税额", "tax of a non-resident", 1},
        {"专项附加扣除", "special deductions", 1},
        {"专项扣除与专项附加扣除", "special deductions and special additional deductions", 0},
        {"收入", "income", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(
            MissingTerms(QString::fromUtf8(c.Source), QString::fromUtf8(c.English), terms).size(),
            c.Missing)
            << c.Source << " / " << c.English;
}

TEST(Glossary, EveryEnglishTextUsesTheTermsOfTheGlossary) {
    const QList<Term> terms = ReadGlossary(QStringLiteral(PENDRA_GLOSSARY));
    ASSERT_GE(terms.size(), 25) << "the glossary's table was not read";
    const QList<Message> messages = ReadTs(QStringLiteral(PENDRA_TS));
    ASSERT_GE(messages.size(), 500) << "the .ts holds too few texts";
    for (const Message &message : messages) {
        if (!Finished(message))
            continue;
        const QStringList missing = MissingTerms(message.Source, message.Translation, terms);
        EXPECT_TRUE(missing.isEmpty())
            << message.Context.toStdString() << ": \"" << message.Source.toStdString() << "\" → \""
            << message.Translation.toStdString() << "\" lacks "
            << missing.join(QStringLiteral("; ")).toStdString();
    }
}

// The words the glossary sets aside: the first column of its three-column table.
QStringList ReadSetAside(const QString &Path) {
    QStringList words;
    static const QRegularExpression row(
        QStringLiteral("^\\|\\s*([^|]+?)\\s*\\|\\s*([^|]+?)\\s*\\|\\s*([^|]+?)\\s*\\|$"));
    for (const QString &line : ReadText(Path).split(u'\n')) {
        const QRegularExpressionMatch match = row.match(line.trimmed());
        if (match.hasMatch() && !match.captured(1).startsWith(u'-') &&
            match.captured(1) != QStringLiteral("Not used"))
            words.append(match.captured(1));
    }
    return words;
}

TEST(Glossary, NoEnglishTextUsesAWordSetAside) {
    const QStringList words = ReadSetAside(QStringLiteral(PENDRA_GLOSSARY));
    for (const char *word : {"year-end bonus", "tax-free income", "(s)", "Cur.", "\"Capitals\""})
        EXPECT_TRUE(words.contains(QString::fromUtf8(word))) << word << " is not set aside";
    for (const Message &message : ReadTs(QStringLiteral(PENDRA_TS))) {
        if (!Finished(message))
            continue;
        for (const QString &word : words) {
            // "Capitals" in quotes: the whole text, not a word within others.
            const bool whole = word.size() > 2 && word.startsWith(u'"') && word.endsWith(u'"');
            const QString shown = QString(message.Translation).remove(u'&').trimmed();
            EXPECT_FALSE(whole
                             ? shown.compare(word.mid(1, word.size() - 2), Qt::CaseInsensitive) == 0
                             : message.Translation.contains(word, Qt::CaseInsensitive))
                << message.Context.toStdString() << ": \"" << message.Translation.toStdString()
                << "\" uses \"" << word.toStdString() << "\"";
        }
    }
}

// A count reads in the words of its number: every text with %n has English numerus forms, one for
// a single thing and one for several, and their words differ.
TEST(Glossary, CountsHaveASingularAndAPlural) {
    QFile file(QStringLiteral(PENDRA_TS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int counts = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1StringView("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1StringView("translation") && source.contains(u"%n")) {
            QStringList forms;
            while (xml.readNextStartElement())
                forms.append(xml.readElementText());
            ++counts;
            ASSERT_EQ(forms.size(), 2) << source.toStdString();
            EXPECT_NE(forms[0], forms[1]) << source.toStdString();
            for (const QString &form : forms)
                EXPECT_TRUE(form.contains(u"%n")) << source.toStdString();
        }
    }
    EXPECT_GE(counts, 8);
}

// A text added or changed without its English, or English left for a text no longer there.
TEST(Translations, LupdateFindsNothingUnfinishedOrObsolete) {
    const QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("pendra_en.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PENDRA_TS), copy));
    QProcess lupdate;
    lupdate.setProgram(QStringLiteral(PENDRA_LUPDATE));
    lupdate.setArguments({QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-I"), QStringLiteral(PENDRA_SOURCE_DIR),
                          QStringLiteral("@") + QStringLiteral(PENDRA_LUPDATE_SOURCES),
                          QStringLiteral("-ts"), copy});
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start();
    ASSERT_TRUE(lupdate.waitForFinished(240000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
    QStringList faults;
    for (const Message &message : ReadTs(copy)) {
        if (!Finished(message))
            faults.append(QStringLiteral("%1 (%2): %3")
                              .arg(message.Context,
                                   message.Type.isEmpty() ? QStringLiteral("empty") : message.Type,
                                   message.Source));
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " entries, the first:\n"
                                  << faults.mid(0, 20).join(u'\n').toStdString();
}

// The first start's language, from the locale's variables, the first one set deciding.
// Each word of the vocabulary (a kind, a mode, a patient, a bonus method, a deduction of the
// timeline) is translated once, in its own context, wherever a page, the command line or a message
// shows it; a text told apart by a comment (the word within a sentence) is another text.
TEST(Translations, EachWordOfTheVocabularyHasOneContext) {
    QStringList captions;
    const auto add = [&](auto Words) {
        for (const auto &word : Words)
            captions << QString::fromUtf8(word.Caption);
    };
    add(formats::RemunerationKinds());
    add(formats::WithholdingModes());
    add(formats::Patients());
    add(formats::BonusMethods());
    add(formats::TimelineItems());
    const QList<Message> messages = ReadTs(QStringLiteral(PENDRA_TS));
    for (const QString &caption : captions) {
        QStringList contexts;
        for (const Message &message : messages) {
            if (message.Source == caption && message.Comment.isEmpty() &&
                message.Type != QLatin1StringView("vanished") &&
                message.Type != QLatin1StringView("obsolete"))
                contexts << message.Context;
        }
        EXPECT_EQ(contexts, QStringList{QString::fromUtf8(formats::VocabularyContext)})
            << caption.toStdString();
    }
}

TEST(Translations, TheEnvironmentChoosesByTheFirstVariableSet) {
    using Translations::Language;
    const struct {
        const char *All, *Messages, *Lang;
        Language Expected;
    } cases[] = {
        {"", "", "", Language::Chinese},
        {"", "", "en_US.UTF-8", Language::English},
        {"", "", "en", Language::English},
        {"", "", "zh_CN.UTF-8", Language::Chinese},
        {"", "", "C.UTF-8", Language::Chinese},
        {"", "", "de_DE.UTF-8", Language::Chinese},
        {"", "en_GB.UTF-8", "zh_CN.UTF-8", Language::English},
        {"", "zh_CN.UTF-8", "en_US.UTF-8", Language::Chinese},
        {"zh_CN.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", Language::Chinese},
        {"en_AU.UTF-8", "", "zh_CN.UTF-8", Language::English},
    };
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    const char *names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (const auto &c : cases) {
        const char *values[] = {c.All, c.Messages, c.Lang};
        for (int i = 0; i < 3; ++i) {
            if (*values[i])
                qputenv(names[i], values[i]);
            else
                qunsetenv(names[i]);
        }
        EXPECT_EQ(Translations::FromEnvironment(), c.Expected)
            << c.All << " / " << c.Messages << " / " << c.Lang;
    }
    for (int i = 0; i < 3; ++i) {
        if (saved[i].isNull())
            qunsetenv(names[i]);
        else
            qputenv(names[i], saved[i]);
    }
}

TEST(Translations, CodesNameTheTwoLanguages) {
    using Translations::Language;
    EXPECT_EQ(Translations::FromCode(u"en"), Language::English);
    EXPECT_EQ(Translations::FromCode(u"EN_us.UTF-8"), Language::English);
    EXPECT_EQ(Translations::FromCode(u"zh"), Language::Chinese);
    EXPECT_EQ(Translations::FromCode(u"zh_TW"), Language::Chinese);
    EXPECT_EQ(Translations::FromCode(u"english"), std::nullopt);
    EXPECT_EQ(Translations::FromCode(u""), std::nullopt);
    for (const Language lang : {Language::Chinese, Language::English})
        EXPECT_EQ(Translations::FromCode(Translations::Code(lang)), lang);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
