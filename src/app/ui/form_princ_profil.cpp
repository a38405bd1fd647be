// The main window's level profile along the drawn vector, its visibility
// horizon, and the "Annule" button that stops the horizon.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QToolButton>
#include <optional>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "terrain/ui/form_profil.h"
#include "terrain/view/dessin_profil.h"

namespace orvex {
namespace {

constexpr qint64 kRepeintHorizonMs = 40;

QMenu* MenuRelief(QMenuBar* bar) {
  if (auto* menu = bar->findChild<QMenu*>("Relief1")) {
    return menu;
  }
  QMenu* menu = bar->addMenu(QStringLiteral("&Relief"));
  menu->setObjectName("Relief1");
  return menu;
}

// The horizon goes on only over the view it started on: a redraw, a zoom or a
// turn of the map in the meantime would put its rays in the wrong place.
bool MemeVue(const ProjectionState& a, const ProjectionState& b) {
  return a.Zoom == b.Zoom && a.ScaleY == b.ScaleY && a.CentreLongitude == b.CentreLongitude &&
         a.CentreLatitude == b.CentreLatitude && a.ImageWidth == b.ImageWidth && a.ImageHeight == b.ImageHeight &&
         a.Spherical == b.Spherical && a.NoRotation == b.NoRotation && a.Alpha.Radians == b.Alpha.Radians &&
         a.Beta.Radians == b.Beta.Radians && a.Gamma.Radians == b.Gamma.Radians;
}

}  // namespace

void TFormPrinc::BuildProfilCommands() {
  QMenu* relief = MenuRelief(menuBar());
  relief->addAction(QStringLiteral("Profil de niveau"), this, &TFormPrinc::ProfilNiveauCmdExecute)
      ->setObjectName("Courbedeniveau1");
  relief->addAction(QString::fromUtf8("Determiner horizon de visibilité"), this, &TFormPrinc::HorVisibiliteClick)
      ->setObjectName("HorVisibilite");
  Pointer()
      .PopupMenuGeneral->addAction(QStringLiteral("Profil de niveau"), this, &TFormPrinc::ProfilNiveauCmdExecute)
      ->setObjectName("Profildeniveau");
  QAction* annule = ToolBar1->addAction(QStringLiteral("Annule"), this, [this] { state_.AnnuleFonction = true; });
  annule->setToolTip(QStringLiteral("Annule la fonction en cours"));
  ToolBar1->widgetForAction(annule)->setObjectName("BoutonAnnule");
}

void TFormPrinc::ProfilNiveauCmdExecute() {
  const PointerInteraction& s = Pointer().Interaction();
  const ProjectionState& p = state_.projection;
  TPointsProfil points;
  CalculeProfil(state_.tables.TableNiveaux, p.ViewBounds, s.MeasureOrigin.Longitude, s.MeasureOrigin.Latitude,
                s.MeasureEnd.Longitude, s.MeasureEnd.Latitude, points);
  TraceCroixProfil(canvas_, p, points);
  ImageCarte->update();
  if (points.size() < 2) {
    return;
  }
  TFormProfil dialog(
      std::move(points), s.MeasureOrigin, s.MeasureEnd, dialogs_,
      [this](const TPointsProfil& tries) {
        MarqueExtremites(canvas_, state_.projection, tries);
        ImageCarte->update();
      },
      this);
  dialog.exec();
}

void TFormPrinc::HorVisibiliteClick() {
  if (horizonEnCours_) {
    return;
  }
  horizonEnCours_ = true;
  state_.AnnuleFonction = false;
  const ProjectionState vue = state_.projection;
  const IndexNiveaux index(state_.tables.TableNiveaux, vue.ViewBounds);
  const auto cherche = [&index](double lgA, double ltA, double lgB, double ltB, TPointsProfil& points) {
    index.CalculeProfil(lgA, ltA, lgB, ltB, points);
  };
  QElapsedTimer depuisRepeint;
  depuisRepeint.start();
  std::optional<RedrawGate::Hold> dessin;  // fixes and ticks wait until the horizon is drawn
  dessin.emplace(gate_);
  DessineHorizon(canvas_, vue, cherche, [this, &vue, &depuisRepeint] {
    if (depuisRepeint.elapsed() >= kRepeintHorizonMs) {
      ImageCarte->update();
      depuisRepeint.restart();
    }
    QApplication::processEvents();
    return !state_.AnnuleFonction && MemeVue(vue, state_.projection);
  });
  dessin.reset();
  state_.AnnuleFonction = false;
  horizonEnCours_ = false;
  ImageCarte->update();
  ScheduleWaitingWork();
}

}  // namespace orvex
