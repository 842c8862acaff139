<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BonusCommand</name>
    <message>
        <source>单独计税税额较低，少缴 %1</source>
        <translation>Taxed separately, the tax is lower: %1 less</translation>
    </message>
    <message>
        <source>并入综合所得税额较低，少缴 %1</source>
        <translation>Combined with comprehensive income, the tax is lower: %1 less</translation>
    </message>
    <message>
        <source>两种方法税额相同</source>
        <translation>Both methods give the same tax</translation>
    </message>
    <message>
        <source>并入后应纳税所得额</source>
        <translation>Taxable income when combined</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>奖金应纳税额</source>
        <translation>Tax payable on the bonus</translation>
    </message>
    <message>
        <source>其他综合所得应纳税额</source>
        <translation>Tax payable on other comprehensive income</translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation>Total tax payable</translation>
    </message>
    <message>
        <source>临界点：单独计税时，奖金超过 %1 而不到 %2，税后反而少于发 %1；本奖金比发 %1 少得 %3
</source>
        <translation>Cliff: taxed separately, a bonus above %1 and below %2 leaves less after tax than a bonus of %1; this bonus leaves %3 less than %1 would
</translation>
    </message>
    <message>
        <source>最优分配：奖金 %1 单独计税，其余应纳税所得额 %2 并入综合所得，税额合计 %3，比较优的方法少缴 %4
</source>
        <translation>Best split: a bonus of %1 taxed separately and the remaining taxable income of %2 combined with comprehensive income; tax in all %3, %4 less than the better method
</translation>
    </message>
    <message>
        <source>非居民个人一个月内取得的数月奖金不与当月工资薪金合并，不减除费用，
按 %1 个月分摊：月均奖金按月度税率表计税后乘 %1；一个公历年度内只能用一次。
当月工资另行计税（pendra-cli wage --nonresident）。</source>
        <translation>A bonus for several months that a non-resident individual receives in one
month is not added to that month&apos;s wages and salaries and has no basic deduction; it is spread
over %1 months: the monthly average is taxed by the monthly tax table and the tax multiplied by %1;
only once in a calendar year. The month&apos;s wages are taxed apart (pendra-cli wage --nonresident).</translation>
    </message>
    <message>
        <source>数月奖金</source>
        <translation>Bonus for several months</translation>
    </message>
    <message>
        <source>月均奖金（÷%1）</source>
        <translation>Monthly average (÷%1)</translation>
    </message>
    <message>
        <source>每月应纳税额</source>
        <translation>Tax payable a month</translation>
    </message>
    <message>
        <source>应纳税额（×%1）</source>
        <translation>Tax payable (×%1)</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>全年一次性奖金：单独计税（%1 年底前可选）与并入当年综合所得比较；
奖金落在临界区间时给出临界点；并给出奖金与其余所得之间税额最低的分配。
加 --nonresident：</source>
        <translation>Annual bonus: taxed separately (a choice until the end of %1) compared with combined
with the year&apos;s comprehensive income; the cliff when the bonus falls in a cliff range; and the
split between the bonus and the other income with the lowest tax.
With --nonresident: </translation>
    </message>
    <message>
        <source>全年一次性奖金（必填）</source>
        <translation>annual bonus (required)</translation>
    </message>
    <message>
        <source>奖金以外的全年综合所得应纳税所得额，默认 0；扣除未用完时可为负数</source>
        <translation>taxable income of the year&apos;s comprehensive income besides the bonus, 0 by default; negative when deductions are left unused</translation>
    </message>
    <message>
        <source>非居民个人一个月内取得的数月奖金</source>
        <translation>a non-resident individual&apos;s bonus for several months received in one month</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>无法写出标准输出（磁盘已满或输出已关闭），结果不完整</source>
        <translation>standard output could not be written (a full disk or a closed output): the result is incomplete</translation>
    </message>
    <message>
        <source>工资薪金：累计预扣法逐月预扣税额，或非居民个人的月度税额</source>
        <translation>income from wages and salaries: the monthly withholding by the cumulative withholding method, or a non-resident individual&apos;s monthly tax</translation>
    </message>
    <message>
        <source>劳务报酬、稿酬、特许权使用费：每次收入的预扣税额</source>
        <translation>labour remuneration, author&apos;s remuneration, royalties: the withholding of each payment</translation>
    </message>
    <message>
        <source>全年一次性奖金：单独计税与并入综合所得比较、临界点、最优分配</source>
        <translation>annual bonus: taxed separately or with the comprehensive income, the cliffs, the best split</translation>
    </message>
    <message>
        <source>年度汇算：全年应纳税额、应补（退）税额，是否需要办理</source>
        <translation>annual reconciliation: the tax of the year, the tax to pay or to be refunded, whether a return is needed</translation>
    </message>
    <message>
        <source>解除劳动合同一次性补偿金（经济补偿金）</source>
        <translation>lump-sum compensation for ending a labour contract (severance pay)</translation>
    </message>
    <message>
        <source>工资表批量计算：CSV 或 Excel 工资表中每位员工逐月的累计预扣</source>
        <translation>payroll: the cumulative withholding of every employee and month of a CSV or Excel sheet</translation>
    </message>
    <message>
        <source>整个纳税年度：由年度文件算出每月扣除、各单位逐月预扣和年度汇算</source>
        <translation>a whole tax year: the deductions of each month, each employer&apos;s withholding and the annual reconciliation, from a year file</translation>
    </message>
    <message>
        <source>反算：由税后金额求税前的月薪、年终奖或劳务报酬等</source>
        <translation>reverse: the gross wage, bonus or remuneration that leaves a net amount</translation>
    </message>
    <message>
        <source>家庭分配：夫妻二人的子女、房贷、租房、大病医疗由谁扣除最省税</source>
        <translation>household: which of a couple deducts children, housing loan interest, housing rent and medical treatment for serious illness for the least tax</translation>
    </message>
    <message>
        <source>用法：pendra-cli &lt;命令&gt; [选项]

按 %1 年起施行的个人所得税法计算，金额单位为元。

命令：
</source>
        <translation>Usage: pendra-cli &lt;command&gt; [options]

Calculates under the Individual Income Tax law in force since %1; amounts in yuan.

Commands:
</translation>
    </message>
    <message>
        <source>未知命令“%1”（用法见 pendra-cli --help）</source>
        <translation>unknown command &quot;%1&quot; (see pendra-cli --help)</translation>
    </message>
    <message>
        <source>--lang 的值应为 zh（中文）或 en（英文），而不是“%1”</source>
        <translation>--lang takes zh (Chinese) or en (English), not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>缺少命令（用法见 pendra-cli --help）</source>
        <translation>no command given (see pendra-cli --help)</translation>
    </message>
    <message>
        <source>选项 --lang 给了不止一次</source>
        <translation>option --lang is given more than once</translation>
    </message>
    <message>
        <source>工资条：由工资表写出某月每位员工的工资条（PDF 或 Excel）</source>
        <translation>Payslips: each employee&apos;s payslip of a month from a payroll sheet (PDF or Excel)</translation>
    </message>
    <message>
        <source>
每个命令都有 --help，列出其选项和示例；加 --json 以 JSON 输出。
--lang zh 或 --lang en 选择中文或英文；未给出时，LC_ALL、LC_MESSAGES、LANG 中第一个
有值的以 en 开头则用英文，否则用中文。JSON 输出不随语言改变。
退出状态：0 完成；1 工资表有的行有误，其员工未计算；2 用法有误、文件无法读写
年度文件有误或反算的目标达不到，未计算。

示例：
  pendra-cli wage --income 20000 --insurance 2000 --special 3000
  pendra-cli bonus --bonus 38000 --taxable 100000 --json
  pendra-cli payroll 工资表.xlsx -o 预扣结果.xlsx
  pendra-cli payslips 工资表.xlsx --month 3 -o 工资条.pdf
  pendra-cli year 2026.json
  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000
  pendra-cli household 家庭.json
</source>
        <translation>
Every command has --help, with its options and examples; --json prints JSON.
--lang zh or --lang en chooses Chinese or English; without it, English when the first of
LC_ALL, LC_MESSAGES and LANG that is set begins with en, Chinese otherwise. JSON is the same in both.
Exit status: 0 done; 1 some rows of a payroll sheet are at fault and their employees left out;
2 nothing computed (a usage mistake, a file that cannot be read or written, a year file at fault
or a reverse target no gross reaches).

Examples:
  pendra-cli wage --income 20000 --insurance 2000 --special 3000
  pendra-cli bonus --bonus 38000 --taxable 100000 --json
  pendra-cli payroll payroll.xlsx -o withheld.xlsx
  pendra-cli payslips payroll.xlsx --month 3 -o payslips.pdf
  pendra-cli year 2026.json
  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000
  pendra-cli household household.json
</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>金额</source>
        <translation>amount</translation>
    </message>
    <message>
        <source>月</source>
        <translation>month</translation>
    </message>
    <message>
        <source>起始月份，默认 1</source>
        <translation>first month, 1 by default</translation>
    </message>
    <message>
        <source>截止月份，默认 12</source>
        <translation>last month, 12 by default</translation>
    </message>
    <message>
        <source>以 JSON 输出（金额为两位小数的字符串，税率为整数百分数）</source>
        <translation>print JSON (amounts as strings with two decimals, rates as whole percent)</translation>
    </message>
    <message>
        <source>多余的参数“%1”</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>选项 %1 给了不止一次</source>
        <translation>option %1 is given more than once</translation>
    </message>
    <message>
        <source>选项 %1 的金额“%2”超出范围（绝对值最多 %3）</source>
        <translation>the amount &quot;%2&quot; of option %1 is out of range (at most %3 either way)</translation>
    </message>
    <message>
        <source>选项 %1 的值“%2”不是数字</source>
        <translation>the value &quot;%2&quot; of option %1 is not a number</translation>
    </message>
    <message>
        <source>选项 %1 的金额不能为负数：%2</source>
        <translation>the amount of option %1 cannot be negative: %2</translation>
    </message>
    <message>
        <source>未知选项 %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>选项 %1 缺少值</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>选项 %1 不带值</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>命令行无法识别：%1</source>
        <translation>the command line cannot be read: %1</translation>
    </message>
    <message>
        <source>月份应为 1 到 12 的整数</source>
        <translation>a month is a whole number from 1 to 12</translation>
    </message>
    <message>
        <source>起始月份 %1 晚于截止月份 %2</source>
        <translation>the first month %1 comes after the last month %2</translation>
    </message>
    <message>
        <source>%1（用法见 pendra-cli %2 --help）</source>
        <translation>%1 (see pendra-cli %2 --help)</translation>
    </message>
    <message>
        <source>缺少选项 %1</source>
        <translation>option %1 is missing</translation>
    </message>
    <message>
        <source>选项 %1 不能与 %2 同用</source>
        <translation>option %1 cannot be used with %2</translation>
    </message>
    <message>
        <source>用法：pendra-cli %1 [选项]</source>
        <translation>Usage: pendra-cli %1 [options]</translation>
    </message>
    <message>
        <source>中文或英文；默认按 LC_ALL、LC_MESSAGES、LANG</source>
        <translation>Chinese or English; by default as LC_ALL, LC_MESSAGES, LANG say</translation>
    </message>
    <message>
        <source>显示本帮助</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>

选项：
</source>
        <translation>

Options:
</translation>
    </message>
    <message>
        <source>
示例：
</source>
        <translation>
Examples:
</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>way</translation>
    </message>
    <message>
        <source>减除方式：按月（默认）、自1月、6万；也可写 per-month、from-january、sixty</source>
        <translation>how the basic deduction is made: per-month (the default), from-january or sixty; also 按月, 自1月, 6万</translation>
    </message>
    <message>
        <source>未知的减除方式“%1”，应为 按月、自1月 或 6万</source>
        <translation>unknown way of deduction &quot;%1&quot;: per-month, from-january or sixty</translation>
    </message>
    <message>
        <source>减除方式 %1 自%2起施行（%3），%4 年不能采用</source>
        <translation>the deduction method %1 applies from %2 (%3) and cannot be used in %4</translation>
    </message>
    <message>
        <source>减除方式 6万 只适用于上年各月均在本单位任职受雇、本年1月起仍在本单位的，起始月份应为 1，不能是 %1</source>
        <translation>the deduction method sixty (6万) applies only to an employee employed here in every month of last year and still here from January: the first month must be 1, not %1</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>yyyy年M月d日</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>M月d日</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>财政部 税务总局公告%1年第%2号</source>
        <translation>Announcement No. %2 [%1] of the Ministry of Finance and the State Taxation Administration</translation>
    </message>
</context>
<context>
    <name>HouseholdCommand</name>
    <message>
        <source>各 %1%</source>
        <translation>%1% each</translation>
    </message>
    <message>
        <source>大病医疗（%1，自付 %2）</source>
        <translation>Medical treatment for serious illness (%1, own payment %2)</translation>
    </message>
    <message>
        <source>共同项目</source>
        <translation>Shared item</translation>
    </message>
    <message>
        <source>最优</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>最不利</source>
        <translation>Worst</translation>
    </message>
    <message>
        <source>全部由 a 扣除</source>
        <translation>All by a</translation>
    </message>
    <message>
        <source>子女（%1 出生）</source>
        <translation>Child (born %1)</translation>
    </message>
    <message>
        <source>住房贷款利息（首次还款 %1，婚前各自购房）</source>
        <translation>Housing loan interest (first repayment %1, homes bought before marriage)</translation>
    </message>
    <message>
        <source>住房贷款利息（首次还款 %1）</source>
        <translation>Housing loan interest (first repayment %1)</translation>
    </message>
    <message>
        <source>最优分配下的年度汇算</source>
        <translation>Annual reconciliation under the best allocation</translation>
    </message>
    <message>
        <source>两人应纳税额合计：最优分配 %1，全部由 a 扣除 %2，最不利的分配 %3
</source>
        <translation>Tax payable of both together: best allocation %1, all deducted by a %2, worst allocation %3
</translation>
    </message>
    <message>
        <source>最优分配比全部由 a 扣除少缴 %1，比最不利的分配少缴 %2
</source>
        <translation>The best allocation saves %1 against all deducted by a, and %2 against the worst allocation
</translation>
    </message>
    <message>
        <source>家庭文件</source>
        <translation>household file</translation>
    </message>
    <message>
        <source>夫妻二人的年度文件和共同项目，JSON 格式</source>
        <translation>the year files of the two spouses and their shared items, in JSON</translation>
    </message>
    <message>
        <source>缺少家庭文件</source>
        <translation>no household file given</translation>
    </message>
    <message>
        <source>a：</source>
        <translation>a: </translation>
    </message>
    <message>
        <source>
b：</source>
        <translation>
b: </translation>
    </message>
    <message>
        <source>pendra-cli household 家庭.json</source>
        <translation>pendra-cli household household.json</translation>
    </message>
    <message>
        <source>pendra-cli household 家庭.json --json</source>
        <translation>pendra-cli household household.json --json</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>两人</source>
        <translation>both</translation>
    </message>
    <message>
        <source>住房租金（%1 至 %2，每月 %3，%4签约）</source>
        <translation>Housing rent (%1 to %2, %3 a month, signed by %4)</translation>
    </message>
    <message>
        <source>现在的分配：a %1，b %2，合计 %3；最优分配比现在少缴 %4
</source>
        <translation>Current allocation: a %1, b %2, together %3; the best allocation saves %4 against it
</translation>
    </message>
    <message>
        <source>家庭分配：由家庭文件（JSON，格式见 README：夫妻二人各自的年度文件 a、b，
以及可由任一方扣除的共同项目 shared），试遍税法允许的每种分配——每个子女
由 a、b 或各 %1% 扣除，住房贷款利息由一方扣除（婚前各自购房的可各 %1%），
每份租房由一方扣除，每项大病医疗由一方扣除——给出两人应纳税额（含年终奖
单独计税的税额）合计最少的分配、两人各自的年度汇算，以及与全部由 a 扣除、
与最不利的分配相比少缴的税额。合计相同时取改动最少的分配（以子女各半、
可各半的贷款各半、其余由 a 扣除为准），再取列在前面的。文件有误时指出键的
位置（如 shared.children[0].born），不计算，退出状态为 2。每份共同的租房须写明
签约人 signed_by（a、b 或 both），租房只分配给签约的一方。每个共同项目
都写明现在由谁扣除（now：a、b 或 half）时，另给出现在的分配下两人的税额及
最优分配比现在少缴的税额（--json 中为 current）。</source>
        <translation>Household allocation: from a household file (JSON, see the README: the year files a and b of the
two spouses, and the shared items either may deduct), every allocation the law allows is tried
(each child deducted by a, by b or %1% each; the housing loan interest by one of them, or %1% each
when each bought a home before marriage; each lease by one; each case of
medical treatment for serious illness by one), and the one with the least tax payable of the two together (tax on
annual bonuses taxed separately included) is given, with the annual reconciliation of each, and
the tax saved against all deducted by a and against the worst allocation. Among equal totals the
one with the fewest changes is taken (children half each, loans that may be halved half each, the
rest by a), then the one listed first. A file at fault is not calculated: the place of the key
(e.g. shared.children[0].born) is named, exit status 2. Each shared lease names who signed it,
signed_by (a, b or both), and goes only to a spouse who signed it. When every shared item
says who deducts it now (now: a, b or half), the tax of both under the current allocation and
what the best allocation saves against it are given too (current in --json).</translation>
    </message>
    <message>
        <source>%1 未写 now（现在由谁扣除）：只有每个共同项目都写明时，才给出现在的分配</source>
        <translation>%1 has no now (who deducts it now): the current allocation is given only when every shared item says so</translation>
    </message>
    <message numerus="yes">
        <source>家庭分配（%1 年）：试过 %n 种分配

</source>
        <translation>
            <numerusform>Household allocation (%1): %n allocation tried

</numerusform>
            <numerusform>Household allocation (%1): %n allocations tried

</numerusform>
        </translation>
    </message>
    <message>
        <source>全部由 b 扣除：两人应纳税额合计 %1，最优分配比其少缴 %2
</source>
        <translation>All deducted by b: tax payable of both together %1; the best allocation saves %2 against it
</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>两人：%1，%2

</source>
        <translation>The two: %1 and %2

</translation>
    </message>
</context>
<context>
    <name>HouseholdFile</name>
    <message>
        <source>共同项目的扣除比例由家庭分配决定，不能填写 share</source>
        <translation>the share of a shared item is decided by the household split: share cannot be given</translation>
    </message>
    <message>
        <source>家庭文件</source>
        <translation>household file</translation>
    </message>
    <message>
        <source>与 %1 不是同一年：两人的年度应相同</source>
        <translation>not the same year as %1: both must be for the same year</translation>
    </message>
    <message>
        <source>共同的大病医疗应为“子女”或“配偶”；“本人”未说明是哪一方，请写在其本人的年度文件中</source>
        <translation>a shared medical treatment for serious illness must be for &quot;子女&quot; (child) or &quot;配偶&quot; (spouse); &quot;本人&quot; (self) does not say which of the two: write it in that person&apos;s own year file</translation>
    </message>
    <message>
        <source>%1 是同一天出生的子女：共同的子女不能再写在个人的年度文件中</source>
        <translation>%1 is a child born on the same day: a shared child cannot also be in a personal year file</translation>
    </message>
    <message>
        <source>%1 已有住房贷款：共同的住房贷款不能再写在个人的年度文件中</source>
        <translation>%1 already has a housing loan: a shared housing loan cannot also be in a personal year file</translation>
    </message>
    <message>
        <source>与 %1 的月份重叠：共同的租房不能再写在个人的年度文件中</source>
        <translation>the months overlap with %1: a shared lease cannot also be in a personal year file</translation>
    </message>
    <message>
        <source>%1 是同一对象、同一金额的大病医疗：共同的一项不能再写在个人的年度文件中</source>
        <translation>%1 is medical treatment for serious illness of the same person and amount: a shared item cannot also be in a personal year file</translation>
    </message>
    <message>
        <source>与 %1 都在本年度内：夫妻一年只能扣除住房租金或住房贷款利息其一</source>
        <translation>both this and %1 fall in this year: a couple can deduct only one of housing rent and housing loan interest in a year</translation>
    </message>
    <message>
        <source>共同项目的分配方式超过 %1 种，不计算；请减少共同项目</source>
        <translation>the shared items can be split in more than %1 ways: not calculated; give fewer shared items</translation>
    </message>
    <message>
        <source>税法不允许这样扣除此项（租房只能由签约的一方扣除，住房贷款只有婚前各自购房的才能各扣一半，大病医疗不能各扣一半）</source>
        <translation>the law does not allow this item to be deducted so (a lease only by a spouse who signed it, the housing loan half each only for homes bought before marriage, medical treatment for serious illness never half each)</translation>
    </message>
    <message>
        <source>税法不允许这样扣除此项</source>
        <translation>the law does not allow this item to be deducted so</translation>
    </message>
    <message>
        <source>缺少此键：夫妻主要工作城市相同的，租房由签订租赁合同的一方扣除（%1），请写明签约人 a、b 或 both</source>
        <translation>this key is missing: where both spouses work mainly in the same city, the rent is deducted by a spouse who signed the lease (%1); say who signed it: a, b or both</translation>
    </message>
</context>
<context>
    <name>HouseholdRun</name>
    <message>
        <source>请选择 a 的年度文件，或含 a、b 两人年度的家庭文件。</source>
        <translation>Choose a&apos;s year file, or a household file with the years of both a and b.</translation>
    </message>
    <message>
        <source>请选择 b 的年度文件，或含 a、b 两人年度的家庭文件。</source>
        <translation>Choose b&apos;s year file, or a household file with the years of both a and b.</translation>
    </message>
    <message>
        <source>a 和 b 选的是同一个年度文件：两人应各有自己的年度文件。</source>
        <translation>a and b have chosen the same year file: each must have their own year file.</translation>
    </message>
    <message>
        <source>文件“%1”在计算之后已被改动或已无法读取：请重新计算后再写回。</source>
        <translation>The file &quot;%1&quot; has changed or can no longer be read since the calculation: calculate again, then write back.</translation>
    </message>
    <message>
        <source>年度文件</source>
        <translation>year file</translation>
    </message>
    <message>
        <source>a 和 b 不能写进同一个年度文件。</source>
        <translation>a and b cannot be written to the same year file.</translation>
    </message>
    <message>
        <source>不能把年度写在家庭文件“%1”上：请另选文件名。</source>
        <translation>A year cannot be written over the household file &quot;%1&quot;: choose another file name.</translation>
    </message>
    <message>
        <source>未写回任何文件。%1</source>
        <translation>No file was written back. %1</translation>
    </message>
    <message>
        <source>未写回任何文件（a 的文件已恢复原样）。%1</source>
        <translation>No file was written back (a&apos;s file was restored). %1</translation>
    </message>
    <message>
        <source>a 的文件“%1”已写回，b 的未能写回：%2</source>
        <translation>a&apos;s file &quot;%1&quot; was written back, b&apos;s could not be: %2</translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <source>对象缺少结尾的 }</source>
        <translation>an object lacks its closing }</translation>
    </message>
    <message>
        <source>键后缺少冒号</source>
        <translation>a colon is missing after a key</translation>
    </message>
    <message>
        <source>列表缺少结尾的 ]</source>
        <translation>a list lacks its closing ]</translation>
    </message>
    <message>
        <source>缺少分隔的逗号</source>
        <translation>a separating comma is missing</translation>
    </message>
    <message>
        <source>数字写法有误或超出范围</source>
        <translation>a number is malformed or out of range</translation>
    </message>
    <message>
        <source>字符串中有无效的转义</source>
        <translation>a string has an invalid escape</translation>
    </message>
    <message>
        <source>不是有效的 UTF-8 文本</source>
        <translation>not valid UTF-8 text</translation>
    </message>
    <message>
        <source>字符串缺少结尾的引号</source>
        <translation>a string lacks its closing quotation mark</translation>
    </message>
    <message>
        <source>嵌套过深</source>
        <translation>nested too deep</translation>
    </message>
    <message>
        <source>结尾有多余的内容</source>
        <translation>extra content at the end</translation>
    </message>
    <message>
        <source>无法识别的内容</source>
        <translation>content that cannot be recognised</translation>
    </message>
    <message>
        <source>%1应为一个 JSON 对象（{…}）</source>
        <translation>a %1 must be a JSON object ({…})</translation>
    </message>
    <message>
        <source>“%1”是文件夹，不是%2</source>
        <translation>&quot;%1&quot; is a folder, not a %2</translation>
    </message>
    <message>
        <source>应为整数</source>
        <translation>should be a whole number</translation>
    </message>
    <message>
        <source>应为文本（字符串）</source>
        <translation>should be text (a string)</translation>
    </message>
    <message>
        <source>应为对象（{…}）</source>
        <translation>should be an object ({…})</translation>
    </message>
    <message>
        <source>未知的键（此处可用的键：%1）</source>
        <translation>unknown key (keys allowed here: %1)</translation>
    </message>
    <message>
        <source>缺少此键</source>
        <translation>this key is missing</translation>
    </message>
    <message>
        <source>应为 true 或 false</source>
        <translation>should be true or false</translation>
    </message>
    <message>
        <source>应为列表（[…]）</source>
        <translation>should be a list ([…])</translation>
    </message>
    <message>
        <source>文件“%1”不存在</source>
        <translation>the file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>没有读取文件“%1”的权限</source>
        <translation>no permission to read the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>无法读取文件“%1”：%2</source>
        <translation>cannot read the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件“%1”有误：%2</source>
        <translation>the file &quot;%1&quot; has an error: %2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>文件“%1”不是普通文件（是设备、管道或套接字），不读取</source>
        <translation>the file &quot;%1&quot; is not a regular file (it is a device, pipe or socket): not read</translation>
    </message>
    <message>
        <source>文件“%1”有 %2 字节，%3最多 %4 字节，不读取</source>
        <translation>the file &quot;%1&quot; has %2 bytes, more than the %4 bytes a %3 may have: not read</translation>
    </message>
    <message>
        <source>文件“%1”在读取时被替换或无法打开，未读取</source>
        <translation>the file &quot;%1&quot; was replaced while being read or cannot be opened: not read</translation>
    </message>
    <message>
        <source>读取文件“%1”时出错：%2</source>
        <translation>error reading the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件“%1”超过%2的上限 %3 字节，不读取</source>
        <translation>the file &quot;%1&quot; is over the limit of %3 bytes for a %2: not read</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>“%1”不是金额</source>
        <translation>&quot;%1&quot; is not an amount</translation>
    </message>
    <message>
        <source>金额不能为负数：%1</source>
        <translation>an amount cannot be negative: %1</translation>
    </message>
    <message>
        <source>金额最多两位小数：%1</source>
        <translation>an amount has at most two decimals: %1</translation>
    </message>
    <message>
        <source>金额超出范围（最多 %1）</source>
        <translation>amount out of range (at most %1)</translation>
    </message>
    <message>
        <source>应为金额（数字或字符串）</source>
        <translation>should be an amount (a number or a string)</translation>
    </message>
    <message>
        <source>“%1”不是 YYYY-MM-DD 形式的日期</source>
        <translation>&quot;%1&quot; is not a date of the form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>“%1”不是 YYYY-MM 形式的年月</source>
        <translation>&quot;%1&quot; is not a month of the form YYYY-MM</translation>
    </message>
    <message>
        <source>未知的值“%1”，应为 %2</source>
        <translation>unknown value &quot;%1&quot;: should be %2</translation>
    </message>
    <message>
        <source>第 %1 行第 %2 列</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>同一对象中此键出现了不止一次</source>
        <translation>this key appears more than once in the same object</translation>
    </message>
    <message>
        <source>字符串中有未转义的控制字符 %1（JSON 中应写作 %1）</source>
        <translation>a string holds the control character %1 unescaped (JSON writes it as %1)</translation>
    </message>
    <message>
        <source>%1 是半个代理对，不是有效的字符（文本应为有效的 UTF-8）</source>
        <translation>%1 is half of a surrogate pair, not a valid character (the text must be valid UTF-8)</translation>
    </message>
    <message>
        <source>%1是 UTF-16 编码的：%1应为 UTF-8 编码（请以 UTF-8 另存）</source>
        <translation>the %1 is encoded in UTF-16: a %1 must be encoded in UTF-8 (save it as UTF-8)</translation>
    </message>
    <message>
        <source>不是有效的 JSON：%1附近%2</source>
        <translation>not valid JSON near %1: %2</translation>
    </message>
    <message>
        <source>数字 %1 超出范围</source>
        <translation>the number %1 is out of range</translation>
    </message>
    <message>
        <source>受教育结束的年月早于子女的出生日期 %1</source>
        <translation>the end of education comes before the child&apos;s birth on %1</translation>
    </message>
</context>
<context>
    <name>KeptWage</name>
    <message>
        <source>工资薪金(累计预扣)页</source>
        <translation>the wages and salaries (cumulative withholding) page</translation>
    </message>
    <message>
        <source>%1还没有输入，请先在该页输入每月收入。</source>
        <translation>Nothing is entered on %1 yet: enter the monthly income on that page first.</translation>
    </message>
    <message>
        <source>%1按非居民个人计算，这里只适用于居民个人。</source>
        <translation>On %1 the employee is a non-resident individual; this applies only to resident individuals.</translation>
    </message>
    <message>
        <source>%1的%2数据无效，请先在该页改正。</source>
        <translation>Invalid %2 on %1: correct it on that page first.</translation>
    </message>
    <message>
        <source>%1的起始月份晚于截止月份，请先在该页改正。</source>
        <translation>On %1 the first month is after the last month: correct it on that page first.</translation>
    </message>
</context>
<context>
    <name>LabourCommand</name>
    <message>
        <source>未知的类别“%1”，应为 labour、author 或 royalty</source>
        <translation>unknown kind &quot;%1&quot;: labour, author or royalty</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>labour（劳务报酬，默认）、author（稿酬）、royalty（特许权使用费）</source>
        <translation>labour (labour remuneration, the default), author (author&apos;s remuneration) or royalty (royalties)</translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation>Non-resident individual</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation>Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>应预扣税额</source>
        <translation>Tax to withhold</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>
预扣税额合计：%1
</source>
        <translation>
Withheld in all: %1
</translation>
    </message>
    <message>
        <source>选项 --%1 只用于 --intern</source>
        <translation>option --%1 is only for --intern</translation>
    </message>
    <message>
        <source>在校学生实习只适用于劳务报酬，不能与 --kind %1 同用</source>
        <translation>a student&apos;s internship applies only to labour remuneration and cannot be used with --kind %1</translation>
    </message>
    <message>
        <source>
加 --intern：在校学生实习取得的劳务报酬，每月收入相同，按累计预扣法逐月预扣：
收入额为收入的 %1%，累计减除费用为每月 %2 元乘实习月数，按综合所得年度税率表。</source>
        <translation>
With --intern: labour remuneration of a student&apos;s internship, the same income each month, withheld
month by month by the cumulative withholding method: the income amount is %1% of the income, the
cumulative basic deduction %2 yuan a month times the months of internship, with the annual tax
table of comprehensive income.</translation>
    </message>
    <message>
        <source>一次劳务报酬、稿酬或特许权使用费收入的预扣税额。居民个人：每次收入不超过
%1 元减除 %2 元，超过的减除 %3%；稿酬再按 %4% 计算；劳务报酬按预扣率表二，
稿酬和特许权使用费按 %5%。非居民个人：一律减除 %3%，按月度税率表。</source>
        <translation>The tax withheld on one payment of labour remuneration, author&apos;s remuneration or royalties.
Resident individual: from a payment of up to %1 yuan %2 yuan is deducted, from a larger one %3%;
author&apos;s remuneration then counts at %4%; labour remuneration is taxed by withholding rate
table 2, author&apos;s remuneration and royalties at %5%. Non-resident individual: always %3%
deducted, the monthly tax table.</translation>
    </message>
    <message>
        <source>每次收入（必填）；加 --intern 时为每月收入</source>
        <translation>income of each payment (required); with --intern, income of each month</translation>
    </message>
    <message>
        <source>在校学生实习：按累计预扣法逐月预扣（只用于居民个人的劳务报酬）</source>
        <translation>student&apos;s internship: withheld month by month by the cumulative withholding method (only for labour remuneration of a resident individual)</translation>
    </message>
</context>
<context>
    <name>LawText</name>
    <message>
        <source>M月d日</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>国家税务总局公告%1年第%2号</source>
        <translation>State Taxation Administration Announcement No. %2 of %1</translation>
    </message>
    <message>
        <source>财政部 税务总局公告%1年第%2号</source>
        <translation>Ministry of Finance and State Taxation Administration Announcement No. %2 of %1</translation>
    </message>
    <message>
        <source>%1年没有全年一次性奖金单独计税的办法：奖金并入当月工资薪金预扣预缴，年度汇算并入综合所得</source>
        <translation>%1 has no separate taxation of the annual bonus: the bonus is withheld with that month&apos;s wages and salaries and merged into comprehensive income at the annual reconciliation</translation>
    </message>
    <message>
        <source>%1年个人养老金扣除只在先行试点城市（地区）实施，自%2起在全国实施（%3）</source>
        <translation>In %1 the private pension deduction applied in the pilot cities (areas) only; it applies nationwide from %2 (%3)</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Pendra计算器</source>
        <translation>Pendra Calculator</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>“%1”不是有效的数值。</source>
        <translation>&quot;%1&quot; is not a valid number.</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>pendra-cli：%1
</source>
        <translation>pendra-cli: %1
</translation>
    </message>
</context>
<context>
    <name>PageRegistry</name>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>工资薪金所得(月薪)</source>
        <translation>Income from wages and salaries (monthly)</translation>
    </message>
    <message>
        <source> 工资薪金</source>
        <translation> Wages</translation>
    </message>
    <message>
        <source>年终奖金所得</source>
        <translation>Annual bonus income</translation>
    </message>
    <message>
        <source>年终奖</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>五险一金计算器</source>
        <translation>Social insurance and housing fund calculator</translation>
    </message>
    <message>
        <source>工资薪金所得(年薪)</source>
        <translation>Income from wages and salaries (annual)</translation>
    </message>
    <message>
        <source>经济补偿金所得</source>
        <translation>Income from severance pay</translation>
    </message>
    <message>
        <source>被确定征税的其他部分</source>
        <translation>Other income determined taxable</translation>
    </message>
    <message>
        <source>工资薪金所得(月薪旧版)</source>
        <translation>Income from wages and salaries (monthly, old version)</translation>
    </message>
    <message>
        <source>对企事业单位的承包经营、承租经营所得</source>
        <translation>Income from contracted or leased operation of enterprises and institutions</translation>
    </message>
    <message>
        <source>个体工商户生产、经营所得</source>
        <translation>Income from production and business operations of individual businesses</translation>
    </message>
    <message>
        <source>个体工商户生产、经营所得 </source>
        <translation>Income from production and business operations of individual businesses </translation>
    </message>
    <message>
        <source>劳务报酬所得</source>
        <translation>Income from remuneration for labour services</translation>
    </message>
    <message>
        <source>稿酬所得</source>
        <translation>Income from author&apos;s remuneration</translation>
    </message>
    <message>
        <source>特许权使用费所得</source>
        <translation>Income from royalties</translation>
    </message>
    <message>
        <source>特许权使用费所得 </source>
        <translation>Income from royalties </translation>
    </message>
    <message>
        <source>财产租赁所得</source>
        <translation>Income from lease of property</translation>
    </message>
    <message>
        <source>财产租赁所得 </source>
        <translation>Income from lease of property </translation>
    </message>
    <message>
        <source>财产转让所得</source>
        <translation>Income from transfer of property</translation>
    </message>
    <message>
        <source>利息、股息、红利所得</source>
        <translation>Income from interest, dividends and bonuses</translation>
    </message>
    <message>
        <source>偶然所得(如：中奖、中彩)</source>
        <translation>Incidental income (e.g. prizes, lottery winnings)</translation>
    </message>
    <message>
        <source>税收滞纳金计算器</source>
        <translation>Tax late payment surcharge calculator</translation>
    </message>
    <message>
        <source>工资薪金(累计预扣)(&amp;W)</source>
        <translation>&amp;Wages and salaries (cumulative withholding)</translation>
    </message>
    <message>
        <source>现行工资</source>
        <translation>Current wages</translation>
    </message>
    <message>
        <source>专项附加扣除(&amp;D)...</source>
        <translation>&amp;Special additional deductions...</translation>
    </message>
    <message>
        <source>年终奖(现行)(&amp;B)</source>
        <translation>Annual &amp;bonus (current)</translation>
    </message>
    <message>
        <source>劳务报酬/稿酬/特许权(现行)(&amp;L)</source>
        <translation>&amp;Labour remuneration / author&apos;s remuneration / royalties (current)</translation>
    </message>
    <message>
        <source>年度汇算(&amp;S)</source>
        <translation>&amp;Annual reconciliation</translation>
    </message>
    <message>
        <source>经济补偿金(现行)(&amp;C)</source>
        <translation>Severance pay (&amp;current)</translation>
    </message>
    <message>
        <source>工资表批量计算(&amp;P)...</source>
        <translation>Batch calculation of &amp;payroll sheets...</translation>
    </message>
    <message>
        <source>人民币大小写(&amp;R)</source>
        <translation>&amp;RMB in capital numerals</translation>
    </message>
    <message>
        <source>货币大写</source>
        <translation>Capital numerals</translation>
    </message>
    <message>
        <source>计算器(&amp;C)</source>
        <translation>&amp;Calculators</translation>
    </message>
    <message>
        <source> 计算器 </source>
        <translation> Calculator </translation>
    </message>
    <message>
        <source> 记事本 </source>
        <translation> Notepad </translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>线程</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>打开年度文件(&amp;O)...</source>
        <translation>&amp;Open year file...</translation>
    </message>
    <message>
        <source>保存年度文件(&amp;S)</source>
        <translation>&amp;Save year file</translation>
    </message>
    <message>
        <source>年度文件另存为(&amp;A)...</source>
        <translation>Save year file &amp;as...</translation>
    </message>
    <message>
        <source>我的纳税年度(&amp;Y)</source>
        <translation>My tax &amp;year</translation>
    </message>
    <message>
        <source>家庭分配(&amp;H)</source>
        <translation>&amp;Household allocation</translation>
    </message>
    <message>
        <source>使用说明(&amp;U)</source>
        <translation>&amp;User guide</translation>
    </message>
