#include "terrain/fil_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "geo/coordinate_text.h"
#include "platform/mapped_file.h"
#include "terrain/lecteur_parallele.h"

namespace orvex {
namespace {

constexpr std::size_t kLignesEntete = 7;
constexpr std::array<const char*, kLignesEntete> kNomsLignes = {
    "nombre de colonnes", "nombre de lignes", "longitude ouest", "latitude sud",
    "pas en longitude",   "pas en latitude",  "valeur NODATA"};

bool Blanc(char c) { return c == ' ' || c == '\t'; }

// The next line, up to LF or CR; a CR LF pair ends one line.
std::string_view LigneSuivante(std::string_view bytes, std::size_t& position) {
  const std::size_t debut = std::min(position, bytes.size());
  std::size_t fin = bytes.find_first_of("\r\n", debut);
  if (fin == std::string_view::npos) {
    fin = bytes.size();
  }
  position = fin;
  if (position < bytes.size() && bytes[position] == '\r') {
    ++position;
  }
  if (position < bytes.size() && bytes[position] == '\n') {
    ++position;
  }
  return bytes.substr(debut, fin - debut);
}

// What follows the keyword: everything after the first blank, trailing
// blanks dropped (the leading ones are read as part of the number).
std::string_view Valeur(std::string_view ligne) {
  const auto blanc = std::find_if(ligne.begin(), ligne.end(), Blanc);
  std::string_view reste =
      blanc == ligne.end() ? ligne : ligne.substr(static_cast<std::size_t>(blanc - ligne.begin()) + 1);
  while (!reste.empty() && Blanc(reste.back())) {
    reste.remove_suffix(1);
  }
  return reste;
}

std::string ErreurEntete(std::size_t ligne, std::string_view texte) {
  return "en-tête FIL, ligne " + std::to_string(ligne + 1) + " (" + kNomsLignes[ligne] + ") : \"" +
         std::string(texte.substr(0, 40)) + "\" n'est pas un nombre entier";
}

std::optional<std::int64_t> EnUnites(double degres) {
  const double unites = std::nearbyint(degres * kFixedOne);
  if (!(std::fabs(unites) <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(unites);
}

std::string Plan(const EnteteFIL& entete, PlanDalle& plan) {
  const auto lg = EnUnites(entete.xllcorner);
  const auto lt = EnUnites(entete.yllcorner);
  const auto dlg = EnUnites(entete.pasLg);
  const auto dlt = EnUnites(entete.pasLt);
  if (!lg || !lt || !dlg || !dlt) {
    return "en-tête FIL : position ou pas hors limites";
  }
  const std::int64_t nord = *lt + (std::int64_t{entete.lignes} - 1) * *dlt;
  if (std::llabs(nord) > std::numeric_limits<std::int32_t>::max()) {
    return "en-tête FIL : position ou pas hors limites";
  }
  plan.colonnesSource = plan.NbX = entete.colonnes;
  plan.lignesSource = plan.NbY = entete.lignes;
  plan.LgNO = static_cast<FixedDegree>(*lg);
  plan.LtNO = static_cast<FixedDegree>(nord);
  plan.DLg = static_cast<std::int32_t>(*dlg);
  plan.DLt = static_cast<std::int32_t>(*dlt);
  return VerifieFormat(plan);
}

}  // namespace

std::string LitEnteteFIL(std::string_view bytes, EnteteFIL& entete) {
  std::size_t position = 0;
  std::array<std::string_view, kLignesEntete> valeurs;
  for (std::size_t i = 0; i < kLignesEntete; ++i) {
    valeurs[i] = Valeur(LigneSuivante(bytes, position));
  }
  for (const std::size_t i : {0u, 1u, 6u}) {
    int v = 0;
    if (!ParseInteger(valeurs[i], v)) {
      return ErreurEntete(i, valeurs[i]);
    }
    (i == 0 ? entete.colonnes : i == 1 ? entete.lignes : entete.nodata) = v;
  }
  entete.xllcorner = DecimalToDegrees(valeurs[2]);
  entete.yllcorner = DecimalToDegrees(valeurs[3]);
  entete.pasLg = DecimalToDegrees(valeurs[4]);
  entete.pasLt = DecimalToDegrees(valeurs[5]);
  entete.debutValeurs = position;
  return {};
}

EtendueGrille EtendueFIL(const EnteteFIL& entete) {
  const double nord = entete.yllcorner + (entete.lignes - 1) * entete.pasLt;
  return {entete.xllcorner, nord, entete.xllcorner + entete.colonnes * entete.pasLg,
          nord - entete.lignes * entete.pasLt};
}

std::string LitEnteteFIL(const std::filesystem::path& path, EtendueGrille& etendue) {
  const MappedFile fichier(path);
  if (fichier.status() != 0) {
    return ErreurFichier(fichier.status());
  }
  EnteteFIL entete;
  if (std::string erreur = LitEnteteFIL(fichier.bytes(), entete); !erreur.empty()) {
    return erreur;
  }
  PlanDalle plan;
  if (std::string erreur = Plan(entete, plan); !erreur.empty()) {
    return erreur;
  }
  etendue = EtendueFIL(entete);
  return {};
}

std::string OuvreFIL(std::string_view bytes, SourceGrille& source) {
  EnteteFIL entete;
  if (std::string erreur = LitEnteteFIL(bytes, entete); !erreur.empty()) {
    return erreur;
  }
  if (std::string erreur = Plan(entete, source.plan); !erreur.empty()) {
    return erreur;
  }
  const std::string_view valeurs = bytes.substr(entete.debutValeurs);
  const std::int64_t total = std::int64_t{entete.colonnes} * entete.lignes;
  if (std::string erreur = VerifieTaille(valeurs.size(), total); !erreur.empty()) {
    return erreur;
  }
  source.lecteur =
      LecteurDeTexte(valeurs, entete.colonnes, total, {.nodata = entete.nodata, .decimales = false});
  return {};
}

std::string ImporteFIL(std::string_view bytes, TDalle& dalle) {
  SourceGrille source;
  if (std::string erreur = OuvreFIL(bytes, source); !erreur.empty()) {
    return erreur;
  }
  return RemplitDalle(source, dalle);
}

std::string ImporteFIL(const std::filesystem::path& path, TDalle& dalle) {
  const MappedFile fichier(path);
  if (fichier.status() != 0) {
    return ErreurFichier(fichier.status());
  }
  return ImporteFIL(fichier.bytes(), dalle);
}

}  // namespace orvex
