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
};

// The keys in the order they are written.
inline constexpr std::array<TField, 14> Fields{{
    {"PMin", &TGoldsSetupInfo::PMin},
    {"PMax", &TGoldsSetupInfo::PMax},
    {"SMin", &TGoldsSetupInfo::SMin},
    {"SMax", &TGoldsSetupInfo::SMax},
    {"PFund", &TGoldsSetupInfo::PFund},
    {"PMedical", &TGoldsSetupInfo::PMedical},
    {"PPension", &TGoldsSetupInfo::PPension},
    {"PLostJob", &TGoldsSetupInfo::PLostJob},
    {"UFund", &TGoldsSetupInfo::UFund},
    {"UMedical", &TGoldsSetupInfo::UMedical},
    {"UPension", &TGoldsSetupInfo::UPension},
    {"ULostJob", &TGoldsSetupInfo::ULostJob},
    {"Injury", &TGoldsSetupInfo::Injury},
    {"GiveBirth", &TGoldsSetupInfo::GiveBirth},
}};

// The parameters in the file's bytes; a missing key or a value that is not a number gives 0.
TGoldsSetupInfo Read(std::string_view Bytes);

// The file's bytes with the fourteen keys written; everything else in them is kept.
std::string Write(std::string_view Bytes, const TGoldsSetupInfo &Info);

} // namespace GoldsSetupIni
