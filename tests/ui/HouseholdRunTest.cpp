// The household page's work without the page: the two years and the household file read from
// real files in a temporary folder and the shared items split as pendra-cli splits them (its
// recorded `household --json` output in cli/golden/out), a person without a year, a household at
// fault and a request given up.

#include "engine/current/Money.h"
#include "pages/UHouseholdRun.h"
#include "sheets/HouseholdFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using HouseholdRun::Origin;

const QDir Golden(QStringLiteral(PENDRA_CLI_GOLDEN));

QByteArray ReadBytes(const QString &Path) {
    QFile file(Path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Path.toStdString();
    return file.readAll();
}

QString WriteFile(const QTemporaryDir &Dir, const QString &Name, const QByteArray &Bytes) {
    const QString path = Dir.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

QString Total(const QJsonObject &Recorded, const char *Choice) {
    return Recorded.value(QLatin1String(Choice)).toObject().value(u"total").toString();
}

QString Total(const current::HouseholdChoice &Choice) {
    return QString::fromStdString(current::FormatCents(Choice.Total));
}

// Refused: the household file is, when read; Fault: the household made of the parts is.
enum class Expect { Split, Incomplete, Refused, Fault, Cancelled };

struct RunCase {
    const char *Name;
    const char *Household;  // golden/in/<Household>.json: the two years and the shared items
    bool YearFiles = false; // a's and b's years from files of their own, not the household file
    bool WithoutB = false;  // b has no year anywhere
    // The shared items handed over, golden/in/<SharedFrom>.json's; else the household file's.
    const char *SharedFrom = nullptr;
    bool Cancelled = false;
    Expect Outcome = Expect::Split;
    // The split: golden/out/<Recorded>.out of pendra-cli; the fault: its key path.
    const char *Recorded = "";
};

const RunCase Cases[] = {
    {.Name = "the household file alone",
     .Household = "household-readme",
     .Recorded = "household_readme_json"},
    {.Name = "year files beside the household's shared items",
     .Household = "household-rent",
     .YearFiles = true,
     .Recorded = "household_rent_json"},
    {.Name = "year files and the shared items handed over",
     .Household = "household-readme",
     .YearFiles = true,
     .SharedFrom = "household-readme",
     .Recorded = "household_readme_json"},
    {.Name = "b without a year",
     .Household = "household-readme",
     .YearFiles = true,
     .WithoutB = true,
     .SharedFrom = "household-readme",
     .Outcome = Expect::Incomplete},
    {.Name = "a household file of two tax years",
     .Household = "household-bad-year",
     .Outcome = Expect::Refused},
    {.Name = "year files of two tax years",
     .Household = "household-bad-year",
     .YearFiles = true,
     .SharedFrom = "household-readme",
     .Outcome = Expect::Fault,
     .Recorded = "b.year"},
    {.Name = "given up before the split",
     .Household = "household-readme",
     .Cancelled = true,
     .Outcome = Expect::Cancelled},
};

TEST(HouseholdRun, SplitsAsTheCommandLineOrSaysWhyNot) {
    for (const RunCase &c : Cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QByteArray bytes =
            ReadBytes(Golden.filePath(QStringLiteral("in/%1.json").arg(c.Household)));
        const QString household = WriteFile(dir, QStringLiteral("家庭.json"), bytes);
        const QJsonObject whole = QJsonDocument::fromJson(bytes).object();

        HouseholdRun::Request request;
        if (c.YearFiles) {
            request.A.Path = WriteFile(dir, QStringLiteral("a.json"),
                                       QJsonDocument(whole.value(u"a").toObject()).toJson());
            if (!c.WithoutB)
                request.B.Path = WriteFile(dir, QStringLiteral("b.json"),
                                           QJsonDocument(whole.value(u"b").toObject()).toJson());
        }
        if (c.SharedFrom) {
            const sheets::HouseholdRead read = sheets::ReadHouseholdFile(
                Golden.filePath(QStringLiteral("in/%1.json").arg(c.SharedFrom)));
            ASSERT_TRUE(read.Facts) << read.Error.toStdString();
            request.Shared = read.Facts->Shared;
        } else {
            request.HouseholdPath = household;
            request.TakeShared = true;
        }
        const std::atomic<bool> cancelled{c.Cancelled};
        const HouseholdRun::Outcome out = HouseholdRun::Compute(request, cancelled);

        EXPECT_EQ(out.Split.has_value(), c.Outcome == Expect::Split);
        EXPECT_EQ(out.Incomplete, c.Outcome == Expect::Incomplete);
        EXPECT_EQ(out.Cancelled, c.Outcome == Expect::Cancelled);
        EXPECT_EQ(out.Error.isEmpty(), c.Outcome == Expect::Split || c.Outcome == Expect::Cancelled)
            << out.Error.toStdString();
        EXPECT_EQ(out.FaultPath, c.Outcome == Expect::Fault ? c.Recorded : "");
        if (c.Outcome == Expect::Refused) {
            EXPECT_TRUE(out.Error.contains(QStringLiteral("家庭.json"))) << out.Error.toStdString();
        }
        if (!out.Split)
            continue;
        EXPECT_EQ(out.FromA, c.YearFiles ? Origin::YearFile : Origin::HouseholdFile);
        EXPECT_EQ(out.ReadB.has_value(), c.YearFiles);
        const QJsonObject recorded =
            QJsonDocument::fromJson(
                ReadBytes(Golden.filePath(QStringLiteral("out/%1.out").arg(c.Recorded))))
                .object();
        ASSERT_FALSE(recorded.isEmpty());
        EXPECT_EQ(Total(out.Split->Best), Total(recorded, "best"));
        EXPECT_EQ(Total(out.Split->Worst), Total(recorded, "worst"));
        EXPECT_EQ(Total(out.Split->AllToA), Total(recorded, "all_to_a"));
        EXPECT_EQ(Total(out.Split->AllToB), Total(recorded, "all_to_b"));
        EXPECT_EQ(static_cast<int>(out.Split->Combinations),
                  recorded.value(u"combinations").toInt());
    }
}

} // namespace
