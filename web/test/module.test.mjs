// The module's functions from JavaScript: options as an object give pendra-cli's JSON, faults come
// back as data with their words in both languages, and no input traps the module.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { load } from '../pendra.mjs';

const pendra = await load();
const recorded = (name) => readFileSync(new URL(`../../tests/cli/golden/out/${name}.out`, import.meta.url), 'utf8');

test('options as an object give what pendra-cli --json prints', () => {
  assert.equal(pendra.wage({ income: 20000, insurance: '2000', special: 3000 }).text, recorded('wage_readme_json'));
  assert.equal(pendra.wage({ nonresident: true, income: 30000, exempt: null }).text, recorded('wage_nonresident_json'));
  const args = ['reverse', 'wage', '--net', '15000', '--insurance-rate', '10.5', '--base-min', '7162', '--base-max', '35811', '--json'];
  const reverse = pendra.reverse('wage', { net: 15000, insuranceRate: 10.5, baseMin: 7162, baseMax: 35811 });
  assert.equal(reverse.text, pendra.run(args).result);
  assert.equal(reverse.value.gross, '17740.54');
});

test('a fault is data, worded in Chinese or English from the translation', () => {
  const { ok, fault } = pendra.wage({ income: 'abc' });
  assert.equal(ok, false);
  assert.deepEqual([fault.command, fault.path, fault.kind, fault.values], ['wage', '--income', 'not-a-number', ['--income', 'abc']]);
  assert.equal(fault.message, '选项 --income 的值“abc”不是数字（用法见 pendra-cli wage --help）');
  assert.notEqual(pendra.words(fault, 'en'), fault.message);
  assert.match(pendra.words(fault, 'en'), /--income/);
  assert.match(pendra.words(fault, 'en'), /abc/);
  assert.equal(pendra.bonus({ bonus: 1, frob: true }, { lang: 'en' }).fault.kind, 'unknown-option');
});

test('hostile input gives a fault, and the module goes on computing', () => {
  const huge = '9'.repeat(2 << 20);
  const cases = [
    [pendra.wage({ income: huge }), 'request-too-large'],
    // Beyond every double, as pendra-cli says: no number at all.
    [pendra.wage({ income: '9'.repeat(100000) }), 'not-a-number'],
    [pendra.settle({ wages: '1e15' }), 'amount-out-of-range'],
    [pendra.severance({ amount: '\u0000', averageWage: 1 }), 'not-a-number'],
    // Text that is no Unicode cannot reach the options.
    [pendra.severance({ amount: '\ud800' }), 'request-invalid'],
    [pendra.labour({ income: 1, kind: 'x'.repeat(1000) }), 'kind-unknown'],
    [pendra.reverse('bonus', { net: '9999999999999.99' }), 'unreachable'],
  ];
  for (const [outcome, kind] of cases) {
    assert.equal(outcome.ok, false);
    assert.equal(outcome.fault.kind, kind);
    assert.ok(outcome.fault.message.length < 300, outcome.fault.message);
  }
  for (let i = 0; i < 2000; ++i) pendra.bonus({ bonus: i * 997, taxable: -i });
  assert.equal(pendra.bonus({ bonus: 38000, taxable: 100000 }).text, recorded('bonus_readme_json'));
});

test('the year file and the household file give what pendra-cli --json prints, and their faults as data', () => {
  const input = (name) => readFileSync(new URL(`../../tests/cli/golden/in/${name}`, import.meta.url));
  assert.equal(pendra.year(input('year-readme.json')).text, recorded('year_readme_json'));
  // Text and bytes alike.
  assert.equal(pendra.year(input('year-readme.json').toString('utf8')).text, recorded('year_readme_json'));
  const bytes = input('household-partial-now.json');
  const partial = pendra.household(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length));
  assert.equal(partial.text, recorded('household_partial_now_json'));
  assert.equal(partial.withoutNow, 'shared.illness[0]');
  assert.match(partial.notice, /^shared\.illness\[0\] 未写 now/);
  const { fault } = pendra.year(input('year-bad-amount.json'), { file: 'in/year-bad-amount.json' });
  assert.equal(pendra.line(fault), readFileSync(new URL('../../tests/cli/golden/out/year_refused_amount.err', import.meta.url), 'utf8').split('\n').slice(1).join('\n'));
  const english = pendra.household('{"a": {}, "b": {"year": 2026}}', { lang: 'en' });
  assert.deepEqual([english.fault.kind, english.fault.path], ['json/missing-key', 'a.year']);
  assert.match(english.fault.message, /^a\.year: /);
});

