// The desktop window's side of the browser page's differential test: reads
// "LOCALE<TAB>UNIT<TAB>ENTRY" lines (LOCALE a Qt name such as ar_EG, UNIT
// 0..6, ENTRY any UTF-8 without a tab or line break) and writes for each the
// line the window's Calculate would show: "ok" and the seven result texts
// in the locale's digits, or "overflow" or "notNumeric", tab-separated.
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "amounts/storage_unit.h"
#include "engine/window_conversion.h"
#include "locale/locale_separators.h"

namespace {

int Run(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    const std::size_t first = line.find('\t');
    const std::size_t second =
        first == std::string::npos ? first : line.find('\t', first + 1);
    if (second == std::string::npos) {
      std::cerr << "web_texts: no LOCALE, UNIT and ENTRY in: " << line << "\n";
      return 2;
    }
    const QLocale locale(QString::fromStdString(line.substr(0, first)));
    // One digit, 0..6.
    const std::string_view index(line.data() + first + 1, second - first - 1);
    const auto unit = index.size() == 1
                          ? mensurex::UnitFromIndex(index[0] - '0')
                          : std::nullopt;
    if (!unit) {
      std::cerr << "web_texts: no unit 0..6 in: " << line << "\n";
      return 2;
    }
    const auto texts = mensurex::ConvertEntryToTexts(
        *unit, std::string_view(line).substr(second + 1),
        mensurex::SeparatorsOf(locale));
    if (!texts) {
      std::cout << (texts.failure() == mensurex::ConversionFailure::kOverflow
                        ? "overflow"
                        : "notNumeric")
                << "\n";
      continue;
    }
    std::cout << "ok";
    for (const std::string& text : *texts) {
      std::cout << '\t'
                << mensurex::InLocaleDigits(QString::fromStdString(text),
                                            locale)
                       .toStdString();
    }
    std::cout << "\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "web_texts: " << error.what() << "\n";
    return 2;
  }
}
