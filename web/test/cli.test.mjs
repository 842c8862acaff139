// node web/pendra-cli.mjs against pendra-cli: the recorded outputs of every --json case of the
// command-line corpus (tests/cli/golden) for the commands the module runs, and every refused file
// of year and household, byte for byte with the exit status; and, where PENDRA_CLI names a built
// pendra-cli, the README's examples (its year file and household file among them) and hostile
// command lines through both.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('../../', import.meta.url));
const golden = `${root}tests/cli/golden/`;
const twin = `${root}web/pendra-cli.mjs`;
const commands = new Set(['wage', 'bonus', 'labour', 'settle', 'severance', 'reverse', 'year', 'household']);
const files = new Set(['year', 'household']);
const recordedStatus = (name) => readFileSync(`${golden}out/${name}.err`, 'utf8').split('\n')[0];

function run(program, args, env, cwd = golden) {
  const [file, ...rest] = program;
  const done = spawnSync(file, [...rest, ...args], {
    cwd, env: { PATH: process.env.PATH, LANG: 'C.UTF-8', ...env }, maxBuffer: 1 << 24,
  });
  return { status: done.status, stdout: done.stdout, stderr: done.stderr.toString() };
}

// The command of a line of arguments, --lang and its value set aside.
function commandOf(args) {
  const rest = args.filter((a, i) => a !== '--lang' && args[i - 1] !== '--lang' && !a.startsWith('--lang='));
  return rest[0];
}

const cases = readFileSync(`${golden}cases.txt`, 'utf8').split('\n')
  .map((line) => line.trim()).filter((line) => line && !line.startsWith('#'))
  .map((line) => {
    const words = line.split(/\s+/);
    const name = words.shift();
    const env = {};
    while (words.length && /^[A-Z_]+=/.test(words[0])) {
      const [key, value] = words.shift().split('=');
      env[key] = value;
    }
    return { name, env, args: words };
  })
  // With --json, and of year and household also each refusal of a file, worded alike with or
  // without it.
  .filter((c) => commands.has(commandOf(c.args)) && (c.args.includes('--json') ||
    (files.has(commandOf(c.args)) && !c.args.includes('--help') && recordedStatus(c.name) === 'exit status 2')));

test('the corpus holds cases of every command the module runs', () => {
  assert.deepEqual(new Set(cases.map((c) => commandOf(c.args))), commands);
});

for (const c of cases) {
  test(`as recorded: ${c.name}`, () => {
    const got = run([process.execPath, twin], c.args, c.env);
    const err = readFileSync(`${golden}out/${c.name}.err`, 'utf8');
    assert.equal(`exit status ${got.status}`, err.split('\n')[0], got.stderr);
    assert.equal(got.stdout.toString('utf8'), readFileSync(`${golden}out/${c.name}.out`, 'utf8'));
    // A refusal names its fault on stderr, as pendra-cli's does; of a file, in the same words.
    const said = err.split('\n').slice(1).join('\n');
    if (files.has(commandOf(c.args))) assert.equal(got.stderr, said);
    else assert.equal(got.stderr === '', said === '');
  });
}

// Absolute, since the commands run in folders of their own.
const native = process.env.PENDRA_CLI && resolve(process.env.PENDRA_CLI);
const readme = readFileSync(`${root}README.md`, 'utf8').split('\n')
  .map((line) => line.match(/^ {4}pendra-cli ((?:wage|bonus|labour|settle|severance|reverse|year|household) .*)$/))
  .filter(Boolean).map((m) => m[1].trim().split(/\s+/))
  .map((args) => (args.includes('--json') ? args : [...args, '--json']));

