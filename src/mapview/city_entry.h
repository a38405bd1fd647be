#pragma once
// Adding a city drawn over the map: the press gives its place, the drag the
// radius of its circle (drawn in xor while the button is held), the release
// asks for its name and file.
#include <cstdint>
#include <string>

#include "database/tables.h"
#include "mapview/canvas.h"

namespace orvex {

inline constexpr const char* kNouveauFichierVilles = "villes.dat";

struct CityEntry {
  bool AjoutVilles = false;  // the gesture is under way
  int PressX = 0;
  int PressY = 0;
  int Radius = 0;  // pixels
  bool CircleShown = false;
};

// The gesture's circle: drawn in xor, so that drawing it again erases it.
void DrawCityCircle(Canvas& canvas, const CityEntry& c);
// Erases the circle shown, if any.
void EraseCityCircle(Canvas& canvas, CityEntry& c);
// The pointer moved to (x, y) with the button held: the circle follows.
void DragCityCircle(Canvas& canvas, CityEntry& c, int x, int y);

// A city of a circle of `radius` pixels drawn at map zoom `zoom`: its
// diameter scales with the zoom as the city layer draws it, and small cities
// appear only when zoomed in (larger than 30: always).
TVille NouvelleVille(FixedDegree lg, FixedDegree lt, std::string nom, int radius, std::int32_t zoom);

// Appends `ville` to file entry `fichier`; an index past the last entry (the
// "(nouveau fichier)" choice) adds a new entry named "villes.dat", or
// "villesN.dat" when that name is taken, so that no existing file is
// overwritten. Returns the index of the entry it went to.
std::int32_t AjouteVille(TTableVilles& villes, std::int32_t fichier, TVille ville);

}  // namespace orvex
