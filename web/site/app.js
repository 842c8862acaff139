// The browser edition's pages over the WebAssembly module. Every figure shown comes from the
// module's JSON; this file only reads the fields, calls the module and lays out what it answers.
// build.mjs wraps it with the module's loader and the words catalogue into one classic script,
// so that the page also runs when opened from a file, where modules and fetch are refused.

/* global uPlot, SITE_WORDS, load, dateWords */

const store = (() => {
  // Storage refused (a private window, a policy) is said where it matters, never thrown.
  try {
    const probe = 'pendra.probe';
    localStorage.setItem(probe, '1');
    localStorage.removeItem(probe);
    return localStorage;
  } catch {
    return null;
  }
})();
// What the browser would not keep is said at the foot of every page until a later write succeeds.
const storageWords = { full: () => t('浏览器的存储已满：本页的输入没有保存在本机'), refused: () => t('浏览器不允许本页保存数据：本页的输入不会保存在本机') };
const keep = (key, value) => {
  let state = 'ok';
  if (!store) state = 'refused';
  else {
    try {
      if (value === null) store.removeItem(key);
      else store.setItem(key, value);
    } catch (error) {
      state = error && error.name === 'QuotaExceededError' ? 'full' : 'refused';
    }
  }
  const said = document.getElementById('storage');
  if (said) said.textContent = state === 'ok' ? '' : storageWords[state]();
  return state;
};
const kept = (key) => (store ? store.getItem(key) : null);

let lang = kept('pendra.lang') || ((navigator.language || 'zh').toLowerCase().startsWith('zh') ? 'zh' : 'en');
const t = (zh, ...values) => {
  const text = lang === 'en' && SITE_WORDS[zh] ? SITE_WORDS[zh] : zh;
  return text.replace(/%(\d)/g, (all, n) => (n - 1 < values.length ? String(values[n - 1]) : all));
};

let pendra = null;

// A small element builder: tag, attributes (on… as listeners), children.
function h(tag, attrs = {}, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attrs)) {
    if (value === undefined || value === null || value === false) continue;
    if (key.startsWith('on')) node.addEventListener(key.slice(2), value);
    else if (key === 'text') node.textContent = value;
    else node.setAttribute(key, value === true ? '' : value);
  }
  for (const child of children.flat()) {
    if (child === null || child === undefined || child === false) continue;
    node.append(child instanceof Node ? child : document.createTextNode(String(child)));
  }
  return node;
}

const uid = (() => {
  let n = 0;
  return () => `f${++n}`;
})();

// A labelled input. The path names the field as faults name it: an option (--income) or a key
// path of the year file (jobs[0].pay[1].income).
function field(label, path, value, onInput, { type = 'text', options = null, hint = '' } = {}) {
  const id = uid();
  let input;
  if (options) {
    // Choices worded when the field is made, so that they follow the language in use.
    const choices = typeof options === 'function' ? options() : options;
    input = h('select', { id, 'data-path': path },
      choices.map(([key, words]) => h('option', { value: key, selected: String(value ?? '') === String(key) }, words)));
    input.addEventListener('change', () => onInput(input.value));
  } else if (type === 'checkbox') {
    input = h('input', { id, type: 'checkbox', 'data-path': path, checked: !!value });
    input.addEventListener('change', () => onInput(input.checked));
  } else {
    input = h('input', { id, type: 'text', 'data-path': path, value: value ?? '', inputmode: type, placeholder: hint,
      autocomplete: 'off' });
    input.addEventListener('input', () => onInput(input.value));
  }
  return h('div', { class: type === 'checkbox' ? 'field check' : 'field' }, h('label', { for: id }, label), input,
    h('div', { class: 'fault', 'data-fault-for': path, role: 'alert' }));
}

function showFault(root, fault, where) {
  for (const node of root.querySelectorAll('[aria-invalid]')) node.removeAttribute('aria-invalid');
  for (const node of root.querySelectorAll('.fault')) node.textContent = '';
  if (!fault) return;
  const path = fault.path || '';
  const input = path ? root.querySelector(`[data-path="${CSS.escape(path)}"]`) : null;
  if (input) {
    input.setAttribute('aria-invalid', 'true');
    // At its field a fault of the year file needs no key path: the field is the place.
    const words = /^(json|year|household)\//.test(fault.kind || '') ? pendra.words({ ...fault, path: '' }, lang) : fault.message;
    root.querySelector(`[data-fault-for="${CSS.escape(path)}"]`).textContent = words;
  } else {
    where.textContent = fault.message;
  }
}

const table = (heads, rows, numeric = true) =>
  h('div', { class: 'table-wrap', tabindex: '0' },
    h('table', { class: numeric ? 'numbers' : '' },
      h('thead', {}, h('tr', {}, heads.map((head) => h('th', { scope: 'col' }, head)))),
      h('tbody', {}, rows.map((row) => h('tr', {}, row.map((cell, i) => (i === 0 ? h('th', { scope: 'row' }, cell) : h('td', {}, cell))))))));
const pairs = (rows) => table([t('项目'), t('金额')], rows);

// A chart that keeps its uPlot between edits: only its data changes on an edit.
function chartHolder() {
  const holder = { node: h('div', { class: 'chart' }), plot: null, key: '' };
  holder.draw = (key, makeOptions, data) => {
    const width = Math.max(260, Math.min(holder.node.clientWidth || 640, 900));
    if (holder.plot && holder.key === key && holder.width === width) {
      holder.plot.setData(data);
      return;
    }
    if (holder.plot) holder.plot.destroy();
    holder.key = key;
    holder.width = width;
    holder.plot = new uPlot(makeOptions(width), data, holder.node);
  };
  return holder;
}

