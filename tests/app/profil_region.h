#pragma once
// The region of the profile and horizon tests, written into a temporary
// directory: a 600 x 400 view at zoom 10000 centred on 6.017 E, 49.6 N; three
// north-south curves from 49.59 to 49.61 N met west to east at 300, 500 and
// 400 m (6.01, 6.02, 6.03 E, stored in the order 500, 300, 400); three rings
// of 100, 200 and 300 m around the centre, 0.002 to 0.006 degrees of latitude
// across, drawn as circles on the map, so that every horizon ray meets three
// curves or more.
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"

namespace orvex::testing {

inline constexpr double kProfilLon = 6.017;
inline constexpr double kProfilLat = 49.6;

inline std::string CourbeTexte(int altitude, const std::vector<std::pair<double, double>>& lonLat) {
  std::string text = std::to_string(lonLat.size()) + "\r\n" + std::to_string(altitude) + "\r\n";
  for (const auto& [lon, lat] : lonLat) {
    text += std::to_string(lat) + "," + std::to_string(lon) + "\r\n";
  }
  return text;
}

inline void EcritRegionProfil(const TempDir& dir, const std::string& extraIni = {}) {
  dir.Write("ORVEX.INI", extraIni + "ProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                                    "Canaux=3\r\nLgDemarre=6.017\r\nLtDemarre=49.6\r\nZoomDemarre=10000\r\n"
                                    "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
  dir.Write("lieux/r/niveaux/lignes.dat", CourbeTexte(500, {{6.02, 49.59}, {6.02, 49.61}}) +
                                              CourbeTexte(300, {{6.01, 49.59}, {6.01, 49.61}}) +
                                              CourbeTexte(400, {{6.03, 49.59}, {6.03, 49.61}}));
  std::string anneaux;
  for (const int altitude : {100, 200, 300}) {
    const double rayon = altitude / 50000.0;
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k <= 360; ++k) {
      // Vertices off the rays' angles, the longitudes stretched as the map stretches them.
      const double t = 2 * std::numbers::pi * (k + 0.25) / 360;
      points.emplace_back(kProfilLon + 1.54 * rayon * std::cos(t), kProfilLat + rayon * std::sin(t));
    }
    anneaux += CourbeTexte(altitude, points);
  }
  dir.Write("lieux/r/niveaux/anneaux.dat", anneaux);
  dir.MakeDir("relais");
  dir.Write("canaux.dat", "R1,145.6125\r\n");
}

}  // namespace orvex::testing
