// Pendra's engines in WebAssembly, for Node and browsers: pendra-cli's commands wage, bonus,
// labour, settle, severance, reverse, year and household give the same JSON text as
// `pendra-cli ... --json`, or a fault as data with its words in Chinese or English. Everything is
// computed by the module, the files read by its own readers; this file only passes text in and out.

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

// A key path as a message names it: a path a thousand levels deep by its end, where the fault is.
function withPath(catalogue, lang, path, message) {
  const longest = 120;
  const shown = path.length > longest ? `…${path.slice(path.length - (longest - 1))}` : path;
  return path ? fill(catalogue.pieces['with-path'][lang], [shown, message]) : message;
}

// The words of a fault of the year file or the household file (formats/ finds it, the engines'
// checks refuse it), as the Qt side words it (sheets/JsonFile.cpp, YearFile.cpp, HouseholdFile.cpp).
function documentWords(catalogue, fault, lang) {
  const piece = (key) => catalogue.pieces[key][lang];
  const pattern = catalogue.kinds[fault.kind][lang];
  const what = piece(fault.command === 'household' ? 'household-file' : 'year-file');
  const v = fault.values;
  const place = () => fill(piece('place'), [v[0], v[1]]);
  switch (fault.kind) {
    case 'json/syntax': return fill(pattern, [place(), piece(v[2])]);
    case 'json/utf16': case 'json/not-a-document': return fill(pattern, [what]);
    case 'json/control-character': case 'json/lone-surrogate':
      return withPath(catalogue, lang, fault.path, fill(piece('with-path'), [place(), fill(pattern, [v[2]])]));
    case 'json/unknown-name': return withPath(catalogue, lang, fault.path, fill(pattern, [v[0], v.slice(1).join(piece('list'))]));
    case 'json/unknown-key': return withPath(catalogue, lang, fault.path, fill(pattern, [v.join(piece('list'))]));
    case 'year/sixty-not-yet-law': case 'year/from-january-not-yet-law': {
      const [from, issuer, year, number, taxYear] = v;
      return withPath(catalogue, lang, fault.path,
        fill(pattern, [dateWords(from, piece('date')), fill(piece(issuer), [year, number]), taxYear]));
    }
    case 'year/pension-before-scheme':
      return withPath(catalogue, lang, fault.path, fill(pattern, [dateWords(v[0], piece('date'))]));
    default: return withPath(catalogue, lang, fault.path, fill(pattern, v));
  }
}

const inDocument = (kind) => /^(json|year|household)\//.test(kind);

// The kinds pendra-cli words with the usage of the command after them.
const bare = new Set(['unreachable', 'reverse-kind-missing', 'reverse-kind-unknown', 'command-unknown',
  'command-missing', 'command-elsewhere', 'lang-repeated', 'lang-invalid', 'text-elsewhere',
  'help-elsewhere', 'request-invalid', 'request-too-large', 'document-too-large']);

