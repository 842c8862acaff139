<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BonusCommand</name>
    <message>
        <source>单独计税税额较低，少缴 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得税额较低，少缴 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两种方法税额相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入后应纳税所得额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率</source>
        <translation type="unfinished">Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>奖金应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他综合所得应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>临界点：单独计税时，奖金超过 %1 而不到 %2，税后反而少于发 %1；本奖金比发 %1 少得 %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优分配：奖金 %1 单独计税，其余应纳税所得额 %2 并入综合所得，税额合计 %3，比较优的方法少缴 %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人一个月内取得的数月奖金不与当月工资薪金合并，不减除费用，
按 %1 个月分摊：月均奖金按月度税率表计税后乘 %1；一个公历年度内只能用一次。
当月工资另行计税（pendra-cli wage --nonresident）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数月奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月均奖金（÷%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额（×%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation type="unfinished">After tax</translation>
    </message>
    <message>
        <source>全年一次性奖金：单独计税（%1 年底前可选）与并入当年综合所得比较；
奖金落在临界区间时给出临界点；并给出奖金与其余所得之间税额最低的分配。
加 --nonresident：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金（必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金以外的全年综合所得应纳税所得额，默认 0；扣除未用完时可为负数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人一个月内取得的数月奖金</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>另有%1处错误未列出（只列出前%2处）</source>
        <translation type="unfinished"></translation>
    </message>
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
        <translation>annual one-off bonus: taxed separately or with the comprehensive income, the cliffs, the best split</translation>
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
  pendra-cli year 2026.json
  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000
  pendra-cli household household.json
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
</context>
<context>
    <name>HouseholdCommand</name>
    <message>
        <source>各 %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配偶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子女</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大病医疗（%1，自付 %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共同项目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最不利</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部由 a 扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子女（%1 出生）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房贷款利息（首次还款 %1，婚前各自购房）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房贷款利息（首次还款 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房租金（%1 至 %2，每月 %3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优分配下的年度汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>家庭分配（%1 年）：试过 %2 种分配

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两人应纳税额合计：最优分配 %1，全部由 a 扣除 %2，最不利的分配 %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优分配比全部由 a 扣除少缴 %1，比最不利的分配少缴 %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>家庭分配：由家庭文件（JSON，格式见 README：夫妻二人各自的年度文件 a、b，
以及可由任一方扣除的共同项目 shared），试遍税法允许的每种分配——每个子女
由 a、b 或各 %1% 扣除，住房贷款利息由一方扣除（婚前各自购房的可各 %1%），
每份租房由一方扣除，每项大病医疗由一方扣除——给出两人应纳税额（含年终奖
单独计税的税额）合计最少的分配、两人各自的年度汇算，以及与全部由 a 扣除、
与最不利的分配相比少缴的税额。合计相同时取改动最少的分配（以子女各半、
可各半的贷款各半、其余由 a 扣除为准），再取列在前面的。文件有误时指出键的
位置（如 shared.children[0].born），不计算，退出状态为 2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>家庭文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夫妻二人的年度文件和共同项目，JSON 格式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少家庭文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
b：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pendra-cli household 家庭.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pendra-cli household 家庭.json --json</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HouseholdFile</name>
    <message>
        <source>共同项目的扣除比例由家庭分配决定，不能填写 share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>家庭文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 %1 不是同一年：两人的年度应相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共同的大病医疗应为“子女”或“配偶”；“本人”未说明是哪一方，请写在其本人的年度文件中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 是同一天出生的子女：共同的子女不能再写在个人的年度文件中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 已有住房贷款：共同的住房贷款不能再写在个人的年度文件中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 %1 的月份重叠：共同的租房不能再写在个人的年度文件中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 是同一对象、同一金额的大病医疗：共同的一项不能再写在个人的年度文件中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 %1 都在本年度内：夫妻一年只能扣除住房租金或住房贷款利息其一</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>共同项目的分配方式超过 %1 种，不计算；请减少共同项目</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <source>对象缺少结尾的 }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>键后缺少冒号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列表缺少结尾的 ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少分隔的逗号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字写法有误或超出范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符串中有无效的转义</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是有效的 UTF-8 文本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符串缺少结尾的引号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>嵌套过深</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结尾有多余的内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法识别的内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件“%1”%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1应为一个 JSON 对象（{…}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有误：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是有效的 JSON：第 %1 行第 %2 列附近%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”是文件夹，不是%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是普通文件（是设备、管道或套接字），不读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有 %1 字节，%2最多 %3 字节，不读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在读取时被替换或无法打开，未读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取出错：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超过%1的上限 %2 字节，不读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为文本（字符串）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为对象（{…}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的键（此处可用的键：%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少此键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为 true 或 false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为列表（[…]）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabourCommand</name>
    <message>
        <source>劳务报酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>稿酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的类别“%1”，应为 labour、author 或 royalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>labour（劳务报酬，默认）、author（稿酬）、royalty（特许权使用费）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入</source>
        <translation type="unfinished">Income</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation type="unfinished">Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation type="unfinished">Taxable income</translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation type="unfinished">Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>应预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation type="unfinished">After tax</translation>
    </message>
    <message>
        <source>
