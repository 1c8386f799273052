// The number conventions of a locale as the entry grammar needs them: its
// decimal and grouping separators, its digit group sizes and its zero
// digit's code point, from the browser's Intl. The page and the tests under
// Node read them from this one function.
'use strict';

function mensurexNumberConventions(tag) {
  let format;
  try {
    format = new Intl.NumberFormat(tag, { maximumFractionDigits: 1 });
  } catch (error) {
    format = new Intl.NumberFormat('en-US', { maximumFractionDigits: 1 });
  }
  const parts = format.formatToParts(1234567890.5);
  const part = (type, fallback) => (parts.find((p) => p.type === type) || { value: fallback }).value;
  // Sizes measured on a number of at least three groups; a locale that
  // writes fewer keeps the usual sizes.
  const groups = parts.filter((p) => p.type === 'integer').map((p) => [...p.value].length);
  const zero = format.formatToParts(0).find((p) => p.type === 'integer');
  return {
    decimal: part('decimal', '.'),
    grouping: part('group', ''),
    firstGroupSize: groups.length >= 3 ? groups[groups.length - 1] : 3,
    higherGroupSize: groups.length >= 3 ? groups[groups.length - 2] : 3,
    zero: zero ? zero.value.codePointAt(0) : 0x30,
  };
}

if (typeof module !== 'undefined') module.exports = { mensurexNumberConventions };