</context>
<context>
    <name>PayrollCommand</name>
    <message>
        <source>pendra-cli payroll 工资表.csv -o 预扣结果.csv</source>
        <translation>pendra-cli payroll payroll.csv -o withholding.csv</translation>
    </message>
    <message>
        <source>pendra-cli payroll 工资表.xlsx -o 预扣结果.xlsx</source>
        <translation>pendra-cli payroll payroll.xlsx -o withholding.xlsx</translation>
    </message>
    <message>
        <source>pendra-cli payroll 工资表.csv &gt; 预扣结果.csv</source>
        <translation>pendra-cli payroll payroll.csv &gt; withholding.csv</translation>
    </message>
    <message>
        <source>工资表</source>
        <translation>payroll sheet</translation>
    </message>
    <message>
        <source>输入的 .csv 或 .xlsx 文件</source>
        <translation>the .csv or .xlsx file to read</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>file</translation>
    </message>
    <message>
        <source>结果写入此文件，按扩展名写 CSV 或 Excel（.xlsx）；- 为标准输出</source>
        <translation>write the results to this file, CSV or Excel (.xlsx) by its extension; - for standard output</translation>
    </message>
    <message>
        <source>缺少工资表文件</source>
        <translation>no payroll sheet given</translation>
    </message>
    <message>
        <source>选项 -o 的文件名为空</source>
        <translation>option -o has an empty file name</translation>
    </message>
    <message>
        <source>无法写标准输出</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>警告：%1</source>
        <translation>Warning: %1</translation>
    </message>
    <message numerus="yes">
        <source>另有%n处错误未列出（只列出前%1处）</source>
        <translation>
            <numerusform>%n more error not listed (only the first %1 are listed)</numerusform>
            <numerusform>%n more errors not listed (only the first %1 are listed)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>工资表中有%n列是本程序以前写出的（计算结果或未计算的原因），未作为输入读入，已按本次计算重新写出</source>
        <translation>
            <numerusform>%n column of the payroll sheet was written by this program before (results or reasons for not calculating); it was not read as input and has been written anew from this calculation</numerusform>
            <numerusform>%n columns of the payroll sheet were written by this program before (results or reasons for not calculating); they were not read as input and have been written anew from this calculation</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n笔全年一次性奖金落在临界区间：少发一些，员工税后反而多得，见「%1」列</source>
        <translation>
            <numerusform>%n annual bonus lies in a cliff: paying a little less leaves the employee more after tax; see the “%1” column</numerusform>
            <numerusform>%n annual bonuses lie in a cliff: paying a little less leaves the employee more after tax; see the “%1” column</numerusform>
        </translation>
    </message>
    <message>
        <source>工资表批量计算：按累计预扣法计算每位员工每月应预扣的税额。
输入为 CSV（UTF-8，可带 BOM，或 GBK）或 Excel（.xlsx，第一个工作表）。
标题行是前 %1 个非空行中第一个含工号、月份、收入的行，其上的表名、说明略过。
列的顺序不限，标题可用中文或英文（见 README）：工号（必需）、姓名、月份（必需，
1 至 12，也可写作 1月、2026-02、2026年2月，全表须为同一年）、收入（必需）、
免税收入、专项扣除、专项附加扣除、其他扣除（金额可带千位分隔符和 ¥）、
减除方式（按月、自1月、6万，也可写 per-month、from-january、sixty；空为按月；
6万 的员工须从 1 月起）。收入也可题作应发工资、应发合计、税前工资，专项扣除也可
题作三险一金、社保公积金，或分列基本养老保险费、基本医疗保险费、失业保险费、
住房公积金（相加为专项扣除）；未读取的列在标准错误上列出，像扣除项的另有警告。
专项附加扣除也可分列子女教育、3岁以下婴幼儿照护、赡养老人、住房贷款利息、住房租金、
继续教育（相加为专项附加扣除，结果另有各项的累计列）；个人养老金、商业健康保险
按当年限额并入其他扣除。全年一次性奖金（或年终奖）列为当月发放的奖金，当年政策
允许时单独计税（每年一次），奖金计税方式列写“并入”时并入当月工资；结果另有奖金的
税额、税率、速算扣除数、税后奖金和奖金提示（落在临界区间时给出改发的金额）。
没有工号而写着合计、总计、小计的行是合计行，略过。工作表“未计算”或旁边的
“名称-未计算.csv”中上次未计算的行一并读入、重新计算。
本程序写出的结果列（累计收入至税后收入）不作为输入，
按本次计算重新写出。输出每一行的输入列及各结果列，标题用当前语言，按员工首次
出现的顺序、按月份排列；不给 -o 或给 -o - 时以 UTF-8（带 BOM）的 CSV 写到标准
输出。有误的行在标准错误上列出行号和列名，其员工的各行都不计算，写在 Excel
结果的工作表“未计算”中或 CSV 结果旁的“名称-未计算.csv”中；其余员工照常输出，
退出状态为 1；没有一行可以计算时不写出结果，退出状态为 2。
给出 --template 时不写结果，而是把 --month 那个月每位算出的员工填入个人所得税
扣缴客户端的导入模板（.xlsx）：标题行按工资表的列名认出，本期收入、本期免税收入、
各项保险费、其他等填该月金额，证件类型、证件号码、备注等取工资表同名的列（作为
文字），工资表给不出的列留空；模板的其他工作表、标题行以上各行和格式不变，写到
-o 所给的 .xlsx 文件。填了哪些列、哪些留空及原因列在标准错误上。</source>
        <translation>Batch calculation of a payroll sheet: the tax to withhold for each employee and month by the
cumulative withholding method. Input: CSV (UTF-8, with or without BOM, or GBK) or Excel (.xlsx,
the first worksheet). The title row is the first of the first %1 non-empty rows that has
Employee ID, Month and Income; a sheet name or notes above it are skipped.
Columns in any order, titled in English or Chinese (see the README): Employee ID (required),
Name, Month (required, 1 to 12, or written as 2026-02, 1月 or 2026年2月; one year for the whole
sheet), Income (required), Tax-exempt income, Special deductions,
Special additional deductions, Other deductions (amounts may have thousands separators and ¥),
Deduction method (per-month, from-january or sixty, also written 按月, 自1月, 6万; blank is
per-month; employees with sixty must start in month 1). Income may also be titled Gross pay,
Total gross pay or Pre-tax pay, Special deductions Social insurance and housing fund, or be
given in parts: Basic pension insurance, Basic medical insurance, Unemployment insurance
premium and Housing provident fund (added together). Columns not read are named on standard
error, with a warning for those that look like a deduction. Special additional deductions
may be given in items: Children&apos;s education, Care for infants under 3, Elderly support,
Housing loan interest, Housing rent, Continuing education (added together; the results also hold each
item&apos;s cumulative column); Private pension and Commercial health insurance are deducted with the
other deductions within the year&apos;s limits. Annual bonus is the annual bonus paid in the row&apos;s
month: taxed separately (once a year) while the year&apos;s law allows it, or with that month&apos;s wages
when Bonus taxation method says merged; the results then hold the bonus&apos;s tax, rate,
quick deduction, net and a note (for a bonus in a cliff, the amount to pay instead). A row without an employee ID that
says total or subtotal is a totals row and is passed over. The rows not calculated last time,
in the worksheet &quot;Not calculated&quot; or in &quot;NAME-not-calculated.csv&quot; beside the sheet, are read
and calculated again. The result columns this program writes (Cumulative income
to Net pay) are not read as input but written anew. Output: the input columns of each row and
the result columns, titled in the language in use, employees in the order they first appear,
by month; without -o or with -o -, CSV in UTF-8 (with BOM) to standard output. Rows at fault
are listed on standard error with row number and column name; none of their employee&apos;s rows
is calculated, and they are written to the worksheet &quot;Not calculated&quot; of Excel results or to
&quot;NAME-not-calculated.csv&quot; beside CSV results; the other employees are output as usual, exit
status 1. When no row can be calculated, no result is written, exit status 2.
With --template, no results are written: instead the employees calculated in the month of
--month are filled into the import template (.xlsx) of the Individual Income Tax withholding
client. Its title row is recognised by the column titles of a payroll sheet; Income of the period,
Tax-exempt income of the period, the insurance premiums, Other and the like take the month&apos;s
amounts, ID type, ID number, Remarks and the like are taken as text from the payroll sheet&apos;s
column of the same title, and a column the payroll sheet cannot give is left blank. The
template&apos;s other worksheets, the rows above its title row and its formats stay as they were;
it is written to the .xlsx file of -o. The columns filled, those left blank and why are listed
on standard error.</translation>
    </message>
    <message>
        <source>--month 应为 1 至 12 的月份，而不是“%1”</source>
        <translation>--month takes a month from 1 to 12, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>工资表是%1年的，没有%2年%3月</source>
        <translation>the payroll sheet is of %1 and holds no month %3 of %2</translation>
    </message>
    <message numerus="yes">
        <source>另有%n行未列出</source>
        <translation>
            <numerusform>%n more line not listed</numerusform>
            <numerusform>%n more lines not listed</numerusform>
        </translation>
    </message>
    <message>
        <source>pendra-cli payroll 工资表.xlsx --template 申报模板.xlsx --month 3 -o 3月申报.xlsx</source>
        <translation>pendra-cli payroll payroll.xlsx --template declaration-template.xlsx --month 3 -o march-declaration.xlsx</translation>
    </message>
    <message>
        <source>模板</source>
        <translation>TEMPLATE</translation>
    </message>
    <message>
        <source>把 --month 那个月填入此扣缴申报导入模板（.xlsx），写到 -o</source>
        <translation>fill the month of --month into this import template of the withholding declaration (.xlsx), written to -o</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>MONTH</translation>
    </message>
    <message>
        <source>与 --template 同用：填入模板的月份，1 至 12</source>
        <translation>with --template: the month filled into the template, 1 to 12</translation>
    </message>
    <message>
        <source>--month 只与 --template 同用</source>
        <translation>--month is used only with --template</translation>
    </message>
</context>
<context>
    <name>PayslipsCommand</name>
    <message>
        <source>工资条：由工资表算出某月每位员工的工资条，写成 PDF 或 Excel。
工资表的读法与 payroll 相同。每张工资条有单位名称（--employer，未给出时取工资表
标题行的文字）、工号、姓名、月份、应发、逐项扣除（表中分列养老、医疗、失业保险费和
住房公积金时逐项列出，否则为三险一金；其他扣除）、个人所得税（本月应预扣税额）、
实发（应发减去所列扣除和个人所得税），以及本年累计收入和累计已预扣税额。
-o 以 .pdf 结尾时写一个 PDF 文件（A4，每页数张，之间有裁剪线）；以 / 结尾或为已有
文件夹时，每位员工一个 PDF 文件（名为“工号-姓名.pdf”）；以 .xlsx 结尾时写 Excel：
每位员工一行，其上为标题行，员工之间空一行。该月有误未计算的员工没有工资条，在标准
错误上列出，退出状态为 1；工资表没有该月的行时不写出，退出状态为 2。</source>
        <translation>Payslips: each employee&apos;s payslip of a month from a payroll sheet, as PDF or Excel.
The sheet is read as payroll reads it. Each payslip has the employer (--employer, or the text
of the sheet&apos;s title row), the employee ID, name, month, gross pay, the deductions one by one
(pension, medical and unemployment insurance and the housing fund when the sheet has them in
columns of their own, else social insurance and housing fund; other deductions), the
Individual Income Tax (tax to withhold this month) and the net pay (gross pay less the deductions
listed and the Individual Income Tax), with the cumulative income and cumulative tax withheld of
the year so far.
-o ending in .pdf writes one PDF file (A4, several a page with cut lines between them); ending
in / or an existing folder, one PDF per employee (named &quot;ID-name.pdf&quot;); ending in .xlsx, an
Excel workbook: one row per employee under the title row, a blank row between employees.
Employees at fault in that month get no payslip and are listed on stderr, exit status 1; a
month the sheet does not hold writes nothing, exit status 2.</translation>
    </message>
    <message>
        <source>pendra-cli payslips 工资表.xlsx --month 3 -o 工资条.pdf</source>
        <translation>pendra-cli payslips payroll.xlsx --month 3 -o payslips.pdf</translation>
    </message>
    <message>
        <source>pendra-cli payslips 工资表.csv --month 3 -o 工资条/</source>
        <translation>pendra-cli payslips payroll.csv --month 3 -o payslips/</translation>
    </message>
    <message>
        <source>pendra-cli payslips 工资表.xlsx --month 3 -o 工资条.xlsx --employer 某某公司</source>
        <translation>pendra-cli payslips payroll.xlsx --month 3 -o payslips.xlsx --employer &quot;ACME Ltd&quot;</translation>
    </message>
    <message>
        <source>工资表</source>
        <translation>payroll sheet</translation>
    </message>
    <message>
        <source>输入的 .csv 或 .xlsx 文件</source>
        <translation>the .csv or .xlsx file to read</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>month</translation>
    </message>
    <message>
        <source>工资条的月份，1 至 12（也可写作 3月、2026-03）</source>
        <translation>the month of the payslips, 1 to 12 (also written 3月, 2026-03)</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>file</translation>
    </message>
    <message>
        <source>写入此 .pdf 或 .xlsx 文件，或以 / 结尾的文件夹（每人一个 PDF）</source>
        <translation>write to this .pdf or .xlsx file, or a folder ending in / (one PDF per employee)</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>name</translation>
    </message>
    <message>
        <source>工资条上的单位名称；未给出时取工资表标题行的文字</source>
        <translation>the employer named on the payslips; without it, the text of the sheet&apos;s title row</translation>
    </message>
    <message>
        <source>缺少工资表文件</source>
        <translation>no payroll sheet given</translation>
    </message>
    <message>
        <source>-o 应为 .pdf 或 .xlsx 文件，或以 / 结尾的文件夹，而不是“%1”</source>
        <translation>-o takes a .pdf or .xlsx file, or a folder ending in /, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--month 应为 1 至 12 的月份，而不是“%1”</source>
        <translation>--month takes a month from 1 to 12, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>工资表是%1年的，没有%2年%3月</source>
        <translation>the payroll sheet is of %1 and holds no month %3 of %2</translation>
    </message>
    <message>
        <source>没有工资条：%1</source>
        <translation>no payslip: %1</translation>
    </message>
    <message numerus="yes">
        <source>已写出%n张工资条</source>
        <translation>
            <numerusform>%n payslip written</numerusform>
            <numerusform>%n payslips written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>另有%n名员工没有工资条，未列出</source>
        <translation>
            <numerusform>%n more employee has no payslip and is not listed</numerusform>
            <numerusform>%n more employees have no payslip and are not listed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>个税计算器</source>
        <translation>Tax Calculator</translation>
    </message>
    <message>
        <source>Pendra个人所得税计算器 · 最专业的个税计算器</source>
        <translation>Pendra Individual Income Tax Calculator</translation>
    </message>
    <message>
        <source>全月应纳税所得额</source>
        <translation>Monthly taxable income</translation>
    </message>
    <message>
        <source>年终奖平均数（÷%1）</source>
        <translation>Bonus average (÷%1)</translation>
    </message>
    <message>
        <source>月应纳税所得额</source>
        <translation>Monthly taxable income</translation>
    </message>
    <message>
        <source>每次应纳税所得额</source>
        <translation>Taxable income per payment</translation>
    </message>
    <message>
        <source>全年应纳税所得额</source>
        <translation>Annual taxable income</translation>
    </message>
    <message>
        <source>国内人士%1元，外籍人士%2元</source>
        <translation>domestic %1 yuan, foreign nationals %2 yuan</translation>
    </message>
    <message>
        <source>不超过%1元：应纳税所得额 = 收入 − %2</source>
        <translation>Up to %1 yuan: taxable income = income − %2</translation>
    </message>
    <message>
        <source>超过%1元：应纳税所得额 = 收入 × (1 − %2)</source>
        <translation>Over %1 yuan: taxable income = income × (1 − %2)</translation>
    </message>
    <message>
        <source>%1级税率%2%～%3%</source>
        <translation>%1 bands, %2%–%3%</translation>
    </message>
    <message>
        <source>应纳税所得额 = 税前收入 − 五险一金 − 起征额</source>
        <translation>Taxable income = pre-tax income − social insurance and housing fund − threshold</translation>
    </message>
    <message>
        <source>起征额：%1</source>
        <translation>Threshold: %1</translation>
    </message>
    <message>
        <source>应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数</source>
        <translation>Tax payable = taxable income × tax rate − quick deduction</translation>
    </message>
    <message>
        <source>税后收入 = 税前收入 − 五险一金 − 应纳税额</source>
        <translation>After-tax income = pre-tax income − social insurance and housing fund − tax payable</translation>
    </message>
    <message>
        <source>应纳税所得额 = 税前收入 − 社保及公积金 − 起征额</source>
        <translation>Taxable income = pre-tax income − social insurance and housing fund − threshold</translation>
    </message>
    <message>
        <source>起征额：%1；不超过起征额的不纳税</source>
        <translation>Threshold: %1; no tax at or below the threshold</translation>
    </message>
    <message>
        <source>年薪 = 每月领取 × %1 + 年底其它奖金</source>
        <translation>Annual salary = monthly pay × %1 + annual bonus</translation>
    </message>
    <message>
        <source>每月领取部分按工资薪金所得（月薪）逐月计税，起征额%1元（外籍人士%2元）。</source>
        <translation>Monthly pay is taxed month by month as income from wages and salaries (monthly salary), threshold %1 yuan (foreign nationals %2 yuan).</translation>
    </message>
    <message>
        <source>年底其它奖金按全年一次性奖金计税：奖金 ÷ %1 确定适用税率和速算扣除数，应纳税额 = 奖金 × 适用税率 − 速算扣除数。</source>
        <translation>Other bonuses at the end of the year are taxed as an annual bonus: bonus ÷ %1 gives the tax rate and quick deduction; tax payable = bonus × tax rate − quick deduction.</translation>
    </message>
    <message>
        <source>当月工资 − 五险一金 ≥ 起征额：应纳税所得额 = 年终奖金</source>
        <translation>Wage of the month − social insurance and housing fund ≥ threshold: taxable income = annual bonus</translation>
    </message>
    <message>
        <source>当月工资 − 五险一金 &lt; 起征额：应纳税所得额 = 年终奖金 − (起征额 − 当月工资 + 五险一金)</source>
        <translation>Wage of the month − social insurance and housing fund &lt; threshold: taxable income = annual bonus − (threshold − wage of the month + social insurance and housing fund)</translation>
    </message>
    <message>
        <source>按 应纳税所得额 ÷ %1 确定适用税率和速算扣除数</source>
        <translation>Taxable income ÷ %1 gives the tax rate and quick deduction</translation>
    </message>
    <message>
        <source>补偿收入不超过当地上年职工平均工资%1倍的部分免税。</source>
        <translation>Compensation up to %1 times the local average wage is tax-exempt.</translation>
    </message>
    <message>
        <source>月应纳税所得额 = (补偿收入 − %1 × 平均工资) ÷ 工作年限 − 月缴五险一金</source>
        <translation>Monthly taxable income = (compensation − %1 × average wage) ÷ years − monthly social insurance and housing fund</translation>
    </message>
    <message>
        <source>工作年限按实际年限计算，超过%1年的按%1年计算。</source>
        <translation>Years of service: actual years, more than %1 count as %1.</translation>
    </message>
    <message>
        <source>月缴纳个税 = 月应纳税所得额 × 适用税率 − 速算扣除数</source>
        <translation>Monthly tax = monthly taxable income × rate − quick deduction</translation>
    </message>
    <message>
        <source>纳税总计 = 月缴纳个税 × 工作年限</source>
        <translation>Total tax = monthly tax × years</translation>
    </message>
    <message>
        <source>税后收入 = 补偿收入 − 纳税总计 − 月缴五险一金</source>
        <translation>After-tax income = compensation − total tax − monthly social insurance and housing fund</translation>
    </message>
    <message>
        <source>缴费基数：工资低于下限的按下限，高于上限的按上限，其余按工资；社保与公积金各按自己的上下限。</source>
        <translation>Contribution base: the wage, but at least the minimum and at most the maximum; social insurance and housing fund each have their own limits.</translation>
    </message>
    <message>
        <source>社保各项缴费 = 社保缴费基数 × 该项比例</source>
        <translation>Each social insurance contribution = social insurance base × its rate</translation>
    </message>
    <message>
        <source>公积金 = 公积金缴费基数 × 公积金比例</source>
        <translation>Housing fund = housing fund base × housing fund rate</translation>
    </message>
    <message>
        <source>个人部分：养老、医疗、失业、公积金；单位部分另有工伤、生育。</source>
        <translation>Employee: pension, medical, unemployment, housing fund; the employer also pays injury and maternity.</translation>
    </message>
    <message>
        <source>单位支出总计 = 工资 + 单位缴费合计</source>
        <translation>Employer&apos;s total cost = wage + employer contributions</translation>
    </message>
    <message>
        <source>应纳税额 = (工资 − 个人缴费合计 − %1) × 税率 − 速算扣除数</source>
        <translation>Tax payable = (wage − employee contributions − %1) × tax rate − quick deduction</translation>
    </message>
    <message>
        <source>税后收入 = 工资 − 个人缴费合计 − 应纳税额</source>
        <translation>After-tax income = wage − employee contributions − tax payable</translation>
    </message>
    <message>
        <source>例：基数%1元，个人比例%2%、%3%、%4%、%5%，个人缴费%6元，</source>
        <translation>E.g. base %1 yuan, employee rates %2%, %3%, %4%, %5%, employee contributions %6 yuan,</translation>
    </message>
    <message>
        <source>应纳税额 = (%1 − %2 − %3) × %4 = %5元</source>
        <translation>Tax payable = (%1 − %2 − %3) × %4 = %5 yuan</translation>
    </message>
    <message>
        <source>收入不足%1元减除%2元，%1元以上减除%3</source>
        <translation>Income under %1 yuan: %2 yuan deducted; %1 yuan and above: %3 deducted</translation>
    </message>
    <message>
        <source>应纳税额 = 应纳税所得额 × 税率 − 速算扣除数</source>
        <translation>Tax payable = taxable income × tax rate − quick deduction</translation>
    </message>
    <message>
        <source>应纳税额 = 应纳税所得额 × %1 × (1 − %2)</source>
        <translation>Tax payable = taxable income × %1 × (1 − %2)</translation>
    </message>
    <message>
        <source>即按%1的税率减征%2，实际税率%3</source>
        <translation>That is, the %1 rate reduced by %2: an effective rate of %3</translation>
    </message>
    <message>
        <source>税后收入 = 收入 − 应纳税额</source>
        <translation>After-tax income = income − tax payable</translation>
    </message>
    <message>
        <source>例：收入%1元，应纳税额 = %2 × %3 = %4元</source>
        <translation>E.g. income %1 yuan: tax payable = %2 × %3 = %4 yuan</translation>
    </message>
    <message>
        <source>应纳税额 = 应纳税所得额 × %1</source>
        <translation>Tax payable = taxable income × %1</translation>
    </message>
    <message>
        <source>收入不超过%1元的不纳税。</source>
        <translation>No tax on income up to %1 yuan.</translation>
    </message>
    <message>
        <source>例：收入%1元，应纳税额 = (%1 − %2) × %3 = %4元</source>
        <translation>E.g. income %1 yuan: tax payable = (%1 − %2) × %3 = %4 yuan</translation>
    </message>
    <message>
        <source>例：收入%1元，应纳税额 = %1 × %2 × %3 = %4元</source>
        <translation>E.g. income %1 yuan: tax payable = %1 × %2 × %3 = %4 yuan</translation>
    </message>
    <message>
        <source>应纳税所得额 = %1</source>
        <translation>Taxable income = %1</translation>
    </message>
    <message>
        <source>税后收入 = 收入金额 − 应纳税额</source>
        <translation>After-tax income = income − tax payable</translation>
    </message>
    <message>
        <source>例：%1%2元，应纳税额%3元，税后收入%4元</source>
        <translation>E.g. %1 %2 yuan: tax payable %3 yuan, after-tax income %4 yuan</translation>
    </message>
    <message>
        <source>个人住房出租：税率%1</source>
        <translation>Letting of a home by an individual: rate %1</translation>
    </message>
    <message>
        <source>应纳税所得额 = 收入总额 − %1 × 经营月份数</source>
        <translation>Taxable income = total income − %1 × months of operation</translation>
    </message>
    <message>
        <source>税后收入 = 收入总额 − 应纳税额</source>
        <translation>After-tax income = total income − tax payable</translation>
    </message>
    <message>
        <source>每月减除必要费用%1元，一个纳税年度按%2个月计算；应纳税所得额小于0的按0计算。</source>
        <translation>%1 yuan a month of necessary expenses is deducted, a tax year counting as %2 months; a taxable income below 0 counts as 0.</translation>
    </message>
    <message>
        <source>例：收入%1元，经营%2个月，应纳税所得额%3元，</source>
        <translation>E.g. income %1 yuan, %2 months of operation, taxable income %3 yuan,</translation>
    </message>
    <message>
        <source>应纳税额 = %1 × %2 − %3 = %4元</source>
        <translation>Tax payable = %1 × %2 − %3 = %4 yuan</translation>
    </message>
    <message>
        <source>收入金额（不减除费用）</source>
        <translation>income (no expenses deducted)</translation>
    </message>
    <message>
        <source>利息</source>
        <translation>interest</translation>
    </message>
    <message>
        <source>每次收入金额（不减除费用）</source>
        <translation>income of each payment (no expenses deducted)</translation>
    </message>
    <message>
        <source>中奖</source>
        <translation>prize</translation>
    </message>
    <message>
        <source>收入金额</source>
        <translation>income</translation>
    </message>
    <message>
        <source>应纳税所得额 = 收入金额 − 财产原值 − 有关税费</source>
        <translation>Taxable income = income − original value − related taxes and fees</translation>
    </message>
    <message>
        <source>转让亏损（应纳税所得额小于0）的不纳税</source>
        <translation>No tax on a loss on transfer (taxable income below 0)</translation>
    </message>
    <message>
        <source>应纳税所得额 = 收入总额 − 成本、费用及损失</source>
        <translation>Taxable income = total income − costs, expenses and losses</translation>
    </message>
    <message>
        <source>滞纳金 = 应缴税额 × 滞纳天数 × %1</source>
        <translation>Late payment surcharge = tax due × days overdue × %1</translation>
    </message>
    <message>
        <source>金额合计 = 应缴税额 + 滞纳金</source>
        <translation>Total = tax due + late payment surcharge</translation>
    </message>
    <message>
        <source>滞纳天数 = 实缴日期 − 届满日期；自2001年5月1日起，滞纳金加征率为每日万分之五</source>
        <translation>Days overdue = payment date − due date; since 1 May 2001 the late payment surcharge is 5 in 10,000 a day</translation>
    </message>
    <message>
        <source>工资薪金所得（月薪）</source>
        <translation>Income from wages and salaries (monthly)</translation>
    </message>
    <message>
        <source>起征额%1元 · %2</source>
        <translation>Threshold %1 yuan · %2</translation>
    </message>
    <message>
        <source>工资薪金所得（月薪旧版）</source>
        <translation>Income from wages and salaries (monthly, earlier rules)</translation>
    </message>
    <message>
        <source>工资薪金所得（年薪）</source>
        <translation>Income from wages and salaries (annual salary)</translation>
    </message>
    <message>
        <source>每月领取 + 年底其它奖金</source>
        <translation>Monthly pay + annual bonus</translation>
    </message>
    <message>
        <source>年终奖金所得</source>
        <translation>Annual bonus income</translation>
    </message>
    <message>
        <source>全年一次性奖金 · 除以%1确定税率</source>
        <translation>Annual bonus · ÷ %1 for the rate</translation>
    </message>
    <message>
        <source>经济补偿金所得</source>
        <translation>Income from severance pay</translation>
    </message>
    <message>
        <source>当地平均工资%1倍以内免税</source>
        <translation>Tax-free up to %1 times the local average wage</translation>
    </message>
    <message>
        <source>五险一金计算器</source>
        <translation>Social insurance and housing fund calculator</translation>
    </message>
    <message>
        <source>养老 · 医疗 · 失业 · 工伤 · 生育 · 公积金</source>
        <translation>Pension · Medical · Unemployment · Injury · Maternity · Housing fund</translation>
    </message>
    <message>
        <source>劳务报酬所得</source>
        <translation>Income from remuneration for labour services</translation>
    </message>
    <message>
        <source>减除费用后按%1%～%2%计税</source>
        <translation>Taxed at %1%–%2% after deductions</translation>
    </message>
    <message>
        <source>稿酬所得</source>
        <translation>Income from author&apos;s remuneration</translation>
    </message>
    <message>
        <source>税率%1，减征%2</source>
        <translation>Rate %1, reduced by %2</translation>
    </message>
    <message>
        <source>特许权使用费所得</source>
        <translation>Income from royalties</translation>
    </message>
    <message>
        <source>专利、商标、著作权等 · 税率%1</source>
        <translation>Patents, trademarks, copyrights etc. · rate %1</translation>
    </message>
    <message>
        <source>利息、股息、红利所得</source>
        <translation>Income from interest, dividends and bonuses</translation>
    </message>
    <message>
        <source>比例税率%1</source>
        <translation>Flat rate %1</translation>
    </message>
    <message>
        <source>偶然所得</source>
        <translation>Incidental income</translation>
    </message>
    <message>
        <source>中奖、中彩 · 比例税率%1</source>
        <translation>Prizes and lotteries · flat rate %1</translation>
    </message>
    <message>
        <source>其他所得</source>
        <translation>Other income</translation>
    </message>
    <message>
        <source>被确定征税的其他部分 · 税率%1</source>
        <translation>Other income ruled taxable · rate %1</translation>
    </message>
    <message>
        <source>财产租赁所得</source>
        <translation>Income from lease of property</translation>
    </message>
    <message>
        <source>税率%1 · 个人住房出租%2</source>
        <translation>Rate %1 · home letting by individuals %2</translation>
    </message>
    <message>
        <source>财产转让所得</source>
        <translation>Income from transfer of property</translation>
    </message>
    <message>
        <source>转让收入减原值及税费 · 税率%1</source>
        <translation>Proceeds less cost, taxes and fees · rate %1</translation>
    </message>
    <message>
        <source>个体工商户生产、经营所得</source>
        <translation>Income from production and business operations of individual businesses</translation>
    </message>
    <message>
        <source>%1级超额累进税率</source>
        <translation>%1-band progressive rates</translation>
    </message>
    <message>
        <source>承包经营、承租经营所得</source>
        <translation>Income from contracted or leased operation of enterprises</translation>
    </message>
    <message>
        <source>税收滞纳金计算器</source>
        <translation>Tax late payment surcharge calculator</translation>
    </message>
    <message>
        <source>每日加收滞纳税款万分之五</source>
        <translation>Surcharge: 5 in 10,000 of overdue tax a day</translation>
    </message>
    <message>
        <source>奖金 ÷ %1</source>
        <translation>Bonus ÷ %1</translation>
    </message>
    <message>
        <source>月度应纳税所得额</source>
        <translation>Monthly taxable income</translation>
    </message>
    <message>
        <source>每次应纳税所得额（劳务报酬）</source>
        <translation>Taxable income per payment (labour remuneration)</translation>
    </message>
    <message>
        <source>临界点：奖金刚超过%1元时税后反而减少，直到%2元。</source>
        <translation>Cliffs: a bonus just over %1 yuan leaves less after tax than one at that figure, until it reaches %2 yuan respectively.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>单独计税：按 奖金 ÷ %1 查月度税率表</source>
        <translation>Taxed separately: look up bonus ÷ %1 in the monthly table</translation>
    </message>
    <message>
        <source>奖金应纳税额 = 奖金 × 税率 − 速算扣除数</source>
        <translation>Tax payable on bonus = bonus × tax rate − quick deduction</translation>
    </message>
    <message>
        <source>并入综合所得：(其他应纳税所得额 + 奖金) 按年度税率表</source>
        <translation>Combined with comprehensive income: (other taxable income + bonus) by the annual table</translation>
    </message>
    <message>
        <source>单独计税可选至%1年%2月%3日。</source>
        <translation>The bonus can be taxed separately until %1-%2-%3.</translation>
    </message>
    <message>
        <source>每次收入不超过%1元减除%2元，超过%1元减除%3</source>
        <translation>Deduction per payment: %2 yuan up to %1 yuan, %3 over %1 yuan</translation>
    </message>
    <message>
        <source>应纳税所得额 = 收入 − 减除费用；稿酬再 × %1</source>
        <translation>Taxable income = income − deduction; author&apos;s remuneration then × %1</translation>
    </message>
    <message>
        <source>居民个人：劳务报酬按下表预扣，稿酬、特许权使用费按%1预扣</source>
        <translation>Resident individual: labour remuneration withheld by the table below, author&apos;s remuneration and royalties at %1</translation>
    </message>
    <message>
        <source>例：劳务报酬%1元，税额 = %2 × %3 − %4 = %5元</source>
        <translation>E.g. labour remuneration %1 yuan: tax = %2 × %3 − %4 = %5 yuan</translation>
    </message>
    <message>
        <source>年度汇算时，居民个人的劳务报酬、特许权使用费按收入的%1，稿酬按收入的%2并入综合所得，多退少补。</source>
        <translation>In the annual reconciliation, a resident individual&apos;s labour remuneration and royalties count at %1 of the income, author&apos;s remuneration at %2, combined with comprehensive income; tax overpaid is refunded, tax underpaid is paid.</translation>
    </message>
    <message>
        <source>非居民个人：一律减除%1，稿酬再 × %2，按月度税率表扣缴，不办理年度汇算：</source>
        <translation>Non-resident individual: %1 deducted in every case, author&apos;s remuneration then × %2, withheld by the monthly table, no annual reconciliation:</translation>
    </message>
    <message>
        <source>收入额 = 工资薪金 − 免税收入 + 劳务报酬 × %1 + 稿酬 × %1 × %2 + 特许权使用费 × %1</source>
        <translation>Income amount = wages and salaries − tax-exempt income + labour remuneration × %1 + author&apos;s remuneration × %1 × %2 + royalties × %1</translation>
    </message>
    <message>
        <source>应纳税所得额 = 收入额 − %1 − 三险一金 − 专项附加扣除 − 个人养老金（≤%2）− 商业健康保险（≤%3）− 其他扣除</source>
        <translation>Taxable income = income amount − %1 − social insurance and housing fund − special additional deductions − private pension (≤%2) − commercial health insurance (≤%3) − other deductions</translation>
    </message>
    <message>
        <source>年终奖单独计税的另按奖金 ÷ %1 查月度税率表计税；并入综合所得的计入收入额。</source>
        <translation>An annual bonus taxed separately is taxed apart, by bonus ÷ %1 in the monthly table; one combined with comprehensive income counts in the income amount.</translation>
    </message>
    <message>
        <source>应补（退）税额 = 应纳税额 + 年终奖税额 − 已预缴税额</source>
        <translation>Tax to pay (refund) = tax payable + annual bonus tax − tax prepaid</translation>
    </message>
    <message>
        <source>补税不超过%1元，或综合所得年收入不超过%2元的，无需办理；有退税的可以申请退税。</source>
        <translation>No annual reconciliation is needed if the tax to pay is at most %1 yuan or the year&apos;s comprehensive income at most %2 yuan; a refund can be claimed.</translation>
    </message>
    <message>
        <source>例：收入额%1元，扣除%2元，税额 = %3 × %4 = %5元</source>
        <translation>E.g. income amount %1 yuan, deductions %2 yuan: tax = %3 × %4 = %5 yuan</translation>
    </message>
    <message>
        <source>办理时间：次年%1月%2日至%3月%4日。</source>
        <translation>Filing period: %2 %1 to %4 %3 of the following year.</translation>
    </message>
    <message>
        <source>免税部分 = 补偿收入与当地上年职工平均工资 × %1 中较小者</source>
        <translation>Tax-exempt part = the lesser of the compensation and the local average wage of the previous year × %1</translation>
    </message>
    <message>
        <source>应纳税部分 = 补偿收入 − 免税部分</source>
        <translation>Taxable part = compensation − tax-exempt part</translation>
    </message>
    <message>
        <source>应纳税额 = 应纳税部分 × 税率 − 速算扣除数</source>
        <translation>Tax payable = taxable part × tax rate − quick deduction</translation>
    </message>
    <message>
        <source>税后收入 = 补偿收入 − 应纳税额</source>
        <translation>After-tax income = compensation − tax payable</translation>
    </message>
    <message>
        <source>应纳税部分不并入当年综合所得，单独按年度税率表计税：</source>
        <translation>The taxable part is not combined with the year&apos;s comprehensive income but taxed separately by the annual table:</translation>
    </message>
    <message>
        <source>例：平均工资%1元，补偿%2元，免税%3元，</source>
        <translation>E.g. average wage %1 yuan, compensation %2 yuan, tax-exempt %3 yuan,</translation>
    </message>
    <message>
        <source>税额 = %1 × %2 − %3 = %4元</source>
        <translation>tax = %1 × %2 − %3 = %4 yuan</translation>
    </message>
    <message>
        <source>累计预扣预缴应纳税所得额</source>
        <translation>Cumulative taxable income</translation>
    </message>
    <message>
        <source>%1月 %2 × %3% − %4 − %5 = %6元</source>
        <translation>month %1: %2 × %3% − %4 − %5 = %6 yuan</translation>
    </message>
    <message>
        <source>%1月起每月%2元</source>
        <translation>from month %1: %2 yuan a month</translation>
    </message>
    <message>
        <source>%1至%2月每月%3元</source>
        <translation>Months %1–%2: %3 yuan a month</translation>
    </message>
    <message>
        <source>例：月薪%1元，三险一金%2元，专项附加扣除%3元：</source>
        <translation>E.g. monthly wage %1 yuan, social insurance and housing fund %2 yuan, special additional deductions %3 yuan:</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>累计应纳税所得额 = 累计收入 − 累计免税收入 − 累计减除费用 − 累计专项扣除 − 累计专项附加扣除 − 累计其他扣除</source>
        <translation>Cumulative taxable income = cumulative income − cumulative tax-exempt income − cumulative basic deduction − cumulative special deductions − cumulative special additional deductions − cumulative other deductions</translation>
    </message>
    <message>
        <source>本月应预扣税额 = 累计应纳税所得额 × 预扣率 − 速算扣除数 − 累计已预扣税额</source>
        <translation>Tax to withhold this month = cumulative taxable income × withholding rate − quick deduction − cumulative tax withheld</translation>
    </message>
    <message>
        <source>累计减除费用：按月，%1元 × 在本单位发薪月数；自1月，%1元 × 月份；6万，1月起即为%2元。</source>
        <translation>Cumulative basic deduction: by month, %1 yuan × months paid by this employer; from January, %1 yuan × the month; 60,000 at once, %2 yuan from January.</translation>
    </message>
    <message>
        <source>算得为负数时本月不预扣，年内不退，年度汇算时多退少补。</source>
        <translation>A negative result means no withholding this month and no refund within the year; the annual reconciliation settles the difference.</translation>
    </message>
    <message>
        <source>非居民个人：每月收入减除%1元后按月度税率表计税，不累计。</source>
        <translation>Non-resident individual: each month&apos;s income less %1 yuan, taxed by the monthly table, not cumulative.</translation>
    </message>
    <message>
        <source>QQ交谈</source>
        <translation>Chat on QQ</translation>
    </message>
    <message>
        <source>旺旺交谈</source>
        <translation>Wangwang</translation>
    </message>
    <message>
        <source>级数</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>不超过%1元</source>
        <translation>Up to %1 yuan</translation>
    </message>
    <message>
        <source>超过%1元</source>
        <translation>Over %1 yuan</translation>
    </message>
    <message>
        <source>超过%1元至%2元</source>
        <translation>Over %1 to %2 yuan</translation>
    </message>
    <message>
        <source>%1～%2元</source>
        <translation>%1–%2 yuan</translation>
    </message>
    <message>
        <source>，速算扣除%1</source>
        <translation>, quick deduction %1</translation>
    </message>
    <message>
        <source>%1税率表</source>
        <translation>%1: tax rates</translation>
    </message>
