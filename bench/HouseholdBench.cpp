// The household split of a busy couple: four children, a loan of two homes bought before the
// marriage and three illness entries shared, 3^4 × 3 × 2^3 = 1944 assignments. And the largest
// household the limits allow: two year files of every list at its most (a hundred jobs, a thousand
// entries of each other kind, under the year file's 1 MiB) and 19683 assignments, nine children
// shared or seven children, two leases and an illness. Goals (bench/README.md): under 200 ms for
// the busy couple, under 0.3 s for the largest, as a page or pendra-cli runs the split; the plain
// way (both whole years computed for every assignment) beside it for scale.

#include "engine/current/Household.h"
#include "sheets/HouseholdFile.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// a: two jobs in turn with a raise, the bonus, remuneration, pension and health insurance. b: one
// job, parents past 60, a degree course, illness of their own.
constexpr const char *BusyHousehold = R"({
"a": { "year": 2026,
  "jobs": [ { "employer": "甲公司", "from": 1, "to": 6, "mode": "自1月",
              "pay": [ { "from": 1, "income": 18000, "insurance": 2100 },
                       { "from": 4, "income": 21000, "insurance": 2400 } ] },
            { "employer": "乙公司", "from": 7, "to": 12,
              "pay": [ { "from": 7, "income": 26000, "insurance": 2900 } ] } ],
  "pension": [ { "month": 12, "amount": 12000 } ],
  "health_insurance": [ { "from": 1, "to": 12, "monthly": 200 } ],
  "payments": [ { "month": 5, "kind": "labour", "amount": 26000 },
                { "month": 9, "kind": "author", "amount": 12000 } ],
  "bonus": { "month": 1, "amount": 50000, "employer": "甲公司" } },
"b": { "year": 2026,
  "jobs": [ { "employer": "丙医院",
              "pay": [ { "from": 1, "income": 11000, "insurance": 1250 },
                       { "from": 10, "income": 12500, "insurance": 1400 } ] } ],
  "elderly": { "parents_born": ["1962-08-30", "1964-01-12"], "only_child": false, "share": 1500 },
  "degree_study": [ { "from": "2024-09", "to": "2027-06" } ],
  "illness": [ { "who": "本人", "paid": 22000 } ],
  "bonus": { "month": 2, "amount": 20000, "employer": "丙医院" } },
"shared": {
  "children": [ { "born": "2012-09-01", "education_end": null },
                { "born": "2016-02-14" },
                { "born": "2023-10-03" },
                { "born": "2026-04-20" } ],
  "housing_loan": { "first_repayment": "2019-05", "both_before_marriage": true },
  "illness": [ { "who": "子女", "paid": 41000 }, { "who": "子女", "paid": 18000 },
               { "who": "配偶", "paid": 98000 } ] }
})";

current::Household Parsed(const QByteArray &Bytes, const char *Name) {
    sheets::HouseholdRead read = sheets::ParseHouseholdFile(Bytes);
    if (!read.Facts) {
        std::fprintf(stderr, "the %s household is refused: %s\n", Name,
                     read.Error.toUtf8().constData());
        std::exit(1);
    }
    return *read.Facts;
}

const current::Household &Busy() {
    static const current::Household household = Parsed(BusyHousehold, "busy");
    return household;
}

// A year file with every list at its most: 100 jobs of 12 pay entries (one deducting), 1000 each
// of pension, health insurance and payments, and 990 children (grown up) and illness entries, so
// that with the shared items the lists stay within 1000; Seed varies the amounts.
QString LargestYear(int Seed) {
    QStringList jobs;
    for (int j = 0; j < 100; ++j) {
        QStringList pay;
        for (int m = 1; m <= 12; ++m)
            pay << QStringLiteral(R"({"from":%1,"income":%2,"insurance":%3})")
                       .arg(m)
                       .arg(3000 + (j * 37 + m * 11 + Seed) % 900)
                       .arg(100 + (j + m + Seed) % 50);
        jobs << QStringLiteral(R"({"employer":"E%1","deductions_here":%2,"pay":[%3]})")
                    .arg(j)
                    .arg(j == 0 ? "true" : "false", pay.join(u','));
    }
    QStringList children, illness, pension, health, payments;
    const char *kinds[] = {"labour", "author", "royalty"};
    const char *who[] = {"本人", "配偶", "子女"};
    for (int i = 0; i < 1000; ++i) {
        // A person's list with the shared items it may take stays within 1000 entries.
        const bool room = i < 1000 - 10;
        // Grown up: their education ended before the year, so that the split still matters.
        if (room)
            children << QStringLiteral(R"({"born":"%1-%2-%3","share":50,"education_end":"%4-06"})")
                            .arg(1960 + i % 40)
                            .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                            .arg(1 + (i / 12) % 28, 2, 10, QLatin1Char('0'))
                            .arg(1982 + i % 40);
        if (room)
            illness << QStringLiteral(R"({"who":"%1","paid":%2})")
                           .arg(QString::fromUtf8(who[i % 3]))
                           .arg(100 + (i * 7 + Seed) % 300);
        pension << QStringLiteral(R"({"month":%1,"amount":%2})").arg(1 + i % 12).arg(10 + i % 7);
        health
            << QStringLiteral(R"({"from":%1,"to":12,"monthly":%2})").arg(1 + i % 12).arg(1 + i % 5);
        payments << QStringLiteral(R"({"month":%1,"kind":"%2","amount":%3})")
                        .arg(1 + i % 12)
                        .arg(QLatin1String(kinds[i % 3]))
                        .arg(500 + (i * 13 + Seed) % 5000);
    }
    return QStringLiteral(R"({"year":2026,"jobs":[%1],"children":[%2],"illness":[%3],)"
                          R"("pension":[%4],"health_insurance":[%5],"payments":[%6],)"
                          R"("bonus":{"month":1,"amount":%7,"employer":"E0"}})")
        .arg(jobs.join(u','), children.join(u','), illness.join(u','), pension.join(u','),
             health.join(u','), payments.join(u','))
        .arg(30000 + Seed);
}

