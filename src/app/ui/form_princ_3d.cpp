// The main window's 3D commands: the controller, "Vue 3D", the fly-over
// (stopped by the shared "Annule" button), the ground view and the X-Y survey.
#include <QApplication>
#include <QMenuBar>
#include <QToolButton>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "terrain/ui/form_3d.h"
#include "terrain/ui/form_survol.h"
#include "terrain/ui/form_vue_sol.h"
#include "terrain/view/survol_relief.h"

namespace orvex {
namespace {

constexpr double kVue3DAlpha = 0.9;  // radians added by "Vue 3D"
constexpr double kVue3DGamma = 0.5;
constexpr double kHauteurMiseEnPlace = 100;  // metres: the cone shown before the dialog opens
constexpr int kDecalageControleur = 10;
constexpr int kHautControleur = 20;

}  // namespace

void TFormPrinc::Build3D() {
  const auto bouton = [this](const QString& texte, const QString& indication, const char* nom,
                             void (TFormPrinc::*action)()) {
    auto* commande = new QAction(texte, this);
    commande->setToolTip(indication);
    connect(commande, &QAction::triggered, this, action);
    ToolBar1->addAction(commande);
    ToolBar1->widgetForAction(commande)->setObjectName(nom);
  };
  bouton(QStringLiteral("3D"), QString::fromUtf8("Contrôleur 3D"), "ToolButtonC3D", &TFormPrinc::ToolButtonC3DClick);
  bouton(QStringLiteral("Vue 3D"), QStringLiteral("Vue 3D"), "ToolButtonVue3D", &TFormPrinc::ToolButtonVue3DClick);
  bouton(QStringLiteral("Survol"), QStringLiteral("Survol du relief en 3D"), "BoutonVol3D",
         &TFormPrinc::BoutonVol3DClick);

  QMenu* affichage = menuBar()->findChild<QMenu*>("Affichage1");
  QAction* separateur = affichage->addSeparator();
  separateur->setObjectName("N8");
  Contrleur1 = affichage->addAction(QString::fromUtf8("Contrôleur 3D"), this, &TFormPrinc::ToolButtonC3DClick);
  Contrleur1->setObjectName("Contrleur1");
  MenuVueDuSol = affichage->addAction(QStringLiteral("Vue du sol"), this, &TFormPrinc::MenuVueDuSolClick);
  MenuVueDuSol->setObjectName("MenuVueDuSol");
  survolXY = affichage->addAction(QStringLiteral("Survol  X-Y"), this, &TFormPrinc::survolXYClick);
  survolXY->setObjectName("survolXY");
}

void TFormPrinc::ToolButtonC3DClick() {
  if (!form3D_) {
    Liens3D liens{[this] { RequestRedraw(); },
                  [this] {
                    if (state_.SurvolEnCours) {
                      return;
                    }
                    MapScene scene = Scene();
                    PrepareDiffere(scene);
                    ImageCarte->update();
                  }};
    form3D_ = std::make_unique<TForm3D>(state_.projection, state_.redraw, state_.display, std::move(liens), this);
    form3D_->move(GroupBox1->mapToGlobal(QPoint(-kDecalageControleur, 0)).x(), kHautControleur);
  }
  form3D_->show();
  form3D_->raise();
}

void TFormPrinc::ToolButtonVue3DClick() {
  ProjectionState& p = state_.projection;
  RefreshRotation(p, state_.redraw);
  StepAlpha(p, kVue3DAlpha);
  StepGamma(p, kVue3DGamma);
  RequestRedraw();
}

void TFormPrinc::BoutonVol3DClick() {
  if (state_.SurvolEnCours) {
    return;
  }
  state_.SurvolEnCours = true;
  SceneRelief relief(canvas_, state_.projection, state_.tables.TableNiveaux, state_.dalle, state_.display,
                     state_.matrice);
  relief.SurvolEnCours = true;
  {
    // Fixes and ticks arriving between frames wait for the end of the flight.
    const RedrawGate::Hold flying(gate_);
    // Closing the window also stops it: the loop would otherwise run on unseen.
    Survole(
        relief, state_.projection,
        [this] {
          ImageCarte->repaint();
          QApplication::processEvents();
        },
        [this] { return state_.AnnuleFonction || !isVisible(); });
  }
  state_.AnnuleFonction = false;
  state_.SurvolEnCours = false;
  RequestRedraw();
}

void TFormPrinc::MontreCone(const VueSol& vue) {
  RemplaceCone(cone_, canvas_, state_.projection, state_.redraw, vue);
  ImageCarte->update();
}

void TFormPrinc::MenuVueDuSolClick() {
  PointerInteraction& pointeur = pointerHandlers_->Interaction();
  if (pointeur.MeasureEnd.Longitude == 0) {
    StaticTextInfo->setText(QStringLiteral("Pour utiliser cette option, dessinez un vecteur sur la carte"));
    return;
  }
  MontreCone(PrepareVueSol(pointeur.MeasureOrigin, pointeur.MeasureEnd, kHauteurMiseEnPlace));
  TFormVueSol dialogue(
      DonneesVueSol{pointeur.MeasureOrigin, pointeur.MeasureEnd, state_.CorrectionAltitude, state_.tables.TableNiveaux,
                    state_.tables.TableOM, state_.display, [this](const VueSol& vue) { MontreCone(vue); }},
      this);
  dialogue.exec();
}

void TFormPrinc::survolXYClick() {
  ConstruitMatriceEcran(state_.matrice, state_.dalle, state_.projection);
  TFormSurvol dialogue(state_.matrice, state_.display, this);
  dialogue.exec();
}

}  // namespace orvex
