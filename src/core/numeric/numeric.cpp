#include "core/numeric/numeric.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace vapentis {

CalcFailure::CalcFailure(Kind kind, std::string input, std::string cause)
    : kind_(kind), input_(std::move(input)), cause_(std::move(cause)) {}

const char* CalcFailure::what() const noexcept { return FailureMessage(kind_).data(); }

std::string CalcFailure::message() const {
  std::string text(FailureMessage(kind_));
  if (!cause_.empty()) text += cause_ + "。";
  return text;
}

std::string_view FailureMessage(CalcFailure::Kind kind) {
  switch (kind) {
    case CalcFailure::Kind::NotANumber:
      return "输入的内容不是数字。";
    case CalcFailure::Kind::DivisionByZero:
      return "计算中除数为零。";
    case CalcFailure::Kind::Overflow:
      return "计算溢出：数值超出范围或运算无效。";
    case CalcFailure::Kind::InvalidArgument:
      return "数学函数收到无效的参数：对零或负数取对数，或对负数开非整数次幂。";
  }
  return "计算失败。";
}

std::string_view KindName(CalcFailure::Kind kind) {
  switch (kind) {
    case CalcFailure::Kind::NotANumber:
      return "NotANumber";
    case CalcFailure::Kind::DivisionByZero:
      return "DivisionByZero";
    case CalcFailure::Kind::Overflow:
      return "Overflow";
    case CalcFailure::Kind::InvalidArgument:
      return "InvalidArgument";
  }
  return "Unknown";
}

namespace {

// One character of input after folding the full-width forms of Chinese input
// methods to ASCII. `length` is the number of bytes it took.
struct Folded {
  char ascii;  // '\0' when the character has no ASCII meaning here
  std::size_t length;
};

Folded FoldAt(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const std::size_t left = text.size() - i;
  if (byte(0) < 0x80) return {text[i], 1};
  if (left >= 3 && byte(0) == 0xE3 && byte(1) == 0x80) {
    if (byte(2) == 0x80) return {' ', 3};  // U+3000 ideographic space
    if (byte(2) == 0x82) return {'.', 3};  // U+3002 ideographic full stop
  }
  if (left >= 3 && byte(0) == 0xEF && byte(1) == 0xBC) {
    const unsigned char c = byte(2);
    if (c >= 0x90 && c <= 0x99) return {static_cast<char>('0' + (c - 0x90)), 3};
    switch (c) {
      case 0x8B:
        return {'+', 3};
      case 0x8C:
        return {',', 3};
      case 0x8D:
        return {'-', 3};
      case 0x8E:
        return {'.', 3};
      case 0xA5:
        return {'E', 3};
      default:
        break;
    }
  }
  if (left >= 3 && byte(0) == 0xEF && byte(1) == 0xBD && byte(2) == 0x85) return {'e', 3};
  return {'\0', 1};
}

// Every power of ten a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Full-width forms of Chinese input methods turned into their ASCII characters;
// false when a character has no ASCII meaning here.
bool FoldToAscii(std::string_view text, std::string& folded) {
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Folded f = FoldAt(text, i);
    if (f.ascii == '\0') return false;
    folded.push_back(f.ascii);
    i += f.length;
  }
  return true;
}

// from_chars on a number whose separator is not a full stop: a copy with one.
std::from_chars_result FromCharsWithFullStop(const char* first, const char* last,
                                             const char* separator, double& value) {
  std::string copy(first, last);
  copy[static_cast<std::size_t>(separator - first)] = '.';
  auto result = std::from_chars(copy.data(), copy.data() + copy.size(), value);
  result.ptr = first + (result.ptr - copy.data());
  return result;
}

// Decimal exponent of the first significant digit of a well-formed number, to
// tell a value too small for a double from one too large.
long long DecimalMagnitude(const char* p, const char* last) {
  long long integer_digits = 0;
  long long leading_zeros = 0;
  bool separator_seen = false;
  bool significant = false;
  for (; p < last && *p != 'e' && *p != 'E'; ++p) {
    if (!IsDigit(*p)) {
      separator_seen = true;
      continue;
    }
    if (*p != '0') significant = true;
    if (!significant) ++leading_zeros;
    if (!separator_seen) ++integer_digits;
  }
  long long exponent = 0;
  if (p < last) {
    ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    for (; p < last; ++p) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (*p - '0');
    }
    if (negative) exponent = -exponent;
  }
  return integer_digits - 1 - leading_zeros + exponent;
}

enum class Ascii { Number, NotANumber, Overflow };

