#include "terrain/view/filtre_seuils.h"

#include <algorithm>

namespace orvex {

std::int32_t PositionBarre(std::int32_t seuil) { return std::clamp(seuil, kSeuilBarreMin, kSeuilBarreMax); }

SeuilsFiltre DeplaceSeuilMini(SeuilsFiltre seuils, std::int32_t position, bool lie) {
  seuils.mini = PositionBarre(position);
  if (lie) {
    seuils.maxi = PositionBarre(seuils.mini + kEcartSeuilsLies);
  }
  return seuils;
}

SeuilsFiltre DeplaceSeuilMaxi(SeuilsFiltre seuils, std::int32_t position, bool lie) {
  seuils.maxi = PositionBarre(position);
  if (lie) {
    seuils.mini = PositionBarre(seuils.maxi - kEcartSeuilsLies);
  }
  return seuils;
}

}  // namespace orvex
