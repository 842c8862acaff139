#include "engine/UGoldsSetupIni.h"

#include "engine/UIniText.h"
#include "engine/UNumText.h"

namespace GoldsSetupIni {
namespace {

std::array<std::string_view, Fields.size()> Keys() {
    std::array<std::string_view, Fields.size()> keys{};
    for (std::size_t i = 0; i < Fields.size(); ++i)
        keys[i] = Fields[i].Key;
    return keys;
}

// The value as written, not rounded to cents; 0 for anything that is no sane amount.
double SaneValue(const TField &field, std::string_view text) {
    const auto number = NumText::ParseNumber(text);
    if (!number || !NumText::ParseAmount(text) || (field.IsRate && *number > 100))
        return 0;
    return *number;
}

} // namespace

TGoldsSetupInfo Read(std::string_view Bytes) {
    const auto keys = Keys();
    const auto values = IniText::ReadSection(Bytes, SectionName, keys);
    TGoldsSetupInfo info;
    for (std::size_t i = 0; i < Fields.size(); ++i)
        info.*Fields[i].Member = values[i] ? SaneValue(Fields[i], *values[i]) : 0;
    return info;
}

std::string Write(std::string_view Bytes, const TGoldsSetupInfo &Info) {
    std::array<IniText::TEntry, Fields.size()> entries;
    for (std::size_t i = 0; i < Fields.size(); ++i)
        entries[i] = {Fields[i].Key, NumText::FormatGeneral(Info.*Fields[i].Member)};
    return IniText::WriteSection(Bytes, SectionName, entries);
}

} // namespace GoldsSetupIni
