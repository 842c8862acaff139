// The functions of pendra.mjs. Amounts go in as pendra-cli takes them (a number or its text, in
// yuan) and come out as pendra-cli --json gives them (strings with two decimals).

/** What a computation refused, as data; `message` is its words in the language asked for. */
export interface Fault {
  /** The command whose usage it refers to ("wage", "reverse wage"); empty for the program's own. */
  command: string;
  /** The option at fault ("--income"), the key path in a file ("jobs[1].pay[0].income"), or empty. */
  path: string;
  /**
   * A stable key naming the fault ("not-a-number", "unknown-option", "unreachable", ...); of a
   * file, what its reader found ("json/amount-negative", "json/syntax": values line, column and
   * what is wrong) or the engine's checks refused ("year/no-job", "household/years-differ").
   */
  kind: string;
  /** The values its words quote. */
  values: string[];
  message?: string;
  /** year, household: the file named in `message` ("文件“2026.json”有误：…"), when one was given. */
  file?: string;
}

export type Outcome<Value = any> =
  /** `text` is byte for byte what `pendra-cli ... --json` prints; `value` is it parsed. */
  | { ok: true; text: string; value: Value }
  | { ok: false; fault: Fault };

/** An announcement of the law, which each face words in its own language. */
export interface LawDocument {
  /** "sat": 国家税务总局公告; "mof-sat": 财政部 税务总局公告. */
  issuer: 'sat' | 'mof-sat';
  year: number;
  number: number;
}

/**
 * settle's result, and the `settlement` of year's (which adds the deductions and the bonus
 * method's keys); amounts as strings with two decimals, days as "2027-12-31".
 */
export interface Settlement {
  income_amount: string;
  deductions: string;
  donation_limit: string;
  donations: string;
  taxable: string;
  rate: number;
  quick_deduction: string;
  tax: string;
  bonus_tax: string;
  total_tax: string;
  withheld: string;
  /** Positive owes, negative is refunded. */
  balance: string;
  must_file: boolean;
  reason: 'refund' | 'none' | 'owe_small' | 'income_low' | 'owe';
  /** Owes within the thresholds, which do not apply since an employer did not withhold. */
  exemption_barred: boolean;
  /** The year's thresholds: owing at most small_owed, or earning at most low_income, needs no return. */
  small_owed: string;
  low_income: string;
  /** The announcement granting the thresholds, and the last day of the tax years it covers. */
  exemptions: LawDocument;
  exemptions_until: string;
  /** The first and last day of the settlement, in the year after the tax year. */
  settlement_from: string;
  settlement_until: string;
}

export type Language = 'zh' | 'en';
export interface Asked { lang?: Language }
/** For year and household: the name a fault's words give the file, as pendra-cli names it. */
export interface AskedOfFile extends Asked { file?: string }

/**
 * year and household: as Outcome; a household whose shared items say who claims them now, but
 * not all of them, names the first without (`withoutNow`, a key path) and says so (`notice`, the
 * words pendra-cli prints on stderr).
 */
export type FileOutcome =
  | { ok: true; text: string; value: any; withoutNow?: string; notice?: string }
  | { ok: false; fault: Fault };

/** The file's bytes as they are (a file read whole), or its text (taken as UTF-8). */
export type FileContent = string | Uint8Array | ArrayBuffer;

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
  /** year, household: the file named, which the caller reads and hands to year() or household(). */
  file?: string;
  command?: 'year' | 'household';
}

export interface Pendra {
  /** pendra-cli's arguments as they are (`["wage", "--income", "20000", "--json"]`). */
  run(args: string[], asked?: Asked): Answer;
  wage(options: Options, asked?: Asked): Outcome;
  bonus(options: Options, asked?: Asked): Outcome;
  labour(options: Options, asked?: Asked): Outcome;
  settle(options: Options, asked?: Asked): Outcome<Settlement>;
  severance(options: Options, asked?: Asked): Outcome;
  reverse(kind: 'wage' | 'bonus' | 'labour', options: Options, asked?: Asked): Outcome;
  /**
   * The year file's content: what `pendra-cli year FILE --json` prints, or the file's fault with
   * its key path ("jobs[1].pay[0].income"), kind ("json/amount-negative", "year/no-job", ...)
   * and values. A file above `mostBytes.year` bytes is refused by its size.
   */
  year(content: FileContent, asked?: AskedOfFile): FileOutcome;
  /** The household file's content: what `pendra-cli household FILE --json` prints, or its fault. */
  household(content: FileContent, asked?: AskedOfFile): FileOutcome;
  /** The most bytes each file may have, as pendra-cli reads it. */
  readonly mostBytes: { year: number; household: number };
  /** A fault's words in Chinese or English, from the program's translation. */
  words(fault: Fault, lang?: Language): string;
  /** The fault (or a notice's words) as pendra-cli prints it on stderr. */
  line(fault: Fault | string, lang?: Language): string;
}

/** Loads the module: in Node from the package's folder, in a browser from beside pendra.mjs. */
export function load(): Promise<Pendra>;
