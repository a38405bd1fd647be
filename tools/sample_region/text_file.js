'use strict';
// The program's data files are single-byte Windows-1252 text: "/" header lines
// describing the fields, then one record per line. These scripts are UTF-8, so
// every text goes through toCp1252; what the code page lacks is transliterated.
const fs = require('fs');
const path = require('path');

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const CP1252_HIGH = new Map([
  [0x20ac, 0x80], [0x201a, 0x82], [0x0192, 0x83], [0x201e, 0x84], [0x2026, 0x85], [0x2020, 0x86],
  [0x2021, 0x87], [0x02c6, 0x88], [0x2030, 0x89], [0x0160, 0x8a], [0x2039, 0x8b], [0x0152, 0x8c],
  [0x017d, 0x8e], [0x2018, 0x91], [0x2019, 0x92], [0x201c, 0x93], [0x201d, 0x94], [0x2022, 0x95],
  [0x2013, 0x96], [0x2014, 0x97], [0x02dc, 0x98], [0x2122, 0x99], [0x0161, 0x9a], [0x203a, 0x9b],
  [0x0153, 0x9c], [0x017e, 0x9e], [0x0178, 0x9f],
]);

// The readers turn these bytes, taken for accents typed under the console
// code page, into other letters (0x8C would become î, 0xF8 a degree sign):
// the characters Windows-1252 puts there are transliterated instead.
const CONSOLE_ACCENT_BYTES = new Set([0x81, 0x82, 0x83, 0x85, 0x87, 0x88, 0x8a, 0x8b, 0x8c, 0x93, 0x94, 0x96, 0xf8]);

// Transliterations of what has no byte of its own and does not decompose into
// a base letter and an accent.
const LETTERS = new Map([
  ['ł', 'l'], ['Ł', 'L'], ['đ', 'd'], ['Đ', 'D'], ['ı', 'i'], ['ħ', 'h'], ['Ħ', 'H'], ['ŀ', 'l'],
  ['Ŀ', 'L'], ['ĳ', 'ij'], ['Ĳ', 'IJ'], ['ſ', 's'], ['ʼ', "'"], ['Œ', 'Oe'], ['ø', 'o'], ['‚', "'"],
  ['„', '"'], ['“', '"'], ['”', '"'], ['…', '...'], ['–', '-'], ['‹', '<'], ['ˆ', '^'], ['ƒ', 'f'],
  ['‡', '+'],
]);

function byteOf(codePoint) {
  const byte = codePoint < 0x80 || (codePoint >= 0xa0 && codePoint <= 0xff) ? codePoint : CP1252_HIGH.get(codePoint);
  return CONSOLE_ACCENT_BYTES.has(byte) ? undefined : byte;
}

function encodeChar(ch) {
  const direct = byteOf(ch.codePointAt(0));
  if (direct !== undefined) {
    return [direct];
  }
  const base = LETTERS.get(ch) ?? ch.normalize('NFD').replace(/\p{M}/gu, '');
  const bytes = [...base].map((c) => byteOf(c.codePointAt(0)));
  return bytes.length > 0 && bytes.every((b) => b !== undefined) ? bytes : [0x3f];
}

function toCp1252(text) {
  const bytes = [];
  for (const ch of text.normalize('NFC')) {
    bytes.push(...encodeChar(ch));
  }
  return Buffer.from(bytes);
}

// Writes header comment lines, then the records (which may hold comment
// lines of their own). The file must end on a record: a comment as last line
// would be read back as data.
function writeDataFile(file, header, records) {
  for (const line of header) {
    if (!line.startsWith('/')) {
      throw new Error(`${file}: header line without "/": ${line}`);
    }
  }
  if (records.some((line) => line === '')) {
    throw new Error(`${file}: empty record line`);
  }
  if (records.length > 0 && records[records.length - 1].startsWith('/')) {
    throw new Error(`${file}: the last line is a comment`);
  }
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, toCp1252([...header, ...records].join('\n') + '\n'));
}

module.exports = { toCp1252, writeDataFile };
