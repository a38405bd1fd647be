#include "database/contour_file.h"

#include "database/data_file.h"
#include "database/fast_coordinate.h"

namespace orvex {

int CompileContours(const std::filesystem::path& file, std::string_view nomFichier, TTableContours& table) {
  FichierDonnees fichier;
  if (const int status = fichier.Ouvre(file); status != 0) {
    return status;
  }
  auto& entry = table.Fichiers.emplace_back();
  entry.NomFichier = nomFichier;
  while (!fichier.Eof()) {
    std::string_view line = LitLigneDonnees(fichier);
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
      break;
    }
    TPointLgLt& point = entry.Elements.emplace_back();
    point.Lt = ToFixed(CoordonneeTexte(line.substr(0, comma)));
    line.remove_prefix(comma + 1);
    point.Lg = ToFixed(CoordonneeTexte(line.substr(0, line.find(','))));
  }
  entry.Elements.shrink_to_fit();  // growth slack would double the memory of a large file
  return 0;
}

}  // namespace orvex
