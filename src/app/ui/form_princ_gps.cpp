// The main window's serial receive handler and trace-file menus: thin
// bindings of the window-free GPS code to the panel labels and the map.
#include <QMenuBar>
#include <ctime>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "gps/aprs_packet.h"
#include "gps/nmea_sentence.h"
#include "gps/position_handler.h"
#include "gps/receive_buffer.h"
#include "gps/trace_commands.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

void SetIfGiven(QLabel* label, const std::optional<std::string>& cp1252) {
  if (cp1252) {
    label->setText(ToQString(*cp1252));
  }
}

}  // namespace

void TFormPrinc::BuildGpsMenu() {
  QMenu* gps = menuBar()->addMenu(QStringLiteral("&GPS"));
  LirefichierGPS1 = gps->addAction(QStringLiteral("Lire fichier GPS"), this, &TFormPrinc::LirefichierGPS1Click);
  LirefichierGPS1->setObjectName("LirefichierGPS1");
  gps->addSeparator();
  DessinerUnTrace = gps->addAction(QStringLiteral("Dessiner un tracé"), this, &TFormPrinc::DessinerUnTraceClick);
  DessinerUnTrace->setObjectName("DessinerUnTrace");
  DessinerUnTrace->setCheckable(true);
  Sauverfichiertrac1 = gps->addAction(QStringLiteral("Sauver fichier tracé"), this, &TFormPrinc::Sauverfichiertrac1Click);
  Sauverfichiertrac1->setObjectName("Sauverfichiertrac1");
  Lirefichiertrac1 = gps->addAction(QStringLiteral("Lire fichier tracé"), this, &TFormPrinc::Lirefichiertrac1Click);
  Lirefichiertrac1->setObjectName("Lirefichiertrac1");
}

void TFormPrinc::MSComm1Comm() {
  if (MSComm1.CommEvent() != kComEvReceive || state_.receive.TransferActive || gate_.Defer(DrawingWork::Receive)) {
    return;
  }
  {
    // The path segment, the landing crosses and a recentring redraw are one drawing.
    const RedrawGate::Hold drawing(gate_);
    ReceiveAndHandle();
  }
  ScheduleWaitingWork();
}

void TFormPrinc::ReceiveAndHandle() {
  const std::vector<std::uint8_t> bytes = MSComm1.Input();
  const std::string text(bytes.begin(), bytes.end());
  const int protocol = state_.config.TypeTrame;
  PositionContext context{state_.receive, state_.traces,      state_.stations,     canvas_,
                          state_.projection, state_.redraw, state_.tables,
                          state_.config.LgCourant, state_.config.LtCourant, protocol,
                          state_.directories.RepertoireBase, [this] { Redraw(); }, std::time(nullptr),
                          [this](double longitude, double latitude) {
                            const ProjectionState& p = state_.projection;
                            pointerHandlers_->ScrollToPoint(LonToX(p, longitude), LatToY(p, latitude));
                          }};
  const std::vector<std::string> messages = protocol == kTrameAprsKiss
                                                ? ReceiveKissPackets(state_.receive.Kiss, text)
                                                : ReceiveMessages(state_.receive.ReceiveBuffer, protocol, text);
  bool redrawMap = false;
  for (const std::string& message : messages) {
    DecodedPosition fix;
    if (protocol == kTrameNmea) {
      StaticTextInfo->setText(ToQString(message));
      fix = DecodeSentence(message);
    } else if (protocol == kTrameAprs) {
      fix = DecodePacket(message);
    } else if (protocol == kTrameAprsKiss) {
      fix = DecodeAprsLine(message);
    }
    const GpsPanelUpdate update = HandlePosition(context, fix);
    ApplyGpsPanel(update);
    redrawMap = redrawMap || update.redrawMap;
  }
  if (redrawMap) {
    Redraw();  // this handler holds the gate: the redraw is part of its drawing
  }
  ImageCarte->update();
}

void TFormPrinc::ApplyGpsPanel(const GpsPanelUpdate& update) {
  SetIfGiven(LgGPSGP3, update.LgGPSGP3);
  SetIfGiven(LtGPSGP3, update.LtGPSGP3);
  SetIfGiven(AltGPSGP3, update.AltGPSGP3);
  SetIfGiven(NbPGpsGP3, update.NbPGpsGP3);
  SetIfGiven(LocalGPSGP3, update.LocalGPSGP3);
  SetIfGiven(DistGPSGP3, update.DistGPSGP3);
  SetIfGiven(LgChuteGP3, update.LgChuteGP3);
  SetIfGiven(LtChuteGP3, update.LtChuteGP3);
  SetIfGiven(LabelFichier, update.traceFileName);
  if (update.traceFileStatus != 0) {
    const std::string text = "Fichier trace non écrit dans " +
                             PathText(state_.directories.RepertoireBase / "Traces") + " (erreur " +
                             std::to_string(update.traceFileStatus) + ")";
    EchoLine(text);
    StaticTextInfo->setText(Utf8ToQString(text));
  }
  if (update.aprsLogStatus != 0) {
    const std::string text = "Journal APRS non écrit : " + PathText(update.aprsLogFile) + " (erreur " +
                             std::to_string(update.aprsLogStatus) + ")";
    EchoLine(text);
    StaticTextInfo->setText(Utf8ToQString(text));
  }
  if (update.beep) {
    dialogs_.Beep();
  }
}

void TFormPrinc::LirefichierGPS1Click() {
  int ioStatus = 0;
  const auto last = ReadGpsFileCommand(state_.traces, state_.directories.RepertoireBase, dialogs_, ioStatus);
  if (!last) {
    return;
  }
  ShowPlace(FromFixed(last->Lon), FromFixed(last->Lat));
}

void TFormPrinc::DessinerUnTraceClick() {
  StaticTextInfo->setText(DessinerUnTrace->isChecked()
                              ? QStringLiteral("Dessin d'un tracé à la souris. Désélectionnez le menu pour arrêter")
                              : QStringLiteral(" "));
}

void TFormPrinc::Sauverfichiertrac1Click() {
  SaveTraceFileCommand(state_.traces, state_.directories.RepertoireBase, dialogs_);
}

void TFormPrinc::Lirefichiertrac1Click() {
  int ioStatus = 0;
  const auto last = ReadTraceFileCommand(state_.traces, state_.directories.RepertoireBase, dialogs_, ioStatus);
  if (last) {
    ShowPlace(FromFixed(last->Lon), FromFixed(last->Lat));
  } else {
    RequestRedraw();
  }
}

// A background picture fixes the scale and the centre: the place is
// scrolled to instead of becoming the centre.
void TFormPrinc::ShowPlace(double longitude, double latitude) {
  ProjectionState& p = state_.projection;
  if (p.BackgroundActive) {
    RequestRedraw();
    pointerHandlers_->ScrollToPoint(LonToX(p, longitude), LatToY(p, latitude));
    return;
  }
  p.CentreLongitude = longitude;
  p.CentreLatitude = latitude;
  RequestRedraw();
}

}  // namespace orvex
