#!/usr/bin/env node
// pendra-cli's twin for Node: the commands wage, bonus, labour, settle, severance and reverse with
// --json print what pendra-cli prints, byte for byte, and exit with its status; a fault is worded
// on stderr as pendra-cli words it. Text tables, help and the commands over files (payroll, year,
// household) are pendra-cli's own.
import { load } from './pendra.mjs';

const env = process.env;
const locale = [env.LC_ALL, env.LC_MESSAGES, env.LANG].find((value) => value) ?? '';
const pendra = await load();
const answer = pendra.run(process.argv.slice(2), { lang: locale.startsWith('en') ? 'en' : 'zh' });

const refuse = (kind, values = []) => ({ kind, values, path: '', command: '' });
let fault = answer.fault;
if (answer.help) fault = refuse('help-elsewhere', [answer.fault?.command ?? process.argv.slice(2).filter((a) => !a.startsWith('-')).join(' ')]);
else if (answer.status === 0 && !answer.json) fault = refuse('text-elsewhere');

if (fault) {
  process.stderr.write(pendra.line(fault, answer.lang));
  process.exitCode = 2;
} else {
  process.stdout.write(answer.result);
}

