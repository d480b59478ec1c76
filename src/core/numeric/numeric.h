// Shared numeric rules: reading numbers typed by the user, checked arithmetic,
// rounding, and writing the numbers and lines that every result box shows.
#pragma once

#include <array>
#include <cstddef>
#include <exception>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

// Why a calculation stopped. Thrown by conversions, arithmetic checks and the
// domain checks of the mathematical functions; never caught by a calculation.
class CalcFailure : public std::exception {
 public:
  enum class Kind { NotANumber, DivisionByZero, Overflow, InvalidArgument };

  explicit CalcFailure(Kind kind, std::string input = {}, std::string cause = {});

  Kind kind() const noexcept { return kind_; }
  // Key of the input to blame: the one whose text failed to convert, or whose
  // value alone made a step fail; empty when no single input is the cause.
  const std::string& input() const noexcept { return input_; }
  // What the input's value did, in plain Chinese words; empty if none is blamed.
  const std::string& cause() const noexcept { return cause_; }
  // The Chinese message that names the kind.
  const char* what() const noexcept override;
  // The kind's message followed by the cause, if there is one.
  std::string message() const;

 private:
  Kind kind_;
  std::string input_;
  std::string cause_;
};

// A value the calculation refuses before any arithmetic, because it lies outside
// the domain where the figures mean anything (a negative price, an efficiency
// above 1). Not a CalcFailure, whose four kinds are the arithmetic's own.
class RefusedValue : public std::exception {
 public:
  static constexpr std::string_view kMessage = "输入的数值超出有效范围。";

  // `note` says what the value must be, in a phrase without a full stop.
  RefusedValue(std::string_view input, std::string_view note)
      : input_(input), note_(note), message_(std::string(kMessage) + note_ + "。") {}

  const std::string& input() const noexcept { return input_; }  // the input's key
  const std::string& note() const noexcept { return note_; }
  const std::string& message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string input_;
  std::string note_;
  std::string message_;
};

// The input a failing step is laid at, and what its value did; empty when no
// single input is the cause.
struct Blame {
  std::string_view input;
  std::string_view cause;
};

std::string_view FailureMessage(CalcFailure::Kind kind);
// Stable ASCII name of a kind ("NotANumber", ...), for machine-readable output.
std::string_view KindName(CalcFailure::Kind kind);

// Text typed into an input box to the nearest double. Throws NotANumber for
// text that is not a number and Overflow beyond the double range.
double ParseNumber(std::string_view text, char decimal_separator = '.');

// What ParseNumber makes of a text, without throwing: the value, or the kind
// it would throw (NotANumber or Overflow). For readers that only look.
struct ReadNumber {
  double value = 0;
  std::optional<CalcFailure::Kind> failure;
};
ReadNumber TryParseNumber(std::string_view text, char decimal_separator = '.');

// The failure, laid at `blame`'s input unless it already blames one or `blame`
// names none.
CalcFailure Blamed(const CalcFailure& failure, Blame blame);

// ParseNumber, with a failure tagged by the input it came from. Inline, so that
// the failure is thrown from the calculation's own frame, one fewer for it to unwind.
inline double ParseInput(std::string_view text, std::string_view input,
                         char decimal_separator = '.') {
  const ReadNumber read = TryParseNumber(text, decimal_separator);
  if (read.failure) throw CalcFailure(*read.failure, std::string(input));
  return read.value;
}

// x rounded to `places` decimals, ties to even, in double arithmetic.
double RoundHalfEven(double x, int places);

// The text a result line shows for x: at most 15 significant digits.
std::string NumberText(double x, char decimal_separator = '.');

// NumberText's text in a buffer of its own, so that a line can take it
// without a string of its own: Concat("蒸发量=", ShownNumber(w), "吨/小时").
class ShownNumber {
 public:
  explicit ShownNumber(double x, char decimal_separator = '.') noexcept;
  std::string_view text() const noexcept { return {chars_.data(), size_}; }
  operator std::string_view() const noexcept { return text(); }

 private:
  // The longest text: a sign, 15 integer digits, the separator and 15 fraction digits.
  std::array<char, 40> chars_;
  std::size_t size_ = 0;
};

// The parts one after another, in a string whose room is taken once.
std::string Concat(std::initializer_list<std::string_view> parts);

// Result lines joined with "\r\n", none after the last line.
std::string JoinLines(const std::vector<std::string>& lines);

// Arithmetic that records the floating-point conditions of each operation, so
// that a failure cannot be folded away by the optimiser. One statement is a
// chain of operations followed by check().
class Checked {
 public:
  double add(double a, double b) noexcept;
  double sub(double a, double b) noexcept;
  double mul(double a, double b) noexcept;
  double div(double a, double b) noexcept;
  // Power: throws InvalidArgument for a negative base and a non-whole exponent.
  double pow(double base, double exponent);
  // Natural logarithm: throws InvalidArgument for zero and negative numbers.
  double log(double x);

  // Throws DivisionByZero or Overflow if a condition was raised since the
  // last clear (division by zero wins), then clears the conditions. The
  // failure blames `blame`'s input, if it names one. Inline, as nearly every
  // check finds nothing and a call would cost more than the test.
  void check(Blame blame = {}) {
    if (division_by_zero_ || overflow_ || invalid_) Raise(blame);
  }

 private:
  [[noreturn]] void Raise(Blame blame);
  void record(double a, double b, double result) noexcept;

  bool division_by_zero_ = false;
  bool overflow_ = false;
  bool invalid_ = false;
};

}  // namespace vapentis
