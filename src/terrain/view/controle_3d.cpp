#include "terrain/view/controle_3d.h"

#include <cmath>

#include "geo/angle_constants.h"

namespace orvex {
namespace {

constexpr PlageCurseur kPlagePlane{-90, 90};
constexpr PlageCurseur kPlageGlobeAlpha{90, 270};
constexpr PlageCurseur kPlageGlobeGamma{-180, 180};
constexpr double kPartDeplacement = 10;

int EnDegres(const RotationAngle& angle) { return static_cast<int>(std::lround(angle.Radians * 180 / kPi)); }

void RegleAngleRadians(ProjectionState& p, AxeRotation axe, double radians) {
  switch (axe) {
    case AxeRotation::Alpha:
      (p.Spherical ? p.SphereAlpha : p.Alpha).Radians = radians;
      StepAlpha(p, 0);
      break;
    case AxeRotation::Beta:
      (p.Spherical ? p.SphereBeta : p.Beta).Radians = radians;
      StepBeta(p, 0);
      break;
    case AxeRotation::Gamma:
      (p.Spherical ? p.SphereGamma : p.Gamma).Radians = radians;
      StepGamma(p, 0);
      break;
  }
}

}  // namespace

PositionsControleur PositionsDepuisEtat(const ProjectionState& p) {
  PositionsControleur positions;
  positions.zoom = p.Zoom;
  if (p.Spherical) {
    positions.plageAlpha = kPlageGlobeAlpha;
    positions.plageGamma = kPlageGlobeGamma;
    positions.alpha = EnDegres(p.SphereAlpha);
    positions.beta = EnDegres(p.SphereBeta);
    positions.gamma = EnDegres(p.SphereGamma);
    positions.avecCorrectionZ = false;
    return positions;
  }
  positions.plageAlpha = kPlagePlane;
  positions.plageGamma = kPlagePlane;
  positions.alpha = EnDegres(p.Alpha);
  positions.beta = EnDegres(p.Beta);
  positions.gamma = EnDegres(p.Gamma);
  positions.correctionZ = static_cast<int>(std::lround(p.ZFactor * 100));
  return positions;
}

void RegleAngle(ProjectionState& p, AxeRotation axe, int degres) { RegleAngleRadians(p, axe, degres * kPi / 180); }

void RegleAngles(ProjectionState& p, double alpha, double beta, double gamma) {
  RegleAngleRadians(p, AxeRotation::Alpha, alpha * kPi / 180);
  RegleAngleRadians(p, AxeRotation::Beta, beta * kPi / 180);
  RegleAngleRadians(p, AxeRotation::Gamma, gamma * kPi / 180);
}

bool RedessinCompletApresCurseur(const DisplayOptions& display) {
  return display.AffichageContinu && !display.AffDalles;
}

void PrepareDiffere(MapScene& scene) {
  PrepareView(scene);
  scene.redraw.RedrawCountdown = scene.redraw.RedrawDelay;
}

void DeplaceCentre(ProjectionState& p, DirectionCentre direction) {
  const GeoBounds& b = p.ViewBounds;
  const double nordSud = (b.North - b.South) / kPartDeplacement;
  const double estOuest = (b.East - b.West) / kPartDeplacement;
  switch (direction) {
    case DirectionCentre::Haut:
      p.CentreLatitude += nordSud;
      break;
    case DirectionCentre::Bas:
      p.CentreLatitude -= nordSud;
      break;
    case DirectionCentre::Droite:
      p.CentreLongitude += estOuest;
      break;
    case DirectionCentre::Gauche:
      p.CentreLongitude -= estOuest;
      break;
  }
}

}  // namespace orvex
