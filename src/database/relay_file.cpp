#include "database/relay_file.h"

#include "database/data_file.h"
#include "geo/coordinate_text.h"

namespace orvex {
namespace {

TRelais LitRelais(std::string_view reste) {
  TRelais relais;
  relais.Indicatif = CoupeChamp(reste);
  relais.QRA = CoupeChamp(reste);
  relais.Nom = OemToWindowsText(CoupeChamp(reste));
  relais.Frequence1 = CoupeChamp(reste);
  relais.Frequence2 = CoupeChamp(reste);
  relais.Frequence3 = reste;
  return relais;
}

}  // namespace

int CompileRelais(const std::filesystem::path& file, std::vector<TRelais>& table) {
  FichierDonnees fichier;
  if (const int status = fichier.Ouvre(file); status != 0) {
    return status;
  }
  while (!fichier.Eof() && table.size() < static_cast<std::size_t>(kMaxRelais)) {
    table.push_back(LitRelais(LitLigneDonnees(fichier)));
  }
  return 0;
}

}  // namespace orvex
