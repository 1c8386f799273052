// The reference for ScaledDecimal::FromDouble in tests and the fuzzer.
#ifndef MENSUREX_TESTS_SHARED_FIFTEEN_DIGITS_H_
#define MENSUREX_TESTS_SHARED_FIFTEEN_DIGITS_H_

#include <cstdio>
#include <cstdlib>
#include <string>

namespace mensurex::testing {

// The C library's printf rounds the exact binary value correctly (ties to
// even); its 15 significant digits of a positive finite double, written out
// plainly ("0.000123456789012345", "123456789012346000").
inline std::string FifteenDigitsByPrintf(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  const std::string text = buffer;
  std::string digits = text.substr(0, 1) + text.substr(2, 14);
  const int exponent = std::atoi(text.c_str() + text.find('e') + 1) - 14;
  if (exponent >= 0) return digits + std::string(exponent, '0');
  digits = std::string(-exponent, '0') + digits;
  return digits.substr(0, digits.size() + exponent) + "." +
         digits.substr(digits.size() + exponent);
}

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_SHARED_FIFTEEN_DIGITS_H_