// The README's examples in JavaScript, run as they stand beside the README's year file and
// household file: each line the README shows as printed is printed.
test("the README's JavaScript examples run and print what the README says", () => {
  const readme = readFileSync(new URL('../../README.md', import.meta.url), 'utf8');
  const section = readme.split('## In JavaScript')[1].split('\n## ')[0];
  const code = [...section.matchAll(/```js\n([\s\S]*?)```/g)].map((m) => m[1]);
  assert.ok(code.length >= 2);
  const blockAfter = (words) => readme.split(words)[1].match(/```json\n([\s\S]*?)```/)[1];
  const dir = mkdtempSync(join(tmpdir(), 'pendra-js-'));
  try {
    writeFileSync(join(dir, '2026.json'), blockAfter('A complete year (2026):'));
    writeFileSync(join(dir, '家庭.json'), blockAfter('pendra-cli household 家庭.json --json\n'));
    const loader = new URL('../pendra.mjs', import.meta.url).href;
    const script = join(dir, 'example.mjs');
    writeFileSync(script, code.join('\n').replace(/from 'pendra'/g, `from '${loader}'`));
    const run = spawnSync(process.execPath, [script], { cwd: dir, encoding: 'utf8' });
    assert.equal(run.status, 0, run.stderr);
    const said = code.join('\n').split('\n').filter((line, i, lines) => /^\/\/ /.test(line) && /console\.log/.test(lines[i - 1]));
    assert.ok(said.length >= 2);
    for (const line of said) assert.ok(run.stdout.includes(line.slice(3)), `${line}\n${run.stdout}`);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test("a settlement carries the law's figures of its own year, which its sentence quotes", () => {
  const input = (name) => readFileSync(new URL(`../../tests/cli/golden/in/${name}`, import.meta.url));
  const law = (s) => [s.small_owed, s.low_income, s.exemptions, s.exemptions_until];
  // The announcements the README names: 2019年第94号 for 2020, 2021年第42号 for 2021, 2023年第32号
  // for the latest year, which settle computes.
  const years = [[input('year-2020-from-january.json'), 2020, { issuer: 'mof-sat', year: 2019, number: 94 }],
    [input('year-2021-sixty.json'), 2021, { issuer: 'mof-sat', year: 2021, number: 42 }]];
  const settled = years.map(([file, taxYear, announcement]) => {
    const { year, settlement: s } = pendra.year(file).value;
    assert.equal(year, taxYear);
    assert.deepEqual(s.exemptions, announcement);
    // Granted for the tax year, and settled in the one after it.
    assert.ok(Number(s.exemptions_until.slice(0, 4)) >= taxYear, s.exemptions_until);
    assert.match(s.settlement_from, new RegExp(`^${taxYear + 1}-\\d\\d-\\d\\d$`));
    assert.ok(s.settlement_from < s.settlement_until);
    assert.equal(s.exemption_barred, false);
    return s;
  });
  assert.notDeepEqual(law(settled[0]), law(settled[1]));
  const latest = pendra.settle({ wages: 70000 }).value;
  assert.deepEqual(latest.exemptions, { issuer: 'mof-sat', year: 2023, number: 32 });
  assert.equal(latest.reason, 'owe_small');
  assert.ok(Number(latest.balance) <= Number(latest.small_owed));
});
