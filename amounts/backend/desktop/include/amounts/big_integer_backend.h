// The desktop's integers: GMP's, through gmpxx's inline mpz_class.
#ifndef MENSUREX_AMOUNTS_BIG_INTEGER_BACKEND_H_
#define MENSUREX_AMOUNTS_BIG_INTEGER_BACKEND_H_

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace mensurex {

using BigInteger = mpz_class;

inline void SetDecimalDigits(const std::string& digits, BigInteger* n) {
  n->set_str(digits, 10);
}

// Written into the text's memory of earlier calls.
inline std::string_view DecimalDigits(const BigInteger& n, std::string* text) {
  text->resize(mpz_sizeinbase(n.get_mpz_t(), 10) + 2);
  mpz_get_str(text->data(), 10, n.get_mpz_t());
  return {text->data()};
}

inline void SetPower(unsigned long base, unsigned long exponent,
                     BigInteger* n) {
  mpz_ui_pow_ui(n->get_mpz_t(), base, exponent);
}

inline void DivideWithRemainder(const BigInteger& n, const BigInteger& d,
                                BigInteger* q, BigInteger* r) {
  mpz_tdiv_qr(q->get_mpz_t(), r->get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
}

inline bool IsOdd(const BigInteger& n) { return mpz_odd_p(n.get_mpz_t()) != 0; }

inline bool IsDivisibleBy(const BigInteger& n, unsigned long divisor) {
  return mpz_divisible_ui_p(n.get_mpz_t(), divisor) != 0;
}

inline int BitWidth(const BigInteger& n) {
  return n == 0 ? 0 : static_cast<int>(mpz_sizeinbase(n.get_mpz_t(), 2));
}

// Both 64-bit words, least significant first, in the machine's byte order.
inline BigInteger FromWords(std::uint64_t low, std::uint64_t high) {
  const std::array<std::uint64_t, 2> words = {low, high};
  BigInteger n;
  mpz_import(n.get_mpz_t(), words.size(), -1, sizeof(std::uint64_t), 0, 0,
             words.data());
  return n;
}

inline void ToWords(const BigInteger& n, std::uint64_t* low,
                    std::uint64_t* high) {
  std::array<std::uint64_t, 2> words{};
  mpz_export(words.data(), nullptr, -1, sizeof(std::uint64_t), 0, 0,
             n.get_mpz_t());
  *low = words[0];
  *high = words[1];
}

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_BIG_INTEGER_BACKEND_H_
