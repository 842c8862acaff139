#include "engine/UMoneyManager.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

constexpr int Places = 15;
constexpr std::array<std::string_view, 10> Digits{"零", "壹", "贰", "叁", "肆",
                                                  "伍", "陆", "柒", "捌", "玖"};
constexpr std::array<std::string_view, Places> Units{"万", "仟", "佰", "拾", "亿", "仟", "佰", "拾",
                                                     "万", "仟", "佰", "拾", "元", "角", "分"};
// The second half repeats four of the first: collapsing runs of zeros can bring a 零 next to
// a 万, 亿 or 元 again.
constexpr std::array<std::string_view, 13> Finds{"零元", "零拾", "零佰",   "零仟", "零万",
                                                 "零亿", "亿万", "零零零", "零零", "零万",
                                                 "零亿", "亿万", "零元"};
constexpr std::array<std::string_view, 13> Replacements{"元", "零", "零", "零", "万", "亿", "亿",
                                                        "零", "零", "万", "亿", "亿", "元"};

// The amount in fen, halves to the even neighbour; none outside the fifteen places.
std::optional<int64_t> ToFen(double amount) {
    if (!std::isfinite(amount))
        return std::nullopt;
    const long double fen = std::rint((long double)amount * 100);
    if (fen < 0 || fen >= 1e15L)
        return std::nullopt;
    return static_cast<int64_t>(fen);
}

void ReplaceAll(std::string &text, std::string_view find, std::string_view replacement) {
    std::size_t at = text.find(find);
    if (at == std::string::npos)
        return; // most patterns are absent: no copy then
    std::string out;
    std::size_t from = 0;
    for (; at != std::string::npos; at = text.find(find, from)) {
        out.append(text, from, at - from);
        out.append(replacement);
        from = at + find.size();
    }
    out.append(text, from);
    text = std::move(out);
}

} // namespace

bool TMoneyManager::CanConvert(double Amount) {
    return ToFen(Amount).has_value();
}

std::string TMoneyManager::ToCapital(double Amount) {
    const auto fen = ToFen(Amount);
    if (!fen)
        return {};
    std::array<char, Places + 1> field{};
    std::snprintf(field.data(), field.size(), "%15lld", static_cast<long long>(*fen));
    std::string text;
    for (int i = 0; i < Places; ++i) {
        const char c = field[static_cast<std::size_t>(i)];
        if (c == ' ')
            continue;
        text.append(Digits[static_cast<std::size_t>(c - '0')]);
        text.append(Units[static_cast<std::size_t>(i)]);
    }
    for (std::size_t i = 0; i < Finds.size(); ++i)
        ReplaceAll(text, Finds[i], Replacements[i]);
    ReplaceAll(text, "零角", text.find("零分") != std::string::npos ? "整" : "零");
    ReplaceAll(text, "零分", "");
    return text;
}
