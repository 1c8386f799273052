// The browser's integers: Boost.Multiprecision's header-only cpp_int, as GMP
// is not to be had for WebAssembly.
#ifndef MENSUREX_AMOUNTS_BIG_INTEGER_BACKEND_H_
#define MENSUREX_AMOUNTS_BIG_INTEGER_BACKEND_H_

#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <string>
#include <string_view>

namespace mensurex {

using BigInteger = boost::multiprecision::cpp_int;

inline void SetDecimalDigits(const std::string& digits, BigInteger* n) {
  // Boost reads a leading 0 as an octal prefix.
  const std::size_t start = digits.find_first_not_of('0');
  *n = start == std::string::npos ? BigInteger(0)
                                  : BigInteger(digits.c_str() + start);
}

inline std::string_view DecimalDigits(const BigInteger& n, std::string* text) {
  *text = n.str();
  return *text;
}

inline void SetPower(unsigned long base, unsigned long exponent,
                     BigInteger* n) {
  *n = boost::multiprecision::pow(BigInteger(base),
                                  static_cast<unsigned>(exponent));
}

inline void DivideWithRemainder(const BigInteger& n, const BigInteger& d,
                                BigInteger* q, BigInteger* r) {
  boost::multiprecision::divide_qr(n, d, *q, *r);
}

inline bool IsOdd(const BigInteger& n) {
  return boost::multiprecision::bit_test(n, 0);
}

inline bool IsDivisibleBy(const BigInteger& n, unsigned long divisor) {
  return n % divisor == 0;
}

inline int BitWidth(const BigInteger& n) {
  return n == 0 ? 0 : static_cast<int>(boost::multiprecision::msb(n)) + 1;
}

inline BigInteger FromWords(std::uint64_t low, std::uint64_t high) {
  BigInteger n = high;
  n <<= 64;
  n |= low;
  return n;
}

inline void ToWords(const BigInteger& n, std::uint64_t* low,
                    std::uint64_t* high) {
  *low = static_cast<std::uint64_t>(n & ~std::uint64_t{0});
  *high = static_cast<std::uint64_t>(n >> 64);
}

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_BIG_INTEGER_BACKEND_H_
