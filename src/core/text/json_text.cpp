#include "core/text/json_text.h"

#include <cstdint>

#include "core/text/utf8.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vapentis {

namespace {

// Where the characters that go into a JSON string unchanged end, from p.
const unsigned char* PlainEnd(const unsigned char* p, const unsigned char* end) {
  while (p < end) {
    if (*p < 0x80) {
      if (!kPlainJsonAscii[*p]) return p;
      ++p;
      continue;
    }
#if defined(__SSE2__)
    // Five three-byte characters at a time while sixteen bytes read lead, continuation,
    // continuation five times over and end on a lead; E0 and ED leads go the long way.
    while (end - p >= 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const auto bytes = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
      const int leads =
          _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, bytes(0xF0)), bytes(0xE0)));
      const int continuations =
          _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, bytes(0xC0)), bytes(0x80)));
      const int narrow = _mm_movemask_epi8(
          _mm_or_si128(_mm_cmpeq_epi8(v, bytes(0xE0)), _mm_cmpeq_epi8(v, bytes(0xED))));
      constexpr int kLeads = 0b1001001001001001;
      constexpr int kContinuations = 0b0110110110110110;
      if (leads != kLeads || continuations != kContinuations || narrow != 0) break;
      p += 15;
    }
#endif
    // Runs of three-byte characters, nearly all of Chinese text, tested a character at a time
    // with as few branches as may be: the lead's four bits and both continuations at once.
    while (end - p >= 3) {
      const std::uint32_t w = p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
      if ((w & 0xC0C0F0) != 0x8080E0) break;
      // The leads E0 and ED take a narrower second byte: no overlong forms, no surrogates.
      constexpr unsigned kE0AndED = (1U << 0x0) | (1U << 0xD);
      if (((1U << (w & 0xF)) & kE0AndED) != 0 && ((w & 0xF) == 0 ? p[1] < 0xA0 : p[1] > 0x9F)) {
        return p;
      }
      p += 3;
    }
    if (p == end || *p < 0x80) continue;
    const std::size_t length =
        Utf8SequenceLength({reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p)});
    if (length == 0) return p;
    p += length;
  }
  return p;
}

}  // namespace

std::size_t PlainJsonLength(std::string_view text) {
  const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
  return static_cast<std::size_t>(PlainEnd(begin, begin + text.size()) - begin);
}

}  // namespace vapentis
