#include "pages/UHouseholdRun.h"

#include "engine/current/HouseholdClaims.h"

#include "sheets/FaultWords.h"
#include "sheets/FileFaults.h"
#include "sheets/HouseholdFile.h"
#include "sheets/JsonFile.h"
#include "sheets/SafeFile.h"
#include "sheets/YearFile.h"

#include <QCoreApplication>
#include <QFile>

namespace HouseholdRun {
namespace {

using current::Placement;
using current::YearFacts;

class Words {
    Q_DECLARE_TR_FUNCTIONS(HouseholdRun)
};

bool SameFile(const QString &First, const QString &Second) {
    return !First.isEmpty() && !Second.isEmpty() && sheets::SameFileOnDisk(First, Second);
}

// The own facts in place of what the page wrote into Path, while the file still holds that.
bool PutBackOwn(YearFacts &Facts, const QString &Path, const std::vector<WrittenBack> &Written) {
    for (const WrittenBack &written : Written) {
        if (written.Written == Facts && (written.Path == Path || SameFile(written.Path, Path))) {
            Facts = written.Own;
            return true;
        }
    }
    return false;
}

struct Person {
    YearFacts Facts;
    YearFacts AsRead; // before the own facts were put back
    Origin From = Origin::YearFile;
    std::optional<YearFacts> Read;
    bool Restored = false;
};

// The person's year from its source; none with Error set when its file is at fault.
std::optional<Person> Take(const YearSource &Source, const std::optional<current::Household> &File,
                           const YearFacts current::Household::*Side, const Request &R,
                           QString &Error) {
    Person person;
    if (Source.Facts) {
        person.Facts = *Source.Facts;
        person.From = Origin::Held;
    } else if (!Source.Path.isEmpty()) {
        const sheets::YearRead read = sheets::ReadYearFile(Source.Path);
        if (!read.Facts) {
            Error = read.Error;
            return std::nullopt;
        }
        person.Facts = *read.Facts;
        person.Read = read.Facts;
    } else {
        person.Facts = (*File).*Side;
        person.AsRead = person.Facts;
        person.From = Origin::HouseholdFile;
        return person;
    }
    person.AsRead = person.Facts;
    person.Restored = PutBackOwn(person.Facts, Source.Path, R.Written);
    return person;
}

bool FromHouseholdFile(const YearSource &Source) {
    return !Source.Facts && Source.Path.isEmpty();
}

} // namespace

Outcome Compute(const Request &R, const std::atomic<bool> &Cancelled) {
    Outcome out;
    const bool needsFile = FromHouseholdFile(R.A) || FromHouseholdFile(R.B) || R.TakeShared;
    std::optional<current::Household> file;
    if (needsFile && !R.HouseholdPath.isEmpty()) {
        sheets::HouseholdRead read = sheets::ReadHouseholdFile(R.HouseholdPath);
        if (!read.Facts) {
            out.Error = read.Error;
            return out;
        }
        file = std::move(read.Facts);
    }
    if (!file && (FromHouseholdFile(R.A) || FromHouseholdFile(R.B))) {
        out.Incomplete = true;
        out.Error = FromHouseholdFile(R.A)
                        ? Words::tr("请选择 a 的年度文件，或含 a、b 两人年度的家庭文件。")
                        : Words::tr("请选择 b 的年度文件，或含 a、b 两人年度的家庭文件。");
        return out;
    }
    if (SameFile(R.A.Path, R.B.Path)) {
        out.Error = Words::tr("a 和 b 选的是同一个年度文件：两人应各有自己的年度文件。");
        return out;
    }
    const auto a = Take(R.A, file, &current::Household::A, R, out.Error);
    if (!a)
        return out;
    const auto b = Take(R.B, file, &current::Household::B, R, out.Error);
    if (!b)
        return out;
    out.Household = {a->Facts, b->Facts, R.Shared};
    out.FromA = a->From;
    out.FromB = b->From;
    out.ReadA = a->Read;
    out.ReadB = b->Read;
    out.RestoredA = a->Restored;
    out.RestoredB = b->Restored;
    if (R.TakeShared && file) {
        out.SharedTaken = file->Shared;
        out.Household.Shared = file->Shared;
    }
    // Who claims each item now, as the file says, while the page splits the file's own items;
    // else as the two years claim them, items the years hold taken out of them (a year written
    // back by the page holds what it was given, which says who claims what as well).
    if (file && out.Household.Shared == file->Shared)
        out.Household.Now = file->Now;
    current::ClaimsInYears claims = current::TakeClaims(a->AsRead, b->AsRead, out.Household.Shared);
    if (claims.Found) {
        if (!a->Restored)
            out.Household.A = std::move(claims.Own.A);
        if (!b->Restored)
            out.Household.B = std::move(claims.Own.B);
        if (!out.Household.Now) {
            out.Household.Now = claims.Now;
            out.NowFromYears = claims.Now.has_value();
        }
        out.ClaimedInYears = true;
    }
    if (const auto fault = current::CheckHousehold(out.Household)) {
        out.Error = sheets::HouseholdFaultText(*fault);
        out.FaultPath = fault->Path;
        return out;
    }
    out.Split = current::SplitHousehold(out.Household, Cancelled);
    if (!out.Split) {
        out.Cancelled = true;
        return out;
    }
    return out;
}

namespace {

// What stands at a target before it is written: its bytes, to put back should the other write
// fail. None for a target not there yet.
struct Before {
    bool Existed = false;
    QByteArray Bytes;
};

// Why Target cannot be written now, or empty.
QString Unwritable(const Target &T, Before &Seen) {
    if (T.Expected) {
        const sheets::YearRead read = sheets::ReadYearFile(T.Path);
        if (!read.Facts || *read.Facts != *T.Expected)
            return Words::tr("文件“%1”在计算之后已被改动或已无法读取：请重新计算后再写回。")
                .arg(T.Path);
    }
    if (const auto refused = sheets::Replacement(T.Path).Refused())
        return sheets::RefusalText(T.Path, *refused);
    Seen.Existed = QFile::exists(T.Path);
    if (Seen.Existed) {
        QString error;
        const auto bytes = sheets::json::ReadRegular(T.Path, sheets::MaxYearFileSize,
                                                     Words::tr("年度文件"), error);
        if (!bytes)
            return error;
        Seen.Bytes = *bytes;
    }
    return {};
}

bool PutBack(const QString &Path, const Before &Seen) {
    if (!Seen.Existed)
        return QFile::remove(Path);
    sheets::Replacement file(Path);
    return file.Create() && file.File().write(Seen.Bytes) == Seen.Bytes.size() && file.Commit();
}

} // namespace

WriteOutcome WriteBoth(const Target &A, const Target &B, const QString &Household) {
    if (A.Path == B.Path || SameFile(A.Path, B.Path))
        return {Words::tr("a 和 b 不能写进同一个年度文件。")};
    for (const Target *target : {&A, &B}) {
        if (!Household.isEmpty() &&
            (target->Path == Household || SameFile(target->Path, Household)))
            return {Words::tr("不能把年度写在家庭文件“%1”上：请另选文件名。").arg(Household)};
    }
    Before beforeA, beforeB;
    for (const auto &[target, seen] : {std::pair{&A, &beforeA}, std::pair{&B, &beforeB}}) {
        if (QString why = Unwritable(*target, *seen); !why.isEmpty())
            return {Words::tr("未写回任何文件。%1").arg(why)};
    }
    if (QString why = sheets::WriteYearFile(A.Path, A.Facts); !why.isEmpty())
        return {Words::tr("未写回任何文件。%1").arg(why)};
    if (QString why = sheets::WriteYearFile(B.Path, B.Facts); !why.isEmpty()) {
        if (PutBack(A.Path, beforeA))
            return {Words::tr("未写回任何文件（a 的文件已恢复原样）。%1").arg(why)};
        return {Words::tr("a 的文件“%1”已写回，b 的未能写回：%2").arg(A.Path, why)};
    }
    return {};
}

} // namespace HouseholdRun
