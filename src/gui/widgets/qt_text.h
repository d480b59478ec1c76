// The core's texts, UTF-8 in std::string_view, as the QStrings the window shows.
#pragma once

#include <QString>

#include <string_view>

namespace vapentis {

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vapentis
