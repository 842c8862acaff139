// Makes the words of the module's faults, in Chinese and English, from the program's translation:
//   node catalogue.mjs translations/pendra_en.ts words.json
// Each fault kind names the Chinese source text and the context it is translated in; the English
// is the translation's. A kind whose text has no English stops the build.
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname } from 'node:path';

const usage = ['CommandLine', '%1（用法见 pendra-cli %2 --help）'];
const kinds = {
  'unknown-option': ['CommandLine', '未知选项 %1'],
  'missing-value': ['CommandLine', '选项 %1 缺少值'],
  'unexpected-value': ['CommandLine', '选项 %1 不带值'],
  'extra-argument': ['CommandLine', '多余的参数“%1”'],
  'repeated': ['CommandLine', '选项 %1 给了不止一次'],
  'amount-out-of-range': ['CommandLine', '选项 %1 的金额“%2”超出范围（绝对值最多 %3）'],
  'not-a-number': ['CommandLine', '选项 %1 的值“%2”不是数字'],
  'negative-amount': ['CommandLine', '选项 %1 的金额不能为负数：%2'],
  'month-invalid': ['CommandLine', '月份应为 1 到 12 的整数'],
  'months-out-of-order': ['CommandLine', '起始月份 %1 晚于截止月份 %2'],
  'mode-unknown': ['CommandLine', '未知的减除方式“%1”，应为 按月、自1月 或 6万'],
  'mode-not-in-law': ['CommandLine', '减除方式 %1 自%2起施行（%3），%4 年不能采用'],
  'sixty-not-from-january': ['CommandLine',
    '减除方式 6万 只适用于上年各月均在本单位任职受雇、本年1月起仍在本单位的，起始月份应为 1，不能是 %1'],
  'missing-option': ['CommandLine', '缺少选项 %1'],
  'excluded-option': ['CommandLine', '选项 %1 不能与 %2 同用'],
  'year-invalid': ['WageCommand', '纳税年度“%1”无效，应为 %2 至 %3'],
  'kind-unknown': ['LabourCommand', '未知的类别“%1”，应为 labour、author 或 royalty'],
  'intern-only': ['LabourCommand', '选项 --%1 只用于 --intern'],
  'intern-kind': ['LabourCommand', '在校学生实习只适用于劳务报酬，不能与 --kind %1 同用'],
  'bonus-method-unknown': ['SettleCommand', '未知的奖金计税方法“%1”，应为 separate 或 merged'],
  'years-invalid': ['SeveranceCommand',
    '选项 --years 的值“%1”不是有效的年数：应大于 0、不超过 %2，最多两位小数'],
  'months-invalid': ['SeveranceCommand', '选项 --months 的值“%1”不是有效的月数：应为 1 到 %2 的整数'],
  'internal-retirement-only': ['SeveranceCommand', '选项 --months 和 --wage 只用于 --internal-retirement'],
  'early-retirement-only': ['SeveranceCommand', '选项 --years 只用于 --early-retirement'],
  'base-without-rate': ['ReverseCommand', '选项 --%1 只与 --insurance-rate 同用'],
  'rate-invalid': ['ReverseCommand', '选项 --insurance-rate 的值“%1”不是百分数（最多两位小数，如 10.5）'],
  'rate-too-high': ['ReverseCommand', '缴费比例 %1% 超过 %2'],
  'base-out-of-order': ['ReverseCommand', '缴费基数上限 %1 低于下限 %2'],
  'unreachable': ['ReverseCommand', '税后 %1 元无法达到：税前%2在 %3 元以下时都达不到'],
  'reverse-kind-missing': ['ReverseCommand', '缺少反算类别'],
  'reverse-kind-unknown': ['ReverseCommand', '未知的反算类别“%1”'],
  'command-unknown': ['Cli', '未知命令“%1”（用法见 pendra-cli --help）'],
  'command-missing': ['Cli', '缺少命令（用法见 pendra-cli --help）'],
  'lang-repeated': ['Cli', '选项 --lang 给了不止一次'],
  'lang-invalid': ['Cli', '--lang 的值应为 zh（中文）或 en（英文），而不是“%1”'],
  'command-elsewhere': ['Web', '命令 %1 只有 pendra-cli 才有：这里只计算 wage、bonus、labour、settle、severance、reverse、year 和 household'],
  'document-too-large': ['Web', '%1有 %2 字节，最多 %3 字节，不读取'],
  'year-file-missing': ['YearCommand', '缺少年度文件'],
  'household-file-missing': ['HouseholdCommand', '缺少家庭文件'],
  // The files of year and household as the twin reads them.
  'file/not-found': ['JsonFile', '文件“%1”不存在'],
  'file/denied': ['JsonFile', '没有读取文件“%1”的权限'],
  'file/unreadable': ['JsonFile', '无法读取文件“%1”：%2'],
  'file/folder': ['JsonFile', '“%1”是文件夹，不是%2'],
  'file/not-regular': ['JsonFile', '文件“%1”不是普通文件（是设备、管道或套接字），不读取'],
  'file/too-large': ['JsonFile', '文件“%1”有 %2 字节，%3最多 %4 字节，不读取'],
  'file/grew': ['JsonFile', '文件“%1”超过%2的上限 %3 字节，不读取'],
  // What formats/ finds in a file of facts.
  'json/syntax': ['JsonFile', '不是有效的 JSON：%1附近%2'],
  'json/utf16': ['JsonFile', '%1是 UTF-16 编码的：%1应为 UTF-8 编码（请以 UTF-8 另存）'],
  'json/not-a-document': ['JsonFile', '%1应为一个 JSON 对象（{…}）'],
  'json/control-character': ['JsonFile', '字符串中有未转义的控制字符 %1（JSON 中应写作 %1）'],
  'json/lone-surrogate': ['JsonFile', '%1 是半个代理对，不是有效的字符（文本应为有效的 UTF-8）'],
  'json/duplicate-key': ['JsonFile', '同一对象中此键出现了不止一次'],
  'json/not-an-amount': ['JsonFile', '“%1”不是金额'],
  'json/amount-negative': ['JsonFile', '金额不能为负数：%1'],
  'json/amount-decimals': ['JsonFile', '金额最多两位小数：%1'],
  'json/amount-too-large': ['JsonFile', '金额超出范围（最多 %1）'],
  'json/not-amount-type': ['JsonFile', '应为金额（数字或字符串）'],
  'json/not-integer': ['JsonFile', '应为整数'],
  'json/number-out-of-range': ['JsonFile', '数字 %1 超出范围'],
  'json/not-text': ['JsonFile', '应为文本（字符串）'],
  'json/not-date': ['JsonFile', '“%1”不是 YYYY-MM-DD 形式的日期'],
  'json/not-month': ['JsonFile', '“%1”不是 YYYY-MM 形式的年月'],
  'json/education-end-before-birth': ['JsonFile', '受教育结束的年月早于子女的出生日期 %1'],
  'json/unknown-name': ['JsonFile', '未知的值“%1”，应为 %2'],
  'json/not-object': ['JsonFile', '应为对象（{…}）'],
  'json/unknown-key': ['JsonFile', '未知的键（此处可用的键：%1）'],
  'json/missing-key': ['JsonFile', '缺少此键'],
  'json/not-flag': ['JsonFile', '应为 true 或 false'],
  'json/not-list': ['JsonFile', '应为列表（[…]）'],
  'json/not-patient': ['YearFile', '应为 children 中的序号（从 0 起的整数）或孩子的名字'],
  'json/name-too-long': ['YearFile', '姓名最长 %1 个字'],
  'json/share-in-shared': ['HouseholdFile', '共同项目的扣除比例由家庭分配决定，不能填写 share'],
  'json/now-not-allowed': ['HouseholdFile', '税法不允许这样扣除此项'],
  'json/signer-missing': ['HouseholdFile',
    '缺少此键：夫妻主要工作城市相同的，租房由签订租赁合同的一方扣除（%1），请写明签约人 a、b 或 both'],
  // What the year engine's checks refuse.
  'year/year-unknown': ['YearFile', '本程序只有 %1 至 %2 年的规则，没有 %3 年的'],
  'year/too-many-entries': ['YearFile', '条目过多，最多 %1 条'],
  'year/no-job': ['YearFile', '至少要有一份工作'],
  'year/no-employer': ['YearFile', '单位名称不能为空'],
  'year/no-pay': ['YearFile', '至少要有一项工资'],
  'year/month-out-of-range': ['YearFile', '月份应为 1 到 12'],
  'year/from-after-to': ['YearFile', '起始（from）晚于截止（to）'],
  'year/amount-negative': ['YearFile', '金额不能为负数'],
  'year/amount-too-large': ['YearFile', '金额超出范围（最多 %1）'],
  'year/first-pay-not-job-from': ['YearFile', '第一项工资应从工作的起始月份（%1 月）开始'],
  'year/pay-not-rising': ['YearFile', '应晚于上一项工资的起始月份'],
  'year/pay-after-job-end': ['YearFile', '晚于工作的截止月份（%1 月）'],
  'year/deducted-twice': ['YearFile', '%1 月与 %2 都扣除专项附加扣除，同一个月只能由一个单位扣除'],
  'year/sixty-not-from-january': ['YearFile', '“6万”只适用于从 1 月起任职的工作'],
  'year/sixty-not-yet-law': ['YearFile', '“6万”自%1起施行（%2），%3 年不能采用'],
  'year/from-january-not-yet-law': ['YearFile', '“自1月”自%1起施行（%2），%3 年不能采用'],
  'year/pension-before-scheme': ['YearFile', '个人养老金自%1起实施，此前缴纳的不能扣除'],
  'year/from-january-not-first': ['YearFile', '“自1月”只适用于本年第一份工作，%1 开始得更早'],
  'year/share-not-half-or-whole': ['YearFile', '扣除比例应为 100 或 50'],
  'year/elderly-share-too-large': ['YearFile', '每月分摊额超过 %1 年的上限 %2 元'],
  'year/elderly-share-missing': ['YearFile', '不是独生子女时须填写每月分摊额'],
  'year/no-parent': ['YearFile', '至少要有一位父母的出生日期'],
  'year/rent-amount-unknown': ['YearFile', '住房租金应为每月 %1、%2 或 %3 元'],
  'year/rent-and-loan': ['YearFile', '与 %1 都在 %2 年内，住房租金和住房贷款利息一年只能扣除其一'],
  'year/outside-year': ['YearFile', '不在 %1 年内'],
  'year/no-such-employer': ['YearFile', '没有哪份工作的 employer 与之相同'],
  'year/days-out-of-range': ['YearFile', '在中国境内的天数应为 1 到 %1'],
  'year/no-such-child': ['YearFile', 'children 中只有 %1 个子女（序号从 0 起）'],
  'year/child-name-empty': ['YearFile', '孩子的名字不能为空'],
  'year/child-not-child': ['YearFile', '只有“子女”的大病医疗才能指明是哪个孩子'],
  'year/date-invalid': ['YearFile', '不是有效的日期或年月（年份应在 %1 至 %2 之间）'],
  // What the household engine's checks refuse.
  'household/years-differ': ['HouseholdFile', '与 %1 不是同一年：两人的年度应相同'],
  'household/self-in-shared': ['HouseholdFile',
    '共同的大病医疗应为“子女”或“配偶”；“本人”未说明是哪一方，请写在其本人的年度文件中'],
  'household/child-twice': ['HouseholdFile', '%1 是同一天出生的子女：共同的子女不能再写在个人的年度文件中'],
  'household/loan-twice': ['HouseholdFile', '%1 已有住房贷款：共同的住房贷款不能再写在个人的年度文件中'],
  'household/lease-twice': ['HouseholdFile', '与 %1 的月份重叠：共同的租房不能再写在个人的年度文件中'],
  'household/illness-twice': ['HouseholdFile',
    '%1 是同一对象、同一金额的大病医疗：共同的一项不能再写在个人的年度文件中'],
  'household/rent-and-loan': ['HouseholdFile', '与 %1 都在本年度内：夫妻一年只能扣除住房租金或住房贷款利息其一'],
  'household/too-many-combinations': ['HouseholdFile', '共同项目的分配方式超过 %1 种，不计算；请减少共同项目'],
  'household/now-not-allowed': ['HouseholdFile',
    '税法不允许这样扣除此项（租房只能由签约的一方扣除，住房贷款只有婚前各自购房的才能各扣一半，大病医疗不能各扣一半）'],
  'text-elsewhere': ['Web', '这里只以 JSON 输出：请加 --json（文字表格只有 pendra-cli 才有）'],
  'help-elsewhere': ['Web', '帮助只有 pendra-cli 才有：pendra-cli %1 --help'],
  'request-invalid': ['Web', '参数应为字符串的数组'],
  'request-too-large': ['Web', '参数超过 %1 字节'],
};
// The words a fault's values stand for, and the pieces around the words.
const pieces = {
  'usage': usage,
  'prefix': ['Output', 'pendra-cli：%1\n'],
  'reverse-kinds': ['ReverseCommand', '，应为 wage、bonus 或 labour（用法见 pendra-cli reverse --help）'],
  'monthly-income': ['ReverseCommand', '每月收入'],
  'monthly-wage': ['ReverseCommand', '月薪'],
  'bonus': ['ReverseCommand', '奖金'],
  'income': ['ReverseCommand', '收入'],
  'date': ['LawText', 'yyyy年M月d日'],
  'sat': ['LawText', '国家税务总局公告%1年第%2号'],
  'mof-sat': ['LawText', '财政部 税务总局公告%1年第%2号'],
  'year-file': ['YearFile', '年度文件'],
  'household-file': ['HouseholdFile', '家庭文件'],
  'fault-in': ['JsonFile', '文件“%1”有误：%2'],
  'with-path': ['JsonFile', '%1：%2'],
  'place': ['JsonFile', '第 %1 行第 %2 列'],
  'list': ['JsonFile', '、'],
  'without-now': ['HouseholdCommand', '%1 未写 now（现在由谁扣除）：只有每个共同项目都写明时，才给出现在的分配'],
  'unterminated-object': ['JsonFile', '对象缺少结尾的 }'],
  'missing-name-separator': ['JsonFile', '键后缺少冒号'],
  'unterminated-array': ['JsonFile', '列表缺少结尾的 ]'],
  'missing-value-separator': ['JsonFile', '缺少分隔的逗号'],
  'illegal-number': ['JsonFile', '数字写法有误或超出范围'],
  'illegal-escape': ['JsonFile', '字符串中有无效的转义'],
  'illegal-utf8': ['JsonFile', '不是有效的 UTF-8 文本'],
  'unterminated-string': ['JsonFile', '字符串缺少结尾的引号'],
  'deep-nesting': ['JsonFile', '嵌套过深'],
  'garbage-at-end': ['JsonFile', '结尾有多余的内容'],
  'unrecognised': ['JsonFile', '无法识别的内容'],
  'EPERM': ['SheetText', '没有权限'],
  'ENOTDIR': ['SheetText', '路径中有一部分不是文件夹'],
  'EIO': ['SheetText', '输入输出错误'],
  'ENAMETOOLONG': ['SheetText', '文件名过长'],
  'ELOOP': ['SheetText', '符号链接过多'],
};

