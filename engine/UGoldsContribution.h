#pragma once
// What one monthly wage costs in social insurance and housing fund contributions, for the
// parameters of a city: the two contribution bases, each contribution of the employee and of the
// employer, their totals and the employer's whole outlay.

#include "engine/UGoldsSetupInfo.h"

struct TGoldsContribution {
    double SocialBase = 0;
    double FundBase = 0;
    double PPension = 0;
    double PMedical = 0;
    double PLostJob = 0;
    double PFund = 0;
    double PTotal = 0;
    double UPension = 0;
    double UMedical = 0;
    double ULostJob = 0;
    double Injury = 0;
    double GiveBirth = 0;
    double UFund = 0;
    double UTotal = 0;
    double UAll = 0;
};

namespace Golds {

// The wage held between the limits of a contribution base: Min below it, Max above it.
double ClampBase(double Wage, double Min, double Max);

// Rates are per cent of the base; nothing is rounded, so the amounts are shown as computed.
TGoldsContribution Contribute(const TGoldsSetupInfo &Setup, double Wage);

} // namespace Golds
