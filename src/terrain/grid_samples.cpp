#include "terrain/grid_samples.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <system_error>

namespace orvex {
namespace {

constexpr std::int32_t kMinimumInitial = 99999;
constexpr std::int32_t kMaximumInitial = -99999;
// A step within this of a whole number of units keeps every sample in place.
constexpr double kToleranceEntiere = 1e-6;

// The separators of sample text, looked up rather than compared four times:
// this test runs once per byte of files of tens of megabytes.
constexpr std::array<bool, 256> kBlancs = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : {' ', '\n', '\r', '\t'}) {
    table[c] = true;
  }
  return table;
}();

bool Blanc(char c) { return kBlancs[static_cast<unsigned char>(c)]; }

std::string Cotes(std::int64_t colonnes, std::int64_t lignes) {
  return std::to_string(colonnes) + " x " + std::to_string(lignes);
}

std::string LimiteCotes(std::int64_t colonnes, std::int64_t lignes) {
  return "grille de " + Cotes(colonnes, lignes) + " valeurs : le format des dalles en admet au plus " +
         Cotes(kDallesMaxCotes, kDallesMaxCotes);
}

struct Axe {
  FixedDegree debut = 0;
  std::int32_t pas = 0;
  std::int32_t noeuds = 0;
  std::vector<std::int32_t> source;
};

// One axis, counted along its direction of travel (east for columns, south
// for rows, `sens` = +1 or -1 on the degrees).
std::string PlanAxe(double premierDegres, double pasDegres, std::int32_t n, int sens, Axe& axe) {
  const double premier = premierDegres * kFixedOne;
  const double pas = pasDegres * kFixedOne;
  if (!(pas >= 0.5)) {
    return "pas de grille nul ou trop petit (moins d'un 1/16384 de degré)";
  }
  const double pasArrondi = std::nearbyint(pas);
  if (pasArrondi > kPasMaxDalles) {
    return "pas de grille trop grand : le format des dalles en admet au plus " + std::to_string(kPasMaxDalles) +
           " unités de 1/16384 de degré";
  }
  const double debut = std::nearbyint(premier);
  if (!(std::fabs(debut) <= std::numeric_limits<FixedDegree>::max())) {
    return "position de la grille hors limites";
  }
  axe.debut = static_cast<FixedDegree>(debut);
  axe.pas = static_cast<std::int32_t>(pasArrondi);
  if (std::fabs(pas - pasArrondi) < kToleranceEntiere) {
    axe.noeuds = n;
    return {};
  }
  const double decalage = sens * (debut - premier);  // of node 0 past sample 0
  const double noeuds = std::floor(((n - 0.5) * pas - decalage) / pasArrondi) + 1;
  if (noeuds > kDallesMaxCotes) {
    axe.noeuds = kDallesMaxCotes + 1;
    return {};
  }
  axe.noeuds = static_cast<std::int32_t>(noeuds);
  axe.source.resize(static_cast<std::size_t>(axe.noeuds));
  for (std::int32_t k = 0; k < axe.noeuds; ++k) {
    // Halfway between two samples, the later one (east, south) wins, as in GDAL.
    const double i = std::floor((decalage + k * pasArrondi) / pas + 0.5);
    axe.source[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(std::clamp(i, 0.0, n - 1.0));
  }
  return {};
}

struct Plage {
  std::int32_t min = kMinimumInitial;
  std::int32_t max = kMaximumInitial;
};

inline std::int32_t Nettoie(std::int32_t v, Plage& plage) {
  if (v == kValeurVide) {
    return 0;
  }
  v = std::max(v, 0);
  plage.min = std::min(plage.min, v);
  plage.max = std::max(plage.max, v);
  return v;
}

}  // namespace

std::string VerifieFormat(const PlanDalle& plan) {
  if (plan.colonnesSource < 1 || plan.lignesSource < 1) {
    return "grille vide (" + Cotes(plan.colonnesSource, plan.lignesSource) + " valeurs)";
  }
  if (plan.colonnesSource > kDallesMaxCotes || plan.lignesSource > kDallesMaxCotes) {
    return LimiteCotes(plan.colonnesSource, plan.lignesSource);
  }
  if (plan.NbX < 1 || plan.NbY < 1 || plan.NbX > kDallesMaxCotes || plan.NbY > kDallesMaxCotes) {
    return LimiteCotes(plan.NbX, plan.NbY);
  }
  if (plan.DLg < 1 || plan.DLt < 1) {
    return "pas de grille nul ou trop petit (moins d'un 1/16384 de degré)";
  }
  if (plan.DLg > kPasMaxDalles || plan.DLt > kPasMaxDalles) {
    return "pas de grille trop grand : le format des dalles en admet au plus " + std::to_string(kPasMaxDalles) +
           " unités de 1/16384 de degré";
  }
  return {};
}

