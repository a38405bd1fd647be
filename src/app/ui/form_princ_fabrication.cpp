// The main window's tile fabrication command.
#include <QMenuBar>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"
#include "terrain/ui/form_fait_dalle.h"

namespace orvex {

namespace {
constexpr CouleurBgr kBleu = 0xFF0000;
}  // namespace

void TFormPrinc::BuildFabricationMenu() {
  auto* fichier = menuBar()->findChild<QMenu*>("Fichier1");
  fichier->insertAction(Quitter1, N15);
  fichier->insertAction(Quitter1, Fabriquerdalledesniveaux1);
  connect(Fabriquerdalledesniveaux1, &QAction::triggered, this, &TFormPrinc::Fabriquerdalledesniveaux1Click);
}

void TFormPrinc::Fabriquerdalledesniveaux1Click() {
  const std::filesystem::path fichier = ResolvePath(state_.directories.RepertoireRegion, "Dalles/dalles.dat");
  const auto cadre = [this](const BoiteCourbes& boite) {
    const ScreenPoint no = FixedToScreen(state_.projection, boite.lonMin, boite.latMax, 0);
    const ScreenPoint se = FixedToScreen(state_.projection, boite.lonMax, boite.latMin, 0);
    canvas_.SetPenMode(PenMode::Copy);
    canvas_.SetPenColor(kBleu);
    canvas_.SetPenWidth(1);
    canvas_.SetBrushStyle(BrushStyle::Clear);
    canvas_.Rectangle(no.x, no.y, se.x, se.y);
    ImageCarte->repaint();
  };
  TFormFaitDalle dialog(state_.tables.TableNiveaux, fichier, dialogs_, cadre, this);
  dialog.exec();
  if (!dialog.Fabriquee()) {
    return;
  }
  StaticTextInfo->setTextFormat(Qt::PlainText);
  StaticTextInfo->setText(Utf8ToQString("Le fichier " + PathText(fichier) + " a été fabriqué "));
  LitDalles(fichier, state_.dalle);
  state_.display.AffDalles = true;
  RequestRedraw();
}

}  // namespace orvex
