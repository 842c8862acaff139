#pragma once
// The rules the program computes a year under: the law's own (RulesOf), unless a test has put
// other rules in their place to see what a change of law does to every page and command. Only
// tests reach the stand-in: the engine and window tests in their own process, and pendra-cli's
// tests through a variable that only a test build reads (cli/main.cpp). Nothing a user types,
// opens or saves changes the law.

#include "engine/current/Rules.h"

namespace current {

// RulesOf(Year), or the rules standing in for that year's.
const YearRules *RulesInUse(int Year);
// The same for the latest year the program knows.
const YearRules &LatestRulesInUse();

// While it lives, Rules stand in for the law of Rules.Year. One at a time.
class RulesStandIn {
  public:
    explicit RulesStandIn(const YearRules &Rules);
    ~RulesStandIn();
    RulesStandIn(const RulesStandIn &) = delete;
    RulesStandIn &operator=(const RulesStandIn &) = delete;

  private:
    YearRules Rules;
};

} // namespace current
