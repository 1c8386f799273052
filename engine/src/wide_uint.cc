#include "wide_uint.h"

#include <bit>
#include <cassert>

namespace mensurex::internal {

WideUint::WideUint(std::uint64_t value) : size_(2) {
  limbs_[0] = static_cast<std::uint32_t>(value);
  limbs_[1] = static_cast<std::uint32_t>(value >> 32);
  Trim();
}

WideUint::WideUint(std::uint32_t high32, std::uint64_t low64) : size_(3) {
  limbs_[0] = static_cast<std::uint32_t>(low64);
  limbs_[1] = static_cast<std::uint32_t>(low64 >> 32);
  limbs_[2] = high32;
  Trim();
}

WideUint WideUint::PowerOfTen(int exponent) {
  static const std::array<WideUint, 111> kPowers = [] {
    std::array<WideUint, 111> powers;
    WideUint power(1);
    for (WideUint& entry : powers) {
      entry = power;
      power.MulAdd(10, 0);
    }
    return powers;
  }();
  assert(exponent >= 0 && exponent <= 110);
  return kPowers[static_cast<std::size_t>(exponent)];
}

void WideUint::Trim() {
  while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

void WideUint::MulAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (int i = 0; i < size_; ++i) {
    const std::uint64_t t = std::uint64_t{limbs_[i]} * factor + carry;
    limbs_[i] = static_cast<std::uint32_t>(t);
    carry = t >> 32;
  }
  if (carry != 0) {
    assert(size_ < kMaxLimbs);
    limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }
  Trim();
}

std::uint32_t WideUint::DivSmall(std::uint32_t divisor) {
  assert(divisor != 0);
  std::uint64_t remainder = 0;
  for (int i = size_ - 1; i >= 0; --i) {
    const std::uint64_t t = (remainder << 32) | limbs_[i];
    limbs_[i] = static_cast<std::uint32_t>(t / divisor);
    remainder = t % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

WideUint WideUint::Mul(const WideUint& a, const WideUint& b) {
  WideUint result;
  if (a.is_zero() || b.is_zero()) return result;
  assert(a.size_ + b.size_ <= kMaxLimbs);
  for (int i = 0; i < a.size_; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < b.size_; ++j) {
      const std::uint64_t t = std::uint64_t{a.limbs_[i]} * b.limbs_[j] +
                              result.limbs_[i + j] + carry;
      result.limbs_[i + j] = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    result.limbs_[i + b.size_] = static_cast<std::uint32_t>(carry);
  }
  result.size_ = a.size_ + b.size_;
  result.Trim();
  return result;
}

// Long division with one 32-bit quotient limb per step, each estimated from
// the top two limbs of the remainder and corrected (Knuth, TAOCP vol. 2,
// 4.3.1, algorithm D).
void WideUint::DivMod(const WideUint& u, const WideUint& v, WideUint* quotient,
                      WideUint* remainder) {
  assert(!v.is_zero());
  WideUint q;
  WideUint r;
  if (Compare(u, v) < 0) {
    *remainder = u;
    *quotient = q;
    return;
  }
  if (v.size_ == 1) {
    q = u;
    r = WideUint(q.DivSmall(v.limbs_[0]));
    *quotient = q;
    *remainder = r;
    return;
  }

  const int n = v.size_;
  const int m = u.size_;
  // Normalise so that the divisor's top limb has its high bit set.
  const int shift = std::countl_zero(v.limbs_[n - 1]);
  std::array<std::uint32_t, kMaxLimbs> vn{};
  std::array<std::uint32_t, kMaxLimbs + 1> un{};
  for (int i = n - 1; i >= 0; --i) {
    const std::uint64_t wide =
        (std::uint64_t{v.limbs_[i]} << 32) | (i > 0 ? v.limbs_[i - 1] : 0U);
    vn[i] = static_cast<std::uint32_t>(wide >> (32 - shift));
  }
  un[m] = static_cast<std::uint32_t>(std::uint64_t{u.limbs_[m - 1]} >>
                                     (32 - shift));
  for (int i = m - 1; i >= 0; --i) {
    const std::uint64_t wide =
        (std::uint64_t{u.limbs_[i]} << 32) | (i > 0 ? u.limbs_[i - 1] : 0U);
    un[i] = static_cast<std::uint32_t>(wide >> (32 - shift));
  }

  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  for (int j = m - n; j >= 0; --j) {
    const std::uint64_t top = (std::uint64_t{un[j + n]} << 32) | un[j + n - 1];
    std::uint64_t qhat = top / vn[n - 1];
    std::uint64_t rhat = top % vn[n - 1];
    while (qhat >= kBase || qhat * vn[n - 2] > ((rhat << 32) | un[j + n - 2])) {
      --qhat;
      rhat += vn[n - 1];
      if (rhat >= kBase) break;
    }
    // un[j .. j+n] -= qhat * vn.
    std::uint64_t carry = 0;
    std::uint64_t borrow = 0;
    for (int i = 0; i < n; ++i) {
      const std::uint64_t product = qhat * vn[i] + carry;
      carry = product >> 32;
      const std::uint64_t diff = std::uint64_t{un[i + j]} -
                                 static_cast<std::uint32_t>(product) - borrow;
      un[i + j] = static_cast<std::uint32_t>(diff);
      borrow = diff >> 63;
    }
    const std::uint64_t diff = std::uint64_t{un[j + n]} - carry - borrow;
    un[j + n] = static_cast<std::uint32_t>(diff);
    if ((diff >> 63) != 0) {
      // qhat was one too large: add the divisor back.
      --qhat;
      std::uint64_t add_carry = 0;
      for (int i = 0; i < n; ++i) {
        const std::uint64_t sum = std::uint64_t{un[i + j]} + vn[i] + add_carry;
        un[i + j] = static_cast<std::uint32_t>(sum);
        add_carry = sum >> 32;
      }
      un[j + n] = static_cast<std::uint32_t>(un[j + n] + add_carry);
    }
    q.limbs_[j] = static_cast<std::uint32_t>(qhat);
  }
  q.size_ = m - n + 1;
  q.Trim();

  for (int i = 0; i < n; ++i) {
    const std::uint64_t wide = (std::uint64_t{un[i + 1]} << 32) | un[i];
    r.limbs_[i] = static_cast<std::uint32_t>(wide >> shift);
  }
  r.size_ = n;
  r.Trim();
  *quotient = q;
  *remainder = r;
}

int Compare(const WideUint& a, const WideUint& b) {
  if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
  for (int i = a.size_ - 1; i >= 0; --i) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

void RoundQuotientHalfEven(const WideUint& remainder, const WideUint& divisor,
                           WideUint* quotient) {
  if (remainder.is_zero()) return;
  WideUint twice = remainder;
  twice.MulAdd(2, 0);
  const int order = Compare(twice, divisor);
  if (order > 0 || (order == 0 && quotient->is_odd())) quotient->MulAdd(1, 1);
}

}  // namespace mensurex::internal
