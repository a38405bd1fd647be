#include "app/grid_import_command.h"

#include <QPoint>
#include <array>
#include <cmath>

#include "terrain/grid_import.h"

namespace orvex {
namespace {

constexpr CouleurBgr kRouge = 0x0000FF;
constexpr const char* kFiltre =
    "Fichiers FIL (*.fil);;Grilles ESRI ASCII (*.asc);;Dalles SRTM (*.hgt);;Toutes les grilles (*.fil *.asc *.hgt)";

void Cadre(ProjectionState& p, const EtendueGrille& zone) {
  const double largeur = std::fabs(zone.ouest - zone.est);
  p.Zoom = static_cast<std::int32_t>(
      std::clamp(std::nearbyint(p.ImageWidth / largeur) - 20, double{kMinZoom}, double{kMaxZoom}));
  p.CentreLongitude = (zone.ouest + zone.est) / 2;
  p.CentreLatitude = (zone.nord + zone.sud) / 2;
}

std::string Degres(FixedDegree value) { return std::to_string(std::lround(FromFixed(value))); }

}  // namespace

void DessineZoneImportee(const ProjectionState& projection, const EtendueGrille& zone, Canvas& canvas) {
  const auto point = [&projection](double lg, double lt) {
    const ScreenPoint s = GeoToScreen(projection, lg, lt, 0);
    return QPoint(s.x, s.y);
  };
  const std::array<QPoint, 5> cadre = {point(zone.ouest, zone.nord), point(zone.est, zone.nord),
                                       point(zone.est, zone.sud), point(zone.ouest, zone.sud),
                                       point(zone.ouest, zone.nord)};
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(kRouge);
  canvas.SetPenWidth(2);
  canvas.Polyline(cadre);
}

void Importationdonnes(ProgramState& state, Canvas& canvas, Dialogs& dialogs, const ImportationHooks& hooks) {
  hooks.info(kTexteImportation);
  std::error_code ec;
  const std::filesystem::path& base = state.directories.RepertoireBase;
  const auto choisi = dialogs.OpenFileName(
      {"Importe un fichier FIL", kFiltre, std::filesystem::is_directory(base, ec) ? base.string() : std::string()});
  if (!choisi) {
    return;
  }
  const std::string& nom = *choisi;
  EtendueGrille zone;
  if (const std::string erreur = LitEnteteGrille(nom, zone); !erreur.empty()) {
    dialogs.Message(MessageKind::Error, "Fichier " + nom + " : " + erreur);
    return;
  }
  Cadre(state.projection, zone);
  hooks.redraw();
  DessineZoneImportee(state.projection, zone, canvas);
  hooks.show();
  const Answer reponse =
      dialogs.Ask("La zone concernée par le fichier " + nom + " figure en rouge. " + "Voulez-vous l'importer?", false);
  if (reponse == Answer::Yes) {
    hooks.info("Fichier " + nom + " en cours d'importation");
    if (const std::string erreur = ImporteGrille(nom, state.dalle); !erreur.empty()) {
      dialogs.Message(MessageKind::Error, "Fichier " + nom + " : " + erreur);
    } else {
      state.display.AffDalles = true;
      hooks.info("fichier " + nom + " " + std::to_string(state.dalle.NbX) + "x" + std::to_string(state.dalle.NbY) +
                 " LgNO=" + Degres(state.dalle.LgNO) + " LtNO=" + Degres(state.dalle.LtNO));
    }
  }
  hooks.redraw();
}

}  // namespace orvex
