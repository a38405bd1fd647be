#include "terrain/grid_samples.h"

#include <algorithm>
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


std::string Cotes(std::int64_t colonnes, std::int64_t lignes) {
  return std::to_string(colonnes) + " x " + std::to_string(lignes);
}

std::string MemoireInsuffisante(const PlanDalle& plan) {
  return "mémoire insuffisante pour une grille de " + Cotes(plan.NbX, plan.NbY) + " valeurs";
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

// Voids become 0 and count neither as low nor as high; negative altitudes
// become 0. One pass the compiler vectorises finds the row's extremes: most
// rows hold neither voids nor negative altitudes and need nothing more.
void NettoieLigne(std::span<std::int32_t> ligne, Plage& plage) {
  std::int32_t bas = INT32_MAX;
  std::int32_t haut = INT32_MIN;
  for (const std::int32_t v : ligne) {
    bas = std::min(bas, v);
    haut = std::max(haut, v);
  }
  if (bas == kValeurVide) {
    for (std::int32_t& v : ligne) {
      if (v == kValeurVide) {
        v = 0;
        continue;
      }
      v = std::max(v, 0);
      plage.min = std::min(plage.min, v);
      plage.max = std::max(plage.max, v);
    }
    return;
  }
  if (bas < 0) {
    for (std::int32_t& v : ligne) {
      v = std::max(v, 0);
    }
  }
  plage.min = std::min(plage.min, std::max(bas, 0));
  plage.max = std::max(plage.max, std::max(haut, 0));
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

TDalle FormeDuPlan(const PlanDalle& plan) {
  TDalle forme;
  forme.NbX = plan.NbX;
  forme.NbY = plan.NbY;
  forme.LgNO = plan.LgNO;
  forme.LtNO = plan.LtNO;
  forme.DLg = plan.DLg;
  forme.DLt = plan.DLt;
  return forme;
}

EtendueGrille EtendueDuPlan(const PlanDalle& plan) {
  const double ouest = FromFixed(plan.LgNO);
  const double nord = FromFixed(plan.LtNO);
  return {ouest, nord, ouest + FromFixed(plan.DLg) * plan.NbX, nord - FromFixed(plan.DLt) * plan.NbY};
}

std::string RemplitNoeuds(const SourceGrille& source, DestinationNoeuds& destination) {
  const PlanDalle& plan = source.plan;
  if (std::string erreur = destination.Commence(plan); !erreur.empty()) {
    return erreur;
  }
  std::vector<std::int32_t> tampon;
  try {
    tampon.resize(static_cast<std::size_t>(plan.colonnesSource));
  } catch (const std::bad_alloc&) {
    return MemoireInsuffisante(plan);
  }
  const bool colonnesIdentiques = plan.colonneSource.empty();
  const bool lignesIdentiques = plan.ligneSource.empty();
  Plage plage;
  std::string erreur;
  std::int32_t r = 0;
  for (std::int32_t i = 0; i < plan.lignesSource; ++i) {
    if (colonnesIdentiques && lignesIdentiques) {
      const std::span<std::int32_t> ligne = destination.Ligne(i);
      if (!source.lecteur(ligne, erreur)) {
        return erreur;
      }
      NettoieLigne(ligne, plage);
      if (erreur = destination.LigneFaite(i); !erreur.empty()) {
        return erreur;
      }
      continue;
    }
    if (!source.lecteur(tampon, erreur)) {
      return erreur;
    }
    for (; r < plan.NbY && (lignesIdentiques ? r : plan.ligneSource[static_cast<std::size_t>(r)]) == i; ++r) {
      const std::span<std::int32_t> ligne = destination.Ligne(r);
      if (colonnesIdentiques) {
        std::copy(tampon.begin(), tampon.end(), ligne.begin());
      } else {
        std::transform(plan.colonneSource.begin(), plan.colonneSource.end(), ligne.begin(),
                       [&tampon](std::int32_t c) { return tampon[static_cast<std::size_t>(c)]; });
      }
      NettoieLigne(ligne, plage);
      if (erreur = destination.LigneFaite(r); !erreur.empty()) {
        return erreur;
      }
    }
  }
  return destination.Termine(plage.min, plage.max);
}

std::string DalleEnMemoire::Commence(const PlanDalle& plan) {
  nouvelle_ = FormeDuPlan(plan);
  try {
    nouvelle_.Alt.resize(static_cast<std::size_t>(plan.NbY));
    for (auto& ligne : nouvelle_.Alt) {
      ligne.resize(static_cast<std::size_t>(plan.NbX));
    }
  } catch (const std::bad_alloc&) {
    return MemoireInsuffisante(plan);
  }
  return {};
}

std::span<std::int32_t> DalleEnMemoire::Ligne(std::int32_t r) { return nouvelle_.Alt[static_cast<std::size_t>(r)]; }

std::string DalleEnMemoire::LigneFaite(std::int32_t) { return {}; }

std::string DalleEnMemoire::Termine(std::int32_t altMin, std::int32_t altMax) {
  nouvelle_.AltMin = altMin;
  nouvelle_.AltMax = altMax;
  dalle_ = std::move(nouvelle_);
  return {};
}

std::string RemplitDalle(const SourceGrille& source, TDalle& dalle) {
  DalleEnMemoire destination(dalle);
  return RemplitNoeuds(source, destination);
}

LecteurTexte::LecteurTexte(std::string_view texte, std::int32_t colonnes, std::int64_t total, Options options,
                           std::int64_t dejaLues)
    : courant_(texte.data()),
      fin_(texte.data() + texte.size()),
      colonnes_(std::max(colonnes, 1)),
      total_(total),
      lues_(dejaLues),
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
  if (code != std::errc() || (bout != fin_ && !Separateur(*bout))) {
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

// What the plain integer path leaves to this: a leading "+" and, where
// allowed, decimals. The "+" case converts at another width than the plain
// path, whose conversion then stays inlined in its loop.
bool LecteurTexte::ValeurRare(const char* debut, std::int32_t& valeur, const char*& fin) const {
  if (*debut == '+' && debut + 1 != fin_ && debut[1] != '-') {
    ++debut;
    std::int64_t v = 0;
    const auto [bout, code] = std::from_chars(debut, fin_, v);
    if (code == std::errc() && (bout == fin_ || Separateur(*bout)) && v <= std::numeric_limits<std::int32_t>::max()) {
      valeur = nodataEntier_ && v == *nodataEntier_ ? kValeurVide : static_cast<std::int32_t>(v);
      fin = bout;
      return true;
    }
  }
  return options_.decimales && Decimale(debut, valeur, fin);
}

void LecteurTexte::Illisible(std::string& erreur) const {
  const char* finMot = std::find_if(courant_, fin_, Separateur);
  constexpr std::ptrdiff_t kMontre = 24;
  erreur = "valeur illisible \"" + std::string(courant_, std::min(finMot - courant_, kMontre)) + "\" " + Position();
}

// The loop runs on locals: the members are brought up to date only where a
// message needs them. The blank that ends a value is tested once, and
// stepped over before the next value is looked for.
std::size_t LecteurTexte::Lit(std::span<std::int32_t> valeurs, std::string& erreur) {
  const char* p = courant_;
  const char* const fin = fin_;
  const bool avecNodata = nodataEntier_.has_value();
  const std::int32_t nodata = nodataEntier_.value_or(0);
  for (std::size_t i = 0; i < valeurs.size(); ++i) {
    while (p != fin && Separateur(*p)) {
      ++p;
    }
    if (p == fin) {
      courant_ = p;
      lues_ += static_cast<std::int64_t>(i);
      return i;
    }
    std::int32_t v = 0;
    const auto lu = std::from_chars(p, fin, v);
    const char* bout = lu.ptr;
    if (lu.ec != std::errc() || (bout != fin && !Separateur(*bout))) [[unlikely]] {
      courant_ = p;
      lues_ += static_cast<std::int64_t>(i);
      // Locals of its own, so that the loop's stay in registers.
      std::int32_t rare = 0;
      const char* finRare = nullptr;
      if (!ValeurRare(p, rare, finRare)) {
        Illisible(erreur);
        return i;
      }
      lues_ -= static_cast<std::int64_t>(i);
      v = rare;
      bout = finRare;
    } else if (avecNodata && v == nodata) {
      v = kValeurVide;
    }
    valeurs[i] = v;
    p = bout + (bout != fin ? 1 : 0);
  }
  courant_ = p;
  lues_ += static_cast<std::int64_t>(valeurs.size());
  return valeurs.size();
}

bool LecteurTexte::LitLigne(std::span<std::int32_t> valeurs, std::string& erreur) {
  if (Lit(valeurs, erreur) == valeurs.size()) {
    return true;
  }
  if (erreur.empty()) {
    erreur = FichierIncomplet(lues_, total_);
  }
  return false;
}

std::string FichierIncomplet(std::int64_t lues, std::int64_t total) {
  return "fichier incomplet : " + std::to_string(lues) + " valeurs sur les " + std::to_string(total) + " annoncées";
}

std::string ErreurFichier(int status) { return "fichier illisible (" + std::generic_category().message(status) + ")"; }

std::string VerifieTaille(std::size_t bytes, std::int64_t total) {
  if (total > 0 && static_cast<std::int64_t>(bytes) < 2 * total - 1) {
    return "fichier trop court pour les " + std::to_string(total) + " valeurs annoncées par son en-tête";
  }
  return {};
}

}  // namespace orvex
