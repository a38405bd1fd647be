#pragma once
// Which table the record browser shows (BrowserKind), with its menu caption.
#include <array>

namespace orvex {

enum class BrowserKind {
  None = 0,
  Contours = 1,     // "Points de pays"
  Villes = 2,
  Structures = 3,
  Relais = 4,
  OM = 5,
  PointsGps = 6,    // trace of the current channel
  Waypoints = 7,
};

struct BrowserMenuEntry {
  BrowserKind kind;
  const char* caption;  // UTF-8
  const char* name;     // object name of the menu item
};

// The tables the browser's own menu and the main menu "Base de données" offer.
inline constexpr std::array<BrowserMenuEntry, 6> kBrowserMenu = {{
    {BrowserKind::Contours, "Points de pays", "Pointsdepays1"},
    {BrowserKind::Villes, "Villes", "Villes1"},
    {BrowserKind::Structures, "Structures", "Structures1"},
    {BrowserKind::Relais, "Relais", "Relais1"},
    {BrowserKind::OM, "OM", "OM1"},
    {BrowserKind::PointsGps, "Points GPS", "PointsGPS1"},
}};

}  // namespace orvex