</context>
<context>
    <name>ReverseCommand</name>
    <message>
        <source>税后 %1 元无法达到：税前%2在 %3 元以下时都达不到</source>
        <translation>%1 yuan after tax cannot be reached: no %2 before tax below %3 yuan reaches it</translation>
    </message>
    <message>
        <source>选项 --%1 只与 --insurance-rate 同用</source>
        <translation>option --%1 is only used with --insurance-rate</translation>
    </message>
    <message>
        <source>选项 --insurance-rate 的值“%1”不是百分数（最多两位小数，如 10.5）</source>
        <translation>the value &quot;%1&quot; of option --insurance-rate is not a percentage (at most two decimals, e.g. 10.5)</translation>
    </message>
    <message>
        <source>缴费比例 %1% 超过 %2</source>
        <translation>the contribution rate %1% is over %2</translation>
    </message>
    <message>
        <source>缴费基数上限 %1 低于下限 %2</source>
        <translation>the upper limit %1 of the contribution base is below the lower limit %2</translation>
    </message>
    <message>
        <source>税前月薪</source>
        <translation>Monthly wage before tax</translation>
    </message>
    <message>
        <source>平均每月税后</source>
        <translation>Average a month after tax</translation>
    </message>
    <message>
        <source>全年税前合计</source>
        <translation>Year&apos;s total before tax</translation>
    </message>
    <message>
        <source>全年三险一金合计</source>
        <translation>Year&apos;s total social insurance and housing fund</translation>
    </message>
    <message>
        <source>全年预扣税额合计</source>
        <translation>Year&apos;s total tax withheld</translation>
    </message>
    <message>
        <source>全年税后合计</source>
        <translation>Year&apos;s total after tax</translation>
    </message>
    <message>
        <source>目标每月税后收入（必填）</source>
        <translation>target after-tax income a month (required)</translation>
    </message>
    <message>
        <source>每月免税收入</source>
        <translation>tax-exempt income of each month</translation>
    </message>
    <message>
        <source>每月三险一金，固定金额</source>
        <translation>social insurance and housing fund a month, a fixed amount</translation>
    </message>
    <message>
        <source>百分数</source>
        <translation>percent</translation>
    </message>
    <message>
        <source>三险一金按月薪的比例，如 10.5（最多两位小数）</source>
        <translation>social insurance and housing fund as a percentage of the wage, e.g. 10.5 (at most two decimals)</translation>
    </message>
    <message>
        <source>缴费基数下限，默认 0</source>
        <translation>lower limit of the contribution base, 0 by default</translation>
    </message>
    <message>
        <source>缴费基数上限，默认无上限</source>
        <translation>upper limit of the contribution base, none by default</translation>
    </message>
    <message>
        <source>每月专项附加扣除</source>
        <translation>special additional deductions of each month</translation>
    </message>
    <message>
        <source>每月其他扣除</source>
        <translation>other deductions of each month</translation>
    </message>
    <message>
        <source>月薪</source>
        <translation>monthly wage</translation>
    </message>
    <message>
        <source>税前奖金</source>
        <translation>Bonus before tax</translation>
    </message>
    <message>
        <source>税后奖金</source>
        <translation>Bonus after tax</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>奖金应纳税额</source>
        <translation>Tax payable on the bonus</translation>
    </message>
    <message>
        <source>其他综合所得应纳税额</source>
        <translation>Tax payable on other comprehensive income</translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation>Total tax payable</translation>
    </message>
    <message>
        <source>
临界点：奖金超过 %1 而不到 %2 时，税后反而少于发 %1，最多少得 %3；加发奖金时应越过 %2
</source>
        <translation>
Cliff: a bonus above %1 and below %2 leaves less after tax than a bonus of %1, up to %3 less; a larger bonus should go beyond %2
</translation>
    </message>
    <message>
        <source>由税后奖金反算全年一次性奖金：单独计税时，税后不少于目标的最低奖金；
并给出奖金之上最近的临界点，及其上税后反而更少的区间。</source>
        <translation>Works back from the after-tax bonus to the annual bonus: the lowest bonus, taxed
separately, that leaves at least the target after tax; with the nearest cliff above the bonus
and the range above it that leaves less after tax.</translation>
    </message>
    <message>
        <source>目标税后奖金（必填）</source>
        <translation>target after-tax bonus (required)</translation>
    </message>
    <message>
        <source>奖金以外的全年综合所得应纳税所得额，默认 0，用于其他综合所得应纳税额；扣除未用完时可为负数</source>
        <translation>taxable income of the year&apos;s comprehensive income besides the bonus, 0 by default, for the tax payable on other comprehensive income; negative when deductions are left unused</translation>
    </message>
    <message>
        <source>奖金</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>由一次劳务报酬、稿酬或特许权使用费的税后收入反算税前收入：预扣（居民个人）
或代扣（非居民个人）税款后不少于目标的最低收入。</source>
        <translation>Works back from the after-tax income of one payment of labour remuneration, author&apos;s remuneration
or royalties to the income before tax: the lowest income that leaves at least the target after
the tax withheld (resident individual) or withheld at source (non-resident individual).</translation>
    </message>
    <message>
        <source>目标税后收入（必填）</source>
        <translation>target after-tax income (required)</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>缺少反算类别</source>
        <translation>the kind of reverse calculation is missing</translation>
    </message>
    <message>
        <source>未知的反算类别“%1”</source>
        <translation>unknown kind of reverse calculation &quot;%1&quot;</translation>
    </message>
    <message>
        <source>，应为 wage、bonus 或 labour（用法见 pendra-cli reverse --help）</source>
        <translation>: it should be wage, bonus or labour (see pendra-cli reverse --help)</translation>
    </message>
    <message>
        <source>%1 至 %2 月，共 %3 个月，减除方式%4
</source>
        <translation>Months %1 to %2 (%3 months), deduction method: %4
</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>税前收入</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation>Social insurance and housing fund</translation>
    </message>
    <message>
        <source>预扣税额</source>
        <translation>Tax withheld</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>Net pay</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>每月税后相同：每月税前收入各不相同，各月税后都恰为 %1
</source>
        <translation>Equal net pay: each month has a gross of its own, and every month&apos;s net pay is exactly %1
</translation>
    </message>
    <message>
        <source>由每月税后收入反算税前月薪：--from 至 --to 月（默认 1 至 %1 月）在同一单位
发放相同的工资（减除方式同 wage，每月 %2 元），求这些月税后合计不少于月数 ×
目标的最低月薪，并列出各月明细。加 --equal-net 则逐月求税前收入，使每个月的
税后都恰为目标（各月税前不同）。三险一金为固定金额（--insurance），或为月薪
的一定比例（--insurance-rate）：月薪低于缴费基数下限的按下限、高于上限的按
上限计算，按分四舍五入。</source>
        <translation>From the net pay wanted each month back to the monthly gross wage: the same wage paid by one
employer in months --from to --to (1 to %1 when not given; the deduction method as for wage,
%2 a month), the least monthly wage whose net pay over those months comes to at least the
number of months × the target, with each month in detail. With --equal-net, each month&apos;s gross
is found so that every month&apos;s net pay is exactly the target (the grosses differ). The social
insurance and housing fund is a fixed amount (--insurance) or a share of the wage
(--insurance-rate): a wage below the contribution base&apos;s floor pays on the floor, one above its
ceiling on the ceiling, rounded to the cent.</translation>
    </message>
    <message>
        <source>每月税后相同：逐月求税前收入，使各月税后都恰为目标</source>
        <translation>equal net pay: find each month&apos;s gross so that every month&apos;s net pay is exactly the target</translation>
    </message>
    <message>
        <source>每月收入</source>
        <translation>monthly pay</translation>
    </message>
    <message>
        <source>用法：pendra-cli reverse &lt;类别&gt; --net &lt;金额&gt; [选项]

由税后金额反算税前金额：求税后不少于目标的最低税前金额（精确到分）。
税前金额在 %1 元以下都达不到的目标不予计算（退出状态 2）。

类别：
  wage    每月工资薪金：所选月份（默认 1 至 %2 月）在同一单位发放，各月税后
          合计达到目标；或 --equal-net，每月税后都恰为目标
  bonus   全年一次性奖金，单独计税
  labour  劳务报酬、稿酬、特许权使用费，居民或非居民个人

每个类别都有 --help，列出其选项；加 --json 以 JSON 输出。

示例：
  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000
  pendra-cli reverse bonus --net 50000 --json
  pendra-cli reverse labour --net 16800 --kind author
</source>
        <translation>Usage: pendra-cli reverse &lt;kind&gt; --net &lt;amount&gt; [options]

From an amount after tax back to the amount before tax: the least gross whose net is at least
the target (to the cent). A target that no gross below %1 yuan reaches is not computed (exit
status 2).

Kinds:
  wage    monthly wages and salaries paid by one employer in the months chosen (1 to %2 when
          not given), the months&apos; net pay together reaching the target; or --equal-net, every
          month&apos;s net pay exactly the target
  bonus   the annual bonus, taxed separately
  labour  remuneration for labour services, author&apos;s remuneration, royalties, resident or
          non-resident individual

Each kind has --help listing its options; add --json for JSON output.

Examples:
  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000
  pendra-cli reverse bonus --net 50000 --json
  pendra-cli reverse labour --net 16800 --kind author
</translation>
    </message>
</context>
<context>
    <name>RulesPeriod</name>
    <message>
        <source>2011年9月至2018年12月施行</source>
        <translation>in force from September 2011 to December 2018</translation>
    </message>
    <message>
        <source>2008年3月至2011年8月施行</source>
        <translation>in force from March 2008 to August 2011</translation>
    </message>
    <message>
        <source>2011年8月以前施行</source>
        <translation>in force until August 2011</translation>
    </message>
    <message>
        <source>2018年12月以前按次计税</source>
        <translation>in force until December 2018 (tax per payment)</translation>
    </message>
    <message>
        <source>%1年起仍然适用</source>
        <translation>still in force from %1</translation>
    </message>
    <message>
        <source>本页按%1的规定计算；%2年起施行的个人所得税法已无“经国务院财政部门确定征税的其他所得”这一项，其余各项所得见“现行税法”菜单。</source>
        <translation>This page calculates by the rules %1; the Individual Income Tax law in force since %2 no longer has the category &quot;other income determined taxable by the finance department of the State Council&quot;; for the other categories of income, see the Current Law menu.</translation>
    </message>
    <message>
        <source>本页按%1的规定计算；%2年起的现行规定见“现行税法”菜单。</source>
        <translation>This page calculates by the rules %1; for the rules in force since %2, see the Current Law menu.</translation>
    </message>
    <message>
        <source>以上结果按%1的规定计算</source>
        <translation>Results by the rules %1</translation>
    </message>
    <message>
        <source>—— %1的规定 ——</source>
        <translation>—— Rules %1 ——</translation>
    </message>
    <message>
        <source>按%1的规定计算</source>
        <translation>Calculated by the rules %1</translation>
    </message>
</context>
<context>
    <name>SettleCommand</name>
    <message>
        <source>年度汇算：按全年合计数计算综合所得应纳税额和应补（退）税额，并判断是否
需要办理。各金额均为全年合计，默认 0；劳务报酬、稿酬、特许权使用费填收入。</source>
        <translation>Annual reconciliation: the tax payable on comprehensive income and the tax to pay (refund) from
the year&apos;s totals, and whether a return must be filed. Every amount is the year&apos;s total, 0 by
default; for labour remuneration, author&apos;s remuneration and royalties give the income.</translation>
    </message>
    <message>
        <source>工资薪金（不含全年一次性奖金）</source>
        <translation>wages and salaries (excluding the annual bonus)</translation>
    </message>
    <message>
        <source>劳务报酬收入</source>
        <translation>labour remuneration received</translation>
    </message>
    <message>
        <source>稿酬收入</source>
        <translation>author&apos;s remuneration received</translation>
    </message>
    <message>
        <source>特许权使用费收入</source>
        <translation>royalties received</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation>Tax-exempt income</translation>
    </message>
    <message>
        <source>专项扣除（三险一金）</source>
        <translation>special deductions (social insurance and housing fund)</translation>
    </message>
    <message>
        <source>专项附加扣除（含大病医疗）</source>
        <translation>special additional deductions (including medical treatment for serious illness)</translation>
    </message>
    <message>
        <source>个人养老金（最多扣除 %1）</source>
        <translation>private pension (at most %1 deducted)</translation>
    </message>
    <message>
        <source>商业健康保险（最多扣除 %1）</source>
        <translation>commercial health insurance (at most %1 deducted)</translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation>Other deductions</translation>
    </message>
    <message>
        <source>全年一次性奖金</source>
        <translation>Annual bonus</translation>
    </message>
    <message>
        <source>方法</source>
        <translation>method</translation>
    </message>
    <message>
        <source>separate（单独计税，默认）或 merged（并入综合所得）</source>
        <translation>separate (taxed separately, the default) or merged (combined with comprehensive income)</translation>
    </message>
    <message>
        <source>全年已预缴税额</source>
        <translation>tax prepaid in the year</translation>
    </message>
    <message>
        <source>未知的奖金计税方法“%1”，应为 separate 或 merged</source>
        <translation>unknown bonus method &quot;%1&quot;: separate or merged</translation>
    </message>
    <message>
        <source>公益慈善事业捐赠，限额扣除（不超过扣除捐赠前应纳税所得额的 %1%）</source>
        <translation>donations to public welfare deducted within the limit (at most %1% of the taxable income before donations)</translation>
    </message>
    <message>
        <source>准予全额扣除的公益慈善事业捐赠</source>
        <translation>donations to public welfare allowed in full</translation>
    </message>
    <message>
        <source>有扣缴义务人应预扣预缴而未预扣：补税不超过 %1 或收入不超过 %2 也须办理汇算</source>
        <translation>A withholding agent should have withheld tax but did not: the reconciliation is needed even for tax due of at most %1 or income of at most %2</translation>
    </message>
</context>
<context>
    <name>SettlementForm</name>
    <message>
        <source>全年工资薪金：</source>
        <translation>Wages and salaries for the year:</translation>
    </message>
    <message>
        <source>全年劳务报酬：</source>
        <translation>Labour remuneration for the year:</translation>
    </message>
    <message>
        <source>全年稿酬：</source>
        <translation>Author&apos;s remuneration for the year:</translation>
    </message>
    <message>
        <source>全年特许权使用费：</source>
        <translation>Royalties for the year:</translation>
    </message>
    <message>
        <source>全年免税收入：</source>
        <translation>Tax-exempt income for the year:</translation>
    </message>
    <message>
        <source>全年三险一金：</source>
        <translation>Social insurance and housing fund for the year:</translation>
    </message>
    <message>
        <source>全年专项附加扣除：</source>
        <translation>Special additional deductions for the year:</translation>
    </message>
    <message>
        <source>全年个人养老金：</source>
        <translation>Private pension for the year:</translation>
    </message>
    <message>
        <source>全年商业健康保险：</source>
        <translation>Commercial health insurance for the year:</translation>
    </message>
    <message>
        <source>全年其他扣除：</source>
        <translation>Other deductions for the year:</translation>
    </message>
    <message>
        <source>公益慈善捐赠（限额）：</source>
        <translation>Donations within the limit:</translation>
    </message>
    <message>
        <source>公益慈善捐赠（全额）：</source>
        <translation>Donations allowed in full:</translation>
    </message>
    <message>
        <source>全年一次性奖金：</source>
        <translation>Annual bonus:</translation>
    </message>
    <message>
        <source>全年已预缴税额：</source>
        <translation>Tax prepaid for the year:</translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation>%1: invalid figure, please enter it again.</translation>
    </message>
    <message>
        <source>全年免税收入不能大于全年收入合计，请重新输入。</source>
        <translation>Tax-exempt income for the year cannot exceed the year&apos;s total income; please re-enter.</translation>
    </message>
    <message>
        <source>应补（退）税额：</source>
        <translation>Tax to pay (refund):</translation>
    </message>
    <message>
        <source>应退税额：</source>
        <translation>Tax to refund:</translation>
    </message>
    <message>
        <source>应补税额：</source>
        <translation>Tax to pay:</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>SettlementOutput</name>
    <message>
        <source>专项附加扣除（不含大病医疗）</source>
        <translation>Special additional deductions (excl. medical treatment for serious illness)</translation>
    </message>
    <message>
        <source>大病医疗</source>
        <translation>Medical treatment for serious illness</translation>
    </message>
    <message>
        <source>应退税 %1：可以办理汇算申请退税，也可以不办理</source>
        <translation>Refund due %1: you may file the annual reconciliation to claim it, or not file</translation>
    </message>
    <message>
        <source>无需补税也无退税，无需办理汇算</source>
        <translation>No tax to pay and no refund: no annual reconciliation needed</translation>
    </message>
    <message>
        <source>应补税 %1：须在次年 %2 月 %3 日前办理汇算</source>
        <translation>Tax to pay %1: the annual reconciliation must be filed by %3/%2 of the following year</translation>
    </message>
    <message>
        <source>综合所得收入额</source>
        <translation>Comprehensive income amount</translation>
    </message>
    <message>
        <source>扣除合计</source>
        <translation>Total deductions</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>综合所得应纳税额</source>
        <translation>Tax payable on comprehensive income</translation>
    </message>
    <message>
        <source>年终奖单独计税税额</source>
        <translation>Tax on annual bonus taxed separately</translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation>Total tax payable</translation>
    </message>
    <message>
        <source>已预缴税额</source>
        <translation>Tax prepaid</translation>
    </message>
    <message>
        <source>应补（退）税额</source>
        <translation>Tax to pay (refund)</translation>
    </message>
    <message>
        <source>捐赠限额（%1%）</source>
        <translation>Donation limit (%1%)</translation>
    </message>
    <message>
        <source>捐赠扣除</source>
        <translation>Donations deducted</translation>
    </message>
    <message>
        <source>公益慈善捐赠（限额扣除）</source>
        <translation>Donations within the limit</translation>
    </message>
    <message>
        <source>公益慈善捐赠（全额扣除）</source>
        <translation>Donations allowed in full</translation>
    </message>
    <message>
        <source>应补税 %1，不超过 %2 元，无需办理汇算（%3）</source>
        <translation>Tax to pay %1, not over %2 yuan: no annual reconciliation needed (%3)</translation>
    </message>
    <message>
        <source>应补税 %1，但综合所得年收入不超过 %2 元，无需办理汇算（%3）</source>
        <translation>Tax to pay %1, but the comprehensive income of the year is not over %2 yuan: no annual reconciliation needed (%3)</translation>
    </message>
    <message>
        <source>年终奖并入综合所得</source>
        <translation>the annual bonus combined with comprehensive income</translation>
    </message>
    <message>
        <source>年终奖单独计税</source>
        <translation>the annual bonus taxed separately</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计为 %2，多 %3
</source>
        <translation>With %1, the total tax payable would be %2, %3 more
</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计为 %2，少 %3
</source>
        <translation>With %1, the total tax payable would be %2, %3 less
</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计同为 %2
</source>
        <translation>With %1, the total tax payable would be the same, %2
</translation>
    </message>
</context>
<context>
    <name>SettlementSentences</name>
    <message>
        <source>次年%1月%2日至%3月%4日</source>
        <translation>from %2/%1 to %4/%3 (day/month) of the following year</translation>
    </message>
    <message>
        <source>可以办理年度汇算申请退税</source>
        <translation>You may file the annual reconciliation to claim a refund</translation>
    </message>
    <message>
        <source>无需办理年度汇算</source>
        <translation>No annual reconciliation needed</translation>
    </message>
    <message>
        <source>需要办理年度汇算</source>
        <translation>Annual reconciliation needed</translation>
    </message>
    <message>
        <source>（%1，此项免于办理的规定施行至%2）</source>
        <translation> (%1; this exemption applies until %2)</translation>
    </message>
    <message>
        <source>已预缴税额比全年应纳税额多%1：可在%2办理年度汇算申请退税；放弃退税的，可以不办理。</source>
        <translation>The tax prepaid exceeds the year&apos;s tax payable by %1: you may file the annual reconciliation %2 to claim a refund; if you forgo the refund, you need not file.</translation>
    </message>
    <message>
        <source>已预缴税额与全年应纳税额相等，既不需补税，也没有退税。</source>
        <translation>The tax prepaid equals the year&apos;s tax payable: nothing to pay and no refund.</translation>
    </message>
    <message>
        <source>需补税%1，不超过%2元，依规定无需办理年度汇算，也不必补缴%3。</source>
        <translation>Tax to pay %1, not above %2 yuan: by the rules, no annual reconciliation is needed and the tax need not be paid%3.</translation>
    </message>
    <message>
        <source>需补税%1，但全年综合所得收入不超过%2元，依规定无需办理年度汇算，也不必补缴%3。</source>
        <translation>Tax to pay %1, but the year&apos;s comprehensive income is not above %2 yuan: by the rules, no annual reconciliation is needed and the tax need not be paid%3.</translation>
    </message>
    <message>
        <source>需补税%1。有扣缴义务人应预扣预缴而未预扣，不适用补税不超过%2元或收入不超过%3元免于办理的规定：须在%4办理年度汇算并补缴税款。</source>
        <translation>Tax to pay %1. A withholding agent should have withheld tax but did not, so the exemption for tax due of at most %2 yuan or income of at most %3 yuan does not apply: the annual reconciliation must be filed and the tax paid %4.</translation>
    </message>
    <message>
        <source>需补税%1，超过%2元，且全年综合所得收入超过%3元：须在%4办理年度汇算并补缴税款。</source>
        <translation>Tax to pay %1, above %2 yuan, and the year&apos;s comprehensive income is above %3 yuan: the annual reconciliation must be filed and the tax paid %4.</translation>
    </message>
    <message>
        <source>若改为%1：应纳税额合计同为%2，两种方式相同。</source>
        <translation>With &quot;%1&quot; instead: total tax payable also %2; both methods are equal.</translation>
    </message>
    <message>
        <source>若改为%1：应纳税额合计%2，多缴%3；%4较低。</source>
        <translation>With &quot;%1&quot; instead: total tax payable %2, %3 more; &quot;%4&quot; is lower.</translation>
    </message>
    <message>
        <source>若改为%1：应纳税额合计%2，少缴%3；%1较低。</source>
        <translation>With &quot;%1&quot; instead: total tax payable %2, %3 less; &quot;%1&quot; is lower.</translation>
    </message>
</context>
<context>
    <name>SeveranceCommand</name>
    <message>
        <source>补偿收入</source>
        <translation>Compensation</translation>
    </message>
    <message>
        <source>免税部分</source>
        <translation>Tax-free part</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>应纳税额</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>一次性补贴收入</source>
        <translation>Lump-sum allowance</translation>
    </message>
    <message>
        <source>分摊年数</source>
        <translation>Years spread over</translation>
    </message>
    <message>
        <source>每年分摊额</source>
        <translation>Share a year</translation>
    </message>
    <message>
        <source>每年应纳税所得额</source>
        <translation>Taxable income a year</translation>
    </message>
    <message>
        <source>每年应纳税额</source>
        <translation>Tax payable a year</translation>
    </message>
    <message>
        <source>选项 --years 的值“%1”不是有效的年数：应大于 0、不超过 %2，最多两位小数</source>
        <translation>the value &quot;%1&quot; of option --years is not a valid number of years: more than 0, at most %2, with at most two decimals</translation>
    </message>
    <message>
        <source>一次性补偿收入或提前退休一次性补贴（必填）</source>
        <translation>lump-sum compensation or lump-sum early retirement allowance (required)</translation>
    </message>
    <message>
        <source>当地上年职工平均工资（年，解除劳动合同时必填）</source>
        <translation>local average annual wage of the previous year (required for ending a labour contract)</translation>
    </message>
    <message>
        <source>提前退休一次性补贴</source>
        <translation>lump-sum early retirement allowance</translation>
    </message>
    <message>
        <source>年数</source>
        <translation>years</translation>
    </message>
    <message>
        <source>办理提前退休手续至法定退休年龄的年数，大于 0，最多两位小数（提前退休时必填）</source>
        <translation>years from the early retirement to the statutory retirement age, more than 0, at most two decimals (required for early retirement)</translation>
    </message>
    <message>
        <source>选项 --years 只用于 --early-retirement</source>
        <translation>option --years is only for --early-retirement</translation>
    </message>
    <message>
        <source>内部退养一次性收入</source>
        <translation>lump sum on internal retirement</translation>
    </message>
    <message>
        <source>至法定退休年龄的月数</source>
        <translation>Months to statutory retirement age</translation>
    </message>
    <message>
        <source>当月工资</source>
        <translation>Wage of the month</translation>
    </message>
    <message>
        <source>每月平均额</source>
        <translation>Average a month</translation>
    </message>
    <message>
        <source>确定税率的基数</source>
        <translation>Base finding the rate</translation>
    </message>
    <message>
        <source>当月应纳税额</source>
        <translation>Tax of the month</translation>
    </message>
    <message>
        <source>当月工资单独计算的税额</source>
        <translation>Tax of the wage alone</translation>
    </message>
    <message>
        <source>一次性收入增加的税额</source>
        <translation>Tax the lump sum adds</translation>
    </message>
    <message>
        <source>选项 --months 的值“%1”不是有效的月数：应为 1 到 %2 的整数</source>
        <translation>the value “%1” of --months is not a valid number of months: it must be a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>月数</source>
        <translation>MONTHS</translation>
    </message>
    <message>
        <source>办理内部退养手续至法定退休年龄的月数（内部退养时必填）</source>
        <translation>months from internal retirement to the statutory retirement age (required for internal retirement)</translation>
    </message>
    <message>
        <source>领取一次性收入当月的工资（内部退养时必填）</source>
        <translation>the wage of the month the lump sum is received (required for internal retirement)</translation>
    </message>
    <message>
        <source>选项 --months 和 --wage 只用于 --internal-retirement</source>
        <translation>--months and --wage are only for --internal-retirement</translation>
    </message>
    <message>
        <source>解除劳动合同的一次性补偿收入：当地上年职工平均工资 %3 倍以内的部分免税，
超过的部分单独按综合所得年度税率表计税。
加 --early-retirement：提前退休一次性补贴，按办理提前退休手续至法定退休
年龄的年数（可带两位小数）平均分摊，每年减除 %1 元后按年度税率表计税，
再乘以年数；不并入当年综合所得。法定退休年龄自 %2 年起逐步提高，
年数按本人的法定退休年龄自行计算。
加 --internal-retirement：内部退养一次性收入：一次性收入除以至法定退休
年龄的月数，加当月工资，减 %4 元，按月度税率表找税率；当月税额 =
（当月工资 + 一次性收入 − %4）× 税率 − 速算扣除数。</source>
        <translation>Lump-sum compensation for ending a labour contract: the part up to %3 times the local average