const [tsPath, outPath] = process.argv.slice(2);
const ts = readFileSync(tsPath, 'utf8');
const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
  .replace(/&apos;/g, "'").replace(/&#x([0-9a-f]+);/gi, (_, h) => String.fromCodePoint(parseInt(h, 16)))
  .replace(/&amp;/g, '&');
const english = new Map();
for (const context of ts.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g)) {
  for (const message of context[2].matchAll(
    /<message>\s*<source>([\s\S]*?)<\/source>\s*<translation(?: type="[^"]*")?>([\s\S]*?)<\/translation>/g)) {
    english.set(`${context[1]}\u0000${unescape(message[1])}`, unescape(message[2]));
  }
}
const words = { kinds: {}, pieces: {} };
const missing = [];
for (const [group, table] of [['kinds', kinds], ['pieces', pieces]]) {
  for (const [key, [context, zh]] of Object.entries(table)) {
    const en = english.get(`${context}\u0000${zh}`);
    if (!en) missing.push(`${context}: ${zh}`);
    words[group][key] = { zh, en };
  }
}
if (missing.length) {
  console.error(`No English in ${tsPath} for:\n  ${missing.join('\n  ')}`);
  process.exit(1);
}
mkdirSync(dirname(outPath), { recursive: true });
writeFileSync(outPath, JSON.stringify(words, null, 1) + '\n');