function wordsOf(catalogue, fault, lang) {
  const piece = (key) => catalogue.pieces[key][lang];
  if (inDocument(fault.kind)) {
    const words = documentWords(catalogue, fault, lang);
    return fault.file === undefined ? words : fill(piece('fault-in'), [fault.file, words]);
  }
  if (fault.kind.startsWith('file/')) {
    const [file, ...rest] = fault.values;
    const what = piece(fault.command === 'household' ? 'household-file' : 'year-file');
    const values = {
      'file/folder': [file, what], 'file/too-large': [file, rest[0], what, rest[1]], 'file/grew': [file, what, rest[0]],
      'file/unreadable': [file, catalogue.pieces[rest[0]]?.[lang] ?? rest[0]],
    }[fault.kind] ?? [file];
    return fill(catalogue.kinds[fault.kind][lang], values);
  }
  if (fault.kind === 'document-too-large')
    return fill(catalogue.kinds[fault.kind][lang], [piece(fault.command === 'household' ? 'household-file' : 'year-file'), ...fault.values]);
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
  // {ok: true, text, value}: the value is the text read by JSON.parse when first asked for, so a
  // caller that shows or saves the text does not pay for reading it.
  const succeeded = (text) => {
    let value;
    return {
      ok: true,
      text,
      get value() {
        if (value === undefined) value = JSON.parse(text);
        return value;
      },
    };
  };
  // The result's text comes beside the answer, as the module wrote it.
  const withResult = (answer) => {
    if (answer.result === true) answer.result = engine.UTF8ToString(engine._pendra_result());
    return answer;
  };
  const call = (request, lang) => {
    const [text, language] = [utf8(request), utf8(lang)];
    try {
      return withResult(JSON.parse(engine.UTF8ToString(engine._pendra_run(text, language))));
    } finally {
      engine._free(text);
      engine._free(language);
    }
  };

  const withText = (texts, work) => {
    const pointers = texts.map(utf8);
    try {
      return work(...pointers);
    } finally {
      pointers.forEach((at) => engine._free(at));
    }
  };
  const mostBytes = Object.fromEntries(['year', 'household'].map((name) => [name, withText([name], (at) => engine._pendra_most_bytes(at))]));
  // A file's bytes (or its text, as UTF-8) on the module's heap; a file beyond the most is refused
  // by its size alone, its bytes never copied.
  function documentAnswer(name, input, lang) {
    const bytes = typeof input === 'string' ? new TextEncoder().encode(input)
      : input instanceof ArrayBuffer ? new Uint8Array(input) : input;
    const within = bytes.length <= mostBytes[name];
    const at = within ? engine._malloc(bytes.length || 1) : 0;
    try {
      if (within) engine.writeArrayToMemory(bytes, at);
      return withText([name, lang], (command, language) =>
        withResult(JSON.parse(engine.UTF8ToString(engine._pendra_document(command, at, bytes.length, language)))));
    } finally {
      if (at) engine._free(at);
    }
  }
  // year or household over a file's bytes or text: {ok: true, text, value} (with withoutNow and its
  // notice when some shared items say who claims them now and one does not), or {ok: false, fault}
  // whose words name the file when one is given.
  const document = (name) => (input, { lang, file } = {}) => {
    const language = lang === 'en' ? 'en' : 'zh';
    const answer = documentAnswer(name, input, language);
    if (answer.status === 0) {
      const outcome = succeeded(answer.result);
      if (answer.withoutNow !== undefined) {
        outcome.withoutNow = answer.withoutNow;
        outcome.notice = fill(catalogue.pieces['without-now'][language], [answer.withoutNow]);
      }
      return outcome;
    }
    const fault = answer.fault;
    if (file !== undefined) fault.file = String(file);
    fault.message = wordsOf(catalogue, fault, language);
    return { ok: false, fault };
  };

  // pendra-cli's arguments as they are; the answer as data.
  function run(args, { lang = 'zh' } = {}) {
    const answer = call(JSON.stringify(args.map(String)), lang === 'en' ? 'en' : 'zh');
    if (answer.fault) answer.fault.message = wordsOf(catalogue, answer.fault, answer.lang);
    return answer;
  }
  // A command's options: {ok: true, text, value} or {ok: false, fault}.
  function command(args, lang) {
    const answer = run([...args, '--json'], { lang });
    if (answer.status === 0 && answer.result !== undefined)
      return succeeded(answer.result);
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
    year: document('year'),
    household: document('household'),
    mostBytes,
    words: (fault, lang = 'zh') => wordsOf(catalogue, fault, lang === 'en' ? 'en' : 'zh'),
    // The fault as pendra-cli prints it on stderr: the program's name, the words, a line break.
    // A notice (text) is printed the same way.
    line: (fault, lang = 'zh') => {
      const language = lang === 'en' ? 'en' : 'zh';
      const words = typeof fault === 'string' ? fault : wordsOf(catalogue, fault, language);
      return fill(catalogue.pieces.prefix[language], [words]);
    },
  };
}
