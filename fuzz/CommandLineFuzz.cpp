// The command line's option readers over any arguments (the input split at its zero bytes): the
// language option taken out wherever it stands, then a command's options read as pendra-cli wage
// reads them. Nothing crashes or takes long; --lang never stays among the arguments before "--";
// every message is one short line without a control character; an amount read is within the
// largest amount and not below zero unless allowed.

#include "FuzzCheck.h"
#include "cli/CommandLine.h"
#include "cli/Output.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    static QString said;
    static const bool once = [] {
        Cli::DivertPrinting([](const QString &Text, bool Error) {
            if (Error)
                said += Text;
        });
        return true;
    }();
    (void)once;
    said.clear();
    const QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    QStringList arguments;
    for (const QByteArray &piece : bytes.split('\0'))
        arguments.append(QString::fromUtf8(piece));
    const FuzzClock clock;

    QString given;
    bool repeated = false;
    const auto language = Cli::TakeLanguage(arguments, given, repeated);
    FUZZ_CHECK(!(repeated && language), "a language from --lang given twice");
    if (language && !repeated) {
        for (const QString &argument : arguments) {
            if (argument == QLatin1String("--"))
                break;
            FUZZ_CHECK(argument != QLatin1String("--lang") &&
                           !argument.startsWith(QLatin1String("--lang=")),
                       "--lang left among the arguments");
        }
    }

    Cli::CommandLine line(QStringLiteral("wage"), QStringLiteral("summary"), {});
    line.AddAmount(QStringLiteral("income"), QStringLiteral("income"));
    line.AddAmount(QStringLiteral("adjust"), QStringLiteral("adjust"), true);
    line.AddValue(QStringLiteral("mode"), QStringLiteral("mode"), QStringLiteral("mode"));
    line.AddValue(u'o', QStringLiteral("output"), QStringLiteral("file"), QStringLiteral("file"));
    line.AddFlag(QStringLiteral("intern"), QStringLiteral("intern"));
    line.AddPositional(QStringLiteral("file"), QStringLiteral("file"));
    line.AddMonthRange();
    const std::optional<int> status = line.Parse(arguments);
    if (!status) {
        for (const char *name : {"income", "adjust"}) {
            const current::Cents amount = line.Amount(QLatin1String(name));
            FUZZ_CHECK(amount <= current::LargestInputCents &&
                           amount >= -current::LargestInputCents,
                       "%s %lld", name, static_cast<long long>(amount));
        }
        FUZZ_CHECK(line.Amount(QStringLiteral("income")) >= 0, "income below zero");
        int first = 0, last = 0;
        if (!line.ReadMonthRange(first, last))
            FUZZ_CHECK(1 <= first && first <= last && last <= 12, "months %d to %d", first, last);
    }
    FUZZ_CHECK(said.size() <= MaxMessageLength, "a message of %lld characters",
               static_cast<long long>(said.size()));
    FUZZ_CHECK(said.isEmpty() || said.indexOf(u'\n') == said.size() - 1,
               "a message of more than one line: %s", qPrintable(said));
    for (const QChar c : said)
        FUZZ_CHECK(
            c == u'\n' || (c.unicode() >= 0x20 && (c.unicode() < 0x7f || c.unicode() > 0x9f)),
            "control U+%04x in \"%s\"", static_cast<unsigned>(c.unicode()), qPrintable(said));
    FUZZ_CHECK(clock.Seconds() < 1, "%zu bytes in %.2f s", Size, clock.Seconds());
    return 0;
}
