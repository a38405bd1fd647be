// The main window's Garmin transfer and waypoint commands: thin bindings of
// the Garmin dialog and the waypoint files to the map.
#include <QMenuBar>
#include <QToolButton>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "garmin/ui/form_grmn.h"
#include "garmin/ui/form_intro_wp.h"
#include "garmin/waypoint_commands.h"
#include "gps/gps_file.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

QMenu* GpsMenu(QMenuBar* bar) {
  for (QAction* action : bar->actions()) {
    if (action->menu() != nullptr && action->text() == QStringLiteral("&GPS")) {
      return action->menu();
    }
  }
  return bar->addMenu(QStringLiteral("&GPS"));
}

}  // namespace

void TFormPrinc::BuildGarminMenu() {
  QMenu* gps = GpsMenu(menuBar());
  gps->addSeparator();
  const auto add = [this, gps](const QString& caption, const char* name, void (TFormPrinc::*handler)()) {
    QAction* action = gps->addAction(caption, this, handler);
    action->setObjectName(name);
    return action;
  };
  Transfert1 = add(QStringLiteral("Transfert"), "Transfert1", &TFormPrinc::Transfert1Click);
  Crerunwaypoint1 = add(QStringLiteral("Créer un waypoint"), "Crerunwaypoint1", &TFormPrinc::Crerunwaypoint1Click);
  Sauveunfichierwaypoint1 = add(QStringLiteral("Sauve un fichier waypoint"), "Sauveunfichierwaypoint1",
                                &TFormPrinc::Sauveunfichierwaypoint1Click);
  ChargeunfichierWaypoint1 = add(QStringLiteral("Charge un fichier Waypoint"), "ChargeunfichierWaypoint1",
                                 &TFormPrinc::ChargeunfichierWaypoint1Click);
  auto* button = new QToolButton(ToolBar1);
  button->setObjectName("BoutonGarmin");
  button->setText(QStringLiteral("Transfert"));
  button->setToolTip(QStringLiteral("Transfert avec un GPS Garmin"));
  connect(button, &QToolButton::clicked, this, &TFormPrinc::Transfert1Click);
  ToolBar1->addWidget(button);
}

// After the dialog, only a track file it downloaded is read back as a trace:
// an uploaded file or a waypoint file would land in the wrong columns.
void TFormPrinc::Transfert1Click() {
  GarminState& garmin = state_.garmin;
  garmin.TransferFileName.clear();
  garmin.TrackDownloaded = false;
  if (!formGRMN_) {
    formGRMN_ = std::make_unique<TFormGRMN>(dialogs_, MSComm1, state_.receive.TransferActive, garmin,
                                            state_.directories.RepertoireBase, this);
  }
  formGRMN_->exec();
  if (garmin.TrackDownloaded && !garmin.TransferFileName.empty() &&
      ReadGpsFile(state_.traces, garmin.TransferFileName) == 0 && !state_.traces.TraceTable.empty() &&
      !state_.traces.TraceTable[0].empty()) {
    const TracePoint& last = state_.traces.TraceTable[0].back();
    ShowPlace(FromFixed(last.Lon), FromFixed(last.Lat));
    return;
  }
  RequestRedraw();
}

void TFormPrinc::Crerunwaypoint1Click() {
  state_.garmin.CreateWaypointPending = true;
  StaticTextInfo->setText(QStringLiteral("Cliquez sur un point de la carte pour créer un waypoint"));
}

bool TFormPrinc::CreateWaypointAt(double lon, double lat) {
  GarminState& garmin = state_.garmin;
  if (!garmin.CreateWaypointPending) {
    return false;
  }
  garmin.CreateWaypointPending = false;
  TFormIntroWP dialog(garmin.Waypoints, this);
  dialog.exec();
  if (const auto& created = dialog.Result()) {
    garmin.Waypoints.push_back({created->Name, lon, lat, created->Comment});
    garmin.WaypointPoints = WaypointPoints(garmin.Waypoints);
    DrawWaypoints(canvas_, state_.projection, garmin.WaypointPoints);
    ImageCarte->update();
  }
  return true;
}

void TFormPrinc::Sauveunfichierwaypoint1Click() {
  SaveWaypointFileCommand(state_.garmin.Waypoints, state_.directories.RepertoireBase, dialogs_,
                          state_.garmin.TransferFileName);
}

void TFormPrinc::ChargeunfichierWaypoint1Click() {
  switch (LoadWaypointFileCommand(state_.garmin.Waypoints, state_.directories.RepertoireBase, dialogs_,
                                  state_.garmin.TransferFileName)) {
    case WaypointLoad::Cancelled:
      return;
    case WaypointLoad::Unreadable:
      StaticTextInfo->setText(QStringLiteral("Erreur à l'ouverture du fichier"));
      return;
    case WaypointLoad::Loaded:
      RequestRedraw();
      return;
  }
}

}  // namespace orvex