std::string PlanifieDalle(const GeometrieSource& source, PlanDalle& plan) {
  PlanDalle nouveau;
  nouveau.colonnesSource = source.colonnes;
  nouveau.lignesSource = source.lignes;
  nouveau.NbX = source.colonnes;
  nouveau.NbY = source.lignes;
  nouveau.DLg = nouveau.DLt = 1;
  if (std::string erreur = VerifieFormat(nouveau); !erreur.empty()) {
    return erreur;
  }
  Axe lg;
  Axe lt;
  if (std::string erreur = PlanAxe(source.lgPremier, source.pasLg, source.colonnes, +1, lg); !erreur.empty()) {
    return erreur;
  }
  if (std::string erreur = PlanAxe(source.ltPremier, source.pasLt, source.lignes, -1, lt); !erreur.empty()) {
    return erreur;
  }
  nouveau.NbX = lg.noeuds;
  nouveau.NbY = lt.noeuds;
  nouveau.LgNO = lg.debut;
  nouveau.LtNO = lt.debut;
  nouveau.DLg = lg.pas;
  nouveau.DLt = lt.pas;
  nouveau.colonneSource = std::move(lg.source);
  nouveau.ligneSource = std::move(lt.source);
  if (std::string erreur = VerifieFormat(nouveau); !erreur.empty()) {
    return erreur;
  }
  plan = std::move(nouveau);
  return {};
}

EtendueGrille EtendueDuPlan(const PlanDalle& plan) {
  const double ouest = FromFixed(plan.LgNO);
  const double nord = FromFixed(plan.LtNO);
  return {ouest, nord, ouest + FromFixed(plan.DLg) * plan.NbX, nord - FromFixed(plan.DLt) * plan.NbY};
}

std::string RemplitDalle(const PlanDalle& plan, const LecteurLigne& lecteur, TDalle& dalle) {
  TDalle nouvelle;
  std::vector<std::int32_t> tampon;
  try {
    nouvelle.Alt.resize(static_cast<std::size_t>(plan.NbY));
    for (auto& ligne : nouvelle.Alt) {
      ligne.resize(static_cast<std::size_t>(plan.NbX));
    }
    tampon.resize(static_cast<std::size_t>(plan.colonnesSource));
  } catch (const std::bad_alloc&) {
    return "mémoire insuffisante pour une grille de " + Cotes(plan.NbX, plan.NbY) + " valeurs";
  }
  const bool colonnesIdentiques = plan.colonneSource.empty();
  const bool lignesIdentiques = plan.ligneSource.empty();
  Plage plage;
  std::string erreur;
  std::size_t r = 0;
  for (std::int32_t i = 0; i < plan.lignesSource; ++i) {
    if (colonnesIdentiques && lignesIdentiques) {
      std::vector<std::int32_t>& ligne = nouvelle.Alt[static_cast<std::size_t>(i)];
      if (!lecteur(ligne, erreur)) {
        return erreur;
      }
      for (std::int32_t& v : ligne) {
        v = Nettoie(v, plage);
      }
      continue;
    }
    if (!lecteur(tampon, erreur)) {
      return erreur;
    }
    for (; r < nouvelle.Alt.size() && (lignesIdentiques ? static_cast<std::int32_t>(r) : plan.ligneSource[r]) == i;
         ++r) {
      std::vector<std::int32_t>& ligne = nouvelle.Alt[r];
      for (std::size_t c = 0; c < ligne.size(); ++c) {
        ligne[c] = Nettoie(tampon[colonnesIdentiques ? c : static_cast<std::size_t>(plan.colonneSource[c])], plage);
      }
    }
  }
  nouvelle.NbX = plan.NbX;
  nouvelle.NbY = plan.NbY;
  nouvelle.LgNO = plan.LgNO;
  nouvelle.LtNO = plan.LtNO;
  nouvelle.DLg = plan.DLg;
  nouvelle.DLt = plan.DLt;
  nouvelle.AltMin = plage.min;
  nouvelle.AltMax = plage.max;
  dalle = std::move(nouvelle);
  return {};
}

