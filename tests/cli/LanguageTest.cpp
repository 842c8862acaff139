// pendra-cli speaks English when asked by --lang or the locale, and its JSON is the same in both
// languages.

#include "CliRun.h"

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

bool HasChinese(const QString &Text) {
    for (const QChar c : Text) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    }
    return false;
}

struct LanguageCase {
    const char *Name;
    QStringList Arguments;
    QStringList Locale;
    bool English;
};

TEST(CliLanguage, HelpFollowsTheOptionThenTheLocale) {
    const QStringList help{QStringLiteral("wage"), QStringLiteral("--help")};
    const QStringList english{QStringLiteral("--lang"), QStringLiteral("en")};
    const QStringList chinese{QStringLiteral("--lang=zh")};
    const LanguageCase cases[] = {
        {"no locale", help, {}, false},
        {"--lang en", english + help, {}, true},
        {"--lang en after the command", help + english, {}, true},
        {"LANG=en_US.UTF-8", help, {QStringLiteral("LANG=en_US.UTF-8")}, true},
        {"LC_MESSAGES before LANG",
         help,
         {QStringLiteral("LC_MESSAGES=en_GB.UTF-8"), QStringLiteral("LANG=zh_CN.UTF-8")},
         true},
        {"LC_ALL before the others",
         help,
         {QStringLiteral("LC_ALL=zh_CN.UTF-8"), QStringLiteral("LANG=en_US.UTF-8")},
         false},
        {"--lang zh over the locale", chinese + help, {QStringLiteral("LANG=en_US.UTF-8")}, false},
        {"LANG=de_DE.UTF-8", help, {QStringLiteral("LANG=de_DE.UTF-8")}, false},
    };
    for (const LanguageCase &c : cases) {
        const Outcome run = RunCli(c.Arguments, {}, c.Locale);
        const QString out = QString::fromUtf8(run.Out);
        EXPECT_EQ(run.Status, 0) << c.Name << run.Err.toStdString();
        EXPECT_EQ(out.contains(QStringLiteral("Usage: pendra-cli wage")), c.English) << c.Name;
        EXPECT_EQ(HasChinese(out.section(u'\n', 0, 3)), !c.English) << c.Name;
        EXPECT_TRUE(out.contains(QStringLiteral("--income"))) << c.Name;
    }
}

TEST(CliLanguage, JsonIsTheSameInBothLanguages) {
    const QStringList commands[] = {
        {QStringLiteral("wage"), QStringLiteral("--income"), QStringLiteral("20000"),
         QStringLiteral("--insurance"), QStringLiteral("2000"), QStringLiteral("--json")},
        {QStringLiteral("bonus"), QStringLiteral("--bonus"), QStringLiteral("38000"),
         QStringLiteral("--taxable"), QStringLiteral("100000"), QStringLiteral("--json")},
        {QStringLiteral("settle"), QStringLiteral("--wages"), QStringLiteral("200000"),
         QStringLiteral("--withheld"), QStringLiteral("10000"), QStringLiteral("--json")},
    };
    for (const QStringList &command : commands) {
        const Outcome chinese =
            RunCli(QStringList{QStringLiteral("--lang"), QStringLiteral("zh")} + command);
        const Outcome english = RunCli(command, {}, {QStringLiteral("LANG=en_US.UTF-8")});
        ASSERT_EQ(chinese.Status, 0) << chinese.Err.toStdString();
        EXPECT_EQ(english.Status, 0) << english.Err.toStdString();
        EXPECT_FALSE(chinese.Out.isEmpty());
        EXPECT_EQ(english.Out, chinese.Out) << command.join(u' ').toStdString();
    }
}

TEST(CliLanguage, AnUnknownLanguageIsRefused) {
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("wage")},
          QStringList{QStringLiteral("wage"), QStringLiteral("--lang")}}) {
        const Outcome run = RunCli(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.Err.contains(QStringLiteral("--lang"))) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
}

} // namespace
