// How a Qt locale writes numbers: the entry grammar's separators, and the
// locale's own digits.
#ifndef MENSUREX_LOCALE_LOCALE_SEPARATORS_H_
#define MENSUREX_LOCALE_LOCALE_SEPARATORS_H_

#include <QString>

#include "amounts/entry.h"

class QLocale;

namespace mensurex {

// How the locale writes numbers, as the entry grammar reads them: its decimal
// and digit-grouping separators as UTF-8 text with their keyboard
// alternatives ("." for the Arabic decimal separator U+066B), its digit
// group sizes and its zero digit.
EntrySeparators SeparatorsOf(const QLocale& locale);

// The separators of the user's locale (LC_ALL, LC_NUMERIC or LANG).
EntrySeparators UserSeparators();

// `text` with its ASCII digits in the locale's own digits (U+0660.. in
// ar_EG), so that a number written with the locale's decimal separator is
// in one form throughout, never Latin digits with an Arabic mark. Where the
// locale writes ASCII digits, `text` is returned as it is.
QString InLocaleDigits(QString text, const QLocale& locale);

// InLocaleDigits under the user's locale.
QString InUserDigits(QString text);

}  // namespace mensurex

#endif  // MENSUREX_LOCALE_LOCALE_SEPARATORS_H_