// Nearly every typed number is digits with at most one separator: read with
// at most 19 digits into an integer of at most 2^53 and at most 22 fraction
// digits, it is an exact integer over an exact power of ten, and the division
// rounds correctly, as from_chars does. False for any other text.
bool ReadShortDecimal(const char* p, const char* last, char decimal_separator, double& value) {
  constexpr int kMostDigits = 19;  // any 19 digits fit in 64 bits
  constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
  std::uint64_t significand = 0;
  int digits = 0;
  int fraction_digits = -1;  // none before the separator
  for (; p < last; ++p) {
    if (IsDigit(*p)) {
      if (++digits > kMostDigits) return false;
      significand = significand * 10 + static_cast<std::uint64_t>(*p - '0');
      if (fraction_digits >= 0) ++fraction_digits;
    } else if ((*p == '.' || *p == decimal_separator) && fraction_digits < 0) {
      fraction_digits = 0;
    } else {
      return false;
    }
  }
  if (digits == 0 || significand > kExactIntegers ||
      fraction_digits >= static_cast<int>(kExactPowersOfTen.size())) {
    return false;
  }
  value = static_cast<double>(significand);
  if (fraction_digits > 0) value /= kExactPowersOfTen[static_cast<std::size_t>(fraction_digits)];
  return true;
}

// Reads text of ASCII characters. Past the blanks and the sign, from_chars's
// own grammar is the accepted one (digits with one full stop, an optional
// exponent), less the infinities and NaNs it also knows, so it scans and
// converts the number in one pass; short decimals are read without it.
Ascii ReadAscii(std::string_view text, char decimal_separator, double& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first < last && IsBlank(*first)) ++first;
  while (last > first && IsBlank(last[-1])) --last;
  bool negative = false;
  if (first < last && (*first == '+' || *first == '-')) negative = *first++ == '-';
  if (first == last || !(IsDigit(*first) || *first == '.' || *first == decimal_separator)) {
    return Ascii::NotANumber;
  }

  double value = 0.0;
  if (ReadShortDecimal(first, last, decimal_separator, value)) {
    out = negative ? -value : value;
    return Ascii::Number;
  }
  const char* const separator =
      decimal_separator == '.' ? last : std::find(first, last, decimal_separator);
  const auto [end, ec] = separator != last ? FromCharsWithFullStop(first, last, separator, value)
                                           : std::from_chars(first, last, value);
  if (end != last) return Ascii::NotANumber;
  if (ec == std::errc::result_out_of_range) {
    // Too small for a double: zero, as the hardware would round it.
    if (DecimalMagnitude(first, last) >= 0) return Ascii::Overflow;
    value = 0.0;
  } else if (ec != std::errc()) {
    return Ascii::NotANumber;
  }
  out = negative ? -value : value;
  return Ascii::Number;
}

}  // namespace

ReadNumber TryParseNumber(std::string_view text, char decimal_separator) {
  // Plain ASCII, the usual case, is read in place; only text that fails so
  // is scanned for full-width forms and read again folded.
  ReadNumber read;
  Ascii ascii = ReadAscii(text, decimal_separator, read.value);
  if (ascii == Ascii::NotANumber && !IsAscii(text)) {
    std::string folded;
    if (FoldToAscii(text, folded)) ascii = ReadAscii(folded, decimal_separator, read.value);
  }
  if (ascii == Ascii::NotANumber) read.failure = CalcFailure::Kind::NotANumber;
  if (ascii == Ascii::Overflow) read.failure = CalcFailure::Kind::Overflow;
  return read;
}

double ParseNumber(std::string_view text, char decimal_separator) {
  const ReadNumber read = TryParseNumber(text, decimal_separator);
  if (read.failure) throw CalcFailure(*read.failure);
  return read.value;
}

CalcFailure Blamed(const CalcFailure& failure, Blame blame) {
  if (!failure.input().empty() || blame.input.empty()) return failure;
  return CalcFailure(failure.kind(), std::string(blame.input), std::string(blame.cause));
}

