#include "ui/main/locale_separators.h"

#include <QLocale>
#include <QString>

namespace mensurex::ui {

EntrySeparators SeparatorsOf(const QLocale& locale) {
  EntrySeparators separators;
  separators.decimal = locale.decimalPoint().toStdString();
  separators.grouping = locale.groupSeparator().toStdString();
  return separators;
}

EntrySeparators UserSeparators() { return SeparatorsOf(QLocale::system()); }

}  // namespace mensurex::ui
