#include "database/contour_file.h"

#include "database/data_file.h"
#include "database/fast_coordinate.h"

namespace orvex {

int CompileContours(const std::filesystem::path& file, std::string_view nomFichier, TTableContours& table) {
  return CompileFichier(file, nomFichier, table, [&](FichierDonnees& fichier, std::vector<TPointLgLt>& elements) {
    while (!fichier.Eof()) {
      std::string_view line = LitLigneDonnees(fichier);
      const std::size_t comma = line.find(',');
      if (comma == std::string_view::npos) {
        break;
      }
      TPointLgLt& point = elements.emplace_back();
      point.Lt = ToFixed(CoordonneeTexte(line.substr(0, comma)));
      line.remove_prefix(comma + 1);
      point.Lg = ToFixed(CoordonneeTexte(line.substr(0, line.find(','))));
    }
  });
}

}  // namespace orvex
