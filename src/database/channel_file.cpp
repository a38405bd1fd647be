#include "database/channel_file.h"

#include <algorithm>

#include "database/data_file.h"
#include "geo/coordinate_text.h"

namespace orvex {

int LitCanaux(const std::filesystem::path& file, TTableCanaux& table) {
  FichierDonnees fichier;
  if (const int status = fichier.Ouvre(file); status != 0) {
    return status;
  }
  table = TTableCanaux{};
  for (TCanal& canal : table) {
    if (fichier.Eof()) {
      break;
    }
    const std::string line = UpperText(LitLigneDonnees(fichier));
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos) {
      canal.Frequence = line.substr(0, kLongueurCanal);
    } else {
      canal.Nom = line.substr(0, std::min(comma, kLongueurCanal));
      canal.Frequence = line.substr(comma + 1, kLongueurCanal);
    }
  }
  return 0;
}

std::string FrequenceDuCanal(const TTableCanaux& table, std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const std::string nom = UpperText(text);
  for (const TCanal& canal : table) {
    if (canal.Nom == nom) {
      return canal.Frequence;
    }
  }
  return std::string(text);
}

}  // namespace orvex
