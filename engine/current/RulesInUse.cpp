#include "engine/current/RulesInUse.h"

#include <atomic>

namespace current {
namespace {

// Read by the household split's worker threads too.
std::atomic<const YearRules *> StandIn{nullptr};

} // namespace

const YearRules *RulesInUse(int Year) {
    const YearRules *standIn = StandIn.load();
    return standIn && standIn->Year == Year ? standIn : RulesOf(Year);
}

const YearRules &LatestRulesInUse() {
    return *RulesInUse(LatestRules().Year);
}

RulesStandIn::RulesStandIn(const YearRules &Rules) : Rules(Rules) {
    StandIn.store(&this->Rules);
}

RulesStandIn::~RulesStandIn() {
    StandIn.store(nullptr);
}

} // namespace current
