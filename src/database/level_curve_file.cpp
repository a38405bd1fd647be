#include "database/level_curve_file.h"

#include <algorithm>

#include "database/data_file.h"
#include "database/data_file_writer.h"
#include "database/fast_coordinate.h"
#include "database/leading_integer.h"
#include "geo/coordinate_text.h"
#include "platform/atomic_file.h"

namespace orvex {
namespace {

constexpr std::int32_t kMinimumCourbe = 2;  // points, and metres of altitude
// The shortest point line, "," and its end of line: no file holds more points
// than half its bytes, whatever its counts claim.
constexpr std::size_t kOctetsParPointMin = 2;

void LitPoints(FichierDonnees& fichier, std::int32_t count, std::vector<TPointLtLg>& points) {
  points.reserve(std::min(static_cast<std::size_t>(count), fichier.OctetsRestants() / kOctetsParPointMin + 1));
  for (std::int32_t k = 0; k < count; ++k) {
    const std::size_t start = fichier.Position();
    const std::string_view line = LitLigneDonnees(fichier);
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
      fichier.Repositionne(start);
      return;
    }
    points.push_back({ToFixed(DecimalTexte(line.substr(0, comma))), ToFixed(DecimalTexte(line.substr(comma + 1)))});
  }
}

}  // namespace

int CompileNiveaux(const std::filesystem::path& file, std::string_view nomFichier, TTableNiveaux& table) {
  return CompileFichier(file, nomFichier, table, [&](FichierDonnees& fichier, std::vector<TCourbeNiveau>& elements) {
    do {
      bool complet = false;
      const std::int32_t count = EntierEnTete(LitLigneDonnees(fichier), complet);
      if (!complet) {
        break;
      }
      const std::int32_t altitude = EntierEnTete(LitLigneDonnees(fichier));
      if (fichier.Eof()) {
        break;
      }
      if (count < kMinimumCourbe || altitude < kMinimumCourbe) {
        continue;  // its first point line is read next as a count, which ends the file
      }
      TCourbeNiveau courbe;
      courbe.Altitude = altitude;
      LitPoints(fichier, count, courbe.Points);
      if (courbe.NbPoints() >= kMinimumCourbe) {
        courbe.Points.shrink_to_fit();
        elements.push_back(std::move(courbe));
      }
    } while (!fichier.Eof());
  });
}

int EcritNiveaux(const std::filesystem::path& file, const TFichierLieux<TCourbeNiveau>& fichier) {
  std::string texte = LigneEnTete("Fichier des courbes de niveaux", file);
  for (const char* ligne : {"/ Nombre de points de la courbe", "/ Altitude de la courbe en mètres",
                            "/ Liste des points de la courbe (lt,lg)", "/"}) {
    texte += LigneTexte(ligne);
  }
  for (std::size_t k = 0; k < fichier.Elements.size(); ++k) {
    const TCourbeNiveau& courbe = fichier.Elements[k];
    if (courbe.NbPoints() < kMinimumCourbe || courbe.Altitude < kMinimumCourbe) {
      continue;
    }
    texte += LigneTexte("/ Courbe n°" + std::to_string(k));
    texte += LigneTexte(std::to_string(courbe.NbPoints()));
    texte += LigneTexte(std::to_string(courbe.Altitude));
    for (const TPointLtLg& point : courbe.Points) {
      texte += SavedDegreesText(FromFixed(point.Lt)) + ',' + SavedDegreesText(FromFixed(point.Lg)) +
               std::string(kFinDeLigne);
    }
  }
  return WriteFileAtomically(file, texte);
}

}  // namespace orvex
