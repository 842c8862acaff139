#pragma once

// Social insurance and housing fund parameters of one city: the contribution base limits in yuan
// per month and the contribution rates in per cent (8 means 8 %).
struct TGoldsSetupInfo {
    double PMin = 0;
    double PMax = 0;
    double SMin = 0;
    double SMax = 0;
    double PFund = 0;
    double PMedical = 0;
    double PPension = 0;
    double PLostJob = 0;
    double UFund = 0;
    double UMedical = 0;
    double UPension = 0;
    double ULostJob = 0;
    double Injury = 0;
    double GiveBirth = 0;
};
