// Makes the browser edition in web/dist/ beside the module scripts/web has built there:
//   node web/site/build.mjs
// The page's words are the program's: every text of web/site/Words.h (context "Site"), the
// vocabulary of the year file (context "Vocabulary") and the desktop's settlement sentences, each with its
// English from translations/pendra_en.ts; a text without English stops the build. The module's
// loader (web/pendra.mjs), the words and the page's code become one classic script, site.js, so
// that the page runs from a file too, where browsers refuse ES modules and fetch; the engine's
// binary is inlined for that case in engine-inline.js, which only a page opened from a file loads.
import { readFileSync, writeFileSync, copyFileSync, statSync, renameSync } from 'node:fs';
import { createHash } from 'node:crypto';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const site = dirname(fileURLToPath(import.meta.url));
const web = dirname(site);
const root = dirname(web);
const dist = join(web, 'dist');

function fail(message) {
  console.error(`web/site/build.mjs: ${message}`);
  process.exit(1);
}

// Every write through a temporary file beside the target, renamed over it.
function write(name, data) {
  const target = join(dist, name);
  writeFileSync(`${target}.tmp`, data);
  renameSync(`${target}.tmp`, target);
}

const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
  .replace(/&apos;/g, "'").replace(/&#x([0-9a-f]+);/gi, (_, x) => String.fromCodePoint(parseInt(x, 16)))
  .replace(/&amp;/g, '&');

// What the page says as the desktop program does, in the desktop's own words: the filing sentences
// of the settlement (the whole context), and the pieces they are put together with, from the
// contexts that word them on the desktop. A text named here that the translation lacks stops the
// build, so that a rewording on the desktop cannot leave the page saying the old sentence.
const desktopWords = {
  SettlementSentences: null,
  TCurrentPage: ['%1元'],
  TFrmHousehold: ['%1：%2。%3'],
  LawText: ['yyyy年M月d日', '国家税务总局公告%1年第%2号', '财政部 税务总局公告%1年第%2号'],
};

function siteWords() {
  const ts = readFileSync(join(root, 'translations', 'pendra_en.ts'), 'utf8');
  const english = new Map();
  const vocabulary = new Map();
  const desktop = new Map();
  for (const context of ts.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g)) {
    const name = context[1];
    if (name !== 'Site' && name !== 'Vocabulary' && !(name in desktopWords)) continue;
    const into = name === 'Site' ? english : name === 'Vocabulary' ? vocabulary : desktop;
    for (const message of context[2].matchAll(
      /<message>\s*<source>([\s\S]*?)<\/source>\s*<translation(?: type="([^"]*)")?>([\s\S]*?)<\/translation>/g)) {
      const zh = unescape(message[1]);
      if (into === desktop && desktopWords[name] && !desktopWords[name].includes(zh)) continue;
      if (message[2] !== 'unfinished' && message[2] !== 'vanished' && message[2] !== 'obsolete')
        into.set(zh, unescape(message[3]));
    }
  }
  const lacking = Object.entries(desktopWords).flatMap(([name, texts]) =>
    (texts ?? []).filter((zh) => !desktop.has(zh)).map((zh) => `${name}: ${zh}`));
  if (!desktop.size || lacking.length) fail(`no English in translations/pendra_en.ts for the desktop's:\n  ${lacking.join('\n  ')}`);
  // The texts as lupdate sees them: adjacent string literals joined.
  const header = readFileSync(join(site, 'Words.h'), 'utf8');
  const texts = [];
  for (const call of header.matchAll(/QT_TRANSLATE_NOOP\("Site",((?:\s*"(?:[^"\\]|\\.)*")+)\)/g)) {
    texts.push([...call[1].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((piece) => JSON.parse(`"${piece[1]}"`)).join(''));
  }
  if (!texts.length) fail('no texts of the context "Site" in web/site/Words.h');
  const words = {};
  const missing = texts.filter((zh) => !english.has(zh));
  if (missing.length) fail(`no English in translations/pendra_en.ts for:\n  ${missing.join('\n  ')}`);
  for (const zh of texts) words[zh] = english.get(zh);
  // The words of the year file's vocabulary (kinds, patients, methods, the timeline's items) are
  // translated once, in the context "Vocabulary", for every face.
  for (const [zh, en] of vocabulary) if (!(zh in words)) words[zh] = en;
  // The desktop's sentences come first: the page says them exactly as the program does.
  for (const [zh, en] of desktop) words[zh] = en;
  // A text the page asks for that Words.h lacks would stay Chinese in English: refused here.
  const code = readFileSync(join(site, 'app.js'), 'utf8');
  const asked = [...code.matchAll(/\b(?:t\(|label: )'((?:[^'\\]|\\.)*)'/g)].map((m) => m[1]);
  const unknown = [...new Set(asked.filter((zh) => !(zh in words)))];
  if (unknown.length) fail(`texts of web/site/app.js missing from web/site/Words.h:\n  ${unknown.join('\n  ')}`);
  return words;
}

for (const built of ['pendra-engine.cjs', 'pendra-engine.wasm', 'words.json']) {
  try {
    statSync(join(dist, built));
  } catch {
    fail(`web/dist/${built} is missing: scripts/web builds it first`);
  }
}

// The loader as a classic script: its one export a plain function, its files beside the page.
let loader = readFileSync(join(web, 'pendra.mjs'), 'utf8');
const edits = [[/^export async function load/m, 'async function load'],
  ['new URL(`./dist/${name}`, import.meta.url)', 'new URL(name, document.baseURI)']];
for (const [from, to] of edits) {
  const before = loader;
  loader = loader.replace(from, to);
  if (loader === before) fail(`web/pendra.mjs no longer has ${from}: the bundle needs this step revised`);
}
// The Node branch's own uses stay unreachable in a browser.
loader = loader.replaceAll('import.meta.url', 'document.baseURI');
if (/\bimport\.meta\b|^export /m.test(loader)) fail('web/pendra.mjs has module syntax the bundle cannot take');

const words = siteWords();
const bundle = `'use strict';\n(() => {\nconst SITE_WORDS = ${JSON.stringify(words)};\n` +
  `globalThis.PendraFaultWords = ${readFileSync(join(dist, 'words.json'), 'utf8').trim()};\n` +
  `${loader}\n${readFileSync(join(site, 'app.js'), 'utf8')}\n})();\n`;
write('site.js', bundle);
// The household split may try thousands of splits: it runs in a worker of its own, which a newer
// request ends and replaces, so that the page never waits for it.
const workerLoader = loader.replaceAll('document.baseURI', 'self.location.href');
write('household-worker.js', `'use strict';\nimportScripts('engine.js');\n(() => {\n` +
  `globalThis.PendraFaultWords = ${readFileSync(join(dist, 'words.json'), 'utf8').trim()};\n${workerLoader}\n` +
  `const ready = load();\nself.onmessage = async ({ data }) => {\n  const pendra = await ready;\n` +
  `  self.postMessage({ id: data.id, answer: pendra.household(data.text, { lang: data.lang }) });\n};\n})();\n`);
write('engine-inline.js', `globalThis.PendraWasmBase64 = '${readFileSync(join(dist, 'pendra-engine.wasm')).toString('base64')}';\n`);

const uplot = join(web, 'node_modules', 'uplot', 'dist');
try {
  copyFileSync(join(uplot, 'uPlot.iife.min.js'), join(dist, 'uPlot.iife.min.js'));
  copyFileSync(join(uplot, 'uPlot.min.css'), join(dist, 'uPlot.min.css'));
} catch {
  fail('uPlot is not in web/node_modules: scripts/web runs npm ci in web/ first');
}
// The engine's loader under a name every server gives a script's type: a worker refuses to run a
// script served as anything else, and some servers know nothing of .cjs.
copyFileSync(join(dist, 'pendra-engine.cjs'), join(dist, 'engine.js'));
for (const name of ['index.html', 'style.css', 'manifest.webmanifest', 'icon.svg']) {
  copyFileSync(join(site, name), join(dist, name));
}

// The service worker caches the page's files under a name that changes with any of them, so a
// new build replaces the old cache at the next visit.
const files = ['./', 'index.html', 'site.js', 'household-worker.js', 'style.css', 'uPlot.iife.min.js', 'uPlot.min.css', 'engine.js',
  'pendra-engine.wasm', 'manifest.webmanifest', 'icon.svg'];
const digest = createHash('sha256');
for (const name of files.slice(1)) digest.update(readFileSync(join(dist, name)));
const worker = readFileSync(join(site, 'sw.js'), 'utf8')
  .replace('__VERSION__', digest.digest('hex').slice(0, 16)).replace('__FILES__', JSON.stringify(files));
write('sw.js', worker);

let total = 0;
for (const name of [...files.slice(1), 'sw.js']) total += statSync(join(dist, name)).size;
console.log(`web/dist: the page's files ${total} bytes (engine-inline.js for a page opened from a file: ` +
  `${statSync(join(dist, 'engine-inline.js')).size} bytes more)`);
