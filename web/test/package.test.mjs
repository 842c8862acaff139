// The package: its version is the project's, `npm pack` makes a tarball that a fresh folder
// installs offline, and the installed package computes what pendra-cli computes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = fileURLToPath(new URL('../', import.meta.url));
const golden = fileURLToPath(new URL('../../tests/cli/golden/out/', import.meta.url));
const npm = process.platform === 'win32' ? 'npm.cmd' : 'npm';

test('the version is the project\'s', () => {
  const project = readFileSync(join(web, '../CMakeLists.txt'), 'utf8').match(/project\(\S+ VERSION (\d+)\.(\d+)/);
  const [major, minor] = JSON.parse(readFileSync(join(web, 'package.json'), 'utf8')).version.split('.');
  assert.deepEqual([Number(major), Number(minor)], [Number(project[1]), Number(project[2])]);
});

test('the tarball installs in a fresh folder offline and computes', () => {
  const folder = mkdtempSync(join(tmpdir(), 'pendra-pack-'));
  try {
    const env = { ...process.env, npm_config_cache: join(folder, 'cache'), npm_config_update_notifier: 'false' };
    const tarball = execFileSync(npm, ['pack', '--silent', '--pack-destination', folder], { cwd: web, env })
      .toString().trim().split('\n').pop();
    const user = join(folder, 'user');
    execFileSync('mkdir', [user]);
    writeFileSync(join(user, 'package.json'), '{"name": "user", "version": "1.0.0", "type": "module"}\n');
    execFileSync(npm, ['install', '--offline', '--no-audit', '--no-fund', join(folder, tarball)], { cwd: user, env });
    writeFileSync(join(user, 'use.mjs'), `import { load } from 'pendra';
const pendra = await load();
const bonus = pendra.bonus({ bonus: 38000, taxable: 100000 });
const fault = pendra.wage({ income: 'abc' }, { lang: 'en' });
process.stdout.write(JSON.stringify({ text: bonus.text, kind: fault.fault.kind, message: fault.fault.message }));
`);
    const got = JSON.parse(execFileSync(process.execPath, ['use.mjs'], { cwd: user }).toString());
    assert.equal(got.text, readFileSync(join(golden, 'bonus_readme_json.out'), 'utf8'));
    assert.equal(got.kind, 'not-a-number');
    assert.match(got.message, /--income/);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
