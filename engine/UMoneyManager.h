#pragma once

#include <string>

// An amount of Renminbi in the capital numerals of cheques and invoices ("壹佰零壹元整").
class TMoneyManager {
  public:
    // The highest place written is 万亿 (10^12 yuan), and there are no negative capital forms.
    static bool CanConvert(double Amount);
    // The capital form (UTF-8); empty for zero and for an amount that cannot be converted.
    static std::string ToCapital(double Amount);
};
