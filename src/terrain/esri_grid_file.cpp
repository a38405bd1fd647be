#include "terrain/esri_grid_file.h"

#include <algorithm>
#include <limits>

#include "geo/coordinate_text.h"
#include "platform/mapped_file.h"
#include "terrain/lecteur_parallele.h"

namespace orvex {
namespace {

struct ValeursEntete {
  std::optional<long long> ncols;
  std::optional<long long> nrows;
  std::optional<double> x;
  std::optional<double> y;
  bool xCentre = false;
  bool yCentre = false;
  std::optional<double> cellsize;
  std::optional<double> dx;
  std::optional<double> dy;
  std::optional<double> nodata;
};

bool Blanc(char c) { return c == ' ' || c == '\t'; }

bool DebutDeValeur(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.'; }

std::string_view SansBlancs(std::string_view texte) {
  while (!texte.empty() && (Blanc(texte.front()) || texte.front() == '\r')) {
    texte.remove_prefix(1);
  }
  while (!texte.empty() && (Blanc(texte.back()) || texte.back() == '\r')) {
    texte.remove_suffix(1);
  }
  return texte;
}

std::string Refus(std::string_view mot, std::string_view valeur) {
  return "en-tête ESRI : valeur illisible pour " + std::string(mot) + " : \"" + std::string(valeur.substr(0, 40)) +
         "\"";
}

// One "keyword value" line into `v`; an unknown keyword is refused, as the
// values that follow could not be placed.
std::string LitLigneEntete(std::string_view ligne, ValeursEntete& v) {
  const auto blanc = std::find_if(ligne.begin(), ligne.end(), Blanc);
  const std::string mot = UpperText(ligne.substr(0, static_cast<std::size_t>(blanc - ligne.begin())));
  const std::string_view texte = SansBlancs(ligne.substr(mot.size()));
  double decimal = 0;
  const bool estDecimal = ParseDecimal(CommaToPoint(texte), decimal);
  long long entier = 0;
  if (mot == "NCOLS" || mot == "NROWS") {
    if (!ParseInteger(texte, entier)) {
      return Refus(mot, texte);
    }
    (mot == "NCOLS" ? v.ncols : v.nrows) = entier;
    return {};
  }
  const std::pair<const char*, std::optional<double>*> decimaux[] = {
      {"XLLCORNER", &v.x},       {"XLLCENTER", &v.x}, {"YLLCORNER", &v.y}, {"YLLCENTER", &v.y},
      {"CELLSIZE", &v.cellsize}, {"DX", &v.dx},       {"DY", &v.dy},       {"NODATA_VALUE", &v.nodata}};
  // GDAL writes "NODATA_value nan" for float grids whose voids are NaN.
  if (mot == "NODATA_VALUE" && (UpperText(texte) == "NAN" || UpperText(texte) == "-NAN")) {
    v.nodata = std::numeric_limits<double>::quiet_NaN();
    return {};
  }
  for (const auto& [nom, champ] : decimaux) {
    if (mot == nom) {
      if (!estDecimal) {
        return Refus(mot, texte);
      }
      *champ = decimal;
      if (mot.starts_with("XLL")) {
        v.xCentre = mot == "XLLCENTER";
      } else if (mot.starts_with("YLL")) {
        v.yCentre = mot == "YLLCENTER";
      }
      return {};
    }
  }
  return "en-tête ESRI : mot clé inconnu \"" + std::string(mot.substr(0, 40)) + "\"";
}

std::string Geometrie(const ValeursEntete& v, GeometrieSource& g) {
  if (!v.ncols || !v.nrows || !v.x || !v.y || !((v.dx && v.dy) || v.cellsize)) {
    return "en-tête ESRI incomplet : ncols, nrows, xllcorner, yllcorner et cellsize (ou dx et dy) sont attendus";
  }
  if (*v.ncols < 1 || *v.nrows < 1 || *v.ncols > kDallesMaxCotes || *v.nrows > kDallesMaxCotes) {
    return "grille de " + std::to_string(*v.ncols) + " x " + std::to_string(*v.nrows) +
           " valeurs : le format des dalles en admet au plus " + std::to_string(kDallesMaxCotes) + " x " +
           std::to_string(kDallesMaxCotes);
  }
  g.colonnes = static_cast<std::int32_t>(*v.ncols);
  g.lignes = static_cast<std::int32_t>(*v.nrows);
  g.pasLg = v.dx && v.dy ? *v.dx : *v.cellsize;
  g.pasLt = v.dx && v.dy ? *v.dy : *v.cellsize;
  // The north-west sample: a corner header lies half a cell outside it.
  g.lgPremier = *v.x + (v.xCentre ? 0 : g.pasLg / 2);
  g.ltPremier = *v.y + (g.lignes - 1) * g.pasLt + (v.yCentre ? 0 : g.pasLt / 2);
  return {};
}

}  // namespace

std::string LitEnteteEsri(std::string_view bytes, EnteteEsri& entete) {
  ValeursEntete valeurs;
  std::size_t position = 0;
  while (position < bytes.size()) {
    std::size_t fin = bytes.find('\n', position);
    fin = fin == std::string_view::npos ? bytes.size() : fin;
    const std::string_view ligne = SansBlancs(bytes.substr(position, fin - position));
    if (!ligne.empty() && DebutDeValeur(ligne.front())) {
      break;
    }
    if (!ligne.empty()) {
      if (std::string erreur = LitLigneEntete(ligne, valeurs); !erreur.empty()) {
        return erreur;
      }
    }
    position = std::min(fin + 1, bytes.size());
  }
  if (std::string erreur = Geometrie(valeurs, entete.geometrie); !erreur.empty()) {
    return erreur;
  }
  entete.nodata = valeurs.nodata;
  entete.debutValeurs = position;
  return {};
}

std::string LitEnteteEsri(const std::filesystem::path& path, EtendueGrille& etendue) {
  const MappedFile fichier(path);
  if (fichier.status() != 0) {
    return ErreurFichier(fichier.status());
  }
  EnteteEsri entete;
  PlanDalle plan;
  std::string erreur = LitEnteteEsri(fichier.bytes(), entete);
  if (erreur.empty()) {
    erreur = PlanifieDalle(entete.geometrie, plan);
  }
  if (erreur.empty()) {
    etendue = EtendueDuPlan(plan);
  }
  return erreur;
}

std::string OuvreEsri(std::string_view bytes, SourceGrille& source) {
  EnteteEsri entete;
  if (std::string erreur = LitEnteteEsri(bytes, entete); !erreur.empty()) {
    return erreur;
  }
  if (std::string erreur = PlanifieDalle(entete.geometrie, source.plan); !erreur.empty()) {
    return erreur;
  }
  const std::string_view valeurs = bytes.substr(entete.debutValeurs);
  const std::int64_t total = std::int64_t{entete.geometrie.colonnes} * entete.geometrie.lignes;
  if (std::string erreur = VerifieTaille(valeurs.size(), total); !erreur.empty()) {
    return erreur;
  }
  source.lecteur =
      LecteurDeTexte(valeurs, entete.geometrie.colonnes, total, {.nodata = entete.nodata, .decimales = true});
  return {};
}

std::string ImporteEsri(std::string_view bytes, TDalle& dalle) {
  SourceGrille source;
  if (std::string erreur = OuvreEsri(bytes, source); !erreur.empty()) {
    return erreur;
  }
  return RemplitDalle(source, dalle);
}

}  // namespace orvex
