#pragma once
// The level filter's two thresholds as the dialog's bars hold them, and the
// link that keeps them 10 m apart when one is moved.
#include <cstdint>

namespace orvex {

inline constexpr std::int32_t kSeuilBarreMin = 0;    // metres
inline constexpr std::int32_t kSeuilBarreMax = 500;
inline constexpr std::int32_t kEcartSeuilsLies = 10;

struct SeuilsFiltre {
  std::int32_t mini = kSeuilBarreMin;
  std::int32_t maxi = kSeuilBarreMax;
  friend bool operator==(const SeuilsFiltre&, const SeuilsFiltre&) = default;
};

// The minimum bar moved to `position` (kept on the bar); with `lie`, the
// maximum follows 10 m above, as far as its bar goes.
SeuilsFiltre DeplaceSeuilMini(SeuilsFiltre seuils, std::int32_t position, bool lie);
// The mirror image: the minimum follows 10 m below.
SeuilsFiltre DeplaceSeuilMaxi(SeuilsFiltre seuils, std::int32_t position, bool lie);

// A threshold as a bar shows it: kept between the bar's ends.
std::int32_t PositionBarre(std::int32_t seuil);

}  // namespace orvex
