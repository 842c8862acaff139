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
  'command-elsewhere': ['Web', '命令 %1 只有 pendra-cli 才有：这里只计算 wage、bonus、labour、settle、severance 和 reverse'],
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
