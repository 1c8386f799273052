// The page's conversions against the desktop window's: random entries, in
// every unit and several locales, go through the WebAssembly module (as the
// page calls it, with the conventions the browser's Intl states) and through
// the native engine with Qt's locale (web_texts); every text must be equal.
//
// Usage: node differential.js SITE_DIR WEB_TEXTS [COUNT]
'use strict';

const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const [site, webTexts, countArg] = process.argv.slice(2);
const count = Number(countArg || 3000);
const { mensurexNumberConventions } = require(path.resolve(site, 'numbers.js'));
const createMensurex = require(path.resolve(site, 'mensurex.js'));

// Qt's name and the browser's tag of each locale tried.
const kLocales = [['en_US', 'en-US'], ['de_DE', 'de-DE'], ['fr_FR', 'fr-FR'], ['ru_RU', 'ru-RU'],
  ['hi_IN', 'hi-IN'], ['ar_EG', 'ar-EG'], ['fa_IR', 'fa-IR'], ['ja_JP', 'ja-JP']];

// A small seeded generator, so that a failure can be run again.
let seed = Number(process.env.MENSUREX_SEED || 41);
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const digits = (n) => Array.from({ length: n }, () => String(Math.floor(random() * 10))).join('');

// Integer digits grouped as the locale groups them, now and then wrongly.
function grouped(integer, numbers) {
  if (random() < 0.5 || !numbers.grouping) return integer;
  const groups = [];
  let rest = integer;
  let size = random() < 0.9 ? numbers.firstGroupSize : 2;
  while (rest.length > size) {
    groups.unshift(rest.slice(-size));
    rest = rest.slice(0, -size);
    size = numbers.higherGroupSize;
  }
  groups.unshift(rest);
  return groups.join(random() < 0.9 ? numbers.grouping : pick([',', '.', ' ', "'"]));
}

function entry(numbers) {
  if (random() < 0.05) return pick(['', ' ', 'abc', '1e', '--1', '1.2.3', '+', '\u00a0', '1E400', '-0', '0x10']);
  let text = pick(['', '', '', '-', '+']);
  const magnitude = pick([1, 2, 3, 5, 8, 12, 16, 20, 25, 29, 31]);
  text += grouped(digits(Math.floor(random() * magnitude) + (random() < 0.9 ? 1 : 0)), numbers);
  if (random() < 0.5) text += (random() < 0.9 ? numbers.decimal : pick(['.', ','])) + digits(Math.floor(random() * 20));
  if (random() < 0.2) text += pick(['E', 'e']) + pick(['', '-', '+']) + digits(Math.floor(random() * 3) + 1);
  if (random() < 0.15) text = pick([' ', '  ', '\u3000']) + text + pick(['', ' ']);
  if (random() < 0.1 && numbers.zero !== 0x30) {
    text = text.replace(/[0-9]/g, (d) => String.fromCodePoint(numbers.zero + Number(d)));
  }
  if (random() < 0.03) text += pick(['x', '%', '\u0661', '..']);
  return text;
}

async function main() {
  const core = await createMensurex({ wasmBinary: fs.readFileSync(path.resolve(site, 'mensurex.wasm')) });
  // The entry as the page hands it over: UTF-8 bytes.
  const encoder = new TextEncoder();
  const cases = [];
  for (const [qt, tag] of kLocales) {
    const numbers = mensurexNumberConventions(tag);
    for (let i = 0; i < count; ++i) {
      const text = entry(numbers);
      const unitsOf = i < 40 ? [0, 1, 2, 3, 4, 5, 6] : [Math.floor(random() * 7)];
      for (const unit of unitsOf) cases.push({ qt, numbers, unit, text });
    }
  }
  const input = cases.map((c) => `${c.qt}\t${c.unit}\t${c.text}\n`).join('');
  const native = spawnSync(webTexts, [], { input, encoding: 'utf8', maxBuffer: 1 << 28 });
  if (native.status !== 0) throw new Error(`web_texts failed: ${native.stderr}`);
  const expected = native.stdout.split('\n');
  let differences = 0;
  const converted = { ok: 0, overflow: 0, notNumeric: 0 };
  cases.forEach((c, index) => {
    const answer = core.convert(c.unit, encoder.encode(c.text), c.numbers);
    const line = answer.texts ? ['ok', ...answer.texts].join('\t') : answer.failure;
    ++converted[line.split('\t')[0]];
    if (line !== expected[index] && ++differences <= 10) {
      console.error(`differs: ${c.qt} unit ${c.unit} entry ${JSON.stringify(c.text)}\n` +
        `  page:    ${line}\n  desktop: ${expected[index]}`);
    }
  });
  console.log(`differential: ${cases.length} entries in ${kLocales.length} locales ` +
    `(${converted.ok} converted, ${converted.notNumeric} refused, ${converted.overflow} overflows), ` +
    `${differences} differences`);
  process.exit(differences === 0 ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(2);
});
