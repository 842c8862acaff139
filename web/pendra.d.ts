// The functions of pendra.mjs. Amounts go in as pendra-cli takes them (a number or its text, in
// yuan) and come out as pendra-cli --json gives them (strings with two decimals).

/** What a computation refused, as data; `message` is its words in the language asked for. */
export interface Fault {
  /** The command whose usage it refers to ("wage", "reverse wage"); empty for the program's own. */
  command: string;
  /** The option at fault ("--income"), or empty. */
  path: string;
  /** A stable key naming the fault ("not-a-number", "unknown-option", "unreachable", ...). */
  kind: string;
  /** The values its words quote. */
  values: string[];
  message?: string;
}

export type Outcome =
  /** `text` is byte for byte what `pendra-cli ... --json` prints; `value` is it parsed. */
  | { ok: true; text: string; value: any }
  | { ok: false; fault: Fault };

export type Language = 'zh' | 'en';
export interface Asked { lang?: Language }

/**
 * A command's options by their names in pendra-cli, spelt as there ("average-wage") or in
 * camelCase (averageWage): a number or text for a value, true for a flag; false, null and
 * undefined leave the option out.
 */
export type Options = Record<string, string | number | boolean | null | undefined>;

/** The answer to pendra-cli's own arguments. */
export interface Answer {
  /** pendra-cli's exit status: 0 computed, 2 nothing computed. */
  status: 0 | 2;
  lang: Language;
  /** Whether --json was among the arguments (the module gives JSON either way). */
  json?: boolean;
  /** Whether --help was asked for: the help is pendra-cli's. */
  help?: boolean;
  result?: string;
  fault?: Fault;
}

export interface Pendra {
  /** pendra-cli's arguments as they are (`["wage", "--income", "20000", "--json"]`). */
  run(args: string[], asked?: Asked): Answer;
  wage(options: Options, asked?: Asked): Outcome;
  bonus(options: Options, asked?: Asked): Outcome;
  labour(options: Options, asked?: Asked): Outcome;
  settle(options: Options, asked?: Asked): Outcome;
  severance(options: Options, asked?: Asked): Outcome;
  reverse(kind: 'wage' | 'bonus' | 'labour', options: Options, asked?: Asked): Outcome;
  /** A fault's words in Chinese or English, from the program's translation. */
  words(fault: Fault, lang?: Language): string;
  /** The fault as pendra-cli prints it on stderr. */
  line(fault: Fault, lang?: Language): string;
}

/** Loads the module: in Node from the package's folder, in a browser from beside pendra.mjs. */
export function load(): Promise<Pendra>;
