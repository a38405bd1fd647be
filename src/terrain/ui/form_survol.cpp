#include "terrain/ui/form_survol.h"

#include <QTimer>
#include <QVBoxLayout>

#include "terrain/view/survol_xy.h"

namespace orvex {
namespace {

constexpr int kLargeur = 640;
constexpr int kHauteur = 420;

}  // namespace

TFormSurvol::TFormSurvol(const MatriceEcran& matrice, const DisplayOptions& display, QWidget* parent)
    : QDialog(parent), matrice_(matrice), display_(display) {
  setObjectName("FormSurvol");
  setWindowTitle(QStringLiteral("Survol  X-Y"));
  Imagevol = new ImageCanvas(kLargeur, kHauteur, "Imagevol", this);
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(Imagevol);
  colonne->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormSurvol::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once the dialog is on screen, so that the lines show as they come.
  QTimer::singleShot(0, this, &TFormSurvol::Dessine);
}

void TFormSurvol::Dessine() {
  const int largeur = Imagevol->Dessin().Width();
  DessineSurvolXY(Imagevol->Dessin(), matrice_, display_,
                  [this, largeur](int y) { Imagevol->repaint(0, y, largeur, 1); });
  Imagevol->update();
}

}  // namespace orvex