namespace {

double PowerOfTen(int places) {
  if (places < static_cast<int>(kExactPowersOfTen.size())) return kExactPowersOfTen[places];
  return std::pow(10.0, places);
}

// Nearest whole number, ties to the even neighbour, whatever the rounding mode.
double NearestEven(double v) {
  const double floor = std::floor(v);
  const double fraction = v - floor;  // exact for |v| < 2^52; larger v are whole
  if (fraction > 0.5) return floor + 1.0;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

}  // namespace

double RoundHalfEven(double x, int places) {
  if (places < 0 || !std::isfinite(x)) return x;
  const double scale = PowerOfTen(places);
  const double scaled = x * scale;
  if (!std::isfinite(scaled)) return x;
  return NearestEven(scaled) / scale;
}

namespace {

// The digits and decimal exponent of a > 0 when a is the double nearest to a
// decimal n / 10^d of at most 15 digits, as most shown figures are. That
// decimal is then a's rounding to 15 digits: a lies within half an ulp of it,
// and half an ulp of a normal double is less than half a unit in the 15th digit.
bool ShortDecimal(double a, std::array<char, 17>& digits, int& k, int& e) {
  for (int d = 0; d <= 15; ++d) {
    const double scale = kExactPowersOfTen[static_cast<std::size_t>(d)];
    const double n = a * scale;
    if (n >= 1e15) return false;
    if (n != std::floor(n)) continue;
    if (n / scale != a) return false;  // the decimal does not read back as a
    const auto whole = static_cast<std::uint64_t>(n);
    k = static_cast<int>(std::to_chars(digits.data(), digits.data() + digits.size(), whole).ptr -
                         digits.data());
    e = k - 1 - d;
    return true;
  }
  return false;
}

}  // namespace

ShownNumber::ShownNumber(double x, char decimal_separator) noexcept {
  const auto put_text = [this](std::string_view text) {
    text.copy(chars_.data(), text.size());
    size_ = text.size();
  };
  if (x == 0.0 || !std::isfinite(x)) {
    if (std::isnan(x)) {
      put_text("NaN");
    } else if (std::isinf(x)) {
      put_text(x < 0 ? "-Inf" : "Inf");
    } else {
      put_text("0");
    }
    return;
  }
  std::array<char, 17> digits{};
  int k = 0;
  int e = 0;
  if (!ShortDecimal(std::fabs(x), digits, k, e)) {
    // d.dddddddddddddde±XX[X], correctly rounded to 15 significant digits.
    std::array<char, 32> buf{};
    const char* const end = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(x),
                                          std::chars_format::scientific, 14)
                                .ptr;
    const char* p = buf.data();
    for (; p < end && *p != 'e'; ++p) {
      if (*p != '.') digits[static_cast<std::size_t>(k++)] = *p;
    }
    const bool exponent_negative = p[1] == '-';
    for (p += 2; p < end; ++p) e = e * 10 + (*p - '0');
    if (exponent_negative) e = -e;
  }
  while (k > 1 && digits[static_cast<std::size_t>(k - 1)] == '0') --k;

  std::size_t n = 0;
  const auto put = [&](char c) { chars_[n++] = c; };
  const auto put_digits = [&](int from, int to) {
    for (int d = from; d < to; ++d) put(digits[static_cast<std::size_t>(d)]);
  };
  if (x < 0) put('-');
  const int fraction_digits = std::max(0, k - 1 - e);
  if (e < 15 && fraction_digits <= 15) {
    if (e < 0) {
      put('0');
      put(decimal_separator);
      for (int z = 0; z < -e - 1; ++z) put('0');
      put_digits(0, k);
    } else if (k <= e + 1) {
      put_digits(0, k);
      for (int z = k; z < e + 1; ++z) put('0');
    } else {
      put_digits(0, e + 1);
      put(decimal_separator);
      put_digits(e + 1, k);
    }
    size_ = n;
    return;
  }
  put(digits[0]);
  if (k > 1) {
    put(decimal_separator);
    put_digits(1, k);
  }
  put('E');
  put(e < 0 ? '-' : '+');
  const int magnitude = e < 0 ? -e : e;
  if (magnitude >= 100) put(static_cast<char>('0' + magnitude / 100));
  put(static_cast<char>('0' + magnitude / 10 % 10));
  put(static_cast<char>('0' + magnitude % 10));
  size_ = n;
}

std::string NumberText(double x, char decimal_separator) {
  return std::string(ShownNumber(x, decimal_separator).text());
}

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  // Made at its size and filled in place: an append per part would check the room each time.
  std::string text(size, '\0');
  char* out = text.data();
  for (const std::string_view part : parts) out = std::copy(part.begin(), part.end(), out);
  return text;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

void Checked::record(double a, double b, double result) noexcept {
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) invalid_ = true;
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) overflow_ = true;
}

double Checked::add(double a, double b) noexcept {
  const double r = a + b;
  record(a, b, r);
  return r;
}

double Checked::sub(double a, double b) noexcept {
  const double r = a - b;
  record(a, b, r);
  return r;
}

double Checked::mul(double a, double b) noexcept {
  const double r = a * b;
  record(a, b, r);
  return r;
}

double Checked::div(double a, double b) noexcept {
  if (b == 0.0) {
    // 0/0 is an invalid operation; finite/0 a division by zero; inf/0 is exact.
    if (a == 0.0) {
      invalid_ = true;
    } else if (std::isfinite(a)) {
      division_by_zero_ = true;
    }
  }
  const double r = a / b;
  if (b != 0.0) record(a, b, r);
  return r;
}

double Checked::pow(double base, double exponent) {
  if (base < 0.0 && std::isfinite(exponent) && std::trunc(exponent) != exponent) {
    throw CalcFailure(CalcFailure::Kind::InvalidArgument);
  }
  if (base == 0.0 && exponent < 0.0) division_by_zero_ = true;
  const double r = std::pow(base, exponent);
  if (base != 0.0) record(base, exponent, r);
  return r;
}

double Checked::log(double x) {
  if (!(x > 0.0)) throw CalcFailure(CalcFailure::Kind::InvalidArgument);
  return std::log(x);
}

void Checked::Raise(Blame blame) {
  const bool division_by_zero = division_by_zero_;
  division_by_zero_ = overflow_ = invalid_ = false;
  throw CalcFailure(
      division_by_zero ? CalcFailure::Kind::DivisionByZero : CalcFailure::Kind::Overflow,
      std::string(blame.input), std::string(blame.cause));
}

}  // namespace vapentis
