#include "database/om_file.h"

#include "database/data_file.h"
#include "database/data_file_writer.h"
#include "database/fast_coordinate.h"
#include "database/leading_integer.h"
#include "geo/coordinate_text.h"
#include "platform/atomic_file.h"

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

// Truncated seconds would move a station south-west by a second at every
// save: a position read from whole seconds is stored to 1/16384 degree and
// may lie just below its second.
int EcritOM(const std::filesystem::path& file, const TFichierLieux<TOM>& fichier) {
  std::string texte = LigneEnTete("Fichier des OM", file) + LigneTexte("/");
  for (const TOM& om : fichier.Elements) {
    texte += LatitudeToSavedText(FromFixed(om.Lt)) + ',' + LongitudeToSavedText(FromFixed(om.Lg)) + ',' +
             om.Indicatif + ',' + std::to_string(om.Altitude) + std::string(kFinDeLigne);
  }
  return WriteFileAtomically(file, texte);
}

}  // namespace orvex