// Usage faults, amounts beyond every limit, text that is no number: a fault, never a trap.
const hostile = [
  ['wage', '--income', '1e400', '--json'], ['wage', '--income', '9'.repeat(5000), '--json'],
  ['wage', '--income', '99999999999999.99', '--json'], ['wage', '--income', '-0.004', '--json'],
  ['wage', '--income', '', '--json'], ['wage', '--income', '.', '--json'],
  ['wage', '--income', '0x10', '--json'], ['wage', '--income', 'nan', '--json'],
  ['wage', '--income', '1', '--income', '2', '--json'], ['wage', '--frob', '--json'],
  ['wage', '--income', '1', '--json=yes'], ['wage', '--income', '1', 'extra', '--json'],
  ['wage', '--income', '1', '--to', '13', '--json'], ['wage', '--income', '1', '--from', '9', '--to', '3', '--json'],
  ['wage', '--income', '1', '--year', '99999999999', '--json'], ['wage', '--income', '1', '--mode', 'x\u001b[31m', '--json'],
  ['wage', '--income', '1', '--mode', '6万', '--from', '2', '--json'], ['wage', '--json', '--income'],
  ['bonus', '--bonus', '-1', '--json'], ['bonus', '--bonus', '9999999999999.99', '--taxable', '-9999999999999.99', '--json'],
  ['labour', '--income', '1', '--kind', 'x', '--json'], ['labour', '--intern', '--income', '1', '--kind', 'author', '--json'],
  ['settle', '--bonus-method', 'both', '--json'], ['settle', '--wages', '9999999999999.99', '--labour', '9999999999999.99', '--json'],
  ['settle', '--wages', '100000', '--insurance', '10000', '--withheld', '500', '--unwithheld', '--json'],
  ['severance', '--early-retirement', '--amount', '1', '--years', '0', '--json'],
  ['severance', '--internal-retirement', '--amount', '1', '--months', '1201', '--wage', '1', '--json'],
  ['reverse', 'wage', '--net', '9999999999999.99', '--json'], ['reverse', 'wage', '--net', '1', '--insurance-rate', '100.01', '--json'],
  ['reverse', 'wage', '--net', '1', '--insurance-rate', '10', '--base-min', '2', '--base-max', '1', '--json'],
  ['reverse', 'bonus', '--net', '9999999999999.99', '--json'], ['reverse', 'labour', '--net', '9999999999999.99', '--json'],
  ['reverse', 'frob', '--json'], ['reverse'], ['--lang', 'en', '--lang', 'zh', 'wage'], ['--lang', 'fr', 'wage'], ['--lang', 'EN', 'wage', '--income', 'x', '--json'], [],
];

// The README's year file and household file, as the README names them, in a folder of their own.
const readmeText = readFileSync(`${root}README.md`, 'utf8');
const blockAfter = (words) => readmeText.split(words)[1].match(/```json\n([\s\S]*?)```/)[1];
const readmeFiles = { '2026.json': blockAfter('A complete year (2026):'), '家庭.json': blockAfter('pendra-cli household 家庭.json --json\n') };

for (const [group, lines] of [['README', readme], ['hostile', hostile]]) {
  test(`${group}: the same stdout, status and stderr as pendra-cli`, { skip: !native && 'PENDRA_CLI is not set' }, () => {
    assert.ok(group !== 'README' || lines.length >= 3);
    assert.ok(group !== 'README' || lines.some((args) => files.has(args[0])));
    const dir = mkdtempSync(join(tmpdir(), 'pendra-readme-'));
    for (const [name, text] of Object.entries(readmeFiles)) writeFileSync(join(dir, name), text);
    for (const args of lines) {
      for (const env of [{}, { LANG: 'en_US.UTF-8' }]) {
        const want = run([native], args, env, dir);
        const got = run([process.execPath, twin], args, env, dir);
        const shown = `${JSON.stringify(args)} ${JSON.stringify(env)}`;
        assert.equal(got.status, want.status, shown);
        assert.ok(got.stdout.equals(want.stdout), shown);
        assert.equal(got.stderr, want.stderr, shown);
        if (files.has(args[0])) assert.equal(got.status, 0, `${shown} ${got.stderr}`);
      }
    }
    rmSync(dir, { recursive: true, force: true });
  });
}
