// Integers of any size, for the exact arithmetic that every decimal type of
// the program shares: one power of ten and one rounded division, written
// once on the few operations that each target's backend gives.
//
// The backend that the build picks (amounts/backend/TARGET) defines the value
// type BigInteger, with the usual arithmetic and comparison operators (also
// against built-in integers), and:
//   SetDecimalDigits(digits, n)  *n = the ASCII decimal digits (not empty)
//   DecimalDigits(n, text)       the digits of n >= 0, written into *text
//   SetPower(base, exponent, n)  *n = base^exponent
//   DivideWithRemainder(n, d, q, r)  *q, *r = n / d and n % d, truncated
//   IsOdd(n), IsDivisibleBy(n, divisor)
//   BitWidth(n)                  the bits of n >= 0 (0 for zero)
//   FromWords(low, high), ToWords(n, low, high)  n = high * 2^64 + low
#ifndef MENSUREX_AMOUNTS_BIG_INTEGER_H_
#define MENSUREX_AMOUNTS_BIG_INTEGER_H_

#include "amounts/big_integer_backend.h"
#include "amounts/exact_decimal.h"

namespace mensurex {

BigInteger PowerOfTen(unsigned long exponent);

// numerator / divisor, both not negative and divisor not zero, rounded by
// `rounding` as for a value of that sign. *exact, when given, tells whether
// the division left no remainder.
BigInteger RoundedQuotient(const BigInteger& numerator,
                           const BigInteger& divisor, Rounding rounding,
                           bool negative = false, bool* exact = nullptr);

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_BIG_INTEGER_H_
