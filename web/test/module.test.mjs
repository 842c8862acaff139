// The module's functions from JavaScript: options as an object give pendra-cli's JSON, faults come
// back as data with their words in both languages, and no input traps the module.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
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
