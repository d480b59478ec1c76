// Fuzzes NumberText on arbitrary doubles: at most 15 significant digits, the
// value of the 15-digit rounding, the plain or scientific form as the rule
// picks it, and a text that reads back and writes again unchanged.
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/numeric/numeric.h"

namespace {

// Beyond this the 15-digit rounding of x exceeds the largest double, so its
// text cannot be read back; that edge is accepted.
constexpr double kLargestReadable = 1.79769313486231e308;

[[noreturn]] void Fail(double x, char sep, const std::string& text, const char* what) {
  std::fprintf(stderr, "NumberText(%a, '%c') = \"%s\": %s\n", x, sep, text.c_str(), what);
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text with the separator turned into a full stop, as strtod reads it.
std::string ForStrtod(std::string text, char sep) {
  for (char& c : text) {
    if (c == sep) c = '.';
  }
  return text;
}

void CheckOne(double x, char sep) {
  const std::string text = vapentis::NumberText(x, sep);

  // Shape: optional '-', digits with at most one separator, optional E±dd.
  int significant = 0;
  bool leading = true;
  bool separator = false;
  std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
  const std::size_t mantissa_start = i;
  for (; i < text.size() && (IsDigit(text[i]) || (text[i] == sep && !separator)); ++i) {
    if (text[i] == sep) {
      separator = true;
      continue;
    }
    if (text[i] != '0') leading = false;
    if (!leading) ++significant;
  }
  if (i == mantissa_start) Fail(x, sep, text, "has no digits");
  const bool scientific = i < text.size();
  if (scientific) {
    if (text.size() - i < 4 || text[i] != 'E' || (text[i + 1] != '+' && text[i + 1] != '-')) {
      Fail(x, sep, text, "has something other than an exponent after the digits");
    }
    for (std::size_t k = i + 2; k < text.size(); ++k) {
      if (!IsDigit(text[k])) Fail(x, sep, text, "has a non-digit in the exponent");
    }
  }
  if (separator && text[i - 1] == '0') Fail(x, sep, text, "keeps a trailing zero");
  if (separator && text[i - 1] == sep) Fail(x, sep, text, "ends its digits in the separator");
  if (significant > 15) Fail(x, sep, text, "shows more than 15 significant digits");
  if (x == 0.0 && text != "0") Fail(x, sep, text, "writes zero other than as 0");
  if (std::signbit(x) && x != 0.0 && text[0] != '-') Fail(x, sep, text, "lost the sign");

  // The value shown is x rounded to 15 significant digits, and the form
  // follows from the decimal exponent e and digit count k of that rounding.
  char reference[40];
  std::snprintf(reference, sizeof reference, "%.14e", std::fabs(x));
  if (std::strtod(ForStrtod(text, sep).c_str(), nullptr) !=
      std::strtod(reference, nullptr) * (std::signbit(x) ? -1 : 1)) {
    Fail(x, sep, text, "is not the 15-digit rounding of x");
  }
  if (x != 0.0) {
    const char* e_mark = std::strchr(reference, 'e');
    const int e = std::atoi(e_mark + 1);
    int k = 15;
    while (k > 1 && reference[k] == '0') --k;  // reference is d.dddddddddddddd
    const bool plain = e < 15 && (k - 1 - e <= 15);
    if (plain == scientific) Fail(x, sep, text, "uses the wrong form");
  }

  if (std::fabs(x) > kLargestReadable) return;
  double back = 0;
  try {
    back = vapentis::ParseNumber(text, sep);
  } catch (const vapentis::CalcFailure&) {
    Fail(x, sep, text, "cannot be read back");
  }
  if (vapentis::NumberText(back, sep) != text) Fail(x, sep, text, "changes when written again");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double x = 0;
  std::memcpy(&x, data, sizeof x);
  if (!std::isfinite(x)) return 0;
  CheckOne(x, '.');
  CheckOne(x, ',');
  return 0;
}
