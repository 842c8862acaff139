// Hostile files given to the module's year and household: every file of the fuzz corpora, the
// README's year made hostile as the command line's hostile tests make it, files beyond the size
// limits and nested beyond the depth limit. Each gives a result or a fault as data, never a
// WebAssembly trap nor an out-of-memory abort, and the module goes on computing; where PENDRA_CLI
// names a built pendra-cli, the twin words each refusal on stderr byte for byte as it does.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { load } from '../pendra.mjs';

const root = fileURLToPath(new URL('../../', import.meta.url));
const pendra = await load();
const readmeYear = readFileSync(`${root}tests/support/ReadmeYear.h`, 'utf8').match(/R"\(([\s\S]*?)\)"/)[1];
const megabyte = 'x'.repeat(1000000);

// Either a result whose text is JSON, or a fault with a kind and words of bounded length.
function answered(outcome, shown) {
  assert.equal(typeof outcome.ok, 'boolean', shown);
  if (outcome.ok) return assert.doesNotThrow(() => JSON.parse(outcome.text), shown);
  assert.match(outcome.fault.kind, /^(json|year|household)\/|^document-too-large$/, shown);
  assert.ok(outcome.fault.message.length < 600, `${shown}: ${outcome.fault.message}`);
  // No control character reaches a terminal through the words.
  assert.doesNotMatch(outcome.fault.message, /[\u0000-\u001f\u007f-\u009f]/, shown);
}

test('every file of the fuzz corpora gives a result or a fault, as a year and as a household', () => {
  const corpora = `${root}fuzz/corpus/`;
  let files = 0;
  for (const corpus of readdirSync(corpora)) {
    for (const name of readdirSync(`${corpora}${corpus}`)) {
      const bytes = readFileSync(`${corpora}${corpus}/${name}`);
      for (const command of ['year', 'household']) answered(pendra[command](bytes), `${command} ${corpus}/${name}`);
      ++files;
    }
  }
  assert.ok(files >= 20, `${files} files`);
  // The corpora's own examples are computed, not refused.
  assert.ok(pendra.year(readFileSync(`${corpora}YearFile/seed-example`)).ok);
  assert.ok(pendra.household(readFileSync(`${corpora}HouseholdFile/seed-example`)).ok);
});

// The README's year with one piece replaced: the kind and the key path of its fault.
const variants = [
  ['year twice', '"year": 2026', '"year": 2019, "year": 2026', 'json/duplicate-key', 'year'],
  ['jobs twice', '"year": 2026,', '"year": 2026, "jobs": [],', 'json/duplicate-key', 'jobs'],
  ['escaped key twice', '"year": 2026', '"year": 2026, "ye\\u0061r": 2026', 'json/duplicate-key', 'year'],
  ['raw escape in a name', '"employer": "甲公司", "from"', '"employer": "\u001b[2J\u001b]0;pwned\u0007", "from"',
    'json/control-character', 'jobs[0].employer'],
  ['raw NUL in a key', '"year"', '"ye\u0000ar"', 'json/control-character', ''],
  ['lone surrogate', '"employer": "甲公司", "from"', '"employer": "\\ud800", "from"', 'json/lone-surrogate', 'jobs[0].employer'],
  ['year out of range', '"year": 2026', '"year": 1e308', 'json/number-out-of-range', 'year'],
  ['a cent too much', '"income": 20000,', '"income": 10000000000000.00,', 'json/amount-too-large', 'jobs[0].pay[0].income'],
  ['megabyte mode', '"按月"', `"${megabyte}"`, 'json/unknown-name', 'jobs[0].mode'],
  ['megabyte key', '"only_child"', `"\\u001b${megabyte}"`, 'json/unknown-key', undefined],
  ['megabyte date', '"2023-05-10"', `"${megabyte}"`, 'json/not-date', 'children[0].born'],
  ['no jobs', /"jobs": \[[\s\S]*?\] \} \],/, '"jobs": [],', 'year/no-job', 'jobs'],
  ['a year without rules', '"year": 2026', '"year": 2099', 'year/year-unknown', 'year'],
  ['an elderly share beyond the limit of 2021', '"year": 2026', '"year": 2021', 'year/elderly-share-too-large', 'elderly.share'],
  ['not an object', /^[\s\S]*$/, '[1, 2]', 'json/not-a-document', ''],
  ['cut short', /\}\s*$/, '', 'json/syntax', ''],
];
const hostileYears = variants.map(([name, from, to, kind, path]) => {
  const text = readmeYear.replace(from, to);
  assert.notEqual(text, readmeYear, name);
  return { name, bytes: Buffer.from(text), kind, path };
});
// Beyond the limits: the size, the depth, and entries by the thousand within the size.
const most = pendra.mostBytes;
hostileYears.push(
  { name: 'a byte beyond the year file', bytes: Buffer.alloc(most.year + 1, 0x20), kind: 'document-too-large', path: '' },
  { name: 'nested beyond the depth', bytes: Buffer.from(`{"a":${'['.repeat(5000)}`), kind: 'json/syntax', path: '' },
  { name: 'nested a hundred thousand deep', bytes: Buffer.from(`${'['.repeat(100000)}${']'.repeat(100000)}`), kind: 'json/syntax', path: '' },
  { name: 'eighty thousand certificates', bytes: Buffer.from(readmeYear.replace('"certificates": ["2026-06"]', `"certificates": [${'"2026-06",'.repeat(80000)}"2026-06"]`)), kind: 'year/too-many-entries', path: 'certificates' },
  { name: 'UTF-16', bytes: Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(readmeYear, 'utf16le')]), kind: 'json/utf16', path: '' },
  { name: 'not UTF-8', bytes: notUtf8(), kind: 'json/syntax', path: '' },
);

