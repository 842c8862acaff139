#pragma once
// The columns of a payroll sheet that the program knows by their titles: the fields it reads, the
// results it writes after them and the columns it writes beside the rows it left out. Every title
// is a row of one table (Columns.cpp): reading recognises a column by its name, writing titles it
// in the language in use.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sheets {

// What a column of an input sheet holds. The header names the columns in any order; a column with
// any other title is an extra column, kept as text and written back in its place.
enum class Field : std::uint8_t {
    Id,        // 工号, required
    Name,      // 姓名
    Month,     // 月份, required, 1 to 12
    Income,    // 收入, required
    Exempt,    // 免税收入
    Insurance, // 专项扣除
    Special,   // 专项附加扣除
    Other,     // 其他扣除
    Mode,      // 减除方式
    // A part of 专项扣除 (基本养老保险费 …住房公积金): added into the row's 专项扣除, and written
    // back as it was typed.
    InsurancePart,
    // 全年一次性奖金 paid in the row's month, and how the employee asks it to be taxed (单独, 并入;
    // blank: 单独 while the year's law has it): written back as typed.
    Bonus,
    BonusMethod,
    // An item of 专项附加扣除 (子女教育 …继续教育) added into the row's 专项附加扣除, or 个人养老金
    // or 商业健康保险, deducted with 其他扣除 within the year's limits: written back as typed.
    DeductionItem,
    Written, // a column this program writes (a result, a reason): left out, written anew
    Extra,
};

// The columns written after the input columns, in this order.
enum class ResultColumn : std::uint8_t {
    CumulativeIncome,    // 累计收入
    CumulativeExempt,    // 累计免税收入
    CumulativeBasic,     // 累计减除费用
    CumulativeInsurance, // 累计专项扣除
    CumulativeSpecial,   // 累计专项附加扣除
    CumulativeOther,     // 累计其他扣除
    CumulativeTaxable,   // 累计应纳税所得额
    Rate,                // 预扣率, written "3%"
    QuickDeduction,      // 速算扣除数
    CumulativeTax,       // 累计应纳税额
    WithheldBefore,      // 累计已预扣税额
    Tax,                 // 本月应预扣税额
    Net,                 // 税后收入
};
inline constexpr std::size_t ResultColumnCount = 13;

// The columns written after the results when the sheet has a 全年一次性奖金 column, in this order.
enum class BonusColumn : std::uint8_t {
    Tax,            // 奖金应纳税额
    Rate,           // 奖金税率
    QuickDeduction, // 奖金速算扣除数
    Net,            // 税后奖金
    Note,           // 奖金提示: a cliff, the bonus merged and why
};
inline constexpr std::size_t BonusColumnCount = 5;

// The columns written before the cells of a row left out of the calculation.
enum class RejectedColumn : std::uint8_t {
    Line,   // 原表行号
    Column, // 有误的列
    Reason, // 未计算的原因
};
inline constexpr std::size_t RejectedColumnCount = 3;

// The parts of 专项扣除 a sheet may give in columns of their own instead of their sum.
enum class InsurancePart : std::uint8_t { None, Pension, Medical, Unemployment, HousingFund };

// The items of the deductions a sheet may give in columns of their own: the six of 专项附加扣除,
// then the two deducted with 其他扣除.
enum class DeductionItem : std::uint8_t {
    None,
    ChildEducation,      // 子女教育
    InfantCare,          // 3岁以下婴幼儿照护
    Elderly,             // 赡养老人
    HousingLoan,         // 住房贷款利息
    Rent,                // 住房租金
    ContinuingEducation, // 继续教育
    Pension,             // 个人养老金
    HealthInsurance,     // 商业健康保险
};
inline constexpr std::size_t DeductionItemCount = 8; // None aside
constexpr bool PartOfSpecial(DeductionItem Item) {
    return Item != DeductionItem::None && Item < DeductionItem::Pension;
}

struct TitleRole {
    Field Role = Field::Extra;
    InsurancePart Part = InsurancePart::None; // for Field::InsurancePart
    DeductionItem Item = DeductionItem::None; // for Field::DeductionItem
};

// The field a title (UTF-8, blanks around it removed) names, by its own name or a synonym clerks
// use (三险一金 for 专项扣除), in Chinese or in English (in any case): Field::Written for a column
// this program writes, Field::Extra for a title it does not know.
TitleRole RoleOfTitle(std::string_view Title);
// The result column a title names (Field::Written's), by the same names; none for any other.
std::optional<ResultColumn> ResultOfTitle(std::string_view Title);
// The item whose year so far a title names (累计子女教育 …); none for any other.
std::optional<DeductionItem> ItemResultOfTitle(std::string_view Title);
inline Field FieldOfTitle(std::string_view Title) {
    return RoleOfTitle(Title).Role;
}
// Whether a title the program does not read looks like an amount it would deduct (社保, 个税,
// insurance …): a clerk is warned, since such a column is not deducted.
bool LooksLikeDeduction(std::string_view Title);
// Whether a cell of a row without 工号 marks it as a totals row (合计, 总计, 小计, Total).
bool SaysTotal(std::string_view Cell);

// Titles in the language in use; a known input column is written under these too, whichever
// language its sheet was in.
QString FieldTitle(Field Which);
QString ResultTitle(ResultColumn Which);
QString RejectedTitle(RejectedColumn Which);
QString BonusTitle(BonusColumn Which);
// 累计子女教育 …: the year so far of an item given in a column of its own.
QString ItemResultTitle(DeductionItem Which);

} // namespace sheets
