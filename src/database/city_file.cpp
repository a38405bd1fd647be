#include "database/city_file.h"

#include "database/data_file.h"
#include "database/data_file_writer.h"
#include "database/fast_coordinate.h"
#include "database/leading_integer.h"
#include "geo/coordinate_text.h"
#include "platform/atomic_file.h"

namespace orvex {
namespace {

// `reste` holds what follows the latitude's comma.
TVille LitVille(FixedDegree lt, std::string_view reste) {
  TVille ville;
  ville.Lt = lt;
  ville.Lg = ToFixed(CoordonneeTexte(ChampSuivant(reste)));
  const std::size_t comma = reste.find(',');
  ville.Nom = OemToWindowsText(reste.substr(0, comma));
  if (comma == std::string_view::npos) {
    return ville;  // the defaults of a name-only line
  }
  reste.remove_prefix(comma + 1);
  ville.Zoom = EntierEnTete(ChampSuivant(reste));
  ville.NomDessous = ChampSuivant(reste) == "0";
  ville.Diametre = EntierEnTete(reste);
  return ville;
}

}  // namespace

int CompileVilles(const std::filesystem::path& file, std::string_view nomFichier, TTableVilles& table) {
  return CompileFichier(file, nomFichier, table, [&](FichierDonnees& fichier, std::vector<TVille>& elements) {
    while (!fichier.Eof()) {
      const std::string_view line = LitLigneDonnees(fichier);
      const std::size_t comma = line.find(',');
      if (comma == std::string_view::npos) {
        break;
      }
      elements.push_back(LitVille(ToFixed(CoordonneeTexte(line.substr(0, comma))), line.substr(comma + 1)));
    }
  });
}

int EcritVilles(const std::filesystem::path& file, const TFichierLieux<TVille>& fichier) {
  std::string texte = LigneEnTete("Fichier des villes", file);
  for (const char* ligne : {"/ Latitude, Longitude, Nom, Zoom d'apparition,",
                            "/ 0=Affiche nom en dessous 1=au dessus, Diam ville en degrés",
                            "/ NB. Latitude négative au sud, Longitude négative à l'ouest", "/"}) {
    texte += LigneTexte(ligne);
  }
  for (const TVille& ville : fichier.Elements) {
    texte += SavedDegreesText(FromFixed(ville.Lt)) + ',' + SavedDegreesText(FromFixed(ville.Lg)) + ',' + ville.Nom +
             ',' + std::to_string(ville.Zoom) + ',' + (ville.NomDessous ? "0," : "1,") +
             std::to_string(ville.Diametre) + std::string(kFinDeLigne);
  }
  return WriteFileAtomically(file, texte);
}

}  // namespace orvex