annual wage of the previous year is tax-free; the rest is taxed separately by the annual tax
table of comprehensive income.
With --early-retirement: a lump-sum early retirement allowance is spread evenly over the years
from the early retirement to the statutory retirement age (up to two decimals); each year&apos;s share
less %1 yuan is taxed by the annual tax table and the tax multiplied by the years; it is not
combined with the year&apos;s comprehensive income. The statutory retirement age rises gradually from
%2; work out the years from your own statutory retirement age.
With --internal-retirement: a lump sum on internal retirement divided by the months to the
statutory retirement age, plus the wage of the month, less %4 yuan, finds the rate on the monthly
tax table; the month&apos;s tax = (wage + lump sum − %4) × rate − quick deduction.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>%1第%2行的引号在%3之内没有闭合（本程序一行最多%3）</source>
        <translation>%1, row %2: a quotation mark is not closed within %3 (this program reads at most %3 a row)</translation>
    </message>
    <message>
        <source>%1第%2行超过了%3（本程序一行最多%3）</source>
        <translation>%1, row %2 is longer than %3 (this program reads at most %3 a row)</translation>
    </message>
    <message>
        <source>%1第%2行是UTF-8编码，而前面的行是GBK编码；请把整个文件另存为同一种编码</source>
        <translation>%1, row %2 is UTF-8 while the rows before it are GBK; save the whole file in one encoding</translation>
    </message>
    <message>
        <source>%1是%2编码，请另存为UTF-8或GBK编码的CSV文件</source>
        <translation>%1 is in %2 encoding; save it as a CSV file in UTF-8 or GBK</translation>
    </message>
    <message>
        <source>%1字节</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1第%2行第%3列不是空的，超出了本程序能读的%4列</source>
        <translation>%1, row %2, column %3 is not empty: beyond the %4 columns this program can read</translation>
    </message>
    <message>
        <source>%1第%2行第%3列的文字超过了%4（本程序一个单元格最多%4）</source>
        <translation>%1, row %2, column %3 holds more than %4 of text (this program reads at most %4 a cell)</translation>
    </message>
    <message>
        <source>%1第%2行：数据行超过了本程序能读的%3行</source>
        <translation>%1, row %2: more data rows than the %3 this program can read</translation>
    </message>
    <message>
        <source>%1第%2行（标题行）第%3列含有空字符（NUL）</source>
        <translation>%1, row %2 (the title row), column %3 contains a null character (NUL)</translation>
    </message>
    <message>
        <source>“%1”不是普通文件（而是设备、管道、套接字之类），不能作为工资表读取</source>
        <translation>&quot;%1&quot; is not a regular file (it is a device, pipe, socket or the like) and cannot be read as a payroll sheet</translation>
    </message>
    <message>
        <source>无法打开%1</source>
        <translation>cannot open %1</translation>
    </message>
    <message>
        <source>“%1”不是普通文件（而是设备、管道、套接字或文件夹），不会写入它</source>
        <translation>&quot;%1&quot; is not a regular file (it is a device, pipe, socket or folder): it will not be written</translation>
    </message>
    <message>
        <source>“%1”是符号链接；为免改动它指向的文件，不会通过链接写入</source>
        <translation>&quot;%1&quot; is a symbolic link: to leave the file it points to unchanged, nothing is written through it</translation>
    </message>
    <message>
        <source>%1属于其他用户，不会改写它</source>
        <translation>%1 belongs to another user: it will not be overwritten</translation>
    </message>
    <message>
        <source>%1是只读文件，不会改写它</source>
        <translation>%1 is read-only: it will not be overwritten</translation>
    </message>
    <message>
        <source>%1太大，不会改写它</source>
        <translation>%1 is too large: it will not be overwritten</translation>
    </message>
    <message>
        <source>%1就是读入的工资表，结果不会写在它上面；请另选一个文件</source>
        <translation>%1 is the payroll sheet that was read: the results will not be written over it; choose another file</translation>
    </message>
    <message>
        <source>%1中没有一行可以计算，没有写出结果</source>
        <translation>%1 has no row that can be calculated: no results written</translation>
    </message>
    <message>
        <source>%1超出了金额的范围（最大为%2）</source>
        <translation>%1 is out of the range of amounts (at most %2)</translation>
    </message>
    <message>
        <source>含有空字符（NUL），不是文字</source>
        <translation>contains a null character (NUL): not text</translation>
    </message>
    <message>
        <source>写入期间，文件原来的位置被其他程序改动了</source>
        <translation>another program changed the file&apos;s place while it was being written</translation>
    </message>
    <message>
        <source>%1（第%2行）</source>
        <translation>%1 (line %2)</translation>
    </message>
    <message>
        <source>%1已损坏或不是工资表：其中%2的元素嵌套超过了%3层</source>
        <translation>%1 is damaged or not a payroll sheet: the elements of %2 are nested more than %3 levels deep</translation>
    </message>
    <message>
        <source>%1已损坏：其中缺少%2</source>
        <translation>%1 is damaged: %2 is missing from it</translation>
    </message>
    <message>
        <source>%1已损坏或不是工资表：其中的%2解压后超过了%3（本程序最多解压到文件大小的%4倍，且不超过%5）</source>
        <translation>%1 is damaged or not a payroll sheet: its part %2 decompresses to more than %3 (this program decompresses at most %4 times the file size, and no more than %5)</translation>
    </message>
    <message>
        <source>%1已损坏或不是工资表：其中%2有一段文字或标记超过了%3（本程序一个单元格最多%4）</source>
        <translation>%1 is damaged or not a payroll sheet: %2 holds a run of text or markup over %3 (this program reads at most %4 a cell)</translation>
    </message>
    <message>
        <source>%1已损坏：第%2行第%3列引用的共享文字不存在</source>
        <translation>%1 is damaged: the shared text that row %2, column %3 refers to does not exist</translation>
    </message>
    <message>
        <source>%1已损坏：压缩包不完整（可能只复制或下载了一部分）</source>
        <translation>%1 is damaged: the zip archive is incomplete (perhaps only part of it was copied or downloaded)</translation>
    </message>
    <message>
        <source>%1的列数（%2）超过了Excel一张工作表的%3列，请另存为CSV文件</source>
        <translation>%1 would have more columns (%2) than the %3 of an Excel worksheet: save it as a CSV file</translation>
    </message>
    <message>
        <source>无法在%1所在的文件夹中写入</source>
        <translation>cannot write in the folder of %1</translation>
    </message>
    <message>
        <source>工号</source>
        <translation>Employee ID</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation>Tax-exempt income</translation>
    </message>
    <message>
        <source>专项扣除</source>
        <translation>Special deductions</translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation>Special additional deductions</translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation>Other deductions</translation>
    </message>
    <message>
        <source>减除方式</source>
        <translation>Deduction method</translation>
    </message>
    <message>
        <source>累计收入</source>
        <translation>Cumulative income</translation>
    </message>
    <message>
        <source>累计免税收入</source>
        <translation>Cumulative tax-exempt income</translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation>Cumulative basic deduction</translation>
    </message>
    <message>
        <source>累计专项扣除</source>
        <translation>Cumulative special deductions</translation>
    </message>
    <message>
        <source>累计专项附加扣除</source>
        <translation>Cumulative special additional deductions</translation>
    </message>
    <message>
        <source>累计其他扣除</source>
        <translation>Cumulative other deductions</translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation>Cumulative taxable income</translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation>Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation>Cumulative tax payable</translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation>Cumulative tax withheld</translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation>Tax to withhold this month</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>Net pay</translation>
    </message>
    <message>
        <source>原表行号</source>
        <translation>Source row</translation>
    </message>
    <message>
        <source>有误的列</source>
        <translation>Column at fault</translation>
    </message>
    <message>
        <source>未计算的原因</source>
        <translation>Reason not calculated</translation>
    </message>
    <message>
        <source>写入%1时出错：%2</source>
        <translation>error writing %1: %2</translation>
    </message>
    <message>
        <source>无法写入%1：%2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>%1是空的，没有标题行</source>
        <translation>%1 is empty: it has no title row</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1的前%2行（不计空行）中没有标题行：标题行是含有%3各列的一行</source>
        <translation>%1 has no title row in its first %2 rows (not counting empty rows): the title row is the row with the columns %3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1第%2行（标题行）缺少必需的列%3</source>
        <translation>%1, row %2 (the title row) lacks required columns: %3</translation>
    </message>
    <message>
        <source>%1的标题行中「%2」列出现了不止一次</source>
        <translation>%1: the column &quot;%2&quot; appears more than once in the title row</translation>
    </message>
    <message>
        <source>%1是旧版Excel格式（.xls），请在Excel中另存为.xlsx或CSV文件</source>
        <translation>%1 is in the old Excel format (.xls): save it in Excel as .xlsx or CSV</translation>
    </message>
    <message>
        <source>文件“%1”</source>
        <translation>the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1不存在</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>“%1”是文件夹，不是文件</source>
        <translation>&quot;%1&quot; is a folder, not a file</translation>
    </message>
    <message>
        <source>没有读取%1的权限</source>
        <translation>no permission to read %1</translation>
    </message>
    <message>
        <source>%1-未计算</source>
        <translation>%1-not-calculated</translation>
    </message>
    <message>
        <source>未计算</source>
        <translation>Not calculated</translation>
    </message>
    <message>
        <source>%1，已写在工作表“%2”中</source>
        <translation>%1, written to the sheet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1，已写在%2中</source>
        <translation>%1, written to %2</translation>
    </message>
    <message>
        <source>标准输出</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>空白（按月）</source>
        <translation>blank (按月, per month)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>第%1列</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>第%1行「%2」列</source>
        <translation>row %1, column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>第%1行第%2列</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>工号为空</source>
        <translation>the Employee ID is empty</translation>
    </message>
    <message>
        <source>不能为空</source>
        <translation>cannot be empty</translation>
    </message>
    <message>
        <source>%1不是数字</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1是负数，金额不能为负</source>
        <translation>%1 is negative: an amount cannot be negative</translation>
    </message>
    <message>
        <source>%1不是1到12的月份</source>
        <translation>%1 is not a month from 1 to 12</translation>
    </message>
    <message>
        <source>%1不是减除方式，应为按月、自1月或6万（空白即按月）</source>
        <translation>%1 is not a deduction method: write 按月 (per month), 自1月 (from January) or 6万 (60,000); blank means 按月</translation>
    </message>
    <message>
        <source>工号%1的%2月与第%3行重复</source>
        <translation>Employee ID %1: month %2 is also in row %3</translation>
    </message>
    <message>
        <source>工号%1缺少%2月，同一员工的月份必须连续</source>
        <translation>Employee ID %1 lacks month %2: an employee&apos;s months must follow one another without a gap</translation>
    </message>
    <message>
        <source>工号%1的减除方式%2与第%3行的%4不同</source>
        <translation>Employee ID %1: the deduction method %2 differs from %4 in row %3</translation>
    </message>
    <message>
        <source>%1所在的列没有标题（这一行另有%2个没有标题的单元格）</source>
        <translation>the column of %1 has no title (this row has %2 more cells without a title)</translation>
    </message>
    <message>
        <source>%1所在的列没有标题</source>
        <translation>the column of %1 has no title</translation>
    </message>
    <message>
        <source>%1与表中其他各行的年份（%2年）不同，一张工资表只能是同一年的</source>
        <translation>%1 is not in the year of the other rows (%2): a payroll sheet must be for one year</translation>
    </message>
    <message>
        <source>工号%1的减除方式“6万”只适用于上年各月均在本单位任职受雇、本年1月起仍在本单位的员工，其月份应从1月开始，不能从%2月开始</source>
        <translation>Employee ID %1: the deduction method &quot;6万&quot; (60,000) is only for employees employed by this employer in every month of last year and still from January: their months must start in January, not in month %2</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>工号“%1”第%2行有误，同一员工的各行都未计算</source>
        <translation>Employee ID &quot;%1&quot; has an error in row %2: none of this employee&apos;s rows is calculated</translation>
    </message>
    <message>
        <source>%1的行数超过了Excel一张工作表的%2行，请另存为CSV文件</source>
        <translation>%1 would have more rows than the %2 of an Excel worksheet: save it as a CSV file</translation>
    </message>
    <message>
        <source>找不到写Excel文件的组件%1，请重新安装本程序</source>
        <translation>the component %1 that writes Excel files is missing: reinstall this program</translation>
    </message>
    <message>
        <source>%1第%2行的引号没有闭合</source>
        <translation>%1, row %2: a quotation mark is not closed</translation>
    </message>
    <message>
        <source>读取%1时出错：%2</source>
        <translation>error reading %1: %2</translation>
    </message>
    <message>
        <source>%1第%2行不是有效的UTF-8文本，无法解码</source>
        <translation>%1, row %2 is not valid UTF-8 text and cannot be decoded</translation>
    </message>
    <message>
        <source>%1第%2行既不是UTF-8也不是GBK文本，无法解码</source>
        <translation>%1, row %2 is neither UTF-8 nor GBK text and cannot be decoded</translation>
    </message>
    <message>
        <source>张三</source>
        <translation>Zhang San</translation>
    </message>
    <message>
        <source>%1已损坏：其中的%2不完整或无法解压</source>
        <translation>%1 is damaged: its part %2 is incomplete or cannot be decompressed</translation>
    </message>
    <message>
        <source>%1不是有效的Excel文件（不是zip压缩包）</source>
        <translation>%1 is not a valid Excel file (not a zip archive)</translation>
    </message>
    <message>
        <source>%1中没有工作表</source>
        <translation>%1 has no worksheet</translation>
    </message>
    <message>
        <source>%1的标题行中既有「%2」列又有「%3」列：「%2」是各项社会保险费和住房公积金之和，不能与其中一项同时给出；请只留「%2」或只留各项</source>
        <translation>the title row of %1 has both a column “%2” and a column “%3”: “%2” is the sum of the social insurance premiums and the housing fund, and cannot be given beside one of them; keep only “%2” or only the parts</translation>
    </message>
    <message>
        <source>%1的标题行中「%2」列和「%3」列是同一项，只能有一列</source>
        <translation>the title row of %1 has the columns “%2” and “%3”, which are the same item; keep only one of them</translation>
    </message>
    <message>
        <source>未读取的列：%1</source>
        <translation>Columns not read: %1</translation>
    </message>
    <message>
        <source>第%1行等%2行没有工号而写着合计、总计或小计，是合计行，已略过</source>
        <translation>Totals rows passed over (no employee ID, saying total or subtotal): %2, the first at row %1</translation>
    </message>
    <message>
        <source>另从%1读入了上次未计算的%2行，一并重新检查和计算</source>
        <translation>Rows not calculated last time were read from %1 as well (%2), checked and calculated again</translation>
    </message>
    <message>
        <source>%1看似应从收入中扣除的金额，但本程序不读取这样的标题，不会扣除它，税额会算多；请把标题改为专项扣除（或三险一金），或改为基本养老保险费、基本医疗保险费、失业保险费、住房公积金各列</source>
        <translation>%1 looks like an amount to deduct from income, but this program does not read that title and does not deduct it, so the tax comes out too high; title the column Special deductions, or split it into Basic pension insurance, Basic medical insurance, Unemployment insurance premium and Housing provident fund</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>工作表“%1”</source>
        <translation>worksheet “%1”</translation>
    </message>
    <message>
        <source>另有%1（%2）因错误未计算</source>
        <translation>Not calculated because of errors: another %1, of %2</translation>
    </message>
    <message numerus="yes">
        <source>%n行</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n名员工</source>
        <translation>
            <numerusform>%n employee</numerusform>
            <numerusform>%n employees</numerusform>
        </translation>
    </message>
    <message>
        <source>工号%1的减除方式%2自%3起施行（%4），%5年不能采用</source>
        <translation>the deduction method %2 of employee ID %1 applies from %3 (%4) and cannot be used in %5</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>是文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>not enough space on the disk</translation>
    </message>
    <message>
        <source>所在的文件系统是只读的</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>输入输出错误</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>文件名过长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>符号链接过多</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>打开的文件过多</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>the file exists already</translation>
    </message>
    <message>
        <source>文件正被占用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>系统错误 %1（%2）</source>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>应发</source>
        <translation>Gross pay</translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation>Social insurance and housing fund</translation>
    </message>
    <message>
        <source>个人所得税</source>
        <translation>Individual income tax</translation>
    </message>
    <message>
        <source>实发</source>
        <translation>Net pay</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>month %1</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>month %2 of %1</translation>
    </message>
    <message>
        <source>找不到写Excel文件的组件，请重新安装本程序</source>
        <translation>the component that writes Excel files is missing; please install the program again</translation>
    </message>
    <message>
        <source>工资条</source>
        <translation>Payslips</translation>
    </message>
    <message>
        <source>工号：%1    姓名：%2</source>
        <translation>Employee ID: %1    Name: %2</translation>
    </message>
    <message>
        <source>本年累计（截至%1）</source>
        <translation>Year to date (to %1)</translation>
    </message>
    <message>
        <source>找不到写PDF文件的组件，请重新安装本程序</source>
        <translation>the component that writes PDF files is missing; please install the program again</translation>
    </message>
    <message>
        <source>%1不是文件夹，工资条没有写出</source>
        <translation>%1 is not a folder; no payslips were written</translation>
    </message>
    <message>
        <source>无法建立文件夹</source>
        <translation>the folder cannot be made</translation>
    </message>
    <message>
        <source>%1中没有%2月的行，没有工资条可写</source>
        <translation>%1 holds no row of month %2; there are no payslips to write</translation>
    </message>
    <message>
        <source>%1中%2月没有一名员工可以计算，没有写出工资条</source>
        <translation>in %1 no employee of month %2 could be calculated; no payslips were written</translation>
    </message>
    <message>
        <source>%1 工资条</source>
        <translation>Payslip, %1</translation>
    </message>
    <message>
        <source>基本养老保险费</source>
        <translation>Basic pension insurance</translation>
    </message>
    <message>
        <source>基本医疗保险费</source>
        <translation>Basic medical insurance</translation>
    </message>
    <message>
        <source>失业保险费</source>
        <translation>Unemployment insurance premium</translation>
    </message>
    <message>
        <source>住房公积金</source>
        <translation>Housing provident fund</translation>
    </message>
    <message>
        <source>全年一次性奖金</source>
        <translation>Annual bonus</translation>
    </message>
    <message>
        <source>奖金计税方式</source>
        <translation>Bonus taxation method</translation>
    </message>
    <message>
        <source>奖金应纳税额</source>
        <translation>Tax on the annual bonus</translation>
    </message>
    <message>
        <source>奖金税率</source>
        <translation>Annual bonus tax rate</translation>
    </message>
    <message>
        <source>奖金速算扣除数</source>
        <translation>Annual bonus quick deduction</translation>
    </message>
    <message>
        <source>税后奖金</source>
        <translation>Annual bonus after tax</translation>
    </message>
    <message>
        <source>奖金提示</source>
        <translation>Annual bonus note</translation>
    </message>
    <message>
        <source>累计子女教育</source>
        <translation>Cumulative children&apos;s education</translation>
    </message>
    <message>
        <source>累计3岁以下婴幼儿照护</source>
        <translation>Cumulative care for infants under 3</translation>
    </message>
    <message>
        <source>累计赡养老人</source>
        <translation>Cumulative elderly support</translation>
    </message>
    <message>
        <source>累计住房贷款利息</source>
        <translation>Cumulative housing loan interest</translation>
    </message>
    <message>
        <source>累计住房租金</source>
        <translation>Cumulative housing rent</translation>
    </message>
    <message>
        <source>累计继续教育</source>
        <translation>Cumulative continuing education</translation>
    </message>
    <message>
        <source>累计个人养老金</source>
        <translation>Cumulative private pension</translation>
    </message>
    <message>
        <source>累计商业健康保险</source>
        <translation>Cumulative commercial health insurance</translation>
    </message>
    <message>
        <source>%1的标题行中既有「%2」列又有「%3」列：「%2」是子女教育、赡养老人等各项之和，不能与其中一项同时给出；请只留「%2」或只留各项</source>
        <translation>The title row of %1 has both a “%2” column and a “%3” column: “%2” is the sum of the items such as children&apos;s education and elderly support and cannot be given together with one of them; keep either “%2” or the items</translation>
    </message>
    <message>
        <source>%1不是奖金计税方式，应为单独或并入（空白即单独计税）</source>
        <translation>%1 is not a bonus taxation method; it should be 单独 (separate) or 并入 (merged) (blank is separate)</translation>
    </message>
    <message>
        <source>%1年还没有「%2」这项扣除，该列应为空</source>
        <translation>%1 had no deduction “%2”; the column should be empty</translation>
    </message>
    <message>
        <source>临界点：奖金在%1至%2元之间，税后反而比%1元少；改发%1元，员工税后多得%3元</source>
        <translation>Cliff: a bonus between %1 and %2 keeps less after tax than %1; paying %1 instead leaves the employee %3 more after tax</translation>
    </message>
    <message>
        <source>按奖金计税方式并入当月工资计税</source>
        <translation>Taxed with the month&apos;s wages, as the bonus taxation method asks</translation>
    </message>
    <message>
        <source>全年一次性奖金单独计税的政策执行至%1，本年的奖金并入当月工资计税</source>
        <translation>Separate taxation of the annual bonus applies until %1; this year&apos;s bonus is taxed with the month&apos;s wages</translation>
    </message>
    <message>
        <source>一年只有一次奖金可单独计税（已用于%1月），这笔并入当月工资计税</source>
        <translation>Only one bonus a year may be taxed separately (used in month %1); this one is taxed with the month&apos;s wages</translation>
    </message>
    <message>
        <source>其中的%1无法解压</source>
        <translation>its %1 cannot be decompressed</translation>
    </message>
    <message>
        <source>其中的%1不完整或无法解压</source>
        <translation>its %1 is incomplete or cannot be decompressed</translation>
    </message>
    <message>
        <source>其中的%1解压后超过了%2（最多解压到文件大小的%3倍，且不超过%4）</source>
        <translation>its %1 decompresses to more than %2 (at most %3 times the size of the file, and never more than %4)</translation>
    </message>
    <message>
        <source>申报模板%1：%2</source>
        <translation>declaration template %1: %2</translation>
    </message>
    <message>
        <source>其中的%1已损坏（%2）</source>
        <translation>its %1 is damaged (%2)</translation>
    </message>
    <message>
        <source>其中的%1无法按行改写</source>
        <translation>its %1 cannot be rewritten row by row</translation>
    </message>
    <message>
        <source>工资表的“%1”列</source>
        <translation>the column &quot;%1&quot; of the payroll sheet</translation>
    </message>
    <message>
        <source>工资表没有这一列</source>
        <translation>the payroll sheet has no such column</translation>
    </message>
    <message>
        <source>工资表只有专项扣除的合计，分不出这一项</source>
        <translation>the payroll sheet has only the total of special deductions, which cannot be split into this item</translation>
    </message>
    <message>
        <source>本程序不计算这一项</source>
        <translation>this program does not calculate this item</translation>
    </message>
    <message>
        <source>工资表没有同名的列</source>
        <translation>the payroll sheet has no column of the same title</translation>
    </message>
    <message>
        <source>所填的月份</source>
        <translation>the month filled in</translation>
    </message>
    <message>
        <source>本程序算出的“%1”</source>
        <translation>&quot;%1&quot; as this program calculated it</translation>
    </message>
    <message>
        <source>压缩包已损坏，无法复制</source>
        <translation>the zip archive is damaged and cannot be copied</translation>
    </message>
    <message>
        <source>申报模板%1不是普通文件（而是设备、管道、套接字之类），不读它</source>
        <translation>declaration template %1 is not a regular file (but a device, a pipe, a socket or the like) and is not read</translation>
    </message>
    <message>
        <source>文件大于%1，不是申报模板</source>
        <translation>the file is larger than %1 and is not a declaration template</translation>
    </message>
    <message>
        <source>压缩包已损坏</source>
        <translation>the zip archive is damaged</translation>
    </message>
    <message>
        <source>不是Excel文件（.xlsx）</source>
        <translation>not an Excel file (.xlsx)</translation>
    </message>
    <message>
        <source>其中的部件超过了%1个</source>
        <translation>it has more than %1 parts</translation>
    </message>
    <message>
        <source>不是Excel工作簿（其中没有工作表）</source>
        <translation>not an Excel workbook (it has no worksheet)</translation>
    </message>
    <message>
        <source>任何工作表的前%1个非空行中都没有可以认出的标题行（须有工号或证件号码，以及本期收入或收入）</source>
        <translation>no worksheet has a recognisable title row among its first %1 non-empty rows (one with Employee ID or ID number, and Income of the period or Income)</translation>
    </message>
    <message numerus="yes">
        <source>标题行以下容不下%n行</source>
        <translation>
            <numerusform>there is no room for %n row below the title row</numerusform>
            <numerusform>there is no room for %n rows below the title row</numerusform>
        </translation>
    </message>
    <message>
        <source>填好的申报模板应写成 .xlsx 文件，而不是%1</source>
        <translation>the filled declaration template is written as an .xlsx file, not as %1</translation>
    </message>
    <message>
        <source>申报模板%1是符号链接，不读它；请选链接所指的文件</source>
        <translation>declaration template %1 is a symbolic link and is not read; choose the file it points to</translation>
    </message>
    <message>
        <source>%1就是申报模板本身，填好的模板不会写在它上面；请另选一个文件</source>
        <translation>%1 is the declaration template itself; the filled template is not written over it. Choose another file</translation>
    </message>
    <message>
        <source>%1中没有%2月的行，申报模板没有填写</source>
        <translation>%1 has no rows of month %2; the declaration template was not filled</translation>
    </message>
    <message>
        <source>%1中%2月没有一名员工可以计算，申报模板没有填写</source>
        <translation>in %1 no employee of month %2 could be calculated; the declaration template was not filled</translation>
    </message>
    <message numerus="yes">
        <source>已在工作表“%1”第%2行的标题下填入%n名员工</source>
        <translation>
            <numerusform>%n employee filled in below the title row %2 of the worksheet &quot;%1&quot;</numerusform>
            <numerusform>%n employees filled in below the title row %2 of the worksheet &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>已填：“%1”，取自%2</source>
        <translation>Filled: &quot;%1&quot;, from %2</translation>
    </message>
    <message>
        <source>留空：“%1”，%2</source>
        <translation>Left blank: &quot;%1&quot;, %2</translation>
    </message>
    <message>
        <source>未填入：%1</source>
        <translation>Not filled in: %1</translation>
    </message>
    <message>
        <source>全年一次性奖金不在工资薪金的模板中单列</source>
        <translation>The annual bonus has no column of its own in the template of wages</translation>
    </message>
    <message>
        <source>工资表没有这一项的列</source>
        <translation>the payroll sheet has no column of this item</translation>
    </message>
</context>
<context>
    <name>Site</name>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>按月减除</source>
        <translation>Per month</translation>
    </message>
    <message>
        <source>自1月起累计减除</source>
        <translation>From January</translation>
    </message>
    <message>
        <source>6万元一次减除</source>
        <translation>60000 at once</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>本月收入</source>
        <translation>Income this month</translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation>Cumulative taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation>Cumulative tax</translation>
    </message>
    <message>
        <source>本月预扣税额</source>
        <translation>Withheld this month</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>逐月累计预扣</source>
        <translation>Cumulative withholding month by month</translation>
    </message>
    <message>
        <source>单独计税：奖金税额</source>
        <translation>Taxed separately: tax on the bonus</translation>
    </message>
    <message>
        <source>单独计税：税额合计</source>
        <translation>Taxed separately: total tax</translation>
    </message>
    <message>
        <source>并入综合所得：奖金税额</source>
        <translation>Merged into comprehensive income: tax on the bonus</translation>
    </message>
    <message>
        <source>并入综合所得：税额合计</source>
        <translation>Merged into comprehensive income: total tax</translation>
    </message>
    <message>
        <source>较优方法</source>
        <translation>Better method</translation>
    </message>
    <message>
        <source>少缴</source>
        <translation>Tax saved</translation>
    </message>
    <message>
        <source>临界区间</source>
        <translation>Cliff range</translation>
    </message>
    <message>
        <source>多发反少得</source>
        <translation>Lost by paying more</translation>
    </message>
    <message>
        <source>最优奖金</source>
        <translation>Best bonus</translation>
    </message>
    <message>
        <source>再省</source>
        <translation>Saves a further</translation>
    </message>
    <message>
        <source>奖金到手：单独计税与并入综合所得</source>
        <translation>Bonus kept: taxed separately and merged into comprehensive income</translation>
    </message>
    <message>
        <source>全年一次性奖金</source>
        <translation>Annual bonus</translation>
    </message>
    <message>
        <source>到手</source>
        <translation>Kept</translation>
    </message>
    <message>
        <source>奖金</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>应预扣税额</source>
        <translation>Tax withheld</translation>
    </message>
    <message>
        <source>综合所得收入额</source>
        <translation>Comprehensive income amount</translation>
    </message>
    <message>
        <source>扣除合计</source>
        <translation>Total deductions</translation>
    </message>
    <message>
        <source>捐赠限额</source>
        <translation>Donation limit</translation>
    </message>
    <message>
        <source>捐赠扣除</source>
        <translation>Donations deducted</translation>
    </message>
    <message>
        <source>综合所得应纳税额</source>
        <translation>Tax on comprehensive income</translation>
    </message>
    <message>
        <source>年终奖单独计税税额</source>
        <translation>Tax on the bonus taxed separately</translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation>Total tax</translation>
    </message>
    <message>
        <source>已预缴税额</source>
        <translation>Tax prepaid</translation>
    </message>
    <message>
        <source>应补（退）税额</source>
        <translation>Tax due (refund)</translation>
    </message>
    <message>
        <source>工资薪金</source>
        <translation>Wages and salaries</translation>
    </message>
    <message>
        <source>税前</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>税后</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>两种方法中税额较低者</source>
        <translation>Whichever costs less</translation>
    </message>
    <message>
        <source>打开年度文件…</source>
        <translation>Open year file…</translation>
    </message>
    <message>
        <source>保存年度文件</source>
        <translation>Save year file</translation>
    </message>
    <message>
        <source>新的年度</source>
        <translation>New year</translation>
    </message>
    <message>
        <source>清除本机保存的年度</source>
        <translation>Clear the year kept in this browser</translation>
    </message>
    <message>
        <source>浏览器的存储已满：年度没有保存在本机，请用“保存年度文件”保存</source>
        <translation>The browser&apos;s storage is full: the year was not kept in this browser; use &quot;Save year file&quot;</translation>
    </message>
    <message>
        <source>浏览器不允许本页保存数据：年度没有保存在本机，请用“保存年度文件”保存</source>
        <translation>The browser does not let this page keep data: the year was not kept in this browser; use &quot;Save year file&quot;</translation>
    </message>
    <message>
        <source>已清除本机保存的年度；页面上的年度仍在，直到关闭</source>
        <translation>The year kept in this browser is cleared; the year on the page stays until it is closed</translation>
    </message>
    <message>
        <source>已打开“%1”</source>
        <translation>Opened &quot;%1&quot;</translation>
    </message>
    <message>
        <source>删除%1</source>
        <translation>Remove %1</translation>
    </message>
    <message>
        <source>添加%1</source>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>删除%1 %2</source>
        <translation>Remove %1 %2</translation>
    </message>
    <message>
        <source>3岁以下婴幼儿照护</source>
        <translation>Care for infants under 3</translation>
    </message>
    <message>
        <source>每月可扣除的专项附加扣除等</source>
        <translation>Special additional deductions and others each month is entitled to</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1：全年预扣 %2</source>
        <translation>%1: withheld %2 in the year</translation>
    </message>
    <message>
        <source>其他收入的预扣</source>
        <translation>Withholding of other income</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>预扣税额</source>
        <translation>Tax withheld</translation>
    </message>
    <message>
        <source>年度汇算</source>
        <translation>Annual reconciliation</translation>
    </message>
    <message>
        <source>专项附加扣除（不含大病医疗）</source>
        <translation>Special additional deductions (without medical treatment for serious illness)</translation>
    </message>
    <message>
        <source>大病医疗</source>
        <translation>Medical treatment for serious illness</translation>
    </message>
    <message>
        <source>年终奖并入综合所得</source>
        <translation>the bonus merged into comprehensive income</translation>
    </message>
    <message>
        <source>年终奖单独计税</source>
        <translation>the bonus taxed separately</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计为 %2，多 %3</source>
        <translation>With %1, the total tax would be %2, %3 more</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计为 %2，少 %3</source>
        <translation>With %1, the total tax would be %2, %3 less</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计同为 %2</source>
        <translation>With %1, the total tax would be the same %2</translation>
    </message>
    <message>
        <source>非居民个人：各月单独计税，没有年度汇算</source>
        <translation>Non-resident individual: each month is taxed on its own, with no annual reconciliation</translation>
    </message>
    <message>
        <source>分配方案数</source>
        <translation>Splits tried</translation>
    </message>
    <message>
        <source>最优分配</source>
        <translation>Best split</translation>
    </message>
    <message>
        <source>家庭文件：两人的年度（a、b）与共同的扣除项目（shared）</source>
        <translation>Household file: both years (a, b) and the shared deductions (shared)</translation>
    </message>
    <message>
        <source>打开家庭文件…</source>
        <translation>Open household file…</translation>
    </message>
    <message>
        <source>家庭文件（JSON）</source>
        <translation>Household file (JSON)</translation>
    </message>
    <message>
        <source>我的纳税年度</source>
        <translation>My tax year</translation>
    </message>
    <message>
        <source>劳务报酬、稿酬、特许权使用费</source>
        <translation>Labour, author, royalty</translation>
    </message>
    <message>
        <source>税后反算税前</source>
        <translation>Net to gross</translation>
    </message>
    <message>
        <source>家庭分配</source>
        <translation>Household split</translation>
    </message>
    <message>
        <source>Pendra 个人所得税</source>
        <translation>Pendra Individual Income Tax</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>全部在本机计算，不发送任何数据</source>
        <translation>Everything is computed on this device; nothing is sent anywhere</translation>
    </message>
    <message>
        <source>计算模块未能载入：请通过网页服务器打开本页（如 scripts/web --serve），或使用支持 WebAssembly 的浏览器。</source>
        <translation>The calculation module did not load: open this page through a web server (such as scripts/web --serve), or use a browser with WebAssembly.</translation>
    </message>
    <message>
        <source>每月收入</source>
        <translation>Monthly income</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation>Tax-exempt income</translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation>Social insurance and housing fund</translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation>Special additional deductions</translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation>Other deductions</translation>
    </message>
    <message>
        <source>基本减除费用</source>
        <translation>Basic deduction</translation>
    </message>
    <message>
        <source>起始月份</source>
        <translation>From month</translation>
    </message>
    <message>
        <source>截止月份</source>
        <translation>To month</translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation>Non-resident individual</translation>
    </message>
    <message>
        <source>其他综合所得应纳税所得额</source>
        <translation>Other comprehensive income: taxable income</translation>
    </message>
    <message>
        <source>工资薪金收入</source>
        <translation>Wages and salaries</translation>
    </message>
    <message>
        <source>奖金计税方法</source>
        <translation>Bonus method</translation>
    </message>
    <message>
        <source>反算类别</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>税后金额</source>
        <translation>Net amount</translation>
    </message>
    <message>
        <source>三险一金比例（%）</source>
        <translation>Insurance rate (%)</translation>
    </message>
    <message>
        <source>缴费基数下限</source>
        <translation>Contribution base minimum</translation>
    </message>
    <message>
        <source>缴费基数上限</source>
        <translation>Contribution base maximum</translation>
    </message>
    <message>
        <source>纳税年度</source>
        <translation>Tax year</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>在华居住天数（居民可不填）</source>
        <translation>Days in China (may be left empty for a resident)</translation>
    </message>
    <message>
        <source>任职受雇</source>
        <translation>Jobs</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>在此单位扣除专项附加扣除</source>
        <translation>This employer deducts the special additional deductions</translation>
    </message>
    <message>
        <source>工资</source>
        <translation>Pay</translation>
    </message>
    <message>
        <source>自</source>
        <translation>From</translation>
    </message>
    <message>
        <source>出生日期（年-月-日）</source>
        <translation>Born (year-month-day)</translation>
    </message>
    <message>
        <source>扣除比例</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>学历教育结束（年-月）</source>
        <translation>Education ends (year-month)</translation>
    </message>
    <message>
        <source>父母出生日期（年-月-日，以逗号分隔）</source>
        <translation>Parents born (year-month-day, separated by commas)</translation>
    </message>
    <message>
        <source>独生子女</source>
        <translation>Only child</translation>
    </message>
    <message>
        <source>每月分摊额</source>
        <translation>Monthly share</translation>
    </message>
    <message>
        <source>首次还款（年-月）</source>
        <translation>First repayment (year-month)</translation>
    </message>
    <message>
        <source>起（年-月）</source>
        <translation>From (year-month)</translation>
    </message>
    <message>
        <source>止（年-月）</source>
        <translation>To (year-month)</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>学历继续教育</source>
        <translation>Degree continuing education</translation>
    </message>
    <message>
        <source>职业资格证书</source>
        <translation>Professional certificates</translation>
    </message>
    <message>
        <source>取得（年-月）</source>
        <translation>Obtained (year-month)</translation>
    </message>
    <message>
        <source>患者</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>自付金额</source>
        <translation>Paid by oneself</translation>
    </message>
    <message>
        <source>缴费</source>
        <translation>Contribution</translation>
    </message>
    <message>
        <source>发放单位</source>
        <translation>Paid by</translation>
    </message>
    <message>
        <source>年终奖汇算方法</source>
        <translation>Bonus method at settlement</translation>
    </message>
    <message>
        <source>公益慈善捐赠</source>
        <translation>Donations to public welfare</translation>
    </message>
    <message>
        <source>全额扣除</source>
        <translation>Deducted in full</translation>
    </message>
    <message>
        <source>浏览器的存储已满：本页的输入没有保存在本机</source>
        <translation>The browser&apos;s storage is full: what was typed on this page is not kept in this browser</translation>
    </message>
    <message>
        <source>浏览器不允许本页保存数据：本页的输入不会保存在本机</source>
        <translation>The browser does not let this page keep data: what is typed on this page is not kept in this browser</translation>
    </message>
    <message>
        <source>各 50%</source>
        <translation>50% each</translation>
    </message>
    <message>
        <source>两人应纳税额合计：最优分配</source>
        <translation>Total tax of both: best split</translation>
    </message>
    <message>
        <source>全部由 %1 扣除</source>
        <translation>All deducted by %1</translation>
    </message>
    <message>
        <source>最不利的分配</source>
        <translation>Worst split</translation>
    </message>
    <message>
        <source>共同项目</source>
        <translation>Shared item</translation>
    </message>
    <message>
        <source>最优</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>最优分配下的年度汇算</source>
        <translation>Annual reconciliation under the best split</translation>
    </message>
    <message>
        <source>%1（未打开，页面上的年度未变）</source>
        <translation>%1 (not opened; the year on the page is unchanged)</translation>
    </message>
    <message>
        <source>新的年度将替换页面上的年度；未保存为文件的内容会丢失。继续？</source>
        <translation>A new year replaces the year on the page; what has not been saved to a file is lost. Go on?</translation>
    </message>
    <message>
        <source>有扣缴义务人应预扣预缴而未预扣</source>
        <translation>A withholding agent should have withheld tax but did not</translation>
    </message>
