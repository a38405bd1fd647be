#include "terrain/view/survol_xy.h"

#include <algorithm>
#include <cmath>

#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

constexpr int kMarge = 10;                         // pixels around the survey
constexpr std::int32_t kPremiereLigneGrille = 10;  // rows r0 + 10 ...
constexpr double kLignesGrille = 190;              // ... to r0 + 200
constexpr double kGaucheDepart = 10;               // columns c0 + 10 ...
constexpr double kDroiteDepart = 250;              // ... to c0 + 250 on the top line
constexpr double kLignesSansRetournement = 100;    // lines the window may narrow by one column
constexpr std::int64_t kUniteTableau = 638976;     // 39 x 16384
constexpr std::int32_t kDernierIndex = 39;
constexpr double kGrisHaut = 255;
constexpr double kEtendueGris = 245;

}  // namespace

CouleurBgr EchelleSurvol::Couleur(std::int32_t altitude) const {
  const std::int32_t z = std::max(altitude, 0);
  switch (mode) {
    case Mode::Couleur: {
      const std::int64_t index = ((z * kEntier) >> 14) + static_cast<std::int64_t>(c);
      return TableCouleurs[static_cast<std::size_t>(std::clamp<std::int64_t>(index, 0, kDernierIndex))];
    }
    case Mode::Gris:
      return CouleurGris(static_cast<std::int32_t>(std::clamp(std::nearbyint(z * k + c), 0.0, kGrisHaut)));
    case Mode::Vert:
      break;
  }
  return kVert;
}

EchelleSurvol EchellePourSurvol(const DisplayOptions& display, std::int32_t altitudeMaxi) {
  EchelleSurvol echelle;
  const double m = altitudeMaxi;
  if (display.CourbeNB || display.ModeOmbre) {
    echelle.mode = EchelleSurvol::Mode::Gris;
    echelle.k = altitudeMaxi > 0 ? kEtendueGris / m : 0;
    echelle.c = std::nearbyint(kGrisHaut - m * echelle.k);
    if (altitudeMaxi <= 0) {
      echelle.c = kGrisHaut;
    }
  } else if (display.CourbeCouleur) {
    echelle.mode = EchelleSurvol::Mode::Couleur;
    echelle.kEntier = altitudeMaxi > 0 ? kUniteTableau / altitudeMaxi : 0;
    echelle.c = altitudeMaxi > 0 ? std::nearbyint(kDernierIndex - echelle.kEntier / 16384.0 * m) : kDernierIndex;
  }
  return echelle;
}

FenetreColonnes FenetreDeLigne(std::int32_t premiereColonne, int ligne, int nombreLignes) {
  const double pas = nombreLignes > kLignesSansRetournement ? kLignesSansRetournement / nombreLignes : 1.0;
  const double retrait = (ligne + 1) * pas;
  return {premiereColonne + kGaucheDepart + retrait, premiereColonne + kDroiteDepart - retrait};
}

void DessineSurvolXY(Canvas& canvas, const MatriceEcran& m, const DisplayOptions& display,
                     const std::function<void(int y)>& ligneFaite) {
  const int largeur = canvas.Width();
  const int hauteur = canvas.Height();
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(1);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kNoir);
  canvas.FillRect(0, 0, largeur, hauteur);
  if (m.PremiereColonne < 0 || m.PremiereLigne < 0 || largeur <= 2 * kMarge || hauteur <= 2 * kMarge) {
    return;
  }
  std::int32_t maxi = 0;
  for (const PointMatrice& point : m.Points) {
    maxi = std::max(maxi, point.z);
  }
  const EchelleSurvol echelle = EchellePourSurvol(display, maxi);
  const int nombreLignes = hauteur - 2 * kMarge;
  const double largeurUtile = largeur - 2 * kMarge;
  for (int y = kMarge; y < hauteur - kMarge; ++y) {
    const FenetreColonnes fenetre = FenetreDeLigne(m.PremiereColonne, y - kMarge, nombreLignes);
    const auto rangee = static_cast<std::int64_t>(
        std::nearbyint(m.PremiereLigne + kPremiereLigneGrille + (y - kMarge) * kLignesGrille / nombreLignes));
    // Runs of one colour become one line: the pen changes only with the colour.
    int debut = -1;
    CouleurBgr couleurRun = 0;
    const auto finitRun = [&](int fin) {
      if (debut >= 0) {
        canvas.SetPenColor(couleurRun);
        canvas.MoveTo(debut, y);
        canvas.LineTo(fin, y);
        debut = -1;
      }
    };
    for (int x = kMarge; x < largeur - kMarge; ++x) {
      const auto colonne = static_cast<std::int64_t>(
          std::nearbyint(fenetre.gauche + (x - kMarge) * (fenetre.droite - fenetre.gauche) / largeurUtile));
      if (rangee < 0 || rangee >= m.NbLignes || colonne < 0 || colonne >= m.NbColonnes) {
        finitRun(x);
        continue;
      }
      const CouleurBgr couleur =
          echelle.Couleur(m(static_cast<std::int32_t>(colonne), static_cast<std::int32_t>(rangee)).z);
      if (debut >= 0 && couleur != couleurRun) {
        finitRun(x);
      }
      if (debut < 0) {
        debut = x;
        couleurRun = couleur;
      }
    }
    finitRun(largeur - kMarge);
    if (ligneFaite) {
      ligneFaite(y);
    }
  }
}

}  // namespace orvex
