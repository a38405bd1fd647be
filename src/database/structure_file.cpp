#include "database/structure_file.h"

#include <string>

#include "database/data_file.h"
#include "database/data_file_writer.h"
#include "database/fast_coordinate.h"
#include "database/leading_integer.h"
#include "geo/coordinate_text.h"
#include "platform/atomic_file.h"
#include "platform/cp1252.h"

namespace orvex {
namespace {

// A message quotes at most this much of a bad line.
constexpr std::size_t kCitationMax = 40;

TPointLtLg LitPoint(std::string_view line, std::size_t comma) {
  return {ToFixed(DecimalTexte(line.substr(0, comma))), ToFixed(DecimalTexte(line.substr(comma + 1)))};
}

}  // namespace

std::string AvertissementCouleur(std::string_view nomFichier, std::string_view ligne, std::string_view nom,
                                 std::int32_t couleur) {
  return "Fichier " + Cp1252ToUtf8(nomFichier) + " : couleur illisible \"" +
         Cp1252ToUtf8(ligne.substr(0, kCitationMax)) + "\" pour la structure \"" +
         Cp1252ToUtf8(nom.substr(0, kCitationMax)) + "\", couleur " + std::to_string(couleur) + " prise";
}

int CompileStructures(const std::filesystem::path& file, std::string_view nomFichier, TTableStructures& table,
                      const ProgressSink& avertissement) {
  return CompileFichier(file, nomFichier, table, [&](FichierDonnees& fichier, std::vector<TStructure>& elements) {
    std::string_view line = LitLigneDonnees(fichier);
    while (!fichier.Eof()) {
      TStructure& structure = elements.emplace_back();
      bool complet = false;
      structure.Couleur = EntierEnTete(line, complet);
      const std::string_view couleurLue = line;
      structure.Nom = OemToWindowsText(LitLigneDonnees(fichier));
      if (!complet && avertissement) {
        avertissement(AvertissementCouleur(nomFichier, couleurLue, structure.Nom, structure.Couleur));
      }
      while (!fichier.Eof()) {
        line = LitLigneDonnees(fichier);
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos) {
          break;
        }
        structure.Points.push_back(LitPoint(line, comma));
      }
      structure.Points.shrink_to_fit();
    }
  });
}

int EcritStructures(const std::filesystem::path& file, const TFichierLieux<TStructure>& fichier) {
  std::string texte = LigneEnTete("Fichier des structures", file);
  for (const char* ligne :
       {"/ Code couleur, puis nom de la structure,", "/ puis un point par ligne : Latitude, Longitude",
        "/ NB. Latitude négative au sud, Longitude négative à l'ouest", "/"}) {
    texte += LigneTexte(ligne);
  }
  for (const TStructure& structure : fichier.Elements) {
    const bool nomLisible = !structure.Nom.empty() && structure.Nom.front() != '/';
    texte += std::to_string(structure.Couleur) + std::string(kFinDeLigne) + (nomLisible ? "" : " ") + structure.Nom +
             std::string(kFinDeLigne);
    for (const TPointLtLg& point : structure.Points) {
      texte += SavedDegreesText(FromFixed(point.Lt)) + ',' + SavedDegreesText(FromFixed(point.Lg)) +
               std::string(kFinDeLigne);
    }
  }
  return WriteFileAtomically(file, texte);
}

}  // namespace orvex
