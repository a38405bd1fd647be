// orvex-make-dalles: turns an ESRI ASCII grid (as gdal_translate -of AAIGrid
// writes it) into the tile file dalles.dat, then reads the file back and
// checks that it holds the same grid.
//
//   orvex-make-dalles <grid.asc> <dalles.dat>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "geo/fixed_degree.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

// Header steps and every altitude travel as one unsigned 16-bit word.
constexpr std::int32_t kMotMax = 65535;

struct GrilleAscii {
  std::int32_t colonnes = 0;
  std::int32_t lignes = 0;
  double x = 0;
  double y = 0;
  bool centres = false;  // xllcenter/yllcenter instead of the cell corner
  double pasLg = 0;
  double pasLt = 0;
  std::optional<double> sansDonnee;
  std::vector<double> valeurs;  // north row first, west to east
};

struct Echec {
  std::string message;
};

std::string Minuscules(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return text;
}

double Nombre(const std::string& token) {
  double value = 0;
  const char* end = token.data() + token.size();
  const auto [ptr, ec] = std::from_chars(token.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
    throw Echec{"not a number: '" + token + "'"};
  }
  return value;
}

std::int32_t Entier(const std::string& token) {
  const double value = Nombre(token);
  if (value != std::trunc(value) || value < 0 || value > kMotMax) {
    throw Echec{"bad count: '" + token + "'"};
  }
  return static_cast<std::int32_t>(value);
}

void LitCle(GrilleAscii& grille, const std::string& cle, const std::string& valeur) {
  if (cle == "ncols") {
    grille.colonnes = Entier(valeur);
  } else if (cle == "nrows") {
    grille.lignes = Entier(valeur);
  } else if (cle == "xllcorner" || cle == "xllcenter") {
    grille.x = Nombre(valeur);
    grille.centres = cle == "xllcenter";
  } else if (cle == "yllcorner" || cle == "yllcenter") {
    grille.y = Nombre(valeur);
  } else if (cle == "cellsize") {
    grille.pasLg = grille.pasLt = Nombre(valeur);
  } else if (cle == "dx") {
    grille.pasLg = Nombre(valeur);
  } else if (cle == "dy") {
    grille.pasLt = Nombre(valeur);
  } else if (cle == "nodata_value") {
    grille.sansDonnee = Nombre(valeur);
  } else {
    throw Echec{"unknown header key '" + cle + "'"};
  }
}

GrilleAscii LitGrille(std::istream& in) {
  GrilleAscii grille;
  std::string token;
  while (in >> std::ws && std::isalpha(in.peek())) {
    std::string valeur;
    in >> token >> valeur;
    LitCle(grille, Minuscules(token), valeur);
  }
  if (grille.colonnes == 0 || grille.lignes == 0 || grille.pasLg <= 0 || grille.pasLt <= 0) {
    throw Echec{"incomplete header (ncols, nrows and a positive cell size are needed)"};
  }
  const auto attendus = static_cast<std::size_t>(grille.colonnes) * static_cast<std::size_t>(grille.lignes);
  grille.valeurs.reserve(attendus);
  while (in >> token) {
    grille.valeurs.push_back(Nombre(token));
  }
  if (grille.valeurs.size() != attendus) {
    throw Echec{"expected " + std::to_string(attendus) + " samples, found " + std::to_string(grille.valeurs.size())};
  }
  return grille;
}

std::int32_t PasFixe(double pas) {
  const FixedDegree fixe = ToFixed(pas);
  if (fixe < 1 || fixe > kMotMax) {
    throw Echec{"cell size " + std::to_string(pas) + " degrees does not fit the tile file"};
  }
  return fixe;
}

// Missing samples become 0, the altitude the program reads as "unknown";
// depths below sea level cannot be stored and become 0 as well.
std::int32_t Altitude(const GrilleAscii& grille, double valeur, bool& connue) {
  connue = !(grille.sansDonnee && valeur == *grille.sansDonnee);
  if (!connue) {
    return 0;
  }
  const double arrondie = std::nearbyint(std::max(valeur, 0.0));
  if (arrondie > kMotMax) {
    throw Echec{"altitude " + std::to_string(valeur) + " m does not fit the tile file"};
  }
  return static_cast<std::int32_t>(arrondie);
}

