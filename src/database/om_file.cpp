#include "database/om_file.h"

#include "database/data_file.h"
#include "database/fast_coordinate.h"
#include "database/leading_integer.h"
#include "geo/coordinate_text.h"

namespace orvex {

int CompileOM(const std::filesystem::path& file, std::string_view nomFichier, TTableOM& table) {
  return CompileFichier(file, nomFichier, table, [&](FichierDonnees& fichier, std::vector<TOM>& elements) {
    while (!fichier.Eof()) {
      std::string_view reste = LitLigneDonnees(fichier);
      if (reste.find(',') == std::string_view::npos) {
        break;
      }
      TOM& om = elements.emplace_back();
      om.Lt = ToFixed(CoordonneeTexte(ChampSuivant(reste)));
      om.Lg = ToFixed(CoordonneeTexte(ChampSuivant(reste)));
      om.Indicatif = OemToWindowsText(CoupeChamp(reste));  // empty when no comma follows it
      om.Altitude = EntierEnTete(reste);
    }
  });
}

}  // namespace orvex