// The README's year with a byte of its employer's name that UTF-8 never has.
function notUtf8() {
  const bytes = Buffer.from(readmeYear);
  bytes[bytes.indexOf('甲公司')] = 0xff;
  return bytes;
}

test("the command line's hostile year files give their fault with its key path", () => {
  for (const { name, bytes, kind, path } of hostileYears) {
    const outcome = pendra.year(bytes);
    answered(outcome, name);
    if (kind === undefined) continue;
    assert.equal(outcome.ok, false, name);
    assert.equal(outcome.fault.kind, kind, name);
    if (path !== undefined) assert.equal(outcome.fault.path, path, name);
  }
  const household = pendra.household(Buffer.alloc(most.household + 1, 0x20));
  assert.equal(household.fault.kind, 'document-too-large');
  assert.deepEqual(household.fault.values, [String(most.household + 1), String(most.household)]);
  // After all of them the module computes as before.
  assert.equal(pendra.year(readmeYear).text, readFileSync(`${root}tests/cli/golden/out/year_readme_json.out`, 'utf8'));
});

// Absolute, since the commands run in folders of their own.
const native = process.env.PENDRA_CLI && resolve(process.env.PENDRA_CLI);
test('the twin refuses each hostile file with the words of pendra-cli', { skip: !native && 'PENDRA_CLI is not set' }, () => {
  const dir = mkdtempSync(join(tmpdir(), 'pendra-hostile-'));
  try {
    const cases = [...hostileYears.map((c) => ['year', c.name, c.bytes]),
      ['household', 'key twice', Buffer.from('{"a": {}, "a": {}}')],
      ['household', 'beyond its size', Buffer.alloc(most.household + 1, 0x20)]];
    for (const [command, name, bytes] of cases) {
      writeFileSync(join(dir, '年度.json'), bytes);
      for (const lang of ['zh', 'en']) {
        const args = ['--lang', lang, command, '年度.json', '--json'];
        const run = (program) => spawnSync(program[0], [...program.slice(1), ...args], { cwd: dir, maxBuffer: 1 << 24 });
        const want = run([native]);
        const got = run([process.execPath, `${root}web/pendra-cli.mjs`]);
        assert.equal(got.status, want.status, `${name} ${lang}`);
        assert.equal(got.stderr.toString(), want.stderr.toString(), `${name} ${lang}`);
        assert.ok(got.stdout.equals(want.stdout), `${name} ${lang}`);
      }
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
