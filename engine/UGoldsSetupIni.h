#pragma once
// The social insurance parameters as they stand in the parameter file: one section, whose name is
// "五险一金" in GBK bytes (the file is read and written by programs running in the Chinese Windows
// code page), and fourteen keys named after the fields, values in the general number form.

#include "engine/UGoldsSetupInfo.h"

#include <array>
#include <string>
#include <string_view>

namespace GoldsSetupIni {

// 五 CE E5, 险 CF D5, 一 D2 BB, 金 BD F0.
inline constexpr std::string_view SectionName = "\xCE\xE5\xCF\xD5\xD2\xBB\xBD\xF0";

struct TField {
    std::string_view Key;
    double TGoldsSetupInfo::*Member;
    bool IsRate; // per cent, else a limit in yuan
};

// The keys in the order they are written.
inline constexpr std::array<TField, 14> Fields{{
    {"PMin", &TGoldsSetupInfo::PMin, false},
    {"PMax", &TGoldsSetupInfo::PMax, false},
    {"SMin", &TGoldsSetupInfo::SMin, false},
    {"SMax", &TGoldsSetupInfo::SMax, false},
    {"PFund", &TGoldsSetupInfo::PFund, true},
    {"PMedical", &TGoldsSetupInfo::PMedical, true},
    {"PPension", &TGoldsSetupInfo::PPension, true},
    {"PLostJob", &TGoldsSetupInfo::PLostJob, true},
    {"UFund", &TGoldsSetupInfo::UFund, true},
    {"UMedical", &TGoldsSetupInfo::UMedical, true},
    {"UPension", &TGoldsSetupInfo::UPension, true},
    {"ULostJob", &TGoldsSetupInfo::ULostJob, true},
    {"Injury", &TGoldsSetupInfo::Injury, true},
    {"GiveBirth", &TGoldsSetupInfo::GiveBirth, true},
}};

// The parameters in the file's bytes. A missing key gives 0, and so does a value that is no
// sane amount: not a number, an amount the pages would refuse (NumText::ParseAmount), or a rate
// over 100 per cent. So every contribution computed from the parameters stays finite.
TGoldsSetupInfo Read(std::string_view Bytes);

// The file's bytes with the fourteen keys written; everything else in them is kept.
std::string Write(std::string_view Bytes, const TGoldsSetupInfo &Info);

} // namespace GoldsSetupIni
