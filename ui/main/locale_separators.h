// The entry's separators from a Qt locale.
#ifndef MENSUREX_UI_MAIN_LOCALE_SEPARATORS_H_
#define MENSUREX_UI_MAIN_LOCALE_SEPARATORS_H_

#include "mensurex/entry.h"

class QLocale;

namespace mensurex::ui {

// How the locale writes numbers, as the entry grammar reads them: its decimal
// and digit-grouping separators as UTF-8 text with their keyboard
// alternatives, its digit group sizes and its zero digit.
EntrySeparators SeparatorsOf(const QLocale& locale);

// The separators of the user's locale (LC_ALL, LC_NUMERIC or LANG).
EntrySeparators UserSeparators();

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_LOCALE_SEPARATORS_H_