QByteArray LargestHousehold(const char *Shared) {
    const QString text = QStringLiteral(R"({"a":%1,"b":%2,"shared":%3})")
                             .arg(LargestYear(0), LargestYear(1), QString::fromUtf8(Shared));
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > sheets::MaxHouseholdFileSize) {
        std::fprintf(stderr, "the largest household is %lld bytes, over the limit\n",
                     static_cast<long long>(bytes.size()));
        std::exit(1);
    }
    return bytes;
}

// Nine children: 3^9 = 19683 assignments, the most under MaxCombinations.
constexpr const char *NineChildren = R"({"children":[
    {"born":"2010-01-05"},{"born":"2011-02-05"},{"born":"2012-03-05"},{"born":"2014-04-05"},
    {"born":"2016-05-05"},{"born":"2018-06-05"},{"born":"2020-07-05"},{"born":"2023-08-05"},
    {"born":"2026-09-05"}]})";
// Seven children, two leases both signed and the spouse's illness: 3^7 × 2 × 2 × 2 = 17496, every
// kind of item the split moves and the rent's months taken the larger of two leases.
constexpr const char *EveryKind = R"({"children":[
    {"born":"2010-01-05"},{"born":"2011-02-05"},{"born":"2012-03-05"},{"born":"2014-04-05"},
    {"born":"2016-05-05"},{"born":"2018-06-05"},{"born":"2026-09-05"}],
  "rent":[{"from":"2026-01","to":"2026-08","amount":1500,"signed_by":"both"},
          {"from":"2026-06","to":"2026-12","amount":1100,"signed_by":"both"}],
  "illness":[{"who":"配偶","paid":60000}]})";

const current::Household &Largest(int Which) {
    static const current::Household nine =
        Parsed(LargestHousehold(NineChildren), "largest (nine children)");
    static const current::Household every =
        Parsed(LargestHousehold(EveryKind), "largest (every kind)");
    return Which == 0 ? nine : every;
}

void SplitHousehold(benchmark::State &State) {
    const current::Household &household = Busy();
    for (auto _ : State)
        benchmark::DoNotOptimize(current::SplitHousehold(household));
    State.counters["assignments"] =
        static_cast<double>(current::CountAssignments(household.Shared));
}
BENCHMARK(SplitHousehold)->Unit(benchmark::kMillisecond);

// The largest households: 0 nine children, 1 every kind of item.
void SplitLargest(benchmark::State &State) {
    const current::Household &household = Largest(static_cast<int>(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(current::SplitHousehold(household));
    State.counters["assignments"] =
        static_cast<double>(current::CountAssignments(household.Shared));
}
BENCHMARK(SplitLargest)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The plain way, for scale: both whole years computed anew for every assignment, the least total
// kept, as the split was made before it computed once what the shared items do not change.
void SplitLargestPlainly(benchmark::State &State) {
    const current::Household &h = Largest(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        current::HouseholdAssignment walk = current::AllToA(h.Shared);
        current::Cents least = -1;
        // The children's places only (every kind's leases and illness stay with a): a lower
        // bound of the plain way's time for the second household.
        std::vector<int> digits(walk.Children.size(), 0);
        for (;;) {
            const current::CoupleFacts couple = current::ApplyAssignment(h, walk);
            const current::Cents total = current::ComputeYear(couple.A).Settled.Figures.TotalTax +
                                         current::ComputeYear(couple.B).Settled.Figures.TotalTax;
            if (least < 0 || total < least)
                least = total;
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == 2)
                digits[--i] = 0;
            if (i == 0)
                break;
            ++digits[i - 1];
            for (std::size_t c = 0; c < digits.size(); ++c)
                walk.Children[c] = static_cast<current::Placement>(digits[c]);
        }
        benchmark::DoNotOptimize(least);
    }
}
BENCHMARK(SplitLargestPlainly)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

// What pendra-cli household does between reading the file and printing: parse, check, split.
void ParseCheckAndSplit(benchmark::State &State) {
    const QByteArray bytes(BusyHousehold);
    for (auto _ : State) {
        const sheets::HouseholdRead read = sheets::ParseHouseholdFile(bytes);
        benchmark::DoNotOptimize(current::SplitHousehold(*read.Facts));
    }
}
BENCHMARK(ParseCheckAndSplit)->Unit(benchmark::kMillisecond);

// The same for the largest household file (nine children), as pendra-cli household does it.
void ParseCheckAndSplitLargest(benchmark::State &State) {
    const QByteArray bytes = LargestHousehold(NineChildren);
    for (auto _ : State) {
        const sheets::HouseholdRead read = sheets::ParseHouseholdFile(bytes);
        benchmark::DoNotOptimize(current::SplitHousehold(*read.Facts));
    }
    State.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(ParseCheckAndSplitLargest)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
