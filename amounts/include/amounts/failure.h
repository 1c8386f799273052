// Failure kinds of the conversion engine, and a small value-or-failure holder.
#ifndef MENSUREX_AMOUNTS_FAILURE_H_
#define MENSUREX_AMOUNTS_FAILURE_H_

#include <cassert>
#include <utility>
#include <variant>

namespace mensurex {

// Why a conversion produced no result at all. There is never a partial
// result: a failed conversion yields none of its seven values.
enum class ConversionFailure {
  // A value reached 2^96 or more in size, or double arithmetic gave an
  // infinity or a NaN (an entry beyond the double range, such as 1E400,
  // ends here too).
  kOverflow,
  // The entry text is not a number in the accepted grammar.
  kNotNumeric,
};

// Either a value of type T or a ConversionFailure.
template <typename T>
class Outcome {
 public:
  // Implicit on purpose: `return value;` and `return failure;` both read
  // naturally in engine code.
  Outcome(T value) : state_(std::move(value)) {}           // NOLINT
  Outcome(ConversionFailure failure) : state_(failure) {}  // NOLINT

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  // Requires ok().
  const T& value() const& {
    assert(ok());
    return std::get<T>(state_);
  }
  T& value() & {
    assert(ok());
    return std::get<T>(state_);
  }
  T&& value() && {
    assert(ok());
    return std::get<T>(std::move(state_));
  }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }

  // Requires !ok().
  ConversionFailure failure() const {
    assert(!ok());
    return std::get<ConversionFailure>(state_);
  }

 private:
  std::variant<T, ConversionFailure> state_;
};

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_FAILURE_H_
