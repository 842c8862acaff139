// The module itself (scripts/web builds it) through web/pendra.mjs: the busy year of
// bench/YearFiles.h as its file's text in, the JSON text of `pendra-cli year --json` out, the
// JavaScript around the call included. Run by bench/web.sh; figures in bench/README.md.
import { readFileSync } from 'node:fs';
import { load } from '../web/pendra.mjs';

const text = readFileSync(new URL('YearFiles.h', import.meta.url), 'utf8').match(/BusyYear = R"\(([\s\S]*?)\)"/)[1];
const pendra = await load();
if (!pendra.year(text).ok) throw new Error('the busy year is refused');
const runs = 1000;
const start = process.hrtime.bigint();
for (let i = 0; i < runs; ++i) pendra.year(text);
const spent = Number(process.hrtime.bigint() - start) / 1000 / runs;
console.log(`${'pendra.year, the same file (web/pendra.mjs)'.padEnd(44)} ${spent.toFixed(2).padStart(10)} µs per call`);