</context>
<context>
    <name>SupportContact</name>
    <message>
        <source>Pendra工作室</source>
        <translation>Pendra Studio</translation>
    </message>
</context>
<context>
    <name>TBatchErrorModel</name>
    <message>
        <source>行</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Reason</translation>
    </message>
</context>
<context>
    <name>TBatchModel</name>
    <message>
        <source>双击改正这个单元格，再点“计算”</source>
        <translation>Double-click to correct this cell, then click Calculate</translation>
    </message>
</context>
<context>
    <name>TBonusChartView</name>
    <message>
        <source>税后奖金图表</source>
        <translation>After-tax bonus chart</translation>
    </message>
    <message>
        <source>全年一次性奖金（元）</source>
        <translation>Annual bonus (yuan)</translation>
    </message>
    <message>
        <source>税后奖金（元）</source>
        <translation>After-tax bonus (yuan)</translation>
    </message>
    <message>
        <source>当前奖金</source>
        <translation>This bonus</translation>
    </message>
</context>
<context>
    <name>TCalcPage</name>
    <message>
        <source>  本软件将持续更新，请及时下载最新版本。如有疑问请联系客服QQ：%1，咨询免费。可根据客户需求定制开发各类税务计算软件。</source>
        <translation>  Updated regularly: please get the latest version. Free help: customer service QQ %1. Tax software made to order.</translation>
    </message>
    <message>
        <source>%1提示</source>
        <translation>Note on %1</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
</context>
<context>
    <name>TCurWageModel</name>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation>Tax-exempt income</translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation>Social insurance and housing fund</translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation>Special additional deductions</translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation>Other deductions</translation>
    </message>
    <message>
        <source>累计收入</source>
        <translation>Cumulative income</translation>
    </message>
    <message>
        <source>累计免税收入</source>
        <translation>Cumulative tax-exempt income</translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation>Cumulative basic deduction</translation>
    </message>
    <message>
        <source>累计专项扣除</source>
        <translation>Cumulative special deductions</translation>
    </message>
    <message>
        <source>累计专项附加扣除</source>
        <translation>Cumulative special additional deductions</translation>
    </message>
    <message>
        <source>累计其他扣除</source>
        <translation>Cumulative other deductions</translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation>Cumulative taxable income</translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation>Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation>Cumulative tax payable</translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation>Cumulative tax withheld</translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation>Tax to withhold this month</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>本月应扣缴税额</source>
        <translation>Tax to withhold this month</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>本月单独输入的数额；清空后恢复为每月相同的数额。</source>
        <translation>An amount entered for this month only; clear it to go back to the amount of every month.</translation>
    </message>
    <message>
        <source>双击可为本月单独输入数额。</source>
        <translation>Double-click to enter an amount for this month only.</translation>
    </message>
    <message>
        <source>%1月的%2数据无效，请重新输入。</source>
        <translation>Month %1, %2: invalid amount; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TCurrentPage</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>计算方法：</source>
        <translation>Calculation method:</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
    <message>
        <source>复制%1</source>
        <translation>Copy %1</translation>
    </message>
    <message>
        <source>%1提示</source>
        <translation>Note on %1</translation>
    </message>
