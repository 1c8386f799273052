// The exact arithmetic on GMP integers that every decimal type of the
// program shares: one power of ten and one rounded division.
#ifndef MENSUREX_AMOUNTS_GMP_DECIMAL_H_
#define MENSUREX_AMOUNTS_GMP_DECIMAL_H_

#include <gmpxx.h>

#include "amounts/exact_decimal.h"

namespace mensurex {

mpz_class PowerOfTen(unsigned long exponent);

// numerator / divisor, both not negative and divisor not zero, rounded by
// `rounding` as for a value of that sign. *exact, when given, tells whether
// the division left no remainder.
mpz_class RoundedQuotient(const mpz_class& numerator, const mpz_class& divisor,
                          Rounding rounding, bool negative = false,
                          bool* exact = nullptr);

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_GMP_DECIMAL_H_