const money = (text) => Number(text);
const monthWords = (m) => t('%1月', m);

// ---------------------------------------------------------------------------------------------
// The calculator pages: fields as options of a pendra-cli command, the answer laid out.

function optionsPage(name, fields, compute, render) {
  const saved = JSON.parse(kept(`pendra.page.${name}`) || 'null') || {};
  const values = Object.fromEntries(fields.map((f) => [f.key, saved[f.key] ?? f.initial ?? '']));
  return () => {
    const out = h('div', { class: 'results', 'aria-live': 'polite' });
    const top = h('div', { class: 'fault top', role: 'alert' });
    const form = h('form', { class: 'facts', onsubmit: (e) => e.preventDefault() });
    const run = () => {
      const options = {};
      for (const f of fields) {
        const value = values[f.key];
        if (f.type === 'checkbox') options[f.key] = !!value;
        else if (value !== '' && value !== undefined) options[f.key] = value;
      }
      const answer = compute(options);
      showFault(form, answer.ok ? null : answer.fault, top);
      if (answer.ok) top.textContent = '';
      out.replaceChildren(...(answer.ok ? render(answer.value, options) : []));
      keep(`pendra.page.${name}`, JSON.stringify(values));
    };
    // A field only some choices take (the insurance of a wage) is hidden with the others.
    const shown = [];
    const showFields = () => shown.forEach(([f, node]) => { node.hidden = !f.when(values); });
    for (const f of fields) {
      const node = field(t(f.label), `--${f.key.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`)}`, values[f.key], (v) => {
        values[f.key] = v;
        showFields();
        run();
      }, f);
      if (f.when) shown.push([f, node]);
      form.append(node);
    }
    showFields();
    queueMicrotask(run);
    return [form, top, out];
  };
}

const modeOptions = () => [['按月', t('按月减除')], ['自1月', t('自1月起累计减除')], ['6万', t('6万元一次减除')]];
const monthOptions = () => Array.from({ length: 12 }, (_, i) => [String(i + 1), monthWords(i + 1)]);

function wageMonths(months) {
  return table([t('月份'), t('本月收入'), t('累计应纳税所得额'), t('税率'), t('累计应纳税额'), t('本月预扣税额'), t('税后收入')],
    months.map((m) => [monthWords(m.month), m.income, m.cumulative_taxable ?? m.taxable, `${m.rate}%`, m.cumulative_tax ?? m.tax, m.tax, m.net]));
}

const pages = {};

pages.wage = optionsPage('wage', [
  { key: 'income', label: '每月收入', type: 'decimal', initial: '20000' },
  { key: 'exempt', label: '免税收入', type: 'decimal' },
  { key: 'insurance', label: '三险一金', type: 'decimal', initial: '2000' },
  { key: 'special', label: '专项附加扣除', type: 'decimal', initial: '3000' },
  { key: 'other', label: '其他扣除', type: 'decimal' },
  { key: 'mode', label: '基本减除费用', options: modeOptions, initial: '按月' },
  { key: 'from', label: '起始月份', options: monthOptions, initial: '1' },
  { key: 'to', label: '截止月份', options: monthOptions, initial: '12' },
  { key: 'nonresident', label: '非居民个人', type: 'checkbox' },
], (o) => pendra.wage(o, { lang }), (v) => [h('h2', {}, t('逐月累计预扣')), wageMonths(v.months ?? [v])]);

const bonusChart = chartHolder();
pages.bonus = optionsPage('bonus', [
  { key: 'bonus', label: '全年一次性奖金', type: 'decimal', initial: '38000' },
  { key: 'taxable', label: '其他综合所得应纳税所得额', type: 'decimal', initial: '100000' },
  { key: 'nonresident', label: '非居民个人', type: 'checkbox' },
], (o) => pendra.bonus(o, { lang }), (v, o) => {
  const rows = [];
  if (v.separate) {
    rows.push([t('单独计税：奖金税额'), v.separate.bonus_tax], [t('单独计税：税额合计'), v.separate.total],
      [t('并入综合所得：奖金税额'), v.merged.bonus_tax], [t('并入综合所得：税额合计'), v.merged.total],
      [t('较优方法'), v.better === 'merged' ? t('并入综合所得') : t('单独计税')], [t('少缴'), v.saving]);
    if (v.cliff) rows.push([t('临界区间'), `${v.cliff.from} – ${v.cliff.to}`], [t('多发反少得'), v.cliff.loss]);
    if (v.best_split) rows.push([t('最优奖金'), v.best_split.bonus], [t('再省'), v.best_split.saving]);
  } else {
    for (const [key, value] of Object.entries(v)) if (typeof value !== 'object') rows.push([key, value]);
  }
  const nodes = [pairs(rows)];
  if (v.separate) {
    nodes.push(h('h2', {}, t('奖金到手：单独计税与并入综合所得')), bonusChart.node);
    requestAnimationFrame(() => drawBonusCurve(o));
  }
  return nodes;
});

// What each bonus up to a little past the one typed keeps under both methods, every point the
// module's answer; a cliff is sampled from both sides so that it shows as an upright drop.
function drawBonusCurve(o) {
  const top = Math.max(money(o.bonus) * 1.25, 1000);
  const points = 160;
  const xs = [];
  for (let i = 0; i <= points; i++) xs.push(Math.round((top * i) / points));
  const cliffs = [];
  for (let i = 1; i < xs.length; i++) {
    const answer = pendra.bonus({ bonus: xs[i], taxable: o.taxable ?? 0 }, { lang });
    if (answer.ok && answer.value.cliff) cliffs.push(money(answer.value.cliff.from));
  }
  for (const c of new Set(cliffs)) if (c < top) xs.push(c, c + 0.01);
  xs.sort((a, b) => a - b);
  const separate = [];
  const merged = [];
  const xsKept = [];
  for (const x of xs) {
    const answer = pendra.bonus({ bonus: x.toFixed(2), taxable: o.taxable ?? 0 }, { lang });
    if (!answer.ok) continue;
    xsKept.push(x);
    separate.push(x - money(answer.value.separate.bonus_tax));
    merged.push(x - money(answer.value.merged.bonus_tax));
  }
  bonusChart.draw(`bonus-${lang}`, (width) => ({
    width, height: 280,
    scales: { x: { time: false } },
    axes: [{ label: t('全年一次性奖金') }, { label: t('到手') , size: 70 }],
    series: [{ label: t('奖金') }, { label: t('单独计税'), stroke: '#c0392b', width: 2 },
      { label: t('并入综合所得'), stroke: '#2471a3', width: 2 }],
  }), [xsKept, separate, merged]);
}

pages.labour = optionsPage('labour', [
  { key: 'income', label: '收入', type: 'decimal', initial: '30000' },
  { key: 'kind', label: '类别', options: () => [['labour', t('劳务报酬')], ['author', t('稿酬')], ['royalty', t('特许权使用费')]], initial: 'labour' },
  { key: 'nonresident', label: '非居民个人', type: 'checkbox' },
], (o) => pendra.labour(o, { lang }), (v) => [pairs([[t('收入'), v.income], [t('减除费用'), v.deduction],
  [t('应纳税所得额'), v.taxable], [t('税率'), `${v.rate}%`], [t('速算扣除数'), v.quick_deduction],
  [t('应预扣税额'), v.tax], [t('税后收入'), v.after_tax]])]);

function settlementRows(s) {
  return [[t('综合所得收入额'), s.income_amount], [t('扣除合计'), s.deductions], [t('捐赠限额'), s.donation_limit],
    [t('捐赠扣除'), s.donations], [t('应纳税所得额'), s.taxable], [t('税率'), `${s.rate}%`],
    [t('速算扣除数'), s.quick_deduction], [t('综合所得应纳税额'), s.tax], [t('年终奖单独计税税额'), s.bonus_tax],
    [t('应纳税额合计'), s.total_tax], [t('已预缴税额'), s.withheld], [t('应补（退）税额'), s.balance]];
}

// The settlement in the desktop program's words (common/USettlementSentences.cpp, whose texts
// build.mjs takes with their English): every figure of the law is the module's, from the year's
// rules; here they are only written as the desktop writes them.
const yuan = (amount) => t('%1元', amount.replace(/^-/, ''));
// An amount of the law without its decimals when it is whole: "400", "38566.67".
const lawAmount = (amount) => amount.replace(/\.00$/, '');
const lawDate = (iso) => dateWords(iso, t('yyyy年M月d日'));
const lawDocument = ({ issuer, year, number }) =>
  t(issuer === 'sat' ? '国家税务总局公告%1年第%2号' : '财政部 税务总局公告%1年第%2号', year, number);
function settlementPeriod(s) {
  const [from, until] = [s.settlement_from, s.settlement_until].map((iso) => iso.split('-').slice(1).map(Number));
  return t('次年%1月%2日至%3月%4日', from[0], from[1], until[0], until[1]);
}

// Whether a return is needed, in a few words.
function filingHeadline(s) {
  if (s.reason === 'refund') return t('可以办理年度汇算申请退税');
  return s.reason === 'owe' ? t('需要办理年度汇算') : t('无需办理年度汇算');
}

// Why, citing the announcement of the settlement's year.
function sentence(s) {
  const until = () => t('（%1，此项免于办理的规定施行至%2）', lawDocument(s.exemptions), lawDate(s.exemptions_until));
  switch (s.reason) {
  case 'refund': return t('已预缴税额比全年应纳税额多%1：可在%2办理年度汇算申请退税；放弃退税的，可以不办理。',
    yuan(s.balance), settlementPeriod(s));
  case 'none': return t('已预缴税额与全年应纳税额相等，既不需补税，也没有退税。');
  case 'owe_small': return t('需补税%1，不超过%2元，依规定无需办理年度汇算，也不必补缴%3。',
    yuan(s.balance), lawAmount(s.small_owed), until());
  case 'income_low': return t('需补税%1，但全年综合所得收入不超过%2元，依规定无需办理年度汇算，也不必补缴%3。',
    yuan(s.balance), lawAmount(s.low_income), until());
  default: break;
  }
  if (s.exemption_barred)
    return t('需补税%1。有扣缴义务人应预扣预缴而未预扣，不适用补税不超过%2元或收入不超过%3元免于办理的规定：须在%4办理年度汇算并补缴税款。',
      yuan(s.balance), lawAmount(s.small_owed), lawAmount(s.low_income), settlementPeriod(s));
  return t('需补税%1，超过%2元，且全年综合所得收入超过%3元：须在%4办理年度汇算并补缴税款。',
    yuan(s.balance), lawAmount(s.small_owed), lawAmount(s.low_income), settlementPeriod(s));
}

// The headline above its reason, as the settlement page and the year's results show them: red
// when a return must be made.
const filing = (s) => [h('p', { class: s.must_file ? 'filing must' : 'filing' }, filingHeadline(s)), h('p', { class: 'sentence' }, sentence(s))];
// One person of a household in one line, as the household page says it.
const filingOf = (who, s) => h('p', { class: 'sentence' }, t('%1：%2。%3', who, filingHeadline(s), sentence(s)));

pages.settle = optionsPage('settle', [
  { key: 'wages', label: '工资薪金收入', type: 'decimal', initial: '240000' },
  { key: 'labour', label: '劳务报酬', type: 'decimal' },
  { key: 'author', label: '稿酬', type: 'decimal' },
  { key: 'royalty', label: '特许权使用费', type: 'decimal' },
  { key: 'insurance', label: '三险一金', type: 'decimal', initial: '24000' },
  { key: 'special', label: '专项附加扣除', type: 'decimal', initial: '36000' },
  { key: 'bonus', label: '全年一次性奖金', type: 'decimal' },
  { key: 'bonusMethod', label: '奖金计税方法', options: () => [['separate', t('单独计税')], ['merged', t('并入综合所得')]], initial: 'separate' },
  { key: 'withheld', label: '已预缴税额', type: 'decimal', initial: '10000' },
  { key: 'unwithheld', label: '有扣缴义务人应预扣预缴而未预扣', type: 'checkbox' },
], (o) => pendra.settle(o, { lang }), (v) => [pairs(settlementRows(v)), ...filing(v)]);

pages.reverse = optionsPage('reverse', [
  { key: 'kind', label: '反算类别', options: () => [['wage', t('工资薪金')], ['bonus', t('全年一次性奖金')], ['labour', t('劳务报酬')]], initial: 'wage' },
  { key: 'net', label: '税后金额', type: 'decimal', initial: '15000' },
  { key: 'insuranceRate', label: '三险一金比例（%）', type: 'decimal', initial: '10.5', when: (v) => v.kind === 'wage' },
  { key: 'baseMin', label: '缴费基数下限', type: 'decimal', initial: '7162', when: (v) => v.kind === 'wage' },
  { key: 'baseMax', label: '缴费基数上限', type: 'decimal', initial: '35811', when: (v) => v.kind === 'wage' },
], (o) => {
  const { kind, ...rest } = o;
  if (kind !== 'wage') {
    delete rest.insuranceRate;
    delete rest.baseMin;
    delete rest.baseMax;
  }
  return pendra.reverse(kind, rest, { lang });
}, (v) => {
  const rows = [[t('税前'), v.gross]];
  if ((v.tax ?? v.bonus_tax) !== undefined) rows.push([t('税额'), v.tax ?? v.bonus_tax]);
  if (v.net !== undefined) rows.push([t('税后'), v.net]);
  const nodes = [pairs(rows)];
  if (v.months) nodes.push(wageMonths(v.months));
  return nodes;
});

// ---------------------------------------------------------------------------------------------
// 我的纳税年度: the year file's facts in forms, recomputed by the module on every edit.

const yearKey = 'pendra.year';
const exampleYear = () => ({
  year: 2026,
  jobs: [{ employer: '甲公司', from: 1, to: 12, mode: '按月', deductions_here: true,
    pay: [{ from: 1, income: 20000, exempt: 0, insurance: 2000, other: 0 }, { from: 7, income: 25000, insurance: 2500 }] }],
});
let facts = (() => {
  try {
    return JSON.parse(kept(yearKey) || 'null') || exampleYear();
  } catch {
    return exampleYear();
  }
})();

// The year file's shape as the forms show it. A list item's fields and a kind per field.
const M = 'month';
const A = 'amount';
const yearForm = () => [
  { key: 'year', label: '纳税年度', kind: 'int' },
  { key: 'name', label: '姓名', kind: 'text' },
  { key: 'days_in_china', label: '在华居住天数（居民可不填）', kind: 'int' },
  { list: 'jobs', label: '任职受雇', add: () => ({ employer: '', from: nextMonth(facts.jobs, 'to'), to: 12, pay: [{ income: 0 }] }), fields: [
    { key: 'employer', label: '单位', kind: 'text' }, { key: 'from', label: '起始月份', kind: M },
    { key: 'to', label: '截止月份', kind: M }, { key: 'mode', label: '基本减除费用', kind: 'select', options: modeOptions },
    { key: 'deductions_here', label: '在此单位扣除专项附加扣除', kind: 'check', initial: true },
    { list: 'pay', label: '工资', add: (job) => ({ from: nextMonth(job.pay, 'from') }), fields: [
      { key: 'from', label: '自', kind: M }, { key: 'income', label: '每月收入', kind: A },
      { key: 'exempt', label: '免税收入', kind: A }, { key: 'insurance', label: '三险一金', kind: A },
      { key: 'other', label: '其他扣除', kind: A }] }] },
  { list: 'children', label: '子女', add: () => ({ born: '', share: 100 }), fields: [
    { key: 'born', label: '出生日期（年-月-日）', kind: 'text' }, { key: 'share', label: '扣除比例', kind: 'select', options: () => [['100', '100%'], ['50', '50%']] },
    { key: 'education_end', label: '学历教育结束（年-月）', kind: 'text' }] },
  { object: 'elderly', label: '赡养老人', add: () => ({ parents_born: [''], only_child: true }), fields: [
    { key: 'parents_born', label: '父母出生日期（年-月-日，以逗号分隔）', kind: 'dates' },
    { key: 'only_child', label: '独生子女', kind: 'check' }, { key: 'share', label: '每月分摊额', kind: A }] },
  { object: 'housing_loan', label: '住房贷款利息', add: () => ({ first_repayment: '', share: 100 }), fields: [
    { key: 'first_repayment', label: '首次还款（年-月）', kind: 'text' },
    { key: 'share', label: '扣除比例', kind: 'select', options: () => [['100', '100%'], ['50', '50%']] }] },
  { list: 'rent', label: '住房租金', add: () => ({ from: '', to: '', amount: 1500 }), fields: [
    { key: 'from', label: '起（年-月）', kind: 'text' }, { key: 'to', label: '止（年-月）', kind: 'text' }, { key: 'amount', label: '每月', kind: A }] },
  { list: 'degree_study', label: '学历继续教育', add: () => ({ from: '' }), fields: [
    { key: 'from', label: '起（年-月）', kind: 'text' }, { key: 'to', label: '止（年-月）', kind: 'text' }] },
  { list: 'certificates', label: '职业资格证书', add: () => '', scalar: { label: '取得（年-月）', kind: 'text' } },
  { list: 'illness', label: '大病医疗', add: () => ({ who: '本人', paid: 0 }), fields: [
    { key: 'who', label: '患者', kind: 'select', options: () => [['本人', t('本人')], ['配偶', t('配偶')], ['子女', t('子女')]] },
    { key: 'paid', label: '自付金额', kind: A }] },
  { list: 'pension', label: '个人养老金', add: () => ({ month: 12, amount: 0 }), fields: [
    { key: 'month', label: '月份', kind: M }, { key: 'amount', label: '缴费', kind: A }] },
  { list: 'health_insurance', label: '商业健康保险', add: () => ({ from: 1, to: 12, monthly: 200 }), fields: [
    { key: 'from', label: '起始月份', kind: M }, { key: 'to', label: '截止月份', kind: M }, { key: 'monthly', label: '每月', kind: A }] },
  { list: 'payments', label: '劳务报酬、稿酬、特许权使用费', add: () => ({ month: 1, kind: 'labour', amount: 0 }), fields: [
    { key: 'month', label: '月份', kind: M },
    { key: 'kind', label: '类别', kind: 'select', options: () => [['labour', t('劳务报酬')], ['author', t('稿酬')], ['royalty', t('特许权使用费')]] },
    { key: 'amount', label: '收入', kind: A }] },
  { object: 'bonus', label: '全年一次性奖金', add: () => ({ month: 1, amount: 0, employer: facts.jobs?.[0]?.employer ?? '' }), fields: [
    { key: 'month', label: '月份', kind: M }, { key: 'amount', label: '金额', kind: A }, { key: 'employer', label: '发放单位', kind: 'text' }] },
  { key: 'bonus_method', label: '年终奖汇算方法', kind: 'select', options: () => [['', ''], ['best', t('两种方法中税额较低者')], ['separate', t('单独计税')], ['merged', t('并入综合所得')]] },
  { list: 'donations', label: '公益慈善捐赠', add: () => ({ month: 12, amount: 0, full: false }), fields: [
    { key: 'month', label: '月份', kind: M }, { key: 'amount', label: '金额', kind: A }, { key: 'full', label: '全额扣除', kind: 'check' }] },
];

function nextMonth(list, key) {
  const last = list && list.length ? Number(list[list.length - 1][key]) : 0;
  return Math.min(12, (Number.isInteger(last) ? last : 0) + 1);
}

// A typed value as the file keeps it: a plain number stays a number (as the desktop writes it),
// anything else stays the text typed, for the module to refuse at its key.
function fileValue(kind, text) {
  if (kind === 'check') return !!text;
  if (kind === 'text') return text;
  if (kind === 'dates') return text.split(/[,，\s]+/).filter(Boolean);
  const s = String(text).trim();
  if (s === '') return undefined;
  if (kind === 'select') return /^\d+$/.test(s) ? Number(s) : s;
  if (/^\d{1,13}(\.\d{1,2})?$/.test(s) && String(Number(s)) === s.replace(/\.0+$|(\.\d*?)0+$/, '$1')) return Number(s);
  return s;
}

function yearPage() {
  const root = h('div', { class: 'year' });
  const top = h('div', { class: 'fault top', role: 'alert' });
  const note = h('div', { class: 'note', role: 'status' });
  const results = h('div', { class: 'results', 'aria-live': 'polite' });
  const timeline = chartHolder();
  let parts = new Map();
  const form = h('form', { class: 'facts year-facts', onsubmit: (e) => e.preventDefault() });
  const picker = h('input', { type: 'file', accept: '.json,application/json', class: 'hidden', tabindex: '-1' });
  picker.addEventListener('change', () => picker.files[0] && openFile(picker.files[0]));

  const buttons = h('div', { class: 'buttons' },
    h('button', { type: 'button', onclick: () => picker.click() }, t('打开年度文件…')),
    h('button', { type: 'button', onclick: saveFile }, t('保存年度文件')),
    h('button', { type: 'button', onclick: () => {
      if (!confirm(t('新的年度将替换页面上的年度；未保存为文件的内容会丢失。继续？'))) return;
      facts = exampleYear();
      edited(true);
    } }, t('新的年度')),
    h('button', { type: 'button', onclick: forget }, t('清除本机保存的年度')), picker);

  function say(text) {
    note.textContent = text;
  }

  function remember(now) {
    const state = keep(yearKey, JSON.stringify(facts));
    if (state === 'full') say(t('浏览器的存储已满：年度没有保存在本机，请用“保存年度文件”保存'));
    else if (state === 'refused') say(t('浏览器不允许本页保存数据：年度没有保存在本机，请用“保存年度文件”保存'));
    else if (now) say('');
  }

  function forget() {
    keep(yearKey, null);
    say(t('已清除本机保存的年度；页面上的年度仍在，直到关闭'));
  }

  function saveFile() {
    const text = `${JSON.stringify(facts, null, 2)}\n`;
    const link = h('a', { href: URL.createObjectURL(new Blob([text], { type: 'application/json' })),
      download: `${facts.year || 'year'}.json` });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  async function openFile(file) {
    picker.value = '';
    const name = file.name.slice(0, 40);
    // A file beyond what the module reads is refused by its size, its bytes never read.
    const answer = file.size > pendra.mostBytes.year
      ? { ok: false, fault: { message: pendra.words({ kind: 'document-too-large', command: 'year', path: '',
        values: [String(file.size), String(pendra.mostBytes.year)] }, lang) } }
      : pendra.year(new Uint8Array(await file.arrayBuffer()), { lang, file: name });
    if (!answer.ok) {
      say(t('%1（未打开，页面上的年度未变）', answer.fault.message));
      return;
    }
    facts = JSON.parse(new TextDecoder().decode(new Uint8Array(await file.arrayBuffer())).replace(/^\uFEFF/, ''));
    edited(true);
    say(t('已打开“%1”', name));
  }

  // An edit of a value recomputes and redraws the results only; adding or removing a row
  // rebuilds the form as well.
  function edited(structure) {
    if (structure) buildForm();
    compute();
    remember(false);
  }

  function input(item, f, path, render) {
    const kind = f.kind;
    const value = kind === 'dates' ? (item[f.key] || []).join(', ') : item[f.key];
    const options = kind === 'select' ? f.options() : null;
    const onInput = (v) => {
      const stored = fileValue(kind === M || kind === 'int' ? 'amount' : kind, v);
      if (stored === undefined || (kind === 'check' && stored === !!f.initial && f.initial !== undefined && item[f.key] === undefined)) delete item[f.key];
      else item[f.key] = stored;
      edited(false);
    };
    const shown = kind === 'check' && item[f.key] === undefined ? f.initial : value;
    return render(field(t(f.label), path, shown, onInput,
      { type: kind === 'check' ? 'checkbox' : kind === A ? 'decimal' : kind === 'text' || kind === 'dates' ? 'text' : 'numeric', options }));
  }

  function section(parent, owner, shape, base) {
    const path = (key) => (base ? `${base}.${key}` : key);
    if (shape.key) {
      parent.append(input(owner, shape, path(shape.key), (x) => x));
      return;
    }
    const box = h('fieldset', { class: 'group' }, h('legend', {}, t(shape.label)));
    parent.append(box);
    if (shape.object) {
      const item = owner[shape.object];
      if (item && typeof item === 'object') {
        for (const f of shape.fields) section(box, item, f, path(shape.object));
        box.append(h('button', { type: 'button', class: 'remove', onclick: () => { delete owner[shape.object]; edited(true); } },
          t('删除%1', t(shape.label))));
      } else {
        box.append(h('button', { type: 'button', onclick: () => { owner[shape.object] = shape.add(owner); edited(true); } },
          t('添加%1', t(shape.label))));
      }
      return;
    }
    const list = Array.isArray(owner[shape.list]) ? owner[shape.list] : [];
    list.forEach((item, i) => {
      const at = `${path(shape.list)}[${i}]`;
      const row = h('div', { class: 'row' });
      if (shape.scalar) {
        row.append(field(t(shape.scalar.label), at, item, (v) => { list[i] = v; edited(false); }));
      } else {
        for (const f of shape.fields) section(row, item, f, at);
      }
      row.append(h('button', { type: 'button', class: 'remove', 'aria-label': t('删除%1 %2', t(shape.label), i + 1),
        onclick: () => { list.splice(i, 1); if (!list.length) delete owner[shape.list]; edited(true); } }, '×'));
      box.append(row);
    });
    box.append(h('button', { type: 'button', onclick: () => {
      owner[shape.list] = list;
      list.push(shape.add(owner));
      edited(true);
    } }, t('添加%1', t(shape.label))));
  }

  function buildForm() {
    form.replaceChildren();
    for (const shape of yearForm()) section(form, facts, shape, '');
  }

  const timelineKeys = ['children', 'infant_care', 'elderly', 'housing_loan', 'rent', 'continuing_education', 'pension', 'health_insurance'];
  const timelineWords = () => [t('子女教育'), t('3岁以下婴幼儿照护'), t('赡养老人'), t('住房贷款利息'), t('住房租金'), t('继续教育'), t('个人养老金'), t('商业健康保险')];
  const colours = ['#1f77b4', '#ff7f0e', '#2ca02c', '#d62728', '#9467bd', '#8c564b', '#e377c2', '#17becf'];

  function drawTimeline(v) {
    const months = v.timeline.map((m) => m.month);
    // Stacked bars: each series is the sum up to it, drawn from the highest down.
    const sums = [];
    let running = months.map(() => 0);
    for (const key of timelineKeys) {
      running = running.map((s, i) => s + money(v.timeline[i][key]));
      sums.push(running);
    }
    const order = timelineKeys.map((_, i) => i).reverse();
    const words = timelineWords();
    timeline.draw(`timeline-${lang}`, (width) => ({
      width, height: 260,
      scales: { x: { time: false, range: [0.5, 12.5] } },
      axes: [{ values: (u, ticks) => ticks.map((m) => (Number.isInteger(m) ? monthWords(m) : '')), splits: () => months },
        { size: 60 }],
      legend: { live: false },
      series: [{ label: t('月份') }, ...order.map((i) => ({ label: words[i], fill: colours[i], stroke: colours[i],
        paths: uPlot.paths.bars({ size: [0.7, 60] }), points: { show: false } }))],
    }), [months, ...order.map((i) => sums[i])]);
  }

  function compute() {
    const answer = pendra.year(JSON.stringify(facts), { lang });
    showFault(form, answer.ok ? null : answer.fault, top);
    if (!answer.ok) {
      results.classList.add('stale');
      return;
    }
    top.textContent = '';
    results.classList.remove('stale');
    const v = answer.value;
    // An edit changes a few of the results: a part whose figures are as before keeps its nodes.
    const last = parts;
    parts = new Map();
    const part = (key, data, make) => {
      const text = `${lang}${JSON.stringify(data)}`;
      const before = last.get(key);
      parts.set(key, before && before.text === text ? before : { text, nodes: make() });
      return parts.get(key).nodes;
    };
    const nodes = [...part('timeline', v.timeline, () => [h('h2', {}, t('每月可扣除的专项附加扣除等')), timeline.node, table([t('月份'), t('合计'), ...timelineWords()],
        v.timeline.map((m) => [monthWords(m.month), m.total, ...timelineKeys.map((k) => m[k])]))])];
    v.jobs.forEach((job, i) => nodes.push(...part(`job${i}`, job, () =>
      [h('h2', {}, t('%1：全年预扣 %2', job.employer, job.withheld)), wageMonths(job.months)])));
    nodes.push(...part('paid', [v.payments, v.bonus], () => {
      const paid = [];
      for (const p of v.payments || []) paid.push([monthWords(p.month), t(p.kind === 'author' ? '稿酬' : p.kind === 'royalty' ? '特许权使用费' : '劳务报酬'), p.amount, p.tax]);
      if (v.bonus) paid.push([monthWords(v.bonus.month), t('全年一次性奖金'), v.bonus.amount, v.bonus.tax]);
      return paid.length ? [h('h2', {}, t('其他收入的预扣')), table([t('月份'), t('类别'), t('收入'), t('预扣税额')], paid)] : [];
    }));
    nodes.push(...part('settlement', v.settlement, () => {
      const s = v.settlement;
      if (!s) return [h('p', { class: 'sentence' }, t('非居民个人：各月单独计税，没有年度汇算'))];
      const shown = [h('h2', {}, t('年度汇算')), pairs([[t('专项附加扣除（不含大病医疗）'), s.special], [t('大病医疗'), s.illness],
        [t('个人养老金'), s.pension], [t('商业健康保险'), s.health_insurance], ...settlementRows(s)])];
      if (s.other_method) {
        const other = s.other_method === 'merged' ? t('年终奖并入综合所得') : t('年终奖单独计税');
        const d = money(s.difference);
        shown.push(h('p', { class: 'other' }, d > 0 ? t('若%1，应纳税额合计为 %2，多 %3', other, s.other_method_tax, s.difference)
          : d < 0 ? t('若%1，应纳税额合计为 %2，少 %3', other, s.other_method_tax, s.difference.replace(/^-/, ''))
            : t('若%1，应纳税额合计同为 %2', other, s.other_method_tax)));
      }
      shown.push(...filing(s));
      return shown;
    }));
    // Only what changed moves in the document.
    const now = [...results.childNodes];
    if (now.length !== nodes.length || nodes.some((n, i) => n !== now[i])) results.replaceChildren(...nodes);
    if (last.get('timeline') !== parts.get('timeline') || !timeline.plot) drawTimeline(v);
  }

  buildForm();
  root.append(buttons, note, top, h('div', { class: 'split' }, form, results));
  queueMicrotask(compute);
  return [root];
}
pages.year = yearPage;

// ---------------------------------------------------------------------------------------------
// The household split: a household file (both years and the shared items) typed or opened.

// The split in its worker; a request while one runs ends that worker. Opened from a file, where
// a page may start no worker, it runs here.
let splitter = null;
let splitting = false;
let asked = 0;
function split(text, id) {
  if (!location.protocol.startsWith('http') || typeof Worker !== 'function')
    return Promise.resolve(pendra.household(text, { lang }));
  if (splitter && splitting) {
    splitter.terminate();
    splitter = null;
  }
  if (!splitter) splitter = new Worker('household-worker.js');
  splitting = true;
  return new Promise((resolve) => {
    splitter.onmessage = ({ data }) => {
      if (data.id !== id) return;
      splitting = false;
      resolve(data.answer);
    };
    splitter.postMessage({ id, text, lang });
  });
}

pages.household = () => {
  const saved = kept('pendra.household') || '';
  const text = h('textarea', { id: 'household-text', rows: 14, spellcheck: 'false', 'data-path': '' }, saved);
  const top = h('div', { class: 'fault top', role: 'alert' });
  const out = h('div', { class: 'results', 'aria-live': 'polite' });
  const picker = h('input', { type: 'file', accept: '.json,application/json', class: 'hidden', tabindex: '-1' });
  const run = async () => {
    keep('pendra.household', text.value);
    const id = ++asked;
    if (!text.value.trim()) {
      out.replaceChildren();
      top.textContent = '';
      return;
    }
    out.classList.add('stale');
    const answer = await split(text.value, id);
    if (id !== asked) return;
    out.classList.remove('stale');
    top.textContent = answer.ok ? '' : (answer.fault.path ? `${answer.fault.path}：` : '') + answer.fault.message;
    if (!answer.ok) return;
    const v = answer.value;
    const best = v.best;
    const names = () => {
      try {
        const file = JSON.parse(text.value);
        return [file.a?.name || 'a', file.b?.name || 'b'];
      } catch {
        return ['a', 'b'];
      }
    };
    const [a, b] = names();
    // Who takes each shared item in the best split, as the module answers it.
    const who = (x) => (x === 'half' ? t('各 50%') : x === 'a' ? a : x === 'b' ? b : String(x));
    const shares = [];
    for (const [item, taken] of Object.entries(best.assignment)) {
      const list = Array.isArray(taken) ? taken : [taken];
      const itemWords = { children: t('子女'), housing_loan: t('住房贷款利息'), rent: t('住房租金'), illness: t('大病医疗'),
        elderly: t('赡养老人') }[item] ?? item;
      list.forEach((x, i) => shares.push([`${itemWords}${list.length > 1 ? ` ${i + 1}` : ''}`, who(x)]));
    }
    const rows = settlementRows(best.a).map((row, i) => [...row, settlementRows(best.b)[i][1]]);
    out.replaceChildren(h('h2', {}, t('最优分配')),
      pairs([[t('两人应纳税额合计：最优分配'), best.total], [t('全部由 %1 扣除', a), v.all_to_a.total],
        [t('全部由 %1 扣除', b), v.all_to_b.total], [t('最不利的分配'), v.worst.total], [t('分配方案数'), String(v.combinations)]]),
      table([t('共同项目'), t('最优')], shares, false),
      table([t('最优分配下的年度汇算'), a, b], rows),
      filingOf(a, best.a), filingOf(b, best.b));
  };
  text.addEventListener('input', run);
  picker.addEventListener('change', async () => {
    const file = picker.files[0];
    picker.value = '';
    if (!file) return;
    if (file.size > pendra.mostBytes.household) {
      top.textContent = pendra.words({ kind: 'document-too-large', command: 'household', path: '',
        values: [String(file.size), String(pendra.mostBytes.household)] }, lang);
      return;
    }
    text.value = await file.text();
    run();
  });
  queueMicrotask(run);
  return [h('p', {}, t('家庭文件：两人的年度（a、b）与共同的扣除项目（shared）')),
    h('div', { class: 'buttons' }, h('button', { type: 'button', onclick: () => picker.click() }, t('打开家庭文件…')), picker),
    h('label', { for: 'household-text' }, t('家庭文件（JSON）')), text, top, out];
};

// ---------------------------------------------------------------------------------------------
// The frame: the pages' tabs, the language, the offline cache.

const pageList = () => [['year', t('我的纳税年度')], ['wage', t('工资薪金')], ['bonus', t('全年一次性奖金')],
  ['labour', t('劳务报酬、稿酬、特许权使用费')], ['settle', t('年度汇算')], ['reverse', t('税后反算税前')], ['household', t('家庭分配')]];

function currentPage() {
  const name = location.hash.slice(1);
  return pages[name] ? name : 'year';
}

function render() {
  document.documentElement.lang = lang === 'en' ? 'en' : 'zh-CN';
  document.title = t('Pendra 个人所得税');
  const name = currentPage();
  const nav = h('nav', { 'aria-label': t('页面') }, pageList().map(([key, words]) =>
    h('a', { href: `#${key}`, 'aria-current': key === name ? 'page' : null }, words)));
  const choose = h('select', { id: 'lang', 'aria-label': t('语言') },
    h('option', { value: 'zh', selected: lang === 'zh' }, '中文'), h('option', { value: 'en', selected: lang === 'en' }, 'English'));
  choose.addEventListener('change', () => {
    lang = choose.value;
    keep('pendra.lang', lang);
    render();
    document.getElementById('lang').focus();
  });
  const header = h('header', {}, h('h1', {}, t('Pendra 个人所得税')), choose, nav);
  const main = h('main', { id: 'page', 'data-page': name }, h('h2', { class: 'title' }, pageList().find(([k]) => k === name)[1]), pages[name]());
  const footer = h('footer', {}, h('p', { id: 'storage', class: 'fault', role: 'status' }), t('全部在本机计算，不发送任何数据'));
  document.body.replaceChildren(header, main, footer);
  document.body.dataset.ready = 'true';
  if (!document.body.dataset.readyAt) document.body.dataset.readyAt = String(performance.now());
}

window.addEventListener('hashchange', () => pendra && render());

(async () => {
  try {
    // Opened from a file the browser refuses to fetch the engine's binary: it comes inlined.
    if (location.protocol === 'file:' && !globalThis.PendraWasmBase64) {
      await new Promise((resolve, reject) => {
        document.head.append(h('script', { src: 'engine-inline.js', onload: resolve, onerror: reject }));
      });
    }
    pendra = await load();
  } catch (error) {
    document.body.replaceChildren(h('p', { class: 'fault top' },
      t('计算模块未能载入：请通过网页服务器打开本页（如 scripts/web --serve），或使用支持 WebAssembly 的浏览器。'), ` (${String(error).slice(0, 120)})`));
    return;
  }
  render();
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
})();
