// Fuzzes ParseNumber: any bytes give a value or a CalcFailure, and every ASCII
// text is judged against an independent grammar and glibc's strtod.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/numeric/numeric.h"

namespace {

using vapentis::CalcFailure;

[[noreturn]] void Fail(std::string_view text, char sep, const char* what) {
  std::fprintf(stderr, "ParseNumber(\"%.*s\", '%c'): %s\n", static_cast<int>(text.size()),
               text.data(), sep, what);
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The accepted forms, written out separately from the parser: blanks, sign,
// digits with one separator (either the locale's or a full stop), exponent,
// blanks. Gives the text strtod reads, with the separator as a full stop.
std::optional<std::string> Canonical(std::string_view text, char sep) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  const std::string_view t = text.substr(b, e - b);
  std::string out;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) out.push_back(t[i++]);
  int digits = 0;
  bool separator = false;
  for (; i < t.size(); ++i) {
    if (IsDigit(t[i])) {
      ++digits;
      out.push_back(t[i]);
    } else if (!separator && (t[i] == sep || t[i] == '.')) {
      separator = true;
      out.push_back('.');
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    out.push_back('e');
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) out.push_back(t[i++]);
    const std::size_t start = i;
    for (; i < t.size() && IsDigit(t[i]); ++i) out.push_back(t[i]);
    if (i == start) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  return out;
}

void CheckOne(std::string_view text, char sep, bool ascii) {
  std::optional<double> value;
  std::optional<CalcFailure::Kind> failure;
  try {
    value = vapentis::ParseNumber(text, sep);
  } catch (const CalcFailure& f) {
    failure = f.kind();
  } catch (const std::exception& e) {
    Fail(text, sep, e.what());
  } catch (...) {
    Fail(text, sep, "threw something that is not a CalcFailure");
  }
  if (failure && *failure != CalcFailure::Kind::NotANumber &&
      *failure != CalcFailure::Kind::Overflow) {
    Fail(text, sep, "failed with a kind other than NotANumber or Overflow");
  }
  if (value && std::isnan(*value)) Fail(text, sep, "gave NaN");
  if (value && std::isinf(*value)) Fail(text, sep, "gave an infinity");
  if (!ascii) return;

  const std::optional<std::string> canonical = Canonical(text, sep);
  if (!canonical) {
    if (!failure || *failure != CalcFailure::Kind::NotANumber) {
      Fail(text, sep, "is not a number but was not refused with NotANumber");
    }
    return;
  }
  errno = 0;
  char* end = nullptr;
  const double expected = std::strtod(canonical->c_str(), &end);
  if (end != canonical->c_str() + canonical->size()) Fail(text, sep, "strtod stopped early");
  const bool overflow = errno == ERANGE && std::isinf(expected);
  if (overflow) {
    if (!failure || *failure != CalcFailure::Kind::Overflow) {
      Fail(text, sep, "lies beyond the double range but did not fail with Overflow");
    }
    return;
  }
  if (!value) Fail(text, sep, "is a number in range but was refused");
  if (std::memcmp(&*value, &expected, sizeof expected) != 0) {
    std::fprintf(stderr, "got %a, strtod gives %a\n", *value, expected);
    Fail(text, sep, "differs from strtod");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");  // strtod must read a full stop whatever the environment says
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  CheckOne(text, '.', ascii);
  CheckOne(text, ',', ascii);
  return 0;
}
