#!/usr/bin/env node
// pendra-cli's twin for Node: the commands wage, bonus, labour, settle, severance, reverse, year
// and household with --json print what pendra-cli prints, byte for byte, and exit with its status;
// a fault is worded on stderr as pendra-cli words it. The files of year and household are read as
// pendra-cli reads them: only a regular file, of at most the size it takes, its bytes as they are.
// Text tables, help and payroll and payslips are pendra-cli's own.
import { closeSync, fstatSync, openSync, readSync, statSync, constants } from 'node:fs';
import { load } from './pendra.mjs';

const env = process.env;
const locale = [env.LC_ALL, env.LC_MESSAGES, env.LANG].find((value) => value) ?? '';
const pendra = await load();
let answer = pendra.run(process.argv.slice(2), { lang: locale.startsWith('en') ? 'en' : 'zh' });

const refuse = (kind, values = [], command = '') => ({ kind, values, path: '', command });

// The file's bytes, or the fault pendra-cli gives for it (sheets/JsonFile.cpp's ReadRegular).
function readFile(file, command) {
  const most = pendra.mostBytes[command];
  const fault = (kind, ...values) => ({ fault: refuse(`file/${kind}`, [file, ...values], command) });
  const unreadable = (error) => (error.code === 'ENOENT' ? fault('not-found')
    : error.code === 'EACCES' ? fault('denied') : fault('unreadable', error.code ?? ''));
  let seen;
  try {
    seen = statSync(file, { bigint: true });
  } catch (error) {
    return unreadable(error);
  }
  if (seen.isDirectory()) return fault('folder');
  if (!seen.isFile()) return fault('not-regular');
  if (seen.size > BigInt(most)) return fault('too-large', String(seen.size), String(most));
  let fd;
  try {
    fd = openSync(file, constants.O_RDONLY | constants.O_NONBLOCK | constants.O_NOCTTY);
  } catch (error) {
    return unreadable(error);
  }
  try {
    const opened = fstatSync(fd, { bigint: true });
    if (opened.dev !== seen.dev || opened.ino !== seen.ino) return fault('not-regular');
    const bytes = Buffer.alloc(most + 1);
    let size = 0;
    for (let got; size < bytes.length && (got = readSync(fd, bytes, size, bytes.length - size, null)) > 0;) size += got;
    if (size > most) return fault('grew', String(most));
    return { bytes: bytes.subarray(0, size) };
  } finally {
    closeSync(fd);
  }
}

let fault = answer.fault;
let notice;
if (!fault && answer.file !== undefined) {
  const read = readFile(answer.file, answer.command);
  const outcome = read.bytes && pendra[answer.command](read.bytes, { lang: answer.lang, file: answer.file });
  fault = read.fault ?? (outcome.ok ? undefined : outcome.fault);
  if (outcome?.ok) {
    answer = { ...answer, result: outcome.text };
    notice = outcome.notice;
  }
}
if (answer.help) fault = refuse('help-elsewhere', [answer.fault?.command ?? process.argv.slice(2).filter((a) => !a.startsWith('-')).join(' ')]);
else if (!fault && answer.status === 0 && !answer.json) fault = refuse('text-elsewhere');

if (fault) {
  process.stderr.write(pendra.line(fault, answer.lang));
  process.exitCode = 2;
} else {
  if (notice !== undefined) process.stderr.write(pendra.line(notice, answer.lang));
  process.stdout.write(answer.result);
}
