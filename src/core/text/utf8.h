// UTF-8 out whatever bytes came in: a header text may hold any, and the
// documents the writers make must stay valid UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vapentis {

// U+FFFD, which stands for each byte that is not part of a well-formed sequence.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence that `text` starts with; 0 when
// its first byte starts none (a stray continuation byte, an overlong form, a
// surrogate, a code point beyond U+10FFFF, or a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text);

}  // namespace vapentis