LecteurTexte::LecteurTexte(std::string_view texte, std::int32_t colonnes, std::int64_t total, Options options)
    : courant_(texte.data()),
      fin_(texte.data() + texte.size()),
      colonnes_(std::max(colonnes, 1)),
      total_(total),
      options_(options) {
  if (options_.nodata && std::nearbyint(*options_.nodata) == *options_.nodata &&
      std::fabs(*options_.nodata) <= std::numeric_limits<std::int32_t>::max()) {
    nodataEntier_ = static_cast<std::int32_t>(*options_.nodata);
  }
}

std::string LecteurTexte::Position() const {
  return "ligne " + std::to_string(lues_ / colonnes_ + 1) + ", colonne " + std::to_string(lues_ % colonnes_ + 1);
}

// A sample written as a decimal number ("767.5", "-3.4028e+38"), rounded to
// the metre; NODATA compares on the value as written, "nan" matching a NaN
// NODATA.
bool LecteurTexte::Decimale(const char* debut, std::int32_t& valeur, const char*& fin) const {
  double v = 0;
  const auto [bout, code] = std::from_chars(debut, fin_, v, std::chars_format::general);
  fin = bout;
  if (code != std::errc() || (bout != fin_ && !Blanc(*bout))) {
    return false;
  }
  if (std::isnan(v) && options_.nodata && std::isnan(*options_.nodata)) {
    valeur = kValeurVide;
    return true;
  }
  if (!std::isfinite(v)) {
    return false;
  }
  if (options_.nodata && v == *options_.nodata) {
    valeur = kValeurVide;
    return true;
  }
  const double arrondi = std::nearbyint(v);
  if (!(std::fabs(arrondi) < std::numeric_limits<std::int32_t>::max())) {
    return false;
  }
  valeur = static_cast<std::int32_t>(arrondi);
  return true;
}

bool LecteurTexte::Illisible(std::string& erreur) const {
  const char* finMot = std::find_if(courant_, fin_, Blanc);
  constexpr std::ptrdiff_t kMontre = 24;
  erreur = "valeur illisible \"" + std::string(courant_, std::min(finMot - courant_, kMontre)) + "\" " + Position();
  return false;
}

// The loop runs on locals: the members are brought up to date only where a
// message needs them.
bool LecteurTexte::LitLigne(std::span<std::int32_t> valeurs, std::string& erreur) {
  const char* p = courant_;
  const char* const fin = fin_;
  const bool avecNodata = nodataEntier_.has_value();
  const std::int32_t nodata = nodataEntier_.value_or(0);
  for (std::size_t i = 0; i < valeurs.size(); ++i) {
    while (p != fin && Blanc(*p)) {
      ++p;
    }
    if (p == fin) {
      lues_ += static_cast<std::int64_t>(i);
      erreur =
          "fichier incomplet : " + std::to_string(lues_) + " valeurs sur les " + std::to_string(total_) + " annoncées";
      return false;
    }
    const char* debut = p + (*p == '+' && p + 1 != fin && p[1] != '-' ? 1 : 0);
    std::int32_t v = 0;
    auto [bout, code] = std::from_chars(debut, fin, v);
    if (code != std::errc() || (bout != fin && !Blanc(*bout))) [[unlikely]] {
      courant_ = p;
      lues_ += static_cast<std::int64_t>(i);
      if (!options_.decimales || !Decimale(debut, v, bout)) {
        return Illisible(erreur);
      }
      lues_ -= static_cast<std::int64_t>(i);
    } else if (avecNodata && v == nodata) {
      v = kValeurVide;
    }
    valeurs[i] = v;
    p = bout;
  }
  courant_ = p;
  lues_ += static_cast<std::int64_t>(valeurs.size());
  return true;
}

std::string ErreurFichier(int status) { return "fichier illisible (" + std::generic_category().message(status) + ")"; }

std::string VerifieTaille(std::size_t bytes, std::int64_t total) {
  if (total > 0 && static_cast<std::int64_t>(bytes) < 2 * total - 1) {
    return "fichier trop court pour les " + std::to_string(total) + " valeurs annoncées par son en-tête";
  }
  return {};
}

}  // namespace orvex
