#pragma once
// The year of the benchmarks: three jobs (two in turn deducting the person's deductions, a third
// beside them), four children (one turning 3, one born in the year), parents turning 60, two
// leases, a degree course, certificates, illness of three people, pension in two payments,
// health insurance, remuneration of every kind and the annual bonus.

inline constexpr const char *BusyYear = R"({
  "year": 2026,
  "jobs": [
    { "employer": "甲公司", "from": 1, "to": 6, "mode": "自1月",
      "pay": [ { "from": 1, "income": 28000, "exempt": 300, "insurance": 3200, "other": 100 },
               { "from": 4, "income": 31000.5, "insurance": 3500 } ] },
    { "employer": "乙公司", "from": 7, "to": 12,
      "pay": [ { "from": 7, "income": 35000, "insurance": 3800 },
               { "from": 10, "income": 38000, "insurance": 4100 } ] },
    { "employer": "丙顾问", "from": 3, "to": 12, "deductions_here": false,
      "pay": [ { "from": 3, "income": 6000, "insurance": 0 } ] } ],
  "children": [ { "born": "2012-09-01", "share": 50 },
                { "born": "2016-02-14", "share": 100, "education_end": "2030-06" },
                { "born": "2023-10-03", "share": 100 },
                { "born": "2026-04-20", "share": 50 } ],
  "elderly": { "parents_born": ["1966-08-30", "1968-01-12"], "only_child": false, "share": 1500 },
  "rent": [ { "from": "2025-09", "to": "2026-08", "amount": 1500 },
            { "from": "2026-08", "to": "2027-07", "amount": 1100 } ],
  "degree_study": [ { "from": "2023-09", "to": "2027-06" } ],
  "certificates": ["2026-11", "2026-06"],
  "illness": [ { "who": "本人", "paid": 22000 }, { "who": "配偶", "paid": 98000 },
               { "who": "子女", "paid": 41000 } ],
  "pension": [ { "month": 6, "amount": 5000 }, { "month": 12, "amount": 9000 } ],
  "health_insurance": [ { "from": 1, "to": 12, "monthly": 150 }, { "from": 7, "to": 12, "monthly": 100 } ],
  "payments": [ { "month": 3, "kind": "labour", "amount": 3500 },
                { "month": 5, "kind": "labour", "amount": 26000 },
                { "month": 8, "kind": "author", "amount": 12000 },
                { "month": 11, "kind": "royalty", "amount": 50000 } ],
  "bonus": { "month": 1, "amount": 60000, "employer": "甲公司" },
  "bonus_method": "best"
}
)";
