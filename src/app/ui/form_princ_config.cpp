// The main window's configuration commands: the dialog and its apply step,
// what runs after it (3D demonstration, continuous zoom, 640 x 480 test), the
// micro-help and the about box.
#include <QApplication>
#include <QMenuBar>
#include <optional>

#include "app/save_edits.h"
#include "app/startup.h"
#include "app/ui/form_aide.h"
#include "app/ui/form_config.h"
#include "app/ui/form_debug.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "database/region_interpretation.h"
#include "geo/angle_constants.h"
#include "platform/paths.h"

namespace orvex {
namespace {

constexpr int kImagesDemoGlobe = 1000;
constexpr int kImagesDemoPlane = 500;
constexpr int kPasZoomContinu = 5;
constexpr int kEtendueZoomContinu = 1000;

// The globe demonstration's steps for frame i (before it is counted) and
// its zoom change for the counted frame.
void PasDemoGlobe(ProjectionState& p, int i) {
  StepAlpha(p, 0.03);
  if (i > 200) {
    StepBeta(p, 0.01);
  }
  if (i > 100 && i < 200) {
    StepGamma(p, 0.01);
  }
  if (i > 200 && i < 300) {
    StepBeta(p, 0.1);
    StepGamma(p, 0.1);
  }
  if (i > 300 && i < 400) {
    StepAlpha(p, 0.1);
    StepBeta(p, 0.1);
    StepGamma(p, 0.1);
  }
  if (i > 400) {
    StepGamma(p, 0.1);
  }
}

int ZoomDemoGlobe(int i) {
  if (i < 100 || (i > 500 && i < 600)) {
    return 1;
  }
  if (i > 650 && i < 700) {
    return -4;
  }
  if (i > 700 && i < 800) {
    return 5;
  }
  return i > 800 && i < 920 ? -3 : 0;
}

void PasDemoPlane(ProjectionState& p, int i) {
  if (i < 50) {
    p.Zoom += 1;
  } else if (i > 50 && i < 100) {
    p.Zoom += 1;
    StepAlpha(p, 0.02);
  } else if (i > 100 && i < 150) {
    p.Zoom += 4;
    StepGamma(p, 0.01);
    StepAlpha(p, 0.005);
  } else if (i > 150 && i < 200) {
    p.Zoom += 6;
    StepGamma(p, 0.01);
    StepAlpha(p, -0.005);
  } else if (i > 200 && i < 400) {
    p.Zoom -= 3;
    StepGamma(p, -0.04);
  } else if (i > 400 && i < 500) {
    p.Zoom += 4;
    StepGamma(p, 0.08);
  }
}

}  // namespace

void TFormPrinc::BuildConfigMenu() {
  QMenu* fichier = menuBar()->actions().isEmpty() ? nullptr : menuBar()->actions().front()->menu();
  Configuration1 = new QAction(QStringLiteral("Configuration"), this);
  Configuration1->setObjectName("Configuration1");
  connect(Configuration1, &QAction::triggered, this, &TFormPrinc::Configuration1Click);
  if (fichier != nullptr) {
    fichier->insertAction(Quitter1, Configuration1);
    fichier->insertSeparator(Quitter1);
  }
  QMenu* aide = menuBar()->addMenu(QStringLiteral("&?"));
  aide->setObjectName("Aide1");
  Microaide1 = aide->addAction(QStringLiteral("Micro aide"), this, &TFormPrinc::Microaide1Click);
  Microaide1->setObjectName("Microaide1");
  Apropos1 = aide->addAction(QStringLiteral("A propos"), this, &TFormPrinc::Apropos1Click);
  Apropos1->setObjectName("Apropos1");
}

void TFormPrinc::Configuration1Click() {
  DemandeConfig demande = DemandeConfig::Aucune;
  {
    TFormConfig dialogue(*this);
    dialogue.exec();
    demande = dialogue.Demande();
  }
  update();
  switch (demande) {
    case DemandeConfig::Demo3D:
      Demo3D();
      break;
    case DemandeConfig::ZoomContinu:
      ZoomContinu();
      break;
    case DemandeConfig::Test640:
      Test640();
      break;
    case DemandeConfig::Aucune:
      RequestRedraw();
      break;
  }
}

void TFormPrinc::RouvrePortSerie() {
  if (MSComm1.PortOpen()) {
    MSComm1.SetPortOpen(false);
  }
  if (OpenSerialPort(MSComm1, state_.config.PortGPS, ChaineReglages(state_.config)) == kSerialPortUnavailable) {
    dialogs_.Beep();
    dialogs_.Message(MessageKind::Warning, "Le port COM" + std::to_string(state_.config.PortGPS) +
                                               " n'est pas disponible ou est déjà utilisé." +
                                               "vous devriez modifier votre choix. " +
                                               "L'exécution du programme continue quand même mais " +
                                               "la ligne RS232 ne sera pas utilisable.");
  }
}

void TFormPrinc::AppliquePourcentExpansion(int pourcent) {
  state_.PourcentExpansion = pourcent;
  if (!state_.projection.BackgroundActive) {
    state_.PourcentApplique = pourcent;
    TailleImage(rememberedPictureSize_.width(), rememberedPictureSize_.height(), pourcent);
  }
}

void TFormPrinc::ChangeRegion(int index) {
  Directories& d = state_.directories;
  if (index < 0 || static_cast<std::size_t>(index) >= d.ListeRegions.size()) {
    return;
  }
  dialogs_.Beep();
  if (dialogs_.Ask(std::string("Vous avez changé le lieu de visualisation.") +
                       "Les bases de données seront recompilées. " + "Etes-vous sur de votre choix ?",
                   false) != Answer::Yes) {
    return;
  }
  QuitteRegion(state_, dialogs_);
  d.IndexRegion = index;
  d.RepertoireRegion = ResolvePath(d.RepertoireBase, "lieux/" + d.ListeRegions[static_cast<std::size_t>(index)]);
  formDebug_ = std::make_unique<TFormDebug>();
  formDebug_->show();
  AddProgress("Liste de démarrage :");
  StartupContext context{dialogs_, [this](const std::string& line) { AddProgress(line); },
                         [this] {
                           if (formDebug_) {
                             formDebug_->RemoveLastLine();
                           }
                         },
                         [this] { CloseStartupWindow(); }};
  state_.dalle = TDalle{};
  Interpretation interpretation = MakeInterpretation(state_, context);
  const ResultatInterpretation resultat = InterpreteBase(interpretation, d.RepertoireRegion);
  CloseStartupWindow();
  if (resultat.regionAbsente) {
    QApplication::exit(1);  // the region vanished: as at start-up, the program ends
    return;
  }
  state_.FabricationDallesPossible = state_.tables.TableNiveaux.NbFichiers() > 0;
  N15->setVisible(state_.FabricationDallesPossible);
  Fabriquerdalledesniveaux1->setVisible(state_.FabricationDallesPossible);
}

void TFormPrinc::Demo3D() {
  ProjectionState& p = state_.projection;
  state_.AnnuleFonction = false;
  // Fixes and ticks arriving between frames wait for the end of the demonstration.
  std::optional<RedrawGate::Hold> demonstration;
  demonstration.emplace(gate_);
  if (p.Spherical) {
    p.Zoom = 1;
    p.SphereAlpha.Radians = p.CentreLatitude * kDegreesToRadians + kPi;
    p.SphereGamma.Radians = p.CentreLongitude * kDegreesToRadians;
    RefreshRotation(p);
    for (int i = 0; i <= kImagesDemoGlobe && !state_.AnnuleFonction;) {
      MapScene scene = Scene();
      scene.globeDemo = true;
      PrepareView(scene);
      ImageCarte->repaint();
      QApplication::processEvents();
      PasDemoGlobe(p, i);
      ++i;
      p.Zoom += ZoomDemoGlobe(i);
    }
  } else {
    p.Zoom = 30;
    p.CentreLatitude = 50.0;
    p.CentreLongitude = 4.0;
    RefreshRotation(p);
    for (int i = 0; i <= kImagesDemoPlane && !state_.AnnuleFonction; ++i) {
      Redraw();
      ImageCarte->repaint();
      QApplication::processEvents();
      PasDemoPlane(p, i);
    }
    Redraw();
  }
  demonstration.reset();
  state_.AnnuleFonction = false;
  bool lu = false;
  const int zoom = ZoomGP1->text().toInt(&lu);
  if (lu) {
    p.Zoom = zoom;
  }
  ScheduleWaitingWork();
}

void TFormPrinc::ZoomContinu() {
  ProjectionState& p = state_.projection;
  const std::int32_t depart = p.Zoom;
  do {
    RequestRedraw();
    ImageCarte->repaint();
    p.Zoom += kPasZoomContinu;
  } while (p.Zoom <= depart + kEtendueZoomContinu && p.Zoom <= kMaxZoom);
}

void TFormPrinc::Test640() {
  DisposeFenetre(640, 480);
  TailleImage(rememberedPictureSize_.width(), rememberedPictureSize_.height(), state_.PourcentApplique);
  RequestRedraw();
}

void TFormPrinc::Microaide1Click() {
  TFormAide aide(state_.directories.RepertoireDemarrage, dialogs_, this);
  aide.exec();
}

void TFormPrinc::Apropos1Click() {
  TFormAPropos apropos(this);
  apropos.exec();
}

}  // namespace orvex