</context>
<context>
    <name>TDeductionFacts</name>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>YYYY-MM</source>
        <translation>YYYY-MM</translation>
    </message>
    <message>
        <source>扣除比例</source>
        <translation>Deduction share</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>出生日期</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>受教育结束（可不填）</source>
        <translation>End of education (optional)</translation>
    </message>
    <message>
        <source>子女教育和婴幼儿照护</source>
        <translation>Children&apos;s education and infant care</translation>
    </message>
    <message>
        <source>不扣除</source>
        <translation>No deduction</translation>
    </message>
    <message>
        <source>独生子女</source>
        <translation>Only child</translation>
    </message>
    <message>
        <source>非独生子女（与兄弟姐妹分摊）</source>
        <translation>Not an only child (shared with siblings)</translation>
    </message>
    <message>
        <source>赡养老人：</source>
        <translation>Elderly support:</translation>
    </message>
    <message>
        <source>父母的出生日期</source>
        <translation>Parent&apos;s date of birth</translation>
    </message>
    <message>
        <source>父母（或其他被赡养人）</source>
        <translation>Parents (or other supported elderly)</translation>
    </message>
    <message>
        <source>每月分摊额</source>
        <translation>Monthly share</translation>
    </message>
    <message>
        <source>每月分摊额：</source>
        <translation>Monthly share:</translation>
    </message>
    <message>
        <source>首套住房贷款，首次还款：</source>
        <translation>First-home loan, first repayment:</translation>
    </message>
    <message>
        <source>首次还款年月</source>
        <translation>Month of first repayment</translation>
    </message>
    <message>
        <source>本人扣除%1%</source>
        <translation>Taxpayer deducts %1%</translation>
    </message>
    <message>
        <source>夫妻各扣%1%</source>
        <translation>Each spouse deducts %1%</translation>
    </message>
    <message>
        <source>贷款扣除比例：</source>
        <translation>Loan share deducted:</translation>
    </message>
    <message>
        <source>每月租金扣除</source>
        <translation>Monthly rent deduction</translation>
    </message>
    <message>
        <source>租赁起始</source>
        <translation>Lease from</translation>
    </message>
    <message>
        <source>租赁截止</source>
        <translation>Lease until</translation>
    </message>
    <message>
        <source>学历（学位）继续教育</source>
        <translation>Continuing education (degree)</translation>
    </message>
    <message>
        <source>入学</source>
        <translation>Enrolled</translation>
    </message>
    <message>
        <source>毕业（可不填）</source>
        <translation>Graduated (optional)</translation>
    </message>
    <message>
        <source>职业资格证书</source>
        <translation>Qualification certificates</translation>
    </message>
    <message>
        <source>取得证书的年月</source>
        <translation>Month the certificate was obtained</translation>
    </message>
    <message>
        <source>患者</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>大病医疗</source>
        <translation>Medical treatment for serious illness</translation>
    </message>
    <message>
        <source>医保目录内自付</source>
        <translation>Self-paid within the medical insurance catalogue</translation>
    </message>
    <message>
        <source>缴纳月份</source>
        <translation>Month paid</translation>
    </message>
    <message>
        <source>缴纳金额</source>
        <translation>Amount paid</translation>
    </message>
    <message>
        <source>起始月份</source>
        <translation>First month</translation>
    </message>
    <message>
        <source>截止月份</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>每月保费</source>
        <translation>Monthly premium</translation>
    </message>
    <message>
        <source>出生当月起至满%1岁前一个月为婴幼儿照护，每月%2元；</source>
        <translation>Infant care from the month of birth to the month before the child turns %1, %2 yuan a month; </translation>
    </message>
    <message>
        <source>%1年尚无婴幼儿照护扣除；</source>
        <translation>No infant care deduction yet in %1; </translation>
    </message>
    <message>
        <source>满%1岁当月起为子女教育，每月%2元，至受教育结束。比例%3%即父母各扣一半。</source>
        <translation>children&apos;s education from the month the child turns %1 until education ends, %2 yuan a month. A share of %3% means each parent deducts half.</translation>
    </message>
    <message>
        <source>年长的一位满%1岁当月起扣除：独生子女每月%2元；非独生子女每人每月最多%3元。</source>
        <translation>Deducted from the month the elder parent turns %1: an only child %2 yuan a month; not an only child, at most %3 yuan a month each.</translation>
    </message>
    <message>
        <source>贷款自首次还款当月起最多%1个月，每月%2元；住房租金每月%3、%4或%5元。一年之内两者只能扣除其一。</source>
        <translation>Housing loan interest: %2 yuan a month for at most %1 months from the month of first repayment; housing rent: %3, %4 or %5 yuan a month. Only one of the two can be deducted in a year.</translation>
    </message>
    <message>
        <source>学历（学位）继续教育每月%1元，同一学历最多%2个月；取得职业资格证书的当月扣除%3元，一年一次。</source>
        <translation>Continuing education (degree): %1 yuan a month, at most %2 months for one degree; professional qualification: %3 yuan in the month the certificate is obtained, once a year.</translation>
    </message>
    <message>
        <source>在缴纳的月份扣除，每年最多%1元。</source>
        <translation>Deducted in the month paid; at most %1 yuan a year.</translation>
    </message>
    <message>
        <source>%1年尚无个人养老金扣除。</source>
        <translation>No private pension deduction yet in %1.</translation>
    </message>
    <message>
        <source>每月最多%1元，每年最多%2元。</source>
        <translation>At most %1 yuan a month and %2 yuan a year.</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
    <message>
        <source>哪个孩子（可不填）</source>
        <translation>Which child (optional)</translation>
    </message>
    <message>
        <source>序号或名字</source>
        <translation>index or name</translation>
    </message>
    <message>
        <source>每人医保目录内自付超过%1元的部分，每年最多%2元，在年度汇算时扣除。同一个孩子的几笔费用填同一个序号（子女表中从0起）或名字，合并计算；不填则每笔算一个孩子。</source>
        <translation>Each patient&apos;s self-paid part within the medical insurance catalogue above %1 yuan, at most %2 yuan a year, deducted at the annual reconciliation. Give the costs of the same child the same index (from 0 in the children table) or name to add them together; left blank, each entry is a child of its own.</translation>
    </message>
    <message>
        <source>在缴纳的月份扣除，每年最多%1元；%2起缴纳的才能扣除。%3。</source>
        <translation>Deducted in the month paid; at most %1 yuan a year; only what is paid from %2 is deducted. %3.</translation>
    </message>
    <message>
        <source>第%1位父母的出生日期</source>
        <translation>Date of birth of parent %1</translation>
    </message>
    <message>
        <source>赡养老人的每月分摊额</source>
        <translation>Monthly share of elderly support</translation>
    </message>
    <message>
        <source>住房贷款的扣除比例</source>
        <translation>Deduction share of the housing loan interest</translation>
    </message>
    <message>
        <source>住房贷款的首次还款年月</source>
        <translation>Month of the first repayment of the housing loan interest</translation>
    </message>
    <message>
        <source>孩子%1</source>
        <translation>Child %1</translation>
    </message>
    <message>
        <source>第%1份租房</source>
        <translation>Lease %1</translation>
    </message>
    <message>
        <source>第%1段学历继续教育</source>
        <translation>Degree course %1 of continuing education</translation>
    </message>
    <message>
        <source>第%1个职业资格证书</source>
        <translation>Certificate %1</translation>
    </message>
    <message>
        <source>第%1笔大病医疗</source>
        <translation>Medical treatment for serious illness %1</translation>
    </message>
    <message>
        <source>第%1笔个人养老金</source>
        <translation>Private pension payment %1</translation>
    </message>
    <message>
        <source>第%1份商业健康保险</source>
        <translation>Commercial health insurance policy %1</translation>
    </message>
    <message>
        <source>%1的%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TDlgDeclaration</name>
    <message>
        <source>填入申报模板</source>
        <translation>Fill in the declaration template</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>month %1</translation>
    </message>
    <message>
        <source>扣缴客户端导出的导入模板（.xlsx）</source>
        <translation>the import template of the withholding client (.xlsx)</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>月份(&amp;M)：</source>
        <translation>&amp;Month:</translation>
    </message>
    <message>
        <source>申报模板(&amp;T)：</source>
        <translation>Declaration &amp;template:</translation>
    </message>
    <message>
        <source>写入(&amp;W)：</source>
        <translation>&amp;Write to:</translation>
    </message>
    <message>
        <source>%1月申报.xlsx</source>
        <translation>declaration-month-%1.xlsx</translation>
    </message>
    <message>
        <source>选择申报模板</source>
        <translation>Choose the declaration template</translation>
    </message>
    <message>
        <source>Excel工作簿 (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>填好的申报模板写入</source>
        <translation>Write the filled declaration template to</translation>
    </message>
    <message>
        <source>请选择月份、申报模板和写入的文件。</source>
        <translation>Choose the month, the declaration template and the file to write.</translation>
    </message>
    <message numerus="yes">
        <source>另有%n行未列出</source>
        <translation>
            <numerusform>%n more line not listed</numerusform>
            <numerusform>%n more lines not listed</numerusform>
        </translation>
    </message>
    <message>
        <source>已写出%1</source>
        <translation>Written: %1</translation>
    </message>
</context>
<context>
    <name>TDlgPayslips</name>
    <message>
        <source>工资条</source>
        <translation>Payslips</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>month %1</translation>
    </message>
    <message>
        <source>PDF，全部员工一个文件</source>
        <translation>PDF, one file for all employees</translation>
    </message>
    <message>
        <source>PDF，每位员工一个文件（放入文件夹）</source>
        <translation>PDF, one file per employee (into a folder)</translation>
    </message>
    <message>
        <source>Excel，每位员工一行，其上为标题行</source>
        <translation>Excel, one row per employee under the title row</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>月份(&amp;M)：</source>
        <translation>&amp;Month:</translation>
    </message>
    <message>
        <source>形式(&amp;F)：</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>单位名称(&amp;E)：</source>
        <translation>&amp;Employer:</translation>
    </message>
    <message>
        <source>写入(&amp;W)：</source>
        <translation>&amp;Write to:</translation>
    </message>
    <message>
        <source>%1月工资条</source>
        <translation>payslips month %1</translation>
    </message>
    <message>
        <source>工资条写入的文件夹</source>
        <translation>Folder for the payslips</translation>
    </message>
    <message>
        <source>PDF文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Excel工作簿 (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>写出工资条</source>
        <translation>Write the payslips</translation>
    </message>
    <message>
        <source>请选择月份和写入的文件。</source>
        <translation>Please choose the month and the file to write.</translation>
    </message>
    <message>
        <source>请给出以 .pdf 结尾的文件名。</source>
        <translation>Please give a file name ending in .pdf.</translation>
    </message>
    <message>
        <source>请给出以 .xlsx 结尾的文件名。</source>
        <translation>Please give a file name ending in .xlsx.</translation>
    </message>
    <message numerus="yes">
        <source>已写出%n张工资条：%1</source>
        <translation>
            <numerusform>%n payslip written: %1</numerusform>
            <numerusform>%n payslips written: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下员工该月有误，没有工资条：</source>
        <translation>These employees are at fault in that month and have no payslip:</translation>
    </message>
    <message numerus="yes">
        <source>
另有%n名未列出</source>
        <translation>
            <numerusform>
%n more employee not listed</numerusform>
            <numerusform>
%n more employees not listed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFactTable</name>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>添加%1</source>
        <translation>Add to %1</translation>
    </message>
    <message>
        <source>删除%1</source>
        <translation>Remove from %1</translation>
    </message>
</context>
<context>
    <name>TFileManager</name>
    <message>
        <source>参数未能保存：文件 %1 正由另一个窗口保存，请稍后再试。</source>
        <translation>Settings not saved: the file %1 is being saved by another window; please try again later.</translation>
    </message>
    <message>
        <source>参数未能保存：%1 不是普通文件（而是文件夹、设备、管道之类），程序不会写入它。</source>
        <translation>Settings not saved: %1 is not a regular file (but a folder, a device, a pipe or the like); the program does not write to it.</translation>
    </message>
    <message>
        <source>参数未能保存：%1 是一个符号链接。为免改动它所指向的文件，程序不会通过链接写入。</source>
        <translation>Settings not saved: %1 is a symbolic link. So as not to change the file it points to, the program does not write through a link.</translation>
    </message>
    <message>
        <source>参数未能保存：文件 %1 属于其他用户，程序不会改写它。</source>
        <translation>Settings not saved: the file %1 belongs to another user; the program does not overwrite it.</translation>
    </message>
    <message>
        <source>参数未能保存：文件 %1 是只读文件，程序不会改写它。</source>
        <translation>Settings not saved: the file %1 is read-only; the program does not overwrite it.</translation>
    </message>
    <message>
        <source>参数未能保存：文件 %1 大于 %2 MB，不是参数文件应有的大小；为免丢失其中的内容，程序不会改写它。</source>
        <translation>Settings not saved: the file %1 is larger than %2 MB, too large for a settings file; so as not to lose its contents, the program does not overwrite it.</translation>
    </message>
    <message>
        <source>参数未能保存：无法写入文件 %1。
请检查该文件夹是否允许写入、磁盘空间是否充足。</source>
        <translation>Settings not saved: the file %1 cannot be written.
Please check that the folder may be written to and that there is enough disk space.</translation>
    </message>
</context>
<context>
    <name>TFlatRatePage</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>收入金额</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>反算</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation>Invalid income; please re-enter.</translation>
    </message>
    <message>
        <source>收入金额应大于0，请重新输入。</source>
        <translation>Income must be above 0; please re-enter.</translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation>Invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>应纳税额应大于0，请重新输入。</source>
        <translation>Tax payable must be above 0; please re-enter.</translation>
    </message>
    <message>
        <source>税后收入数据无效，请重新输入。</source>
        <translation>Invalid after-tax income; please re-enter.</translation>
    </message>
    <message>
        <source>税后收入应大于0，请重新输入。</source>
        <translation>After-tax income must be above 0; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>关于 Pendra</source>
        <translation>About Pendra</translation>
    </message>
    <message>
        <source>Pendra个人所得税计算器  V3.01</source>
        <translation>Pendra Individual Income Tax Calculator  V3.01</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>作者：%1</source>
        <translation>Author: %1</translation>
    </message>
    <message>
        <source>QQ：%1</source>
        <translation>QQ: %1</translation>
    </message>
    <message>
        <source>旺旺：%1</source>
        <translation>Wangwang: %1</translation>
    </message>
    <message>
        <source>Email：%1</source>
        <translation>Email: %1</translation>
    </message>
</context>
<context>
    <name>TFrmAnnualSalary</name>
    <message>
        <source>年薪：  </source>
        <translation>Annual pay:  </translation>
    </message>
    <message>
        <source>年薪</source>
        <translation>Annual pay</translation>
    </message>
    <message>
        <source>每月领取：</source>
        <translation>Paid monthly:</translation>
    </message>
    <message>
        <source>每月领取</source>
        <translation>Paid monthly</translation>
    </message>
    <message>
        <source>年底其它奖金：</source>
        <translation>Other annual bonus:</translation>
    </message>
    <message>
        <source>年底其它奖金</source>
        <translation>Other annual bonus</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
</context>
<context>
    <name>TFrmBatch</name>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>模板...</source>
        <translation>Template...</translation>
    </message>
    <message>
        <source>写出只有标题行和一名示例员工的空白工资表</source>
        <translation>Write a blank payroll sheet with only the title row and one sample employee</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>筛选：</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>工资表</source>
        <translation>payroll sheet</translation>
    </message>
    <message>
        <source>未计算的行</source>
        <translation>Rows not calculated</translation>
    </message>
    <message>
        <source>双击一行，在工资表中选中它</source>
        <translation>Double-click a row to select it in the payroll sheet</translation>
    </message>
    <message>
        <source>汇总</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>人数与行数</source>
        <translation>Employees and rows</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>%1月预扣税额</source>
        <translation>Tax to withhold, month %1</translation>
    </message>
    <message>
        <source>全年</source>
        <translation>Whole year</translation>
    </message>
    <message>
        <source>全年预扣税额</source>
        <translation>Tax to withhold, whole year</translation>
    </message>
    <message>
        <source>工资表批量计算</source>
        <translation>Batch calculation of a payroll sheet</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>未计算的行：无</source>
        <translation>Rows not calculated: none</translation>
    </message>
    <message>
        <source>打开一份工资表（CSV或Excel），或把文件拖到这里。</source>
        <translation>Open a payroll sheet (CSV or Excel), or drag the file here.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在读取%1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>无法打开工资表：%1</source>
        <translation>Cannot open the payroll sheet: %1</translation>
    </message>
    <message>
        <source>已打开%1。</source>
        <translation>Opened %1.</translation>
    </message>
    <message>
        <source>请先打开一份工资表。</source>
        <translation>Open a payroll sheet first.</translation>
    </message>
    <message>
        <source>正在计算每位员工的累计预扣…</source>
        <translation>Calculating each employee&apos;s cumulative withholding…</translation>
    </message>
    <message>
        <source>已计算。</source>
        <translation>Calculated.</translation>
    </message>
    <message>
        <source>正在保存%1…</source>
        <translation>Saving %1…</translation>
    </message>
    <message>
        <source>保存失败，原有文件未被改动：%1</source>
        <translation>Saving failed; the existing file was not changed: %1</translation>
    </message>
    <message>
        <source>已取消保存，原有文件未被改动。</source>
        <translation>Saving cancelled; the existing file was not changed.</translation>
    </message>
    <message>
        <source>已保存到%1。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>模板未能写出：%1</source>
        <translation>The template could not be written: %1</translation>
    </message>
    <message>
        <source>模板已写到%1，填好后用“打开...”读入。</source>
        <translation>Template written to %1; fill it in, then read it with &quot;Open...&quot;.</translation>
    </message>
    <message>
        <source>CSV文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Excel工作簿 (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>工资表 (*.csv *.xlsx)</source>
        <translation>Payroll sheets (*.csv *.xlsx)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>打开工资表</source>
        <translation>Open payroll sheet</translation>
    </message>
    <message>
        <source>%1-预扣.%2</source>
        <translation>%1-withholding.%2</translation>
    </message>
    <message>
        <source>工资表另存为</source>
        <translation>Save payroll sheet as</translation>
    </message>
    <message>
        <source>写出工资表模板</source>
        <translation>Write payroll sheet template</translation>
    </message>
    <message>
        <source>工资表模板.xlsx</source>
        <translation>payroll-template.xlsx</translation>
    </message>
    <message>
        <source>正在排序…</source>
        <translation>Sorting…</translation>
    </message>
    <message>
        <source>打开CSV文件或Excel工作簿（.xlsx）（Ctrl+O）</source>
        <translation>Open a CSV file or an Excel workbook (.xlsx) (Ctrl+O)</translation>
    </message>
    <message>
        <source>把结果另存为CSV文件或Excel工作簿，未计算的行写在其旁（Ctrl+S）</source>
        <translation>Save the results as a CSV file or an Excel workbook, with the rows not calculated beside them (Ctrl+S)</translation>
    </message>
    <message>
        <source>工号或姓名（Ctrl+F）</source>
        <translation>Employee ID or name (Ctrl+F)</translation>
    </message>
    <message>
        <source>已取消打开%1，仍显示原来的工资表。</source>
        <translation>Opening %1 was cancelled; the previous payroll sheet is still shown.</translation>
    </message>
    <message>
        <source>已取消打开%1。</source>
        <translation>Opening %1 was cancelled.</translation>
    </message>
    <message>
        <source>已取消计算。</source>
        <translation>Calculation cancelled.</translation>
    </message>
    <message>
        <source>%1%2。</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>已取消打开。</source>
        <translation>Opening cancelled.</translation>
    </message>
    <message>
        <source>已取消保存。</source>
        <translation>Saving cancelled.</translation>
    </message>
    <message>
        <source>计算结果还没有保存。</source>
        <translation>The results have not been saved.</translation>
    </message>
    <message>
        <source>关闭窗口之前，要把结果另存为文件吗？</source>
        <translation>Save the results to a file before closing the window?</translation>
    </message>
    <message>
        <source>另存为(&amp;S)...</source>
        <translation>&amp;Save As...</translation>
    </message>
    <message>
        <source>不保存(&amp;N)</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>工号和姓名</source>
        <translation>Employee ID and name</translation>
    </message>
    <message>
        <source>%1。</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>已按改正的%1个单元格重新检查并计算。</source>
        <translation>Checked again with the corrected cells (%1) and calculated.</translation>
    </message>
    <message>
        <source>正在按改正的单元格重新检查…</source>
        <translation>Checking again with the corrected cells…</translation>
    </message>
    <message>
        <source>改正的单元格无法读入：%1</source>
        <translation>The corrected cells cannot be read: %1</translation>
    </message>
    <message numerus="yes">
        <source>未计算的行（%n处错误，双击定位）：</source>
        <translation>
            <numerusform>Rows not calculated (%n error; double-click to go to it):</numerusform>
            <numerusform>Rows not calculated (%n errors; double-click to go to one):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n人</source>
        <translation>
            <numerusform>%n employee</numerusform>
            <numerusform>%n employees</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n行</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>员工%1，%2；点“计算”得出各月预扣税额。</source>
        <translation>%1, %2; click &quot;Calculate&quot; for the tax to withhold in each month.</translation>
    </message>
    <message>
        <source>筛选“%1”：员工%2，%3；下面的合计只计筛选出的行。本月应预扣税额合计：</source>
        <translation>Filter “%1”: %2, %3; the totals below count only the rows shown. Tax to withhold this month in total:</translation>
    </message>
    <message>
        <source>员工%1，%2；另有%3、%4因错误未计算。本月应预扣税额合计：</source>
        <translation>%1, %2; %3 and %4 not calculated because of errors. Tax to withhold this month in total:</translation>
    </message>
    <message>
        <source>员工%1，%2。本月应预扣税额合计：</source>
        <translation>%1, %2. Tax to withhold this month in total:</translation>
    </message>
    <message numerus="yes">
        <source>其中有%n列是本程序以前写出的（计算结果或未计算的原因），不作为输入，计算后按本次结果重新写出。</source>
        <translation>
            <numerusform> %n of its columns was written earlier by this program (results, or reasons rows were not calculated): it is not read as input, and is written again with this calculation&apos;s results.</numerusform>
            <numerusform> %n of its columns were written earlier by this program (results, or reasons rows were not calculated): they are not read as input, and are written again with this calculation&apos;s results.</numerusform>
        </translation>
    </message>
    <message>
        <source>工资条...</source>
        <translation>Payslips...</translation>
    </message>
    <message>
        <source>写出某月每位员工的工资条（PDF或Excel）</source>
        <translation>write each employee&apos;s payslip of a month (PDF or Excel)</translation>
    </message>
    <message numerus="yes">
        <source>%n笔奖金落在临界区间（已标色）；</source>
        <translation>
            <numerusform>%n bonus in a cliff (shaded); </numerusform>
            <numerusform>%n bonuses in a cliff (shaded); </numerusform>
        </translation>
    </message>
    <message>
        <source>填入申报模板...</source>
        <translation>Fill in declaration template...</translation>
    </message>
    <message>
        <source>把某月的工资填入个人所得税扣缴客户端的导入模板</source>
        <translation>Fill a month&apos;s wages into the import template of the Individual Income Tax withholding client</translation>
    </message>
    <message>
        <source>选中下一笔落在临界区间的奖金（标色的单元格）</source>
        <translation>Select the next bonus in a cliff (a shaded cell)</translation>
    </message>
    <message>
        <source>下一笔临界奖金</source>
        <translation>Next bonus in a cliff</translation>
    </message>
</context>
<context>
    <name>TFrmCompany</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入总额： </source>
        <translation>Total income: </translation>
    </message>
    <message>
        <source>收入总额</source>
        <translation>Total income</translation>
    </message>
    <message>
        <source>注：经营时间的选择，一个纳税年度用12个月来表示，当前每月减除必要费用为%1元。</source>
        <translation>Note: a tax year is 12 months; standard deduction %1 yuan a month.</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>经营时间：</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>个月</source>
        <translation>months</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>0个月</source>
        <translation>0 months</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation>Invalid income; please re-enter.</translation>
    </message>
    <message>
        <source>%1个月</source>
        <translation>%1 months</translation>
    </message>
</context>
<context>
    <name>TFrmCurBonus</name>
    <message>
        <source>全年一次性奖金：</source>
        <translation>Annual bonus:</translation>
    </message>
    <message>
        <source>纳税人身份：</source>
        <translation>Taxpayer status:</translation>
    </message>
    <message>
        <source>直接填写</source>
        <translation>Enter directly</translation>
    </message>
    <message>
        <source>由全年工资计算</source>
        <translation>Calculate from annual wages</translation>
    </message>
    <message>
        <source>从工资薪金页填入</source>
        <translation>From the wage page</translation>
    </message>
    <message>
        <source>按工资薪金(累计预扣)页上次输入的各月数额，填入全年工资薪金收入（减除免税收入后）、三险一金和专项附加扣除等</source>
        <translation>Fill in the year&apos;s wages and salaries (less tax-exempt income), social insurance and housing fund, special additional deductions etc. from the monthly amounts last entered on the Wages and salaries (cumulative withholding) page</translation>
    </message>
    <message>
        <source>其他综合所得：</source>
        <translation>Other comprehensive income:</translation>
    </message>
    <message>
        <source>全年其他应纳税所得额：</source>
        <translation>Other taxable income for the year:</translation>
    </message>
    <message>
        <source>全年工资薪金收入：</source>
        <translation>Wages and salaries for the year:</translation>
    </message>
    <message>
        <source>全年三险一金：</source>
        <translation>Social insurance and housing fund for the year:</translation>
    </message>
    <message>
        <source>全年专项附加扣除等：</source>
        <translation>Special additional deductions etc. for the year:</translation>
    </message>
    <message>
        <source>= 工资（不含奖金）− %1 − 三险一金 − 专项附加扣除等，可为负数</source>
        <translation>= wages (bonus excluded) − %1 − social insurance and housing fund − special additional deductions etc.; may be negative</translation>
    </message>
    <message>
        <source>专项附加扣除等：专项附加扣除、个人养老金、商业健康保险和其他扣除的全年合计；扣除未用完时应纳税所得额为负数，并入综合所得的奖金先用完这些扣除。</source>
        <translation>Special additional deductions etc.: the year&apos;s total of special additional deductions, private pension, commercial health insurance and other deductions; when deductions are left unused, the taxable income is negative, and a bonus combined with comprehensive income uses them up first.</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>全年一次性奖金单独计税，一个纳税年度内对每一个纳税人只能采用一次（国税发〔2005〕9号），执行至%1（财政部 税务总局公告2023年第30号）；其余奖金并入当月工资薪金预扣。</source>
        <translation>Taxing the annual bonus separately may be chosen only once in a tax year by each taxpayer (Guo Shui Fa [2005] No. 9), until %1 (Announcement No. 30 of 2023 of the Ministry of Finance and the State Taxation Administration); other bonuses are withheld with the wages and salaries of their month.</translation>
    </message>
    <message>
        <source>单独计税的次数和期限</source>
        <translation>Taxed separately: how often and until when</translation>
    </message>
    <message>
        <source>其他综合所得应纳税所得额</source>
        <translation>Taxable income of other comprehensive income</translation>
    </message>
    <message>
        <source>较优方式</source>
        <translation>Better method</translation>
    </message>
    <message>
        <source>临界点</source>
        <translation>Cliff</translation>
    </message>
    <message>
        <source>最优拆分</source>
        <translation>Best split</translation>
    </message>
    <message>
        <source>居民个人</source>
        <translation>Resident individual</translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation>Non-resident individual</translation>
    </message>
    <message>
        <source>月均奖金（÷%1）：</source>
        <translation>Average monthly bonus (÷%1):</translation>
    </message>
    <message>
        <source>税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>每月应纳税额：</source>
        <translation>Tax payable a month:</translation>
    </message>
    <message>
        <source>应纳税额（×%1）：</source>
        <translation>Tax payable (×%1):</translation>
    </message>
    <message>
        <source>税后奖金：</source>
        <translation>After-tax bonus:</translation>
    </message>
    <message>
        <source>非居民个人一个月内取得数月奖金：不与当月工资薪金合并，不减除费用，按%1个月分摊，月均奖金按月度税率表计税，应纳税额 = (奖金 ÷ %1 × 税率 − 速算扣除数) × %1。一个公历年度内只能这样计税一次；当月工资另按非居民个人的工资薪金计税。</source>
        <translation>A non-resident individual paid a bonus for several months in one month: it is not combined with that month&apos;s wages and salaries, no basic deduction is made, it is spread over %1 months and the monthly average is taxed by the monthly table: tax payable = (bonus ÷ %1 × tax rate − quick deduction) × %1. This is allowed once in a calendar year; the month&apos;s wages are taxed as a non-resident individual&apos;s wages and salaries.</translation>
    </message>
    <message>
        <source>非居民个人数月奖金</source>
        <translation>Non-resident individual: bonus for several months</translation>
    </message>
    <message>
        <source>税率／速算扣除数：</source>
        <translation>Tax rate / quick deduction:</translation>
    </message>
    <message>
        <source>奖金应纳税额：</source>
        <translation>Tax payable on the bonus:</translation>
    </message>
    <message>
        <source>单独计税奖金应纳税额</source>
        <translation>Tax payable on the bonus, taxed separately</translation>
    </message>
    <message>
        <source>并入综合所得奖金应纳税额</source>
        <translation>Tax payable on the bonus, combined with comprehensive income</translation>
    </message>
    <message>
        <source>全年合计税额：</source>
        <translation>Total tax for the year:</translation>
    </message>
    <message>
        <source>单独计税全年合计税额</source>
        <translation>Total tax for the year, bonus taxed separately</translation>
    </message>
    <message>
        <source>并入综合所得全年合计税额</source>
        <translation>Total tax for the year, bonus combined with comprehensive income</translation>
    </message>
    <message>
        <source>由税后奖金反算税前奖金</source>
        <translation>Reverse: the gross bonus from the after-tax bonus</translation>
    </message>
    <message>
        <source>保存图表...</source>
        <translation>Save Chart...</translation>
    </message>
    <message>
        <source>税后奖金图表</source>
        <translation>After-tax bonus chart</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>全年其他应纳税所得额数据无效，请重新输入。</source>
        <translation>Other taxable income for the year: invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>全年工资薪金收入</source>
        <translation>Wages and salaries for the year</translation>
    </message>
    <message>
        <source>全年三险一金</source>
        <translation>Social insurance and housing fund for the year</translation>
    </message>
    <message>
        <source>全年专项附加扣除等</source>
        <translation>Special additional deductions etc. for the year</translation>
    </message>
    <message>
        <source>全年一次性奖金数据无效，请重新输入。</source>
        <translation>Annual bonus: invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>其他综合所得应纳税所得额：%1</source>
        <translation>Taxable income of other comprehensive income: %1</translation>
    </message>
    <message>
        <source>（扣除未用完）</source>
        <translation> (deductions left unused)</translation>
    </message>
    <message>
        <source>税后奖金对比（其他综合所得应纳税所得额%1元）</source>
        <translation>After-tax bonus compared (taxable income of other comprehensive income: %1 yuan)</translation>
    </message>
    <message>
        <source>图表组件（pendra_chart）未能加载，无法显示图表；计算结果不受影响。</source>
        <translation>The chart component (pendra_chart) could not be loaded, so no chart can be shown; the results are not affected.</translation>
    </message>
    <message>
        <source>税后奖金对比（计算后绘制）</source>
        <translation>After-tax bonus compared (drawn after calculating)</translation>
    </message>
    <message>
        <source>单独计税较优，比并入综合所得少缴税%1</source>
        <translation>Taxed separately is better: %1 less tax than combined with comprehensive income</translation>
    </message>
    <message>
        <source>并入综合所得较优，比单独计税少缴税%1</source>
        <translation>Combined with comprehensive income is better: %1 less tax than taxed separately</translation>
    </message>
    <message>
        <source>两种方式税额相同</source>
        <translation>Both methods give the same tax</translation>
    </message>
    <message>
        <source>奖金落在%1至%2元之间：少发到%1元，税后反而多得%3元</source>
        <translation>The bonus falls between %1 and %2 yuan: cut to %1 yuan, it leaves %3 yuan more after tax</translation>
    </message>
    <message>
        <source>最优拆分：奖金%1元、其余并入工资，合计税额%2，比较优方式少缴%3</source>
        <translation>Best split: a bonus of %1 yuan and the rest with the wages; total tax %2, %3 less than the better method</translation>
    </message>
    <message>
        <source>最优拆分：按较优方式计税已是最低税额，调整奖金与工资的拆分不能再少缴税</source>
        <translation>Best split: the better method already gives the lowest tax; moving money between bonus and wages cannot lower it</translation>
    </message>
    <message>
        <source>保存图表</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>年终奖税后对比.png</source>
        <translation>bonus-after-tax.png</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>图表未能保存到%1，请换一个位置再试。</source>
        <translation>The chart could not be saved to %1; please try another location.</translation>
    </message>
    <message>
        <source>从纳税年度填入</source>
        <translation>Fill in from tax year</translation>
    </message>
    <message>
        <source>按“我的纳税年度”填入全年一次性奖金和其余综合所得的应纳税所得额</source>
        <translation>Fill in the annual bonus and the taxable income of the other comprehensive income from &quot;My tax year&quot;</translation>
    </message>
    <message>
        <source>纳税年度：</source>
        <translation>Tax year:</translation>
    </message>
    <message>
        <source>单独计税的税率／速算扣除数</source>
        <translation>Rate / quick deduction, taxed separately</translation>
    </message>
    <message>
        <source>并入综合所得的税率／速算扣除数</source>
        <translation>Rate / quick deduction, with comprehensive income</translation>
    </message>
    <message>
        <source>复制%1</source>
        <translation>Copy %1</translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation>%1: invalid figure, please enter it again.</translation>
    </message>
    <message>
        <source>单独计税（较优）</source>
        <translation>Taxed separately (better)</translation>
    </message>
    <message>
        <source>并入综合所得（较优）</source>
        <translation>With comprehensive income (better)</translation>
    </message>
    <message>
        <source>不适用</source>
        <translation>Not applicable</translation>
    </message>
    <message>
        <source>单独计税（不适用）</source>
        <translation>Taxed separately (not applicable)</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>TFrmCurDeductions</name>
    <message>
        <source>全年合计</source>
        <translation>Total for the year</translation>
    </message>
    <message>
        <source>专项附加扣除提示</source>
        <translation>Special additional deductions: message</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>专项附加扣除（%1年）</source>
        <translation>Special additional deductions (%1)</translation>
    </message>
    <message>
        <source>%1年的纳税年度：确定后，这些扣除存入该年度。</source>
        <translation>Tax year %1: on OK, these deductions are stored in that year.</translation>
    </message>
    <message>
        <source>还没有打开的纳税年度：确定后，以这些扣除新建%1年的纳税年度，可在“我的纳税年度”页保存。</source>
        <translation>No tax year is open: on OK, a tax year %1 is created with these deductions; save it on the &quot;My tax year&quot; page.</translation>
    </message>
    <message>
        <source>纳税年度</source>
        <translation>Tax year</translation>
    </message>
    <message>
        <source>每月扣除</source>
        <translation>Monthly deductions</translation>
    </message>
    <message>
        <source>每月的数额是该月累计预扣时扣除的数额，由年度引擎按出生日期、起止年月等算出；大病医疗只在年度汇算时扣除。</source>
        <translation>Each month&apos;s amount is what that month&apos;s cumulative withholding deducts, worked out by the year engine from dates of birth, start and end months etc.; medical treatment for serious illness is deducted only in the annual reconciliation.</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>全年</source>
        <translation>Whole year</translation>
    </message>
    <message>
        <source>全年合计：%1元；另有大病医疗%2元在年度汇算时扣除。</source>
        <translation>Total for the year: %1 yuan; another %2 yuan for medical treatment for serious illness is deducted in the annual reconciliation.</translation>
    </message>
</context>
<context>
    <name>TFrmCurLabour</name>
    <message>
        <source>由税后收入反算税前收入</source>
        <translation>Reverse: the gross income from the after-tax income</translation>
    </message>
    <message>
        <source>所得项目：</source>
        <translation>Kind of income:</translation>
    </message>
    <message>
        <source>每次收入：</source>
        <translation>Income per payment:</translation>
    </message>
    <message>
        <source>居民个人</source>
        <translation>Resident individual</translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation>Non-resident individual</translation>
    </message>
    <message>
        <source>纳税人身份：</source>
        <translation>Taxpayer status:</translation>
    </message>
    <message>
        <source>每次收入</source>
        <translation>Income per payment</translation>
    </message>
    <message>
        <source>在校学生实习（按累计预扣法逐月预扣）</source>
        <translation>Student intern (cumulative withholding method)</translation>
    </message>
    <message>
        <source>在校学生实习</source>
        <translation>Student internship</translation>
    </message>
    <message>
        <source>实习起始月份</source>
        <translation>First month of internship</translation>
    </message>
    <message>
        <source>实习截止月份</source>
        <translation>Last month of internship</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>实习月份：</source>
        <translation>Internship months:</translation>
    </message>
    <message>
        <source>全日制学历教育的学生因实习取得的劳务报酬，可按累计预扣法预扣：每月收入额为收入的%1%，累计减除费用为每月%2元乘实习月数，按综合所得年度税率表。</source>
        <translation>Labour remuneration a full-time student earns from an internship may be withheld by the cumulative withholding method: each month&apos;s income amount is %1% of the income, the cumulative basic deduction is %2 yuan times the months of internship, and the annual table of comprehensive income applies.</translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation>Basic deduction:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax payable:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>实习期间预扣税额合计</source>
        <translation>Total tax withheld during the internship</translation>
    </message>
    <message>
        <source>年度汇算</source>
        <translation>Annual reconciliation</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>收入额</source>
        <translation>Income amount</translation>
    </message>
    <message>
        <source>累计收入额</source>
        <translation>Cumulative income amount</translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation>Cumulative basic deduction</translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation>Cumulative taxable income</translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation>Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation>Cumulative tax payable</translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation>Cumulative tax withheld</translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation>Tax to withhold this month</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>实习逐月预扣明细</source>
        <translation>Internship withholding month by month</translation>
    </message>
    <message>
        <source>非居民个人：按次由支付方代扣代缴，税款即为最终税负，不办理年度汇算。</source>
        <translation>Non-resident individual: the payer withholds the tax on each payment; that tax is final, and there is no annual reconciliation.</translation>
    </message>
    <message>
        <source>年度汇算：这笔收入按%1%计入综合所得，收入额为%2，与工资薪金等合并按年度税率表计税；已预扣的%3税款多退少补。</source>
        <translation>Annual reconciliation: %1% of this income counts in comprehensive income, an income amount of %2, taxed with wages and salaries etc. by the annual table; the %3 withheld is settled by a refund or a further payment.</translation>
    </message>
    <message>
        <source>每月收入：</source>
        <translation>Monthly income:</translation>
    </message>
    <message>
        <source>起始月份不能晚于截止月份，请重新选择。</source>
        <translation>The first month cannot come after the last month; please choose again.</translation>
    </message>
    <message>
        <source>实习期间预扣税额合计：%1</source>
        <translation>Total tax withheld during the internship: %1</translation>
    </message>
    <message>
        <source>年度汇算：实习报酬按%1%计入综合所得，%2个月的收入额为%3，与工资薪金等合并按年度税率表计税；已预扣的%4税款多退少补。</source>
        <translation>Annual reconciliation: %1% of the internship pay counts in comprehensive income, an income amount of %3 for %2 months, taxed with wages and salaries etc. by the annual table; the %4 withheld is settled by a refund or a further payment.</translation>
    </message>
    <message>
        <source>每月收入数据无效，请重新输入。</source>
        <translation>Monthly income: invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>每次收入数据无效，请重新输入。</source>
        <translation>Income per payment: invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>年度汇算：居民个人的劳务报酬、特许权使用费按收入的%1%、稿酬按收入的%2%计入综合所得，与工资薪金等合并计税，预扣的税款多退少补。</source>
        <translation>Annual reconciliation: a resident individual&apos;s labour remuneration and royalties count in comprehensive income at %1% of the income, author&apos;s remuneration at %2%, taxed with wages and salaries etc.; the tax withheld is settled by a refund or a further payment.</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
</context>
<context>
    <name>TFrmCurReverse</name>
    <message>
        <source>反算</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>反算税前月薪</source>
        <translation>Reverse: gross monthly wage</translation>
    </message>
    <message>
        <source>目标每月税后收入：</source>
        <translation>Target after-tax income a month:</translation>
    </message>
    <message>
        <source>税前月薪：</source>
        <translation>Gross monthly wage:</translation>
    </message>
    <message>
        <source>平均每月税后：</source>
        <translation>Average after tax a month:</translation>
    </message>
    <message>
        <source>反算税前年终奖</source>
        <translation>Reverse: gross annual bonus</translation>
    </message>
    <message>
        <source>目标税后奖金：</source>
        <translation>Target after-tax bonus:</translation>
    </message>
    <message>
        <source>单独计税：求税后不少于目标的最低奖金，并指出其上最近的临界点。</source>
        <translation>Taxed separately: the lowest bonus whose after-tax amount reaches the target, and the nearest cliff above it.</translation>
    </message>
    <message>
        <source>税前奖金：</source>
        <translation>Gross bonus:</translation>
    </message>
    <message>
        <source>税后奖金：</source>
        <translation>After-tax bonus:</translation>
    </message>
    <message>
        <source>反算税前收入</source>
        <translation>Reverse: gross income</translation>
    </message>
    <message>
        <source>目标税后收入：</source>
        <translation>Target after-tax income:</translation>
    </message>
    <message>
        <source>求预扣（非居民个人为代扣）税款后不少于目标的最低每次收入。</source>
        <translation>The lowest income per payment that reaches the target after the tax withheld (for a non-resident individual, the tax deducted at source).</translation>
    </message>
    <message>
        <source>税前收入：</source>
        <translation>Gross income:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>反算提示</source>
        <translation>Reverse: message</translation>
    </message>
    <message>
        <source>反算明细</source>
        <translation>Reverse: details</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>免税收入：</source>
        <translation>Tax-exempt income:</translation>
    </message>
    <message>
        <source>固定金额</source>
        <translation>Fixed amount</translation>
    </message>
    <message>
        <source>按缴费比例</source>
        <translation>By contribution rate</translation>
    </message>
    <message>
        <source>三险一金：</source>
        <translation>Social insurance and housing fund:</translation>
    </message>
    <message>
        <source>每月三险一金：</source>
        <translation>Social insurance and housing fund a month:</translation>
    </message>
    <message>
        <source>缴费比例(%)：</source>
        <translation>Contribution rate (%):</translation>
    </message>
    <message>
        <source>个人缴纳的各项比例之和，最多两位小数，如10.5</source>
        <translation>The sum of the employee&apos;s contribution rates, at most two decimals, e.g. 10.5</translation>
    </message>
    <message>
        <source>缴费基数下限：</source>
        <translation>Minimum contribution base:</translation>
    </message>
    <message>
        <source>缴费基数上限：</source>
        <translation>Maximum contribution base:</translation>
    </message>
    <message>
        <source>不填为无上限</source>
        <translation>Empty for no maximum</translation>
    </message>
    <message>
        <source>专项附加扣除：</source>
        <translation>Special additional deductions:</translation>
    </message>
    <message>
        <source>其他扣除：</source>
        <translation>Other deductions:</translation>
    </message>
    <message>
        <source>全年其他应纳税所得额：</source>
        <translation>Other taxable income for the year:</translation>
    </message>
    <message>
        <source>只用于计算其他综合所得的税额，不影响反算的奖金</source>
        <translation>Used only for the tax on other comprehensive income; it does not change the reversed bonus</translation>
    </message>
    <message>
        <source>所得项目：</source>
        <translation>Kind of income:</translation>
    </message>
    <message>
        <source>居民个人</source>
        <translation>Resident individual</translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation>Non-resident individual</translation>
    </message>
    <message>
        <source>纳税人身份：</source>
        <translation>Taxpayer status:</translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation>%1: invalid figure, please enter it again.</translation>
    </message>
    <message>
        <source>缴费比例应为0到100之间、最多两位小数的百分数，请重新输入。</source>
        <translation>The contribution rate is a percentage from 0 to 100 with at most two decimals; please re-enter.</translation>
    </message>
    <message>
        <source>缴费基数上限不能低于下限，请重新输入。</source>
        <translation>The maximum contribution base cannot be below the minimum; please re-enter.</translation>
    </message>
    <message>
        <source>月薪在%1元以下都达不到这个税后收入。</source>
        <translation>No monthly wage up to %1 yuan reaches this after-tax income.</translation>
    </message>
    <message>
        <source>奖金在%1元以下都达不到这个税后奖金。</source>
        <translation>No bonus up to %1 yuan reaches this after-tax bonus.</translation>
    </message>
    <message>
        <source>税率%1，速算扣除数%2元，奖金应纳税额%3元；其他综合所得应纳税额%4元，合计%5元。</source>
        <translation>Tax rate %1, quick deduction %2 yuan, tax payable on the bonus %3 yuan; tax payable on other comprehensive income %4 yuan; total %5 yuan.</translation>
    </message>
    <message>
        <source>临界点：奖金超过%1元而不到%2元时，税后反而少于发%1元，最多少得%3元；加发奖金时应越过%2元。</source>
        <translation>Cliff: a bonus above %1 yuan but below %2 yuan leaves less after tax than %1 yuan would, up to %3 yuan less; when raising the bonus, go beyond %2 yuan.</translation>
    </message>
    <message>
        <source>收入在%1元以下都达不到这个税后收入。</source>
        <translation>No income up to %1 yuan reaches this after-tax income.</translation>
    </message>
    <message>
        <source>减除费用%1元，应纳税所得额%2元，税率%3，速算扣除数%4元，应纳税额%5元。</source>
        <translation>Deduction %1 yuan, taxable income %2 yuan, tax rate %3, quick deduction %4 yuan, tax payable %5 yuan.</translation>
    </message>
    <message>
        <source>复制%1</source>
        <translation>Copy %1</translation>
    </message>
    <message>
        <source>所选月份在同一单位发放相同的工资，每月减除%1元：求这些月税后合计不少于目标乘以月数的最低月薪。选“每月税后相同”则逐月求税前收入，使每个月的税后都恰为目标。</source>
        <translation>The same wage paid by one employer in the months chosen, %1 yuan deducted a month: the least monthly wage whose net pay over those months comes to at least the target times the number of months. With &quot;Equal net pay every month&quot;, each month&apos;s gross is found so that every month&apos;s net pay is exactly the target.</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>起始月份</source>
        <translation>First month</translation>
    </message>
    <message>
        <source>截止月份</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>月份：</source>
        <translation>Months:</translation>
    </message>
    <message>
        <source>减除方式：</source>
        <translation>Deduction method:</translation>
    </message>
    <message>
        <source>每月税后相同（逐月求税前收入）</source>
        <translation>Equal net pay every month (a gross for each month)</translation>
    </message>
    <message>
        <source>按税后工资约定薪酬时：逐月求最低的税前收入，使每个月的税后收入都恰为目标；各月税前收入随累计预扣而不同</source>
        <translation>For pay agreed after tax: each month&apos;s least gross whose net pay is exactly the target; the grosses differ as the cumulative withholding goes on</translation>
    </message>
    <message>
        <source>各月税前、预扣税额和税后</source>
        <translation>Each month&apos;s gross, tax withheld and net pay</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>税前收入</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>预扣税额</source>
        <translation>Tax withheld</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>Net pay</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>起始月份不能晚于截止月份，请重新选择。</source>
        <translation>The first month cannot be later than the last month. Please choose again.</translation>
    </message>
    <message>
        <source>%1至%2月共%3个月</source>
        <translation>Months %1 to %2 (%3 months)</translation>
    </message>
    <message>
        <source>税前%1元，三险一金%2元，预扣税额%3元，税后合计%4元</source>
        <translation>gross %1 yuan, social insurance and housing fund %2 yuan, tax withheld %3 yuan, net pay %4 yuan in all</translation>
    </message>
    <message>
        <source>%1每月税后都为%2元，各月税前见下表；%3。</source>
        <translation>%1: every month&apos;s net pay is %2 yuan, each month&apos;s gross in the table below; %3.</translation>
    </message>
    <message>
        <source>%1：%2；%3月税后%4元，%5月税后%6元。</source>
        <translation>%1: %2; net pay %4 yuan in month %3, %6 yuan in month %5.</translation>
    </message>
    <message>
        <source>各月不同</source>
        <translation>Differs by month</translation>
    </message>
</context>
<context>
    <name>TFrmCurSettle</name>
    <message>
        <source>从工资页填入</source>
        <translation>Fill in from Wages</translation>
    </message>
    <message>
        <source>从工资薪金页填入</source>
        <translation>From the wage page</translation>
    </message>
    <message>
        <source>按工资薪金(累计预扣)页上次输入的各月数额，填入全年工资薪金、免税收入、三险一金、专项附加扣除、其他扣除和已预扣的税额</source>
        <translation>Fill in the year&apos;s wages and salaries, tax-exempt income, social insurance and housing fund, special additional deductions, other deductions and tax withheld from the monthly amounts last entered on the Wages and salaries (cumulative withholding) page</translation>
    </message>
    <message>
        <source>全年工资薪金收入，不含全年一次性奖金</source>
        <translation>The year&apos;s wages and salaries, annual bonus excluded</translation>
    </message>
    <message>
        <source>每年最多扣除%1元</source>
        <translation>At most %1 yuan deducted a year</translation>
    </message>
    <message>
        <source>奖金计税方式：</source>
        <translation>Bonus tax method:</translation>
    </message>
    <message>
        <source>有扣缴义务人应预扣预缴而未预扣</source>
        <translation>A withholding agent should have withheld tax but did not</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>工资薪金和已预缴税额必填，其余不填的按0计算。</source>
        <translation>Wages and salaries and the tax prepaid are required; any other field left empty counts as 0.</translation>
    </message>
    <message>
        <source>填入...</source>
        <translation>Fill in...</translation>
    </message>
    <message>
        <source>从专项附加扣除设置填入</source>
        <translation>Fill in from the special additional deductions settings</translation>
    </message>
    <message>
        <source>打开专项附加扣除设置，确定后按全年数额填入专项附加扣除、个人养老金和商业健康保险</source>
        <translation>Open the special additional deductions settings; on OK, the special additional deductions, private pension and commercial health insurance are filled in with the amounts for the year</translation>
    </message>
    <message>
        <source>子女教育、婴幼儿照护、赡养老人、住房贷款利息或住房租金、继续教育和大病医疗的全年合计</source>
        <translation>The year&apos;s total of children&apos;s education, infant care, elderly support, housing loan interest or housing rent, continuing education and medical treatment for serious illness</translation>
    </message>
    <message>
        <source>综合所得收入额：</source>
        <translation>Comprehensive income amount:</translation>
    </message>
    <message>
        <source>扣除合计：</source>
        <translation>Total deductions:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>综合所得应纳税额：</source>
        <translation>Tax payable on comprehensive income:</translation>
    </message>
    <message>
        <source>年终奖单独计税税额：</source>
        <translation>Tax on the bonus taxed separately:</translation>
    </message>
    <message>
        <source>应纳税额合计：</source>
        <translation>Total tax payable:</translation>
    </message>
    <message>
        <source>已预缴税额：</source>
        <translation>Tax prepaid:</translation>
    </message>
    <message>
        <source>另一种奖金计税方式</source>
        <translation>The other bonus tax method</translation>
    </message>
    <message>
        <source>是否需要办理年度汇算</source>
        <translation>Whether an annual reconciliation is needed</translation>
    </message>
    <message>
        <source>办理原因</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>年度汇算的办理时间为次年%1至%2，可通过个人所得税App或网站自行办理，也可以委托单位或他人办理。</source>
        <translation>The annual reconciliation is filed from %1 to %2 of the following year, by yourself through the Individual Income Tax app or website, or through your employer or another person.</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>从纳税年度填入</source>
        <translation>Fill in from tax year</translation>
    </message>
    <message>
        <source>按“我的纳税年度”的全年合计填入全部数额，与该页的年度汇算相同</source>
        <translation>Fill in all amounts from the year&apos;s totals in &quot;My tax year&quot;, the same as that page&apos;s annual reconciliation</translation>
    </message>
    <message>
        <source>纳税年度：</source>
        <translation>Tax year:</translation>
    </message>
    <message>
        <source>复制%1</source>
        <translation>Copy %1</translation>
    </message>
    <message>
        <source>准予在税前全额扣除的公益慈善捐赠</source>
        <translation>Donations to public welfare the law allows to deduct in full</translation>
    </message>
    <message>
        <source>捐赠扣除：</source>
        <translation>Donations deducted:</translation>
    </message>
    <message>
        <source>不超过扣除捐赠前应纳税所得额的%1%</source>
        <translation>At most %1% of the taxable income before donations</translation>
    </message>
    <message>
        <source>取得综合所得时，有扣缴义务人依法应预扣预缴而未预扣的，不适用补税不超过%1元或收入不超过%2元免于办理年度汇算的规定（%3）。</source>
        <translation>Where a withholding agent should by law have withheld tax on comprehensive income but did not, the exemption from the annual reconciliation for tax due of at most %1 yuan or income of at most %2 yuan does not apply (%3).</translation>
    </message>
</context>
<context>
    <name>TFrmCurSeverance</name>
    <message>
        <source>解除劳动合同</source>
        <translation>Ending a labour contract</translation>
    </message>
    <message>
        <source>提前退休一次性补贴</source>
        <translation>Early retirement lump sum</translation>
    </message>
    <message>
        <source>收入类型：</source>
        <translation>Income type:</translation>
    </message>
    <message>
        <source>一次性补偿收入：</source>
        <translation>Lump-sum compensation:</translation>
    </message>
    <message>
        <source>当地上年职工平均工资：</source>
        <translation>Local average wage of last year:</translation>
    </message>
    <message>
        <source>上年职工平均工资指全年工资，由各地（市）统计部门每年公布，以用人单位所在地公布的数字为准。</source>
        <translation>The average wage of last year is the annual wage that the statistics bureau of each city publishes every year; the figure published where the employer is located applies.</translation>
    </message>
    <message>
        <source>至法定退休年龄年数：</source>
        <translation>Years to statutory retirement age:</translation>
    </message>
    <message>
        <source>办理提前退休手续至法定退休年龄的实际年数，可带两位小数（如2.5）。法定退休年龄自%1年起逐步提高（全国人大常委会%2年%3月%4日决定），请按本人适用的法定退休年龄自行计算。</source>
        <translation>The actual years from early retirement to the statutory retirement age, with up to two decimals (e.g. 2.5). The statutory retirement age rises gradually from %1 (decision of the NPC Standing Committee of %4/%3/%2): work it out from the statutory retirement age that applies to you.</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>免税部分：</source>
        <translation>Tax-exempt part:</translation>
    </message>
    <message>
        <source>应纳税部分：</source>
        <translation>Taxable part:</translation>
    </message>
    <message>
        <source>每年分摊额：</source>
        <translation>Amount per year:</translation>
    </message>
    <message>
        <source>每年应纳税所得额：</source>
        <translation>Taxable income per year:</translation>
    </message>
    <message>
        <source>税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>每年应纳税额：</source>
        <translation>Tax payable per year:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax payable:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>超过%1倍的部分不并入当年综合所得，单独按年度税率表计税。</source>
        <translation>The part above %1 times is not combined with comprehensive income of the year and is taxed separately under the annual tax rate table.</translation>
    </message>
    <message>
        <source>提前退休一次性补贴不并入当年综合所得：按年数平均分摊，每年减除%1元后单独按年度税率表计税。</source>
        <translation>A lump-sum early retirement allowance is not combined with comprehensive income of the year: it is spread evenly over the years, and each year&apos;s share less %1 yuan is taxed separately under the annual tax rate table.</translation>
    </message>
    <message>
        <source>每年分摊额 = 一次性补贴 ÷ 至法定退休年龄年数
每年应纳税额 = (每年分摊额 − %1) × 税率 − 速算扣除数
应纳税额 = 每年应纳税额 × 年数
税率和速算扣除数按每年应纳税所得额查综合所得年度税率表。

例：补贴%2元、%3年：(%4 − %1) × %5 − %6 = %7元，× %3 = %8元</source>
        <translation>Amount per year = lump-sum allowance ÷ years to statutory retirement age
Tax payable per year = (amount per year − %1) × tax rate − quick deduction
Tax payable = tax payable per year × years
The tax rate and quick deduction are those of the annual table for comprehensive income at the taxable income per year.

E.g. allowance %2 yuan, %3 years: (%4 − %1) × %5 − %6 = %7 yuan, × %3 = %8 yuan</translation>
    </message>
    <message>
        <source>提前退休一次性补贴计算方法</source>
        <translation>How the lump-sum early retirement allowance is taxed</translation>
    </message>
    <message>
        <source>一次性补贴收入：</source>
        <translation>Lump-sum allowance:</translation>
    </message>
    <message>
        <source>一次性补贴收入数据无效，请重新输入。</source>
        <translation>Invalid lump-sum allowance; please re-enter.</translation>
    </message>
    <message>
        <source>一次性补偿收入数据无效，请重新输入。</source>
        <translation>Invalid lump-sum compensation; please re-enter.</translation>
    </message>
    <message>
        <source>当地上年职工平均工资数据无效，请重新输入。</source>
        <translation>Invalid local average wage of last year; please re-enter.</translation>
    </message>
    <message>
        <source>至法定退休年龄年数应大于0、不超过%1，最多两位小数，请重新输入。</source>
        <translation>Years to statutory retirement age must be above 0 and at most %1, with at most two decimals; please re-enter.</translation>
    </message>
    <message>
        <source>内部退养一次性收入</source>
        <translation>Internal retirement</translation>
    </message>
    <message>
        <source>至法定退休年龄月数：</source>
        <translation>Months to statutory retirement age:</translation>
    </message>
    <message>
        <source>领取当月的工资：</source>
        <translation>Wage of the month received:</translation>
    </message>
    <message>
        <source>办理内部退养手续后至法定退休年龄的月数（整数）；当月工资为领取一次性收入当月的工资薪金。</source>
        <translation>The whole months from internal retirement to the statutory retirement age; the wage is that of the month the lump sum is received.</translation>
    </message>
    <message>
        <source>每月平均额：</source>
        <translation>Average a month:</translation>
    </message>
    <message>
        <source>当月工资单独的税额：</source>
        <translation>Tax of the wage alone:</translation>
    </message>
    <message>
        <source>一次性收入增加的税额：</source>
        <translation>Tax the lump sum adds:</translation>
    </message>
    <message>
        <source>每月平均额 = 一次性收入 ÷ 至法定退休年龄月数
按 每月平均额 + 当月工资 − %1 查月度税率表，得税率和速算扣除数
当月应纳税额 = (当月工资 + 一次性收入 − %1) × 税率 − 速算扣除数

例：一次性收入%2元、%3个月、当月工资%4元：%5 + %4 − %1 = %6，税率%7；(%4 + %2 − %1) × %7 − %8 = %9元，其中当月工资单独的税额%10元</source>
        <translation>Average a month = lump sum ÷ months to statutory retirement age
Average a month + wage − %1 finds the rate and quick deduction on the monthly table
Tax of the month = (wage + lump sum − %1) × rate − quick deduction

Example: a lump sum of %2 yuan, %3 months, a wage of %4 yuan: %5 + %4 − %1 = %6, rate %7; (%4 + %2 − %1) × %7 − %8 = %9 yuan, of which the wage alone owes %10 yuan</translation>
    </message>
    <message>
        <source>内部退养一次性收入计算方法</source>
        <translation>Method for a lump sum on internal retirement</translation>
    </message>
    <message>
        <source>内部退养一次性收入：</source>
        <translation>Lump sum on internal retirement:</translation>
    </message>
    <message>
        <source>内部退养一次性收入数据无效，请重新输入。</source>
        <translation>The lump sum on internal retirement is not valid. Please enter it again.</translation>
    </message>
    <message>
        <source>至法定退休年龄月数应为1到%1的整数，请重新输入。</source>
        <translation>The months to statutory retirement age must be a whole number from 1 to %1. Please enter them again.</translation>
    </message>
    <message>
        <source>领取当月的工资数据无效，请重新输入。</source>
        <translation>The wage of the month is not valid. Please enter it again.</translation>
    </message>
    <message>
        <source>内部退养一次性收入不单独计税：与领取当月的工资合并，按月度税率表计算当月税额。</source>
        <translation>A lump sum on internal retirement is not taxed on its own: it is added to the wage of the month it is received, and the month&apos;s tax is worked out on the monthly tax table.</translation>
    </message>
</context>
<context>
    <name>TFrmCurWage</name>
    <message>
        <source>每月收入</source>
        <translation>Monthly income</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation>Tax-exempt income</translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation>Social insurance and housing fund</translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation>Special additional deductions</translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation>Other deductions</translation>
    </message>
    <message>
        <source>逐月明细</source>
        <translation>Month by month</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>由税后收入反算税前月薪</source>
        <translation>Reverse: pre-tax monthly wage from after-tax income</translation>
    </message>
    <message>
        <source>每月收入：</source>
        <translation>Monthly income:</translation>
    </message>
    <message>
        <source>免税收入：</source>
        <translation>Tax-exempt income:</translation>
    </message>
    <message>
        <source>三险一金：</source>
        <translation>Social insurance and housing fund:</translation>
    </message>
    <message>
        <source>专项附加扣除：</source>
        <translation>Special additional deductions:</translation>
    </message>
    <message>
        <source>设置...</source>
        <translation>Set...</translation>
    </message>
    <message>
        <source>设置专项附加扣除</source>
        <translation>Set special additional deductions</translation>
    </message>
    <message>
        <source>其他扣除：</source>
        <translation>Other deductions:</translation>
    </message>
    <message>
        <source>按月：按在本单位的任职受雇月份数减除费用，每月%1元。</source>
        <translation>Per month: the basic deduction counts the months employed by this employer, %1 yuan a month.</translation>
    </message>
    <message>
        <source>自1月：年内首次取得工资薪金的，按1月起至本月的月份数减除费用，每月%1元。</source>
        <translation>From January: for wages and salaries first received in the year, the basic deduction counts the months from January to this month, %1 yuan a month.</translation>
    </message>
    <message>
        <source>6万：同时符合三个条件的，自1月起即减除全年%1元：上一完整纳税年度各月均在本单位任职受雇，且由本单位预扣预缴；上年在本单位的工资薪金收入（含全年一次性奖金）不超过%2元；本年1月起仍在本单位任职受雇（国家税务总局公告2020年第19号）。</source>
        <translation>60,000: if all three conditions are met, the whole year&apos;s %1 yuan is deducted from January: employed by this employer in every month of the last full tax year, with tax withheld and prepaid by it; wages and salaries from it last year (annual bonus included) not above %2 yuan; still employed by it from January this year (State Taxation Administration Announcement No. 19 of 2020).</translation>
    </message>
    <message>
        <source>减除方式：</source>
        <translation>Deduction method:</translation>
    </message>
    <message>
        <source>减除方式说明</source>
        <translation>Deduction method note</translation>
    </message>
    <message>
        <source>起始月份</source>
        <translation>First month</translation>
    </message>
    <message>
        <source>截止月份</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>非居民个人（按月计税，不累计）</source>
        <translation>Non-resident individual (monthly, not cumulative)</translation>
    </message>
    <message>
        <source>发放月份：</source>
        <translation>Months paid:</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>逐月预扣明细</source>
        <translation>Monthly withholding details</translation>
    </message>
    <message>
        <source>全年预扣税额合计：</source>
        <translation>Tax withheld, year:</translation>
    </message>
    <message>
        <source>全年税后收入合计：</source>
        <translation>After-tax income, year:</translation>
    </message>
    <message>
        <source>双击可为单月输入；Ctrl+D以后各月相同，Delete恢复</source>
        <translation>Double-click: one month; Ctrl+D: fill down; Del: reset</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>把整张表（含表头和累计列）复制到剪贴板，可直接粘贴到电子表格</source>
        <translation>Copy the whole table (with headers and cumulative columns) to the clipboard, ready to paste into a spreadsheet</translation>
    </message>
    <message>
        <source>显示累计列</source>
        <translation>Show cumulative columns</translation>
    </message>
    <message>
        <source>显示累计收入、累计减除费用、累计应纳税额等累计预扣法的中间数</source>
        <translation>Show cumulative income, cumulative basic deduction, cumulative tax payable and the other intermediate figures of the cumulative withholding method</translation>
    </message>
    <message>
        <source>以后各月与本月相同</source>
        <translation>Same for later months</translation>
    </message>
    <message>
        <source>恢复为每月相同的数额</source>
        <translation>Restore the same amount every month</translation>
    </message>
    <message>
        <source>6万只适用于自1月起在本单位任职受雇的月份，已改为按月。</source>
        <translation>60,000 applies only to months employed by this employer from January: changed to Per month.</translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation>%1: invalid figure, please enter it again.</translation>
    </message>
    <message>
        <source>起始月份不能晚于截止月份，请重新选择。</source>
        <translation>The first month cannot come after the last month; please choose again.</translation>
    </message>
    <message>
        <source>从纳税年度填入</source>
        <translation>Fill in from tax year</translation>
    </message>
    <message>
        <source>按“我的纳税年度”中这家单位的任职月份、每月工资和按日期算出的每月专项附加扣除等填入</source>
        <translation>Fill in this employer&apos;s months of employment, monthly wages and the monthly special additional deductions worked out from dates etc. from &quot;My tax year&quot;</translation>
    </message>
    <message>
        <source>收入、免税收入、三险一金、专项附加扣除、其他扣除各格可双击为单月输入不同的数额；右键菜单或Ctrl+D使以后各月与本月相同，Delete恢复为每月相同的数额。</source>
        <translation>Double-click a cell of income, tax-exempt income, social insurance and housing fund, special additional deductions or other deductions to enter a different amount for a single month; the context menu or Ctrl+D makes the later months the same as this one, Delete restores the same amount every month.</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>任职单位：</source>
        <translation>Employer:</translation>
    </message>
    <message>
        <source>“自1月”自%1起施行（%2），%3年不能采用</source>
        <translation>&quot;自1月&quot; (from January) applies from %1 (%2) and cannot be used in %3</translation>
    </message>
    <message>
        <source>“6万”自%1起施行（%2），%3年不能采用</source>
        <translation>&quot;6万&quot; (60,000) applies from %1 (%2) and cannot be used in %3</translation>
    </message>
</context>
<context>
    <name>TFrmFeedback</name>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>在线客服</source>
        <translation>Online support</translation>
    </message>
    <message>
        <source>QQ交谈</source>
        <translation>Chat on QQ</translation>
    </message>
    <message>
        <source>旺旺交谈</source>
        <translation>Chat on Wangwang</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>QQ：</source>
        <translation>QQ: </translation>
    </message>
    <message>
        <source>旺旺：</source>
        <translation>Wangwang:</translation>
    </message>
    <message>
        <source>Email：</source>
        <translation>Email: </translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>TFrmFiveGolds</name>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>国内人士</source>
        <translation>Domestic</translation>
    </message>
    <message>
        <source>外籍人士</source>
        <translation>Foreign nationals</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>缴费基数：</source>
        <translation>Contribution base:</translation>
    </message>
    <message>
        <source>社保缴费基数</source>
        <translation>Social ins. base</translation>
    </message>
    <message>
        <source>下限：</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>上限：</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>公积金缴费基数</source>
        <translation>Housing base</translation>
    </message>
    <message>
        <source>个人部分</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>养老：</source>
        <translation>Pension:</translation>
    </message>
    <message>
        <source>医疗：</source>
        <translation>Medical:</translation>
    </message>
    <message>
        <source>失业：</source>
        <translation>Unempl.:</translation>
    </message>
    <message>
        <source>公积金：</source>
        <translation>Housing:</translation>
    </message>
    <message>
        <source>单位部分</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>工伤：</source>
        <translation>Injury:</translation>
    </message>
    <message>
        <source>生育：</source>
        <translation>Matern.:</translation>
    </message>
    <message>
        <source>个人缴费合计：</source>
        <translation>Employee:</translation>
    </message>
    <message>
        <source>单位缴费合计：</source>
        <translation>Employer:</translation>
    </message>
    <message>
        <source>单位支出总计：</source>
        <translation>Total cost:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1下限</source>
        <translation>%1 minimum</translation>
    </message>
    <message>
        <source>%1上限</source>
        <translation>%1 maximum</translation>
    </message>
    <message>
        <source>%1%2比例</source>
        <translation>%1, %2 rate</translation>
    </message>
    <message>
        <source>%1%2金额</source>
        <translation>%1, %2 amount</translation>
    </message>
</context>
<context>
    <name>TFrmGoldsSetup</name>
    <message>
        <source>社保与公积金参数调整</source>
        <translation>Social insurance and housing fund settings</translation>
    </message>
    <message>
        <source>公积金缴费基数</source>
        <translation>Housing fund base</translation>
    </message>
    <message>
        <source>下限：</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>上限：</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>注：上限一般为当地社会平均工资的300%，下限为60%。</source>
        <translation>Note: the maximum is usually 300% of the local average wage, the minimum 60%.</translation>
    </message>
    <message>
        <source>社保缴费基数</source>
        <translation>Social ins. base</translation>
    </message>
    <message>
        <source>注：上限一般为当地社会平均工资的300%，下限为当地的最低工资。</source>
        <translation>Note: the maximum is usually 300% of the local average wage, the minimum the local minimum wage.</translation>
    </message>
    <message>
        <source>个人部分</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>公积金：</source>
        <translation>Housing:</translation>
    </message>
    <message>
        <source>医疗金：</source>
        <translation>Medical:</translation>
    </message>
    <message>
        <source>养老金：</source>
        <translation>Pension:</translation>
    </message>
    <message>
        <source>失业金：</source>
        <translation>Unempl.:</translation>
    </message>
    <message>
        <source>单位部分</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>工伤金：</source>
        <translation>Injury:</translation>
    </message>
    <message>
        <source>生育金：</source>
        <translation>Matern.:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>公积金缴费基数下限应小于上限。</source>
        <translation>The housing fund base minimum must be below the maximum.</translation>
    </message>
    <message>
        <source>社保缴费基数下限应小于上限。</source>
        <translation>The social insurance base minimum must be below the maximum.</translation>
    </message>
    <message>
        <source>个人部分缴费比例合计不能大于100%。</source>
        <translation>The employee&apos;s rates cannot add up to more than 100%.</translation>
    </message>
    <message>
        <source>单位部分缴费比例合计不能大于100%。</source>
        <translation>The employer&apos;s rates cannot add up to more than 100%.</translation>
    </message>
    <message>
        <source>%1下限</source>
        <translation>%1 minimum</translation>
    </message>
    <message>
        <source>%1上限</source>
        <translation>%1 maximum</translation>
    </message>
    <message>
        <source>%1%2比例</source>
        <translation>%1, %2 rate</translation>
    </message>
    <message>
        <source>提示：参数如有疑问，请咨询当地社保部门，或联系客服QQ：%1</source>
        <translation>Note: for questions on these figures ask the local social insurance office, or customer service QQ %1</translation>
    </message>
</context>
<context>
    <name>TFrmGuide</name>
    <message>
        <source>使用说明</source>
        <translation>User guide</translation>
    </message>
</context>
<context>
    <name>TFrmHousehold</name>
    <message>
        <source>选择 a 的年度文件</source>
        <translation>Choose a&apos;s year file</translation>
    </message>
    <message>
        <source>选择 b 的年度文件</source>
        <translation>Choose b&apos;s year file</translation>
    </message>
    <message>
        <source>选择家庭文件</source>
        <translation>Choose the household file</translation>
    </message>
    <message>
        <source>请选择 a、b 两人的年度文件（或含两人年度的家庭文件），再添加共同项目。</source>
        <translation>Choose the year files of a and b (or a household file with both years), then add the shared items.</translation>
    </message>
    <message>
        <source>选择...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>两人的年度</source>
        <translation>Years of a and b</translation>
    </message>
    <message>
        <source>a 的年度文件：</source>
        <translation>a&apos;s year file:</translation>
    </message>
    <message>
        <source>b 的年度文件：</source>
        <translation>b&apos;s year file:</translation>
    </message>
    <message>
        <source>家庭文件：</source>
        <translation>Household file:</translation>
    </message>
    <message>
        <source>共同项目（shared）</source>
        <translation>Shared items (shared)</translation>
    </message>
    <message>
        <source>共同项目</source>
        <translation>Shared item</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>最优分配</source>
        <translation>Best split</translation>
    </message>
    <message>
        <source>子女...</source>
        <translation>Child...</translation>
    </message>
    <message>
        <source>添加子女</source>
        <translation>Add child</translation>
    </message>
    <message>
        <source>住房贷款...</source>
        <translation>Housing loan...</translation>
    </message>
    <message>
        <source>添加住房贷款</source>
        <translation>Add housing loan</translation>
    </message>
    <message>
        <source>租房...</source>
        <translation>Rented home...</translation>
    </message>
    <message>
        <source>添加租房</source>
        <translation>Add rented home</translation>
    </message>
    <message>
        <source>大病医疗...</source>
        <translation>Medical treatment for serious illness...</translation>
    </message>
    <message>
        <source>添加大病医疗</source>
        <translation>Add medical treatment for serious illness</translation>
    </message>
    <message>
        <source>修改...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>添加：</source>
        <translation>Add:</translation>
    </message>
    <message>
        <source>家庭分配</source>
        <translation>Household split</translation>
    </message>
    <message>
        <source>重新计算</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>重新读入所选的文件并计算；改动文件或共同项目时会自动重新计算</source>
        <translation>Read the chosen files again and calculate; a change to the files or shared items recalculates by itself</translation>
    </message>
    <message>
        <source>写回年度文件...</source>
        <translation>Write back to year files...</translation>
    </message>
    <message>
        <source>把最优分配下的共同项目及各自的扣除比例写入两人的年度文件</source>
        <translation>Write the shared items of the best split, with each one&apos;s deduction shares, into both year files</translation>
    </message>
    <message>
        <source>家庭分配状态</source>
        <translation>Household split status</translation>
    </message>
    <message>
        <source>分配概况</source>
        <translation>Split summary</translation>
    </message>
    <message>
        <source>最优分配两人合计：</source>
        <translation>Both together, best split:</translation>
    </message>
    <message>
        <source>比全部由 a 扣除少缴：</source>
        <translation>Less than all deducted by a:</translation>
    </message>
    <message>
        <source>比全部由 b 扣除少缴：</source>
        <translation>Less than all deducted by b:</translation>
    </message>
    <message>
        <source>比最不利的分配少缴：</source>
        <translation>Less than the worst split:</translation>
    </message>
    <message>
        <source>各种分配的应纳税额</source>
        <translation>Tax payable of each split</translation>
    </message>
    <message>
        <source>a 应纳税额</source>
        <translation>a&apos;s tax payable</translation>
    </message>
    <message>
        <source>b 应纳税额</source>
        <translation>b&apos;s tax payable</translation>
    </message>
    <message>
        <source>两人合计</source>
        <translation>Both together</translation>
    </message>
    <message>
        <source>a 是否需要办理年度汇算</source>
        <translation>Does a need the annual reconciliation</translation>
    </message>
    <message>
        <source>b 是否需要办理年度汇算</source>
        <translation>Does b need the annual reconciliation</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>最优分配下两人的年度汇算</source>
        <translation>Annual reconciliation of both under the best split</translation>
    </message>
    <message>
        <source>最优分配下的年度汇算</source>
        <translation>Annual reconciliation under the best allocation</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>夫妻每年可以选择由谁扣除下列项目，税法允许的方式：</source>
        <translation>Each year a couple may choose who deducts the items below, in the ways the law allows:</translation>
    </message>
    <message>
        <source>· 子女教育、婴幼儿照护：每个子女由 a 或 b 全额扣除，或两人各扣%1%。</source>
        <translation>· Children&apos;s education, care for infants under 3: each child deducted in full by a or b, or %1% by each.</translation>
    </message>
    <message>
        <source>· 住房贷款利息：由一方全额扣除；婚前各自购买首套住房的，也可两人各扣%1%。</source>
        <translation>· Housing loan interest: deducted in full by one of them; if each bought a first home before marriage, also %1% by each.</translation>
    </message>
    <message>
        <source>· 住房租金：夫妻主要工作城市相同的，每份租房只由一方扣除；一年中夫妻不能既扣住房贷款利息又扣住房租金。</source>
        <translation>· Housing rent: if the couple&apos;s main city of work is the same, each rented home is deducted by one of them only; in one year a couple cannot deduct both housing loan interest and housing rent.</translation>
    </message>
    <message>
        <source>· 大病医疗：子女的由父母任一方扣除，配偶的由另一方扣除；本人的写在本人的年度文件中。</source>
        <translation>· Medical treatment for serious illness: a child&apos;s by either parent, a spouse&apos;s by the other; one&apos;s own goes in one&apos;s own year file.</translation>
    </message>
    <message>
        <source>本页试遍所有允许的分配，按两人的年度文件算出各自的年度汇算，取两人应纳税额合计（含年终奖单独计税的税额）最少的一种；合计相同时取改动最少的（以子女和可各半的贷款各半、其余由 a 扣除为准），再取列在前面的。命令 pendra-cli household 给出同样的结果。</source>
        <translation>This page tries every allowed split, works out the annual reconciliation of each from the two year files, and takes the one with the least tax payable of both together (tax on a bonus taxed separately included); on a tie, the one with the fewest changes (children and loans that may be halved halved, the rest deducted by a), then the one listed first. The command pendra-cli household gives the same result.</translation>
    </message>
    <message>
        <source>共同项目只列在本页（或家庭文件的 shared 中），不要同时写在个人的年度文件里。“写回年度文件”把最优分配下的共同项目连同扣除比例写入两人的年度文件，写前会询问；写回后，本页仍把共同项目与两人的个人部分分开保存，以便改动后重新分配。</source>
        <translation>List shared items only on this page (or under shared in the household file), not in the personal year files as well. &quot;Write back to year files&quot; writes the shared items of the best split, with their deduction shares, into both year files, asking first; after writing back, this page still keeps the shared items apart from the personal parts of both, so that they can be split again after a change.</translation>
    </message>
    <message>
        <source>JSON文件 (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>已从家庭文件读入%1项共同项目。</source>
        <translation>%1 shared items read from the household file.</translation>
    </message>
    <message>
        <source>%1的年度取自家庭文件。</source>
        <translation> Year of %1from the household file.</translation>
    </message>
    <message>
        <source>a 和 b </source>
        <translation>a and b </translation>
    </message>
    <message>
        <source>a </source>
        <translation>a </translation>
    </message>
    <message>
        <source>b </source>
        <translation>b </translation>
    </message>
    <message>
        <source>年度文件中有本页写回的共同项目，按写回前的个人部分计算。</source>
        <translation> The year files hold shared items written back from this page: calculated with the personal parts from before the write-back.</translation>
    </message>
    <message>
        <source>全部由 a 扣除</source>
        <translation>All by a</translation>
    </message>
    <message>
        <source>全部由 b 扣除</source>
        <translation>All deducted by b</translation>
    </message>
    <message>
        <source>最不利的分配</source>
        <translation>Worst split</translation>
    </message>
    <message>
        <source>专项附加扣除（不含大病医疗）</source>
        <translation>Special additional deductions (excl. medical treatment for serious illness)</translation>
    </message>
    <message>
        <source>大病医疗</source>
        <translation>Medical treatment for serious illness</translation>
    </message>
    <message>
        <source>综合所得收入额</source>
        <translation>Comprehensive income amount</translation>
    </message>
    <message>
        <source>扣除合计</source>
        <translation>Total deductions</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>综合所得应纳税额</source>
        <translation>Tax payable on comprehensive income</translation>
    </message>
    <message>
        <source>年终奖计税方式</source>
        <translation>Bonus taxation</translation>
    </message>
    <message>
        <source>年终奖单独计税税额</source>
        <translation>Tax on annual bonus taxed separately</translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation>Total tax payable</translation>
    </message>
    <message>
        <source>已预缴税额</source>
        <translation>Tax prepaid</translation>
    </message>
    <message>
        <source>应补（退）税额</source>
        <translation>Tax to pay (refund)</translation>
    </message>
    <message>
        <source>%1：%2。%3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>由 a 扣除</source>
        <translation>Deducted by a</translation>
    </message>
    <message>
        <source>由 b 扣除</source>
        <translation>Deducted by b</translation>
    </message>
    <message>
        <source>两人各扣%1%</source>
        <translation>%1% each</translation>
    </message>
    <message>
        <source>保存 %1 的年度文件</source>
        <translation>Save the year file of %1</translation>
    </message>
    <message>
        <source>%1-%2.json</source>
        <translation>%1-%2.json</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>把最优分配下的共同项目写入两人的年度文件，覆盖文件原有的内容：

a：%1
b：%2

是否写回？</source>
        <translation>Write the shared items of the best split into both year files, replacing what the files hold:

a: %1
b: %2

Write back?</translation>
    </message>
    <message>
        <source>写回</source>
        <translation>Write back</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在写回…</source>
        <translation>Writing back…</translation>
    </message>
    <message>
        <source>已写回 a 的年度文件“%1”和 b 的年度文件“%2”。</source>
        <translation>Wrote back a&apos;s year file &quot;%1&quot; and b&apos;s year file &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>选择%1</source>
        <translation>Choose %1</translation>
    </message>
    <message>
        <source>打开的年度“%1”是哪一方的？</source>
        <translation>Whose is the open year &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>a 的</source>
        <translation>a&apos;s</translation>
    </message>
    <message>
        <source>b 的</source>
        <translation>b&apos;s</translation>
    </message>
    <message>
        <source>家庭文件含两人的年度：a、b 的年度文件已清空，两人的年度都取自家庭文件。</source>
        <translation>The household file holds both years: the year files of a and b were cleared, and both years are taken from the household file.</translation>
    </message>
    <message>
        <source>使用打开的年度...</source>
        <translation>Use the open year...</translation>
    </message>
    <message>
        <source>把程序中打开的纳税年度作为 a 或 b 的年度（会询问是哪一方的）</source>
        <translation>Take the tax year open in the program as a&apos;s or b&apos;s year (you are asked whose it is)</translation>
    </message>
    <message>
        <source>两人年度的来源</source>
        <translation>Where the two years come from</translation>
    </message>
    <message>
        <source>选择家庭文件时，a、b 两人的年度都取自家庭文件，其中的共同项目读入下表；只填 a 或 b 一方的年度文件时，另一方取自家庭文件。</source>
        <translation>Choosing a household file takes both years, a&apos;s and b&apos;s, from it and reads its shared items into the table below; with a year file for only one of them, the other&apos;s year is taken from the household file.</translation>
    </message>
    <message>
        <source>现在的分配两人合计：</source>
        <translation>Current allocation, both together:</translation>
    </message>
    <message>
        <source>比现在的分配少缴：</source>
        <translation>Saved against the current allocation:</translation>
    </message>
    <message>
        <source>现在的分配</source>
        <translation>Current allocation</translation>
    </message>
    <message>
        <source>%1：未选</source>
        <translation>%1: none chosen</translation>
    </message>
    <message>
        <source>%1：程序中打开的年度“%2”（含未保存的改动）</source>
        <translation>%1: the year open in the program &quot;%2&quot; (with unsaved changes)</translation>
    </message>
    <message>
        <source>%1：年度文件“%2”</source>
        <translation>%1: year file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>a 的姓名：</source>
        <translation>a&apos;s name:</translation>
    </message>
    <message>
        <source>b 的姓名：</source>
        <translation>b&apos;s name:</translation>
    </message>
    <message>
        <source>可不填</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>%1：取自家庭文件“%2”</source>
        <translation>%1: from the household file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1年，试过%n种分配。</source>
        <translation>
            <numerusform>Tax year %1, %n split tried.</numerusform>
            <numerusform>Tax year %1, %n splits tried.</numerusform>
        </translation>
    </message>
    <message>
        <source>现在的分配按两人年度文件中各自扣除的共同项目和比例计算。</source>
        <translation>The split they have now is the shared items and shares their two year files claim.</translation>
    </message>
    <message>
        <source>两人的年度文件没有把每个共同项目恰好扣除一次（全额或各半），不知道现在的分配。</source>
        <translation>Their year files do not claim each shared item exactly once (wholly, or half each), so the split they have now is not known.</translation>
    </message>
    <message>
        <source>年度文件或家庭文件未写明现在的分配</source>
        <translation>Not stated by the year files or the household file</translation>
    </message>
</context>
<context>
    <name>TFrmLaoWu</name>
    <message>
        <source>计算公式：</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>劳务报酬金额：</source>
        <translation>Labour remuneration:</translation>
    </message>
    <message>
        <source>劳务报酬金额</source>
        <translation>Labour remuneration</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>费用减除：</source>
        <translation>Deduction:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>反算</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>税前收入金额数据无效，请重新输入。</source>
        <translation>Invalid pre-tax income; please re-enter.</translation>
    </message>
    <message>
        <source>金额数据无效，请重新输入。</source>
        <translation>Invalid amount; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmLateFee</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>应缴税额：  </source>
        <translation>Tax due:  </translation>
    </message>
    <message>
        <source>应缴税额：</source>
        <translation>Tax due:</translation>
    </message>
    <message>
        <source>应缴税额</source>
        <translation>Tax due</translation>
    </message>
    <message>
        <source>注：自2001年5 月1日起，滞纳金加征率为0.05%，即万分之五。</source>
        <translation>Note: since 1 May 2001 the late payment surcharge is 0.05% a day.</translation>
    </message>
    <message>
        <source>届满日期：  </source>
        <translation>Due date:  </translation>
    </message>
    <message>
        <source>实缴日期：  </source>
        <translation>Payment date:  </translation>
    </message>
    <message>
        <source>届满日期：</source>
        <translation>Due date:</translation>
    </message>
    <message>
        <source>实缴日期：</source>
        <translation>Payment date:</translation>
    </message>
    <message>
        <source>滞纳天数：  </source>
        <translation>Days overdue:  </translation>
    </message>
    <message>
        <source>滞纳天数：</source>
        <translation>Days overdue:</translation>
    </message>
    <message>
        <source>注：滞纳天数可由上面日期选择自动计算，也可以手动输入。</source>
        <translation>Note: the days overdue are worked out from the dates above, or can be typed in.</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>0天</source>
        <translation>0 days</translation>
    </message>
    <message>
        <source>滞纳金率：</source>
        <translation>Late payment surcharge rate:</translation>
    </message>
    <message>
        <source>滞纳金额：</source>
        <translation>Late payment surcharge:</translation>
    </message>
    <message>
        <source>金额合计：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation>Invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>滞纳天数数据无效，请重新输入。</source>
        <translation>Invalid days overdue; please re-enter.</translation>
    </message>
    <message>
        <source>滞纳天数不能小于0，请重新输入。</source>
        <translation>Days overdue cannot be below 0; please re-enter.</translation>
    </message>
    <message>
        <source>%1天</source>
        <translation>%1 days</translation>
    </message>
</context>
<context>
    <name>TFrmLicense</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation>Basic deduction:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation>Invalid income; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>计算器(&amp;C)</source>
        <translation>&amp;Calculators</translation>
    </message>
    <message>
        <source>现行税法(&amp;X)</source>
        <translation>Current &amp;Law</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Pendra个人所得税计算器 V3.01--最专业的个税计算器</source>
        <translation>Pendra Individual Income Tax Calculator V3.01</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>网络故障，无法通信，请稍后再试。</source>
        <translation>Network failure: no connection. Please try again later.</translation>
    </message>
    <message>
        <source>更新提示</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>TFrmMakeUp</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>税前一次性补偿收入：  </source>
        <translation>Pre-tax lump-sum compensation:  </translation>
    </message>
    <message>
        <source>税前一次性补偿收入</source>
        <translation>Pre-tax lump-sum compensation</translation>
    </message>
    <message>
        <source>当地上年职工平均工资：  </source>
        <translation>Local average wage of last year:  </translation>
    </message>
    <message>
        <source>当地上年职工平均工资</source>
        <translation>Local average wage of last year</translation>
    </message>
    <message>
        <source>月缴五险一金：  </source>
        <translation>Monthly social insurance and housing fund:  </translation>
    </message>
    <message>
        <source>月缴五险一金</source>
        <translation>Monthly social insurance and housing fund</translation>
    </message>
    <message>
        <source>工作年限：  </source>
        <translation>Years of service:  </translation>
    </message>
    <message>
        <source>年</source>
        <translation>years</translation>
    </message>
    <message>
        <source>注：个人在本企业的工作年限数按实际工作年限数计算，超过12年的按12年计算。</source>
        <translation>Note: years of service with this employer count as actual, at most 12.</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>月应纳税额：</source>
        <translation>Taxable/month:</translation>
    </message>
    <message>
        <source>月缴纳个税：</source>
        <translation>Tax/month:</translation>
    </message>
    <message>
        <source>纳税总计：</source>
        <translation>Total tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation>Invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>应纳税所得额小于或等于0，不必纳税。</source>
        <translation>Taxable income at or below 0: no tax due.</translation>
    </message>
    <message>
        <source>%1 ＝(%2 － 3 × %3)/%4 －%5</source>
        <translation>%1 = (%2 − 3 × %3) / %4 − %5</translation>
    </message>
    <message>
        <source>%1 ＝%2 × %3 －%4</source>
        <translation>%1 = %2 × %3 − %4</translation>
    </message>
</context>
<context>
    <name>TFrmMoney</name>
    <message>
        <source>人民币大小写转换</source>
        <translation>Convert RMB amounts to Chinese capital numerals</translation>
    </message>
    <message>
        <source>人民币小写金额：</source>
        <translation>RMB amount in figures:</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>人民币大写金额：</source>
        <translation>RMB amount in Chinese capital numerals:</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>人民币小写金额数据无效，请重新输入。</source>
        <translation>Invalid RMB amount in figures; please re-enter.</translation>
    </message>
    <message>
        <source>%1提示</source>
        <translation>Note on %1</translation>
    </message>
</context>
<context>
    <name>TFrmPersonal</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>注：收入金额为收入总额去掉相关成本、费用及损失后的金额。</source>
        <translation>Note: the income is the total income less the related costs, expenses and losses.</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation>Invalid income; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmProcessBar</name>
    <message>
        <source>计算中，请稍等...</source>
        <translation>Calculating, please wait...</translation>
    </message>
</context>
<context>
    <name>TFrmRent</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>收入金额</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>注：收入金额为收入总额去掉相关成本、费用及损失后的金额。</source>
        <translation>Note: the income is the total income less the related costs, expenses and losses.</translation>
    </message>
    <message>
        <source>住房出租 </source>
        <translation>Home letting </translation>
    </message>
    <message>
        <source>注：如果是个人的住房出租，请选中此项。 </source>
        <translation>Note: tick this for an individual letting a home. </translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation>Basic deduction:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation>Invalid income; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmSalary</name>
    <message>
        <source>五险一金：</source>
        <translation>Social insurance and housing fund:</translation>
    </message>
    <message>
        <source>注：如果没有交纳养老、医疗、公积、生育、工伤等，此项可不填。</source>
        <translation>Note: leave blank if no social insurance or housing fund is paid.</translation>
    </message>
    <message>
        <source>计算结果：</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>税前收入金额数据无效，请重新输入。</source>
        <translation>Invalid pre-tax income; please re-enter.</translation>
    </message>
    <message>
        <source>税前收入金额小于或等于3500元，不必纳税。</source>
        <translation>Pre-tax income at or below 3500 yuan: no tax due.</translation>
    </message>
    <message>
        <source>应纳税所得额小于或等于起征点，不必纳税。</source>
        <translation>Taxable income at or below the threshold: no tax due.</translation>
    </message>
    <message>
        <source>4800元</source>
        <translation>4800 yuan</translation>
    </message>
    <message>
        <source>3500元</source>
        <translation>3500 yuan</translation>
    </message>
</context>
<context>
    <name>TFrmSalaryOld</name>
    <message>
        <source>社保及公积金：</source>
        <translation>Ins. &amp; fund:</translation>
    </message>
    <message>
        <source>注：如果没有交纳社保及公积金等，此项可不填。</source>
        <translation>Note: leave blank if no social insurance, housing fund etc. is paid.</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>查看详情</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>税前收入金额数据无效，请重新输入。</source>
        <translation>Invalid pre-tax income; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmSharedItem</name>
    <message>
        <source>共同项目提示</source>
        <translation>Shared item message</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>共同的子女</source>
        <translation>Shared child</translation>
    </message>
    <message>
        <source>出生日期</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>出生日期：</source>
        <translation>Date of birth:</translation>
    </message>
    <message>
        <source>受教育至</source>
        <translation>Education until</translation>
    </message>
    <message>
        <source>受教育截止月份</source>
        <translation>Last month of education</translation>
    </message>
    <message>
        <source>不勾选：受教育至年底。由谁扣除、扣除多少由家庭分配决定。</source>
        <translation>Unticked: education until the end of the year. Who deducts and how much is decided by the household split.</translation>
    </message>
    <message>
        <source>共同的住房贷款</source>
        <translation>Shared housing loan</translation>
    </message>
    <message>
        <source>首次还款月份</source>
        <translation>First repayment month</translation>
    </message>
    <message>
        <source>首次还款月份：</source>
        <translation>First repayment month:</translation>
    </message>
    <message>
        <source>婚前各自购房，可各扣除%1%</source>
        <translation>Each bought a home before marriage: %1% each</translation>
    </message>
    <message>
        <source>夫妻婚前分别购买住房发生的首套住房贷款，婚后可选择其中一套由购买方全额扣除，也可以对各自购买的住房分别按%1%扣除。</source>
        <translation>For the first-home loans a couple each took out before marriage, after marriage one home may be deducted in full by its buyer, or each may deduct %1% for the home they bought.</translation>
    </message>
    <message>
        <source>共同的租房</source>
        <translation>Shared rented home</translation>
    </message>
    <message>
        <source>租房起始月份</source>
        <translation>First month of rent</translation>
    </message>
    <message>
        <source>租房截止月份</source>
        <translation>Last month of rent</translation>
    </message>
    <message>
        <source>起始月份：</source>
        <translation>First month:</translation>
    </message>
    <message>
        <source>截止月份：</source>
        <translation>Last month:</translation>
    </message>
    <message>
        <source>每月%1元（直辖市、省会城市等）</source>
        <translation>%1 yuan a month (municipalities, provincial capitals etc.)</translation>
    </message>
    <message>
        <source>每月%1元（户籍人口超过%2万的城市）</source>
        <translation>%1 yuan a month (cities of more than %2 × 10,000 registered residents)</translation>
    </message>
    <message>
        <source>每月%1元（户籍人口不超过%2万的城市）</source>
        <translation>%1 yuan a month (cities of at most %2 × 10,000 registered residents)</translation>
    </message>
    <message>
        <source>扣除标准：</source>
        <translation>Deduction:</translation>
    </message>
    <message>
        <source>共同的大病医疗</source>
        <translation>Shared medical treatment for serious illness</translation>
    </message>
    <message>
        <source>子女（父母任一方扣除）</source>
        <translation>Child (deducted by either parent)</translation>
    </message>
    <message>
        <source>配偶（由另一方扣除）</source>
        <translation>Spouse (deducted by the other)</translation>
    </message>
    <message>
        <source>患者：</source>
        <translation>Patient:</translation>
    </message>
    <message>
        <source>全年自付金额</source>
        <translation>Paid out of pocket in the year</translation>
    </message>
    <message>
        <source>全年自付金额：</source>
        <translation>Paid out of pocket in the year:</translation>
    </message>
    <message>
        <source>医保目录内自付超过%1元的部分，每人每年最多扣除%2元。</source>
        <translation>The part paid out of pocket within the medical insurance list above %1 yuan is deductible, at most %2 yuan a person a year.</translation>
    </message>
    <message>
        <source>全年自付金额数据无效，请重新输入。</source>
        <translation>Invalid amount paid out of pocket; please re-enter.</translation>
    </message>
    <message>
        <source>每月%1元</source>
        <translation>%1 yuan a month</translation>
    </message>
    <message>
        <source>子女（%1出生）</source>
        <translation>Child (born %1)</translation>
    </message>
    <message>
        <source>子女（%1出生，受教育至%2）</source>
        <translation>Child (born %1, education until %2)</translation>
    </message>
    <message>
        <source>住房贷款利息（首次还款%1，婚前各自购房）</source>
        <translation>Housing loan interest (first repayment %1, each bought before marriage)</translation>
    </message>
    <message>
        <source>住房贷款利息（首次还款%1）</source>
        <translation>Housing loan interest (first repayment %1)</translation>
    </message>
    <message>
        <source>大病医疗（%1，自付%2元）</source>
        <translation>Medical treatment for serious illness (%1, %2 yuan out of pocket)</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>两人都签了</source>
        <translation>Both signed</translation>
    </message>
    <message>
        <source>夫妻主要工作城市相同的，只能由签订租赁合同的一方扣除住房租金（%1）。</source>
        <translation>Where both spouses work mainly in the same city, housing rent is deducted only by a spouse who signed the lease (%1).</translation>
    </message>
    <message>
        <source>租赁合同签约人：</source>
        <translation>Lease signed by:</translation>
    </message>
    <message>
        <source>a 签约</source>
        <translation>signed by a</translation>
    </message>
    <message>
        <source>b 签约</source>
        <translation>signed by b</translation>
    </message>
    <message>
        <source>两人签约</source>
        <translation>signed by both</translation>
    </message>
    <message>
        <source>住房租金（%1至%2，每月%3元，%4）</source>
        <translation>Housing rent (%1 to %2, %3 yuan a month, %4)</translation>
    </message>
</context>
<context>
    <name>TFrmTaxYear</name>
    <message>
        <source>纳税年度</source>
        <translation>Tax year</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>新建一个纳税年度</source>
        <translation>Start a new tax year</translation>
    </message>
    <message>
        <source>打开年度文件</source>
        <translation>Open year file</translation>
    </message>
    <message>
        <source>保存到年度文件</source>
        <translation>Save to the year file</translation>
    </message>
    <message>
        <source>保存到另一个年度文件</source>
        <translation>Save to another year file</translation>
    </message>
    <message>
        <source>年度文件</source>
        <translation>year file</translation>
    </message>
    <message>
        <source>新的纳税年度，还没有保存</source>
        <translation>New tax year, not saved yet</translation>
    </message>
    <message>
        <source>还没有保存的纳税年度</source>
        <translation>Tax year not saved yet</translation>
    </message>
    <message>
        <source>年度文件：%1</source>
        <translation>Year file: %1</translation>
    </message>
    <message>
        <source>（有未保存的修改）</source>
        <translation> (unsaved changes)</translation>
    </message>
    <message>
        <source>
上次的年度文件未能打开：%1</source>
        <translation>
The last year file could not be opened: %1</translation>
    </message>
</context>
<context>
    <name>TFrmTransfer</name>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation>Invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>财产原值：  </source>
        <translation>Original value:  </translation>
    </message>
    <message>
        <source>注：请输入财产原来的价值金额。</source>
        <translation>Note: enter the original value of the property.</translation>
    </message>
    <message>
        <source>有关税费：</source>
        <translation>Taxes &amp; fees:</translation>
    </message>
    <message>
        <source>注：请输入已按相关规定支付的有关税费金额。</source>
        <translation>Note: enter the related taxes and fees paid under the rules.</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>财产原值：</source>
        <translation>Orig. value:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
</context>
<context>
    <name>TFrmUpdate</name>
    <message>
        <source>Pendra计算器 - 更新提示</source>
        <translation>Pendra Calculator - Update</translation>
    </message>
    <message>
        <source>当前软件不是最新版本，请到官网下载最新版本。</source>
        <translation>This is not the latest version. Please download the latest version from the home page.</translation>
    </message>
    <message>
        <source>当前软件版本已经是最新的。</source>
        <translation>This is the latest version.</translation>
    </message>
    <message>
        <source>打开官网</source>
        <translation>Open site</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>更新提示</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>欢迎以后继续关注我们的新产品更新。</source>
        <translation>Thank you for following our updates.</translation>
    </message>
    <message>
        <source>更多精彩内容敬请关注：</source>
        <translation>For more, visit:</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFrmWriting</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation>Income:  </translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation>Basic deduction:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>反算</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation>Invalid income; please re-enter.</translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation>Invalid amount; please re-enter.</translation>
    </message>
    <message>
        <source>税后收入数据无效，请重新输入。</source>
        <translation>Invalid after-tax income; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TFrmYearAward</name>
    <message>
        <source>计算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>年终奖金： </source>
        <translation>Annual bonus: </translation>
    </message>
    <message>
        <source>年终奖金</source>
        <translation>Annual bonus</translation>
    </message>
    <message>
        <source>当月工资： </source>
        <translation>Wage this month: </translation>
    </message>
    <message>
        <source>当月工资</source>
        <translation>Wage this month</translation>
    </message>
    <message>
        <source>当月社保及公积金：</source>
        <translation>Insurance &amp; fund this month:</translation>
    </message>
    <message>
        <source>当月社保及公积金</source>
        <translation>Insurance &amp; fund this month</translation>
    </message>
    <message>
        <source>注：如果没有交纳社保及公积金等，此项可不填。</source>
        <translation>Note: leave blank if no social insurance, housing fund etc. is paid.</translation>
    </message>
    <message>
        <source>国内人士</source>
        <translation>Domestic</translation>
    </message>
    <message>
        <source>外籍人士</source>
        <translation>Foreign nationals</translation>
    </message>
    <message>
        <source>自动计算</source>
        <translation>Auto calculate</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation>Detailed results:</translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation>0.00 yuan</translation>
    </message>
    <message>
        <source>年终奖金额：</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>起征额：</source>
        <translation>Threshold: </translation>
    </message>
    <message>
        <source>年终奖平均数：</source>
        <translation>Bonus average:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>年终奖金收入金额数据无效，请重新输入。</source>
        <translation>Invalid annual bonus; please re-enter.</translation>
    </message>
    <message>
        <source>当月工资收入金额数据无效，请重新输入。</source>
        <translation>Invalid wage this month; please re-enter.</translation>
    </message>
    <message>
        <source>社保及公积金数据无效，请重新输入。</source>
        <translation>Invalid social insurance and housing fund; please re-enter.</translation>
    </message>
    <message>
        <source>3500元</source>
        <translation>3500 yuan</translation>
    </message>
    <message>
        <source>4800元</source>
        <translation>4800 yuan</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
</context>
<context>
    <name>TTimelineChartView</name>
    <message>
        <source>每月扣除时间线</source>
        <translation>Monthly deductions timeline</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuan</translation>
    </message>
</context>
<context>
    <name>TUtils</name>
    <message>
        <source>文本编辑器</source>
        <translation>text editor</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>calculator</translation>
    </message>
    <message>
        <source>没有找到可用的%1。已查找：%2。
请安装其中任意一个后再试。</source>
        <translation>No usable %1 was found. Looked for: %2.
Please install any one of them and try again.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>TWagePage</name>
    <message>
        <source>税前收入金额：</source>
        <translation>Pre-tax income:</translation>
    </message>
    <message>
        <source>税前收入金额</source>
        <translation>Pre-tax income</translation>
    </message>
    <message>
        <source>注：工资薪金收入中，如果有免税的部份，请先扣除掉。</source>
        <translation>Note: deduct any tax-exempt part of the wages and salaries first.</translation>
    </message>
    <message>
        <source>国内人士</source>
        <translation>Domestic</translation>
    </message>
    <message>
        <source>外籍人士</source>
        <translation>Foreign nationals</translation>
    </message>
    <message>
        <source>自动计算</source>
        <translation>Auto calculate</translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>0元</source>
        <translation>0 yuan</translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation>Income:</translation>
    </message>
    <message>
        <source>社保及公积金：</source>
        <translation>Ins. &amp; fund:</translation>
    </message>
    <message>
        <source>起征额：</source>
        <translation>Threshold: </translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation>Quick deduction:</translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation>Tax:</translation>
    </message>
    <message>
        <source>反算</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation>After tax:</translation>
    </message>
    <message>
        <source>社保及公积金数据无效，请重新输入。</source>
        <translation>Invalid social insurance and housing fund; please re-enter.</translation>
    </message>
    <message>
        <source>社保及公积金不能比收入金额大，请重新输入。</source>
        <translation>Social insurance and housing fund cannot exceed the income; please re-enter.</translation>
    </message>
    <message>
        <source>社保及公积金不能小于0元，请重新输入。</source>
        <translation>Social insurance and housing fund cannot be below 0 yuan; please re-enter.</translation>
    </message>
</context>
<context>
    <name>TYearFactsForm</name>
    <message>
        <source>工作与收入</source>
        <translation>Jobs and income</translation>
    </message>
    <message>
        <source>专项附加扣除等</source>
        <translation>Special additional deductions etc.</translation>
    </message>
    <message>
        <source>%1（%2至%3月）</source>
        <translation>%1 (months %2 to %3)</translation>
    </message>
    <message>
        <source>纳税年度</source>
        <translation>Tax year</translation>
    </message>
    <message>
        <source>纳税年度：</source>
        <translation>Tax year:</translation>
    </message>
    <message>
        <source>任职单位</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>起</source>
        <translation>From</translation>
    </message>
    <message>
        <source>止</source>
        <translation>To</translation>
    </message>
    <message>
        <source>减除方式</source>
        <translation>Deduction method</translation>
    </message>
    <message>
        <source>扣专项附加</source>
        <translation>Special additional deductions here</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>工资</source>
        <translation>Wages</translation>
    </message>
    <message>
        <source>自该月起</source>
        <translation>From month</translation>
    </message>
    <message>
        <source>每月收入</source>
        <translation>Monthly income</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation>Tax-exempt income</translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation>Social insurance and housing fund</translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation>Other deductions</translation>
    </message>
    <message>
        <source>劳务报酬、稿酬、特许权使用费</source>
        <translation>Labour remuneration, author&apos;s remuneration, royalties</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>所得项目</source>
        <translation>Income type</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>全年一次性奖金</source>
        <translation>Annual bonus</translation>
    </message>
    <message>
        <source>有全年一次性奖金</source>
        <translation>Has an annual bonus</translation>
    </message>
    <message>
        <source>奖金发放月份</source>
        <translation>Bonus month</translation>
    </message>
    <message>
        <source>发放奖金的单位</source>
        <translation>Employer paying the bonus</translation>
    </message>
    <message>
        <source>月份、金额：</source>
        <translation>Month, amount:</translation>
    </message>
    <message>
        <source>发放奖金的单位：</source>
        <translation>Employer paying the bonus:</translation>
    </message>
    <message>
        <source>汇算时奖金计税方式</source>
        <translation>Bonus taxation at annual reconciliation</translation>
    </message>
    <message>
        <source>汇算时奖金计税方式：</source>
        <translation>Bonus taxation at annual reconciliation:</translation>
    </message>
    <message>
        <source>%1的工资：每一行自其月份起，至下一行或离职</source>
        <translation>Wages from %1: each row runs from its month to the next row or to leaving</translation>
    </message>
    <message>
        <source>%1年</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>同一个月只能由一个单位扣除专项附加扣除。</source>
        <translation>In a month, only one employer may make the special additional deductions.</translation>
    </message>
    <message>
        <source>未填写</source>
        <translation>Not given</translation>
    </message>
    <message>
        <source>本年在中国境内的天数</source>
        <translation>Days in China in the year</translation>
    </message>
    <message>
        <source>在中国境内天数：</source>
        <translation>Days in China:</translation>
    </message>
    <message>
        <source>公益慈善捐赠</source>
        <translation>Donations to public welfare</translation>
    </message>
    <message>
        <source>捐赠额</source>
        <translation>Amount donated</translation>
    </message>
    <message>
        <source>扣除方式</source>
        <translation>Deducted</translation>
    </message>
    <message>
        <source>限额扣除（%1%）</source>
        <translation>Within the limit (%1%)</translation>
    </message>
    <message>
        <source>全额扣除</source>
        <translation>In full</translation>
    </message>
    <message>
        <source>居民个人（不填即为居民个人）</source>
        <translation>Resident individual (when not given)</translation>
    </message>
    <message>
        <source>非居民个人（不满%1天）：工资按月计税，没有专项附加扣除和年度汇算</source>
        <translation>Non-resident individual (fewer than %1 days): wages taxed month by month, no special additional deductions and no annual reconciliation</translation>
    </message>
    <message>
        <source>居民个人（满%1天）</source>
        <translation>Resident individual (%1 days or more)</translation>
    </message>
    <message>
        <source>在年度汇算时从综合所得中扣除：限额扣除的不超过扣除捐赠前应纳税所得额的%1%，准予全额扣除的全额扣除。</source>
        <translation>Deducted from comprehensive income at the annual reconciliation: those within the limit up to %1% of the taxable income before donations, those the law allows in full in full.</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
    <message>
        <source>纳税年度应在%1年至%2年之间</source>
        <translation>The tax year must be from %1 to %2</translation>
    </message>
    <message>
        <source>%1最多填%2项</source>
        <translation>%1: at most %2 entries</translation>
    </message>
    <message>
        <source>请至少填一家任职单位</source>
        <translation>Please enter at least one employer</translation>
    </message>
    <message>
        <source>%1的单位名称未填</source>
        <translation>%1: the employer&apos;s name is not filled in</translation>
    </message>
    <message>
        <source>%1的工资未填</source>
        <translation>%1: the pay is not filled in</translation>
    </message>
    <message>
        <source>%1应为1至12月</source>
        <translation>%1 must be a month from 1 to 12</translation>
    </message>
    <message>
        <source>%1晚于截止的月份</source>
        <translation>%1 is later than the last month</translation>
    </message>
    <message>
        <source>%1不能为负数</source>
        <translation>%1 cannot be negative</translation>
    </message>
    <message>
        <source>%1超过了%2</source>
        <translation>%1 is more than %2</translation>
    </message>
    <message>
        <source>%1的第一行工资应自任职的第一个月（%2月）起</source>
        <translation>%1: the first pay row must start with the first month of the job (month %2)</translation>
    </message>
    <message>
        <source>%1应晚于上一行工资的月份</source>
        <translation>%1 must be later than the month of the pay row before</translation>
    </message>
    <message>
        <source>%1晚于任职的最后一个月（%2月）</source>
        <translation>%1 is later than the last month of the job (month %2)</translation>
    </message>
    <message>
        <source>%1和%2在%3月都扣专项附加扣除，只能有一家</source>
        <translation>%1 and %2 both deduct the special additional deductions in month %3; only one of them may</translation>
    </message>
    <message>
        <source>%1不是自1月起任职，不能按6万减除</source>
        <translation>%1 does not employ from January, so it cannot deduct 60,000</translation>
    </message>
    <message>
        <source>%1任职早于%2，%2不能按自1月减除</source>
        <translation>%1 employs earlier than %2, so %2 cannot deduct from January</translation>
    </message>
    <message>
        <source>%1应为%2%或%3%</source>
        <translation>%1 must be %2% or %3%</translation>
    </message>
    <message>
        <source>%1超过了%2年的上限%3</source>
        <translation>%1 is more than the limit of %2, %3</translation>
    </message>
    <message>
        <source>不是独生子女，%1未填</source>
        <translation>Not an only child: %1 is not filled in</translation>
    </message>
    <message>
        <source>赡养老人须填父母（或其他被赡养人）的出生日期</source>
        <translation>Elderly support needs the date of birth of a parent (or other person supported)</translation>
    </message>
    <message>
        <source>%1应为%2年的标准之一</source>
        <translation>%1 must be one of the amounts of %2</translation>
    </message>
    <message>
        <source>%1年既有住房租金又有住房贷款利息，只能扣除其中一项</source>
        <translation>%1 has both housing rent and housing loan interest; only one of them may be deducted</translation>
    </message>
    <message>
        <source>%1不在%2年内</source>
        <translation>%1 is not in %2</translation>
    </message>
    <message>
        <source>%1不是所填的任职单位之一</source>
        <translation>%1 is not one of the employers entered</translation>
    </message>
    <message>
        <source>%1%2年不能按%3减除：此方式自%4起施行</source>
        <translation>%1 cannot deduct by %3 in %2: that method applies from %4</translation>
    </message>
    <message>
        <source>%1早于个人养老金实施之日（%2），不能扣除</source>
        <translation>%1 is before the private pension began (%2) and cannot be deducted</translation>
    </message>
    <message>
        <source>在中国境内的天数应为1至%1天</source>
        <translation>Days in China should be 1 to %1</translation>
    </message>
    <message>
        <source>%1：所填的孩子不在子女之中（共%2个孩子）</source>
        <translation>%1: the child given is not among the children (there are %2)</translation>
    </message>
    <message>
        <source>%1：孩子的名字未填</source>
        <translation>%1: the child&apos;s name is empty</translation>
    </message>
    <message>
        <source>%1：只有子女的大病医疗才能指明是哪个孩子</source>
        <translation>%1: only a child&apos;s medical treatment for serious illness can name the child</translation>
    </message>
    <message>
        <source>%1不是有效的日期</source>
        <translation>%1 is not a valid date</translation>
    </message>
    <message>
        <source>%1不是有效的日期，应写作%2</source>
        <translation>%1 is not a valid date; write it as %2</translation>
    </message>
    <message>
        <source>%1未填</source>
        <translation>%1 is not filled in</translation>
    </message>
    <message>
        <source>%1“%2”无效</source>
        <translation>%1 &quot;%2&quot; is not valid</translation>
    </message>
    <message>
        <source>%1“%2”无效，应写作%3</source>
        <translation>%1 &quot;%2&quot; is not valid; write it as %3</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>“自1月”自%1起施行（%2），%3年不能采用</source>
        <translation>&quot;自1月&quot; (from January) applies from %1 (%2) and cannot be used in %3</translation>
    </message>
    <message>
        <source>“6万”自%1起施行（%2），%3年不能采用</source>
        <translation>&quot;6万&quot; (60,000) applies from %1 (%2) and cannot be used in %3</translation>
    </message>
    <message>
        <source>第%1家单位</source>
        <translation>Employer %1</translation>
    </message>
    <message>
        <source>%1的工资</source>
        <translation>Pay at %1</translation>
    </message>
    <message>
        <source>%1第%2行工资的%3</source>
        <translation>%1, pay row %2: %3</translation>
    </message>
    <message>
        <source>单位名称</source>
        <translation>employer&apos;s name</translation>
    </message>
    <message>
        <source>起始月份</source>
        <translation>first month</translation>
    </message>
    <message>
        <source>截止月份</source>
        <translation>last month</translation>
    </message>
    <message>
        <source>是否扣专项附加扣除</source>
        <translation>whether it deducts the special additional deductions</translation>
    </message>
    <message>
        <source>%1的%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>第%1笔劳务报酬等</source>
        <translation>Payment %1 of remuneration</translation>
    </message>
    <message>
        <source>全年一次性奖金的金额</source>
        <translation>Amount of the annual bonus</translation>
    </message>
    <message>
        <source>居民身份</source>
        <translation>Residency</translation>
    </message>
    <message>
        <source>可不填</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>TYearResults</name>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
    <message>
        <source>扣除时间线</source>
        <translation>Deduction timeline</translation>
    </message>
    <message>
        <source>各单位逐月预扣</source>
        <translation>Monthly withholding by employer</translation>
    </message>
    <message>
        <source>年度汇算</source>
        <translation>Annual reconciliation</translation>
    </message>
    <message>
        <source>全年扣除合计</source>
        <translation>Deductions of the year</translation>
    </message>
    <message>
        <source>任职单位</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>显示累计列</source>
        <translation>Show cumulative columns</translation>
    </message>
    <message>
        <source>任职单位：</source>
        <translation>Employer:</translation>
    </message>
    <message>
        <source>逐月预扣明细</source>
        <translation>Monthly withholding details</translation>
    </message>
    <message>
        <source>全年预扣税额</source>
        <translation>Tax to withhold, whole year</translation>
    </message>
    <message>
        <source>劳务报酬、稿酬、特许权使用费和奖金</source>
        <translation>Labour remuneration, author&apos;s remuneration, royalties and bonus</translation>
    </message>
    <message>
        <source>综合所得收入额：</source>
        <translation>Comprehensive income amount:</translation>
    </message>
    <message>
        <source>扣除合计：</source>
        <translation>Total deductions:</translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation>Taxable income:</translation>
    </message>
    <message>
        <source>税率：</source>
        <translation>Tax rate:</translation>
    </message>
    <message>
        <source>综合所得应纳税额：</source>
        <translation>Tax payable on comprehensive income:</translation>
    </message>
    <message>
        <source>年终奖单独计税税额：</source>
        <translation>Tax on the bonus taxed separately:</translation>
    </message>
    <message>
        <source>应纳税额合计：</source>
        <translation>Total tax payable:</translation>
    </message>
    <message>
        <source>已预缴税额：</source>
        <translation>Tax prepaid:</translation>
    </message>
    <message>
        <source>应补（退）税额</source>
        <translation>Tax to pay (refund)</translation>
    </message>
    <message>
        <source>奖金计税方式</source>
        <translation>Bonus taxation</translation>
    </message>
    <message>
        <source>是否需要办理年度汇算</source>
        <translation>Whether an annual reconciliation is needed</translation>
    </message>
    <message>
        <source>办理原因</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>图表组件（pendra_chart）未能加载，无法显示图表；计算结果不受影响。</source>
        <translation>The chart component (pendra_chart) could not be loaded, so no chart can be shown; the results are not affected.</translation>
    </message>
    <message>
        <source>%1年每月扣除</source>
        <translation>Deductions of each month in %1</translation>
    </message>
    <message>
        <source>全年扣除%1：专项附加扣除%2，个人养老金%3，商业健康保险%4；另有大病医疗%5在汇算时扣除。</source>
        <translation>Deductions of the year %1: special additional deductions %2, private pension %3, commercial health insurance %4; besides, medical treatment for serious illness %5 is deducted at the annual reconciliation.</translation>
    </message>
    <message>
        <source>%1全年预扣税额：%2</source>
        <translation>Tax withheld by %1 in the year: %2</translation>
    </message>
    <message>
        <source>%1月%2%3，预扣%4</source>
        <translation>Month %1: %2 %3, withheld %4</translation>
    </message>
    <message>
        <source>%1月全年一次性奖金%2（%3），单独计税预扣%4</source>
        <translation>Month %1: annual bonus %2 (%3), taxed separately, withheld %4</translation>
    </message>
    <message>
        <source>应退税额：</source>
        <translation>Tax to refund:</translation>
    </message>
    <message>
        <source>应补税额：</source>
        <translation>Tax to pay:</translation>
    </message>
    <message>
        <source>应补（退）税额：</source>
        <translation>Tax to pay (refund):</translation>
    </message>
    <message>
        <source>全年一次性奖金按%1计算（两种方式中税额较低的）。</source>
        <translation>The annual bonus is %1 (the way with the lower tax).</translation>
    </message>
    <message>
        <source>全年一次性奖金按%1计算。</source>
        <translation>The annual bonus is %1.</translation>
    </message>
    <message>
        <source>捐赠限额（%1%）：</source>
        <translation>Donation limit (%1%):</translation>
    </message>
    <message>
        <source>公益慈善捐赠扣除：</source>
        <translation>Donations deducted:</translation>
    </message>
    <message>
        <source>%1月数月奖金%2（%3），非居民个人分摊%4个月计税，扣缴%5</source>
        <translation>Bonus for several months in month %1: %2 (%3), spread over %4 months for a non-resident individual, withheld %5</translation>
    </message>
    <message>
        <source>非居民个人，没有年度汇算</source>
        <translation>Non-resident individual: no annual reconciliation</translation>
    </message>
    <message>
        <source>本年在中国境内%1天，不满%2天：工资薪金按月、劳务报酬等按次由扣缴义务人扣缴，不享受专项附加扣除，扣缴的税款即为应纳税额。</source>
        <translation>%1 days in China in the year, fewer than %2: wages are withheld month by month and remuneration payment by payment, without special additional deductions; the tax withheld is the tax due.</translation>
    </message>
    <message>
        <source>专项附加扣除（不含大病医疗）：</source>
        <translation>Special additional deductions (excl. medical treatment for serious illness):</translation>
    </message>
    <message>
        <source>大病医疗：</source>
        <translation>Medical treatment for serious illness:</translation>
    </message>
    <message>
        <source>个人养老金：</source>
        <translation>Private pension:</translation>
    </message>
    <message>
        <source>商业健康保险：</source>
        <translation>Commercial health insurance:</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <comment>the bonus method within a sentence</comment>
        <translation>combined with comprehensive income</translation>
    </message>
    <message>
        <source>单独计税</source>
        <comment>the bonus method within a sentence</comment>
        <translation>taxed separately</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计为%2，多%3。</source>
        <translation> Had it been %1, the total tax payable would be %2, %3 more.</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计为%2，少%3。</source>
        <translation> Had it been %1, the total tax payable would be %2, %3 less.</translation>
    </message>
    <message>
        <source>若%1，应纳税额合计同为%2。</source>
        <translation> Had it been %1, the total tax payable would be the same, %2.</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>单独计税</source>
        <translation>Taxed separately</translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <translation>Combined with comprehensive income</translation>
    </message>
    <message>
        <source>劳务报酬</source>
        <translation>Labour</translation>
    </message>
    <message>
        <source>稿酬</source>
        <translation>Author&apos;s remuneration</translation>
    </message>
    <message>
        <source>特许权使用费</source>
        <translation>Royalties</translation>
    </message>
    <message>
        <source>按月</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>自1月</source>
        <translation>From January</translation>
    </message>
    <message>
        <source>6万</source>
        <translation>60,000</translation>
    </message>
    <message>
        <source>本人</source>
        <translation>Self</translation>
    </message>
    <message>
        <source>配偶</source>
        <translation>Spouse</translation>
    </message>
    <message>
        <source>子女</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>取税额较低的一种（相同时单独计税）</source>
        <translation>The one with the lower tax (taxed separately if equal)</translation>
    </message>
    <message>
        <source>子女教育</source>
        <translation>Children&apos;s education</translation>
    </message>
    <message>
        <source>婴幼儿照护</source>
        <translation>Care for infants under 3</translation>
    </message>
    <message>
        <source>赡养老人</source>
        <translation>Elderly support</translation>
    </message>
    <message>
        <source>住房贷款利息</source>
        <translation>Housing loan interest</translation>
    </message>
    <message>
        <source>住房租金</source>
        <translation>Housing rent</translation>
    </message>
    <message>
        <source>继续教育</source>
        <translation>Continuing education</translation>
    </message>
    <message>
        <source>个人养老金</source>
        <translation>Private pension</translation>
    </message>
    <message>
        <source>商业健康保险</source>
        <translation>Commercial health insurance</translation>
    </message>
</context>
<context>
    <name>WageCommand</name>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>应纳税额</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>
预扣税额合计：%1
</source>
        <translation>
Withheld in all: %1
</translation>
    </message>
    <message>
        <source>一名员工各月收入和扣除相同时，按累计预扣法逐月计算预扣税额；
加 --nonresident 则按非居民个人的月度税率表计算一个月。</source>
        <translation>The withholding of each month by the cumulative withholding method, for an employee with the
same income and deductions every month; with --nonresident, one month of a non-resident individual.</translation>
    </message>
    <message>
        <source>pendra-cli wage --income 8000 --mode 自1月 --from 7 --to 12</source>
        <translation>pendra-cli wage --income 8000 --mode from-january --from 7 --to 12</translation>
    </message>
    <message>
        <source>每月收入（必填）</source>
        <translation>income of each month (required)</translation>
    </message>
    <message>
        <source>每月免税收入</source>
        <translation>tax-exempt income of each month</translation>
    </message>
    <message>
        <source>每月专项扣除（三险一金）</source>
        <translation>special deductions of each month (social insurance and housing fund)</translation>
    </message>
    <message>
        <source>每月专项附加扣除</source>
        <translation>special additional deductions of each month</translation>
    </message>
    <message>
        <source>每月其他扣除</source>
        <translation>other deductions of each month</translation>
    </message>
    <message>
        <source>非居民个人：每月减除 %1 元，按月度税率表计算</source>
        <translation>a non-resident individual: %1 yuan deducted a month, the monthly table</translation>
    </message>
    <message>
        <source>年度</source>
        <translation>year</translation>
    </message>
    <message>
        <source>纳税年度，%1 至 %2（默认 %2）：按该年的规定计算</source>
        <translation>tax year, %1 to %2 (default %2): computed under that year&apos;s rules</translation>
    </message>
    <message>
        <source>纳税年度“%1”无效，应为 %2 至 %3</source>
        <translation>tax year &quot;%1&quot; is not valid: it must be %2 to %3</translation>
    </message>
</context>
<context>
    <name>WageMonths</name>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>累计收入额</source>
        <translation>Cumulative income amount</translation>
    </message>
    <message>
        <source>累计收入</source>
        <translation>Cumulative income</translation>
    </message>
    <message>
        <source>累计免税收入</source>
        <translation>Cumulative tax-exempt income</translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation>Cumulative basic deduction</translation>
    </message>
    <message>
        <source>累计专项扣除</source>
        <translation>Cumulative special deductions</translation>
    </message>
    <message>
        <source>累计专项附加扣除</source>
        <translation>Cumulative special additional deductions</translation>
    </message>
    <message>
        <source>累计其他扣除</source>
        <translation>Cumulative other deductions</translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation>Cumulative taxable income</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation>Cumulative tax payable</translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation>Cumulative tax withheld</translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation>Tax to withhold this month</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation>Withholding rate</translation>
    </message>
    <message>
        <source>收入额</source>
        <translation>Income amount</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>命令 %1 只有 pendra-cli 才有：这里只计算 wage、bonus、labour、settle、severance、reverse、year 和 household</source>
        <translation>Only pendra-cli has the command %1: here only wage, bonus, labour, settle, severance, reverse, year and household are computed</translation>
    </message>
    <message>
        <source>%1有 %2 字节，最多 %3 字节，不读取</source>
        <translation>the %1 has %2 bytes, more than the %3 bytes it may have: not read</translation>
    </message>
    <message>
        <source>这里只以 JSON 输出：请加 --json（文字表格只有 pendra-cli 才有）</source>
        <translation>Only JSON is printed here: add --json (only pendra-cli prints text tables)</translation>
    </message>
    <message>
        <source>帮助只有 pendra-cli 才有：pendra-cli %1 --help</source>
        <translation>Only pendra-cli has the help: pendra-cli %1 --help</translation>
    </message>
    <message>
        <source>参数应为字符串的数组</source>
        <translation>The arguments should be an array of strings</translation>
    </message>
    <message>
        <source>参数超过 %1 字节</source>
        <translation>The arguments exceed %1 bytes</translation>
    </message>
</context>
<context>
    <name>YearCommand</name>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>全年</source>
        <translation>Whole year</translation>
    </message>
    <message>
        <source>在本单位扣除专项附加扣除</source>
        <translation>special additional deductions made by this employer</translation>
    </message>
    <message>
        <source>不在本单位扣除专项附加扣除</source>
        <translation>special additional deductions not made by this employer</translation>
    </message>
    <message>
        <source>%1：%2—%3 月，减除方式%4，%5
</source>
        <translation>%1: months %2–%3, deduction method %4, %5
</translation>
    </message>
    <message>
        <source>本单位预扣税额合计：%1
</source>
        <translation>Withheld by this employer in all: %1
</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>预扣税额</source>
        <translation>Tax withheld</translation>
    </message>
    <message>
        <source>劳务报酬、稿酬、特许权使用费
</source>
        <translation>Labour remuneration, author&apos;s remuneration, royalties
</translation>
    </message>
    <message>
        <source>全年一次性奖金：%1 %2 月发放 %3，单独计税预扣 %4（税率 %5，速算扣除数 %6）
</source>
        <translation>Annual bonus: %3 paid by %1 in month %2, taxed separately, %4 withheld (tax rate %5, quick deduction %6)
</translation>
    </message>
    <message>
        <source>年度汇算
</source>
        <translation>Annual reconciliation
</translation>
    </message>
    <message>
        <source>年度汇算（年终奖并入综合所得，两种方法中税额较低者）
</source>
        <translation>Annual reconciliation (annual bonus combined with comprehensive income, the lower tax of the two methods)
</translation>
    </message>
    <message>
        <source>年度汇算（年终奖单独计税，两种方法中税额较低者）
</source>
        <translation>Annual reconciliation (annual bonus taxed separately, the lower tax of the two methods)
</translation>
    </message>
    <message>
        <source>年度汇算（年终奖并入综合所得）
</source>
        <translation>Annual reconciliation (annual bonus combined with comprehensive income)
</translation>
    </message>
    <message>
        <source>年度汇算（年终奖单独计税）
</source>
        <translation>Annual reconciliation (annual bonus taxed separately)
</translation>
    </message>
    <message>
        <source>%1 年每月可扣除额
</source>
        <translation>Deductible amounts of each month in %1
</translation>
    </message>
    <message>
        <source>一个人的整个纳税年度：由年度文件（JSON，格式见 README）中带日期的事实，
算出每月可扣除的专项附加扣除等、每个单位逐月的累计预扣、每次劳务报酬等
的预扣、全年一次性奖金的预扣，以及年度汇算。文件有误时指出键的位置
（如 jobs[1].pay[0].income），不计算，退出状态为 2。</source>
        <translation>A person&apos;s whole tax year: from the dated facts of a year file (JSON, format in the README),
the special additional deductions and other amounts deductible each month, each employer&apos;s
cumulative withholding month by month, the withholding on each payment of labour remuneration
and the like, the withholding on the annual bonus, and the annual reconciliation. A file
at fault is not calculated: the place of the key (e.g. jobs[1].pay[0].income) is named, exit
status 2.</translation>
    </message>
    <message>
        <source>年度文件</source>
        <translation>year file</translation>
    </message>
    <message>
        <source>一个人一年的事实，JSON 格式</source>
        <translation>the facts of one person&apos;s year, in JSON</translation>
    </message>
    <message>
        <source>缺少年度文件</source>
        <translation>no year file given</translation>
    </message>
    <message>
        <source>居民个人（未填写在中国境内的天数）
</source>
        <translation>Resident individual (days in China not given)
</translation>
    </message>
    <message>
        <source>非居民个人：本年在中国境内 %1 天，不满 %2 天
</source>
        <translation>Non-resident individual: %1 days in China in the year, fewer than %2
</translation>
    </message>
    <message>
        <source>居民个人：本年在中国境内 %1 天，满 %2 天
</source>
        <translation>Resident individual: %1 days in China in the year, %2 or more
</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation>Quick deduction</translation>
    </message>
    <message>
        <source>应纳税额</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation>After tax</translation>
    </message>
    <message>
        <source>%1：%2—%3 月，非居民个人按月计税
</source>
        <translation>%1: months %2 to %3, a non-resident individual taxed month by month
</translation>
    </message>
    <message>
        <source>本单位扣缴税额合计：%1
</source>
        <translation>Withheld by this employer in all: %1
</translation>
    </message>
    <message>
        <source>数月奖金：%1 %2 月发放 %3，非居民个人分摊 %4 个月，每月 %5，税率 %6，速算扣除数 %7，每月税额 %8，应纳税额 %9
</source>
        <translation>Bonus for several months: %1 paid %3 in month %2, spread over %4 months for a non-resident individual, %5 a month, rate %6, quick deduction %7, tax a month %8, tax %9
</translation>
    </message>
    <message>
        <source>全年扣缴税额合计：%1
</source>
        <translation>Withheld in the year in all: %1
</translation>
    </message>
    <message>
        <source>非居民个人没有年度汇算：工资薪金按月、劳务报酬等按次由扣缴义务人扣缴，不享受专项附加扣除，扣缴的税款即为应纳税额。
</source>
        <translation>A non-resident individual has no annual reconciliation: wages are withheld month by month and remuneration payment by payment, without special additional deductions; the tax withheld is the tax due.
</translation>
    </message>
    <message>
        <source>年度汇算（%1）
</source>
        <translation>Annual reconciliation (%1)
</translation>
    </message>
</context>
<context>
    <name>YearFile</name>
    <message>
        <source>年度文件</source>
        <translation>year file</translation>
    </message>
    <message>
        <source>本程序只有 %1 至 %2 年的规则，没有 %3 年的</source>
        <translation>this program has the rules of %1 to %2 only, not of %3</translation>
    </message>
    <message>
        <source>条目过多，最多 %1 条</source>
        <translation>too many entries: at most %1</translation>
    </message>
    <message>
        <source>至少要有一份工作</source>
        <translation>at least one job is needed</translation>
    </message>
    <message>
        <source>单位名称不能为空</source>
        <translation>the employer&apos;s name cannot be empty</translation>
    </message>
    <message>
        <source>至少要有一项工资</source>
        <translation>at least one pay entry is needed</translation>
    </message>
    <message>
        <source>月份应为 1 到 12</source>
        <translation>a month is from 1 to 12</translation>
    </message>
    <message>
        <source>起始（from）晚于截止（to）</source>
        <translation>the start (from) is after the end (to)</translation>
    </message>
    <message>
        <source>金额不能为负数</source>
        <translation>an amount cannot be negative</translation>
    </message>
    <message>
        <source>金额超出范围（最多 %1）</source>
        <translation>amount out of range (at most %1)</translation>
    </message>
    <message>
        <source>第一项工资应从工作的起始月份（%1 月）开始</source>
        <translation>the first pay entry should start in the job&apos;s first month (month %1)</translation>
    </message>
    <message>
        <source>应晚于上一项工资的起始月份</source>
        <translation>should start after the previous pay entry&apos;s first month</translation>
    </message>
    <message>
        <source>晚于工作的截止月份（%1 月）</source>
        <translation>after the job&apos;s last month (month %1)</translation>
    </message>
    <message>
        <source>%1 月与 %2 都扣除专项附加扣除，同一个月只能由一个单位扣除</source>
        <translation>month %1: special additional deductions here and in %2; only one employer can deduct them in a month</translation>
    </message>
    <message>
        <source>“6万”只适用于从 1 月起任职的工作</source>
        <translation>&quot;6万&quot; (60,000) is only for a job held from January</translation>
    </message>
    <message>
        <source>“自1月”只适用于本年第一份工作，%1 开始得更早</source>
        <translation>&quot;自1月&quot; (from January) is only for the first job of the year: %1 started earlier</translation>
    </message>
    <message>
        <source>扣除比例应为 100 或 50</source>
        <translation>the share should be 100 or 50</translation>
    </message>
    <message>
        <source>每月分摊额超过 %1 年的上限 %2 元</source>
        <translation>the monthly share is over the %1 limit of %2 yuan</translation>
    </message>
    <message>
        <source>不是独生子女时须填写每月分摊额</source>
        <translation>a monthly share must be given when not an only child</translation>
    </message>
    <message>
        <source>至少要有一位父母的出生日期</source>
        <translation>at least one parent&apos;s date of birth is needed</translation>
    </message>
    <message>
        <source>住房租金应为每月 %1、%2 或 %3 元</source>
        <translation>housing rent should be %1, %2 or %3 yuan a month</translation>
    </message>
    <message>
        <source>与 %1 都在 %2 年内，住房租金和住房贷款利息一年只能扣除其一</source>
        <translation>both this and %1 fall in %2: only one of housing rent and housing loan interest can be deducted in a year</translation>
    </message>
    <message>
        <source>不在 %1 年内</source>
        <translation>not within %1</translation>
    </message>
    <message>
        <source>没有哪份工作的 employer 与之相同</source>
        <translation>no job has the same employer</translation>
    </message>
    <message>
        <source>不是有效的日期或年月（年份应在 %1 至 %2 之间）</source>
        <translation>not a valid date or month (the year should be from %1 to %2)</translation>
    </message>
    <message>
        <source>写入文件“%1”时出错：%2</source>
        <translation>error writing the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>在中国境内的天数应为 1 到 %1</source>
        <translation>the days in China must be 1 to %1</translation>
    </message>
    <message>
        <source>children 中只有 %1 个子女（序号从 0 起）</source>
        <translation>children holds only %1 children (indexes from 0)</translation>
    </message>
    <message>
        <source>孩子的名字不能为空</source>
        <translation>the child&apos;s name cannot be empty</translation>
    </message>
    <message>
        <source>只有“子女”的大病医疗才能指明是哪个孩子</source>
        <translation>only medical treatment for serious illness of 子女 (child) may name the child</translation>
    </message>
    <message>
        <source>应为 children 中的序号（从 0 起的整数）或孩子的名字</source>
        <translation>must be an index in children (a whole number from 0) or the child&apos;s name</translation>
    </message>
    <message>
        <source>个人养老金自%1起实施，此前缴纳的不能扣除</source>
        <translation>the private pension began on %1: what was paid before cannot be deducted</translation>
    </message>
    <message>
        <source>“6万”自%1起施行（%2），%3 年不能采用</source>
        <translation>&quot;6万 (60,000)&quot; applies from %1 (%2) and cannot be used in %3</translation>
    </message>
    <message>
        <source>“自1月”自%1起施行（%2），%3 年不能采用</source>
        <translation>&quot;自1月 (from January)&quot; applies from %1 (%2) and cannot be used in %3</translation>
    </message>
    <message>
        <source>姓名最长 %1 个字</source>
        <translation>a name has at most %1 characters</translation>
    </message>
</context>
<context>
    <name>YearFiles</name>
    <message>
        <source>年度文件 (*.json)</source>
        <translation>Year files (*.json)</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>纳税年度“%1”有未保存的修改，是否保存？</source>
        <translation>The tax year &quot;%1&quot; has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>打开年度文件</source>
        <translation>Open year file</translation>
    </message>
    <message>
        <source>还没有纳税年度可保存：请先在“我的纳税年度”页输入。</source>
        <translation>There is no tax year to save yet: enter it on the My tax year page first.</translation>
    </message>
    <message>
        <source>%1年度.json</source>
        <translation>tax year %1.json</translation>
    </message>
    <message>
        <source>保存年度文件</source>
        <translation>Save year file</translation>
    </message>
    <message>
        <source>纳税年度有误，未保存：%1</source>
        <translation>The tax year has errors and was not saved: %1</translation>
    </message>
    <message>
        <source>%1%2 - %3</source>
        <translation>%1%2 - %3</translation>
    </message>
    <message>
        <source>任职单位</source>
        <translation>Employer</translation>
    </message>
    <message>
        <source>年度文件“%1”在本程序读取或保存之后已被其他程序（或另一个窗口）改动。

覆盖：以本窗口的纳税年度覆盖文件，文件中的改动丢失；
另存为：把本窗口的纳税年度保存到另一个文件；
重新读取：放弃本窗口的修改，读入文件现在的内容。</source>
        <translation>The year file &quot;%1&quot; has been changed by another program (or another window) since this program read or saved it.

Overwrite: write this window&apos;s tax year over the file; the changes in the file are lost.
Save As: save this window&apos;s tax year to another file.
Reload: give up this window&apos;s changes and read what the file holds now.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>重新读取</source>
        <translation>Reload</translation>
    </message>
</context>
</TS>
