#include "engine/UGoldsContribution.h"

namespace Golds {
namespace {

double Share(double Rate, double Base) {
    return Rate * Base * 0.01;
}

void AddEmployee(TGoldsContribution &c, const TGoldsSetupInfo &s) {
    c.PPension = Share(s.PPension, c.SocialBase);
    c.PMedical = Share(s.PMedical, c.SocialBase);
    c.PLostJob = Share(s.PLostJob, c.SocialBase);
    c.PFund = Share(s.PFund, c.FundBase);
    c.PTotal = c.PPension + c.PMedical + c.PLostJob + c.PFund;
}

void AddEmployer(TGoldsContribution &c, const TGoldsSetupInfo &s) {
    c.UPension = Share(s.UPension, c.SocialBase);
    c.UMedical = Share(s.UMedical, c.SocialBase);
    c.ULostJob = Share(s.ULostJob, c.SocialBase);
    c.Injury = Share(s.Injury, c.SocialBase);
    c.GiveBirth = Share(s.GiveBirth, c.SocialBase);
    c.UFund = Share(s.UFund, c.FundBase);
    c.UTotal = c.UPension + c.UMedical + c.ULostJob + c.Injury + c.GiveBirth + c.UFund;
}

} // namespace

double ClampBase(double Wage, double Min, double Max) {
    if (Wage < Min)
        return Min;
    if (Wage > Max)
        return Max;
    return Wage;
}

TGoldsContribution Contribute(const TGoldsSetupInfo &Setup, double Wage) {
    TGoldsContribution c;
    c.SocialBase = ClampBase(Wage, Setup.SMin, Setup.SMax);
    c.FundBase = ClampBase(Wage, Setup.PMin, Setup.PMax);
    AddEmployee(c, Setup);
    AddEmployer(c, Setup);
    c.UAll = Wage + c.UTotal;
    return c;
}

} // namespace Golds
