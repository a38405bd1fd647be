#pragma once
// The altitude colour scale of the terrain display: 119 colours from dark blue
// (lowest) through greens, yellow and orange to red (highest), and the scales
// that turn an altitude into a colour of that table or into a grey level.
#include <array>
#include <cstdint>

#include "mapview/canvas.h"

namespace orvex {

inline constexpr std::int32_t kDernierIndexCouleur = 118;

// 0x00BBGGRR, index 0 first.
inline constexpr std::array<CouleurBgr, kDernierIndexCouleur + 1> TableCouleurs = {
    0x500000, 0x001000, 0x002000, 0x003000, 0x004000, 0x005000, 0x006000, 0x007000, 0x008000, 0x009000,
    0x00A000, 0x00B000, 0x00C000, 0x00D000, 0x00D600, 0x00E000, 0x00E600, 0x00F000, 0x00F100, 0x00F200,
    0x00F300, 0x00F400, 0x00F500, 0x00F600, 0x00F700, 0x00F800, 0x00F900, 0x00FA00, 0x00FB00, 0x00FC00,
    0x00FD00, 0x00FE00, 0x00FF00, 0x00FF10, 0x00FF20, 0x00FF30, 0x00FF40, 0x00FF50, 0x00FF60, 0x00FF70,
    0x00FF75, 0x00FF80, 0x00FF85, 0x00FF90, 0x00FF96, 0x00FFA0, 0x00FFA7, 0x00FFB0, 0x00FFC0, 0x00FFC7,
    0x00FFCA, 0x00FFD0, 0x00FFD7, 0x00FFE0, 0x00FFE7, 0x00FFF0, 0x00FFF7, 0x00FFFA, 0x00FFFF, 0x00F0F0,
    0x00E5F0, 0x00E3F0, 0x00E0F0, 0x00D0F0, 0x00C5F0, 0x00C0F0, 0x00B5F0, 0x00B0F0, 0x00A0F0, 0x0090F0,
    0x0080F0, 0x0075F0, 0x0070F0, 0x0065FF, 0x0060FF, 0x0055FF, 0x0050FF, 0x0045FF, 0x0040FF, 0x0030FF,
    0x0025FF, 0x0020FF, 0x0015FF, 0x0010FF, 0x0013E3, 0x0010E0, 0x0000D0, 0x0000D1, 0x0000D2, 0x0000D3,
    0x0000D6, 0x0000D7, 0x0000D8, 0x0000D9, 0x0000DA, 0x0000DB, 0x0000DC, 0x0000DD, 0x0000DE, 0x0000E0,
    0x0000E1, 0x0000E2, 0x0000E3, 0x0000E4, 0x0000E5, 0x0000E6, 0x0000E7, 0x0000E8, 0x0000E9, 0x0000EA,
    0x0000EB, 0x0000EC, 0x0000ED, 0x0000EE, 0x0000F0, 0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF,
};

inline constexpr CouleurBgr kVert = 0x008000;
inline constexpr CouleurBgr kNoir = 0x000000;
inline constexpr CouleurBgr kBlanc = 0xFFFFFF;
inline constexpr CouleurBgr kGrisMoyen = 0x808080;

enum class ModeCouleur {
  Tableau,  // TableCouleurs by altitude
  Gris,     // grey level by altitude
  Unie,     // one colour whatever the altitude
};

// colour = table[round(a·k + c)] or grey round(a·k + c); `unie` in Unie mode.
struct EchelleAltitude {
  ModeCouleur mode = ModeCouleur::Unie;
  double k = 0;
  double c = 0;
  CouleurBgr unie = kVert;
};

// Lowest altitude to index 0, highest to the last index. A single altitude
// (altMax = altMin) takes the last index rather than dividing by zero.
EchelleAltitude EchelleTableau(std::int32_t altMin, std::int32_t altMax);
// Lowest altitude to grey 10, highest to 255; a single altitude is white.
EchelleAltitude EchelleGris(std::int32_t altMin, std::int32_t altMax);
EchelleAltitude EchelleUnie(CouleurBgr couleur);

// Indices and grey levels are kept inside the table and 0..255, so that an
// altitude outside the scale's range (a negative sample, a rounding at the
// ends of the legend) takes the nearest end colour.
CouleurBgr CouleurAltitude(const EchelleAltitude& echelle, double altitude);

inline constexpr CouleurBgr CouleurGris(std::int32_t g) { return g + 256 * g + 65536 * g; }

}  // namespace orvex
