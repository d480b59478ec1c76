// The maker's name and contact data, shown in the help text, the calculation
// sheet and the background and used to open the web site: kept in this one place.
#pragma once

#include <string_view>

namespace vapentis::maker {

inline constexpr std::string_view kName = "Ardelle";
inline constexpr std::string_view kWebAddress = "https://www.ardelle.example";
inline constexpr std::string_view kTelephone = "+86 000 0000 0001";
inline constexpr std::string_view kFax = "+86 000 0000 0002";
inline constexpr std::string_view kEmail = "info@ardelle.example";
// The sentence about the business, in the two halves the help text shows.
inline constexpr std::string_view kBusinessFirstHalf = "我公司专业从事MVR蒸发器、多效蒸发器等";
inline constexpr std::string_view kBusinessSecondHalf = "蒸发浓缩结晶成套设备的设计与制造。";

}  // namespace vapentis::maker