void RemplitAltitudes(const GrilleAscii& grille, TDalle& dalle) {
  std::int32_t mini = kMotMax;
  std::int32_t maxi = 0;
  bool unePresente = false;
  auto valeur = grille.valeurs.begin();
  dalle.Alt.assign(static_cast<std::size_t>(dalle.NbY), std::vector<std::int32_t>(static_cast<std::size_t>(dalle.NbX)));
  for (std::vector<std::int32_t>& ligne : dalle.Alt) {
    for (std::int32_t& altitude : ligne) {
      bool connue = false;
      altitude = Altitude(grille, *valeur++, connue);
      if (connue) {
        mini = std::min(mini, altitude);
        maxi = std::max(maxi, altitude);
        unePresente = true;
      }
    }
  }
  if (!unePresente) {
    throw Echec{"the grid holds no sample"};
  }
  dalle.AltMin = mini;
  dalle.AltMax = maxi;
}

// The grid's cells are areas: a tile sample stands for the cell east and
// south of it, so the corner is the north-west corner of the first cell.
TDalle VersDalle(const GrilleAscii& grille) {
  if (grille.colonnes > kDallesMaxCotes || grille.lignes > kDallesMaxCotes) {
    throw Echec{"the tile file holds at most " + std::to_string(kDallesMaxCotes) + " columns and rows"};
  }
  const double ouest = grille.centres ? grille.x - grille.pasLg / 2 : grille.x;
  const double sud = grille.centres ? grille.y - grille.pasLt / 2 : grille.y;
  TDalle dalle;
  dalle.NbX = grille.colonnes;
  dalle.NbY = grille.lignes;
  dalle.DLg = PasFixe(grille.pasLg);
  dalle.DLt = PasFixe(grille.pasLt);
  dalle.LgNO = ToFixed(ouest);
  dalle.LtNO = ToFixed(sud + grille.lignes * grille.pasLt);
  RemplitAltitudes(grille, dalle);
  return dalle;
}

bool MemeDalle(const TDalle& a, const TDalle& b) {
  return a.NbX == b.NbX && a.NbY == b.NbY && a.AltMin == b.AltMin && a.AltMax == b.AltMax && a.LgNO == b.LgNO &&
         a.LtNO == b.LtNO && a.DLg == b.DLg && a.DLt == b.DLt && a.Alt == b.Alt;
}

void Ecrit(const TDalle& dalle, const std::filesystem::path& sortie) {
  if (const int status = EcritDalles(sortie, dalle); status != 0) {
    throw Echec{"cannot write " + sortie.string() + ": " + std::generic_category().message(status)};
  }
  TDalle relue;
  if (const int status = LitDalles(sortie, relue); status != 0) {
    throw Echec{"cannot read back " + sortie.string() + ": " + std::generic_category().message(status)};
  }
  if (!MemeDalle(dalle, relue)) {
    throw Echec{sortie.string() + " does not read back as the grid written"};
  }
}

int Convertit(const std::filesystem::path& entree, const std::filesystem::path& sortie) {
  std::ifstream in(entree);
  if (!in) {
    throw Echec{"cannot open " + entree.string()};
  }
  const TDalle dalle = VersDalle(LitGrille(in));
  Ecrit(dalle, sortie);
  std::cout << sortie.string() << ": " << dalle.NbX << " x " << dalle.NbY << " samples, altitudes " << dalle.AltMin
            << ".." << dalle.AltMax << " m, north-west corner " << FromFixed(dalle.LgNO) << " E "
            << FromFixed(dalle.LtNO) << " N, steps " << dalle.DLg << " x " << dalle.DLt << " / 16384 degree\n";
  return EXIT_SUCCESS;
}

}  // namespace
}  // namespace orvex

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: orvex-make-dalles <grid.asc> <dalles.dat>\n";
    return EXIT_FAILURE;
  }
  try {
    return orvex::Convertit(argv[1], argv[2]);
  } catch (const orvex::Echec& echec) {
    std::cerr << "orvex-make-dalles: " << argv[1] << ": " << echec.message << '\n';
    return EXIT_FAILURE;
  }
}
