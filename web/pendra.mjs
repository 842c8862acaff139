// Pendra's engines in WebAssembly, for Node and browsers: pendra-cli's commands wage, bonus,
// labour, settle, severance and reverse give the same JSON text as `pendra-cli ... --json`, or a
// fault as data with its words in Chinese or English. Everything is computed by the module; this
// file only passes text in and out.

const inNode = typeof process !== 'undefined' && !!process.versions?.node;
const here = (name) => new URL(`./dist/${name}`, import.meta.url);

async function engineFactory() {
  if (inNode) {
    const { createRequire } = await import('node:module');
    const { readFile } = await import('node:fs/promises');
    const factory = createRequire(import.meta.url)('./dist/pendra-engine.cjs');
    return [factory, await readFile(here('pendra-engine.wasm'))];
  }
  // A browser: the factory is a classic script of its own (MODULARIZE), which defines
  // PendraModule; added as a script element, so that a Content-Security-Policy without
  // 'unsafe-eval' lets it run. A page that inlines the binary (opened from a file, where fetch is
  // refused) hands it over as PendraWasmBase64.
  if (typeof globalThis.PendraModule !== 'function') {
    await new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = here('pendra-engine.cjs').href;
      script.onload = resolve;
      script.onerror = () => reject(new Error(`${script.src} did not load`));
      document.head.append(script);
    });
  }
  const inline = globalThis.PendraWasmBase64;
  const binary = inline
    ? Uint8Array.from(atob(inline), (c) => c.charCodeAt(0))
    : new Uint8Array(await (await fetch(here('pendra-engine.wasm'))).arrayBuffer());
  return [globalThis.PendraModule, binary];
}

async function wordsCatalogue() {
  if (inNode) {
    const { readFile } = await import('node:fs/promises');
    return JSON.parse(await readFile(here('words.json'), 'utf8'));
  }
  return globalThis.PendraFaultWords ?? (await fetch(here('words.json'))).json();
}

// A value as a message quotes it: control and direction characters escaped, at most 40
// characters, as pendra-cli quotes one.
function quoted(text) {
  let shown = '';
  for (const c of String(text)) {
    const code = c.codePointAt(0);
    const escape = code < 0x20 || (code >= 0x7f && code <= 0x9f) || (code >= 0x202a && code <= 0x202e) ||
      (code >= 0x2066 && code <= 0x2069) || code === 0x2028 || code === 0x2029;
    const piece = escape ? `\\u${code.toString(16).padStart(4, '0')}` : c;
    if (shown.length + piece.length > 40) return `${shown}…`;
    shown += piece;
  }
  return shown;
}

const fill = (pattern, values) => pattern.replace(/%(\d+)/g, (all, n) => (n - 1 < values.length ? values[n - 1] : all));

const englishMonths = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August',
  'September', 'October', 'November', 'December'];

function dateWords(iso, pattern) {
  const [year, month, day] = iso.split('-').map(Number);
  return pattern.replace(/yyyy|MMMM|M|d/g, (token) => ({
    yyyy: String(year), MMMM: englishMonths[month - 1], M: String(month), d: String(day),
  })[token]);
}

// The kinds pendra-cli words with the usage of the command after them.
const bare = new Set(['unreachable', 'reverse-kind-missing', 'reverse-kind-unknown', 'command-unknown',
  'command-missing', 'command-elsewhere', 'lang-repeated', 'lang-invalid', 'text-elsewhere',
  'help-elsewhere', 'request-invalid', 'request-too-large']);

function wordsOf(catalogue, fault, lang) {
  const piece = (key) => catalogue.pieces[key][lang];
  let values = fault.values.map(quoted);
  if (fault.kind === 'mode-not-in-law') {
    const [mode, from, issuer, year, number, taxYear] = fault.values;
    values = [quoted(mode), dateWords(from, piece('date')), fill(piece(issuer), [year, number]), taxYear];
  } else if (fault.kind === 'unreachable') {
    values[1] = piece(fault.values[1]);
  }
  const entry = catalogue.kinds[fault.kind];
  let message = entry ? fill(entry[lang], values) : fault.kind;
  if (fault.kind.startsWith('reverse-kind')) message += piece('reverse-kinds');
  else if (!bare.has(fault.kind) && fault.command) message = fill(piece('usage'), [message, fault.command]);
  return message;
}

// Options as an object ({income: 20000, mode: '自1月', nonresident: true}) as pendra-cli's
// arguments: a key in camelCase or as the option is spelt, true for a flag, false or null left out.
function argumentsOf(options = {}) {
  const list = [];
  for (const [key, value] of Object.entries(options)) {
    if (value === false || value === null || value === undefined) continue;
    const name = `--${key.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`)}`;
    list.push(value === true ? name : `${name}=${value}`);
  }
  return list;
}

export async function load() {
  const [factory, wasmBinary] = await engineFactory();
  const [engine, catalogue] = await Promise.all([factory({ wasmBinary }), wordsCatalogue()]);
  // The request on the module's heap, not its stack: arguments of any length fit there.
  const utf8 = (text) => {
    const size = engine.lengthBytesUTF8(text) + 1;
    const at = engine._malloc(size);
    engine.stringToUTF8(text, at, size);
    return at;
  };
  const call = (request, lang) => {
    const [text, language] = [utf8(request), utf8(lang)];
    try {
      return engine.UTF8ToString(engine._pendra_run(text, language));
    } finally {
      engine._free(text);
      engine._free(language);
    }
  };

  // pendra-cli's arguments as they are; the answer as data.
  function run(args, { lang = 'zh' } = {}) {
    const answer = JSON.parse(call(JSON.stringify(args.map(String)), lang === 'en' ? 'en' : 'zh'));
    if (answer.fault) answer.fault.message = wordsOf(catalogue, answer.fault, answer.lang);
    return answer;
  }
  // A command's options: {ok: true, text, value} or {ok: false, fault}.
  function command(args, lang) {
    const answer = run([...args, '--json'], { lang });
    if (answer.status === 0 && answer.result !== undefined)
      return { ok: true, text: answer.result, value: JSON.parse(answer.result) };
    return { ok: false, fault: answer.fault ?? { kind: 'help-elsewhere', path: '', values: [], command: '' } };
  }
  const one = (name) => (options, { lang } = {}) => command([name, ...argumentsOf(options)], lang);
  return {
    run,
    wage: one('wage'),
    bonus: one('bonus'),
    labour: one('labour'),
    settle: one('settle'),
    severance: one('severance'),
    reverse: (kind, options, { lang } = {}) => command(['reverse', kind, ...argumentsOf(options)], lang),
    words: (fault, lang = 'zh') => wordsOf(catalogue, fault, lang === 'en' ? 'en' : 'zh'),
    // The fault as pendra-cli prints it on stderr: the program's name, the words, a line break.
    line: (fault, lang = 'zh') =>
      fill(catalogue.pieces.prefix[lang === 'en' ? 'en' : 'zh'], [wordsOf(catalogue, fault, lang === 'en' ? 'en' : 'zh')]),
  };
}