预扣税额合计：%1
</source>
        <translation type="unfinished">
Withheld in all: %1
</translation>
    </message>
    <message>
        <source>选项 --%1 只用于 --intern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在校学生实习只适用于劳务报酬，不能与 --kind %1 同用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
加 --intern：在校学生实习取得的劳务报酬，每月收入相同，按累计预扣法逐月预扣：
收入额为收入的 %1%，累计减除费用为每月 %2 元乘实习月数，按综合所得年度税率表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次劳务报酬、稿酬或特许权使用费收入的预扣税额。居民个人：每次收入不超过
%1 元减除 %2 元，超过的减除 %3%；稿酬再按 %4% 计算；劳务报酬按预扣率表二，
稿酬和特许权使用费按 %5%。非居民个人：一律减除 %3%，按月度税率表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每次收入（必填）；加 --intern 时为每月收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在校学生实习：按累计预扣法逐月预扣（只用于居民个人的劳务报酬）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LawText</name>
    <message>
        <source>%1万</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1月%2日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1年%2月%3日</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Pendra计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是有效的数值。</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 工资薪金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖金所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五险一金计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资薪金所得(年薪)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>经济补偿金所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>被确定征税的其他部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资薪金所得(月薪旧版)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对企事业单位的承包经营、承租经营所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个体工商户生产、经营所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个体工商户生产、经营所得 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>稿酬所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费所得 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>财产租赁所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>财产租赁所得 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>财产转让所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>利息、股息、红利所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然所得(如：中奖、中彩)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税收滞纳金计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资薪金(累计预扣)(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>现行工资</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除(&amp;D)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖(现行)(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬/稿酬/特许权(现行)(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>经济补偿金(现行)(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资表批量计算(&amp;P)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人民币大小写(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>货币大写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算器(&amp;C)</source>
        <translation>&amp;Calculator</translation>
    </message>
    <message>
        <source> 计算器 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 记事本 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>线程</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReverseCommand</name>
    <message>
        <source>税后 %1 元无法达到：税前%2在 %3 元以下时都达不到</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项 --%1 只与 --insurance-rate 同用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项 --insurance-rate 的值“%1”不是百分数（最多两位小数，如 10.5）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费比例 %1% 超过 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数上限 %1 低于下限 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前月薪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均每月税后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年税前合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年三险一金合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年预扣税额合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年税后合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由每月税后收入反算税前月薪：1 至 %1 月在同一单位按月发放相同的工资（每月减除
%2 元），求全年税后合计不少于 %1 × 目标的最低月薪，并列出各月明细。三险一金
为固定金额（--insurance），或为月薪的一定比例（--insurance-rate）：月薪低于
缴费基数下限的按下限、高于上限的按上限计算，按分四舍五入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标每月税后收入（必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月免税收入</source>
        <translation type="unfinished">tax-free income of each month</translation>
    </message>
    <message>
        <source>每月三险一金，固定金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>百分数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三险一金按月薪的比例，如 10.5（最多两位小数）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数下限，默认 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数上限，默认无上限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月专项附加扣除</source>
        <translation type="unfinished">special additional deductions of each month</translation>
    </message>
    <message>
        <source>每月其他扣除</source>
        <translation type="unfinished">other deductions of each month</translation>
    </message>
    <message>
        <source>月薪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率</source>
        <translation type="unfinished">Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>奖金应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他综合所得应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
临界点：奖金超过 %1 而不到 %2 时，税后反而少于发 %1，最多少得 %3；加发奖金时应越过 %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由税后奖金反算全年一次性奖金：单独计税时，税后不少于目标的最低奖金；
并给出奖金之上最近的临界点，及其上税后反而更少的区间。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标税后奖金（必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金以外的全年综合所得应纳税所得额，默认 0，用于其他综合所得应纳税额；扣除未用完时可为负数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由一次劳务报酬、稿酬或特许权使用费的税后收入反算税前收入：预扣（居民个人）
或代扣（非居民个人）税款后不少于目标的最低收入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标税后收入（必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入</source>
        <translation type="unfinished">Income</translation>
    </message>
    <message>
        <source>用法：pendra-cli reverse &lt;类别&gt; --net &lt;金额&gt; [选项]

由税后金额反算税前金额：求税后不少于目标的最低税前金额（精确到分）。
税前金额在 %1 元以下都达不到的目标不予计算（退出状态 2）。

类别：
  wage    每月工资薪金：1 至 %2 月在同一单位按月发放，全年税后合计达到目标
  bonus   全年一次性奖金，单独计税
  labour  劳务报酬、稿酬、特许权使用费，居民或非居民个人

每个类别都有 --help，列出其选项；加 --json 以 JSON 输出。

示例：
  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000
  pendra-cli reverse bonus --net 50000 --json
  pendra-cli reverse labour --net 16800 --kind author
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少反算类别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的反算类别“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，应为 wage、bonus 或 labour（用法见 pendra-cli reverse --help）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesPeriod</name>
    <message>
        <source>2011年9月至2018年12月施行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2008年3月至2011年8月施行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2011年8月以前施行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2018年12月以前按次计税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1年起仍然适用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本页按%1的规定计算；%2年起施行的个人所得税法已无“经国务院财政部门确定征税的其他所得”这一项，其余各项所得见“现行税法”菜单。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本页按%1的规定计算；%2年起的现行规定见“现行税法”菜单。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以上结果按%1的规定计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—— %1的规定 ——</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按%1的规定计算</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettleCommand</name>
    <message>
        <source>单独计税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算：按全年合计数计算综合所得应纳税额和应补（退）税额，并判断是否
需要办理。各金额均为全年合计，默认 0；劳务报酬、稿酬、特许权使用费填收入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资薪金（不含全年一次性奖金）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>稿酬收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项扣除（三险一金）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除（含大病医疗）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人养老金（最多扣除 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商业健康保险（最多扣除 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separate（单独计税，默认）或 merged（并入综合所得）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年已预缴税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的奖金计税方法“%1”，应为 separate 或 merged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettlementOutput</name>
    <message>
        <source>专项附加扣除（不含大病医疗）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大病医疗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人养老金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商业健康保险</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应退税 %1：可以办理汇算申请退税，也可以不办理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无需补税也无退税，无需办理汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应补税 %1，不超过 %2 元，无需办理汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应补税 %1，但综合所得年收入不超过 %2 元，无需办理汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应补税 %1：须在次年 %2 月 %3 日前办理汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>综合所得收入额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扣除合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation type="unfinished">Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation type="unfinished">Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>综合所得应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖单独计税税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已预缴税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应补（退）税额</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeveranceCommand</name>
    <message>
        <source>解除劳动合同的一次性补偿收入：当地上年职工平均工资 %3 倍以内的部分免税，
超过的部分单独按综合所得年度税率表计税。
加 --early-retirement：提前退休一次性补贴，按办理提前退休手续至法定退休
年龄的年数（可带两位小数）平均分摊，每年减除 %1 元后按年度税率表计税，
再乘以年数；不并入当年综合所得。法定退休年龄自 %2 年起逐步提高，
年数按本人的法定退休年龄自行计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>补偿收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免税部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation type="unfinished">Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation type="unfinished">Rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>应纳税额</source>
        <translation type="unfinished">Tax</translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation type="unfinished">After tax</translation>
    </message>
    <message>
        <source>一次性补贴收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分摊年数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年分摊额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年应纳税所得额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项 --years 的值“%1”不是有效的年数：应大于 0、不超过 %2，最多两位小数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次性补偿收入或提前退休一次性补贴（必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当地上年职工平均工资（年，解除劳动合同时必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提前退休一次性补贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>办理提前退休手续至法定退休年龄的年数，大于 0，最多两位小数（提前退休时必填）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项 --years 只用于 --early-retirement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>%1第%2行的引号在%3之内没有闭合（本程序一行最多%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1第%2行超过了%3（本程序一行最多%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1第%2行是UTF-8编码，而前面的行是GBK编码；请把整个文件另存为同一种编码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1是%2编码，请另存为UTF-8或GBK编码的CSV文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1第%2行第%3列不是空的，超出了本程序能读的%4列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1第%2行第%3列的文字超过了%4（本程序一个单元格最多%4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1第%2行：数据行超过了本程序能读的%3行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1第%2行（标题行）第%3列含有空字符（NUL）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是普通文件（而是设备、管道、套接字之类），不能作为工资表读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是普通文件（而是设备、管道、套接字或文件夹），不会写入它</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”是符号链接；为免改动它指向的文件，不会通过链接写入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1属于其他用户，不会改写它</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1是只读文件，不会改写它</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1太大，不会改写它</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1就是读入的工资表，结果不会写在它上面；请另选一个文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1中没有一行可以计算，没有写出结果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1超出了金额的范围（最大为%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（这一行另有%1个没有标题的单元格）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>含有空字符（NUL），不是文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入期间，文件原来的位置被其他程序改动了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（第%2行）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1已损坏或不是工资表：其中%2的元素嵌套超过了%3层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1已损坏：其中缺少%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1已损坏或不是工资表：其中的%2解压后超过了%3（本程序最多解压到文件大小的%4倍，且不超过%5）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1已损坏或不是工资表：其中%2有一段文字或标记超过了%3（本程序一个单元格最多%4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1已损坏：第%2行第%3列引用的共享文字不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1已损坏：压缩包不完整（可能只复制或下载了一部分）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的列数（%2）超过了Excel一张工作表的%3列，请另存为CSV文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法在%1所在的文件夹中写入</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportContact</name>
    <message>
        <source>Pendra工作室</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBatchErrorModel</name>
    <message>
        <source>第%1列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBonusChartView</name>
    <message>
        <source>税后奖金图表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金（元）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金（元）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前奖金</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCalcPage</name>
    <message>
        <source>  本软件将持续更新，请及时下载最新版本。如有疑问请联系客服QQ：%1，咨询免费。可根据客户需求定制开发各类税务计算软件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCurWageModel</name>
    <message>
        <source>月份</source>
        <translation type="unfinished">Month</translation>
    </message>
    <message>
        <source>收入</source>
        <translation type="unfinished">Income</translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计免税收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计专项扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计其他扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation type="unfinished">Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation type="unfinished">After tax</translation>
    </message>
    <message>
        <source>减除费用</source>
        <translation type="unfinished">Deduction</translation>
    </message>
    <message>
        <source>应纳税所得额</source>
        <translation type="unfinished">Taxable income</translation>
    </message>
    <message>
        <source>税率</source>
        <translation type="unfinished">Rate</translation>
    </message>
    <message>
        <source>本月应扣缴税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本月单独输入的数额；清空后恢复为每月相同的数额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双击可为本月单独输入数额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1月的%2数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCurrentPage</name>
    <message>
        <source>元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileManager</name>
    <message>
        <source>参数未能保存：文件 %1 正由另一个窗口保存，请稍后再试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数未能保存：%1 不是普通文件（而是文件夹、设备、管道之类），程序不会写入它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数未能保存：%1 是一个符号链接。为免改动它所指向的文件，程序不会通过链接写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数未能保存：文件 %1 属于其他用户，程序不会改写它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数未能保存：文件 %1 是只读文件，程序不会改写它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数未能保存：文件 %1 大于 %2 MB，不是参数文件应有的大小；为免丢失其中的内容，程序不会改写它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数未能保存：无法写入文件 %1。
请检查该文件夹是否允许写入、磁盘空间是否充足。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFlatRatePage</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额应大于0，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额应大于0，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入应大于0，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>关于 Pendra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendra个人所得税计算器  V3.01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作者：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旺旺：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmAnnualSalary</name>
    <message>
        <source>年薪：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年薪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月领取：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月领取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年底其它奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年底其它奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmBatch</name>
    <message>
        <source>打开...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模板...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开CSV文件或Excel工作簿（.xlsx）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写出只有标题行和一名示例员工的空白工资表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工号或姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>筛选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>筛选：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未计算的行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双击一行，在工资表中选中它</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汇总</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人数与行数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1月预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资表批量计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未计算的行：无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未计算的行（%1处错误，双击定位）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开一份工资表（CSV或Excel），或把文件拖到这里。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>员工%1人，%2行；点“计算”得出各月预扣税额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>员工%1人，%2行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>；另有%1人、%2行因错误未计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>。本月应预扣税额合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在读取%1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开工资表：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已打开%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先打开一份工资表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在计算每位员工的累计预扣…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在保存%1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存失败，原有文件未被改动：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已取消保存，原有文件未被改动。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已保存到%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模板未能写出：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模板已写到%1，填好后用“打开...”读入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV文件 (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel工作簿 (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资表 (*.csv *.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开工资表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-预扣.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资表另存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写出工资表模板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资表模板.xlsx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在排序…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCompany</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入总额： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入总额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：经营时间的选择，一个纳税年度用12个月来表示，当前每月减除必要费用为%1元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>经营时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0个月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurBonus</name>
    <message>
        <source>全年一次性奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纳税人身份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直接填写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由全年工资计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从工资薪金页填入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按工资薪金(累计预扣)页上次输入的各月数额，填入全年工资薪金收入（减除免税收入后）、三险一金和专项附加扣除等</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他综合所得：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年其他应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年工资薪金收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年三险一金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年专项附加扣除等：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= 工资（不含奖金）− %1 − 三险一金 − 专项附加扣除等，可为负数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除等：专项附加扣除、个人养老金、商业健康保险和其他扣除的全年合计；扣除未用完时应纳税所得额为负数，并入综合所得的奖金先用完这些扣除。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金单独计税，一个纳税年度内对每一个纳税人只能采用一次（国税发〔2005〕9号），执行至%1（财政部 税务总局公告2023年第30号）；其余奖金并入当月工资薪金预扣。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税的次数和期限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他综合所得应纳税所得额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>较优方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>临界点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优拆分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月均奖金（÷%1）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额（×%1）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人一个月内取得数月奖金：不与当月工资薪金合并，不减除费用，按%1个月分摊，月均奖金按月度税率表计税，应纳税额 = (奖金 ÷ %1 × 税率 − 速算扣除数) × %1。一个公历年度内只能这样计税一次；当月工资另按非居民个人的工资薪金计税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人数月奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率／速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税奖金应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得奖金应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年合计税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税全年合计税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得全年合计税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由税后奖金反算税前奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存图表...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金图表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年其他应纳税所得额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年工资薪金收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年三险一金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年专项附加扣除等</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他综合所得应纳税所得额：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（扣除未用完）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金对比（其他综合所得应纳税所得额%1元）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图表组件（pendra_chart）未能加载，无法显示图表；计算结果不受影响。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金对比（计算后绘制）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（较优）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税较优，比并入综合所得少缴税%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得较优，比单独计税少缴税%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两种方式税额相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金落在%1至%2元之间：少发到%1元，税后反而多得%3元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优拆分：奖金%1元、其余并入工资，合计税额%2，比较优方式少缴%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最优拆分：按较优方式计税已是最低税额，调整奖金与工资的拆分不能再少缴税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存图表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖税后对比.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图表未能保存到%1，请换一个位置再试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurDeductions</name>
    <message>
        <source>元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数文件中的数额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月合计是每月预扣预缴时扣除的数额：个人养老金按全年缴费的十二分之一计入；职业资格继续教育和大病医疗只在年度汇算时扣除，只计入全年合计。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扣除额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本人扣除%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子女教育人数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子女教育：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子女教育</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每个子女每月%1元，由父母一方全额扣除或双方各扣%2%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>婴幼儿照护人数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1岁以下婴幼儿照护：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>婴幼儿照护</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每个婴幼儿每月%1元，由父母一方全额扣除或双方各扣%2%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>独生子女：每月%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非独生子女：每月分摊</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赡养老人：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赡养老人每月分摊额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赡养老人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非独生子女与兄弟姐妹分摊每月%1元，每人每月最多%2元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房贷款利息：每月%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房贷款利息（夫妻各扣一半）：每月%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房租金（直辖市、省会城市等）：每月%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房租金（户籍人口超过%1万的城市）：每月%2元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房租金（户籍人口不超过%1万的城市）：每月%2元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房贷款利息或住房租金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两者只能选其一。租金%1元：直辖市、省会（首府）城市、计划单列市及国务院确定的其他城市；
%2元：其他城市中市辖区户籍人口超过%4万的；%3元：不超过%4万的。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>学历（学位）继续教育：每月%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>职业资格继续教育：取得证书当年%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>继续教育：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>继续教育</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大病医疗：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大病医疗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元/年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医保目录内自付超过%1元的部分，每年最多%2元；只在年度汇算时扣除。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人养老金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人养老金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年缴费，每年最多%1元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商业健康保险：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商业健康保险</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元/月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>符合规定的商业健康保险，每月最多%1元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数文件中的%1为%2，超过了上限，按%3显示和计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1最多%2，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年%1（汇算时）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月合计：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年合计：%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurLabour</name>
    <message>
        <source>由税后收入反算税前收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>稿酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所得项目：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每次收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纳税人身份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每次收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在校学生实习（按累计预扣法逐月预扣）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在校学生实习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月</source>
        <translation type="unfinished">month</translation>
    </message>
    <message>
        <source>实习起始月份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实习截止月份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实习月份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全日制学历教育的学生因实习取得的劳务报酬，可按累计预扣法预扣：每月收入额为收入的%1%，累计减除费用为每月%2元乘实习月数，按综合所得年度税率表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实习期间预扣税额合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月份</source>
        <translation type="unfinished">Month</translation>
    </message>
    <message>
        <source>收入</source>
        <translation type="unfinished">Income</translation>
    </message>
    <message>
        <source>收入额</source>
        <translation type="unfinished">Income amount</translation>
    </message>
    <message>
        <source>累计收入额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预扣率</source>
        <translation type="unfinished">Withholding rate</translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation type="unfinished">After tax</translation>
    </message>
    <message>
        <source>实习逐月预扣明细</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人：按次由支付方代扣代缴，税款即为最终税负，不办理年度汇算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算：这笔收入按%1%计入综合所得，收入额为%2，与工资薪金等合并按年度税率表计税；已预扣的%3税款多退少补。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始月份不能晚于截止月份，请重新选择。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实习期间预扣税额合计：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算：实习报酬按%1%计入综合所得，%2个月的收入额为%3，与工资薪金等合并按年度税率表计税；已预扣的%4税款多退少补。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月收入数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每次收入数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算：居民个人的劳务报酬、特许权使用费按收入的%1%、稿酬按收入的%2%计入综合所得，与工资薪金等合并计税，预扣的税款多退少补。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurReverse</name>
    <message>
        <source>反算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算税前月薪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标每月税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1至%1月在同一单位按月发放相同的工资，每月减除%2元：求全年税后合计不少于目标的%1倍的最低月薪。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前月薪：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均每月税后：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算税前年终奖</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标税后奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税：求税后不少于目标的最低奖金，并指出其上最近的临界点。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算税前收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目标税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>求预扣（非居民个人为代扣）税款后不少于目标的最低每次收入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算明细</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免税收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固定金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按缴费比例</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三险一金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月三险一金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费比例(%)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人缴纳的各项比例之和，最多两位小数，如10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数下限：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数上限：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不填为无上限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他扣除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年其他应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只用于计算其他综合所得的税额，不影响反算的奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>稿酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所得项目：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纳税人身份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费比例应为0到100之间、最多两位小数的百分数，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数上限不能低于下限，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月薪在%1元以下都达不到这个税后收入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年税前%1元，三险一金%2元，预扣税额%3元，税后合计%4元；1月税后%5元，%6月税后%7元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金在%1元以下都达不到这个税后奖金。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率%1，速算扣除数%2元，奖金应纳税额%3元；其他综合所得应纳税额%4元，合计%5元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>临界点：奖金超过%1元而不到%2元时，税后反而少于发%1元，最多少得%3元；加发奖金时应越过%2元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入在%1元以下都达不到这个税后收入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除费用%1元，应纳税所得额%2元，税率%3，速算扣除数%4元，应纳税额%5元。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurSettle</name>
    <message>
        <source>次年%1月%2日至%3月%4日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并入综合所得</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单独计税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从工资页填入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从工资薪金页填入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按工资薪金(累计预扣)页上次输入的各月数额，填入全年工资薪金、免税收入、三险一金、专项附加扣除、其他扣除和已预扣的税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年工资薪金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年工资薪金收入，不含全年一次性奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年劳务报酬：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年稿酬：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年特许权使用费：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年免税收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年三险一金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年个人养老金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年最多扣除%1元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年商业健康保险：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年其他扣除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奖金计税方式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年已预缴税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有扣缴义务人应预扣预缴而未预扣</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取得综合所得时，有扣缴义务人依法应预扣预缴而未预扣的，不适用补税不超过%1元或收入不超过%2元免于办理年度汇算的规定（财政部 税务总局公告2023年第32号）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资薪金和已预缴税额必填，其余不填的按0计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>填入...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从专项附加扣除设置填入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开专项附加扣除设置，确定后按全年数额填入专项附加扣除、个人养老金和商业健康保险</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年专项附加扣除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>子女教育、婴幼儿照护、赡养老人、住房贷款利息或住房租金、继续教育和大病医疗的全年合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>综合所得收入额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扣除合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>综合所得应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖单独计税税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已预缴税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另一种奖金计税方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否需要办理年度汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>办理原因</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算的办理时间为次年%1至%2，可通过个人所得税App或网站自行办理，也可以委托单位或他人办理。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年免税收入不能大于全年收入合计，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应退税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应补税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应补（退）税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可以办理年度汇算申请退税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无需办理年度汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>需要办理年度汇算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（此项免于办理的规定施行至%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已预缴税额比全年应纳税额多%1：可在%2办理年度汇算申请退税；放弃退税的，可以不办理。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已预缴税额与全年应纳税额相等，既不需补税，也没有退税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>需补税%1，不超过%2元，依规定无需办理年度汇算，也不必补缴%3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>需补税%1，但全年综合所得收入不超过%2元，依规定无需办理年度汇算，也不必补缴%3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>需补税%1。有扣缴义务人应预扣预缴而未预扣，不适用补税不超过%2元或收入不超过%3元免于办理的规定：须在%4办理年度汇算并补缴税款。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>需补税%1，超过%2元，且全年综合所得收入超过%3元：须在%4办理年度汇算并补缴税款。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>若改为%1：应纳税额合计同为%2，两种方式相同。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>若改为%1：应纳税额合计%2，多缴%3；%4较低。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>若改为%1：应纳税额合计%2，少缴%3；%1较低。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurSeverance</name>
    <message>
        <source>解除劳动合同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提前退休一次性补贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入类型：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次性补偿收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当地上年职工平均工资：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上年职工平均工资指全年工资，由各地（市）统计部门每年公布，以用人单位所在地公布的数字为准。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至法定退休年龄年数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>办理提前退休手续至法定退休年龄的实际年数，可带两位小数（如2.5）。法定退休年龄自%1年起逐步提高（全国人大常委会%2年%3月%4日决定），请按本人适用的法定退休年龄自行计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免税部分：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税部分：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年分摊额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超过%1倍的部分不并入当年综合所得，单独按年度税率表计税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提前退休一次性补贴不并入当年综合所得：按年数平均分摊，每年减除%1元后单独按年度税率表计税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每年分摊额 = 一次性补贴 ÷ 至法定退休年龄年数
每年应纳税额 = (每年分摊额 − %1) × 税率 − 速算扣除数
应纳税额 = 每年应纳税额 × 年数
税率和速算扣除数按每年应纳税所得额查综合所得年度税率表。

例：补贴%2元、%3年：(%4 − %1) × %5 − %6 = %7元，× %3 = %8元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提前退休一次性补贴计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次性补贴收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次性补贴收入数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次性补偿收入数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当地上年职工平均工资数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至法定退休年龄年数应大于0、不超过%1，最多两位小数，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmCurWage</name>
    <message>
        <source>每月收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免税收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三险一金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>逐月明细</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由税后收入反算税前月薪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>免税收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三险一金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>专项附加扣除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他扣除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自1月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6万</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按月：按在本单位的任职受雇月份数减除费用，每月%1元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自1月：年内首次取得工资薪金的，按1月起至本月的月份数减除费用，每月%1元。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6万：同时符合三个条件的，自1月起即减除全年%1元：上一完整纳税年度各月均在本单位任职受雇，且由本单位预扣预缴；上年在本单位的工资薪金收入（含全年一次性奖金）不超过%2元；本年1月起仍在本单位任职受雇（国家税务总局公告2020年第19号）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除方式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除方式说明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月</source>
        <translation type="unfinished">month</translation>
    </message>
    <message>
        <source>起始月份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>截止月份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非居民个人（按月计税，不累计）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发放月份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>逐月预扣明细</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年预扣税额合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年税后收入合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>双击可为单月输入；Ctrl+D以后各月相同，Delete恢复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入、免税收入、三险一金、其他扣除各格可双击为单月输入不同的数额；右键菜单或Ctrl+D使以后各月与本月相同，Delete恢复为每月相同的数额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把整张表（含表头和累计列）复制到剪贴板，可直接粘贴到电子表格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示累计列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示累计收入、累计减除费用、累计应纳税额等累计预扣法的中间数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以后各月与本月相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复为每月相同的数额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6万只适用于自1月起在本单位任职受雇的月份，已改为按月。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始月份不能晚于截止月份，请重新选择。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工资薪金(累计预扣)页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1还没有输入，请先在该页输入每月收入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1按非居民个人计算，这里只适用于居民个人。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的%2数据无效，请先在该页改正。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的起始月份晚于截止月份，请先在该页改正。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmFeedback</name>
    <message>
        <source>意见反馈</source>
        <translation type="unfinished">Feedback</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在线客服</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ交谈</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旺旺交谈</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旺旺：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmFiveGolds</name>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国内人士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外籍人士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缴费基数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保缴费基数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公积金缴费基数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比例</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额</source>
        <translation type="unfinished">amount</translation>
    </message>
    <message>
        <source>个人部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>养老：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医疗：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>失业：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公积金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工伤：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生育：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人缴费合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位缴费合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位支出总计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmGoldsSetup</name>
    <message>
        <source>社保与公积金参数调整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公积金缴费基数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：上限一般为当地社会平均工资的300%，下限为60%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保缴费基数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：上限一般为当地社会平均工资的300%，下限为当地的最低工资。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比例</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公积金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医疗金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>养老金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>失业金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工伤金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生育金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示：参数如有疑问，请咨询当地社保部门，或联系客服QQ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公积金缴费基数下限应小于上限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保缴费基数下限应小于上限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人部分缴费比例合计不能大于100%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位部分缴费比例合计不能大于100%。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmLaoWu</name>
    <message>
        <source>计算公式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>费用减除：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmLateFee</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应缴税额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应缴税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应缴税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：自2001年5 月1日起，滞纳金加征率为0.05%，即万分之五。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>届满日期：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实缴日期：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>届满日期：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>实缴日期：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滞纳天数：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滞纳天数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：滞纳天数可由上面日期选择自动计算，也可以手动输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0天</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滞纳金率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滞纳金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额合计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滞纳天数数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滞纳天数不能小于0，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmLicense</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmMakeUp</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前一次性补偿收入：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前一次性补偿收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当地上年职工平均工资：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当地上年职工平均工资</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月缴五险一金：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月缴五险一金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工作年限：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：个人在本企业的工作年限数按实际工作年限数计算，超过12年的按12年计算。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月缴纳个税：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纳税总计：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额小于或等于0，不必纳税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ＝(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> － 3 × </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> －</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ＝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> × </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmMoney</name>
    <message>
        <source>人民币大小写转换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人民币小写金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人民币大写金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人民币小写金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmPersonal</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：收入金额为收入总额去掉相关成本、费用及损失后的金额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmProcessBar</name>
    <message>
        <source>计算中，请稍等...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmRent</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：收入金额为收入总额去掉相关成本、费用及损失后的金额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房出租 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：如果是个人的住房出租，请选中此项。 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmSalary</name>
    <message>
        <source>五险一金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：如果没有交纳养老、医疗、公积、生育、工伤等，此项可不填。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前收入金额小于或等于3500元，不必纳税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额小于或等于起征点，不必纳税。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3500元</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmSalaryOld</name>
    <message>
        <source>社保及公积金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：如果没有交纳社保及公积金等，此项可不填。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查看详情</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmTransfer</name>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>财产原值：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：请输入财产原来的价值金额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有关税费：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：请输入已按相关规定支付的有关税费金额。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>财产原值：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmUpdate</name>
    <message>
        <source>Pendra计算器 - 更新提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前软件不是最新版本，请到官网下载最新版本。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前软件版本已经是最新的。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开官网</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>欢迎以后继续关注我们的新产品更新。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更多精彩内容敬请关注：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation type="unfinished">Home page</translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmWriting</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减除费用：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmYearAward</name>
    <message>
        <source>计算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖金： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当月工资： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当月工资</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当月社保及公积金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当月社保及公积金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：如果没有交纳社保及公积金等，此项可不填。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国内人士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外籍人士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>详细计算结果：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起征额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖平均数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年终奖金收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当月工资收入金额数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保及公积金数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3500元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TUtils</name>
    <message>
        <source>文本编辑器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到可用的%1。已查找：%2。
请安装其中任意一个后再试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWagePage</name>
    <message>
        <source>税前收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税前收入金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注：工资薪金收入中，如果有免税的部份，请先扣除掉。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>国内人士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外籍人士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入金额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保及公积金：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起征额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税所得额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适用税率：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应纳税额：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保及公积金数据无效，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保及公积金不能比收入金额大，请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社保及公积金不能小于0元，请重新输入。</source>
        <translation type="unfinished"></translation>
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
        <translation>tax-free income of each month</translation>
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
        <source>方式</source>
        <translation>way</translation>
    </message>
    <message>
        <source>减除方式：按月（默认）、自1月、6万；也可写 per-month、from-january、sixty</source>
        <translation>how the basic deduction is made: per-month (the default), from-january or sixty; also 按月, 自1月, 6万</translation>
    </message>
    <message>
        <source>非居民个人：每月减除 %1 元，按月度税率表计算</source>
        <translation>a non-resident individual: %1 yuan deducted a month, the monthly table</translation>
    </message>
    <message>
        <source>未知的减除方式“%1”，应为 按月、自1月 或 6万</source>
        <translation>unknown way of deduction &quot;%1&quot;: per-month, from-january or sixty</translation>
    </message>
    <message>
        <source>减除方式 6万 只适用于上年各月均在本单位任职受雇、本年1月起仍在本单位的，起始月份应为 1，不能是 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WageMonths</name>
    <message>
        <source>收入</source>
        <translation type="unfinished">Income</translation>
    </message>
    <message>
        <source>累计收入额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计免税收入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计减除费用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计专项扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计其他扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计应纳税所得额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速算扣除数</source>
        <translation type="unfinished">Quick deduction</translation>
    </message>
    <message>
        <source>累计应纳税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累计已预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本月应预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>税后收入</source>
        <translation type="unfinished">After tax</translation>
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
    <name>Words</name>
    <message>
        <source>“%1”不是金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额不能为负数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额最多两位小数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额超出范围（最多 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为金额（数字或字符串）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是 YYYY-MM-DD 形式的日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是 YYYY-MM 形式的年月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的值“%1”，应为 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YearCommand</name>
    <message>
        <source>子女教育</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>婴幼儿照护</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赡养老人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房贷款利息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房租金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>继续教育</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人养老金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商业健康保险</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>稿酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特许权使用费</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自1月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6万</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月份</source>
        <translation type="unfinished">Month</translation>
    </message>
    <message>
        <source>合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在本单位扣除专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不在本单位扣除专项附加扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2—%3 月，减除方式%4，%5
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本单位预扣税额合计：%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收入</source>
        <translation type="unfinished">Income</translation>
    </message>
    <message>
        <source>预扣税额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>劳务报酬、稿酬、特许权使用费
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全年一次性奖金：%1 %2 月发放 %3，单独计税预扣 %4（税率 %5，速算扣除数 %6）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算（年终奖并入综合所得，两种方法中税额较低者）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算（年终奖单独计税，两种方法中税额较低者）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算（年终奖并入综合所得）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度汇算（年终奖单独计税）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 年每月可扣除额
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个人的整个纳税年度：由年度文件（JSON，格式见 README）中带日期的事实，
算出每月可扣除的专项附加扣除等、每个单位逐月的累计预扣、每次劳务报酬等
的预扣、全年一次性奖金的预扣，以及年度汇算。文件有误时指出键的位置
（如 jobs[1].pay[0].income），不计算，退出状态为 2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年度文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个人一年的事实，JSON 格式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少年度文件</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YearFile</name>
    <message>
        <source>年度文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入时出错：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本程序只有 %1 至 %2 年的规则，没有 %3 年的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条目过多，最多 %1 条</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至少要有一份工作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位名称不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至少要有一项工资</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月份应为 1 到 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始（from）晚于截止（to）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额不能为负数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金额超出范围（最多 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第一项工资应从工作的起始月份（%1 月）开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应晚于上一项工资的起始月份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>晚于工作的截止月份（%1 月）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 月与 %2 都扣除专项附加扣除，同一个月只能由一个单位扣除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“6万”只适用于从 1 月起任职的工作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“自1月”只适用于本年第一份工作，%1 开始得更早</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扣除比例应为 100 或 50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每月分摊额超过 %1 年的上限 %2 元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是独生子女时须填写每月分摊额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至少要有一位父母的出生日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住房租金应为每月 %1、%2 或 %3 元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 %1 都在 %2 年内，住房租金和住房贷款利息一年只能扣除其一</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不在 %1 年内</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有哪份工作的 employer 与之相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是有效的日期或年月（年份应在 %1 至 %2 之间）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
