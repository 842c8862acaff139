#pragma once
// The year of the README's example, which the command-line and the window tests both compute: a
// raise in July, a child turning 3 in the year, a certificate in June and pension in December,
// one employer.

inline constexpr char ReadmeYearJson[] = R"({
  "year": 2026,
  "jobs": [
    { "employer": "甲公司", "from": 1, "to": 12, "mode": "按月", "deductions_here": true,
      "pay": [ { "from": 1, "income": 20000, "exempt": 0, "insurance": 2000, "other": 0 },
               { "from": 7, "income": 25000, "insurance": 2500 } ] } ],
  "children": [ { "born": "2023-05-10", "share": 100, "education_end": "2041-06" } ],
  "elderly": { "parents_born": ["1966-03-15"], "only_child": false, "share": 1500 },
  "housing_loan": { "first_repayment": "2015-03", "share": 100 },
  "degree_study": [ { "from": "2024-09", "to": "2027-06" } ],
  "certificates": ["2026-06"],
  "illness": [ { "who": "本人", "paid": 30000 }, { "who": "子女", "paid": 50000 } ],
  "pension": [ { "month": 12, "amount": 12000 } ],
  "health_insurance": [ { "from": 1, "to": 12, "monthly": 200 } ],
  "payments": [ { "month": 5, "kind": "labour", "amount": 8000 } ],
  "bonus": { "month": 1, "amount": 40000, "employer": "甲公司" },
  "bonus_method": "best"
})";
