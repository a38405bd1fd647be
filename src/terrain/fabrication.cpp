#include "terrain/fabrication.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "terrain/curve_index.h"
#include "terrain/grid_samples.h"

namespace orvex {
namespace {

constexpr std::int32_t kMinimumInitial = 99999;
constexpr auto kRespiration = std::chrono::milliseconds(10);
constexpr int kNoeudsEntreHorloges = 64;

std::optional<BoiteCourbes> BoiteDesCourbes(const TTableNiveaux& niveaux) {
  std::optional<BoiteCourbes> boite;
  for (const auto& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      for (const TPointLtLg& p : courbe.Points) {
        if (!boite) {
          boite = BoiteCourbes{p.Lg, p.Lg, p.Lt, p.Lt};
        }
        boite->lonMin = std::min(boite->lonMin, p.Lg);
        boite->lonMax = std::max(boite->lonMax, p.Lg);
        boite->latMin = std::min(boite->latMin, p.Lt);
        boite->latMax = std::max(boite->latMax, p.Lt);
      }
    }
  }
  return boite;
}

std::int64_t Arrondi(double v) { return static_cast<std::int64_t>(std::nearbyint(v)); }

}  // namespace

std::string PlanifieFabrication(const TTableNiveaux& niveaux, std::int32_t pasLg, std::int32_t pasLt,
                                PlanFabrication& plan) {
  const std::optional<BoiteCourbes> boite = BoiteDesCourbes(niveaux);
  if (!boite) {
    return "aucun point de courbe de niveau : la dalle resterait vide";
  }
  if (pasLg < 1 || pasLt < 1) {
    return "delta nul ou négatif : il faut au moins 1/16384 de degré";
  }
  if (pasLg > kPasMaxDalles || pasLt > kPasMaxDalles) {
    return "delta trop grand : le fichier des dalles en admet au plus " + std::to_string(kPasMaxDalles) +
           " unités de 1/16384 de degré (environ 4 degrés)";
  }
  const std::int64_t colonnes = (std::int64_t{boite->lonMax} - boite->lonMin) / pasLg + 1;
  const std::int64_t lignes = (std::int64_t{boite->latMax} - boite->latMin) / pasLt + 1;
  if (colonnes > kDallesMaxCotes || lignes > kDallesMaxCotes) {
    return "dalle de " + std::to_string(colonnes) + " x " + std::to_string(lignes) +
           " points : le fichier des dalles en admet au plus " + std::to_string(kDallesMaxCotes) + " x " +
           std::to_string(kDallesMaxCotes) + " ; augmentez les delta";
  }
  plan.boite = *boite;
  plan.pasLg = pasLg;
  plan.pasLt = pasLt;
  plan.colonnes = static_cast<std::int32_t>(colonnes);
  plan.lignes = static_cast<std::int32_t>(lignes);
  plan.progressionMax = Arrondi(std::fabs(double(boite->lonMin) - boite->lonMax) / pasLg) *
                        Arrondi(std::fabs(double(boite->latMax) - boite->latMin) / pasLt);
  return {};
}

TDalle FabriqueDalles(const TTableNiveaux& niveaux, const PlanFabrication& plan, const SuiviFabrication& suivi) {
  const IndexCourbes index(niveaux);
  TDalle dalle;
  dalle.LgNO = plan.boite.lonMin;
  dalle.LtNO = plan.boite.latMax;
  dalle.DLg = plan.pasLg;
  dalle.DLt = plan.pasLt;
  std::int32_t minimum = kMinimumInitial;
  std::int32_t maximum = 0;
  std::int64_t noeuds = 0;
  auto respiration = std::chrono::steady_clock::now();
  bool arret = false;
  std::int64_t lt = plan.boite.latMax;
  do {
    std::vector<std::int32_t>& ligne = dalle.Alt.emplace_back();
    ligne.reserve(static_cast<std::size_t>(plan.colonnes));
    std::int64_t lg = plan.boite.lonMin;
    do {
      const std::int32_t a =
          index.AltitudeCourbeLaPlusProche(static_cast<FixedDegree>(lg), static_cast<FixedDegree>(lt));
      maximum = std::max(maximum, a);
      if (a != 0) {
        minimum = std::min(minimum, a);
      }
      ligne.push_back(a);
      lg += plan.pasLg;
      ++noeuds;
      if (noeuds % kNoeudsEntreHorloges == 0 && suivi.patiente &&
          std::chrono::steady_clock::now() - respiration >= kRespiration) {
        suivi.patiente();
        respiration = std::chrono::steady_clock::now();
      }
      arret = suivi.arret && suivi.arret();
    } while (lg <= plan.boite.lonMax && !arret);
    if (suivi.ligneFaite) {
      suivi.ligneFaite(noeuds);
    }
    lt -= plan.pasLt;
    arret = arret || (suivi.arret && suivi.arret());
  } while (lt >= plan.boite.latMin && !arret);

  dalle.NbX = static_cast<std::int32_t>(dalle.Alt.back().size());
  dalle.NbY = static_cast<std::int32_t>(dalle.Alt.size());
  for (auto& ligne : dalle.Alt) {
    ligne.resize(static_cast<std::size_t>(dalle.NbX));
  }
  dalle.AltMin = minimum;
  dalle.AltMax = maximum;
  return dalle;
}

}  // namespace orvex
